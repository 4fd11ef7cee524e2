#pragma once
// Statement module for inserts: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao, and
// return the number of rows affected. Database failures reach the caller as ErroBanco;
// transactions are the caller's.

#include "dados/ModuloInstrucoes.h"

#include <string>

class TAccessIns : public TModuloInstrucoes<TAccessIns> {};

namespace InsAccessUsoGeral {
// The module's private query (null until DefineConexao); it keeps the last statement.
inline TConsulta* Consulta() {
    return TAccessIns::Consulta();
}

int InsereEmpresa(const std::string& inscricao, const std::string& razao);
int InsereUnidade(const std::string& codunid, const std::string& descunid);
// A blank status is written as null.
int InsereProduto(const std::string& inscricao, const std::string& codProd, const std::string& codunid,
                  const std::string& ncm, const std::string& codProdVlt, const std::string& tipoProdVlt,
                  const std::string& modelo, const std::string& status, const std::string& centroCusto,
                  const std::string& codModeloEmpresa);
// Blank item detail, description, company input code and specification are written as null.
int InsereInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns,
                 const std::string& codunid, const std::string& tipoIns, const std::string& ncm,
                 const std::string& detalhe, const std::string& descricao, const std::string& especificacao,
                 const std::string& codInsEmpresa, double coeficiente);
} // namespace InsAccessUsoGeral

// The windows call the module's functions unqualified.
using InsAccessUsoGeral::InsereEmpresa;
using InsAccessUsoGeral::InsereInsumo;
using InsAccessUsoGeral::InsereProduto;
using InsAccessUsoGeral::InsereUnidade;

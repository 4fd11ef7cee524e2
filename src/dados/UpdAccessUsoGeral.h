#pragma once
// Statement module for updates: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao, and
// return the number of rows affected. Database failures reach the caller as ErroBanco;
// transactions are the caller's.

#include "dados/ModuloInstrucoes.h"

#include <string>

class TAccessUpd : public TModuloInstrucoes<TAccessUpd> {};

namespace UpdAccessUsoGeral {
// The module's private query (null until DefineConexao); it keeps the last statement.
inline TConsulta* Consulta() {
    return TAccessUpd::Consulta();
}

int AlteraEmpresa(const std::string& inscricao, const std::string& razao);
int AlteraUnidade(const std::string& codunid, const std::string& descunid);
// Every column of the product but its status.
int AlteraProduto(const std::string& inscricao, const std::string& codProd, const std::string& codunid,
                  const std::string& ncm, const std::string& codProdVlt, const std::string& tipoProdVlt,
                  const std::string& modelo, const std::string& centroCusto, const std::string& codModeloEmpresa);
// A blank optional value clears the stored one to null.
int AlteraInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns,
                 const std::string& codunid, const std::string& tipoIns, const std::string& ncm,
                 const std::string& detalhe, const std::string& descricao, const std::string& especificacao,
                 const std::string& codInsEmpresa, double coeficiente);
} // namespace UpdAccessUsoGeral

// The windows call the module's functions unqualified.
using UpdAccessUsoGeral::AlteraEmpresa;
using UpdAccessUsoGeral::AlteraInsumo;
using UpdAccessUsoGeral::AlteraProduto;
using UpdAccessUsoGeral::AlteraUnidade;

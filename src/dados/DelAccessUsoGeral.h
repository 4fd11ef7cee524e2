#pragma once
// Statement module for deletes: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao, and
// return the number of rows affected. Database failures reach the caller as ErroBanco;
// transactions are the caller's.

#include "dados/ModuloInstrucoes.h"

#include <string>

class TAccessDel : public TModuloInstrucoes<TAccessDel> {};

namespace DelAccessUsoGeral {
// The module's private query (null until DefineConexao); it keeps the last statement.
inline TConsulta* Consulta() {
    return TAccessDel::Consulta();
}

int ExcluiEmpresa(const std::string& inscricao);
int ExcluiUnidade(const std::string& codunid);
int ExcluiProduto(const std::string& inscricao, const std::string& codProd);
int ExcluiErrosProduto(const std::string& inscricao, const std::string& codProd);
int ExcluiInsumosProduto(const std::string& inscricao, const std::string& codProd);
int ExcluiInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns);
} // namespace DelAccessUsoGeral

// The windows call the module's functions unqualified.
using DelAccessUsoGeral::ExcluiEmpresa;
using DelAccessUsoGeral::ExcluiErrosProduto;
using DelAccessUsoGeral::ExcluiInsumo;
using DelAccessUsoGeral::ExcluiInsumosProduto;
using DelAccessUsoGeral::ExcluiProduto;
using DelAccessUsoGeral::ExcluiUnidade;

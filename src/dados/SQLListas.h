#pragma once
// List statements: each function only builds the statement text. Windows run it on the
// data module's list query qry_sel (AbrirLista) and walk the rows; the lookup dialog puts
// the derived-table statements in parentheses in place of a table name.

#include <string>

// Lists for windows.
std::string SQLEmpresas();
std::string SQLUnidades();
// Products of a company joined with their zone product, type and unit (inner joins).
std::string SQLProdutosEmpresa(const std::string& inscricao);
std::string SQLTiposProduto(const std::string& codProdVlt);
std::string SQLDetalhesItem(const std::string& codProdVlt, const std::string& ncm);
// Inputs of type "P" / of any other type or none; units joined with a left join.
std::string SQLInsumosPadrao(const std::string& inscricao, const std::string& codProd);
std::string SQLInsumosOutros(const std::string& inscricao, const std::string& codProd);

// Rows that the export run writes.
std::string SQLProdutoEnvio(const std::string& inscricao, const std::string& codProd);
std::string SQLInsumosEnvio(const std::string& inscricao, const std::string& codProd);

// Derived tables of the lookup dialog.
std::string SQLProdutosXVM();
std::string SQLNCMsProduto(const std::string& codProdVlt, const std::string& codTipo);
std::string SQLNCMsItem(const std::string& codProdVlt);
std::string SQLProdutosForaLote(const std::string& inscricao, const std::string& lote);
std::string SQLInsumosNacRegForaLote(const std::string& inscricao, const std::string& lote, const std::string& codProd);
std::string SQLInsumosEstPadForaLote(const std::string& inscricao, const std::string& lote, const std::string& codProd);
std::string SQLLotesKit(const std::string& inscricao);

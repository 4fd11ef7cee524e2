#pragma once
// Statement module for lookups and checks: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao. Value queries
// give empty text when there is no row, next-code queries the largest code plus 1 (or 1), and
// existence queries whether any row answered. Database failures reach the caller as ErroBanco.

#include "dados/ModuloInstrucoes.h"

#include <string>

class TAccessSel : public TModuloInstrucoes<TAccessSel> {};

namespace SelAccessUsoGeral {
// The module's private query (null until DefineConexao); it keeps the last statement and result.
inline TConsulta* Consulta() {
    return TAccessSel::Consulta();
}

// Value queries.
std::string RazaoSocialEmpresa(const std::string& inscricao);
std::string DescricaoUnidade(const std::string& codunid);
std::string NomeProdutoXVM(const std::string& codProdVlt);
std::string DescricaoTipoProduto(const std::string& codProdVlt, const std::string& codTipo);
std::string DescricaoNCM(const std::string& ncm);
std::string DescricaoNCMProduto(const std::string& codProdVlt, const std::string& codTipo, const std::string& ncm);
std::string DescricaoNCMItem(const std::string& codProdVlt, const std::string& ncm);
std::string DescricaoDetalheNCM(const std::string& ncm, const std::string& detalhe);
std::string UnidadeNCM(const std::string& ncm);
std::string UnidadeNCMProduto(const std::string& codProdVlt, const std::string& codTipo, const std::string& ncm);
std::string UnidadeNCMItem(const std::string& codProdVlt, const std::string& ncm);

// Next-code queries.
int ProximoCodigoProduto(const std::string& inscricao);
int ProximoCodigoInsumo(const std::string& inscricao, const std::string& codProd);

// Existence queries.
bool ExisteProdutoLE(const std::string& inscricao, const std::string& codProdVlt, const std::string& codTipo,
                     const std::string& modelo);
bool ExisteInsumoLE(const std::string& inscricao, const std::string& codProd, const std::string& tipoIns,
                    const std::string& ncm, const std::string& detalhe, const std::string& especificacao);
// The technical specification is compared only when it is not blank.
bool ExisteInsumoDescricao(const std::string& inscricao, const std::string& codProd, const std::string& tipoIns,
                           const std::string& ncm, const std::string& descricao, const std::string& especificacao);
bool EmpresaTemProdutos(const std::string& inscricao);
bool EmpresaTemInsumos(const std::string& inscricao);
bool UnidadeEmProdutos(const std::string& codunid);
bool UnidadeEmInsumos(const std::string& codunid);
bool ExisteUnidade(const std::string& codunid);
bool ExisteNCM(const std::string& ncm);
bool ExisteNCMItem(const std::string& codProdVlt, const std::string& ncm);
bool ExisteDetalheItem(const std::string& codProdVlt, const std::string& ncm, const std::string& detalhe);

// Counts.
// Listing products of the company, whether or not the reference tables still know them.
int QuantidadeProdutosEmpresa(const std::string& inscricao);
} // namespace SelAccessUsoGeral

// The windows call the module's functions unqualified.
using SelAccessUsoGeral::DescricaoDetalheNCM;
using SelAccessUsoGeral::DescricaoNCM;
using SelAccessUsoGeral::DescricaoNCMItem;
using SelAccessUsoGeral::DescricaoNCMProduto;
using SelAccessUsoGeral::DescricaoTipoProduto;
using SelAccessUsoGeral::DescricaoUnidade;
using SelAccessUsoGeral::EmpresaTemInsumos;
using SelAccessUsoGeral::EmpresaTemProdutos;
using SelAccessUsoGeral::ExisteDetalheItem;
using SelAccessUsoGeral::ExisteInsumoDescricao;
using SelAccessUsoGeral::ExisteInsumoLE;
using SelAccessUsoGeral::ExisteNCM;
using SelAccessUsoGeral::ExisteNCMItem;
using SelAccessUsoGeral::ExisteProdutoLE;
using SelAccessUsoGeral::ExisteUnidade;
using SelAccessUsoGeral::NomeProdutoXVM;
using SelAccessUsoGeral::ProximoCodigoInsumo;
using SelAccessUsoGeral::ProximoCodigoProduto;
using SelAccessUsoGeral::QuantidadeProdutosEmpresa;
using SelAccessUsoGeral::RazaoSocialEmpresa;
using SelAccessUsoGeral::UnidadeEmInsumos;
using SelAccessUsoGeral::UnidadeEmProdutos;
using SelAccessUsoGeral::UnidadeNCM;
using SelAccessUsoGeral::UnidadeNCMItem;
using SelAccessUsoGeral::UnidadeNCMProduto;

#include "dados/SQLListas.h"

#include "dados/BancoDados.h"
#include "dados/PecasSQL.h"
#include "dados/clsTabACCESS.h"

namespace {

using T = clsTabACCESS;

// Columns shared by the two input lists of a product, with the type description and
// the unit's description (null when the unit is missing).
std::string ListaCamposInsumos() {
    return " SELECT  SWITCH (exp_tipoins = 'E', 'Estrangeiro' ,         exp_tipoins = 'P', 'Padrao' ,  "
           "       exp_tipoins = 'N', 'Nacional' ,         exp_tipoins = 'R', 'Regional')      AS exp_desctipoins , "
           "       A.exp_ncmins  ,         A.exp_detinsvlt  ,         A.exp_descins  ,         A.exp_espetec  , "
           "        A.exp_coeftec  ,         A.codunid  ,         B.descunid  ,         A.exp_codins  ,        "
           " 0 AS status  ,         A.ins_codemp  ,         A.exp_tipoins    FROM " +
           T::TabExpInsumo() + " A " + " LEFT JOIN " + T::TabUnidades() + " B " + "        ON (A.codunid = B.codunid) ";
}

// Inputs of a product that are not yet in a batch, restricted by type.
std::string InsumosForaLote(const std::string& inscricao, const std::string& lote, const std::string& codProd,
                            const std::string& filtroTipo) {
    return " SELECT  exp_codins  ,  exp_tipoins  ,     switch (exp_tipoins = 'N', 'Nacional'  ,             "
           "exp_tipoins = 'R', 'Regional'  ,             exp_tipoins = 'E', 'Estrangeiro'  ,             "
           "exp_tipoins = 'P', 'Padrao')     as exp_tipodesc ,  exp_ncmins  ,  exp_detinsvlt  ,  exp_descins  ,  "
           "exp_espetec  ,  codunid  ,  exp_coeftec    FROM " +
           T::TabExpInsumo() + " A " + "  WHERE " + "        a.emp_inscvlt = " + Q(inscricao) +
           "    AND a.exp_codprod = " + CodigoSemAspas(codProd) + filtroTipo + "    AND NOT EXISTS ( " +
           " SELECT * FROM " + T::TabInsumo() + " B " + "  WHERE " + "  " + "      b.emp_inscvlt = a.emp_inscvlt " +
           "  AND b.exp_codprod = a.exp_codprod " + "  AND b.exp_codins  = a.exp_codins " +
           "  AND b.lot_numero  = " + Q(lote) + ")";
}

} // namespace

std::string SQLEmpresas() {
    return " SELECT * FROM   " + T::TabEmpresa() + " ORDER BY emp_razao";
}

std::string SQLUnidades() {
    return " SELECT * FROM   " + T::TabUnidades() + " ORDER BY codunid";
}

std::string SQLProdutosEmpresa(const std::string& inscricao) {
    return " SELECT   exp_codprodvlt, exp_ncmprod, nm_produto_xvm, prdt_desctipo, exp_modprod, c.codunid, descunid, "
           "exp_codprod, exp_tipoprodvlt, cus_codigo, mod_codemp   FROM   " +
           T::TabProdutoXVM() + " A, " + T::TabTipoProduto() + " B, " + T::TabExpProduto() + " C, " + T::TabUnidades() +
           " D " + " WHERE " + "  " + "c.codunid = d.codunid" + " AND " +
           "c.exp_codprodvlt = mid(a.cd_produto_xvm,1,4)" + " AND " + "c.exp_codprodvlt = b.prdt_codprod" + " AND " +
           "c.exp_tipoprodvlt = b.prdt_codtipo" + " AND " + "c.emp_inscvlt = " + Q(inscricao) +
           " ORDER BY c.exp_codprodvlt, c.exp_ncmprod ";
}

std::string SQLTiposProduto(const std::string& codProdVlt) {
    return " SELECT       prdt_codtipo ,     prdt_desctipo    FROM   " + T::TabTipoProduto() +
           "  WHERE prdt_codprod = " + Q(codProdVlt);
}

std::string SQLDetalhesItem(const std::string& codProdVlt, const std::string& ncm) {
    return "SELECT a.vtncm_detalhe, b.vtncm_descricao   FROM " + T::TabProdItem() + " A, " + T::TabNCMVlt() + " B  " +
           " WHERE a.cd_mercadoria_ncm = b.vtncm_codigo " + "   AND a.vtncm_detalhe = b.vtncm_detalhe " +
           "   AND a.cd_produto_xvm =  " + Q(codProdVlt) + "   AND a.cd_mercadoria_ncm = " + Q(ncm);
}

std::string SQLInsumosPadrao(const std::string& inscricao, const std::string& codProd) {
    return ListaCamposInsumos() + " WHERE A.emp_inscvlt = " + Q(inscricao) +
           "   AND A.exp_codprod = " + CodigoSemAspas(codProd) + "   AND A.exp_tipoins = 'P' " +
           "ORDER BY A.exp_codins";
}

std::string SQLInsumosOutros(const std::string& inscricao, const std::string& codProd) {
    return ListaCamposInsumos() + " WHERE A.emp_inscvlt = " + Q(inscricao) +
           "   AND A.exp_codprod = " + CodigoSemAspas(codProd) + "   AND (A.exp_tipoins <> 'P' " +
           "    OR  A.exp_tipoins IS null) " + "ORDER BY A.exp_codins";
}

std::string SQLProdutoEnvio(const std::string& inscricao, const std::string& codProd) {
    return " SELECT  emp_inscVlt  ,  exp_codprod  ,  codunid  ,  exp_ncmprod  ,  exp_codprodvlt  ,  exp_tipoprodvlt  , "
           " exp_modprod  ,  exp_status  ,  cus_codigo  ,  mod_codemp    FROM " +
           T::TabExpProduto() + "  WHERE " + "        emp_inscvlt = " + Q(inscricao) +
           "    AND exp_codprod = " + CodigoSemAspas(codProd);
}

std::string SQLInsumosEnvio(const std::string& inscricao, const std::string& codProd) {
    return " SELECT  emp_inscVlt  ,  exp_codprod  ,  exp_codins  ,  codunid  ,  exp_tipoins  ,  exp_ncmins  ,  "
           "exp_detinsvlt  ,  exp_descins  ,  exp_espetec  ,  exp_coeftec  ,  exp_status  ,  ins_codemp    FROM " +
           T::TabExpInsumo() + "  WHERE " + "        emp_inscvlt = " + Q(inscricao) +
           "    AND exp_codprod = " + CodigoSemAspas(codProd);
}

std::string SQLProdutosXVM() {
    return " SELECT       mid(cd_produto_xvm,1,4) AS cd_produto_xvm ,     nm_produto_xvm  FROM   " + T::TabProdutoXVM();
}

std::string SQLNCMsProduto(const std::string& codProdVlt, const std::string& codTipo) {
    return " SELECT  b.ncm_descricao  ,  b.ncm_codigo  ,  b.uni_codigo  ,  a.nps_codtipo  FROM " + T::TabNCMProdVlt() +
           " A, " + T::TabNCM() + " B " + " WHERE " + "       a.nps_ncm = b.ncm_codigo " +
           "   AND a.nps_codprod = " + Q(codProdVlt) + "   AND a.nps_codtipo = " + Q(codTipo);
}

std::string SQLNCMsItem(const std::string& codProdVlt) {
    return " SELECT  a.vtncm_detalhe  ,  b.ncm_codigo  ,  b.ncm_descricao  ,  b.uni_codigo  FROM " + T::TabProdItem() +
           " A, " + T::TabNCM() + " B " + " WHERE " + "       a.cd_mercadoria_ncm = b.ncm_codigo " +
           "   AND a.cd_produto_xvm = " + Q(codProdVlt) + " ORDER BY ncm_codigo";
}

std::string SQLProdutosForaLote(const std::string& inscricao, const std::string& lote) {
    return " SELECT  exp_codprodvlt  ,  exp_tipoprodvlt  ,  codunid  ,  exp_ncmprod  ,  exp_modprod  ,  exp_codprod  , "
           " "
           "nm_produto_xvm  ,  prdt_desctipo  FROM " +
           T::TabExpProduto() + " A," + T::TabProdutoXVM() + " C," + T::TabTipoProduto() + " D " + " WHERE " +
           "       mid(c.cd_produto_xvm,1,4) = a.exp_codprodvlt" + "   AND d.prdt_codprod = a.exp_codprodvlt " +
           "   AND d.prdt_codtipo = a.exp_tipoprodvlt " + "   AND a.emp_inscvlt = " + Q(inscricao) +
           "   AND NOT EXISTS ( " + " SELECT * FROM " + T::TabProduto() + " B " + " WHERE " + "  " +
           "     b.emp_inscvlt = a.emp_inscvlt " + " AND b.exp_codprod = a.exp_codprod " +
           " AND b.lot_numero = " + Q(lote) + ")";
}

std::string SQLInsumosNacRegForaLote(const std::string& inscricao, const std::string& lote,
                                     const std::string& codProd) {
    return InsumosForaLote(inscricao, lote, codProd, "    AND a.exp_tipoins in ('N', 'R') ");
}

std::string SQLInsumosEstPadForaLote(const std::string& inscricao, const std::string& lote,
                                     const std::string& codProd) {
    return InsumosForaLote(inscricao, lote, codProd, "    AND a.exp_tipoins in ('E', 'P') ");
}

std::string SQLLotesKit(const std::string& inscricao) {
    return " SELECT  *  FROM " + T::TabLote() + " WHERE " + "       emp_inscvlt = " + Q(inscricao) +
           "   AND lot_ehkit = '1' ";
}

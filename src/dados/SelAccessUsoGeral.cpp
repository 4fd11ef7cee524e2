#include "dados/SelAccessUsoGeral.h"

#include "comum/RotinasUteis.h"
#include "dados/PecasSQL.h"
#include "dados/clsTabACCESS.h"

namespace {
using T = clsTabACCESS;
constexpr auto Abrir = &TAccessSel::Abrir;

std::string Valor(const std::string& sql, std::string_view coluna) {
    TConsulta& q = Abrir(sql);
    return q.Vazia() ? std::string() : q.Texto(coluna);
}

bool Existe(const std::string& sql) {
    return !Abrir(sql).Vazia();
}

// The largest code is null when the company or product has none yet: the next is 1.
int ProximoCodigo(const std::string& sql, std::string_view coluna) {
    TConsulta& q = Abrir(sql);
    if (q.Vazia() || Aparar(q.Texto(coluna)).empty()) {
        return 1;
    }
    return static_cast<int>(q.Inteiro(coluna)) + 1;
}
} // namespace

namespace SelAccessUsoGeral {

std::string RazaoSocialEmpresa(const std::string& inscricao) {
    return Valor(" SELECT T1.EMP_RAZAO  FROM " + T::TabEmpresa() + " T1 " + " WHERE T1.EMP_INSCVLT = " + Q(inscricao),
                 "EMP_RAZAO");
}

std::string DescricaoUnidade(const std::string& codunid) {
    return Valor(" SELECT descunid    FROM " + T::TabUnidades() + " T1 " + "   WHERE T1.codunid = " + Q(codunid),
                 "descunid");
}

std::string NomeProdutoXVM(const std::string& codProdVlt) {
    return Valor(" SELECT nm_produto_xvm    FROM " + T::TabProdutoXVM() + " T1 " +
                     "  WHERE mid(T1.cd_produto_xvm,1,4) = " + Q(codProdVlt),
                 "nm_produto_xvm");
}

std::string DescricaoTipoProduto(const std::string& codProdVlt, const std::string& codTipo) {
    return Valor(" SELECT prdt_desctipo    FROM " + T::TabTipoProduto() + " T1 " +
                     "  WHERE T1.prdt_codprod = " + Q(codProdVlt) + "    AND T1.prdt_codtipo = " + Q(codTipo),
                 "prdt_desctipo");
}

std::string DescricaoNCM(const std::string& ncm) {
    return Valor(" SELECT T1.NCM_DESCRICAO  FROM " + T::TabNCM() + " T1 " + " WHERE T1.NCM_CODIGO = " + Q(ncm),
                 "NCM_DESCRICAO");
}

std::string DescricaoNCMProduto(const std::string& codProdVlt, const std::string& codTipo, const std::string& ncm) {
    return Valor(" SELECT  ncm_descricao  FROM " + T::TabNCMProdVlt() + " A, " + T::TabNCM() + " B " + " WHERE " +
                     "       a.nps_ncm = b.ncm_codigo " + "   AND nps_ncm = " + Q(ncm) +
                     "   AND nps_codprod = " + Q(codProdVlt) + "   AND nps_codtipo = " + Q(codTipo),
                 "ncm_descricao");
}

std::string DescricaoNCMItem(const std::string& codProdVlt, const std::string& ncm) {
    return Valor(" SELECT  a.vtncm_detalhe  ,  b.ncm_codigo  ,  b.ncm_descricao  ,  b.uni_codigo  FROM " +
                     T::TabProdItem() + " A, " + T::TabNCM() + " B " + " WHERE " +
                     "       a.cd_mercadoria_ncm = b.ncm_codigo " + "   AND a.cd_produto_xvm = " + Q(codProdVlt) +
                     "   AND a.cd_mercadoria_ncm = " + Q(ncm) + " ORDER BY ncm_codigo",
                 "NCM_DESCRICAO");
}

std::string DescricaoDetalheNCM(const std::string& ncm, const std::string& detalhe) {
    return Valor("SELECT a.vtncm_descricao   FROM " + T::TabNCMVlt() + " A " + " WHERE a.vtncm_codigo  = " + Q(ncm) +
                     "   AND a.vtncm_detalhe = " + Q(detalhe),
                 "vtncm_descricao");
}

std::string UnidadeNCM(const std::string& ncm) {
    return Valor(" SELECT  uni_codigo  FROM " + T::TabNCM() + " A " + " WHERE " + "       ncm_codigo = " + Q(ncm),
                 "uni_codigo");
}

std::string UnidadeNCMProduto(const std::string& codProdVlt, const std::string& codTipo, const std::string& ncm) {
    return Valor(" SELECT  uni_codigo  FROM " + T::TabNCMProdVlt() + " A, " + T::TabNCM() + " B " +
                     " WHERE a.nps_ncm = b.ncm_codigo " + "   AND nps_ncm = " + Q(ncm) +
                     "   AND nps_codprod = " + Q(codProdVlt) + "   AND nps_codtipo = " + Q(codTipo),
                 "uni_codigo");
}

std::string UnidadeNCMItem(const std::string& codProdVlt, const std::string& ncm) {
    return Valor(" SELECT  b.uni_codigo  FROM " + T::TabProdItem() + " A, " + T::TabNCM() + " B " + " WHERE " +
                     "       a.cd_mercadoria_ncm = b.ncm_codigo " + "   AND a.cd_produto_xvm = " + Q(codProdVlt) +
                     "   AND a.cd_mercadoria_ncm = " + Q(ncm),
                 "uni_codigo");
}

int ProximoCodigoProduto(const std::string& inscricao) {
    // The one statement that names its table itself.
    return ProximoCodigo("Select max(exp_codprod) as codigo from kx_expproduto where emp_inscvlt = " + Q(inscricao),
                         "codigo");
}

int ProximoCodigoInsumo(const std::string& inscricao, const std::string& codProd) {
    return ProximoCodigo(" SELECT MAX(exp_codins) AS exp_codins    FROM " + T::TabExpInsumo() + " T1 " +
                             "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                             "    AND T1.exp_codprod = " + CodigoSemAspas(codProd),
                         "exp_codins");
}

bool ExisteProdutoLE(const std::string& inscricao, const std::string& codProdVlt, const std::string& codTipo,
                     const std::string& modelo) {
    return Existe(" SELECT *    FROM " + T::TabExpProduto() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                  "    AND T1.exp_codprodvlt = " + Q(codProdVlt) + "    AND T1.exp_tipoprodvlt = " + Q(codTipo) +
                  "    AND TRIM(T1.exp_modprod) = " + Q(Aparar(modelo)));
}

bool ExisteInsumoLE(const std::string& inscricao, const std::string& codProd, const std::string& tipoIns,
                    const std::string& ncm, const std::string& detalhe, const std::string& especificacao) {
    return Existe(" SELECT *    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                  "    AND T1.exp_codprod = " + CodigoSemAspas(codProd) + "    AND T1.exp_tipoins = " + Q(tipoIns) +
                  "    AND T1.exp_ncmins = " + Q(ncm) + "    AND T1.exp_detinsvlt = " + Q(detalhe) +
                  "    AND TRIM(T1.exp_espetec) = " + Q(Aparar(especificacao)));
}

bool ExisteInsumoDescricao(const std::string& inscricao, const std::string& codProd, const std::string& tipoIns,
                           const std::string& ncm, const std::string& descricao, const std::string& especificacao) {
    const std::string espetec = Aparar(especificacao);
    const std::string clausulaEspetec =
        espetec.empty() ? std::string() : "    AND TRIM(T1.exp_espetec) = " + Q(espetec);
    return Existe(" SELECT *    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                  "    AND T1.exp_codprod = " + CodigoSemAspas(codProd) + "    AND T1.exp_tipoins = " + Q(tipoIns) +
                  "    AND T1.exp_ncmins = " + Q(ncm) + "    AND TRIM(T1.exp_descins) = " + Q(Aparar(descricao)) +
                  clausulaEspetec);
}

bool EmpresaTemProdutos(const std::string& inscricao) {
    return Existe(" SELECT *    FROM " + T::TabExpProduto() + " T1 " + "  WHERE T1.EMP_INSCVLT = " + Q(inscricao));
}

bool EmpresaTemInsumos(const std::string& inscricao) {
    return Existe(" SELECT *    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.EMP_INSCVLT = " + Q(inscricao));
}

bool UnidadeEmProdutos(const std::string& codunid) {
    return Existe(" SELECT *    FROM " + T::TabExpProduto() + " T1 " + "  WHERE T1.codunid = " + Q(codunid));
}

bool UnidadeEmInsumos(const std::string& codunid) {
    return Existe(" SELECT *    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.codunid = " + Q(codunid));
}

bool ExisteUnidade(const std::string& codunid) {
    return Existe(" SELECT *    FROM " + T::TabUnidades() + " T1 " + "  WHERE CODUNID = " + Q(codunid));
}

bool ExisteNCM(const std::string& ncm) {
    return Existe(" SELECT *    FROM " + T::TabNCM() + " T1 " + "  WHERE NCM_CODIGO = " + Q(ncm));
}

bool ExisteNCMItem(const std::string& codProdVlt, const std::string& ncm) {
    return Existe(" SELECT *  FROM " + T::TabProdItem() + " A, " + T::TabNCM() + " B " + " WHERE " +
                  "       a.cd_mercadoria_ncm = b.ncm_codigo " + "   AND a.cd_produto_xvm = " + Q(codProdVlt) +
                  "   AND a.cd_mercadoria_ncm = " + Q(ncm));
}

bool ExisteDetalheItem(const std::string& codProdVlt, const std::string& ncm, const std::string& detalhe) {
    return Existe("SELECT *   FROM " + T::TabProdItem() + " A, " + T::TabNCMVlt() + " B  " +
                  " WHERE a.cd_mercadoria_ncm = b.vtncm_codigo " + "   AND a.vtncm_detalhe = b.vtncm_detalhe " +
                  "   AND a.cd_produto_xvm =  " + Q(codProdVlt) + "   AND a.cd_mercadoria_ncm = " + Q(ncm) +
                  "   AND a.vtncm_detalhe = " + Q(detalhe));
}

int QuantidadeProdutosEmpresa(const std::string& inscricao) {
    return static_cast<int>(Abrir(" SELECT COUNT(*) AS quantidade    FROM " + T::TabExpProduto() + " T1 " +
                                  "  WHERE T1.emp_inscvlt = " + Q(inscricao))
                                .Inteiro("quantidade"));
}

} // namespace SelAccessUsoGeral

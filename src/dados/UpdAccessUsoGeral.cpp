#include "dados/UpdAccessUsoGeral.h"

#include "comum/RotinasUteis.h"
#include "dados/PecasSQL.h"
#include "dados/clsTabACCESS.h"

namespace {
using T = clsTabACCESS;
constexpr auto Executar = &TAccessUpd::Executar;
} // namespace

namespace UpdAccessUsoGeral {

int AlteraEmpresa(const std::string& inscricao, const std::string& razao) {
    return Executar(" UPDATE " + T::TabEmpresa() + " T1 " + "    SET T1.emp_razao = " + Q(razao) +
                    "  WHERE T1.emp_inscvlt = " + Q(inscricao));
}

int AlteraUnidade(const std::string& codunid, const std::string& descunid) {
    return Executar(" UPDATE " + T::TabUnidades() + " T1 " + "    SET T1.descunid = " + Q(descunid) +
                    "  WHERE T1.codunid = " + Q(codunid));
}

int AlteraProduto(const std::string& inscricao, const std::string& codProd, const std::string& codunid,
                  const std::string& ncm, const std::string& codProdVlt, const std::string& tipoProdVlt,
                  const std::string& modelo, const std::string& centroCusto, const std::string& codModeloEmpresa) {
    return Executar(" UPDATE " + T::TabExpProduto() + "    SET codunid = " + Q(codunid) + " , " +
                    "        exp_codprodvlt = " + Q(codProdVlt) + " , " +
                    "        exp_tipoprodvlt = " + Q(tipoProdVlt) + " , " + "        exp_modprod  = " + Q(modelo) +
                    " , " + "        exp_ncmprod  = " + Q(ncm) + " , " + "        cus_codigo  = " + Q(centroCusto) +
                    " , " + "        mod_codemp  = " + Q(codModeloEmpresa) + " " +
                    "  WHERE emp_inscvlt = " + Q(inscricao) + "    AND exp_codprod = " + CodigoSemAspas(codProd));
}

int AlteraInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns,
                 const std::string& codunid, const std::string& tipoIns, const std::string& ncm,
                 const std::string& detalhe, const std::string& descricao, const std::string& especificacao,
                 const std::string& codInsEmpresa, double coeficiente) {
    const std::string nDetalhe = N(detalhe);
    const std::string nDescricao = N(descricao);
    const std::string nEspecificacao = N(especificacao);
    const std::string nCodInsEmpresa = N(codInsEmpresa);
    return Executar(
        "UPDATE  " + T::TabExpInsumo() + "   SET codunid = " + Q(codunid) + " , " +
        "       exp_tipoins = " + Q(tipoIns) + " , " + "       exp_ncmins = " + Q(ncm) + " , " +
        "       exp_detinsvlt = " + nDetalhe + " , " + "       exp_descins = " + nDescricao + " , " +
        "       exp_espetec = " + nEspecificacao + " , " + "       exp_coeftec = " + FloatParaSQL(coeficiente) + " , " +
        "       ins_codemp = " + nCodInsEmpresa + " WHERE emp_inscvlt = " + Q(inscricao) +
        "   AND exp_codprod = " + CodigoSemAspas(codProd) + "   AND exp_codins  = " + CodigoSemAspas(codIns));
}

} // namespace UpdAccessUsoGeral

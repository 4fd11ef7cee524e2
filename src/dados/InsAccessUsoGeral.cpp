#include "dados/InsAccessUsoGeral.h"

#include "comum/RotinasUteis.h"
#include "dados/PecasSQL.h"
#include "dados/clsTabACCESS.h"

namespace {
using T = clsTabACCESS;
constexpr auto Executar = &TAccessIns::Executar;
} // namespace

namespace InsAccessUsoGeral {

int InsereEmpresa(const std::string& inscricao, const std::string& razao) {
    return Executar(" INSERT INTO " + T::TabEmpresa() + " (emp_inscvlt, emp_razao) " + " VALUES ( " + Q(inscricao) +
                    " , " + Q(razao) + " ) ");
}

int InsereUnidade(const std::string& codunid, const std::string& descunid) {
    return Executar(" INSERT INTO " + T::TabUnidades() + " (codunid, descunid) " + " VALUES ( " + Q(codunid) + " , " +
                    Q(descunid) + " ) ");
}

int InsereProduto(const std::string& inscricao, const std::string& codProd, const std::string& codunid,
                  const std::string& ncm, const std::string& codProdVlt, const std::string& tipoProdVlt,
                  const std::string& modelo, const std::string& status, const std::string& centroCusto,
                  const std::string& codModeloEmpresa) {
    const std::string nStatus = N(status);
    return Executar(
        " INSERT INTO " + T::TabExpProduto() + " (emp_inscvlt, exp_codprod, codunid, exp_ncmprod, exp_codprodvlt, " +
        "  exp_tipoprodvlt, exp_modprod, exp_status, cus_codigo, mod_codemp) " + " VALUES ( " + Q(inscricao) + " , " +
        CodigoSemAspas(codProd) + " , " + Q(codunid) + " , " + Q(ncm) + " , " + Q(codProdVlt) + " , " + Q(tipoProdVlt) +
        " , " + Q(modelo) + " , " + nStatus + " , " + Q(centroCusto) + " , " + Q(codModeloEmpresa) + " ) ");
}

int InsereInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns,
                 const std::string& codunid, const std::string& tipoIns, const std::string& ncm,
                 const std::string& detalhe, const std::string& descricao, const std::string& especificacao,
                 const std::string& codInsEmpresa, double coeficiente) {
    const std::string nDetalhe = N(detalhe);
    const std::string nDescricao = N(descricao);
    const std::string nEspecificacao = N(especificacao);
    const std::string nCodInsEmpresa = N(codInsEmpresa);
    // The column list puts the coefficient before the item detail and the company's code
    // before the technical specification.
    return Executar(" INSERT INTO " + T::TabExpInsumo() +
                    " (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins, " +
                    "  exp_coeftec, exp_detinsvlt, exp_descins, ins_codemp, exp_espetec) " + " VALUES ( " +
                    Q(inscricao) + " , " + CodigoSemAspas(codProd) + " , " + CodigoSemAspas(codIns) + " , " +
                    Q(codunid) + " , " + Q(tipoIns) + " , " + Q(ncm) + " , " + FloatParaSQL(coeficiente) + " , " +
                    nDetalhe + " , " + nDescricao + " , " + nCodInsEmpresa + " , " + nEspecificacao + " ) ");
}

} // namespace InsAccessUsoGeral

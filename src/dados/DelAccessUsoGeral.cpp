#include "dados/DelAccessUsoGeral.h"

#include "dados/PecasSQL.h"
#include "dados/clsTabACCESS.h"

namespace {
using T = clsTabACCESS;
constexpr auto Executar = &TAccessDel::Executar;
} // namespace

namespace DelAccessUsoGeral {

int ExcluiEmpresa(const std::string& inscricao) {
    return Executar(" DELETE    FROM " + T::TabEmpresa() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao));
}

int ExcluiUnidade(const std::string& codunid) {
    return Executar(" DELETE    FROM " + T::TabUnidades() + " T1 " + "  WHERE T1.codunid = " + Q(codunid));
}

int ExcluiProduto(const std::string& inscricao, const std::string& codProd) {
    return Executar(" DELETE    FROM " + T::TabExpProduto() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                    "    AND T1.exp_codprod = " + CodigoSemAspas(codProd));
}

int ExcluiErrosProduto(const std::string& inscricao, const std::string& codProd) {
    return Executar(" DELETE    FROM " + T::TabErro() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                    "    AND T1.exp_codprod = " + CodigoSemAspas(codProd));
}

int ExcluiInsumosProduto(const std::string& inscricao, const std::string& codProd) {
    return Executar(" DELETE    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                    "    AND T1.exp_codprod = " + CodigoSemAspas(codProd));
}

int ExcluiInsumo(const std::string& inscricao, const std::string& codProd, const std::string& codIns) {
    return Executar(" DELETE    FROM " + T::TabExpInsumo() + " T1 " + "  WHERE T1.emp_inscvlt = " + Q(inscricao) +
                    "    AND T1.exp_codprod = " + CodigoSemAspas(codProd) +
                    "    AND T1.exp_codins = " + CodigoSemAspas(codIns));
}

} // namespace DelAccessUsoGeral

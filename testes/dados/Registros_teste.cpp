#include "comum/Erros.h"
#include "dados/clsLExInsumo.h"
#include "dados/clsLExProduto.h"
#include "dados/clsTabACCESS.h"

#include <gtest/gtest.h>

TEST(clsTabACCESS, NomesDasTabelas) {
    const std::pair<std::string, const char*> tabelas[] = {
        {clsTabACCESS::TabEmpresa(), "KX_EMPRESA"},
        {clsTabACCESS::TabProdutoXVM(), "T_PROXVM"},
        {clsTabACCESS::TabTipoProduto(), "PRJ_TIPO_PROD"},
        {clsTabACCESS::TabExpProduto(), "KX_EXPPRODUTO"},
        {clsTabACCESS::TabUnidades(), "KXUNIDADES"},
        {clsTabACCESS::TabLote(), "KX_LOTE"},
        {clsTabACCESS::TabErro(), "KX_ERRO"},
        {clsTabACCESS::TabInsumo(), "KX_INSUMO"},
        {clsTabACCESS::TabProduto(), "KX_PRODUTO"},
        {clsTabACCESS::TabPorto(), "KX_PORTO"},
        {clsTabACCESS::TabPais(), "KX_PAIS"},
        {clsTabACCESS::TabExpInsumo(), "KX_EXPINSUMO"},
        {clsTabACCESS::TabMoeda(), "KX_MOEDA"},
        {clsTabACCESS::TabNCM(), "PRJ_NCM"},
        {clsTabACCESS::TabProdItem(), "PROD_ITEM"},
        {clsTabACCESS::TabNCMVlt(), "VLT_NCM"},
        {clsTabACCESS::TabNCMProdVlt(), "PRJ_NCM_PROD_VLT"},
    };
    for (const auto& [nome, esperado] : tabelas) {
        EXPECT_EQ(nome, esperado);
    }
}

TEST(TClsLExProduto, CodigoComoTextoEModeloAparado) {
    TClsLExProduto produto;
    EXPECT_EQ(produto.exp_codprod(), "0");
    EXPECT_EQ(produto.exp_modprod(), "");

    produto.Set_exp_codprod("007");
    EXPECT_EQ(produto.exp_codprod(), "7");
    produto.Set_exp_codprod(-12);
    EXPECT_EQ(produto.exp_codprod(), "-12");
    produto.Set_exp_codprod(std::string("+42"));
    EXPECT_EQ(produto.exp_codprod(), "42");

    produto.Set_exp_modprod("  MODELO X-1 \t");
    EXPECT_EQ(produto.exp_modprod(), "MODELO X-1");
}

TEST(TClsLExProduto, CodigoInvalidoNaoMudaOCampo) {
    TClsLExProduto produto;
    produto.Set_exp_codprod(5);
    for (const char* ruim : {"", "7a", " 7", "1,5", "99999999999"}) {
        EXPECT_THROW(produto.Set_exp_codprod(ruim), ErroConversao) << ruim;
        EXPECT_EQ(produto.exp_codprod(), "5");
    }
}

TEST(TclsLExInsumo, Codigos) {
    TclsLExInsumo insumo;
    EXPECT_EQ(insumo.exp_codprod(), "0");
    EXPECT_EQ(insumo.exp_codins(), "0");
    insumo.Set_exp_codprod("0012");
    insumo.Set_exp_codins(3);
    EXPECT_EQ(insumo.exp_codprod(), "12");
    EXPECT_EQ(insumo.exp_codins(), "3");
    insumo.Set_exp_codins("045");
    EXPECT_EQ(insumo.exp_codins(), "45");

    EXPECT_THROW(insumo.Set_exp_codprod(""), ErroConversao);
    EXPECT_THROW(insumo.Set_exp_codins("4,5"), ErroConversao);
    EXPECT_EQ(insumo.exp_codprod(), "12");
    EXPECT_EQ(insumo.exp_codins(), "45");
}

TEST(TclsLExInsumo, TipoDoInsumo) {
    struct Caso {
        const char* codigo;
        TTipoInsumo tipo;
        const char* descricao;
    };
    const Caso casos[] = {
        {"P", tiPadrao, "Padrao"},     {"E", tiEstrangeiro, "Estrangeiro"},
        {"N", tiNacional, "Nacional"}, {"R", tiRegional, "Regional"},
        {"p", tiIndefinido, ""},       {"", tiIndefinido, ""},
        {"PE", tiIndefinido, ""},      {"X", tiIndefinido, ""},
    };
    TclsLExInsumo insumo;
    for (const auto& c : casos) {
        insumo.Set_exp_tipoins(c.codigo);
        EXPECT_EQ(insumo.exp_tipoins(), c.codigo);
        EXPECT_EQ(insumo.TipoInsumo(), c.tipo) << c.codigo;
        EXPECT_EQ(insumo.DescricaoTipo(), c.descricao) << c.codigo;
        if (c.tipo != tiIndefinido) {
            insumo.Set_exp_tipoins("");
            insumo.DefineTipoInsumo(c.tipo);
            EXPECT_EQ(insumo.exp_tipoins(), c.codigo);
        }
    }
    insumo.Set_exp_tipoins("N");
    insumo.DefineTipoInsumo(tiIndefinido);
    EXPECT_EQ(insumo.exp_tipoins(), "N");
    insumo.DefineTipoInsumo(static_cast<TTipoInsumo>(9));
    EXPECT_EQ(insumo.exp_tipoins(), "N");
}

TEST(TclsLExInsumo, CoeficienteDeTextoEParaTexto) {
    struct Caso {
        const char* entrada;
        double valor;
        const char* formatado;
        const char* texto;
    };
    const Caso casos[] = {
        {"1.234,50", 1234.5, "1.234,50", "1234,5"},
        {"1234,56", 1234.56, "1.234,56", "1234,56"},
        {"1.234,56", 1234.56, "1.234,56", "1234,56"},
        {"0,0000001", 1e-7, "0,00", "1E-7"},
        {"1.5", 15, "15,00", "15"},
        {"0,005", 0.005, "0,01", "0,005"},
        {"1.234.567,891", 1234567.891, "1.234.567,89", "1234567,891"},
    };
    for (const auto& c : casos) {
        TclsLExInsumo insumo;
        insumo.Set_exp_coeftec(c.entrada);
        EXPECT_DOUBLE_EQ(insumo.exp_coeftec(), c.valor) << c.entrada;
        EXPECT_EQ(insumo.CoefTecFormatado(), c.formatado) << c.entrada;
        EXPECT_EQ(insumo.CoefTecTexto(), c.texto) << c.entrada;

        // Copying through the text form gives back the same number.
        TclsLExInsumo copia;
        copia.Set_exp_coeftec(insumo.CoefTecTexto());
        EXPECT_EQ(copia.exp_coeftec(), insumo.exp_coeftec()) << c.entrada;
    }
}

TEST(TclsLExInsumo, CoeficienteInvalidoNaoMudaOCampo) {
    TclsLExInsumo insumo;
    insumo.Set_exp_coeftec("2,5");
    for (const char* ruim : {"", "abc", "1,2,3", "2,5 kg"}) {
        EXPECT_THROW(insumo.Set_exp_coeftec(ruim), ErroConversao) << ruim;
        EXPECT_EQ(insumo.exp_coeftec(), 2.5);
    }
}

TEST(TclsLExInsumo, TextosAparados) {
    TclsLExInsumo insumo;
    insumo.Set_exp_descins("  PARAFUSO M6  ");
    insumo.Set_exp_espetec("\r\n Aço inox 304\r\nRosca métrica \r\n");
    insumo.Set_ins_codemp(" PN-01 ");
    EXPECT_EQ(insumo.exp_descins(), "PARAFUSO M6");
    EXPECT_EQ(insumo.exp_espetec(), "Aço inox 304\r\nRosca métrica");
    EXPECT_EQ(insumo.ins_codemp(), " PN-01 "); // other texts pass unchanged
}

namespace {

// As the own-structure import record does, a subclass fills the agency product code.
class InsumoImportado : public TclsLExInsumo {
public:
    explicit InsumoImportado(std::string codprodvlt) { Fexp_codprodvlt = std::move(codprodvlt); }
};

} // namespace

TEST(TclsLExInsumo, SubclassePreencheOCodigoDoProdutoDaAgencia) {
    InsumoImportado importado("1234");
    const TclsLExInsumo& insumo = importado;
    EXPECT_EQ(insumo.exp_codprodvlt(), "1234");
    EXPECT_EQ(TclsLExInsumo().exp_codprodvlt(), "");
}

#include "dados/CompPesqReg.h"

#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "dados/SQLListas.h"

#include <gtest/gtest.h>

namespace {

using Textos = std::vector<std::string>;

TCompPesquisa Definicao(int tipo, std::string tabela) {
    auto comp = DefinicaoPesquisa(tipo);
    EXPECT_TRUE(comp.has_value()) << tipo;
    comp->Tabela = std::move(tabela);
    return *comp;
}

TEST(MontarSQL, PadraoPorTipoDeBuscaEColunaPelaEntradaDoSeletor) {
    struct Caso {
        int tipo;
        std::string tabela;
        int entrada;
        enumTipoBusca busca;
        std::string texto;
        std::string esperado;
    };
    const Caso casos[] = {
        {4, "KXUNIDADES", 1, enumTipoBusca::tbInicioCampo, "KG",
         " SELECT  CODUNID, DESCUNID FROM KXUNIDADES WHERE DESCUNID LIKE 'KG%'"},
        {4, "KXUNIDADES", 0, enumTipoBusca::tbFinalCampo, "  1 \t",
         " SELECT  CODUNID, DESCUNID FROM KXUNIDADES WHERE CODUNID LIKE '%1'"},
        {0, "KX_EMPRESA", 0, enumTipoBusca::tbQualquerParte, "D'ÁGUA",
         " SELECT  EMP_RAZAO, EMP_INSCVLT FROM KX_EMPRESA WHERE EMP_RAZAO LIKE '%D''ÁGUA%'"},
        {0, "KX_EMPRESA", 1, enumTipoBusca::tbInicioCampo, "%",
         " SELECT  EMP_RAZAO, EMP_INSCVLT FROM KX_EMPRESA WHERE EMP_INSCVLT LIKE '%%'"},
        // The chooser's second entry of kind 9 is "Descrição": the second searchable
        // field, not the second field.
        {9, "(X)", 1, enumTipoBusca::tbInicioCampo, "TV",
         " SELECT  EXP_CODPROD, EXP_CODPRODVLT, EXP_NCMPROD, NM_PRODUTO_XVM, PRDT_DESCTIPO, EXP_MODPROD, "
         "EXP_TIPOPRODVLT, CODUNID FROM (X) WHERE NM_PRODUTO_XVM LIKE 'TV%'"},
        {6, "( SELECT 1 )", 1, enumTipoBusca::tbFinalCampo, "AÇO",
         " SELECT  NCM_CODIGO, NCM_DESCRICAO, NPS_CODTIPO, UNI_CODIGO FROM ( SELECT 1 ) WHERE NCM_DESCRICAO LIKE "
         "'%AÇO'"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(MontarSQL(Definicao(c.tipo, c.tabela), c.entrada, c.busca, c.texto), c.esperado) << c.texto;
    }
    // Entries past the searchable fields name no column.
    for (int entrada : {-1, 2}) {
        EXPECT_THROW(MontarSQL(Definicao(6, "T"), entrada, enumTipoBusca::tbInicioCampo, "X"), ErroGeral) << entrada;
    }
}

TEST(DefinicaoPesquisa, OQueCadaTipoOfereceAoSeletorEDevolve) {
    struct Caso {
        int tipo;
        std::string titulo;
        Textos seletor;
        Textos retorno;
    };
    const Caso casos[] = {
        {0, "Empresa", {"Razão Social", "Insc. Vlt."}, {"EMP_RAZAO", "EMP_INSCVLT"}},
        {4, "Unidade", {"Código Unidade", "Desc. Unidade"}, {"CODUNID", "DESCUNID"}},
        {5, "Produtos", {"Código Produto", "Desc. Produto"}, {"CD_PRODUTO_XVM", "NM_PRODUTO_XVM"}},
        {6, "Insumos", {"Cód. NCM", "NCM Descrição"}, {"NCM_CODIGO", "NCM_DESCRICAO", "UNI_CODIGO"}},
        {7, "Insumos", {"Cód. NCM", "NCM Descrição"}, {"NCM_CODIGO", "NCM_DESCRICAO", "UNI_CODIGO"}},
        {8, "Insumos", {"Cód. NCM", "NCM Descrição"}, {"NCM_CODIGO", "NCM_DESCRICAO", "UNI_CODIGO"}},
        {9,
         "Insumos",
         {"Cód. Prod. KORVEX", "Descrição", "Tipo", "Modelo"},
         {"EXP_CODPROD", "EXP_CODPRODVLT", "EXP_NCMPROD", "NM_PRODUTO_XVM", "PRDT_DESCTIPO", "EXP_MODPROD",
          "EXP_TIPOPRODVLT", "CODUNID"}},
        {12, "Insumos", {"Lote Número"}, {"LOT_NUMERO"}},
    };
    for (const auto& c : casos) {
        auto comp = DefinicaoPesquisa(c.tipo);
        ASSERT_TRUE(comp.has_value()) << c.tipo;
        EXPECT_EQ(comp->Titulo, c.titulo);
        EXPECT_EQ(comp->Tabela, "");
        Textos seletor, retorno;
        for (const auto& campo : comp->Campos) {
            if (campo.bClasula) {
                seletor.push_back(campo.Legenda);
            }
            if (campo.bRetorno) {
                retorno.push_back(campo.NomeCampo);
            }
        }
        EXPECT_EQ(seletor, c.seletor) << c.tipo;
        EXPECT_EQ(retorno, c.retorno) << c.tipo;
    }
    for (int tipo : {-1, 13, 255}) {
        EXPECT_FALSE(DefinicaoPesquisa(tipo).has_value()) << tipo;
    }
}

TEST(DefinicaoPesquisa, CadaAberturaParteDaDefinicaoGuardada) {
    auto primeira = DefinicaoPesquisa(4);
    primeira->Tabela = "KXUNIDADES";
    primeira->LerSelecao({"2", "QUILOGRAMA"});
    auto segunda = DefinicaoPesquisa(4);
    EXPECT_EQ(segunda->Tabela, "");
    EXPECT_EQ(segunda->Campos[0].Valor, "");
}

TEST(LerSelecao, ValoresDaLinhaEORetornoDoChamador) {
    // Kind 8: the unit's column is hidden (width 0) but still comes back.
    auto comp = Definicao(8, "PRJ_NCM");
    EXPECT_EQ(comp.Campos[2].Comprimento, 0);
    EXPECT_EQ(comp.LerSelecao({"85423190", "OUTROS CIRCUITOS", "1"}), "85423190");
    TListaNomeValor retorno({"OUTRO=x", "uni_codigo=9"});
    comp.GravarRetorno(retorno);
    EXPECT_EQ(retorno.Linhas(),
              (Textos{"OUTRO=x", "UNI_CODIGO=1", "NCM_CODIGO=85423190", "NCM_DESCRICAO=OUTROS CIRCUITOS"}));

    // An empty returned value leaves no line of its name; a short row reads as empty.
    EXPECT_EQ(comp.LerSelecao({"", "SEM CÓDIGO"}), "");
    comp.GravarRetorno(retorno);
    EXPECT_EQ(retorno.Linhas(), (Textos{"OUTRO=x", "NCM_DESCRICAO=SEM CÓDIGO"}));
}

TEST(TabelaPesquisa, TabelasESubconsultasSoNasEntradasCertas) {
    EXPECT_EQ(TabelaPesquisa(0), "KX_EMPRESA");
    EXPECT_EQ(TabelaPesquisa(4), "KXUNIDADES");
    EXPECT_EQ(TabelaPesquisa(5), "(" + SQLProdutosXVM() + ")");
    EXPECT_EQ(TabelaPesquisa(8), "PRJ_NCM");
    for (int tipo : {-1, 6, 7, 9, 12, 13}) {
        EXPECT_EQ(TabelaPesquisa(tipo), "") << tipo;
    }

    // Parameters are read by name without regard to case; a missing one is empty.
    const TListaNomeValor parametros(
        {"codprdvlt=0401", "TIPOPRDVLT=001", "InscVlt=200123456", "LotNumero=L'1", "CodPrd=3"});
    EXPECT_EQ(TabelaPesquisaComParametros(6, parametros), "(" + SQLNCMsProduto("0401", "001") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(7, parametros), "(" + SQLNCMsItem("0401") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(9, parametros), "(" + SQLProdutosForaLote("200123456", "L'1") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(10, parametros),
              "(" + SQLInsumosNacRegForaLote("200123456", "L'1", "3") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(11, parametros),
              "(" + SQLInsumosEstPadForaLote("200123456", "L'1", "3") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(12, parametros), "(" + SQLLotesKit("200123456") + ")");
    EXPECT_EQ(TabelaPesquisaComParametros(6, {}), "(" + SQLNCMsProduto("", "") + ")");
    for (int tipo : {-1, 0, 4, 5, 8, 13}) {
        EXPECT_EQ(TabelaPesquisaComParametros(tipo, parametros), "") << tipo;
    }
    // The product code goes into the statement bare: anything but a number is refused.
    EXPECT_THROW(TabelaPesquisaComParametros(10, TListaNomeValor({"CodPrd=1 OR 1=1"})), ErroBanco);
}

class PesquisaNoBanco : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente_.Conectar(conexao_);
        conexao_.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('5', 'PEÇA')");
        conexao_.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('13', 'peças')");
        conexao_.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('14', 'D''ÁGUA')");
        conexao_.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('15', null)");
        gerador_.DefineConexao(&conexao_);
    }
    void TearDown() override { gerador_.DefineConexao(nullptr); }

    std::vector<Textos> Buscar(int entrada, enumTipoBusca busca, const std::string& texto) {
        auto comp = Definicao(4, TabelaPesquisa(4));
        return TPesquisaGerador::Executar(MontarSQL(comp, entrada, busca, texto), comp.Campos.Quantidade());
    }

    AmbienteTeste ambiente_;
    TConexao conexao_;
    TPesquisaGerador gerador_;
};

TEST_F(PesquisaNoBanco, LinhasComoTextoLetrasDobradasEAspas) {
    using E = enumTipoBusca;
    EXPECT_EQ(Buscar(1, E::tbInicioCampo, "%").size(), 3u); // every row whose column is not null
    EXPECT_EQ(Buscar(1, E::tbInicioCampo, "PEÇ"), (std::vector<Textos>{{"5", "PEÇA"}, {"13", "peças"}}));
    EXPECT_EQ(Buscar(1, E::tbFinalCampo, "ÇA"), (std::vector<Textos>{{"5", "PEÇA"}}));
    EXPECT_EQ(Buscar(1, E::tbQualquerParte, "'Á"), (std::vector<Textos>{{"14", "D'ÁGUA"}}));
    EXPECT_EQ(Buscar(0, E::tbInicioCampo, "15"), (std::vector<Textos>{{"15", ""}}));
    EXPECT_TRUE(Buscar(1, E::tbInicioCampo, "NADA").empty());
    // The query stays open after a search, holding its statement.
    EXPECT_TRUE(TPesquisaGerador::Consulta()->Ativa());
    EXPECT_EQ(TPesquisaGerador::Consulta()->SQL(),
              " SELECT  CODUNID, DESCUNID FROM KXUNIDADES WHERE DESCUNID LIKE 'NADA%'");
}

// Every definition's columns exist in its source: each kind's search runs, searching
// each of its chooser entries.
TEST_F(PesquisaNoBanco, CadaTipoRodaComAsColunasDaSuaFonte) {
    const TListaNomeValor parametros(
        {"CodPrdVlt=0401", "TipoPrdVlt=001", "InscVlt=200123456", "LotNumero=1", "CodPrd=1"});
    for (int tipo = 0; tipo <= 12; ++tipo) {
        std::string tabela = TabelaPesquisa(tipo);
        if (tabela.empty()) {
            tabela = TabelaPesquisaComParametros(tipo, parametros);
        }
        auto comp = Definicao(tipo, tabela);
        for (int entrada = 0; comp.Campos.CampoDaEntrada(entrada); ++entrada) {
            EXPECT_NO_THROW(TPesquisaGerador::Executar(MontarSQL(comp, entrada, enumTipoBusca::tbInicioCampo, "%"),
                                                       comp.Campos.Quantidade()))
                << tipo << " " << entrada;
        }
    }
}

TEST_F(PesquisaNoBanco, ErroDoBancoPassaAoChamador) {
    auto comp = Definicao(1, "KX_NAO_EXISTE");
    EXPECT_THROW(TPesquisaGerador::Executar(MontarSQL(comp, 0, enumTipoBusca::tbInicioCampo, "1"), 2), ErroBanco);
}

} // namespace

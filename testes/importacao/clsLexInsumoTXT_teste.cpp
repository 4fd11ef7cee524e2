#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "comum/Cp1252.h"
#include "dados/BancoDados.h"
#include "dados/InfoGerais.h"
#include "importacao/clsLexInsumoTXT.h"

#include <gtest/gtest.h>

namespace {

class InsumoTXTTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        CriarInfoGerais(&conexao);
        PreencherDadosImportacao(conexao);
    }

    // Reads the line into the record, for product 1 (agency code "0401").
    TclsInfoInsumoTXT& Ler(const std::string& linha) {
        insumo.LerLinha(linha, kInscricaoTeste, "0401", kProdutoComInsumos);
        return insumo;
    }

    AmbienteTeste ambiente;
    TConexao conexao;
    TclsInfoInsumoTXT insumo;
};

TEST_F(InsumoTXTTeste, LerLinhaTomaOsCamposDasPosicoes) {
    Ler(MontarLinha({"E", "39269090", "0009", "  Tampa traseira de injeção ", "000012345678901", "10", " PN-001/A ",
                     "  Polímero ABS, 2 mm  "}));
    EXPECT_EQ(insumo.emp_inscvlt(), kInscricaoTeste);
    EXPECT_EQ(insumo.exp_codprodvlt(), "0401");
    EXPECT_EQ(insumo.exp_codprod(), "1");
    EXPECT_EQ(insumo.exp_codins(), "8") << "the product's highest code is 7";
    EXPECT_EQ(insumo.exp_tipoins(), "E");
    EXPECT_EQ(insumo.exp_ncmins(), "39269090");
    EXPECT_EQ(insumo.exp_detinsvlt(), "0009");
    EXPECT_EQ(insumo.exp_descins(), "Tampa traseira de injeção");
    EXPECT_DOUBLE_EQ(insumo.exp_coeftec(), 123.45678901);
    EXPECT_EQ(insumo.codunid(), "10");
    EXPECT_EQ(insumo.ins_codemp(), "PN-001/A");
    EXPECT_EQ(insumo.exp_espetec(), "Polímero ABS, 2 mm");

    // A product without inputs starts at code 1.
    insumo.LerLinha(MontarLinha({"N", "73181500"}), kInscricaoTeste, "0402", kProdutoVazio);
    EXPECT_EQ(insumo.exp_codins(), "1");
    EXPECT_EQ(insumo.exp_codprodvlt(), "0402");

    // An empty line gives empty fields, nothing refused yet.
    Ler("");
    EXPECT_EQ(insumo.exp_tipoins(), "");
    EXPECT_EQ(insumo.exp_descins(), "");
    EXPECT_EQ(insumo.exp_coeftec(), 0.0);
}

TEST_F(InsumoTXTTeste, DescricaoDoPadraoVemDaTabelaDaAgencia) {
    Ler(MontarLinha({"P", "85299020", "0001", "Descrição escrita no arquivo", "000000100000000", "1", "", "Espec"}));
    EXPECT_EQ(insumo.exp_descins(), "Painel de cristal líquido");
    Ler(MontarLinha({"P", "85299020", "0009", "Descrição escrita no arquivo"}));
    EXPECT_EQ(insumo.exp_descins(), "") << "no such item detail";
    // Lower case is not the standard type: its description is the file's.
    Ler(MontarLinha({"p", "85299020", "0001", "Do arquivo"}));
    EXPECT_EQ(insumo.exp_descins(), "Do arquivo");
}

TEST_F(InsumoTXTTeste, CoeficienteDePontoFixo) {
    // The line ends right after the field's characters, so short fields are cut fields.
    const std::string inicio = MontarLinha({"E", "39269090"}).substr(0, 267);
    const std::pair<std::string, double> casos[] = {
        {"000000150000000", 1.5},
        {"000012345678901", 123.45678901},
        {"999999999999999", 9999999.99999999},
        {"000000000000001", 0.00000001},
        {"1500", 1500},
        {"+00000150000000", 1.5},
        {"-00000150000000", -1.5},
        {"000000000000000", 0},
        {"0000001 0000000", 0},
        {"   000150000000", 0},
        {"00000,150000000", 0},
        {"0000001A0000000", 0},
        {"-", 0},
        {"", 0},
    };
    for (const auto& [campo, valor] : casos) {
        Ler(inicio + campo);
        EXPECT_DOUBLE_EQ(insumo.exp_coeftec(), valor) << "[" << campo << "]";
    }
}

TEST_F(InsumoTXTTeste, NadaDepoisDaPosicao4037) {
    const std::string espec(3723 - 1, 'e');
    const std::string cheia = MontarLinha({"E", "39269090", "", "Tampa", "000000100000000", "1", "", espec + "f"});
    ASSERT_EQ(cheia.size(), 4037u);
    Ler(cheia);
    const std::string lida = insumo.exp_espetec();
    EXPECT_EQ(lida, espec + "f");
    Ler(cheia + "GHIJ   KLM");
    EXPECT_EQ(insumo.exp_espetec(), lida);
    // Windows-1252 bytes become their characters; a field cut by the line's end is what
    // the line holds of it.
    Ler(MontarLinha({"E", "39269090", "", "Tampa"}) + Utf8ParaCp1252("Aço ção \"%\\' €"));
    EXPECT_EQ(insumo.exp_espetec(), "Aço ção \"%\\' €");
    Ler(MontarLinha({"E", "39269090", "", "Tampa"}).substr(0, 20));
    EXPECT_EQ(insumo.exp_descins(), "Tampa");
    EXPECT_EQ(insumo.codunid(), "");
}

TEST_F(InsumoTXTTeste, ValidarNaOrdemComAsMensagens) {
    const std::string doTipo = "referente ao Insumo do Tipo ";
    struct Caso {
        const char* nome;
        LinhaEstruturaPropria linha;
        std::string mensagem;               // empty: valid
        size_t tamanho = std::string::npos; // the line cut to this length
    };
    const Caso casos[] = {
        {"valid P", {"P", "85299020", "0002", "", "000000100000000", "1", "", "Placa 4 camadas"}, ""},
        {"valid E", {"E", "39269090", "", "Tampa", "000000100000000", "2", "X1", "ABS"}, ""},
        {"valid N, line ending before the technical specification",
         {"N", "73181500", "", "Parafuso", "000000100000000", "1"},
         ""},
        {"valid R", {"R", "73181500", "", "Porca", "000000100000000", "1", "", "Aço"}, ""},
        {"blank type", {" ", "39269090", "", "Tampa"}, "Erro no Tipo do Insumo! Tipo do Insumo [] não existe."},
        {"empty line", {}, "Erro no Tipo do Insumo! Tipo do Insumo [] não existe.", 0},
        {"lower case", {"p", "85299020", "0001"}, "Erro no Tipo do Insumo! Tipo do Insumo [p] não existe."},
        {"other letter", {"X"}, "Erro no Tipo do Insumo! Tipo do Insumo [X] não existe."},
        {"P, NCM not an item of the product",
         {"P", "73181500", "0001"},
         "Erro na NCM! NCM [73181500] vinculada ao Produto Vlt. [0401] não encontrada em PRJ_NCM.\rFavor providenciar "
         "atualização da tabela PRJ_NCM, ou corrigir o campo NCM_CODIGO no cadastro de insumos."},
        {"E, unknown NCM (before the empty description)",
         {"E", "11111111"},
         "Erro na NCM! NCM [11111111] não encontrada em PRJ_NCM.\rFavor providenciar atualização da tabela PRJ_NCM, "
         "ou corrigir o campo NCM_CODIGO no cadastro de insumos."},
        {"P, unknown item detail",
         {"P", "85299020", "0003", "", "000000100000000", "1", "", "Espec"},
         "Erro no Item! Item [0003] vinculado ao Produto Vlt. [0401] e NCM [85299020] não encontrada em "
         "PROD_ITEM.\rFavor providenciar atualização da tabela PROD_ITEM, ou corrigir o campo VTNCM_DETALHE no "
         "cadastro de insumos."},
        {"N, empty description",
         {"N", "73181500", "", "   "},
         "Erro na Descrição! Descrição " + doTipo + "[Nacional] e NCM [73181500] encontra-se VAZIA"},
        {"E, zero coefficient",
         {"E", "39269090", "", "Tampa", "000000000000000"},
         "Erro no Coeficiente Técnico! Coeficiente Técnico " + doTipo +
             "[Estrangeiro] e NCM [39269090] encontra-se "
             "VAZIO"},
        {"R, coefficient with a blank",
         {"R", "39269090", "", "Tampa", "0000001 0000000"},
         "Erro no Coeficiente Técnico! Coeficiente Técnico " + doTipo +
             "[Regional] e NCM [39269090] encontra-se VAZIO"},
        {"P, negative coefficient",
         {"P", "85299020", "0001", "", "-00000150000000"},
         "Erro no Coeficiente Técnico! Coeficiente Técnico " + doTipo +
             "[Padrao] e NCM [85299020] encontra-se "
             "NEGATIVO"},
        {"E, unknown unit",
         {"E", "39269090", "", "Tampa", "000000100000000", "99"},
         "Erro na Unidade! Unidade [99] " + doTipo +
             "[Estrangeiro] e NCM [39269090] não encontrada em "
             "KX_UNIDADES.\rFavor providenciar atualização da tabela KX_UNIDADES, ou corrigir o campo CODUNID no "
             "cadastro "
             "de produtos."},
        {"E, line shorter than 315",
         {"E", "39269090", "", "Tampa", "000000100000000", "1", "PN"},
         "Erro na Especificacao Técnica! Especificacao Técnica " + doTipo +
             "[Estrangeiro] e NCM [39269090] "
             "encontra-se VAZIA",
         300},
        {"P, blank specification",
         {"P", "85299020", "0001", "", "000000100000000", "1", "", "    "},
         "Erro na Especificacao Técnica! Especificacao Técnica " + doTipo +
             "[Padrao] e NCM [85299020] encontra-se "
             "VAZIA"},
        {"N, same as the input already listed (case and spaces aside)",
         {"N", "73181500", "", "PARAFUSO m3  ", "000000100000000", "2", "", " aço INOX"},
         "Erro no Insumo! Insumo do Tipo [Nacional] e NCM [73181500] JA cadastrado"},
    };
    for (const auto& caso : casos) {
        std::string linha = MontarLinha(caso.linha);
        linha.resize(std::min(linha.size(), caso.tamanho));
        Ler(linha);
        EXPECT_EQ(insumo.Validar(), caso.mensagem.empty()) << caso.nome;
        EXPECT_EQ(insumo.MensagemErro(), caso.mensagem) << caso.nome;
    }
}

TEST_F(InsumoTXTTeste, DetalheDeInsumoNaoPadraoEhDescartado) {
    Ler(MontarLinha({"N", "73181500", "0001", "Arruela", "000000100000000", "1"}));
    ASSERT_TRUE(insumo.Validar()) << insumo.MensagemErro();
    EXPECT_EQ(insumo.exp_detinsvlt(), "");
    insumo.Gravar();
    const auto linhas = InsumosDoProduto(conexao, kProdutoComInsumos);
    ASSERT_EQ(linhas.size(), 2u);
    // Columns: registration, product, code, unit, type, NCM, detail, description,
    // specification, coefficient, status, company code.
    EXPECT_EQ(linhas[1], kInscricaoTeste + "|1|8|1|N|73181500|<nulo>|Arruela|<nulo>|1|<nulo>|<nulo>|");
}

TEST_F(InsumoTXTTeste, DuplicadosSemDistinguirMaiusculas) {
    struct Caso {
        const char* nome;
        LinhaEstruturaPropria primeiro;
        LinhaEstruturaPropria segundo;
        bool duplicado;
    };
    const LinhaEstruturaPropria tampa{"E", "39269090", "", "Tampa de ação", "000000100000000", "1", "", "ABS preto"};
    auto com = [](LinhaEstruturaPropria l, auto mudar) {
        mudar(l);
        return l;
    };
    const Caso casos[] = {
        {"identical E", tampa, tampa, true},
        {"E description in other case", tampa,
         com(tampa,
             [](auto& l) {
                 l.descricao = "TAMPA DE AÇÃO";
                 l.especificacao = "abs PRETO";
             }),
         true},
        {"E other specification", tampa, com(tampa, [](auto& l) { l.especificacao = "ABS branco"; }), false},
        {"E other NCM", tampa, com(tampa, [](auto& l) { l.ncm = "73181500"; }), false},
        {"same as E but national", tampa, com(tampa, [](auto& l) { l.tipo = "N"; }), false},
        {"R without specification matches any specification", com(tampa, [](auto& l) { l.tipo = "R"; }),
         com(tampa,
             [](auto& l) {
                 l.tipo = "R";
                 l.especificacao = "";
             }),
         true},
        {"P same detail, specification in other case",
         {"P", "85299020", "0001", "", "000000100000000", "1", "", "Tela 32 polegadas"},
         {"P", "85299020", "0001", "", "000000200000000", "2", "", "TELA 32 POLEGADAS"},
         true},
        {"P other detail",
         {"P", "85299020", "0001", "", "000000100000000", "1", "", "Tela 32"},
         {"P", "85299020", "0002", "", "000000100000000", "1", "", "Tela 32"},
         false},
    };
    for (const auto& caso : casos) {
        conexao.IniciarTransacao();
        Ler(MontarLinha(caso.primeiro));
        ASSERT_TRUE(insumo.Validar()) << caso.nome << ": " << insumo.MensagemErro();
        insumo.Gravar();
        Ler(MontarLinha(caso.segundo));
        EXPECT_EQ(!insumo.Validar(), caso.duplicado) << caso.nome << ": " << insumo.MensagemErro();
        conexao.DesfazerTransacao();
    }
}

} // namespace

#include "comum/CaixasRoteiro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

TEST(CaixasRoteiro, RegistraEmOrdemERespondeDoRoteiro) {
    CaixasRoteiro caixas;
    caixas.Responder(kBotaoSim);
    caixas.Responder(kBotaoNao);

    EXPECT_EQ(CaixaErro("Erro", "Campo obrigatório"), kBotaoOK);
    EXPECT_EQ(CaixaConfirmacao("Aviso", "Deseja excluir?"), kBotaoSim);
    EXPECT_EQ(CaixaInformacao("Informação", "Operação realizada com sucesso!"), kBotaoOK);
    EXPECT_EQ(CaixaPergunta("Importar", "Confirma?"), kBotaoNao);
    EXPECT_EQ(CaixaPergunta("Sair", "Deseja sair?"), kBotaoNao); // script used up: default
    caixas.DefinirRespostaPadrao(kBotaoSim);
    EXPECT_EQ(CaixaConfirmacao("Aviso", "De novo?"), kBotaoSim);
    EXPECT_EQ(CaixaAviso("Aviso", "Selecione um item"), kBotaoOK);
    EXPECT_EQ(MensagemSimples("Olá"), kBotaoOK);

    const std::vector<CaixaMostrada> esperadas = {
        {TipoCaixa::Erro, "Erro", "Campo obrigatório"},
        {TipoCaixa::Confirmacao, "Aviso", "Deseja excluir?"},
        {TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"},
        {TipoCaixa::Pergunta, "Importar", "Confirma?"},
        {TipoCaixa::Pergunta, "Sair", "Deseja sair?"},
        {TipoCaixa::Confirmacao, "Aviso", "De novo?"},
        {TipoCaixa::Aviso, "Aviso", "Selecione um item"},
        {TipoCaixa::Simples, "", "Olá"},
    };
    EXPECT_EQ(caixas.Mostradas(), esperadas);
    EXPECT_EQ(caixas.Ultima().texto, "Olá");
    EXPECT_EQ(caixas.RespostasPendentes(), 0u);
    caixas.Limpar();
    EXPECT_TRUE(caixas.Mostradas().empty());
    EXPECT_THROW(caixas.Ultima(), std::logic_error);
}

TEST(CaixasRoteiro, RecusaRespostaQueUmaCaixaSimNaoNaoDa) {
    CaixasRoteiro caixas;
    EXPECT_THROW(caixas.Responder(kBotaoOK), std::invalid_argument);
    EXPECT_THROW(caixas.DefinirRespostaPadrao(2), std::invalid_argument);
}

TEST(CaixasRoteiro, InstalaEDevolveAAnterior) {
    ICaixasMensagem* antes = CaixasMensagemAtual();
    {
        CaixasRoteiro externo;
        {
            CaixasRoteiro interno;
            EXPECT_EQ(CaixasMensagemAtual(), &interno);
            CaixaAviso("Aviso", "para o interno");
        }
        EXPECT_EQ(CaixasMensagemAtual(), &externo);
        EXPECT_TRUE(externo.Mostradas().empty());
    }
    EXPECT_EQ(CaixasMensagemAtual(), antes);
}

TEST(CaixasRoteiro, PastaRoteirizadaOuCancelada) {
    CaixasRoteiro caixas;
    const std::string existente = std::filesystem::temp_directory_path().string();

    // Not scripted: cancelled, the folder text stays.
    std::string pasta = existente;
    EXPECT_FALSE(EscolherPasta("Selecionar Pasta", "", pasta));
    EXPECT_EQ(pasta, existente);

    // A folder text naming no folder is cleared before the chooser sees it.
    caixas.ResponderPasta("/saida/LE");
    pasta = existente + "/korvex-nao-existe";
    EXPECT_TRUE(EscolherPasta("Selecionar Pasta", "/raiz", pasta));
    EXPECT_EQ(pasta, "/saida/LE");

    const std::vector<PastaPedida> pedidas = {
        {"Selecionar Pasta", "", existente},
        {"Selecionar Pasta", "/raiz", ""},
    };
    EXPECT_EQ(caixas.PastasPedidas(), pedidas);
    // The scripted folder answers one chooser only.
    EXPECT_FALSE(EscolherPasta("Selecionar Pasta", "", pasta));
}

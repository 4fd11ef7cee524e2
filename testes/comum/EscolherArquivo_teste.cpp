#include "comum/EscolherArquivo.h"

#include "comum/Erros.h"

#include <gtest/gtest.h>

namespace {

TEST(LerFiltro, ParesDeDescricaoEMascaras) {
    EXPECT_EQ(LerFiltro("Arquivos de Produtos|*.txt"), (std::vector<ParFiltro>{{"Arquivos de Produtos", {"*.txt"}}}));
    EXPECT_EQ(LerFiltro("Textos|*.txt;*.TXT|Todos|*.*"),
              (std::vector<ParFiltro>{{"Textos", {"*.txt", "*.TXT"}}, {"Todos", {"*.*"}}}));
    // Nothing, a description without masks and a dangling description give no pair.
    EXPECT_TRUE(LerFiltro("").empty());
    EXPECT_TRUE(LerFiltro("Textos|").empty());
    EXPECT_EQ(LerFiltro("Textos|*.txt|Sobra"), (std::vector<ParFiltro>{{"Textos", {"*.txt"}}}));
}

TEST(EscolherArquivo, RoteiroRespondeNaOrdemEGuardaOsPedidos) {
    const DialogoArquivo dialogo{"dlgCaminho", "Abrir", "Arquivos de Produtos|*.txt", "*.txt"};
    {
        EscolhaArquivoRoteiro roteiro;
        roteiro.ResponderArquivo("/dados/insumos.txt");
        std::string caminho = "/antes.txt";
        EXPECT_TRUE(EscolherArquivo(dialogo, caminho));
        EXPECT_EQ(caminho, "/dados/insumos.txt");
        // Without an answer the dialog is cancelled and the path stays.
        EXPECT_FALSE(EscolherArquivo(dialogo, caminho));
        EXPECT_EQ(caminho, "/dados/insumos.txt");
        EXPECT_EQ(roteiro.Pedidos(), (std::vector<EscolhaArquivoRoteiro::Pedido>{{dialogo, "/antes.txt"},
                                                                                 {dialogo, "/dados/insumos.txt"}}));
    }
    std::string caminho;
    EXPECT_THROW(EscolherArquivo(dialogo, caminho), ErroGeral);
}

} // namespace

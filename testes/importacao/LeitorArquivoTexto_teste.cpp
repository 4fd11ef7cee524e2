#include "comum/Erros.h"
#include "comum/RotinasUteis.h"
#include "importacao/LeitorArquivoTexto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

fs::path ArquivoTemporario(const std::string& conteudo) {
    std::random_device rd;
    fs::path caminho = fs::temp_directory_path() / ("korvex-leitor-" + std::to_string(rd()) + ".txt");
    std::ofstream(caminho, std::ios::binary) << conteudo;
    return caminho;
}

std::vector<std::string> Linhas(const fs::path& arquivo, size_t limite = std::string::npos) {
    TclsLeitorArquivoTexto leitor(arquivo, limite);
    std::vector<std::string> linhas;
    std::string linha;
    while (leitor.LerLinha(linha)) {
        linhas.push_back(linha);
    }
    EXPECT_TRUE(linha.empty());
    EXPECT_FALSE(leitor.LerLinha(linha)) << "a second read past the end";
    return linhas;
}

TEST(LeitorArquivoTexto, FinsDeLinhaCtrlZELinhasEmBranco) {
    const std::string longa(300000, 'x'); // longer than one read block
    struct Caso {
        const char* nome;
        std::string conteudo;
        std::vector<std::string> linhas;
    };
    const Caso casos[] = {
        {"CR LF, last line ended", "A\r\nB\r\n", {"A", "B"}},
        {"bare LF, last line open", "A\nB", {"A", "B"}},
        {"blank line in the middle", "A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"lone CR dropped", "A\rB\r\n\rC", {"AB", "C"}},
        {"CR CR LF", "A\r\r\nB", {"A", "B"}},
        {"Ctrl+Z ends the file", "A\r\nB\x1A\r\nC\r\n", {"A", "B"}},
        {"Ctrl+Z right after a line end",
         "A\r\n\x1A"
         "B",
         {"A"}},
        {"empty file", "", {}},
        {"only Ctrl+Z", "\x1A", {}},
        {"one empty line", "\r\n", {""}},
        {"only a CR", "\r", {""}},
        {"Windows-1252 bytes kept", "a\xE7\xE3o\x80\r\n", {"a\xE7\xE3o\x80"}},
        {"line across read blocks", longa + "\r\nfim", {longa, "fim"}},
        {"CR LF split by a block edge", std::string(262143, 'y') + "\r\nz", {std::string(262143, 'y'), "z"}},
    };
    for (const auto& caso : casos) {
        const fs::path arquivo = ArquivoTemporario(caso.conteudo);
        EXPECT_EQ(Linhas(arquivo), caso.linhas) << caso.nome;
        EXPECT_EQ(ContaLinhas(arquivo), static_cast<int>(caso.linhas.size())) << caso.nome;
        fs::remove(arquivo);
    }
}

TEST(LeitorArquivoTexto, LimiteCortaALinhaSemPerderAsSeguintes) {
    const std::string cheia(4037, 'a');
    const fs::path arquivo = ArquivoTemporario(cheia + "\r\n" + cheia + "bbbb\rcc\r\n" + "curta\r\n");
    EXPECT_EQ(Linhas(arquivo, 4037), (std::vector<std::string>{cheia, cheia, "curta"}));
    fs::remove(arquivo);
}

TEST(LeitorArquivoTexto, ArquivoQueNaoPodeSerAberto) {
    const fs::path inexistente = fs::temp_directory_path() / "korvex-nao-existe" / "x.txt";
    try {
        TclsLeitorArquivoTexto leitor(inexistente);
        FAIL() << "opened a missing file";
    } catch (const ErroEntradaSaida& e) {
        EXPECT_EQ(std::string(e.what()), "Não foi possível abrir o arquivo " + inexistente.string() +
                                             ": o arquivo ou a pasta não existe [No such file or directory].");
    }
    EXPECT_THROW(TclsLeitorArquivoTexto leitor(fs::temp_directory_path()), ErroEntradaSaida);
}

} // namespace

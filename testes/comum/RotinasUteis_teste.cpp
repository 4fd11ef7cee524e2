#include "comum/Erros.h"
#include "comum/RotinasUteis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

TEST(MesAbreviado, DozeMesesEVazioForaDaFaixa) {
    const char* meses[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    for (int mes = 1; mes <= 12; ++mes) {
        EXPECT_EQ(MesAbreviado(mes), meses[mes - 1]) << mes;
    }
    for (int fora : {0, 13, -1}) {
        EXPECT_EQ(MesAbreviado(fora), "") << fora;
    }
}

TEST(EhInteiroEhDecimal, SinalDigitosESeparador) {
    struct Caso {
        const char* texto;
        bool inteiro;
        bool decimal;
    };
    const Caso casos[] = {
        {"", false, false},         {"-", true, true},      {"+", true, true},
        {"+007", true, true},       {"12", true, true},     {"12 ", false, false},
        {" 12", false, false},      {"1-2", false, false},  {"12,5", false, true},
        {"12.5", false, true},      {",5", false, true},    {"5,", false, true},
        {",", false, true},         {"-,5", false, true},   {"1,2.3", false, false},
        {"1.000,00", false, false}, {"1,,2", false, false}, {",-5", false, false},
        {"1e5", false, false},      {"١٢", false, false},   {"99999999999999999999", true, true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(EhInteiro(c.texto), c.inteiro) << "'" << c.texto << "'";
        EXPECT_EQ(EhDecimal(c.texto), c.decimal) << "'" << c.texto << "'";
    }
}

TEST(InserirVirgula, CortaDepoisDaVirgulaEContaCaracteres) {
    EXPECT_EQ(InserirVirgula("123456789012345", 7, 8), "1234567,89012345");
    EXPECT_EQ(InserirVirgula("1234567890123456", 7, 8), "1234567,89012345");
    EXPECT_EQ(InserirVirgula("12", 7, 8), "12,");
    EXPECT_EQ(InserirVirgula("1234567", 7, 8), "1234567,");
    EXPECT_EQ(InserirVirgula("ação12", 2, 2), "aç,ão");
    EXPECT_EQ(InserirVirgula("123", 0, 2), ",12");
}

TEST(Completa, PreencheAteALarguraSemNuncaCortar) {
    EXPECT_EQ(CompletaDireita("ABCDEF", 4, " "), "ABCDEF");
    EXPECT_EQ(CompletaDireita("ABCDEF", 8, " "), "ABCDEF  ");
    EXPECT_EQ(CompletaDireita("", 3, " "), "   ");
    EXPECT_EQ(CompletaEsquerda("15000000", 20, "0"), "00000000000015000000");
    EXPECT_EQ(CompletaEsquerda("ABC", 3, "0"), "ABC");
    EXPECT_EQ(CompletaEsquerda("ABC", 0, "0"), "ABC");
    // Characters, not bytes: "Ação" is four characters wide.
    EXPECT_EQ(CompletaDireita("Ação", 6, " "), "Ação  ");
    EXPECT_EQ(CompletaEsquerda("Ação", 4, " "), "Ação");
    EXPECT_EQ(CompletaEsquerda("1", 3, "é"), "éé1");
}

TEST(Completa, RecusaPreenchimentoQueNaoSejaUmCaractere) {
    EXPECT_THROW(CompletaEsquerda("1", 5, ""), ErroGeral);
    EXPECT_THROW(CompletaDireita("1", 5, "00"), ErroGeral);
}

TEST(LimpaMilhar, TiraPontosEDevolveFormatoGeral) {
    EXPECT_EQ(LimpaMilhar("1.234,50"), "1234,5");
    EXPECT_EQ(LimpaMilhar("1234,56"), "1234,56");
    EXPECT_EQ(LimpaMilhar("1.5"), "15");
    EXPECT_EQ(LimpaMilhar("0,0000001"), "1E-7");
    EXPECT_EQ(LimpaMilhar(""), "");
    for (const char* ruim : {"abc", "1,2,3", " . ", "1.2x"}) {
        EXPECT_THROW(LimpaMilhar(ruim), ErroConversao) << ruim;
    }
}

TEST(TiraSeparadores, DigitosComoNumeroInteiro) {
    EXPECT_EQ(TiraSeparadores("1,5000000"), "15000000");
    EXPECT_EQ(TiraSeparadores("0,0000010"), "10");
    EXPECT_EQ(TiraSeparadores("1.234,5000000"), "12345000000");
    EXPECT_EQ(TiraSeparadores("0,0000000"), "0");
    EXPECT_EQ(TiraSeparadores(""), "");
    EXPECT_THROW(TiraSeparadores("1,5x"), ErroConversao);
}

TEST(FloatParaSQL, PontoDecimal) {
    EXPECT_EQ(FloatParaSQL(0.25), "0.25");
    EXPECT_EQ(FloatParaSQL(12), "12");
    EXPECT_EQ(FloatParaSQL(-1234.5678), "-1234.5678");
    EXPECT_EQ(FloatParaSQL(1e-7), "1E-7");
}

TEST(FiltraNumerico, DeixaPassarSoDigitosVirgulaEControles) {
    for (char32_t passa : {U'0', U'7', U'9', U',', char32_t{8}, char32_t{3}, char32_t{22}, char32_t{24}}) {
        EXPECT_EQ(FiltraNumerico(passa), passa) << static_cast<int>(passa);
    }
    for (char32_t barra : {U'a', U'.', U'-', U' ', U'+', U'ç', char32_t{13}, char32_t{27}, U'٣'}) {
        EXPECT_EQ(FiltraNumerico(barra), 0u) << static_cast<int>(barra);
    }
}

TEST(Aparar, TiraEspacosEControlesDasPontas) {
    EXPECT_EQ(Aparar("  Parafuso  M6 \t\r\n"), "Parafuso  M6");
    EXPECT_EQ(Aparar("   "), "");
    EXPECT_EQ(Aparar("ação"), "ação");
}

namespace {

class ContaLinhasTeste : public ::testing::Test {
protected:
    void SetUp() override {
        pasta_ = std::filesystem::temp_directory_path() / ("korvex-contalinhas-" + std::to_string(getpid()));
        std::filesystem::create_directories(pasta_);
    }
    void TearDown() override { std::filesystem::remove_all(pasta_); }

    std::filesystem::path Arquivo(const std::string& bytes) {
        auto caminho = pasta_ / ("arquivo" + std::to_string(++contador_) + ".txt");
        std::ofstream(caminho, std::ios::binary) << bytes;
        return caminho;
    }

    std::filesystem::path pasta_;
    int contador_ = 0;
};

} // namespace

TEST_F(ContaLinhasTeste, FinsDeLinhaECtrlZ) {
    const std::pair<std::string, int> casos[] = {
        {"", 0},
        {"linha 1\r\nlinha 2\r\n", 2},
        {"linha 1\r\nlinha 2", 2},
        {"a\nb\n", 2},
        {"\n", 1},
        {"\r\n\r\n", 2},
        {"a\rb\r", 1},
        {"\x1A", 0},
        {"a\r\n\x1A", 1},
        {"a\r\nb\x1A"
         "c\r\nd\r\n",
         2},
        {std::string("\xE7\xE3o\r\n", 5), 1},
    };
    for (const auto& [bytes, linhas] : casos) {
        EXPECT_EQ(ContaLinhas(Arquivo(bytes)), linhas) << testing::PrintToString(bytes);
    }
}

TEST_F(ContaLinhasTeste, ArquivoGrandeComLinhasLongas) {
    // Lines of an own-structure file are 4037 characters: many cross the read blocks.
    const std::string linha = std::string(4037, 'X') + "\r\n";
    std::string conteudo;
    for (int i = 0; i < 100; ++i) {
        conteudo += linha;
    }
    EXPECT_EQ(ContaLinhas(Arquivo(conteudo + "ultima")), 101);
    EXPECT_EQ(ContaLinhas(Arquivo(conteudo + "\x1A" + linha)), 100);
}

TEST_F(ContaLinhasTeste, ArquivoQueNaoSePodeLerDaErroComONome) {
    const auto ausente = pasta_ / "nao-existe.txt";
    try {
        ContaLinhas(ausente);
        FAIL() << "esperava ErroEntradaSaida";
    } catch (const ErroEntradaSaida& erro) {
        EXPECT_NE(std::string(erro.what()).find(ausente.string()), std::string::npos) << erro.what();
        EXPECT_NE(std::string(erro.what()).find("Não foi possível abrir o arquivo"), std::string::npos);
    }
    EXPECT_THROW(ContaLinhas(pasta_), ErroEntradaSaida);
}

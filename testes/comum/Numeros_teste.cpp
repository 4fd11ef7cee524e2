#include "comum/Cp1252.h"
#include "comum/Erros.h"
#include "comum/Numeros.h"

#include <gtest/gtest.h>

TEST(FormatoGeral, FormaCurtaComVirgula) {
    const std::pair<double, const char*> casos[] = {
        {1.5, "1,5"},
        {0.25, "0,25"},
        {12, "12"},
        {0, "0"},
        {5e-5, "5E-5"},
        {0.0001, "0,0001"},
        {-2.5, "-2,5"},
        {1e15, "1E15"},
        {123456789012345, "123456789012345"},
        {0.1, "0,1"},
        {1234.5, "1234,5"},
        {1.5e20, "1,5E20"},
        {0.1234567, "0,1234567"},
        {100, "100"},
    };
    for (auto [valor, esperado] : casos) {
        EXPECT_EQ(FormatoGeral(valor), esperado) << valor;
    }
}

// Fixed notation gives back the same number through the text conversion, with no exponent
// that a decimal check would refuse.
TEST(FormatoFixo, MesmosDigitosSemExpoente) {
    const std::pair<double, const char*> casos[] = {
        {5e-5, "0,00005"},       {1.23e-5, "0,0000123"},   {1.5e20, "150000000000000000000"},
        {-2.5e-6, "-0,0000025"}, {0.1234567, "0,1234567"}, {0, "0"},
        {1234.5, "1234,5"},
    };
    for (auto [valor, esperado] : casos) {
        EXPECT_EQ(FormatoFixo(valor), esperado) << valor;
        EXPECT_DOUBLE_EQ(TextoParaNumero(esperado), valor) << esperado;
    }
}

TEST(TextoParaNumero, AceitaFormaBrasileiraERecusaOResto) {
    EXPECT_DOUBLE_EQ(TextoParaNumero("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(TextoParaNumero(" -0,25 "), -0.25);
    EXPECT_DOUBLE_EQ(TextoParaNumero("5E-5"), 5e-5);
    EXPECT_DOUBLE_EQ(TextoParaNumero(",5"), 0.5);
    for (const char* ruim : {"", "1.5", "1.234,5", "abc", "1,2,3", "1E", "-"}) {
        EXPECT_THROW(TextoParaNumero(ruim), ErroConversao) << ruim;
    }
}

TEST(FormatarComMilhar, DuasESeteCasas) {
    EXPECT_EQ(FormatarComMilhar(1234.5, 2), "1.234,50");
    EXPECT_EQ(FormatarComMilhar(0.0000001, 2), "0,00");
    EXPECT_EQ(FormatarComMilhar(0.00000006, 7), "0,0000001");
    EXPECT_EQ(FormatarComMilhar(0.00000004, 7), "0,0000000");
    EXPECT_EQ(FormatarComMilhar(0.00000005, 7), "0,0000001");
    EXPECT_EQ(FormatarComMilhar(1234567.891, 2), "1.234.567,89");
    EXPECT_EQ(FormatarComMilhar(0.999, 2), "1,00");
}

TEST(Cp1252, IdaEVoltaDeTodosOsBytes) {
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ParaCp1252(Cp1252ParaUtf8(todos)), todos);
    EXPECT_EQ(Cp1252ParaUtf8("\xE7\x80"), "ç€");
    EXPECT_THROW(Utf8ParaCp1252("漢"), ErroConversao);
    EXPECT_FALSE(CabeEmCp1252("a漢"));
    EXPECT_TRUE(CabeEmCp1252("ação €"));
}

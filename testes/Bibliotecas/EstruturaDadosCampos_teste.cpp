#include "Bibliotecas/Interna/EstruturaDados.h"
#include "apoio/MensagemDe.h"
#include "comum/Erros.h"

#include <gtest/gtest.h>

#include <string>

TEST(TClsCampoInt, MesmoValorNaoMudaNadaNemAvisa) {
    TClsCampoInt campo(nullptr, "CODIGO");
    int avisos = 0;
    campo.OnAlteracao = [&](TclsNodo*) { ++avisos; };
    EXPECT_TRUE(campo.EstaNulo());

    campo.SetValor(5);
    EXPECT_EQ(campo.Valor, 5);
    EXPECT_EQ(campo.Estado, 2);
    EXPECT_EQ(avisos, 1);

    campo.SetValor(5);
    EXPECT_EQ(avisos, 1);

    // A null field takes even the value that it already holds (0 after Limpar).
    campo.Limpar();
    EXPECT_EQ(campo.Estado, 0);
    EXPECT_EQ(campo.Valor, 0);
    campo.SetValor(0);
    EXPECT_EQ(campo.Estado, 2);

    campo.OnValidar = [](const int32_t& v) { return v > 0; };
    campo.SetValor(-3);
    EXPECT_EQ(campo.Valor, 0) << "a refused value is ignored";
    campo.SetTexto(" 12 ");
    EXPECT_EQ(campo.Valor, 12);
    EXPECT_THROW(campo.SetTexto("12a"), ErroConversao);
    EXPECT_EQ(campo.Valor, 12);
    EXPECT_EQ(campo.GetTexto(), "12");
}

TEST(TClsCampoStr, EspacosAspasEOsDoisDialetos) {
    TClsCampoStr campo(nullptr, "NOME");
    campo.SetValor("  A  ");
    EXPECT_EQ(campo.TextoSQLOracle(), "'  A  '");

    TClsCampoStr aparado(nullptr, "NOME");
    aparado.RemoverEspacos = true;
    aparado.SetValor("  A  ");
    EXPECT_EQ(aparado.Valor, "A");
    EXPECT_EQ(aparado.TextoSQLOracle(), "'A'");

    campo.SetValor("d'água");
    EXPECT_EQ(campo.TextoSQLOracle(), "'d''água'");
    EXPECT_EQ(campo.TextoSQLMainFrame(), "'d''água'");

    // Text compares with case.
    campo.SetValor("x");
    campo.MarcarGravado();
    campo.SetValor("X");
    EXPECT_TRUE(campo.EstaAlterado());
}

TEST(TClsCampoFloat, UmEMeioNosDoisDialetos) {
    TClsCampoFloat campo(nullptr, "PRECO");
    campo.SetValor(1.5);
    EXPECT_EQ(campo.TextoSQLOracle(), " TO_NUMBER('1,5')");
    EXPECT_EQ(campo.UltimoTextoSQL, "1,5");
    EXPECT_EQ(campo.TextoSQLMainFrame(), "1.5");
    EXPECT_EQ(campo.GetTexto(), "1,5");

    campo.SetTexto(" 1234,5 ");
    EXPECT_DOUBLE_EQ(campo.Valor, 1234.5);
    campo.FormatoExibicao = "#,##0.00";
    EXPECT_EQ(campo.GetTexto(), "1.234,50");
    EXPECT_EQ(campo.TextoSQLMainFrame(), "1234.5") << "the display pattern is not for SQL";
    EXPECT_THROW(campo.SetTexto("1.5"), ErroConversao);
}

TEST(TClsCampoDate, DataNosDoisDialetos) {
    TClsCampoDate campo(nullptr, "EMISSAO");
    campo.SetValor(CodificarDataHora(2020, 3, 5, 14, 30, 7));
    EXPECT_EQ(campo.GetTexto(), "05/03/2020 14:30:07");
    EXPECT_EQ(campo.TextoSQLOracle(), " TO_DATE('05/03/2020 14:30:07', 'DD/MM/YYYY HH24:MI:SS')");
    EXPECT_EQ(campo.UltimoTextoSQL, "'05/03/2020 14:30:07'");
    EXPECT_EQ(campo.TextoSQLMainFrame(), " '05/03/20  ' ");
    EXPECT_EQ(campo.UltimoTextoSQL, " '05/03/20  ' ");

    campo.SetTexto("31/12/1999 23:59");
    EXPECT_EQ(campo.GetTexto(), "31/12/1999 23:59:00");
    EXPECT_THROW(campo.SetTexto("31/02/2020"), ErroConversao);
    EXPECT_THROW(campo.SetTexto(" 01/02/2020"), ErroConversao) << "the text is not trimmed";
    EXPECT_EQ(campo.GetTexto(), "31/12/1999 23:59:00");
}

TEST(TclsItemCampo, ForcarNuloValeUmaVezEEventosDeTexto) {
    TClsCampoInt campo(nullptr, "CODIGO");
    EXPECT_EQ(campo.TextoSQLOracle(), "Null");
    campo.SetValor(7);
    campo.ForcarNulo = true;
    EXPECT_EQ(campo.TextoSQLOracle(), "Null");
    EXPECT_FALSE(campo.ForcarNulo);
    EXPECT_EQ(campo.TextoSQLOracle(), "7");
    campo.ForcarNulo = true;
    EXPECT_EQ(campo.TextoSQLMainFrame(), "Null");
    EXPECT_EQ(campo.TextoSQLMainFrame(), "7");

    campo.OnTextoSQLOracle = [](std::string& texto) { texto = "SEQ.NEXTVAL"; };
    campo.OnTextoSQLMainFrame = [] { return std::string("DEFAULT"); };
    EXPECT_EQ(campo.TextoSQLOracle(), "SEQ.NEXTVAL");
    EXPECT_EQ(campo.TextoSQLMainFrame(), "DEFAULT");
    campo.Limpar();
    EXPECT_EQ(campo.TextoSQLOracle(), "Null") << "the events speak only for a value";
}

TEST(TclsItemCampo, Descricao) {
    TClsCampoInt campo(nullptr, "X");
    campo.Coluna = "CODIGO";
    EXPECT_EQ(campo.Descricao(), "CODIGO: \"Nulo\"");
    campo.SetValor(5);
    EXPECT_EQ(campo.Descricao(), "CODIGO: 5");
}

TEST(TclsItemCampo, CopiarECompararEntreClasses) {
    TClsCampoInt origem(nullptr, "A");
    origem.SetValor(5);
    origem.MarcarGravado();
    origem.ForcarNulo = true;
    TClsCampoInt destino(nullptr, "B");
    destino.Coluna = "OUTRA";
    destino.Copiar(origem);
    EXPECT_EQ(destino.Valor, 5);
    EXPECT_EQ(destino.Estado, 1);
    EXPECT_TRUE(destino.ForcarNulo);
    EXPECT_EQ(destino.Coluna, "OUTRA");

    TClsCampoStr texto(nullptr, "T");
    texto.SetValor("abc");
    EXPECT_EQ(MensagemDe([&] { destino.Copiar(texto); }), "Não pode copiar um(a) TClsCampoStr para um(a) TClsCampoInt");
    EXPECT_THROW(destino.Copiar(texto), ErroConversao);
    EXPECT_EQ(destino.Valor, 5);
    EXPECT_EQ(destino.Estado, 1);

    texto.SetValor("5");
    EXPECT_TRUE(destino.Comparar(texto)) << "fields of different classes compare by their texts";
    EXPECT_TRUE(destino.Igual);
    texto.SetValor("05");
    EXPECT_FALSE(destino.Comparar(texto));
    TClsCampoFloat nulo1(nullptr, "N1");
    TClsCampoDate nulo2(nullptr, "N2");
    EXPECT_TRUE(nulo1.Comparar(nulo2));
    TclsNodo nodo(nullptr, "Nodo");
    EXPECT_EQ(MensagemDe([&] { nulo1.Comparar(nodo); }), "Não pode comparar um(a) TclsNodo com um(a) TClsCampoFloat");
}

TEST(TclsItemCampo, LerDoDataSet) {
    TConsultaEstruturaMemoria resultado({"codigo", "NOME", "PRECO", "DATA"});
    resultado.Adicionar({int64_t{42}, std::string("  Ana  "), 2.5, std::string("2021-07-09 08:15:00")});
    resultado.Adicionar({std::monostate{}, std::string("B"), std::string("3,25"), 44386.5});

    TClsCampoInt codigo(nullptr, "CODIGO");
    codigo.OnValidar = [](const int32_t&) { return false; };
    TClsCampoStr nome(nullptr, "NOME");
    nome.RemoverEspacos = true;
    TClsCampoFloat preco(nullptr, "PRECO");
    TClsCampoDate data(nullptr, "DATA");
    TClsCampoStr ausente(nullptr, "AUSENTE");
    ausente.SetValor("velho");

    EXPECT_TRUE(codigo.LerDoDataSet(resultado)) << "OnValidar is not consulted";
    EXPECT_EQ(codigo.Valor, 42);
    EXPECT_EQ(codigo.Estado, 1);
    EXPECT_TRUE(nome.LerDoDataSet(&resultado));
    EXPECT_EQ(nome.Valor, "Ana");
    EXPECT_TRUE(preco.LerDoDataSet(resultado));
    EXPECT_DOUBLE_EQ(preco.Valor, 2.5);
    EXPECT_TRUE(data.LerDoDataSet(resultado));
    EXPECT_EQ(data.GetTexto(), "09/07/2021 08:15:00");
    EXPECT_FALSE(ausente.LerDoDataSet(resultado));
    EXPECT_TRUE(ausente.EstaNulo());
    EXPECT_EQ(ausente.Valor, "");

    resultado.Proximo();
    EXPECT_FALSE(codigo.LerDoDataSet(resultado));
    EXPECT_TRUE(codigo.EstaNulo());
    EXPECT_TRUE(preco.LerDoDataSet(resultado));
    EXPECT_DOUBLE_EQ(preco.Valor, 3.25);
    EXPECT_TRUE(data.LerDoDataSet(resultado));
    EXPECT_EQ(data.GetTexto(), "09/07/2021 12:00:00");
}

TEST(TclsItemCampo, TestesDeColunaEAssercoes) {
    TClsCampoInt campo(nullptr, "CODIGO");
    const std::string origem = "(Bibliotecas/Interna/EstruturaDados.cpp, linha ";

    campo.Opcoes = ocIncluir | ocChave;
    std::string mensagem = MensagemDe([&] { campo.IncluirNoInsert(); });
    EXPECT_EQ(
        mensagem.rfind("O campo [CODIGO] está definido como \"campo chave\", logo este deve ter um valor definido "
                       "para ser utilizado no comando SQL de Insert! " +
                           origem,
                       0),
        0u)
        << mensagem;

    campo.Opcoes = {ocIncluir, ocNaoNulo};
    mensagem = MensagemDe([&] { campo.IncluirNoInsert(); });
    EXPECT_EQ(mensagem.rfind("O campo [CODIGO] está definido como \"Não Nulo\", logo este deve ter um valor definido "
                             "para ser utilizado no comando SQL de Insert! " +
                                 origem,
                             0),
              0u)
        << mensagem;

    campo.Opcoes = ocRestringir | ocChave;
    mensagem = MensagemDe([&] { campo.IncluirNoWhereUpdate(); });
    EXPECT_EQ(
        mensagem.rfind("O campo [CODIGO] está definido como \"campo chave\", logo este deve ter um valor para ser "
                       "utilizado nas retrições WHERE para utilizar o comando SQL UpDate! " +
                           origem,
                       0),
        0u)
        << mensagem;
    EXPECT_FALSE(campo.IncluirNoWhere());

    campo.Opcoes = ocRestringir | ocIncluir;
    EXPECT_FALSE(campo.IncluirNoWhereUpdate()) << "a null restricting column that is not a key just stays out";
    EXPECT_FALSE(campo.IncluirNoInsert());

    campo.SetValor(3);
    campo.Opcoes = ocIncluir | ocAlterar | ocRestringir;
    EXPECT_TRUE(campo.IncluirNoInsert());
    EXPECT_TRUE(campo.IncluirNoSet());
    EXPECT_TRUE(campo.IncluirNoWhereUpdate());
    EXPECT_TRUE(campo.IncluirNoWhere());
    EXPECT_TRUE(campo.MarcarGravado());
    EXPECT_EQ(campo.Estado, 1);
    EXPECT_FALSE(campo.IncluirNoSet());
    campo.Limpar();
    EXPECT_FALSE(campo.MarcarGravado());
}

TEST(FormatarFlutuante, Padroes) {
    const struct {
        const char* formato;
        double valor;
        const char* esperado;
    } casos[] = {
        {"0.00", 1.5, "1,50"},
        {"#,##0.00", 1234567.891, "1.234.567,89"},
        {"#,##0.00", -1234.5, "-1.234,50"},
        {"0.##", 2, "2"},
        {"0.##", 2.456, "2,46"},
        {"#.##", 0.5, ",5"},
        {"000", 7, "007"},
        {"0", 2.5, "3"},
        {"0.0", 0.05, "0,1"},
        {"0.000", 1.0005, "1,001"},
        {"\"R$ \"#,##0.00", 5, "R$ 5,00"},
        {"0.00;(0.00)", -2, "(2,00)"},
        {"0.00;-0.00;\"zero\"", 0.001, "zero"},
        {"0.00E+00", 1234.5, "1,23E+03"},
        {"0.0E-0", 0.00012, "1,2E-4"},
        {"00.00 'kg'", 3.25, "03,25 kg"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(FormatarFlutuante(caso.formato, caso.valor), caso.esperado) << caso.formato << " " << caso.valor;
    }
}

TEST(DataHora, TextosEDiasContados) {
    EXPECT_DOUBLE_EQ(CodificarDataHora(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(CodificarDataHora(2000, 1, 1, 12), 36526.5);
    EXPECT_EQ(DataHoraParaTexto(36526.5), "01/01/2000 12:00:00");
    EXPECT_EQ(DataHoraParaTexto(-1.25), "29/12/1899 06:00:00");
    EXPECT_EQ(DataHoraParaTexto(CodificarDataHora(2024, 2, 29, 23, 59, 59, 999)), "29/02/2024 23:59:59");
    EXPECT_DOUBLE_EQ(TextoParaDataHora("1/1/2000 12:00:00"), 36526.5);
    EXPECT_DOUBLE_EQ(TextoParaDataHora("01/01/2000"), 36526.0);
    EXPECT_DOUBLE_EQ(TextoParaDataHora("06:00"), 0.25);
    EXPECT_EQ(DataHoraParaTexto(TextoParaDataHora("05/03/20")), "05/03/2020 00:00:00");
    const TDateTime momento = CodificarDataHora(2009, 7, 4, 8, 5, 3, 20);
    EXPECT_EQ(FormatarDataHora("d/m/yy h:n:s.zzz", momento), "4/7/09 8:5:3.020");
    EXPECT_EQ(FormatarDataHora("YYYYMMDD'T'HHNNSS \"dd\"", momento), "20090704T080503 dd");
    for (const char* ruim : {"", "abc", "32/01/2000", "01/13/2000", "29/02/2023", "01/01/2000 24:00", "01/01/2000x",
                             "01-01-2000", "01/01/2000 10", "01/01/2000 "}) {
        EXPECT_THROW(TextoParaDataHora(ruim), ErroConversao) << ruim;
    }
}

#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "comum/LetrasCp1252.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DialetoJet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

namespace {

class BancoDadosTeste : public ::testing::Test {
protected:
    void SetUp() override { ambiente.Conectar(conexao); }

    std::string Um(const std::string& sql, const std::string& coluna) {
        TConsulta q(&conexao);
        q.DefinirSQL(sql);
        q.Abrir();
        return q.Vazia() ? "<nenhuma>" : q.Texto(coluna);
    }

    AmbienteTeste ambiente;
    TConexao conexao;
};

TEST_F(BancoDadosTeste, TextoEntreAspasNuncaEAlterado) {
    const std::string razao = "d'água T1.emp_razao mid( SWITCH";
    EXPECT_EQ(conexao.Executar(" INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao)  VALUES ( '200123456' , " + Q(razao) +
                               " ) "),
              1);
    EXPECT_EQ(Um(" SELECT T1.EMP_RAZAO  FROM KX_EMPRESA T1  WHERE T1.EMP_INSCVLT = '200123456'", "EMP_RAZAO"), razao);

    const std::string nova = razao + " T1.x 'T1'";
    EXPECT_EQ(conexao.Executar(" UPDATE KX_EMPRESA T1    SET T1.emp_razao = " + Q(nova) +
                               "  WHERE T1.emp_inscvlt = '200123456'"),
              1);
    EXPECT_EQ(Um(" SELECT emp_razao FROM KX_EMPRESA", "emp_razao"), nova);

    EXPECT_EQ(conexao.Executar(" DELETE    FROM KX_EMPRESA T1   WHERE T1.emp_inscvlt = " + Q("x'y")), 0);
    EXPECT_EQ(conexao.Executar(" DELETE    FROM KX_EMPRESA T1   WHERE T1.emp_inscvlt = '200123456'"), 1);
}

// Companies 1, 2 and 3; company 1 has products 1 and 2, company 3 product 1.
class AliasTeste : public BancoDadosTeste {
protected:
    void SetUp() override {
        BancoDadosTeste::SetUp();
        conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('1', 'A'), ('2', 'B'), ('3', 'C')");
        conexao.Executar("INSERT INTO KX_EXPPRODUTO (emp_inscvlt, exp_codprod) VALUES ('1', 1), ('1', 2), ('3', 1)");
    }
    std::string Razoes() {
        std::string razoes;
        for (TConsulta& q = consulta.Abrir("SELECT emp_razao FROM KX_EMPRESA ORDER BY emp_inscvlt"); !q.Fim();
             q.Proximo()) {
            razoes += q.Texto("emp_razao") + " ";
        }
        return razoes;
    }
    TConsulta consulta{&conexao};
};

TEST_F(AliasTeste, OAliasDeUpdateEDeleteContinuaSendoATabela) {
    EXPECT_EQ(conexao.Executar("UPDATE KX_EMPRESA T1 SET T1.emp_razao = 'X' WHERE EXISTS (SELECT * FROM "
                               "KX_EXPPRODUTO P WHERE P.emp_inscvlt = T1.emp_inscvlt)"),
              2);
    EXPECT_EQ(Razoes(), "X B X ");
    EXPECT_EQ(conexao.Executar("DELETE FROM KX_EMPRESA A WHERE NOT EXISTS (SELECT * FROM KX_EXPPRODUTO B WHERE "
                               "B.emp_inscvlt = A.emp_inscvlt)"),
              1);
    EXPECT_EQ(Razoes(), "X X ");
    // A sub-query over the target table itself, without an alias of its own: the table's
    // name there means the sub-query's rows, the alias still the row being deleted.
    EXPECT_EQ(conexao.Executar("DELETE FROM KX_EXPPRODUTO A WHERE EXISTS (SELECT * FROM KX_EXPPRODUTO WHERE "
                               "KX_EXPPRODUTO.emp_inscvlt = A.emp_inscvlt AND KX_EXPPRODUTO.exp_codprod > "
                               "A.exp_codprod)"),
              1);
    EXPECT_EQ(Um("SELECT COUNT(*) AS n FROM KX_EXPPRODUTO WHERE emp_inscvlt = '1' AND exp_codprod = 2", "n"), "1");
}

TEST_F(AliasTeste, FormasJetDeUpdateEDelete) {
    const std::pair<const char*, int> casos[] = {
        {"UPDATE KX_EMPRESA AS E SET E.emp_razao = E.emp_razao & '!' WHERE E.emp_inscvlt = '1'", 1},
        {"UPDATE KX_EMPRESA SET KX_EMPRESA.emp_razao = KX_EMPRESA.emp_razao & '?' WHERE emp_inscvlt = '2'", 1},
        {"UPDATE KX_EMPRESA E SET E.emp_razao = (SELECT COUNT(*) FROM KX_EXPPRODUTO P WHERE P.emp_inscvlt = "
         "E.emp_inscvlt) WHERE E.emp_inscvlt = '3'",
         1},
        {"DELETE * FROM KX_EXPPRODUTO WHERE exp_codprod = 2", 1},
        {"DELETE P.* FROM KX_EXPPRODUTO P WHERE P.emp_inscvlt = '3'", 1},
        {"DELETE FROM KX_EXPPRODUTO AS P WHERE P.emp_inscvlt = '1';", 1},
        {"DELETE FROM KX_EMPRESA E", 3},
    };
    std::vector<std::string> razoes;
    for (const auto& [sql, linhas] : casos) {
        EXPECT_EQ(conexao.Executar(sql), linhas) << sql;
        razoes.push_back(Razoes());
    }
    EXPECT_EQ(razoes[2], "A! B? 1 ");
    EXPECT_EQ(razoes.back(), "");
}

TEST_F(AliasTeste, RecusaOQueOJetLeriaDeOutroJeito) {
    const std::pair<const char*, const char*> casos[] = {
        {"SELECT 1 AS x; DELETE FROM KX_EMPRESA", "há mais de um comando"},
        {"SELECT ? AS x, 'a' AS y", "o caractere \"?\" fora de aspas"},
        {"SELECT :x AS y", "o caractere \":\" fora de aspas"},
        {"SELECT 1 AS x -- nada", "comentários"},
        {"SELECT /* 'a' */ 'b' AS x", "comentários"},
        {"SELECT 'a' & AS x", "falta um valor de um dos lados de \"&\""},
    };
    for (const auto& [sql, mensagem] : casos) {
        try {
            Um(sql, "x");
            ADD_FAILURE() << "aceita: " << sql;
        } catch (const ErroBanco& e) {
            EXPECT_NE(std::string(e.what()).find(mensagem), std::string::npos) << sql << ": " << e.what();
        }
    }
    EXPECT_EQ(Razoes(), "A B C ");
    // The same characters inside quotes are text like any other; a final ";" ends the statement.
    EXPECT_EQ(Um("SELECT 'a?b -- /* ; :x' AS x;  ", "x"), "a?b -- /* ; :x");
}

TEST_F(BancoDadosTeste, EComercialJuntaTextos) {
    const std::pair<const char*, const char*> casos[] = {
        {"'a' & 'b'", "ab"},
        {"'a' & 1 + 2", "a3"},
        {"1.5 & 'x'", "1,5x"},
        {"'a' & null & 'c'", "ac"},
        {"mid('abc', 2, 1) & ('x' & 'y')", "bxy"},
        {"switch('ab' = 'a' & 'B', 'sim', 1 = 1, 'não')", "sim"},
        {"'z' & 'A' LIKE 'Z%'", "1"},
    };
    for (const auto& [expressao, esperado] : casos) {
        EXPECT_EQ(Um(std::string("SELECT ") + expressao + " AS v", "v"), esperado) << expressao;
    }
    TConsulta q(&conexao);
    EXPECT_TRUE(q.Abrir("SELECT null & null AS v").Nulo("v"));
}

TEST_F(BancoDadosTeste, ComparacoesIgnoramCaixaDeLetrasAcentuadas) {
    for (auto [cod, desc] : {std::pair{"1", "ação"}, {"2", "b"}, {"3", "A"}, {"4", "C"}, {"5", "Émile"}, {"6", "f"}}) {
        conexao.Executar(" INSERT INTO KXUNIDADES (codunid, descunid)  VALUES ( " + Q(cod) + " , " + Q(desc) + " ) ");
    }
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid = 'AÇÃO'", "codunid"), "1");
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid LIKE 'AÇ%'", "codunid"), "1");
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid LIKE '[!a-c]%' AND descunid LIKE '[D-F]%'", "codunid"),
              "6");
    try {
        Um(" SELECT codunid FROM KXUNIDADES WHERE descunid LIKE '%[%'", "codunid");
        ADD_FAILURE() << "lista sem fim aceita";
    } catch (const ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("Padrão inválido no LIKE"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid = 'acao'", "codunid"), "<nenhuma>");
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE TRIM(descunid) = 'ÉMILE'", "codunid"), "5");
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid <> 'AÇÃO' AND descunid IN ('B')", "codunid"), "2");
    EXPECT_EQ(Um(" SELECT MAX(descunid) AS m FROM KXUNIDADES", "m"), "f");

    TConsulta q(&conexao);
    q.DefinirSQL(" SELECT * FROM   KXUNIDADES ORDER BY descunid");
    q.Abrir();
    std::string ordem;
    for (; !q.Fim(); q.Proximo()) {
        ordem += q.Texto("DESCUNID") + " ";
    }
    EXPECT_EQ(ordem, "A ação b C Émile f ");
}

TEST_F(BancoDadosTeste, LeituraComoTextoNulosEColunasSemCaixa) {
    conexao.Executar(" INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, exp_coeftec, exp_descins)"
                     " VALUES ('1', 1, 1, 1.5, null), ('1', 1, 2, 0.25, 'x'), ('1', 1, 3, 12, 'y'),"
                     " ('1', 1, 4, 0.00005, 'z')");
    TConsulta q(&conexao);
    q.DefinirSQL("SELECT exp_coeftec, exp_descins, exp_codins FROM KX_EXPINSUMO ORDER BY exp_codins");
    q.Abrir();
    ASSERT_EQ(q.QuantidadeRegistros(), 4);
    std::vector<std::string> coef;
    for (q.Primeiro(); !q.Fim(); q.Proximo()) {
        coef.push_back(q.Texto("EXP_COEFTEC"));
    }
    EXPECT_EQ(coef, (std::vector<std::string>{"1,5", "0,25", "12", "5E-5"}));
    q.Primeiro();
    EXPECT_TRUE(q.Nulo("exp_descins"));
    EXPECT_EQ(q.Texto("Exp_DescIns"), "");
    EXPECT_EQ(q.Inteiro("exp_codins"), 1);
    EXPECT_DOUBLE_EQ(q.Flutuante("exp_coeftec"), 1.5);
    q.Ultimo();
    EXPECT_EQ(q.Texto("exp_descins"), "z");
    EXPECT_THROW(q.Texto("nao_existe"), ErroBanco);
}

TEST_F(BancoDadosTeste, FuncoesMidESwitch) {
    conexao.Executar("INSERT INTO T_PROXVM (cd_produto_xvm, nm_produto_xvm) VALUES ('0123ação', 'Nome')");
    EXPECT_EQ(
        Um(" SELECT nm_produto_xvm    FROM T_PROXVM T1  WHERE mid(T1.cd_produto_xvm,1,4) = '0123'", "nm_produto_xvm"),
        "Nome");
    EXPECT_EQ(Um("SELECT mid(cd_produto_xvm,5,2) AS m FROM T_PROXVM", "m"), "aç");
    EXPECT_EQ(Um("SELECT switch('E' = 'E', 'Estrangeiro', 1 = 1, 'outro') AS s", "s"), "Estrangeiro");
    EXPECT_EQ(Um("SELECT SWITCH (null = 'P', 'Padrao', 'X' = 'P', 'Padrao') AS s", "s"), "");
}

TEST_F(BancoDadosTeste, ErrosTrazemAMensagemDoMotor) {
    conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('1', 'A')");
    try {
        conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('1', 'B')");
        FAIL() << "inserção duplicada aceita";
    } catch (const ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE constraint failed"), std::string::npos) << e.what();
    }
    EXPECT_THROW(conexao.Executar("SELEC nada"), ErroBanco);
    EXPECT_THROW(conexao.Executar("SELECT * FROM TABELA_QUE_NAO_EXISTE"), ErroBanco);
    EXPECT_THROW(conexao.Executar("SELECT * FROM KX_EMPRESA WHERE emp_inscvlt = 'sem fim"), ErroBanco);
}

TEST_F(BancoDadosTeste, TransacoesESegundaConexaoVeSoOConfirmado) {
    TConexao leitura;
    ambiente.Conectar(leitura);
    auto contar = [&](TConexao& c) {
        TConsulta q(&c);
        q.DefinirSQL("SELECT * FROM KX_EMPRESA");
        q.Abrir();
        return q.QuantidadeRegistros();
    };
    EXPECT_FALSE(conexao.EmTransacao());
    conexao.IniciarTransacao();
    EXPECT_TRUE(conexao.EmTransacao());
    conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('1', 'A')");
    EXPECT_EQ(contar(leitura), 0);
    conexao.DesfazerTransacao();
    EXPECT_EQ(contar(conexao), 0);
    {
        TTransacao t(conexao);
        conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('2', 'B')");
        t.Confirmar();
    }
    {
        TTransacao t(conexao);
        conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('3', 'C')");
    }
    EXPECT_FALSE(conexao.EmTransacao());
    EXPECT_EQ(contar(leitura), 1);
}

TEST(BancoDadosCifrado, ArquivoSoAbreComASenha) {
    AmbienteTeste ambiente;
    std::ifstream f(ambiente.Banco(), std::ios::binary);
    std::string cabecalho(16, '\0');
    f.read(cabecalho.data(), 16);
    EXPECT_NE(cabecalho, std::string("SQLite format 3\0", 16));

    TConexao errada;
    try {
        errada.Abrir(ambiente.Banco().string(), "outra-senha");
        FAIL() << "senha errada aceita";
    } catch (const ErroBanco& e) {
        EXPECT_NE(std::string(e.what()).find("not a database"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(errada.Conectada());
    EXPECT_THROW(errada.Abrir((ambiente.Raiz() / "nao-existe.db").string(), "x"), ErroBanco);
}

// A connection opened at its first statement: the wrong password shows there, every time it is
// tried; the right one reads as Abrir would.
TEST(BancoDadosCifrado, AberturaNoPrimeiroUso) {
    AmbienteTeste ambiente;
    TConexao adiada;
    adiada.AbrirAoUsar(ambiente.Banco().string(), "outra-senha");
    EXPECT_FALSE(adiada.Conectada());
    for (int tentativa = 0; tentativa < 2; ++tentativa) {
        try {
            TConsulta(&adiada).Abrir("SELECT count(*) AS n FROM KX_EMPRESA");
            FAIL() << "senha errada aceita";
        } catch (const ErroBanco& e) {
            EXPECT_NE(std::string(e.what()).find("not a database"), std::string::npos) << e.what();
        }
    }
    adiada.AbrirAoUsar(ambiente.Banco().string(), kSenhaBanco);
    EXPECT_EQ(TConsulta(&adiada).Abrir("SELECT count(*) AS n FROM KX_EMPRESA").Inteiro("n"), 0);
    EXPECT_TRUE(adiada.Conectada());
}

TEST(DialetoJet, TraducaoDeixaLiteraisComoParametros) {
    auto t = TraduzirSQL(" UPDATE KX_EMPRESA T1    SET T1.emp_razao = 'T1.a'  WHERE T1.emp_inscvlt = '9' AND x = 5");
    EXPECT_EQ(t.texto, " UPDATE KX_EMPRESA    SET emp_razao = ? COLLATE JET  WHERE rowid IN (SELECT T1.rowid FROM "
                       "KX_EMPRESA AS T1 WHERE T1.emp_inscvlt = ? COLLATE JET AND x = ?)");
    ASSERT_EQ(t.parametros.size(), 3u);
    EXPECT_EQ(std::get<std::string>(t.parametros[0]), "T1.a");
    EXPECT_EQ(std::get<int64_t>(t.parametros[2]), 5);
    EXPECT_EQ(TraduzirSQL("SELECT a FROM t ORDER BY 1").texto, "SELECT a FROM t ORDER BY 1");
    EXPECT_EQ(TraduzirSQL(" DELETE    FROM KX_ERRO T1  WHERE T1.exp_codprod = 3").texto,
              " DELETE FROM KX_ERRO  WHERE rowid IN (SELECT T1.rowid FROM KX_ERRO AS T1 WHERE T1.exp_codprod = ?)");
}

TEST(DialetoJet, LikeEColacao) {
    EXPECT_TRUE(CombinaLike("ação", "AÇ%"));
    EXPECT_TRUE(CombinaLike("kg", "KG%"));
    EXPECT_TRUE(CombinaLike("abc", "%B%"));
    EXPECT_TRUE(CombinaLike("abc", "a_c"));
    EXPECT_FALSE(CombinaLike("abc", "a_"));
    EXPECT_TRUE(CombinaLike("", "%%"));
    // Character lists, folded like the rest.
    const std::tuple<const char*, const char*, bool> listas[] = {
        {"b", "[abc]", true},     {"d", "[abc]", false}, {"B", "[a-c]", true},     {"ç", "[Ç]", true},
        {"kg5", "KG[0-9]", true}, {"a", "[!a]", false},  {"x", "[!A]", true},      {"[", "[[]", true},
        {"a]", "a]", true},       {"-", "[a-]", true},   {"%", "[%]", true},       {"x", "[%]", false},
        {"abc", "a[]bc", true},   {"!", "[!]", true},    {"xyz", "%[!a-x]", true}, {"xya", "%[!a-x]", false},
    };
    for (const auto& [texto, padrao, esperado] : listas) {
        EXPECT_EQ(CombinaLike(texto, padrao), esperado) << texto << " LIKE " << padrao;
    }
    for (const char* invalido : {"[a", "a[!", "[c-a]"}) {
        EXPECT_THROW(CombinaLike("a", invalido), ErroBanco) << invalido;
    }
    EXPECT_EQ(CompararJet("ÇÃO", "ção"), 0);
    EXPECT_LT(CompararJet("a", "B"), 0);
    EXPECT_LT(CompararJet("Éa", "f"), 0);
    EXPECT_NE(CompararJet("ação", "acao"), 0);
}

} // namespace

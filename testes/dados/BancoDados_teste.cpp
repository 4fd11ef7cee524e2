#include "apoio/AmbienteTeste.h"
#include "comum/Erros.h"
#include "comum/LetrasCp1252.h"
#include "dados/BancoDados.h"
#include "dados/DialetoJet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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

TEST_F(BancoDadosTeste, ComparacoesIgnoramCaixaDeLetrasAcentuadas) {
    for (auto [cod, desc] : {std::pair{"1", "ação"}, {"2", "b"}, {"3", "A"}, {"4", "C"}, {"5", "Émile"}, {"6", "f"}}) {
        conexao.Executar(" INSERT INTO KXUNIDADES (codunid, descunid)  VALUES ( " + Q(cod) + " , " + Q(desc) + " ) ");
    }
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid = 'AÇÃO'", "codunid"), "1");
    EXPECT_EQ(Um(" SELECT codunid FROM KXUNIDADES WHERE descunid LIKE 'AÇ%'", "codunid"), "1");
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

TEST(DialetoJet, TraducaoDeixaLiteraisComoParametros) {
    auto t = TraduzirSQL(" UPDATE KX_EMPRESA T1    SET T1.emp_razao = 'T1.a'  WHERE T1.emp_inscvlt = '9' AND x = 5");
    EXPECT_EQ(t.texto,
              " UPDATE KX_EMPRESA     SET emp_razao = ? COLLATE JET  WHERE emp_inscvlt = ? COLLATE JET AND x = ?");
    ASSERT_EQ(t.parametros.size(), 3u);
    EXPECT_EQ(std::get<std::string>(t.parametros[0]), "T1.a");
    EXPECT_EQ(std::get<int64_t>(t.parametros[2]), 5);
    EXPECT_EQ(TraduzirSQL("SELECT a FROM t ORDER BY 1").texto, "SELECT a FROM t ORDER BY 1");
    EXPECT_EQ(TraduzirSQL(" DELETE    FROM KX_ERRO T1  WHERE T1.exp_codprod = 3").texto,
              " DELETE    FROM KX_ERRO   WHERE exp_codprod = ?");
}

TEST(DialetoJet, LikeEColacao) {
    EXPECT_TRUE(CombinaLike("ação", "AÇ%"));
    EXPECT_TRUE(CombinaLike("kg", "KG%"));
    EXPECT_TRUE(CombinaLike("abc", "%B%"));
    EXPECT_TRUE(CombinaLike("abc", "a_c"));
    EXPECT_FALSE(CombinaLike("abc", "a_"));
    EXPECT_TRUE(CombinaLike("", "%%"));
    EXPECT_EQ(CompararJet("ÇÃO", "ção"), 0);
    EXPECT_LT(CompararJet("a", "B"), 0);
    EXPECT_LT(CompararJet("Éa", "f"), 0);
    EXPECT_NE(CompararJet("ação", "acao"), 0);
}

} // namespace

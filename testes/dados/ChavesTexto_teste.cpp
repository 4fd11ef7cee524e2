// The keys of trimmed texts: what they are, how the data layer puts them into a TRIM comparison,
// that the duplicate checks find their rows through them with exactly the answers of a plain scan,
// and the upgrade that gives a database of the earlier schema their indexes.

#include "apoio/AmbienteTeste.h"
#include "comum/LetrasCp1252.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/DialetoJet.h"
#include "dados/Esquema.h"
#include "dados/SelAccessUsoGeral.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>

namespace {

std::string Aparado(std::string_view t) {
    const size_t i = t.find_first_not_of(' ');
    return i == std::string_view::npos ? std::string() : std::string(t.substr(i, t.find_last_not_of(' ') - i + 1));
}

TEST(ChaveJet, TextosIguaisDepoisDeAparadosTemAMesmaChave) {
    const std::pair<const char*, const char*> iguais[] = {
        {"ação", "AÇÃO"}, {"  Tela épica ", "TELA ÉPICA"}, {"ÿ žšœ", "Ÿ ŽŠŒ"}, {"", "   "}, {"a\tb", "A\tB"}};
    for (auto [a, b] : iguais) {
        ASSERT_EQ(CompararJet(Aparado(a), Aparado(b)), 0) << a;
        EXPECT_EQ(ChaveJet(a), ChaveJet(b)) << a << " / " << b;
    }
    // Accents, inner blanks and tabs count, as they do in the collation.
    const std::pair<const char*, const char*> diferentes[] = {{"ação", "acao"}, {"a b", "ab"}, {"\ta", "a"}};
    for (auto [a, b] : diferentes) {
        EXPECT_NE(ChaveJet(a), ChaveJet(b)) << a << " / " << b;
    }
}

TEST(DialetoJet, ComparacaoAparadaDeTextoComChaveGanhaAChave) {
    const auto t = TraduzirSQL(
        " SELECT * FROM KX_EXPINSUMO T1 WHERE T1.exp_codprod = 1 AND TRIM(T1.exp_descins) = ' Ação ' AND x = 2");
    EXPECT_EQ(t.texto, " SELECT * FROM KX_EXPINSUMO T1 WHERE T1.exp_codprod = ? AND (chave_jet(T1.exp_descins) = ? "
                       "AND TRIM(T1.exp_descins) = ? COLLATE JET) AND x = ?");
    ASSERT_EQ(t.parametros.size(), 4u);
    EXPECT_EQ(std::get<int64_t>(t.parametros[1]), ChaveJet("Ação"));
    EXPECT_EQ(std::get<std::string>(t.parametros[2]), " Ação ");
    EXPECT_EQ(
        TraduzirSQL("SELECT * FROM KX_EXPINSUMO AS A WHERE (TRIM(A.exp_espetec) = 'x') OR a.exp_codins = 2").texto,
        "SELECT * FROM KX_EXPINSUMO AS A WHERE ((chave_jet(A.exp_espetec) = ? AND TRIM(A.exp_espetec) = ? "
        "COLLATE JET)) OR a.exp_codins = ?");

    // Left as they are (literals bound as always): a column without a key, a table without keys, a
    // qualifier that is not the keyed table, and comparisons that do not stand whole as a term.
    const char* const intocados[] = {
        " FROM KX_EXPINSUMO T1 WHERE TRIM(T1.ins_codemp) = 'x'",
        " FROM KX_EXPPRODUTO T1 WHERE TRIM(T1.exp_modprod) = 'x'",
        " FROM KX_EXPINSUMO WHERE TRIM(exp_descins) = 'x'",
        " FROM KX_EXPINSUMO A, KX_INSUMO B WHERE TRIM(B.exp_descins) = 'x'",
        " FROM KX_EXPINSUMO T1 WHERE TRIM(T1.exp_descins) = 'x' || 'y'",
        " FROM KX_EXPINSUMO T1 WHERE NOT TRIM(T1.exp_descins) = 'x'",
        " FROM KX_EXPINSUMO T1 WHERE 'x' = TRIM(T1.exp_descins)",
        " FROM KX_EXPINSUMO T1 WHERE T1.exp_codins BETWEEN 'a' AND TRIM(T1.exp_descins) = 'x'",
    };
    for (const char* jet : intocados) {
        const std::string esperado = std::regex_replace(jet, std::regex("'[a-z]'"), "? COLLATE JET");
        EXPECT_EQ(TraduzirSQL(jet).texto, esperado) << jet;
    }
}

// A product whose inputs of one type and NCM code differ only in case, accents and blanks around
// their texts, some null.
class ChavesTextoTeste : public ::testing::Test {
protected:
    void SetUp() override {
        ambiente.Conectar(conexao);
        modulo.DefineConexao(&conexao);
        conexao.ExecutarNativo(R"(
            INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins,
                                      exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec)
                VALUES ('200000001', 1, 1, '1', 'N', '73181500', NULL, ' Arruela lisa  ', 'Aço carbono', 1),
                       ('200000001', 1, 2, '1', 'N', '73181500', NULL, 'ÇÃO', NULL, 1),
                       ('200000001', 1, 3, '1', 'N', '73181500', NULL, NULL, '  ', 1),
                       ('200000001', 1, 4, '1', 'N', '73181500', NULL, 'arruela LISA', ' aço INOX ', 1),
                       ('200000001', 1, 5, '1', 'N', '73181500', NULL, 'O''Brien', NULL, 1),
                       ('200000001', 1, 6, '1', 'P', '73181500', '0001', 'Item', '  Tela ÉPICA ', 1),
                       ('200000001', 1, 7, '1', 'P', '73181500', '0001', 'Item', 'x', 1),
                       ('200000001', 1, 8, '1', 'P', '73181500', '0002', 'Item', 'tela épica', 1);
        )");
    }

    // The plan of a statement of the program, as the data layer runs it.
    std::string Plano(const std::string& sql) {
        std::string plano;
        TConsulta q(&conexao);
        for (q.Abrir("EXPLAIN QUERY PLAN " + sql); !q.Fim(); q.Proximo()) {
            plano += q.Texto("detail");
        }
        return plano;
    }

    // The same statement read row by row with the comparison written the other way round, which no
    // key can serve: the meaning the statement had before keys existed.
    bool Gemeo(const std::string& sql) {
        std::string gemeo = std::regex_replace(sql, std::regex(" KX_EXPINSUMO T1 "), " KX_EXPINSUMO T1 NOT INDEXED ");
        gemeo = std::regex_replace(gemeo, std::regex("TRIM\\((T1\\.\\w+)\\) = ('(?:[^']|'')*')"), "$2 = TRIM($1)");
        EXPECT_NE(Plano(gemeo).find("SCAN TABLE KX_EXPINSUMO"), std::string::npos) << gemeo;
        return !TConsulta(&conexao).Abrir(gemeo).Vazia();
    }

    AmbienteTeste ambiente;
    TConexao conexao;
    TAccessSel modulo;
};

TEST_F(ChavesTextoTeste, ChecagensDeDuplicadoUsamAChaveComAsRespostasDaLeituraCompleta) {
    using namespace SelAccessUsoGeral;
    struct Caso {
        const char* descricao;
        const char* especificacao;
        bool existe;
    };
    const Caso porDescricao[] = {
        {"ARRUELA LISA", "", true},
        {"arruela lisa", "AÇO CARBONO", true},
        {"arruela lisa", "aço inox", true},
        {"arruela lisa", "latão", false},
        {"ção", "", true},
        {"cao", "", false},
        {"", "", false},
        {"arruela", "", false},
        {"o'brien", "", true},
        {"O'Brien", "qualquer", false},
    };
    for (const auto& c : porDescricao) {
        EXPECT_EQ(ExisteInsumoDescricao("200000001", "1", "N", "73181500", c.descricao, c.especificacao), c.existe)
            << c.descricao << " / " << c.especificacao;
        const std::string sql = TAccessSel::Consulta()->SQL();
        EXPECT_NE(Plano(sql).find("USING INDEX IX_KX_EXPINSUMO_1 (emp_inscvlt=? AND exp_codprod=? AND exp_tipoins=? "
                                  "AND exp_ncmins=? AND <expr>=?)"),
                  std::string::npos)
            << sql;
        EXPECT_EQ(Gemeo(sql), c.existe) << sql;
    }
    const Caso porDetalhe[] = {{"0001", "tela épica", true}, {"0001", "TELA EPICA", false},  {"0001", " X ", true},
                               {"0001", "", false},          {"0002", "  TELA ÉPICA", true}, {"0003", "x", false}};
    for (const auto& c : porDetalhe) {
        EXPECT_EQ(ExisteInsumoLE("200000001", "1", "P", "73181500", c.descricao, c.especificacao), c.existe)
            << c.descricao << " / " << c.especificacao;
        const std::string sql = TAccessSel::Consulta()->SQL();
        EXPECT_NE(Plano(sql).find("USING INDEX IX_KX_EXPINSUMO_2 (emp_inscvlt=? AND exp_codprod=? AND exp_tipoins=? "
                                  "AND exp_ncmins=? AND exp_detinsvlt=? AND <expr>=?)"),
                  std::string::npos)
            << sql;
        EXPECT_EQ(Gemeo(sql), c.existe) << sql;
    }
}

TEST_F(ChavesTextoTeste, GravacoesMantemAsChaves) {
    using namespace SelAccessUsoGeral;
    conexao.Executar("UPDATE KX_EXPINSUMO SET exp_descins = 'Porca', exp_espetec = 'Latão' WHERE exp_codins = 1");
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "N", "73181500", "arruela lisa", "aço carbono"));
    EXPECT_TRUE(ExisteInsumoDescricao("200000001", "1", "N", "73181500", "PORCA", "LATÃO"));
    conexao.Executar("DELETE FROM KX_EXPINSUMO WHERE exp_codins = 2");
    EXPECT_FALSE(ExisteInsumoDescricao("200000001", "1", "N", "73181500", "ção", ""));
    EXPECT_EQ(TConsulta(&conexao).Abrir("PRAGMA integrity_check").Texto(0), "ok");
}

std::vector<std::string> Linhas(TConexao& conexao, const std::string& sql) {
    std::vector<std::string> linhas;
    TConsulta q(&conexao);
    for (q.Abrir(sql); !q.Fim(); q.Proximo()) {
        std::string linha;
        for (int c = 0; c < q.QuantidadeCampos(); ++c) {
            linha += q.Texto(c) + "|";
        }
        linhas.push_back(linha);
    }
    return linhas;
}

TEST(AtualizacaoEsquema, BancoDoEsquemaAnteriorGanhaAsChavesSemMudarNenhumaLinha) {
    AmbienteTeste ambiente({.criarBanco = false});
    const std::string esquemaAnterior = [] {
        std::ifstream f(std::string(KORVEX_DIR_FIXTURES) + "/esquema_versao_0.sql");
        return std::string(std::istreambuf_iterator<char>(f), {});
    }();
    const std::string todasAsLinhas = "SELECT * FROM KX_EXPINSUMO ORDER BY exp_codins";
    const std::string esquema = "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name";
    std::vector<std::string> antes;
    {
        TConexao anterior;
        anterior.Criar(ambiente.Banco().string(), kSenhaBanco);
        anterior.ExecutarNativo(esquemaAnterior + R"(
            INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, exp_ncmins,
                                      exp_detinsvlt, exp_descins, exp_espetec, exp_coeftec)
                VALUES ('200000001', 1, 1, '1', 'N', '73181500', NULL, ' Arruela lisa  ', 'Aço carbono', 0.5),
                       ('200000001', 1, 2, '1', 'P', '73181500', '0001', 'Item', '  Tela ÉPICA ', 2);
        )");
        ASSERT_EQ(TConsulta(&anterior).Abrir("PRAGMA user_version").Texto(0), "0");
        antes = Linhas(anterior, todasAsLinhas);
    }

    TConexao conexao;
    ambiente.Conectar(conexao);
    EXPECT_EQ(TConsulta(&conexao).Abrir("PRAGMA user_version").Texto(0), std::to_string(kVersaoEsquema));
    EXPECT_EQ(Linhas(conexao, todasAsLinhas), antes);
    // The same tables, indexes and statements as a database made now.
    {
        TConexao nova;
        nova.Criar((ambiente.Raiz() / "novo.db").string(), kSenhaBanco);
        CriarEsquema(nova);
        EXPECT_EQ(Linhas(conexao, esquema), Linhas(nova, esquema));
    }
    TAccessSel modulo;
    modulo.DefineConexao(&conexao);
    EXPECT_TRUE(SelAccessUsoGeral::ExisteInsumoDescricao("200000001", "1", "N", "73181500", "ARRUELA LISA", ""));
    EXPECT_TRUE(SelAccessUsoGeral::ExisteInsumoLE("200000001", "1", "P", "73181500", "0001", "tela épica"));
    EXPECT_EQ(TConsulta(&conexao).Abrir("PRAGMA integrity_check").Texto(0), "ok");

    // Opening it again finds nothing to do.
    conexao.Fechar();
    ambiente.Conectar(conexao);
    EXPECT_EQ(Linhas(conexao, todasAsLinhas), antes);
}

} // namespace

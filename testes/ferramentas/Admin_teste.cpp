#include "apoio/AmbienteTeste.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace fs = std::filesystem;

namespace {

class AdminTeste : public ::testing::Test {
protected:
    AmbienteTeste ambiente{{false, false}};

    int Admin(const std::string& args) { return ExecutarAdmin(ambiente.Raiz(), args, saida); }

    void Escrever(const fs::path& arquivo, const std::string& texto) {
        fs::create_directories(arquivo.parent_path());
        std::ofstream(arquivo, std::ios::binary) << texto;
    }

    std::string Um(const std::string& sql) {
        TConexao c;
        ambiente.Conectar(c);
        TConsulta q(&c);
        q.DefinirSQL(sql);
        q.Abrir();
        return q.Vazia() ? "<nenhuma>" : q.Texto(0);
    }

    std::string saida;
};

TEST_F(AdminTeste, CriarRecusaSobrescrever) {
    ASSERT_EQ(Admin("criar"), 0) << saida;
    EXPECT_TRUE(fs::exists(ambiente.Banco()));
    EXPECT_TRUE(fs::is_directory(ambiente.Raiz() / "VELTRAN" / "KORVEX" / "TEMP"));
    EXPECT_EQ(Um("SELECT count(*) FROM KX_EXPINSUMO"), "0");
    EXPECT_NE(Admin("criar"), 0);
    EXPECT_NE(saida.find("já existe"), std::string::npos) << saida;
    EXPECT_NE(Admin("comando-inexistente"), 0);
}

TEST_F(AdminTeste, ReferenciasCarregaTudoOuNada) {
    ASSERT_EQ(Admin("criar"), 0) << saida;
    const fs::path pasta = ambiente.Raiz() / "csv";
    Escrever(pasta / "PRJ_NCM.csv", "NCM_CODIGO,ncm_descricao,UNI_CODIGO\r\n"
                                    "85340000,\"Circuitos impressos, \"\"multicamadas\"\"\",1\r\n"
                                    "39269090,\"Obras de plástico\nde uso geral\",2\r\n");
    Escrever(pasta / "KXUNIDADES.csv", "codunid,descunid\n1,UNIDADE\n2,QUILOGRAMA\n");
    ASSERT_EQ(Admin("referencias " + pasta.string()), 0) << saida;
    EXPECT_NE(saida.find("PRJ_NCM: 2 linhas carregadas"), std::string::npos) << saida;
    EXPECT_NE(saida.find("KXUNIDADES: 2 linhas carregadas"), std::string::npos) << saida;
    EXPECT_EQ(Um("SELECT ncm_descricao FROM PRJ_NCM WHERE ncm_codigo = '85340000'"),
              "Circuitos impressos, \"multicamadas\"");
    EXPECT_EQ(Um("SELECT ncm_descricao FROM PRJ_NCM WHERE ncm_codigo = '39269090'"), "Obras de plástico\nde uso geral");

    // A bad file anywhere leaves every table as it was, and the message names it.
    struct Caso {
        const char* texto;
        const char* esperado;
    };
    const Caso ruins[] = {
        {"ncm_codigo,ncm_descricao,uni_codigo\n11111111,A,1\n22222222,B\n", "PRJ_NCM.csv, linha 3"},
        {"ncm_codigo,ncm_descricao\n11111111,A\n", "falta a coluna \"uni_codigo\""},
        {"ncm_codigo,ncm_descricao,uni_codigo,extra\n", "a coluna \"extra\" não existe"},
        {"ncm_codigo,ncm_descricao,uni_codigo\n11111111,\"sem fim,1\n", "aspas sem fechamento"},
        {"ncm_codigo,ncm_descricao,uni_codigo\n11111111,A,1\n11111111,B,1\n", "PRJ_NCM.csv, linha 3: UNIQUE"},
        {"ncm_codigo,ncm_descricao,uni_codigo\n11111111,\xE7\xE3o,1\n", "não está em UTF-8"},
    };
    for (const auto& caso : ruins) {
        Escrever(pasta / "PRJ_NCM.csv", caso.texto);
        Escrever(pasta / "KXUNIDADES.csv", "codunid,descunid\n9,NOVA\n");
        EXPECT_NE(Admin("referencias " + pasta.string()), 0) << caso.texto;
        EXPECT_NE(saida.find(caso.esperado), std::string::npos) << saida;
        EXPECT_EQ(Um("SELECT count(*) FROM PRJ_NCM"), "2");
        EXPECT_EQ(Um("SELECT count(*) FROM KXUNIDADES"), "2");
    }
    EXPECT_NE(Admin("referencias " + (ambiente.Raiz() / "nao-existe").string()), 0);
}

TEST_F(AdminTeste, DemoCriaDadosCompletos) {
    ASSERT_EQ(Admin("demo"), 0) << saida;
    EXPECT_TRUE(fs::exists(ambiente.Raiz() / "VELTRAN" / "TABELA" / "DRQ_VELTRAN.MDB"));
    EXPECT_GE(std::stoi(Um("SELECT count(*) FROM T_PROXVM")), 30);
    EXPECT_GE(std::stoi(Um("SELECT count(*) FROM PRJ_NCM")), 200);
    EXPECT_EQ(Um("SELECT count(*) FROM (SELECT DISTINCT exp_tipoins FROM KX_EXPINSUMO)"), "4");
    EXPECT_GE(std::stoi(Um("SELECT count(*) FROM KX_EMPRESA")), 2);
    // Every listing product appears in its company's product list (all joins match).
    EXPECT_EQ(Um("SELECT count(*) FROM KX_EXPPRODUTO C WHERE NOT EXISTS (SELECT * FROM T_PROXVM A, PRJ_TIPO_PROD B, "
                 "KXUNIDADES D WHERE c.codunid = d.codunid AND c.exp_codprodvlt = mid(a.cd_produto_xvm,1,4) AND "
                 "c.exp_codprodvlt = b.prdt_codprod AND c.exp_tipoprodvlt = b.prdt_codtipo)"),
              "0");
    // The example own-structure file imports whole into the product without inputs.
    const fs::path exemplo = ambiente.Raiz() / "exemplos" / "insumos_estrutura_propria.txt";
    ASSERT_TRUE(fs::exists(exemplo));
    ASSERT_EQ(Admin("importar 200123456 5 " + exemplo.string()), 0) << saida;
    EXPECT_EQ(Um("SELECT count(*) FROM (SELECT DISTINCT exp_tipoins FROM KX_EXPINSUMO WHERE exp_codprod = 5 AND "
                 "emp_inscvlt = '200123456')"),
              "4");
    // A second run leaves the existing database alone.
    EXPECT_EQ(Admin("demo"), 0) << saida;
    EXPECT_NE(saida.find("já existe"), std::string::npos);
}

TEST_F(AdminTeste, AjudaVersaoEUsoNasChamadasErradas) {
    ASSERT_EQ(Admin("--help"), 0);
    for (const char* comando : {"criar", "referencias PASTA", "demo", "importar INSCRICAO CODPROD ARQUIVO",
                                "validar INSCRICAO CODPROD ARQUIVO", "sql", "gerar-le", "copia-seguranca DESTINO",
                                "restaurar ORIGEM", "verificar"}) {
        EXPECT_NE(saida.find("\n  " + std::string(comando)), std::string::npos) << comando;
    }
    ASSERT_EQ(Admin("--versao"), 0);
    EXPECT_TRUE(
        std::regex_match(saida, std::regex(R"(korvex-admin \d+\.\d+(\.\d+)? \(SQLCipher com SQLite 3\.\d+\.\d+\)\n)")))
        << saida;

    struct Caso {
        const char* args;
        const char* uso;
    };
    const Caso errados[] = {
        {"", "Uso: korvex-admin COMANDO [ARGUMENTOS]\n"},
        {"--versao demais", "Comando desconhecido: --versao\n\nUso: korvex-admin COMANDO [ARGUMENTOS]\n"},
        {"copia-seguranca", "Uso: korvex-admin copia-seguranca DESTINO\n"},
        {"restaurar a b", "Uso: korvex-admin restaurar ORIGEM\n"},
        {"verificar agora", "Uso: korvex-admin verificar\n"},
        {"validar 200123456 1", "Uso: korvex-admin validar INSCRICAO CODPROD ARQUIVO\n"},
    };
    for (const auto& caso : errados) {
        EXPECT_EQ(Admin(caso.args), 2) << caso.args;
        EXPECT_TRUE(saida.starts_with(caso.uso)) << saida;
    }
}

// A listing database that is no database, cut short or protected with another password: every
// command that opens it says why in Portuguese and ends with status 1, without a crash.
TEST(AdminBancoRuim, ComandosSaemComStatus1EAMensagem) {
    struct Caso {
        BancoRuim banco;
        std::string causa;
    };
    const std::string naoEhBanco = "O arquivo não é um banco de dados do programa, está danificado ou foi protegido "
                                   "com outra senha. [file is encrypted or is not a database]";
    const Caso casos[] = {
        {BancoRuim::OutraSenha, naoEhBanco},
        {BancoRuim::Lixo, naoEhBanco},
        {BancoRuim::Truncado,
         "O arquivo do banco de dados está danificado ou incompleto. [database disk image is malformed]"},
    };
    for (const Caso& caso : casos) {
        AmbienteTeste ambiente;
        EstragarBanco(caso.banco);
        const std::string mensagem =
            "Não foi possível abrir o banco de dados " + CaminhoBancoListagem().string() + ". " + caso.causa + "\n";
        std::string saida;
        EXPECT_EQ(ExecutarAdmin(ambiente.Raiz(), "sql 'SELECT count(*) FROM KX_EMPRESA'", saida), 1);
        EXPECT_EQ(saida, "Erro: " + mensagem);
        EXPECT_EQ(ExecutarAdmin(ambiente.Raiz(), "importar 200123456 1 /nao/existe.txt", saida), 1);
        EXPECT_EQ(saida, "Erro conexão: Ocorreu um erro ao tentar efetuar a conexão com o banco!\nDescrição do "
                         "erro:\n\n" +
                             mensagem);
    }
}

} // namespace

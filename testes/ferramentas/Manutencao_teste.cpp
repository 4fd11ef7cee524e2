// korvex-admin copia-seguranca, restaurar and verificar on the demonstration database.

#include "apoio/AmbienteTeste.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace fs = std::filesystem;

namespace {

std::string Ler(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

class ManutencaoTeste : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Admin("demo"), 0) << saida; }

    int Admin(const std::string& args) { return ExecutarAdmin(ambiente.Raiz(), args, saida); }

    // The first column of the first row, read from the database file given.
    static std::string Um(const fs::path& banco, const std::string& sql) {
        TConexao c;
        c.Abrir(banco.string(), kSenhaBanco);
        TConsulta q(&c);
        q.Abrir(sql);
        return q.Vazia() ? "<nenhuma>" : q.Texto(0);
    }

    fs::path Anterior() const { return ambiente.Banco().string() + ".anterior"; }

    AmbienteTeste ambiente{{false, false}};
    std::string saida;
};

const std::string kContarEmpresas = "SELECT count(*) FROM KX_EMPRESA";

TEST_F(ManutencaoTeste, CopiaSegurancaNumaPastaOuNumArquivoNovo) {
    const fs::path pasta = ambiente.Raiz() / "copias";
    fs::create_directories(pasta);
    ASSERT_EQ(Admin("copia-seguranca '" + pasta.string() + "'"), 0) << saida;
    ASSERT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
    const fs::path copia = fs::directory_iterator(pasta)->path();
    EXPECT_TRUE(std::regex_match(copia.filename().string(), std::regex(R"(KORVEX-\d{8}-\d{6}\.db)"))) << copia;
    EXPECT_EQ(saida, "Cópia de segurança gravada em " + copia.string() + ".\n");
    // The same password, sound, the same rows, and one file with no journal beside it.
    EXPECT_EQ(Um(copia, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(Um(copia, "SELECT count(*) FROM KX_EXPINSUMO"),
              Um(ambiente.Banco(), "SELECT count(*) FROM KX_EXPINSUMO"));
    EXPECT_FALSE(fs::exists(copia.string() + "-wal"));

    // An existing file is never replaced, and a copy that cannot be written leaves nothing.
    const std::string conteudo = Ler(copia);
    EXPECT_EQ(Admin("copia-seguranca '" + copia.string() + "'"), 1);
    EXPECT_NE(saida.find("já existe"), std::string::npos) << saida;
    EXPECT_EQ(Ler(copia), conteudo);
    const fs::path semPasta = ambiente.Raiz() / "nao-existe" / "copia.db";
    EXPECT_EQ(Admin("copia-seguranca '" + semPasta.string() + "'"), 1);
    EXPECT_NE(saida.find("Não foi possível fazer a cópia de segurança em " + semPasta.string()), std::string::npos)
        << saida;
    EXPECT_FALSE(fs::exists(semPasta.parent_path()));
}

TEST_F(ManutencaoTeste, RestaurarRecusaOQueNaoEBancoDaListagemSemMudarNada) {
    const fs::path pasta = ambiente.Raiz() / "origens";
    fs::create_directories(pasta);
    auto criar = [&](const std::string& nome, const std::string& senha, const std::string& sql) {
        TConexao c;
        c.Criar((pasta / nome).string(), senha);
        CriarEsquema(c);
        c.ExecutarNativo(sql);
        return pasta / nome;
    };
    std::ofstream(pasta / "lixo.db", std::ios::binary) << std::string(4096, '\x5A') << "KORVEX";
    std::ofstream(pasta / "vazio.db", std::ios::binary) << "";
    struct Caso {
        fs::path origem;
        std::string mensagem;
    };
    const Caso casos[] = {
        {pasta / "lixo.db", "não é um banco da listagem de exportação (outra senha, ou não é um banco de dados)"},
        {criar("outra-senha.db", "outra", "SELECT 1;"), "(outra senha, ou não é um banco de dados)"},
        {pasta / "vazio.db", "não é um banco da listagem de exportação: falta a tabela KX_EMPRESA."},
        {criar("outra-tabela.db", kSenhaBanco, "DROP TABLE VLT_NCM; CREATE TABLE VLT_NCM (vtncm_codigo TEXT);"),
         "não é um banco da listagem de exportação: falta a coluna vtncm_detalhe da tabela VLT_NCM."},
        {pasta / "nao-existe.db", "O arquivo " + (pasta / "nao-existe.db").string() + " não existe."},
    };
    const std::string banco = Ler(ambiente.Banco());
    for (const auto& caso : casos) {
        EXPECT_EQ(Admin("restaurar '" + caso.origem.string() + "'"), 1) << caso.origem;
        EXPECT_NE(saida.find(caso.mensagem), std::string::npos) << saida;
        EXPECT_EQ(Ler(ambiente.Banco()), banco) << caso.origem;
        EXPECT_FALSE(fs::exists(Anterior())) << caso.origem;
        EXPECT_FALSE(fs::exists(ambiente.Banco().string() + ".restaurando")) << caso.origem;
    }
}

TEST_F(ManutencaoTeste, RestaurarGuardaOAnteriorERecusaComOBancoAberto) {
    const fs::path copia = ambiente.Raiz() / "copia.db";
    ASSERT_EQ(Admin("copia-seguranca '" + copia.string() + "'"), 0) << saida;
    const std::string empresasDaCopia = Um(copia, kContarEmpresas);
    {
        TConexao c;
        ambiente.Conectar(c);
        c.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('200999999', 'DEPOIS DA CÓPIA')");
        // The program (or any other process) holding the database open.
        EXPECT_EQ(Admin("restaurar '" + copia.string() + "'"), 1);
        EXPECT_EQ(saida, "Erro: O banco de dados da listagem está aberto em outro programa (o KORVEX ou o "
                         "korvex-admin). Feche-o e repita a restauração.\n");
        EXPECT_FALSE(fs::exists(Anterior()));
    }
    EXPECT_EQ(Um(ambiente.Banco(), "SELECT emp_razao FROM KX_EMPRESA WHERE emp_inscvlt = '200999999'"),
              "DEPOIS DA CÓPIA");

    ASSERT_EQ(Admin("restaurar '" + copia.string() + "'"), 0) << saida;
    EXPECT_EQ(saida, "Banco de dados restaurado de " + copia.string() +
                         ".\nO banco que estava em uso foi guardado em " + Anterior().string() + ".\n");
    EXPECT_EQ(Um(ambiente.Banco(), kContarEmpresas), empresasDaCopia);
    EXPECT_EQ(Um(ambiente.Banco(), "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(Um(ambiente.Banco(), "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(Um(Anterior(), "SELECT emp_razao FROM KX_EMPRESA WHERE emp_inscvlt = '200999999'"), "DEPOIS DA CÓPIA");

    // With no database at all (lost, or set aside because damaged) the copy takes its place.
    fs::remove(ambiente.Banco());
    ASSERT_EQ(Admin("restaurar '" + copia.string() + "'"), 0) << saida;
    EXPECT_EQ(saida, "Banco de dados restaurado de " + copia.string() + ".\n");
    EXPECT_EQ(Um(ambiente.Banco(), kContarEmpresas), empresasDaCopia);
    EXPECT_EQ(Um(ambiente.Banco(), "PRAGMA journal_mode"), "wal");
}

TEST_F(ManutencaoTeste, VerificarApontaCadaInconsistenciaDaListagem) {
    ASSERT_EQ(Admin("verificar"), 0) << saida;
    EXPECT_EQ(saida, "Integridade do banco: ok.\nConsistência da listagem: ok.\n");

    const fs::path original = ambiente.Raiz() / "original.db";
    fs::copy_file(ambiente.Banco(), original);
    const std::string produto1 = "Empresa 200123456, produto 1 (modelo \"TV LED 43\" 4K SMART\"): não aparece na "
                                 "listagem porque ";
    struct Caso {
        std::string sql;
        std::string saida;
    };
    const Caso casos[] = {
        {"UPDATE KX_EXPPRODUTO SET codunid = '99' WHERE emp_inscvlt = '200123456' AND exp_codprod = 1",
         produto1 + "a unidade [99] não está cadastrada em KXUNIDADES.\n"},
        {"UPDATE KX_EXPPRODUTO SET exp_tipoprodvlt = '009' WHERE emp_inscvlt = '200123456' AND exp_codprod = 1",
         produto1 + "o tipo [009] do produto Veltran [0401] não está em PRJ_TIPO_PROD.\n"},
        {"UPDATE KX_EXPPRODUTO SET exp_codprodvlt = '9999', codunid = null WHERE emp_inscvlt = '200123456' AND "
         "exp_codprod = 1",
         produto1 + "a unidade [] não está cadastrada em KXUNIDADES, o produto Veltran [9999] não está em T_PROXVM e "
                    "o tipo [001] do produto Veltran [9999] não está em PRJ_TIPO_PROD.\n"},
        {"DELETE FROM KX_EXPPRODUTO WHERE emp_inscvlt = '200123456' AND exp_codprod = 4",
         "Empresa 200123456, produto 4: 4 insumos de um produto que não existe em KX_EXPPRODUTO.\n"},
        {"UPDATE KX_EXPINSUMO SET codunid = '77' WHERE emp_inscvlt = '200123456' AND exp_codprod = 3 AND "
         "exp_codins = 1",
         "Empresa 200123456, produto 3: 1 insumo com a unidade [77], que não está cadastrada em KXUNIDADES.\n"},
    };
    for (const auto& caso : casos) {
        fs::copy_file(original, ambiente.Banco(), fs::copy_options::overwrite_existing);
        {
            TConexao c;
            ambiente.Conectar(c);
            c.Executar(caso.sql);
        }
        EXPECT_EQ(Admin("verificar"), 1) << caso.sql;
        EXPECT_EQ(saida, "Integridade do banco: ok.\n" + caso.saida + "1 problema encontrado.\n");
    }
}

} // namespace

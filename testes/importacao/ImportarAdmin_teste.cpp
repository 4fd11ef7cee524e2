// korvex-admin importar: the import run without windows, and what a killed run leaves.

#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

extern char** environ;

namespace {

class ImportarAdminTeste : public ::testing::Test {
protected:
    void SetUp() override {
        TConexao c;
        ambiente.Conectar(c);
        PreencherDadosImportacao(c);
    }

    std::vector<std::string> Insumos(const std::string& codProd) {
        TConexao c;
        ambiente.Conectar(c);
        return InsumosDoProduto(c, codProd);
    }

    int Admin(const std::string& args) { return ExecutarAdmin(ambiente.Raiz(), args, saida); }

    AmbienteTeste ambiente;
    std::string saida;
};

TEST_F(ImportarAdminTeste, ImportaSemPerguntarEMostraORegistro) {
    const fs::path arquivo = GravarArquivoEstruturaPropria(
        ambiente.Raiz(), {MontarLinha({"N", "73181500", "", "Arruela"}), MontarLinha({"R", "73181500", "", "Porca"})});
    ASSERT_EQ(Admin("importar " + kInscricaoTeste + " 2 '" + arquivo.string() + "'"), 0) << saida;
    EXPECT_EQ(saida, "Início da Importação dos arquivos de Estrutura Própria\n\n"
                     "Recebendo arquivo de insumo - [2] registros\n\n"
                     "Fim da Importação.\n"
                     "Informação: Operação realizada com sucesso!\n");
    const auto insumos = Insumos(kProdutoVazio);
    ASSERT_EQ(insumos.size(), 2u);
    EXPECT_EQ(insumos[1], kInscricaoTeste + "|2|2|1|R|73181500|<nulo>|Porca|<nulo>|1,5|<nulo>|<nulo>|");
}

TEST_F(ImportarAdminTeste, RecusasEFalhasNaoMudamNada) {
    const fs::path invalido = GravarArquivoEstruturaPropria(
        ambiente.Raiz(), {MontarLinha({"N", "73181500", "", "Arruela"}), MontarLinha({"N", "73181500", "", ""})});
    const std::string naoExiste = "'" + (ambiente.Raiz() / "nao-existe.txt").string() + "'";
    struct Caso {
        std::string args;
        int status;
        std::string saida;
    };
    const Caso casos[] = {
        {"999999999 1 " + naoExiste, 1, "Erro: A empresa de inscrição 999999999 não está cadastrada.\n"},
        {kInscricaoTeste + " 9 " + naoExiste, 1,
         "Erro: O produto 9 não existe na listagem da empresa " + kInscricaoTeste + ".\n"},
        {kInscricaoTeste + " 1x " + naoExiste, 1,
         "Erro: Código de produto inválido: '1x' (deve ser o número exp_codprod do produto).\n"},
        {kInscricaoTeste + " 1", 2, "Uso: korvex-admin importar INSCRICAO CODPROD ARQUIVO\n"},
        {kInscricaoTeste + " 1 '" + invalido.string() + "'", 1,
         "Início da Importação dos arquivos de Estrutura Própria\n\n"
         "Recebendo arquivo de insumo - [2] registros\n\n"
         "Erro: Houve um erro ao executar esta operação! \n\n"
         "[Erro na Descrição! Descrição referente ao Insumo do Tipo [Nacional] e NCM [73181500] encontra-se VAZIA]\n"},
    };
    const auto antes = Insumos(kProdutoComInsumos);
    for (const auto& caso : casos) {
        EXPECT_EQ(Admin("importar " + caso.args), caso.status) << caso.args;
        EXPECT_EQ(saida, caso.saida) << caso.args;
        EXPECT_EQ(Insumos(kProdutoComInsumos), antes) << caso.args;
    }
}

// The disk fills while the inputs are written (a limit on the size of the process's files): the
// import is rolled back, the message says so in Portuguese, and the database is sound and as it was.
TEST_F(ImportarAdminTeste, DiscoQueEncheNoMeioDesfazTudo) {
    std::vector<std::string> linhas;
    const std::string especificacao(1000, 'e');
    for (int i = 0; i < 2000; ++i) {
        linhas.push_back(MontarLinha({"N", "73181500", "", "Insumo " + std::to_string(i), "000000100000000", "1",
                                      "PN-" + std::to_string(i), especificacao}));
    }
    const fs::path arquivo = GravarArquivoEstruturaPropria(ambiente.Raiz(), linhas);
    const auto antes = Insumos(kProdutoComInsumos);
    LimitesProcesso discoCheio;
    discoCheio.tamanhoMaximoArquivo = static_cast<long>(fs::file_size(ambiente.Banco())) + 512 * 1024;

    EXPECT_EQ(ExecutarAdmin(ambiente.Raiz(),
                            "importar " + kInscricaoTeste + " " + kProdutoComInsumos + " '" + arquivo.string() + "'",
                            saida, discoCheio),
              1);

    EXPECT_THAT(saida, ::testing::EndsWith("Erro: Houve um erro ao executar esta operação! \n\n[Erro de leitura ou "
                                           "gravação no disco do banco de dados (o disco pode estar cheio ou com "
                                           "defeito). [disk I/O error]]\n"));
    TConexao c;
    ambiente.Conectar(c);
    TConsulta q(&c);
    EXPECT_EQ(q.Abrir("PRAGMA integrity_check").Texto(0), "ok");
    EXPECT_EQ(InsumosDoProduto(c, kProdutoComInsumos), antes);
}

// Runs korvex-admin importar in a child process with its output discarded.
pid_t IniciarImportacao(const fs::path& arquivo) {
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&acoes, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args = {KORVEX_ADMIN, "importar", kInscricaoTeste, kProdutoComInsumos, arquivo.string()};
    std::vector<char*> argv;
    for (auto& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int erro = posix_spawn(&pid, KORVEX_ADMIN, &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    return erro == 0 ? pid : -1;
}

uintmax_t TamanhoArquivo(const fs::path& arquivo) {
    std::error_code erro;
    const auto tamanho = fs::file_size(arquivo, erro);
    return erro ? 0 : tamanho;
}

// A file of kLinhasLongo valid inputs spread over many NCM codes, as a real listing is, so that
// its import takes a few seconds and writes its transaction to the journal as it goes.
constexpr int kLinhasLongo = 20000;

fs::path ArquivoLongo(const AmbienteTeste& ambiente) {
    constexpr int kNCMs = 1000;
    {
        TConexao c;
        ambiente.Conectar(c);
        TTransacao transacao(c);
        for (int n = 0; n < kNCMs; ++n) {
            c.Executar("INSERT INTO PRJ_NCM (ncm_codigo, ncm_descricao, uni_codigo) VALUES ('" +
                       std::to_string(50000000 + n) + "', 'NCM', '1')");
        }
        transacao.Confirmar();
    }
    std::vector<std::string> linhas;
    const std::string especificacao(300, 'e');
    for (int i = 0; i < kLinhasLongo; ++i) {
        linhas.push_back(
            MontarLinha({i % 2 ? "E" : "N", std::to_string(50000000 + i % kNCMs), "", "Insumo " + std::to_string(i),
                         "000000100000000", "1", "PN-" + std::to_string(i), especificacao}));
    }
    return GravarArquivoEstruturaPropria(ambiente.Raiz(), linhas);
}

TEST_F(ImportarAdminTeste, ProcessoMortoNoMeioNaoDeixaNada) {
    const fs::path arquivo = ArquivoLongo(ambiente);
    const fs::path wal = ambiente.Banco().string() + "-wal";
    const auto antes = Insumos(kProdutoComInsumos);

    // Where the kill lands: right after the start, while lines are read and checked, and
    // after the run has written growing parts of its transaction to the journal.
    struct Ponto {
        const char* nome;
        uintmax_t journalMinimo;
        int esperaMs;
    };
    const Ponto pontos[] = {
        {"at once", 0, 0},
        {"after 100 ms", 0, 100},
        {"0.5 MB in the journal", 1 << 19, 0},
        {"2 MB in the journal", 2 << 20, 0},
        {"5 MB in the journal", 5 << 20, 0},
    };
    int mortosNoMeio = 0;
    for (const auto& ponto : pontos) {
        ASSERT_FALSE(fs::exists(wal)) << ponto.nome << ": the journal of the previous run was not cleaned up";
        const pid_t pid = IniciarImportacao(arquivo);
        ASSERT_GT(pid, 0);
        int status = 0;
        bool terminou = false;
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (TamanhoArquivo(wal) < ponto.journalMinimo && std::chrono::steady_clock::now() < limite) {
            if ((terminou = waitpid(pid, &status, WNOHANG) == pid)) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(ponto.esperaMs));
        if (!terminou) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        const bool morto = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;

        TConexao c;
        ambiente.Conectar(c);
        TConsulta q(&c);
        q.DefinirSQL("PRAGMA integrity_check");
        q.Abrir();
        EXPECT_EQ(q.Texto(0), "ok") << ponto.nome;
        const auto depois = InsumosDoProduto(c, kProdutoComInsumos);
        if (depois == antes) {
            mortosNoMeio += morto ? 1 : 0;
        } else {
            // Killed after the commit (or not killed at all): then every line is there.
            EXPECT_EQ(depois.size(), antes.size() + kLinhasLongo) << ponto.nome;
            c.Executar("DELETE FROM KX_EXPINSUMO WHERE exp_codprod = 1 AND exp_codins > 7");
        }
    }
    EXPECT_GE(mortosNoMeio, 4) << "most kills must land while the import runs";
}

TEST_F(ImportarAdminTeste, CopiaDuranteImportacaoTemNenhumaOuTodasAsLinhas) {
    const fs::path arquivo = ArquivoLongo(ambiente);
    const fs::path wal = ambiente.Banco().string() + "-wal";
    const size_t antes = Insumos(kProdutoComInsumos).size();
    const pid_t pid = IniciarImportacao(arquivo);
    ASSERT_GT(pid, 0);
    int status = 0;
    bool terminou = false;
    // The first copy is taken once the run has written part of its transaction to the journal,
    // the next ones one after another until it ends, and a last one after its commit.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (TamanhoArquivo(wal) < (1u << 20) && std::chrono::steady_clock::now() < limite &&
           !(terminou = waitpid(pid, &status, WNOHANG) == pid)) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::vector<fs::path> copias;
    for (bool ultima = false; !ultima;) {
        ultima = terminou;
        copias.push_back(ambiente.Raiz() / ("copia-" + std::to_string(copias.size()) + ".db"));
        ASSERT_EQ(Admin("copia-seguranca '" + copias.back().string() + "'"), 0) << saida;
        terminou = terminou || waitpid(pid, &status, WNOHANG) == pid;
    }
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::vector<size_t> quantidades;
    for (const auto& copia : copias) {
        TConexao c;
        c.Abrir(copia.string(), kSenhaBanco);
        TConsulta q(&c);
        EXPECT_EQ(q.Abrir("PRAGMA integrity_check").Texto(0), "ok") << copia;
        quantidades.push_back(InsumosDoProduto(c, kProdutoComInsumos).size());
        EXPECT_TRUE(quantidades.back() == antes || quantidades.back() == antes + kLinhasLongo) << quantidades.back();
    }
    EXPECT_EQ(quantidades.front(), antes) << "the first copy must be taken while the import runs";
    EXPECT_EQ(quantidades.back(), antes + kLinhasLongo);
}

TEST_F(ImportarAdminTeste, ValidarMostraCadaLinhaInvalidaSemGravarNada) {
    const fs::path arquivo = GravarArquivoEstruturaPropria(
        ambiente.Raiz(), {
                             MontarLinha({"N", "73181500", "", "Arruela"}),
                             MontarLinha({"N", "73181500", "", ""}),
                             MontarLinha({"N", "73181500", "", "ARRUELA"}),
                             MontarLinha({"p", "85299020", "0001", ""}),
                             MontarLinha({"P", "73181500", "0001", "", "000000100000000", "1", "", "Aço"}),
                             MontarLinha({"N", "73181500", "", "Parafuso M3", "000000100000000", "2", "", "Aço inox"}),
                             MontarLinha({"E", "39269090", "", "Gabinete", "000000000000000", "1", "", "ABS"}),
                             MontarLinha({"E", "39269090", "", "Gabinete", "000000100000000", "1", "", "ABS"}),
                         });
    const auto antes = Insumos(kProdutoComInsumos);
    EXPECT_EQ(Admin("validar " + kInscricaoTeste + " 1 '" + arquivo.string() + "'"), 1);
    EXPECT_EQ(saida,
              "linha 2: Erro na Descrição! Descrição referente ao Insumo do Tipo [Nacional] e NCM [73181500] "
              "encontra-se VAZIA\n"
              "linha 3: Erro no Insumo! Insumo do Tipo [Nacional] e NCM [73181500] JA cadastrado\n"
              "linha 4: Erro no Tipo do Insumo! Tipo do Insumo [p] não existe.\n"
              "linha 5: Erro na NCM! NCM [73181500] vinculada ao Produto Vlt. [0401] não encontrada em PRJ_NCM. Favor "
              "providenciar atualização da tabela PRJ_NCM, ou corrigir o campo NCM_CODIGO no cadastro de insumos.\n"
              "linha 6: Erro no Insumo! Insumo do Tipo [Nacional] e NCM [73181500] JA cadastrado\n"
              "linha 7: Erro no Coeficiente Técnico! Coeficiente Técnico referente ao Insumo do Tipo [Estrangeiro] e "
              "NCM [39269090] encontra-se VAZIO\n"
              "6 linhas inválidas de 8.\n");
    EXPECT_EQ(Insumos(kProdutoComInsumos), antes);

    // A valid file passes and is still not stored: importing it afterwards numbers its inputs from 1.
    const fs::path valido = GravarArquivoEstruturaPropria(
        ambiente.Raiz(), {MontarLinha({"N", "73181500", "", "Arruela"}), MontarLinha({"R", "73181500", "", "Porca"})});
    EXPECT_EQ(Admin("validar " + kInscricaoTeste + " 2 '" + valido.string() + "'"), 0);
    EXPECT_EQ(saida, "Arquivo válido: 2 linhas passaram por todas as verificações da importação.\n");
    EXPECT_TRUE(Insumos(kProdutoVazio).empty());
    ASSERT_EQ(Admin("importar " + kInscricaoTeste + " 2 '" + valido.string() + "'"), 0) << saida;
    EXPECT_EQ(Insumos(kProdutoVazio).front().substr(0, 14), kInscricaoTeste + "|2|1|");

    const fs::path vazio = GravarArquivoEstruturaPropria(ambiente.Raiz(), {});
    EXPECT_EQ(Admin("validar " + kInscricaoTeste + " 2 '" + vazio.string() + "'"), 1);
    EXPECT_EQ(saida, "Erro: Erro no Arquivo! Este encontra-se VAZIO.\n");
}

} // namespace

#include "apoio/AmbienteTeste.h"
#include "apoio/ListagemEnvio.h"
#include "apoio/ServidorFTP.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Erros.h"
#include "comum/Plataforma.h"
#include "dados/DatConn.h"
#include "envio/GeracaoLE.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kSenhaRecusada = "O servidor FTP recusou o usuário ou a senha. [530 Authentication failed.]";
const std::string kFalhaFTP = "Erro no Envio do arquivo via FTP! Favor verificar o log de exceções para apurar o erro.";

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

// The lines of a file whose every line ends with CR LF (a missing last line end is kept as a
// last line, so a test sees it).
std::vector<std::string> Linhas(const std::string& bytes) {
    std::vector<std::string> linhas;
    size_t inicio = 0;
    for (size_t fim; (fim = bytes.find("\r\n", inicio)) != std::string::npos; inicio = fim + 2) {
        linhas.push_back(bytes.substr(inicio, fim - inicio));
    }
    if (inicio < bytes.size()) {
        linhas.push_back(bytes.substr(inicio));
    }
    return linhas;
}

// A listening socket of 127.0.0.1 that only tells whether anybody connected to it.
class Escuta {
public:
    Escuta() {
        socket_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in endereco{};
        endereco.sin_family = AF_INET;
        endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t tamanho = sizeof endereco;
        if (bind(socket_, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 || listen(socket_, 4) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0) {
            throw std::runtime_error("não foi possível escutar em 127.0.0.1");
        }
        porta_ = ntohs(endereco.sin_port);
    }
    ~Escuta() { close(socket_); }
    int Porta() const { return porta_; }
    bool RecebeuConexao() const {
        const int conexao = accept(socket_, nullptr, nullptr);
        if (conexao >= 0) {
            close(conexao);
        }
        return conexao >= 0;
    }

private:
    int socket_ = -1;
    int porta_ = 0;
};

OpcoesFTP OpcoesLocais(int porta) {
    OpcoesFTP opcoes;
    opcoes.servidor = "127.0.0.1";
    opcoes.porta = porta;
    return opcoes;
}

class GeracaoLETeste : public ::testing::Test {
protected:
    void SetUp() override {
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        ASSERT_TRUE(dm_DatConn->Conectar());
        CriarListagemEnvio(dm_DatConn->adocon_korvex);
        parametros.pasta = PastaTemporaria();
        parametros.inscricao = kInscricaoEnvio;
        parametros.produtos = {{true, "2"}, {true, "3"}, {false, "1"}};
        parametros.consulta = &dm_DatConn->qry_sel;
        acompanhamento.registrar = [this](const std::string& linha) {
            log.push_back(linha);
            caixasNoLog.push_back(caixas.Mostradas().size());
        };
        acompanhamento.iniciarProgresso = [this](int maximo) { progresso.push_back(-maximo); };
        acompanhamento.avancarProgresso = [this] { progresso.push_back(log.size()); };
    }
    void TearDown() override { dm_DatConn.reset(); }

    // The file of the run: the one listing file in its folder.
    fs::path Arquivo() const {
        std::vector<fs::path> arquivos;
        for (const auto& entrada : fs::directory_iterator(parametros.pasta)) {
            if (entrada.path().filename().string().starts_with("LE")) {
                arquivos.push_back(entrada.path());
            }
        }
        EXPECT_EQ(arquivos.size(), 1u);
        return arquivos.empty() ? fs::path() : arquivos.front();
    }
    std::string NomeArquivo() const { return Arquivo().filename().string(); }

    AmbienteTeste ambiente;
    CaixasRoteiro caixas;
    ParametrosEnvio parametros;
    AcompanhamentoEnvio acompanhamento;
    std::vector<std::string> log;
    std::vector<size_t> caixasNoLog; // boxes shown when each log line came
    std::vector<long> progresso;     // -maximum at the start, then the log size at each step
};

TEST_F(GeracaoLETeste, SomenteGerarGravaOsMarcadosNaOrdemDaListaSemUsarARede) {
    const fs::path pasta = ambiente.Raiz() / "saida";
    fs::create_directory(pasta);
    parametros.pasta = pasta.string() + "/";
    Escuta rede;
    parametros.opcoesFTP = OpcoesLocais(rede.Porta());
    parametros.somenteGerar = true;

    const std::time_t antes = std::time(nullptr);
    const ResultadoEnvio resultado = GerarListagem(parametros, acompanhamento);
    const std::time_t depois = std::time(nullptr);
    ASSERT_TRUE(resultado.sucesso);

    // "LE" + registration + the local time of the run + ".TXT", in the folder given, whose path
    // the run gives back.
    std::set<std::string> nomes;
    for (std::time_t t = antes; t <= depois; ++t) {
        nomes.insert("LE200123456" + CarimboArquivoLE(*std::localtime(&t)) + ".TXT");
    }
    EXPECT_TRUE(nomes.contains(NomeArquivo())) << NomeArquivo();
    EXPECT_EQ(fs::path(resultado.arquivo), pasta / NomeArquivo());

    const std::vector<std::string> linhas = Linhas(LerBytes(Arquivo()));
    ASSERT_EQ(linhas.size(), 5u);
    EXPECT_EQ(linhas[0], "VERSAO 07/11/2018");
    EXPECT_EQ(linhas[1].substr(0, 31), "P2001234562   10852872000401001");
    EXPECT_EQ(linhas[1].substr(31, 12), "TV A\xC7"
                                        "A\xCD 43\" ");
    // Inputs in the order the database returns them; the coefficients with every digit.
    EXPECT_EQ(linhas[2].substr(0, 22), "I2001234562   1    1 E");
    EXPECT_EQ(linhas[2].substr(34, 20), "00000000000001234567");
    EXPECT_EQ(linhas[2].substr(338, 21), "Resolu\xE7\xE3o 3840x2160  ");
    EXPECT_EQ(linhas[3].substr(0, 22), "I2001234562   2    1 N");
    EXPECT_EQ(linhas[3].substr(34, 20), "00000123456789876543");
    // A ticked product without inputs, and nothing of the unticked one.
    EXPECT_EQ(linhas[4].substr(0, 31), "P2001234563   1 852873000401001");
    for (const auto& linha : linhas) {
        EXPECT_EQ(linha.size(), linha[0] == 'I' ? 4061u : linha[0] == 'P' ? 326u : 17u);
    }

    EXPECT_THAT(log, ElementsAre("Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                                 "Fim do Envio da LE."));
    EXPECT_THAT(progresso, ElementsAre(-2, 2, 2));
    EXPECT_EQ(caixas.Mostradas(),
              (std::vector<CaixaMostrada>{{TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"}}));
    EXPECT_FALSE(rede.RecebeuConexao());
}

TEST_F(GeracaoLETeste, EnviaOArquivoAoServidor) {
    ServidorFTP servidor;
    parametros.opcoesFTP = OpcoesLocais(servidor.Porta());

    const ResultadoEnvio resultado = GerarListagem(parametros, acompanhamento);
    ASSERT_TRUE(resultado.sucesso);

    EXPECT_EQ(fs::path(resultado.arquivo), Arquivo());
    const std::string local = LerBytes(Arquivo());
    EXPECT_EQ(Linhas(local).size(), 5u);
    EXPECT_EQ(LerBytes(servidor.Pasta() / NomeArquivo()), local);
    EXPECT_THAT(log, ElementsAre("Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                                 "Conectando com servidor.", "Iniciando envio do arquivo via FTP.",
                                 "Enviando arquivo de " + std::to_string(local.size()) + " bytes ...",
                                 "Transferencia concluída.", "Fim do Envio da LE."));
    EXPECT_EQ(caixas.Mostradas(),
              (std::vector<CaixaMostrada>{{TipoCaixa::Informacao, "Informação", "Operação realizada com sucesso!"}}));
    EXPECT_THAT(servidor.Comandos(), ::testing::Contains("STOR " + NomeArquivo()));
}

TEST_F(GeracaoLETeste, RecusaDoServidorMostraOErroEOFracassoEGuardaOArquivo) {
    ServidorFTP servidor({.senha = "outra"});
    parametros.opcoesFTP = OpcoesLocais(servidor.Porta());

    EXPECT_FALSE(GerarListagem(parametros, acompanhamento).sucesso);

    EXPECT_THAT(log, ElementsAre("Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                                 "Conectando com servidor.", "Fim do Envio da LE."));
    EXPECT_EQ(caixasNoLog.back(), 1u); // the error box came before "Fim do Envio da LE."
    EXPECT_EQ(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", kSenhaRecusada},
                                                              {TipoCaixa::Informacao, "Erro", kFalhaFTP}}));
    EXPECT_EQ(Linhas(LerBytes(Arquivo())).size(), 5u);
    EXPECT_FALSE(fs::exists(servidor.Pasta() / NomeArquivo()));
}

TEST_F(GeracaoLETeste, ErroNaGeracaoParaSemEnviarNemMostrarCaixas) {
    struct Caso {
        const char* nome;
        const char* sql; // a change made after the list was loaded
        std::string mensagem;
    };
    const Caso casos[] = {
        {"produto excluído", "DELETE FROM KX_EXPPRODUTO WHERE exp_codprod = 1",
         "O produto 1 não está mais na listagem da empresa 200123456: foi excluído depois que a lista de produtos "
         "foi carregada. Localize os produtos novamente e repita o envio."},
        {"coeficiente negativo", "UPDATE KX_EXPINSUMO SET exp_coeftec = -0.5 WHERE exp_codprod = 1",
         "Não foi possível gravar o insumo 1 (\"Compressor\") do produto 1 no arquivo da listagem de exportação: o "
         "coeficiente técnico -0,5 não cabe no arquivo, que aceita de 0 a 99.999.999,9999999."},
        {"coeficiente grande", "UPDATE KX_EXPINSUMO SET exp_coeftec = 100000000 WHERE exp_codprod = 1",
         "Não foi possível gravar o insumo 1 (\"Compressor\") do produto 1 no arquivo da listagem de exportação: o "
         "coeficiente técnico 100000000 não cabe no arquivo, que aceita de 0 a 99.999.999,9999999."},
        {"coeficiente nulo", "UPDATE KX_EXPINSUMO SET exp_coeftec = null WHERE exp_codprod = 1",
         "Não foi possível ler o insumo 1 do produto 1 da listagem: '' não é um valor de ponto flutuante válido"},
    };
    Escuta rede;
    parametros.opcoesFTP = OpcoesLocais(rede.Porta());
    parametros.produtos = {{true, "2"}, {true, "1"}, {true, "3"}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        TConexao& conexao = dm_DatConn->adocon_korvex;
        for (const char* tabela :
             {"KX_EXPINSUMO", "KX_EXPPRODUTO", "KX_EMPRESA", "KXUNIDADES", "T_PROXVM", "PRJ_TIPO_PROD"}) {
            conexao.Executar(std::string("DELETE FROM ") + tabela);
        }
        CriarListagemEnvio(conexao);
        conexao.Executar(caso.sql);
        log.clear();
        progresso.clear();

        EXPECT_THAT([&] { GerarListagem(parametros, acompanhamento); },
                    ::testing::ThrowsMessage<ErroGeral>(::testing::StrEq(caso.mensagem)));

        EXPECT_THAT(log, ElementsAre("Início do Envio da LE.", "Exportando informações dos Produtos e Insumos."));
        EXPECT_THAT(progresso, ElementsAre(-3, 2));
        EXPECT_THAT(caixas.Mostradas(), IsEmpty());
        EXPECT_FALSE(rede.RecebeuConexao());
        // What was written before the error is removed: no file cut short is left to be sent.
        EXPECT_TRUE(fs::is_empty(parametros.pasta));
    }
}

TEST(CarimboArquivoLE, DiaMesAnoHoraMinutoSegundo) {
    std::tm momento{};
    momento.tm_mday = 7;
    momento.tm_mon = 10;
    momento.tm_year = 118;
    momento.tm_hour = 14;
    momento.tm_min = 30;
    momento.tm_sec = 5;
    EXPECT_EQ(CarimboArquivoLE(momento), "07NOV2018143005");
    momento = {};
    momento.tm_mday = 1;
    momento.tm_year = 100;
    EXPECT_EQ(CarimboArquivoLE(momento), "01JAN2000000000");
}

} // namespace

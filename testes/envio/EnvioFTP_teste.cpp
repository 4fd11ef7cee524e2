#include "apoio/ServidorFTP.h"
#include "envio/EnvioFTP.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

namespace {

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

// Every byte value, CR LF pairs and lone CR and LF, repeated past curl's upload buffer so
// that the file goes in several reads.
std::string ConteudoBinario() {
    std::string bloco;
    for (int b = 0; b < 256; ++b) {
        bloco += char(b);
        bloco += (b % 3 == 0) ? "\r\n" : (b % 3 == 1) ? "\n" : "\r";
    }
    std::string conteudo;
    while (conteudo.size() < 200'000) {
        conteudo += bloco;
    }
    return conteudo;
}

class EnvioFTPTeste : public ::testing::Test {
protected:
    void SetUp() override {
        std::string modelo = (fs::temp_directory_path() / "korvex-envio-XXXXXX").string();
        ASSERT_NE(mkdtemp(modelo.data()), nullptr);
        pasta = modelo;
    }
    void TearDown() override { fs::remove_all(pasta); }

    fs::path Gravar(const fs::path& relativo, const std::string& bytes) {
        const fs::path caminho = pasta / relativo;
        fs::create_directories(caminho.parent_path());
        std::ofstream(caminho, std::ios::binary) << bytes;
        return caminho;
    }

    static OpcoesFTP Opcoes(int porta) {
        OpcoesFTP opcoes;
        opcoes.servidor = "127.0.0.1";
        opcoes.porta = porta;
        return opcoes;
    }

    ResultadoFTP Enviar(const fs::path& arquivo, const OpcoesFTP& opcoes) {
        return EnviarFTP(
            arquivo, [this](const std::string& linha) { log.push_back(linha); }, opcoes);
    }

    fs::path pasta;
    std::vector<std::string> log;
};

TEST_F(EnvioFTPTeste, EnviaOsBytesSemAlteracaoEmModoAtivoBinario) {
    ServidorFTP servidor;
    const std::string conteudo = ConteudoBinario();
    const fs::path arquivo = Gravar("LE20012345607NOV2018143005.TXT", conteudo);

    const ResultadoFTP resultado = Enviar(arquivo, Opcoes(servidor.Porta()));

    ASSERT_TRUE(resultado.sucesso) << resultado.mensagem;
    EXPECT_EQ(LerBytes(servidor.Pasta() / "LE20012345607NOV2018143005.TXT"), conteudo);
    EXPECT_EQ(LerBytes(arquivo), conteudo);
    EXPECT_THAT(log, ElementsAre("Conectando com servidor.", "Iniciando envio do arquivo via FTP.",
                                 "Enviando arquivo de " + std::to_string(conteudo.size()) + " bytes ...",
                                 "Transferencia concluída."));

    // Login, binary type and PORT (both before the store, in whichever order), STOR under the
    // plain name in the login folder, QUIT; no passive or extended modes, no change of folder.
    const std::vector<std::string> comandos = servidor.Comandos();
    const auto posicao = [&](const std::string& inicio) {
        const auto it =
            std::find_if(comandos.begin(), comandos.end(), [&](const auto& c) { return c.starts_with(inicio); });
        EXPECT_NE(it, comandos.end()) << inicio;
        return it - comandos.begin();
    };
    EXPECT_EQ(posicao("USER usukorvex"), 0);
    EXPECT_EQ(posicao("PASS "), 1);
    EXPECT_LT(posicao("TYPE I"), posicao("STOR "));
    EXPECT_LT(posicao("PORT "), posicao("STOR "));
    EXPECT_EQ(comandos.at(posicao("STOR ")), "STOR LE20012345607NOV2018143005.TXT");
    EXPECT_EQ(comandos.back(), "QUIT");
    for (const auto& comando : comandos) {
        for (const char* proibido : {"EPRT", "PASV", "EPSV", "CWD", "APPE", "TYPE A"}) {
            EXPECT_THAT(comando, ::testing::Not(StartsWith(proibido)));
        }
    }
}

TEST_F(EnvioFTPTeste, NovoEnvioDoMesmoNomeSubstituiOArquivoRemoto) {
    ServidorFTP servidor;
    ASSERT_TRUE(Enviar(Gravar("primeiro/LE1.TXT", ConteudoBinario()), Opcoes(servidor.Porta())).sucesso);
    ASSERT_TRUE(Enviar(Gravar("segundo/LE1.TXT", "curto\r\n"), Opcoes(servidor.Porta())).sucesso);
    EXPECT_EQ(LerBytes(servidor.Pasta() / "LE1.TXT"), "curto\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(servidor.Pasta()), {}), 1);
}

TEST_F(EnvioFTPTeste, RecusaDoServidorVoltaComoMensagemEPreservaOArquivo) {
    struct Caso {
        OpcoesServidorFTP servidor;
        std::string mensagem;
        std::vector<std::string> log;
    };
    // Options set one by one: designated initializers in this array make g++ 12 at -O3 warn of
    // the password string as maybe uninitialised.
    OpcoesServidorFTP senhaErrada, somenteLeitura, semCota;
    senhaErrada.senha = "outra";
    somenteLeitura.somenteLeitura = true;
    semCota.cota = true;
    const Caso casos[] = {
        {senhaErrada,
         "O servidor FTP recusou o usuário ou a senha. [530 Authentication failed.]",
         {"Conectando com servidor."}},
        {somenteLeitura,
         "O servidor FTP recusou gravar o arquivo (sem permissão ou arquivo indisponível). [550 Not enough "
         "privileges.]",
         {"Conectando com servidor.", "Iniciando envio do arquivo via FTP."}},
        {semCota,
         "O servidor FTP não tem espaço para o arquivo (cota da conta excedida ou disco cheio). [552 Requested file "
         "action aborted. Exceeded storage allocation.]",
         {"Conectando com servidor.", "Iniciando envio do arquivo via FTP."}},
    };
    const fs::path arquivo = Gravar("LE1.TXT", "dados\r\n");
    for (const Caso& caso : casos) {
        ServidorFTP servidor(caso.servidor);
        log.clear();
        const ResultadoFTP resultado = Enviar(arquivo, Opcoes(servidor.Porta()));
        EXPECT_FALSE(resultado.sucesso);
        EXPECT_EQ(resultado.mensagem, caso.mensagem);
        EXPECT_EQ(log, caso.log);
        EXPECT_EQ(LerBytes(arquivo), "dados\r\n");
        EXPECT_FALSE(fs::exists(servidor.Pasta() / "LE1.TXT"));
    }
}

// A link that breaks in the middle of the transfer: the upload fails at once with a message in
// Portuguese (the server's 426 or the broken connection, whichever libcurl sees first; not the
// reply bound running out), and the local file stays as it was.
TEST_F(EnvioFTPTeste, ConexaoDeDadosCortadaNoMeioFalhaSemEsperar) {
    OpcoesServidorFTP cortado;
    cortado.cortarDadosApos = 64 * 1024;
    ServidorFTP servidor(cortado);
    const std::string conteudo = ConteudoBinario();
    const fs::path arquivo = Gravar("LE1.TXT", conteudo);
    OpcoesFTP opcoes = Opcoes(servidor.Porta());
    opcoes.tempoRespostaS = 20;

    const ResultadoFTP resultado = Enviar(arquivo, opcoes);

    EXPECT_FALSE(resultado.sucesso);
    EXPECT_THAT(resultado.mensagem,
                ::testing::AnyOf(StartsWith("A conexão com o servidor FTP 127.0.0.1:" +
                                            std::to_string(servidor.Porta()) + " foi interrompida. ["),
                                 StartsWith("O servidor FTP interrompeu a transferência do arquivo. [426 ")));
    EXPECT_THAT(log, ElementsAre("Conectando com servidor.", "Iniciando envio do arquivo via FTP.",
                                 "Enviando arquivo de " + std::to_string(conteudo.size()) + " bytes ..."));
    EXPECT_EQ(LerBytes(arquivo), conteudo);
}

TEST_F(EnvioFTPTeste, PortaFechadaFalhaAoConectar) {
    const int porta = PortaFechada();
    const ResultadoFTP resultado = Enviar(Gravar("LE1.TXT", "dados\r\n"), Opcoes(porta));
    EXPECT_FALSE(resultado.sucesso);
    EXPECT_EQ(resultado.mensagem, "Não foi possível conectar ao servidor FTP 127.0.0.1:" + std::to_string(porta) +
                                      ". [Couldn't connect to server]");
    EXPECT_THAT(log, ElementsAre("Conectando com servidor."));
}

TEST_F(EnvioFTPTeste, ServidorQueNaoRespondeEsgotaOTempoDeResposta) {
    ServidorFTP servidor({.mudo = true});
    OpcoesFTP opcoes = Opcoes(servidor.Porta());
    opcoes.tempoRespostaS = 2;
    // The host is called back while the server stays silent, so its window keeps painted.
    int esperas = 0;
    opcoes.aguardar = [&esperas]() { ++esperas; };
    const ResultadoFTP resultado = Enviar(Gravar("LE1.TXT", "dados\r\n"), opcoes);
    EXPECT_FALSE(resultado.sucesso);
    EXPECT_THAT(resultado.mensagem, StartsWith("Tempo esgotado esperando resposta do servidor FTP"));
    EXPECT_THAT(log, ElementsAre("Conectando com servidor."));
    EXPECT_GE(esperas, 2);
}

TEST_F(EnvioFTPTeste, ArquivoLocalAusenteFalhaSemConectar) {
    ServidorFTP servidor;
    fs::create_directory(pasta / "LE2.TXT");
    for (const fs::path& arquivo : {pasta / "LE1.TXT", pasta / "LE2.TXT"}) {
        const ResultadoFTP resultado = Enviar(arquivo, Opcoes(servidor.Porta()));
        EXPECT_FALSE(resultado.sucesso);
        EXPECT_EQ(resultado.mensagem, "O arquivo \"" + arquivo.string() + "\" não foi encontrado.");
    }
    EXPECT_THAT(log, IsEmpty());
    EXPECT_THAT(servidor.Comandos(), IsEmpty());
}

TEST_F(EnvioFTPTeste, ErroAoRegistrarEncerraASessaoEChegaAoChamador) {
    ServidorFTP servidor;
    const fs::path arquivo = Gravar("LE1.TXT", "dados\r\n");
    const auto registrar = [](const std::string& linha) {
        if (linha.starts_with("Enviando")) {
            throw std::runtime_error("registro falhou");
        }
    };
    EXPECT_THROW(EnviarFTP(arquivo, registrar, Opcoes(servidor.Porta())), std::runtime_error);
    EXPECT_EQ(LerBytes(arquivo), "dados\r\n");
}

TEST(OpcoesFTPPadrao, ServidorDaAgenciaOuODaVariavelDeAmbiente) {
    unsetenv("KORVEX_FTP_SERVIDOR");
    const OpcoesFTP padrao = OpcoesFTPPadrao();
    EXPECT_EQ(padrao.servidor, kServidorFTPAgencia);
    EXPECT_EQ(padrao.porta, 21);
    EXPECT_EQ(padrao.usuario, "usukorvex");
    EXPECT_EQ(padrao.senha, "m%&734k");
    EXPECT_EQ(padrao.tempoConexaoMs, 10000);

    const std::tuple<const char*, const char*, long> casos[] = {
        {"127.0.0.1:2121", "127.0.0.1", 2121},
        {"ftp.exemplo.com.br:21", "ftp.exemplo.com.br", 21},
        {"[::1]:2121", "[::1]", 2121},
        {"127.0.0.1", "127.0.0.1", 0},
        {"127.0.0.1:", "127.0.0.1:", 0},
        {"127.0.0.1:porta", "127.0.0.1:porta", 0},
        {"127.0.0.1:70000", "127.0.0.1:70000", 0},
        {":21", ":21", 0},
    };
    for (const auto& [valor, servidor, porta] : casos) {
        setenv("KORVEX_FTP_SERVIDOR", valor, 1);
        const OpcoesFTP opcoes = OpcoesFTPPadrao();
        EXPECT_EQ(opcoes.servidor, servidor) << valor;
        EXPECT_EQ(opcoes.porta, porta) << valor;
    }
    unsetenv("KORVEX_FTP_SERVIDOR");
}

TEST(OpcoesFTPPadrao, EnderecoInvalidoRecusadoSemConectar) {
    OpcoesFTP opcoes;
    opcoes.servidor = "127.0.0.1:porta";
    opcoes.porta = 0;
    std::vector<std::string> log;
    const ResultadoFTP resultado = EnviarFTP(
        KORVEX_DIR_FIXTURES "/servidor_ftp.py", [&](const std::string& linha) { log.push_back(linha); }, opcoes);
    EXPECT_FALSE(resultado.sucesso);
    EXPECT_EQ(resultado.mensagem, "Endereço do servidor FTP inválido: \"127.0.0.1:porta\" (esperado servidor:porta).");
    EXPECT_THAT(log, IsEmpty());
}

} // namespace

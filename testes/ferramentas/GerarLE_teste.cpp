#include "apoio/AmbienteTeste.h"
#include "apoio/ListagemEnvio.h"
#include "apoio/ServidorFTP.h"
#include "dados/BancoDados.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

namespace {

std::string LerBytes(const fs::path& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), {}};
}

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);) {
        linhas.push_back(linha.ends_with('\r') ? linha.substr(0, linha.size() - 1) : linha);
    }
    return linhas;
}

// The record type and codes that begin each line of an export listing file.
std::vector<std::string> Registros(const fs::path& arquivo) {
    std::vector<std::string> registros;
    for (const std::string& linha : Linhas(LerBytes(arquivo))) {
        registros.push_back(linha.substr(0, linha[0] == 'I' ? 19 : linha[0] == 'P' ? 14 : linha.size()));
    }
    return registros;
}

class GerarLETeste : public ::testing::Test {
protected:
    void SetUp() override {
        TConexao conexao;
        ambiente.Conectar(conexao);
        CriarListagemEnvio(conexao);
    }
    void TearDown() override { unsetenv("KORVEX_FTP_SERVIDOR"); }

    int Admin(const std::string& args) { return ExecutarAdmin(ambiente.Raiz(), "gerar-le " + args, saida); }

    AmbienteTeste ambiente;
    std::string saida;
};

TEST_F(GerarLETeste, PastaGeraSoOsProdutosPedidosNaOrdemDaLista) {
    const fs::path pasta = ambiente.Raiz() / "saida";
    fs::create_directory(pasta);

    ASSERT_EQ(Admin("200123456 --pasta " + pasta.string() + " --produtos 1,2,2"), 0) << saida;

    const std::vector<std::string> linhas = Linhas(saida);
    ASSERT_EQ(linhas.size(), 5u) << saida;
    EXPECT_THAT(linhas, ElementsAre("Início do Envio da LE.", "Exportando informações dos Produtos e Insumos.",
                                    "Fim do Envio da LE.", "Informação: Operação realizada com sucesso!",
                                    MatchesRegex(pasta.string() + "/LE200123456[0-9]{2}[A-Z]{3}[0-9]{10}\\.TXT")));
    EXPECT_THAT(Registros(linhas.back()), ElementsAre("VERSAO 07/11/2018", "P2001234562   ", "I2001234562   1    ",
                                                      "I2001234562   2    ", "P2001234561   ", "I2001234561   1    "));
    EXPECT_TRUE(fs::is_empty(ambiente.Raiz() / "VELTRAN" / "KORVEX" / "TEMP"));
}

TEST_F(GerarLETeste, EnviarGeraNaPastaTemporariaEEnviaTodos) {
    ServidorFTP servidor;
    setenv("KORVEX_FTP_SERVIDOR", servidor.Endereco().c_str(), 1);

    ASSERT_EQ(Admin("200123456 --enviar"), 0) << saida;

    const std::vector<std::string> linhas = Linhas(saida);
    const fs::path arquivo = linhas.back();
    EXPECT_EQ(arquivo.parent_path(), ambiente.Raiz() / "VELTRAN" / "KORVEX" / "TEMP");
    EXPECT_EQ(linhas.at(linhas.size() - 2), "Informação: Operação realizada com sucesso!");
    EXPECT_THAT(saida, HasSubstr("Transferencia concluída.\nFim do Envio da LE.\n"));
    EXPECT_THAT(Registros(arquivo),
                ElementsAre("VERSAO 07/11/2018", "P2001234562   ", "I2001234562   1    ", "I2001234562   2    ",
                            "P2001234563   ", "P2001234561   ", "I2001234561   1    "));
    EXPECT_EQ(LerBytes(servidor.Pasta() / arquivo.filename()), LerBytes(arquivo));
}

TEST_F(GerarLETeste, RecusaDoServidorSaiComErroEGuardaOArquivo) {
    ServidorFTP servidor({.senha = "outra"});
    setenv("KORVEX_FTP_SERVIDOR", servidor.Endereco().c_str(), 1);

    EXPECT_NE(Admin("200123456 --enviar --produtos 3"), 0);

    EXPECT_THAT(saida, HasSubstr("Erro: O servidor FTP recusou o usuário ou a senha. [530 Authentication failed.]\n"
                                 "Fim do Envio da LE.\nErro: Erro no Envio do arquivo via FTP! Favor verificar o "
                                 "log de exceções para apurar o erro.\n"));
    const fs::path arquivo = Linhas(saida).back();
    EXPECT_THAT(Registros(arquivo), ElementsAre("VERSAO 07/11/2018", "P2001234563   "));
}

TEST_F(GerarLETeste, PedidosQueNaoPodemSerAtendidos) {
    {
        TConexao conexao;
        ambiente.Conectar(conexao);
        conexao.Executar("UPDATE KX_EXPINSUMO SET exp_coeftec = 123456789 WHERE exp_codprod = 2 AND exp_codins = 2");
    }
    const std::string pasta = " --pasta " + ambiente.Raiz().string();
    const std::pair<std::string, std::string> casos[] = {
        {"200123456", "Escolha --pasta PASTA (somente gerar) ou --enviar."},
        {"200123456 --enviar" + pasta, "Escolha --pasta PASTA (somente gerar) ou --enviar."},
        {"--enviar", "Informe a inscrição da empresa."},
        {"20012345 --enviar", "Inscrição inválida: \"20012345\". A inscrição Veltran tem 9 dígitos."},
        {"'200123456;' --enviar", "Inscrição inválida: \"200123456;\"."},
        {"200123456 --enviar --produtos 1,x", "Código de produto inválido em --produtos: \"x\"."},
        {"200123456 --enviar --produtos", "Falta o valor de --produtos."},
        {"200123456 --pasta /nao/existe", "A pasta de destino não existe: /nao/existe"},
        {"200123456 --enviar --ftp", "Argumento inesperado: \"--ftp\"."},
        {"200123456 --produtos 1,99" + pasta, "Erro: O produto 99 não está na listagem da empresa 200123456."},
        {"200654321" + pasta, "Erro: A empresa 200654321 não tem produtos na listagem de exportação."},
        {"999999999" + pasta, "Erro: A empresa 999999999 não tem produtos na listagem de exportação."},
        {"200123456" + pasta,
         "Erro: Não foi possível gravar o insumo 2 (\"Parafuso\") do produto 2 no arquivo da listagem de exportação: "
         "o coeficiente técnico 123456789 não cabe no arquivo, que aceita de 0 a 99.999.999,9999999."},
    };
    for (const auto& [argumentos, mensagem] : casos) {
        EXPECT_NE(Admin(argumentos), 0) << argumentos;
        EXPECT_THAT(saida, HasSubstr(mensagem)) << argumentos;
        EXPECT_THAT(saida, ::testing::Not(HasSubstr("Operação realizada"))) << argumentos;
    }
}

// A disk that fills while the file is written, and a folder that may not be written to: the
// message says why in Portuguese, the status is 1, no file is left in the folder (neither cut
// short nor half-named) and the database is as it was.
TEST_F(GerarLETeste, ArquivoQueNaoPodeSerGravadoNaoFicaNaPasta) {
    TConexao conexao;
    ambiente.Conectar(conexao);
    // Inputs enough for a file of about 160 KB.
    for (int codigo = 3; codigo <= 40; ++codigo) {
        conexao.Executar("INSERT INTO KX_EXPINSUMO (emp_inscvlt, exp_codprod, exp_codins, codunid, exp_tipoins, "
                         "exp_ncmins, exp_descins, exp_coeftec) SELECT emp_inscvlt, exp_codprod, " +
                         std::to_string(codigo) +
                         ", codunid, exp_tipoins, exp_ncmins, exp_descins, exp_coeftec FROM KX_EXPINSUMO WHERE "
                         "exp_codprod = 2 AND exp_codins = 1");
    }
    const auto contar = [&conexao] {
        TConsulta q(&conexao);
        return q.Abrir("SELECT count(*) FROM KX_EXPINSUMO").Texto(0);
    };
    const std::string insumos = contar();
    struct Caso {
        const char* nome;
        LimitesProcesso limites;
        fs::perms permissoes;
        std::string falha;
    };
    LimitesProcesso discoCheio, semPermissao;
    discoCheio.tamanhoMaximoArquivo = 64 * 1024;
    semPermissao.respeitarPermissoes = true;
    const Caso casos[] = {
        {"disco cheio", discoCheio, fs::perms::owner_all,
         "gravar o arquivo .*: o arquivo passou do tamanho máximo permitido \\(ou o disco está cheio\\) \\[File too "
         "large\\]\\."},
        {"pasta só de leitura", semPermissao, fs::perms::owner_read | fs::perms::owner_exec,
         "criar o arquivo .*: acesso negado: falta permissão para usar o arquivo ou a pasta \\[Permission "
         "denied\\]\\."},
    };
    const fs::path pasta = ambiente.Raiz() / "saida";
    for (const Caso& caso : casos) {
        fs::create_directory(pasta);
        fs::permissions(pasta, caso.permissoes);
        EXPECT_EQ(ExecutarAdmin(ambiente.Raiz(), "gerar-le 200123456 --pasta " + pasta.string(), saida, caso.limites),
                  1)
            << caso.nome;
        EXPECT_THAT(Linhas(saida).back(), MatchesRegex("Erro: Não foi possível " + caso.falha)) << caso.nome;
        EXPECT_THAT(saida, ::testing::Not(HasSubstr("Operação realizada"))) << caso.nome;
        fs::permissions(pasta, fs::perms::owner_all);
        EXPECT_TRUE(fs::is_empty(pasta)) << caso.nome;
        fs::remove_all(pasta);
    }
    TConsulta integridade(&conexao);
    EXPECT_EQ(integridade.Abrir("PRAGMA integrity_check").Texto(0), "ok");
    EXPECT_EQ(contar(), insumos);
}

TEST(GerarLE, SemBancoMostraOErroDeConexao) {
    AmbienteTeste ambiente({.criarBanco = false});
    std::string saida;
    EXPECT_NE(ExecutarAdmin(ambiente.Raiz(), "gerar-le 200123456 --enviar", saida), 0);
    EXPECT_THAT(saida, ::testing::StartsWith("Erro conexão: Ocorreu um erro ao tentar efetuar a conexão com o banco!\n"
                                             "Descrição do erro:\n\n"));
}

} // namespace

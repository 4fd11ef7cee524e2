#include "comum/Erros.h"
#include "comum/Falhas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <curl/curl.h>
#include <sqlite3.h>

#include <cerrno>

namespace {

struct Caso {
    const char* falha;
    std::string texto;
    std::string esperado;
};

// The common failures a user meets, each in Portuguese with the original text in brackets.
TEST(Falhas, TextoEmPortuguesComOOriginalEntreColchetes) {
    const Caso casos[] = {
        {"file missing", DescreverErroSistema(ENOENT), "o arquivo ou a pasta não existe [No such file or directory]"},
        {"permission denied", DescreverErroSistema(EACCES),
         "acesso negado: falta permissão para usar o arquivo ou a pasta [Permission denied]"},
        {"read-only folder", DescreverErroSistema(EROFS),
         "a pasta está num disco somente de leitura [Read-only file system]"},
        {"disk full", DescreverErroSistema(ENOSPC), "o disco está cheio [No space left on device]"},
        {"file too large", DescreverErroSistema(EFBIG),
         "o arquivo passou do tamanho máximo permitido (ou o disco está cheio) [File too large]"},
        {"other errno", DescreverErroSistema(EXDEV), "falha do sistema [Invalid cross-device link]"},
        {"database in use", DescreverErroBanco(SQLITE_BUSY, "database is locked"),
         "O banco de dados está em uso por outro programa (outra cópia deste programa ou o korvex-admin). Espere que "
         "ele termine e repita a operação. [database is locked]"},
        {"database disk full", DescreverErroBanco(SQLITE_FULL, "database or disk is full"),
         "O disco do banco de dados está cheio. [database or disk is full]"},
        {"not a database", DescreverErroBanco(SQLITE_NOTADB, "file is encrypted or is not a database"),
         "O arquivo não é um banco de dados do programa, está danificado ou foi protegido com outra senha. [file is "
         "encrypted or is not a database]"},
        {"statement refused", DescreverErroBanco(SQLITE_ERROR, "no such table: X"), "no such table: X"},
        {"connection refused", DescreverErroCurl(CURLE_COULDNT_CONNECT, "127.0.0.1:21"),
         "Não foi possível conectar ao servidor FTP 127.0.0.1:21. [Couldn't connect to server]"},
        {"host not found", DescreverErroCurl(CURLE_COULDNT_RESOLVE_HOST, "ftp.exemplo:21"),
         "Não foi possível localizar o servidor FTP ftp.exemplo:21. [Couldn't resolve host name]"},
        {"timeout", DescreverErroCurl(CURLE_OPERATION_TIMEDOUT, "127.0.0.1:21"),
         "Tempo esgotado esperando resposta do servidor FTP 127.0.0.1:21. [Timeout was reached]"},
        {"login refused", DescreverRespostaFTP(530, "530 Login incorrect."),
         "O servidor FTP recusou o usuário ou a senha. [530 Login incorrect.]"},
        {"quota", DescreverRespostaFTP(552, "552 Quota exceeded."),
         "O servidor FTP não tem espaço para o arquivo (cota da conta excedida ou disco cheio). [552 Quota "
         "exceeded.]"},
        {"other refusal", DescreverRespostaFTP(504, "504 Command not implemented for that parameter."),
         "O servidor FTP recusou o pedido. [504 Command not implemented for that parameter.]"},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(caso.texto, caso.esperado) << caso.falha;
    }
}

TEST(Falhas, FalhaArquivoNomeiaAAcaoOArquivoEACausa) {
    EXPECT_THAT(
        [] { FalhaArquivo("gravar", "/saida/LE1.TXT", ENOSPC); },
        ::testing::ThrowsMessage<ErroEntradaSaida>(::testing::StrEq(
            "Não foi possível gravar o arquivo /saida/LE1.TXT: o disco está cheio [No space left on device].")));
}

} // namespace

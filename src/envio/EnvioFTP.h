#pragma once
// Upload of the export listing file to the agency's FTP server: active mode (PORT), binary
// type, STOR under the plain file name in the folder where the login leaves the session.

#include <filesystem>
#include <functional>
#include <string>

// The agency's FTP server; $KORVEX_FTP_SERVIDOR (host:port) takes its place when set.
inline constexpr const char* kServidorFTPAgencia = "ftp.veltran.gov.br";

// Where and how to connect. The defaults are the program's fixed account and limits.
struct OpcoesFTP {
    std::string servidor = kServidorFTPAgencia;
    long porta = 21;
    std::string usuario = "usukorvex";
    std::string senha = "m%&734k";
    // Limit on opening the connection, which also covers the greeting and the login.
    long tempoConexaoMs = 10000;
    // Limit on each later wait: a reply of the server, its data connection in active mode,
    // or a stalled data transfer. A live server answers in well under a second; 30 s spares a
    // slow link without leaving the user held by a server that stopped answering.
    long tempoRespostaS = 30;
    // Called now and then while the session runs (at least once a second, also while it
    // waits on the server), so that a window can keep itself painted. May be empty.
    std::function<void()> aguardar;
};

// The program's options, with the server of $KORVEX_FTP_SERVIDOR when that variable is set.
// A value that is not host:port (port 1 to 65535) is kept whole in `servidor` with port 0,
// so that the upload refuses it instead of reaching some other server.
OpcoesFTP OpcoesFTPPadrao();

// Outcome of an upload; on failure `mensagem` is the text to show the user, in Portuguese with the
// original after it in brackets: the server's refusal when there is one ("O servidor FTP recusou o
// usuário ou a senha. [530 Authentication failed.]"), else the cause that libcurl reports.
struct ResultadoFTP {
    bool sucesso = false;
    std::string mensagem;
};

// Receives each log line of the upload as it happens.
using FuncaoRegistro = std::function<void(const std::string&)>;

// Uploads the local file under its plain name, replacing a remote file of that name, and ends
// the session with QUIT. Logs "Conectando com servidor.", "Iniciando envio do arquivo via FTP."
// once logged in, "Enviando arquivo de N bytes ..." when the data transfer starts and
// "Transferencia concluída." when the server confirms it. The local file is only read.
// An exception thrown by `registrar` ends the session and is passed on to the caller.
ResultadoFTP EnviarFTP(const std::filesystem::path& arquivo, const FuncaoRegistro& registrar,
                       const OpcoesFTP& opcoes = OpcoesFTPPadrao());

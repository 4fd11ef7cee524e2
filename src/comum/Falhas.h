#pragma once
// The failures that the system and the libraries report (an errno value, a result code of
// libcurl or of the database engine, a refusal of the FTP server) told in Portuguese, in the
// product's words, with the original text after it in brackets so that support still sees the
// exact cause. Every such failure that reaches the user goes through here.

#include <string>

// Throws ErroEntradaSaida "Não foi possível <acao> o arquivo <caminho>: <cause of the errno value>.",
// e.g. acao "gravar" and ENOSPC: "Não foi possível gravar o arquivo X: o disco está cheio [No space left
// on device]."
[[noreturn]] void FalhaArquivo(const std::string& acao, const std::string& caminho, int erro);

// An errno value as the cause of a file operation, to follow "Não foi possível ... o arquivo X: ",
// e.g. "o disco está cheio [No space left on device]". Starts in lower case, no final period.
std::string DescreverErroSistema(int erro);

// A result code of the database engine with the engine's message, as a sentence, e.g.
// "O banco de dados está em uso por outro programa. ... [database is locked]". A code without a
// text of its own (a statement the engine refused, for instance) gives the engine's message as
// it stands.
std::string DescreverErroBanco(int codigo, const std::string& original);

// A result code of libcurl for an FTP session with `servidor` ("host:porta"), as a sentence,
// e.g. "Não foi possível conectar ao servidor FTP 127.0.0.1:21. [Couldn't connect to server]".
std::string DescreverErroCurl(int codigo, const std::string& servidor);

// The FTP server's refusal (reply code and the reply's last line), as a sentence, e.g.
// "O servidor FTP recusou o usuário ou a senha. [530 Authentication failed.]".
std::string DescreverRespostaFTP(int codigo, const std::string& resposta);

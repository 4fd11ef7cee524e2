#pragma once
// A pyftpdlib server on 127.0.0.1 for the upload tests, started as a child process on a free
// port and killed when the object goes away; its home folder and command log live in a
// temporary folder of its own.

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

struct OpcoesServidorFTP {
    // Password of the account "usukorvex".
    std::string senha = "m%&734k";
    // Refuses every store (the account may only read).
    bool somenteLeitura = false;
    // Accepts connections and never answers a byte.
    bool mudo = false;
    // Drops the data connection of a store after this many bytes (0: never).
    long cortarDadosApos = 0;
    // Refuses every store with "552 ... Exceeded storage allocation.".
    bool cota = false;
};

class ServidorFTP {
public:
    explicit ServidorFTP(const OpcoesServidorFTP& opcoes = {});
    ~ServidorFTP();
    ServidorFTP(const ServidorFTP&) = delete;
    ServidorFTP& operator=(const ServidorFTP&) = delete;

    int Porta() const { return porta_; }
    // "127.0.0.1:<porta>", the form of $KORVEX_FTP_SERVIDOR.
    std::string Endereco() const;
    // The account's home folder, where uploaded files land.
    std::filesystem::path Pasta() const { return temporaria_ / "remota"; }
    // Every command received so far, in order (the password masked as "PASS ******").
    std::vector<std::string> Comandos() const;

private:
    void Encerrar();

    std::filesystem::path temporaria_;
    pid_t processo_ = -1;
    int porta_ = 0;
};

// A port of 127.0.0.1 on which nothing listens.
int PortaFechada();

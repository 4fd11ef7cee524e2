#include "apoio/ServidorFTP.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// pyftpdlib imports only under Debian's own interpreter.
constexpr const char* kPython = "/usr/bin/python3";

// Reads the port that the script prints once it listens; waits at most 15 s.
int LerPorta(int leitura) {
    std::string linha;
    for (int espera = 0; espera < 150 && linha.find('\n') == std::string::npos;) {
        pollfd pfd{leitura, POLLIN, 0};
        const int pronto = poll(&pfd, 1, 100);
        if (pronto < 0 && errno == EINTR) {
            continue;
        }
        if (pronto == 0) {
            ++espera;
            continue;
        }
        char bloco[64];
        const ssize_t lidos = read(leitura, bloco, sizeof bloco);
        if (lidos <= 0) {
            break;
        }
        linha.append(bloco, size_t(lidos));
    }
    try {
        return std::stoi(linha);
    } catch (const std::exception&) {
        throw std::runtime_error("o servidor FTP de teste não informou a porta: \"" + linha + "\"");
    }
}

} // namespace

ServidorFTP::ServidorFTP(const OpcoesServidorFTP& opcoes) {
    std::string modelo = (fs::temp_directory_path() / "korvex-ftp-XXXXXX").string();
    if (!mkdtemp(modelo.data())) {
        throw std::runtime_error("mkdtemp falhou");
    }
    temporaria_ = modelo;
    fs::create_directory(Pasta());

    const std::string script = std::string(KORVEX_DIR_FIXTURES) + "/servidor_ftp.py";
    std::vector<std::string> argumentos{kPython, script};
    if (opcoes.mudo) {
        argumentos.push_back("--mudo");
    } else {
        argumentos.insert(argumentos.end(), {"--pasta", Pasta().string(), "--log",
                                             (temporaria_ / "comandos.log").string(), "--senha", opcoes.senha});
        if (opcoes.somenteLeitura) {
            argumentos.push_back("--somente-leitura");
        }
        if (opcoes.cortarDadosApos > 0) {
            argumentos.insert(argumentos.end(), {"--cortar-dados", std::to_string(opcoes.cortarDadosApos)});
        }
        if (opcoes.cota) {
            argumentos.push_back("--cota");
        }
    }
    std::vector<char*> argv;
    for (auto& argumento : argumentos) {
        argv.push_back(argumento.data());
    }
    argv.push_back(nullptr);

    int canal[2];
    if (pipe2(canal, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe falhou");
    }
    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_adddup2(&acoes, canal[1], STDOUT_FILENO);
    const int erro = posix_spawn(&processo_, kPython, &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    close(canal[1]);
    if (erro != 0) {
        close(canal[0]);
        processo_ = -1;
        fs::remove_all(temporaria_);
        throw std::runtime_error(std::string("não foi possível executar ") + kPython);
    }
    try {
        porta_ = LerPorta(canal[0]);
    } catch (...) {
        close(canal[0]);
        Encerrar();
        throw;
    }
    close(canal[0]);
}

ServidorFTP::~ServidorFTP() {
    Encerrar();
}

void ServidorFTP::Encerrar() {
    if (processo_ > 0) {
        kill(processo_, SIGKILL);
        waitpid(processo_, nullptr, 0);
        processo_ = -1;
    }
    std::error_code erro;
    fs::remove_all(temporaria_, erro);
}

std::string ServidorFTP::Endereco() const {
    return "127.0.0.1:" + std::to_string(porta_);
}

std::vector<std::string> ServidorFTP::Comandos() const {
    std::vector<std::string> comandos;
    std::ifstream log(temporaria_ / "comandos.log");
    for (std::string linha; std::getline(log, linha);) {
        comandos.push_back(linha);
    }
    return comandos;
}

int PortaFechada() {
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t tamanho = sizeof endereco;
    const bool reservada = s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) == 0 &&
                           getsockname(s, reinterpret_cast<sockaddr*>(&endereco), &tamanho) == 0;
    if (s >= 0) {
        close(s); // bound but never listening, and now released: a connection there is refused
    }
    if (!reservada) {
        throw std::runtime_error("não foi possível reservar uma porta");
    }
    return ntohs(endereco.sin_port);
}

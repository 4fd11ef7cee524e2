#include "apoio/AmbienteTeste.h"

#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/Esquema.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

AmbienteTeste::AmbienteTeste() : AmbienteTeste(Opcoes{}) {}

AmbienteTeste::AmbienteTeste(Opcoes opcoes) {
    std::random_device rd;
    raiz_ = fs::temp_directory_path() / ("korvex-teste-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(raiz_);
    if (const char* r = std::getenv("KORVEX_RAIZ")) {
        tinhaRaiz_ = true;
        raizAnterior_ = r;
    }
    setenv("KORVEX_RAIZ", raiz_.c_str(), 1);
    fs::create_directories(CaminhoBancoListagem().parent_path());
    fs::create_directories(PastaTemporaria());
    if (opcoes.criarReferencia) {
        fs::create_directories(CaminhoArquivoReferencia().parent_path());
        std::ofstream(CaminhoArquivoReferencia()) << "";
    }
    if (opcoes.criarBanco) {
        TConexao conexao;
        conexao.Criar(CaminhoBancoListagem().string(), kSenhaBanco);
        CriarEsquema(conexao);
    }
}

AmbienteTeste::~AmbienteTeste() {
    std::error_code erro;
    fs::remove_all(raiz_, erro);
    if (tinhaRaiz_) {
        setenv("KORVEX_RAIZ", raizAnterior_.c_str(), 1);
    } else {
        unsetenv("KORVEX_RAIZ");
    }
}

fs::path AmbienteTeste::Banco() const {
    return raiz_ / "VELTRAN" / "KORVEX" / "TABELA" / "KORVEX.db";
}

void AmbienteTeste::Conectar(TConexao& conexao) const {
    conexao.Abrir(Banco().string(), kSenhaBanco);
}

void EstragarBanco(BancoRuim banco) {
    const fs::path caminho = CaminhoBancoListagem();
    switch (banco) {
    case BancoRuim::Ausente:
        fs::remove(caminho);
        break;
    case BancoRuim::OutraSenha: {
        fs::remove(caminho);
        TConexao outra;
        outra.Criar(caminho.string(), "outra senha");
        break;
    }
    case BancoRuim::Lixo: {
        std::string lixo(50'000, '\0');
        for (size_t i = 0; i < lixo.size(); ++i) {
            lixo[i] = char((i * 7919 + 13) % 251);
        }
        std::ofstream(caminho, std::ios::binary | std::ios::trunc) << lixo;
        break;
    }
    case BancoRuim::Truncado:
        fs::resize_file(caminho, fs::file_size(caminho) / 2);
        break;
    case BancoRuim::Vazio:
        fs::resize_file(caminho, 0);
        break;
    }
}

int ExecutarAdmin(const fs::path& raiz, const std::string& argumentos, std::string& saida,
                  const LimitesProcesso& limites) {
    std::string comando;
    if (limites.tamanhoMaximoArquivo > 0) {
        // A write past the limit then fails with EFBIG instead of the signal that ends the process.
        comando += "trap '' XFSZ; ulimit -f " + std::to_string(limites.tamanhoMaximoArquivo / 512) + "; ";
    }
    comando += "KORVEX_RAIZ='" + raiz.string() + "' ";
    if (limites.respeitarPermissoes && geteuid() == 0) {
        // Root without the capability that lets it write where the permissions say no.
        comando += "setpriv --bounding-set=-dac_override,-dac_read_search ";
    }
    comando += "'" + std::string(KORVEX_ADMIN) + "' " + argumentos + " 2>&1";
    FILE* p = popen(comando.c_str(), "r");
    if (!p) {
        throw std::runtime_error("não foi possível executar korvex-admin");
    }
    saida.clear();
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) {
        saida.append(buf.data(), n);
    }
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProcessoEscritor::ProcessoEscritor(const fs::path& banco) {
    int pronto[2], liberar[2];
    if (pipe(pronto) != 0 || pipe(liberar) != 0) {
        throw std::runtime_error("pipe falhou");
    }
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork falhou");
    }
    if (pid == 0) {
        // The child opens a connection of its own; the parent's are never used here.
        close(pronto[0]);
        close(liberar[1]);
        int estado = 1;
        try {
            TConexao conexao;
            conexao.Abrir(banco.string(), kSenhaBanco);
            conexao.IniciarTransacao();
            conexao.Executar("INSERT INTO KX_EMPRESA (emp_inscvlt, emp_razao) VALUES ('299999999', 'ESCRITOR')");
            const char sinal = 'x';
            if (write(pronto[1], &sinal, 1) == 1) {
                char resto;
                while (read(liberar[0], &resto, 1) > 0) {
                }
                estado = 0;
            }
        } catch (...) {
        }
        _exit(estado);
    }
    close(pronto[1]);
    close(liberar[0]);
    processo_ = pid;
    liberar_ = liberar[1];
    char sinal;
    const bool escrevendo = read(pronto[0], &sinal, 1) == 1;
    close(pronto[0]);
    if (!escrevendo) {
        close(liberar_);
        waitpid(processo_, nullptr, 0);
        throw std::runtime_error("o processo escritor não abriu a transação");
    }
}

ProcessoEscritor::~ProcessoEscritor() {
    close(liberar_);
    waitpid(processo_, nullptr, 0);
}

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

int ExecutarAdmin(const fs::path& raiz, const std::string& argumentos, std::string& saida) {
    std::string comando = "KORVEX_RAIZ='" + raiz.string() + "' '" + KORVEX_ADMIN + "' " + argumentos + " 2>&1";
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

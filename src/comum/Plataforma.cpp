#include "comum/Plataforma.h"

#include <cstdlib>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

fs::path RaizKorvex() {
    if (const char* raiz = std::getenv("KORVEX_RAIZ"); raiz && *raiz) {
        return fs::path(raiz);
    }
    if (const char* casa = std::getenv("HOME"); casa && *casa) {
        return fs::path(casa);
    }
    return fs::current_path();
}

fs::path CaminhoBancoListagem() {
    return RaizKorvex() / "VELTRAN" / "KORVEX" / "TABELA" / "KORVEX.db";
}

fs::path CaminhoArquivoReferencia() {
    return RaizKorvex() / "VELTRAN" / "TABELA" / "DRQ_VELTRAN.MDB";
}

std::string PastaTemporaria() {
    return (RaizKorvex() / "VELTRAN" / "KORVEX" / "TEMP").string() + "/";
}

bool GravarNoDisco(std::FILE* arquivo) {
#ifdef _WIN32
    return _commit(_fileno(arquivo)) == 0;
#else
    return fsync(fileno(arquivo)) == 0;
#endif
}

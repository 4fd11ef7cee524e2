#include "comum/clsPastas.h"

std::unique_ptr<TclsPastas> Pastas;

TclsPastas::TclsPastas() : mascaraArquivo_("LE%s.TXT") {}

void TclsPastas::DefineNomeArquivo(const std::string& chave) {
    std::string nome = mascaraArquivo_;
    auto pos = nome.find("%s");
    if (pos != std::string::npos) {
        nome.replace(pos, 2, chave);
    }
    nomeArquivo_ = nome;
}

TclsPastas& NovaPastas() {
    Pastas = std::make_unique<TclsPastas>();
    return *Pastas;
}

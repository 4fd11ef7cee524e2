#include "comum/EscolherArquivo.h"

#include "comum/Erros.h"

namespace {
IEscolhaArquivo* g_escolha = nullptr;

std::vector<std::string> Separar(const std::string& texto, char separador) {
    std::vector<std::string> partes;
    size_t inicio = 0;
    for (;;) {
        const size_t fim = texto.find(separador, inicio);
        partes.push_back(texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio));
        if (fim == std::string::npos) {
            return partes;
        }
        inicio = fim + 1;
    }
}
} // namespace

void DefinirEscolhaArquivo(IEscolhaArquivo* escolha) {
    g_escolha = escolha;
}
IEscolhaArquivo* EscolhaArquivoAtual() {
    return g_escolha;
}

bool EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) {
    if (!g_escolha) {
        throw ErroGeral("Nenhuma implementação da escolha de arquivos foi instalada.");
    }
    return g_escolha->EscolherArquivo(dialogo, caminho);
}

std::vector<ParFiltro> LerFiltro(const std::string& filtro) {
    std::vector<ParFiltro> pares;
    if (filtro.empty()) {
        return pares;
    }
    const std::vector<std::string> partes = Separar(filtro, '|');
    for (size_t i = 0; i + 1 < partes.size(); i += 2) {
        ParFiltro par{partes[i], {}};
        for (const std::string& mascara : Separar(partes[i + 1], ';')) {
            if (!mascara.empty()) {
                par.mascaras.push_back(mascara);
            }
        }
        if (!par.mascaras.empty()) {
            pares.push_back(std::move(par));
        }
    }
    return pares;
}

EscolhaArquivoRoteiro::EscolhaArquivoRoteiro() : anterior_(EscolhaArquivoAtual()) {
    DefinirEscolhaArquivo(this);
}

EscolhaArquivoRoteiro::~EscolhaArquivoRoteiro() {
    if (EscolhaArquivoAtual() == this) {
        DefinirEscolhaArquivo(anterior_);
    }
}

void EscolhaArquivoRoteiro::ResponderArquivo(std::string caminho) {
    respostas_.push_back(std::move(caminho));
}

bool EscolhaArquivoRoteiro::EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) {
    pedidos_.push_back({dialogo, caminho});
    if (respostas_.empty()) {
        return false;
    }
    caminho = std::move(respostas_.front());
    respostas_.erase(respostas_.begin());
    return true;
}

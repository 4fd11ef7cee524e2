#include "comum/ListaNomeValor.h"

#include "comum/LetrasCp1252.h"

int TListaNomeValor::IndiceNome(std::string_view nome) const {
    for (size_t i = 0; i < linhas_.size(); ++i) {
        const std::string_view linha = linhas_[i];
        const size_t igual = linha.find('=');
        // Names fold every Windows-1252 letter, as the program compares text.
        if (igual != std::string_view::npos && CompararJet(linha.substr(0, igual), nome) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string TListaNomeValor::Valor(std::string_view nome) const {
    const int i = IndiceNome(nome);
    if (i < 0) {
        return {};
    }
    const std::string& linha = linhas_[static_cast<size_t>(i)];
    return linha.substr(linha.find('=') + 1);
}

void TListaNomeValor::DefinirValor(std::string_view nome, std::string_view valor) {
    const int i = IndiceNome(nome);
    if (valor.empty()) {
        if (i >= 0) {
            linhas_.erase(linhas_.begin() + i);
        }
        return;
    }
    std::string linha = std::string(nome) + "=" + std::string(valor);
    if (i >= 0) {
        linhas_[static_cast<size_t>(i)] = std::move(linha);
    } else {
        linhas_.push_back(std::move(linha));
    }
}

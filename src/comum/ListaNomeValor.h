#pragma once
// A list of text lines read as NAME=VALUE pairs, as the windows hand lookup parameters
// and lookup answers to each other: a name is the text before a line's first "=",
// names are compared without regard to case, and a line without "=" has no name.

#include <string>
#include <string_view>
#include <vector>

class TListaNomeValor {
public:
    TListaNomeValor() = default;
    explicit TListaNomeValor(std::vector<std::string> linhas) : linhas_(std::move(linhas)) {}

    // The value of the first line with that name; empty text when there is none.
    std::string Valor(std::string_view nome) const;
    // Sets the first line with that name to NAME=VALUE, or adds it at the end. An empty
    // value removes that line instead. Lines of other names are left as they are.
    void DefinirValor(std::string_view nome, std::string_view valor);

    void Adicionar(std::string linha) { linhas_.push_back(std::move(linha)); }
    void Limpar() { linhas_.clear(); }
    const std::vector<std::string>& Linhas() const { return linhas_; }

private:
    // Index of the first line with that name, or -1.
    int IndiceNome(std::string_view nome) const;

    std::vector<std::string> linhas_;
};

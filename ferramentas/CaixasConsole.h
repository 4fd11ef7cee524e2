#pragma once
// Message boxes of the headless runs of korvex-admin: each box is printed (errors and
// warnings to stderr, the rest to stdout); questions are answered Yes, since running the
// command is the user's confirmation.

#include "comum/CaixasMensagem.h"

class CaixasConsole : public ICaixasMensagem {
public:
    CaixasConsole();
    ~CaixasConsole() override;
    int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) override;
    bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) override;

private:
    ICaixasMensagem* anterior_;
};

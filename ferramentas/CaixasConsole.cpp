#include "CaixasConsole.h"

#include <iostream>

CaixasConsole::CaixasConsole() : anterior_(CaixasMensagemAtual()) {
    DefinirCaixasMensagem(this);
}

CaixasConsole::~CaixasConsole() {
    DefinirCaixasMensagem(anterior_);
}

int CaixasConsole::Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) {
    const bool erro = tipo == TipoCaixa::Erro || tipo == TipoCaixa::Aviso;
    std::ostream& saida = erro ? std::cerr : std::cout;
    if (!titulo.empty()) {
        saida << titulo << ": ";
    }
    // A lone CR breaks some of the program's messages into two lines; on a terminal it
    // would send the cursor back over the first one.
    std::string linhas;
    for (size_t i = 0; i < texto.size(); ++i) {
        bool crSozinho = texto[i] == '\r' && (i + 1 == texto.size() || texto[i + 1] != '\n');
        linhas += crSozinho ? '\n' : texto[i];
    }
    saida << linhas << std::endl;
    return (tipo == TipoCaixa::Pergunta || tipo == TipoCaixa::Confirmacao) ? kBotaoSim : kBotaoOK;
}

bool CaixasConsole::EscolherPasta(const std::string&, const std::string&, std::string&) {
    return false;
}

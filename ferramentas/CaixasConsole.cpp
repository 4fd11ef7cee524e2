#include "CaixasConsole.h"

#include <iostream>

CaixasConsole::CaixasConsole() : anterior_(CaixasMensagemAtual()) { DefinirCaixasMensagem(this); }

CaixasConsole::~CaixasConsole() { DefinirCaixasMensagem(anterior_); }

int CaixasConsole::Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) {
    const bool erro = tipo == TipoCaixa::Erro || tipo == TipoCaixa::Aviso;
    std::ostream& saida = erro ? std::cerr : std::cout;
    if (!titulo.empty()) {
        saida << titulo << ": ";
    }
    saida << texto << std::endl;
    return (tipo == TipoCaixa::Pergunta || tipo == TipoCaixa::Confirmacao) ? kBotaoSim : kBotaoOK;
}

bool CaixasConsole::EscolherPasta(const std::string&, const std::string&, std::string&) { return false; }

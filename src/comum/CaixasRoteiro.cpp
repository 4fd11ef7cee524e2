#include "comum/CaixasRoteiro.h"

#include <stdexcept>

namespace {

void ExigirSimOuNao(int botao) {
    if (botao != kBotaoSim && botao != kBotaoNao) {
        throw std::invalid_argument("Uma caixa Sim/Não só responde kBotaoSim (6) ou kBotaoNao (7), não " +
                                    std::to_string(botao));
    }
}

} // namespace

const char* NomeTipoCaixa(TipoCaixa tipo) {
    switch (tipo) {
    case TipoCaixa::Pergunta:
        return "Pergunta";
    case TipoCaixa::Informacao:
        return "Informacao";
    case TipoCaixa::Confirmacao:
        return "Confirmacao";
    case TipoCaixa::Aviso:
        return "Aviso";
    case TipoCaixa::Erro:
        return "Erro";
    case TipoCaixa::Simples:
        return "Simples";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& saida, TipoCaixa tipo) {
    return saida << NomeTipoCaixa(tipo);
}

std::ostream& operator<<(std::ostream& saida, const CaixaMostrada& caixa) {
    return saida << "{" << caixa.tipo << ", \"" << caixa.titulo << "\", \"" << caixa.texto << "\"}";
}

bool EhCaixaSimNao(TipoCaixa tipo) {
    return tipo == TipoCaixa::Pergunta || tipo == TipoCaixa::Confirmacao;
}

CaixasRoteiro::CaixasRoteiro() : anterior_(CaixasMensagemAtual()) {
    DefinirCaixasMensagem(this);
}

CaixasRoteiro::~CaixasRoteiro() {
    if (CaixasMensagemAtual() == this) {
        DefinirCaixasMensagem(anterior_);
    }
}

void CaixasRoteiro::Responder(int botao) {
    ExigirSimOuNao(botao);
    respostas_.push_back(botao);
}

void CaixasRoteiro::DefinirRespostaPadrao(int botao) {
    ExigirSimOuNao(botao);
    respostaPadrao_ = botao;
}

void CaixasRoteiro::ResponderPasta(std::string pasta) {
    pastaRoteiro_ = std::move(pasta);
}

const CaixaMostrada& CaixasRoteiro::Ultima() const {
    if (mostradas_.empty()) {
        throw std::logic_error("Nenhuma caixa de mensagem foi mostrada.");
    }
    return mostradas_.back();
}

void CaixasRoteiro::Limpar() {
    mostradas_.clear();
    pastasPedidas_.clear();
}

int CaixasRoteiro::Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) {
    mostradas_.push_back({tipo, titulo, texto});
    if (!EhCaixaSimNao(tipo)) {
        return kBotaoOK;
    }
    if (respostas_.empty()) {
        return respostaPadrao_;
    }
    int botao = respostas_.front();
    respostas_.pop_front();
    return botao;
}

bool CaixasRoteiro::EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) {
    pastasPedidas_.push_back({titulo, raiz, pasta});
    if (!pastaRoteiro_) {
        return false;
    }
    pasta = std::move(*pastaRoteiro_);
    pastaRoteiro_.reset();
    return true;
}

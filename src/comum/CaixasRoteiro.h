#pragma once
// Scripted message boxes for tests: records every box and folder request in order and
// answers them from a script, so a test can drive code that talks to the user.
//
//     CaixasRoteiro caixas;                 // installs itself; the previous one comes back at the end
//     caixas.Responder(kBotaoSim);          // answer to the next Yes/No box
//     ... run the code under test ...
//     EXPECT_EQ(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Confirmacao, "Aviso", "..."}}));
//
// OK boxes always answer OK and leave the script alone; Yes/No boxes take the next
// scripted answer, or the default answer (No unless changed) when the script is empty.

#include "comum/CaixasMensagem.h"

#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// One box as the code under test showed it.
struct CaixaMostrada {
    TipoCaixa tipo = TipoCaixa::Simples;
    std::string titulo;
    std::string texto;
    bool operator==(const CaixaMostrada&) const = default;
};

// One call of the folder chooser: its title, root folder and the folder it was given.
struct PastaPedida {
    std::string titulo;
    std::string raiz;
    std::string pasta;
    bool operator==(const PastaPedida&) const = default;
};

// "Pergunta", "Informacao", "Confirmacao", "Aviso", "Erro", "Simples".
const char* NomeTipoCaixa(TipoCaixa tipo);

// Readable forms, for the failure messages of the test frameworks.
std::ostream& operator<<(std::ostream& saida, TipoCaixa tipo);
std::ostream& operator<<(std::ostream& saida, const CaixaMostrada& caixa);

// True for the boxes with Yes and No buttons (Pergunta, Confirmacao).
bool EhCaixaSimNao(TipoCaixa tipo);

class CaixasRoteiro : public ICaixasMensagem {
public:
    // Installs this object for the free message-box functions; the destructor puts the
    // previously installed implementation back.
    CaixasRoteiro();
    ~CaixasRoteiro() override;
    CaixasRoteiro(const CaixasRoteiro&) = delete;
    CaixasRoteiro& operator=(const CaixasRoteiro&) = delete;

    // Queues the answer (kBotaoSim or kBotaoNao) of the next Yes/No box.
    void Responder(int botao);
    // Answer of the Yes/No boxes when the script is empty (kBotaoNao at the start).
    void DefinirRespostaPadrao(int botao);
    // Scripted answers not yet used.
    size_t RespostasPendentes() const { return respostas_.size(); }

    // The next folder chooser confirms this folder; without it the chooser is cancelled.
    void ResponderPasta(std::string pasta);

    const std::vector<CaixaMostrada>& Mostradas() const { return mostradas_; }
    const std::vector<PastaPedida>& PastasPedidas() const { return pastasPedidas_; }
    // The last box shown; throws std::logic_error when none was.
    const CaixaMostrada& Ultima() const;
    // Forgets the boxes and folder requests recorded so far (the script is kept).
    void Limpar();

    int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) override;
    bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) override;

private:
    ICaixasMensagem* anterior_;
    std::deque<int> respostas_;
    int respostaPadrao_ = kBotaoNao;
    std::optional<std::string> pastaRoteiro_;
    std::vector<CaixaMostrada> mostradas_;
    std::vector<PastaPedida> pastasPedidas_;
};

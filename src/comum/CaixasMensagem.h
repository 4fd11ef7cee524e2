#pragma once
// The five message boxes through which every window talks to the user, and the folder
// chooser. The core calls the free functions; the program installs the Qt
// implementation at start-up and tests install a scripted one (CaixasRoteiro).

#include <string>

// Button codes returned by the boxes.
inline constexpr int kBotaoOK = 1;
inline constexpr int kBotaoSim = 6;
inline constexpr int kBotaoNao = 7;

enum class TipoCaixa {
    Pergunta,    // Yes/No, Yes default, information icon (flags 68)
    Informacao,  // OK, information icon (64)
    Confirmacao, // Yes/No, Yes default, warning icon (52)
    Aviso,       // OK, warning icon (48)
    Erro,        // OK, stop icon (16)
    Simples,     // OK, no icon, titled with the application's title (plain message)
};

// What shows the boxes and the folder chooser.
class ICaixasMensagem {
public:
    virtual ~ICaixasMensagem() = default;
    // Shows one box and returns the code of the button pressed.
    virtual int Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) = 0;
    // Modal folder chooser; returns true and the chosen folder when the user confirms.
    virtual bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) = 0;
};

// Installs the implementation used by the free functions below (not owned).
void DefinirCaixasMensagem(ICaixasMensagem* caixas);
ICaixasMensagem* CaixasMensagemAtual();

int CaixaPergunta(const std::string& titulo, const std::string& texto);
int CaixaInformacao(const std::string& titulo, const std::string& texto);
int CaixaConfirmacao(const std::string& titulo, const std::string& texto);
int CaixaAviso(const std::string& titulo, const std::string& texto);
int CaixaErro(const std::string& titulo, const std::string& texto);
// The error box of a write that failed and was rolled back: titled "Erro", the
// program's words, then the database's own message in brackets.
int CaixaErroOperacao(const std::string& mensagem);
// The platform's plain message (OK button, titled with the application's title).
int MensagemSimples(const std::string& texto);

// Folder chooser: a folder text that names no existing folder is cleared first; on
// confirmation the folder text becomes the chosen folder and the result is true.
bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta);

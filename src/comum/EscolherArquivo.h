#pragma once
// The open-file dialog through which a window asks the user for an existing file. The
// window describes its dialog (name, title, filter, default extension) and calls the
// free function; the program installs the Qt implementation and tests install a
// scripted one (EscolhaArquivoRoteiro).

#include <string>
#include <vector>

// An open-file dialog of a window, as its component describes it.
struct DialogoArquivo {
    std::string nome;           // the component's name ("dlgCaminho")
    std::string titulo;         // caption of the dialog
    std::string filtro;         // pairs "description|masks", masks separated by ";": "Arquivos de Produtos|*.txt"
    std::string extensaoPadrao; // added to a typed name without extension ("*.txt" or "txt")
    bool operator==(const DialogoArquivo&) const = default;
};

// What shows the open-file dialog.
class IEscolhaArquivo {
public:
    virtual ~IEscolhaArquivo() = default;
    // Modal dialog starting at `caminho` (a file or folder, may be empty); returns true and
    // the chosen file's full path when the user confirms, false and `caminho` untouched
    // when the user cancels.
    virtual bool EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) = 0;
};

// Installs the implementation used by EscolherArquivo (not owned).
void DefinirEscolhaArquivo(IEscolhaArquivo* escolha);
IEscolhaArquivo* EscolhaArquivoAtual();

// Shows the dialog through the installed implementation; throws ErroGeral when none is.
bool EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho);

// The filter's pairs as (description, masks): "Arquivos de Produtos|*.txt" gives
// {"Arquivos de Produtos", {"*.txt"}}. A description without masks is dropped.
struct ParFiltro {
    std::string descricao;
    std::vector<std::string> mascaras;
    bool operator==(const ParFiltro&) const = default;
};
std::vector<ParFiltro> LerFiltro(const std::string& filtro);

// Scripted dialog for tests: records every dialog shown and answers from a script.
// Installs itself; the destructor puts the previous implementation back.
class EscolhaArquivoRoteiro : public IEscolhaArquivo {
public:
    EscolhaArquivoRoteiro();
    ~EscolhaArquivoRoteiro() override;
    EscolhaArquivoRoteiro(const EscolhaArquivoRoteiro&) = delete;
    EscolhaArquivoRoteiro& operator=(const EscolhaArquivoRoteiro&) = delete;

    // The next dialog confirms this file; without it the dialog is cancelled.
    void ResponderArquivo(std::string caminho);

    // Each dialog shown, with the path it started at.
    struct Pedido {
        DialogoArquivo dialogo;
        std::string caminho;
        bool operator==(const Pedido&) const = default;
    };
    const std::vector<Pedido>& Pedidos() const { return pedidos_; }

    bool EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) override;

private:
    IEscolhaArquivo* anterior_;
    std::vector<std::string> respostas_;
    std::vector<Pedido> pedidos_;
};

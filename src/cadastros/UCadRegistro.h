#pragma once
// TFCadRegistro, what the edit windows of the registers (companies, units of measure)
// share: the frame with Salvar and Sair over two boxes, the key ("Label6") and the
// description ("Label1", upper case as typed); the checks of both boxes in order, and the
// save of a new or an edited row in a transaction. In edit mode the key cannot change.
// Each register gives its texts and entry rule, keeps its working record and runs its
// own insert or update.

#include "ui/UCampos.h"
#include "ui/UModelPrincipal.h"

#include <QSize>
#include <QString>

#include <string>

class QLabel;
class QLineEdit;

// What makes one register's edit window.
struct TDefinicaoCad {
    const char* nomeJanela; // component name of the window
    QSize tamanho;          // client area
    bool minimizar;         // a minimise box beside the close box
    QString titulo;         // text of the title band
    QString rotuloChave;
    const char* nomeChave;
    TFiltroCampo filtroChave;
    int tamanhoChave;               // most characters of the key, 0 for no limit
    bool chaveSemAreaTransferencia; // the clipboard is kept away from the key box
    QString rotuloDescricao;
    const char* nomeDescricao;
    std::string erroChave;     // message when the key is blank
    std::string erroDescricao; // message when the description is blank
};

class TFCadRegistro : public TFModelPrincipal {
    Q_OBJECT
public:
    // True once a save succeeded.
    bool Salvo() const { return salvo_; }

    QLabel* Label6;
    QLineEdit* caixaChave;
    QLabel* Label1;
    QLineEdit* caixaDescricao;

protected:
    // Opened over the active window.
    TFCadRegistro(const TDefinicaoCad& definicao, bool novo);

    // Edit mode: the boxes show the record; the key box is disabled.
    void MostrarRegistro(const std::string& chave, const std::string& descricao);

    bool Novo() const { return novo_; }

    // Shows the window modally and returns its saved flag.
    bool Executar();

    // Focus in the first box that can take it.
    void FormShow() override;

    // The first blank box shows its error, takes the focus and stops the save; when both
    // are filled, their texts as typed (not trimmed) go into the records.
    bool ValidarCampos();
    // Salvar: checks, then inserts (new mode) or updates (edit mode) in a transaction and
    // closes; a database error is rolled back and shown, and the window stays open.
    void botao2Click();

    // The texts of both boxes into the working record, and in edit mode into the caller's.
    virtual void GuardarCampos(const std::string& chave, const std::string& descricao) = 0;
    // Inserts the working record (new mode) or updates its row (edit mode).
    virtual void Gravar() = 0;

private:
    TDefinicaoCad definicao_;
    bool novo_;
    bool salvo_ = false;
};

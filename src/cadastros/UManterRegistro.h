#pragma once
// TFManterRegistro, what the list windows of the registers (companies, units of measure)
// share: the frame with Novo, Abrir, Excluir and Sair over one report list of the
// register's rows (key and description), and the operations on it: load, reload after a
// new row was saved, select, rewrite an edited row in place, and delete a row that no
// export listing uses. Each register gives its texts, statements and checks, keeps its
// current record and opens its own edit window.

#include "ui/UModelPrincipal.h"

#include <QString>
#include <QStringList>

#include <string>

class QTreeWidget;
class QTreeWidgetItem;

// What makes one register's list window.
struct TDefinicaoManter {
    const char* nomeJanela;     // component name of the window
    int altura;                 // height of the client area
    QString titulo;             // text of the title band
    const char* nomeLista;      // component name of the list
    QStringList colunas;        // titles of the key and description columns
    std::string (*sqlLista)();  // the list statement, in the list's order
    const char* campoChave;     // column of the statement shown as the row's caption
    const char* campoDescricao; // column shown in the row's second cell
    std::string perguntaExcluir;
    // Checks that find the key in use by the export listing, asked in this order.
    bool (*emUso[2])(const std::string& chave);
    std::string mensagemEmUso;
    int (*excluir)(const std::string& chave);
};

class TFManterRegistro : public TFModelPrincipal {
    Q_OBJECT
public:
    QTreeWidget* Lista() const { return lista_; }

protected:
    TFManterRegistro(QWidget* pai, TDefinicaoManter definicao);

    // Starts with an empty current record and loads the list.
    void FormShow() override;

    // Empties the list, lets pending window messages run, and fills it with the rows of
    // the list statement in the statement's order.
    void Carregar();
    // With `aguardar`, after a new row was saved: waits until the list statement returns
    // one row more than the list shows, then loads. Without, only loads.
    void Recarregar(bool aguardar);
    // Copies the selected row into the current record; with no row selected warns
    // "Não há nenhum Item selecionado" and returns false.
    bool Selecionar();
    // Rewrites the description cell of the row from the current record; the row keeps its
    // place (the list is not sorted again).
    void AtualizarItem(QTreeWidgetItem* linha);

    // The register's current record.
    virtual void DefinirAtual(const std::string& chave, const std::string& descricao) = 0;
    virtual std::string ChaveAtual() const = 0;
    virtual std::string DescricaoAtual() const = 0;
    // The register's edit window, for a new row or on the current record: true when the
    // user saved (the current record then holds the saved values).
    virtual bool IncluirNovo() = 0;
    virtual bool AlterarAtual() = 0;

    // Novo: a saved new row shows once the list statement returns it.
    void botao0Click();
    // Abrir and a double click on a row: edits the selected row and rewrites it.
    void lvwDblClick();
    // Excluir: asks, refuses a row in use by the export listing, deletes in a transaction.
    void botao3Click();

private:
    TDefinicaoManter definicao_;
    QTreeWidget* lista_;
    // The row that the current record was copied from (null before a selection).
    QTreeWidgetItem* linhaAtual_ = nullptr;
};

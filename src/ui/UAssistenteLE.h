#pragma once
// What the send wizard and the import wizard share: the window frame with only
// Localizar and Sair, the side picture, and two pages with hidden tabs. Page 1 holds the
// company (registration box, lookup button and name) and the company's listing products
// in a checkable list; page 2 the path box, Voltar and the button that starts the run.
// Changing the registration empties the product list, so that a run never takes
// products listed for another company. The pages change only by their buttons, and the second
// click of a double-click on one never reaches the page it shows; Escape does not close the
// wizard.

#include "ui/UModelPrincipal.h"

#include <QTreeWidget>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

// The list of a company's listing products: report view with check boxes and grid
// lines, read-only, whole-row selection; the last column (exp_codprod) is hidden.
class TListaProdutosLE : public QTreeWidget {
    Q_OBJECT
public:
    enum Coluna { ColCodProdVlt, ColNCM, ColDescricao, ColTipo, ColModelo, ColUnidade, ColCodProd };

    explicit TListaProdutosLE(QWidget* pai = nullptr);

    // Empties the list and fills it with the company's products from the list query, in
    // the statement's order, unticked, letting pending window messages be handled after
    // each row. A fill stops when the list is emptied meanwhile.
    void Preencher(const std::string& inscricao);
    // Removes every row (and stops a fill under way).
    void Esvaziar();

    // The first ticked row in list order, or null.
    QTreeWidgetItem* PrimeiroMarcado() const;

signals:
    // A mouse press on the list has been handled (the tick of a check box included):
    // the row pressed, or null beside the rows.
    void MousePressionado(QTreeWidgetItem* linha);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    int geracao_ = 0; // changes whenever the list is emptied
    QPersistentModelIndex indicePressionado_;
};

class TFAssistenteLE : public TFModelPrincipal {
    Q_OBJECT
public:
    QLabel* imgLateral;
    QStackedWidget* pgCtrlEnvioLE;
    QWidget* TabSheet1;
    QLabel* lbPassos;
    QGroupBox* GroupBox1;
    QLabel* Label6;
    QLineEdit* edtInscVlt;
    QToolButton* SpeedButton1;
    QLabel* Label2;
    QLineEdit* staRazSoc;
    QLabel* Label1;
    TListaProdutosLE* lvwProd;
    QPushButton* btAvancar;
    QWidget* TabSheet2;
    QLabel* Label3;
    QGroupBox* gbxCaminho;
    QLineEdit* staCaminho;
    QPushButton* btnBuscarDir;
    QPushButton* btnVoltar;
    QPushButton* btnEnviar;

protected:
    // Builds both pages; `textoLista` is the caption above the product list,
    // `tituloCaminho` the path box's and `textoBotao` that of the button that starts the run.
    TFAssistenteLE(QWidget* pai, const QString& textoLista, const QString& tituloCaminho, const QString& textoBotao);

    // Page 1 shown, focus in the registration box.
    void FormShow() override;
    void keyPressEvent(QKeyEvent* evento) override;
    // Empties the product list; with a registration of 9 digits shows the company's
    // name (empty when there is no such company), else clears it.
    void edtInscVltChange();
    // Company lookup: a chosen row gives the registration and the company name.
    void SpeedButton1Click();
    // Localizar: lists the company's products.
    void botao5Click();
    // The company check of Localizar and of the run: false, after the box "Informe a
    // Empresa.", when no company name is shown.
    bool EmpresaInformada();
};

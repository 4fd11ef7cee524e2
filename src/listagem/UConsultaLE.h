#pragma once
// TFConsultaLE, the listing browser: the user names a company by its registration, lists
// the company's listing products and from that list adds a product, opens one for editing
// (and from there its inputs) or deletes one with everything that hangs on it.

#include "ui/UModelPrincipal.h"

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TClsLExProduto;

class TFConsultaLE : public TFModelPrincipal {
    Q_OBJECT
public:
    // Columns of lvwProd. Those of width 0 are hidden but carry what opening a product needs.
    enum Coluna {
        ColCodProdVlt,
        ColNCM,
        ColDescProduto,
        ColTipoProduto,
        ColModelo,
        ColCodUnid,
        ColUnidade,
        ColCodProd,
        ColCodTipoProd,
        ColCentroCusto,
        ColCodModEmp,
        QuantidadeColunas
    };

    explicit TFConsultaLE(QWidget* pai = nullptr);
    ~TFConsultaLE() override;

    // The sort comparison of two rows on a column: the case-insensitive text comparison of
    // the Brazilian locale, negated while the sort is descending.
    static int CompararItens(const QTreeWidgetItem* item1, const QTreeWidgetItem* item2, int coluna);

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLineEdit* edtInscVlt;
    QToolButton* sbtPesq;
    QLineEdit* staRazSoc;
    QTreeWidget* lvwProd;
    // On the status strip: how many of the company's listing products the list cannot show.
    QLabel* staProdutosOcultos;

protected:
    void FormShow() override;

private:
    void edtInscVltChange();
    void sbtPesqClick();
    void botao5Click();
    void botao0Click();
    void lvwProdDblClick();
    void botao3Click();
    void lvwProdColumnClick(int coluna);

    bool ValidarEmpresa();
    bool SelecionarProduto();
    void CarregarProdutos();
    void RecarregarProdutos(bool aguardar);
    void AtualizarItemProduto();
    void EsvaziarLista();
    void MostrarProdutosOcultos(int ocultos);

    // The current product: the record that the product window fills and saves, and the
    // list row it was taken from.
    std::unique_ptr<TClsLExProduto> FProduto;
    QTreeWidgetItem* FLinhaProduto = nullptr;
};

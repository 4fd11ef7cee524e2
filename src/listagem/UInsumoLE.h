#pragma once
// TFInsumoLE: the inputs of one listing product over two tabs, the standard list (type P)
// and the other inputs (any other type, or none), where the user adds, opens, replicates
// and deletes them. Each action works on the active tab and opens that tab's properties
// window.

#include "dados/clsLExInsumo.h"
#include "dados/clsLExProduto.h"
#include "ui/UModelPrincipal.h"

#include <string>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

class TFInsumoLE : public TFModelPrincipal {
    Q_OBJECT
public:
    TFInsumoLE(TClsLExProduto& produto, QWidget* pai = nullptr);

    // Shows the inputs of the product modally.
    static void Exibir(TClsLExProduto& produto);

    void CarregarPadrao();
    void CarregarOutras();
    // Reloads a list; with `aguardar` it first waits for the newly saved row to show.
    void RecarregarPadrao(bool aguardar);
    void RecarregarOutras(bool aguardar);
    // Copy the selected row of the list into the current input; false, after a warning,
    // when the list has no selected row.
    bool SelecionarPadrao();
    bool SelecionarOutro();
    // Rewrites the row the current input was taken from, after an edit.
    void AtualizarItemInsumo();

    const TclsLExInsumo& InsumoAtual() const { return FInsumo; }

    QTabWidget* pgctrlListasIns;
    QWidget* TabSheet1;
    QTreeWidget* lvwInsPadrao;
    QWidget* TabSheet2;
    QTreeWidget* lvwInsOutros;
    QLabel* Panel4;
    QMenu* PopupMenu1;
    QAction* Replicar1;

    // Columns of both lists.
    enum Coluna {
        ColTipo = 0,
        ColNCM,
        ColItem,
        ColDescricao,
        ColEspecificacao,
        ColCoeficiente,
        ColCodUnid,
        ColUnidade,
        ColCodInsumo,
        ColStatus,
        ColCodInsEmpresa,
        ColTipoIns,
    };

protected:
    void FormShow() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool PadraoAtiva() const;
    void Carregar(QTreeWidget* lista, const std::string& sql);
    void Recarregar(QTreeWidget* lista, const std::string& sql, bool aguardar);
    bool Selecionar(QTreeWidget* lista, bool comDetalhe);
    void AbrirPadrao();
    void AbrirOutro();

    void botao0Click();
    void botao1Click();
    void botao3Click();
    void lvwInsPadraoDblClick();
    void lvwInsOutrosDblClick();
    void Replicar1Click();

    TClsLExProduto& FProduto;
    TclsLExInsumo FInsumo;
    QTreeWidgetItem* FLinha = nullptr; // the row the current input was taken from
};

#pragma once
// The lookup dialog: the user picks one row of a reference table by searching one of
// its columns, and the chosen row goes back to the caller as NAME=VALUE lines keyed by
// column name. Callers open it through Pesquisar or PesquisarComParametros with the
// lookup kind; each call creates and destroys its own window.

#include "comum/ListaNomeValor.h"
#include "dados/CompPesqReg.h"

#include <QDialog>

#include <optional>
#include <string>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TImagem;

class TFPesquisaGerador : public QDialog {
    Q_OBJECT
public:
    explicit TFPesquisaGerador(QWidget* pai = nullptr);
    ~TFPesquisaGerador() override;

    // Lookup of kinds 0 to 5 and 8. True when the user chose a row: Retorno then holds
    // NomeCampo=Valor for every returned field (an empty value removes that name's line;
    // other lines stay). False when the window was closed without choosing, or at once,
    // with no window, for any other kind.
    static bool Pesquisar(int Tipo, TListaNomeValor& Retorno);
    // The same for kinds 6, 7 and 9 to 12, whose sub-query takes its values from
    // Parametros (a missing name reads as empty text).
    static bool PesquisarComParametros(int Tipo, const TListaNomeValor& Parametros, TListaNomeValor& Retorno);

    // Makes the definition the active one: result columns, chooser entries and title.
    void PrepararLista(TCompPesquisa Comp);
    // The statement of a search with the current choices.
    std::string MontarSQL() const;
    // Runs the search and fills the result list; database errors pass on to the
    // program's handling of unexpected errors, and the window stays open.
    void ExecutarPesquisa();

private:
    static bool Abrir(int Tipo, std::string Tabela, TListaNomeValor& Retorno);
    void btPesqClick();
    void lvwResultPeqDblClick();

    std::optional<TCompPesquisa> comp_; // the active definition

    // Controls, named as the window's components.
    TImagem* imgCabecalho;
    TImagem* imgCorpo;
    TImagem* imgRodape;
    QLabel* LTitJanela;
    QGroupBox* grprdTipoPesq;
    QButtonGroup* tiposBusca_;
    QComboBox* cmbSelItemPesq;
    QLineEdit* edtTextPesq;
    QPushButton* btPesq;
    QTreeWidget* lvwResultPeq;
};

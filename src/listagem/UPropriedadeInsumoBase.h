#pragma once
// What the two input properties windows (other inputs and standard-list inputs) share:
// the frame with Salvar and Sair, the type, NCM, technical specification, unit, coefficient and part
// number controls, the unit and coefficient handling, the technical specification counter, the
// three modes with their class operations, the checks in order and the save.
//
// A derived window adds its description control and what depends on it: loading the NCM,
// the description check, and the duplicate test.

#include "dados/clsLExInsumo.h"
#include "dados/clsLExProduto.h"
#include "ui/UModelPrincipal.h"

#include <QApplication>

#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TMemoLimitado;

// Mode of an input properties window.
enum TModoInsumo : int {
    miAlterar = 0,  // edit: saves over the caller's input
    miIncluir = 1,  // new input of the product
    miReplicar = 2, // new input holding, unless changed, the caller's input's values
};

// Longest technical specification, as the export file holds it.
inline constexpr int kLimiteEspecTec = 3723;

class TFPropriedadeInsumoBase : public TFModelPrincipal {
    Q_OBJECT
public:
    TModoInsumo Modo() const { return FModo; }
    bool Salvo() const { return FSalvo; }

    // Checks the fields in order (the first failure shows its error box, takes the focus
    // to its control and gives false) and builds the working record; in edit and replicate
    // modes the caller's input receives the values.
    bool ValidarInsumo();
    // The record that Salvar writes.
    const TclsLExInsumo& InsumoTrabalho() const { return FInsumoTrabalho; }

    QGroupBox* gbEmpresa;
    QLabel* Label6;
    QComboBox* cmbSelTipoIns;
    QLabel* Label11;
    QLineEdit* edtCodNCM;
    QToolButton* btnPesqNCM;
    QLabel* Label13;
    QLineEdit* staDescNCM;
    QLabel* Label10;
    QLabel* Label8;
    TMemoLimitado* mmEspecTec;
    QLabel* lblQtdeCaractEspTec;
    QLabel* Label4;
    QLineEdit* edtCodUnid;
    QToolButton* btnPesqUnid;
    QLabel* Label9;
    QLineEdit* staDescUnid;
    QLabel* Label7;
    QLineEdit* edtCoefTec;
    QLabel* Label14;
    QLineEdit* edtPart;

protected:
    TFPropriedadeInsumoBase(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo, const QString& legenda,
                            const QString& tituloNovo, const QString& titulo, const QStringList& tipos);

    // Creates a window of class J over the active window, loads it from the input in edit
    // and replicate modes (a new window is in edit mode while it loads), fixes the mode,
    // shows it modally, destroys it and gives the saved flag.
    template <typename J> static bool Executar(TModoInsumo modo, TClsLExProduto& produto, TclsLExInsumo* insumo) {
        auto janela = std::make_unique<J>(QApplication::activeWindow(), produto, insumo);
        if (modo != miIncluir) {
            janela->CarregarCampos();
        }
        janela->FModo = modo;
        janela->exec();
        return janela->FSalvo;
    }

    void FormShow() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    // Places the description control of the derived window (a child of gbEmpresa) under
    // the label "Insumo" and sets the tab order.
    void PosicionarDescricao(QWidget* descricao);

    void CarregarCampos();
    // Selects the type item of the input's type when the window has one for it.
    virtual void SelecionarTipo(TTipoInsumo tipo) = 0;
    // The type of the selected item (tiIndefinido when none).
    virtual TTipoInsumo TipoSelecionado() const = 0;
    // Shows the input's description (and item detail) once the other fields are loaded.
    virtual void CarregarDescricao() = 0;
    // Description control, its trimmed text, and whether the technical specification is required.
    virtual QWidget* ControleDescricao() const = 0;
    virtual std::string DescricaoInformada() const = 0;
    virtual bool EspecificacaoObrigatoria() const = 0;
    // Puts the description (and item detail) into the working record.
    virtual void MontarDescricao() = 0;
    // True when the product already holds an input with the working record's identifying values.
    virtual bool InsumoJaCadastrado() const = 0;
    // Refreshes the unit description when the focus leaves that control.
    virtual bool AtualizaUnidadeAoSair(const QObject* controle) const;

    // Empties the NCM description, the description control, the unit and its description.
    void LimparNCM();
    virtual void LimparDescricao() = 0;
    // The unit code and its description from the unit register.
    void DefinirUnidade(const std::string& codunid);

    void edtCodUnidChange();
    void edtCodUnidExit();
    void btnPesqUnidClick();
    void mmEspecTecKeyUp();
    void botao2Click();

    TClsLExProduto& FProduto;
    TclsLExInsumo* FInsumo;
    TclsLExInsumo FInsumoTrabalho;
    TModoInsumo FModo = miAlterar;
    bool FSalvo = false;

private:
    // Shows the error box of a failed check and takes the focus to its control.
    bool Falha(const std::string& texto, QWidget* foco);

    QString titulo_;
    QString tituloNovo_;
};

// Text of a control without leading and trailing blanks.
std::string TextoAparado(const QLineEdit* caixa);

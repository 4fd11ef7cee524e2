#pragma once
// TFPropriedadeProduto, the properties of one listing product: the agency product code
// and its type, the model, the NCM code and unit, the cost centre and the company's model
// code, each checked against the reference tables. It creates a product or edits one on
// the caller's record, and in edit mode opens the product's input list.

#include "ui/UModelPrincipal.h"

#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TClsLExProduto;

class TFPropriedadeProduto : public TFModelPrincipal {
    Q_OBJECT
public:
    // Edit mode: loads the record into the window and shows it modally. True when the user
    // saved; the record then holds the saved values.
    static bool Alterar(TClsLExProduto& produto, QWidget* dono = nullptr);
    // New mode: the product fields start empty; the record's emp_inscvlt names the company.
    // True when the user saved; the record then holds the new product with its number.
    static bool Incluir(TClsLExProduto& produto, QWidget* dono = nullptr);

    QGroupBox* gbEmpresa;
    QLabel* Label1;
    QLineEdit* staInscVlt;
    QLabel* Label2;
    QLineEdit* stc_RazSoc;
    QGroupBox* gbProduto;
    QLabel* Label5;
    QLineEdit* edtCodProdVlt;
    QToolButton* btnCodProdPesq;
    QLabel* Label6;
    QLineEdit* staDescProd;
    QLabel* Label7;
    QComboBox* cmbTipoProd;
    QLabel* Label8;
    QLineEdit* edtDescModelo;
    QGroupBox* gbNCM;
    QLabel* Label3;
    QLineEdit* edtCodNCM;
    QToolButton* btnNCMPesq;
    QLabel* Label4;
    QLineEdit* staDescNCM;
    QGroupBox* gbUndMedida;
    QLabel* Label9;
    QLineEdit* edtCodUnid;
    QToolButton* btnUnidPesq;
    QLabel* Label12;
    QLineEdit* staDescUnid;
    QLabel* lblCentroCusto;
    QLineEdit* edtCentroCusto;
    QLabel* lblCodModEmp;
    QLineEdit* edtCodModEmp;
    QPushButton* btnVisIns;

protected:
    void FormShow() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    enum class TModo { Edicao, Novo };

    TFPropriedadeProduto(TClsLExProduto& produto, QWidget* dono);

    void CarregarCampos();
    void CarregarTipos();
    bool ValidarProduto();
    // The type code of the chosen item (its first three characters), or empty.
    std::string TipoSelecionado() const;
    void LimparNCMEUnidade();

    void edtCodProdVltChange();
    void btnCodProdPesqClick();
    void cmbTipoProdChange();
    void edtCodNCMChange();
    void btnNCMPesqClick();
    void edtCodUnidChange();
    void edtCodUnidExit();
    void btnUnidPesqClick();
    void btnVisInsClick();
    void botao2Click();

    TClsLExProduto& FProduto;
    TModo FModo = TModo::Edicao;
    bool FSalvo = false;
};

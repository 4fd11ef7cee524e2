#pragma once
// TFCadEmpresa, the edit window of a company: its registration (digits only, at most nine)
// and its corporate name. Opened by the company list for a new company (Incluir) or to
// change a company's name (Alterar).

#include "cadastros/UCadRegistro.h"
#include "dados/clsEmpresa.h"

class TFCadEmpresa : public TFCadRegistro {
    Q_OBJECT
public:
    // Creates the window in new mode, shows it modally and frees it: true when the user saved.
    static bool Incluir();
    // The same in edit mode on the caller's company, whose name becomes the saved one.
    static bool Alterar(TclsEmpresa& Empresa);

    QLineEdit* edtInscVlt;
    QLineEdit* edtRazSoc;

private:
    explicit TFCadEmpresa(TclsEmpresa* empresaChamador);

    void GuardarCampos(const std::string& chave, const std::string& descricao) override;
    void Gravar() override;

    TclsEmpresa FEmpresa;
    TclsEmpresa* FEmpresaChamador;
};

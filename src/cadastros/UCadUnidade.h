#pragma once
// TFCadUnidade, the edit window of a unit of measure: its code (digits and the comma, any
// length) and its description. Opened by the unit list for a new unit (Incluir) or to
// change a unit's description (Alterar).

#include "cadastros/UCadRegistro.h"
#include "dados/clsUnidade.h"

class TFCadUnidade : public TFCadRegistro {
    Q_OBJECT
public:
    // Creates the window in new mode, shows it modally and frees it: true when the user saved.
    static bool Incluir();
    // The same in edit mode on the caller's unit, whose description becomes the saved one.
    static bool Alterar(TclsUnidade& Unidade);

    QLineEdit* edtCodUnid;
    QLineEdit* edtDescUnid;

private:
    explicit TFCadUnidade(TclsUnidade* unidadeChamador);

    void GuardarCampos(const std::string& chave, const std::string& descricao) override;
    void Gravar() override;

    TclsUnidade FUnidade;
    TclsUnidade* FUnidadeChamador;
};

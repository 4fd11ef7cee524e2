#pragma once
// TFPropriedadeInsumo: the window in which the user creates, edits or replicates an input
// of type E (foreign, outside the standard list), N (national) or R (regional). The NCM
// code is any of the NCM table; its description becomes the input's description, which
// the user may then change.

#include "listagem/UPropriedadeInsumoBase.h"

class TFPropriedadeInsumo : public TFPropriedadeInsumoBase {
    Q_OBJECT
public:
    TFPropriedadeInsumo(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo);

    // Each shows the window modally and gives true when the user saved; Alterar and Replicar
    // show the input's values, and Alterar writes the saved values back into it.
    static bool Alterar(TClsLExProduto& produto, TclsLExInsumo& insumo);
    static bool Replicar(TClsLExProduto& produto, TclsLExInsumo& insumo);
    static bool Incluir(TClsLExProduto& produto);

    QLineEdit* edtDescIns;

protected:
    void SelecionarTipo(TTipoInsumo tipo) override;
    TTipoInsumo TipoSelecionado() const override;
    void CarregarDescricao() override;
    QWidget* ControleDescricao() const override;
    std::string DescricaoInformada() const override;
    bool EspecificacaoObrigatoria() const override;
    void MontarDescricao() override;
    bool InsumoJaCadastrado() const override;
    bool AtualizaUnidadeAoSair(const QObject* controle) const override;
    void LimparDescricao() override;

private:
    void edtCodNCMChange();
    void btnPesqNCMClick();
};

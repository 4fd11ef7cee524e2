#pragma once
// TFPropriedadeInsumoPadrao: the window in which the user creates, edits or replicates an
// input of type P, an item of the agency's standard list for the product. The NCM code
// must be one of the product's items, and the description is chosen among the item
// details of that code, which also give the input its four-character detail.

#include "listagem/UPropriedadeInsumoBase.h"

class TFPropriedadeInsumoPadrao : public TFPropriedadeInsumoBase {
    Q_OBJECT
public:
    TFPropriedadeInsumoPadrao(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo);

    // As in TFPropriedadeInsumo.
    static bool Alterar(TClsLExProduto& produto, TclsLExInsumo& insumo);
    static bool Replicar(TClsLExProduto& produto, TclsLExInsumo& insumo);
    static bool Incluir(TClsLExProduto& produto);

    // Fills the item details of the product's NCM code typed; in edit mode selects the
    // caller's item when it still matches, otherwise nothing.
    void CarregarDescricoes();

    QComboBox* cmbDescIns;

protected:
    void SelecionarTipo(TTipoInsumo tipo) override;
    TTipoInsumo TipoSelecionado() const override;
    void CarregarDescricao() override;
    QWidget* ControleDescricao() const override;
    std::string DescricaoInformada() const override;
    bool EspecificacaoObrigatoria() const override;
    void MontarDescricao() override;
    bool InsumoJaCadastrado() const override;
    void LimparDescricao() override;

private:
    void edtCodNCMChange();
    void btnPesqNCMClick();
};

// The item detail (its first four characters) and the description (at most 254
// characters from the fifth on, trimmed) of an item of the detail list.
std::string DetalheDoItem(const QString& item);
std::string DescricaoDoItem(const QString& item);

#pragma once
// TFManterUnidade, the unit-of-measure register's list window: every unit (code and
// description) in code order, with Novo, Abrir and Excluir. Opened by the main menu.

#include "cadastros/UManterRegistro.h"
#include "dados/clsUnidade.h"

class TFManterUnidade : public TFManterRegistro {
    Q_OBJECT
public:
    explicit TFManterUnidade(QWidget* pai = nullptr);

    void CarregarUnidades() { Carregar(); }
    void RecarregarUnidades(bool Aguardar) { Recarregar(Aguardar); }
    bool SelecionarUnidade() { return Selecionar(); }
    void AtualizarItemUnidade(QTreeWidgetItem* Linha) { AtualizarItem(Linha); }

    QTreeWidget* lvwUnid;

private:
    void DefinirAtual(const std::string& chave, const std::string& descricao) override;
    std::string ChaveAtual() const override { return FUnidade.codunid(); }
    std::string DescricaoAtual() const override { return FUnidade.descunid(); }
    bool IncluirNovo() override;
    bool AlterarAtual() override;

    // The current unit: the row last selected for Abrir or Excluir.
    TclsUnidade FUnidade;
};

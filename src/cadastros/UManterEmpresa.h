#pragma once
// TFManterEmpresa, the company register's list window: every company (registration and
// corporate name) in name order, with Novo, Abrir and Excluir. Opened by the main menu.

#include "cadastros/UManterRegistro.h"
#include "dados/clsEmpresa.h"

class TFManterEmpresa : public TFManterRegistro {
    Q_OBJECT
public:
    explicit TFManterEmpresa(QWidget* pai = nullptr);

    void CarregarEmpresas() { Carregar(); }
    void RecarregarEmpresas(bool Aguardar) { Recarregar(Aguardar); }
    bool SelecionarEmpresa() { return Selecionar(); }
    void AtualizarItemEmpresa(QTreeWidgetItem* Linha) { AtualizarItem(Linha); }

    QTreeWidget* lvwEmpresa;

private:
    void DefinirAtual(const std::string& chave, const std::string& descricao) override;
    std::string ChaveAtual() const override { return FEmpresa.emp_inscvlt(); }
    std::string DescricaoAtual() const override { return FEmpresa.emp_razao(); }
    bool IncluirNovo() override;
    bool AlterarAtual() override;

    // The current company: the row last selected for Abrir or Excluir.
    TclsEmpresa FEmpresa;
};

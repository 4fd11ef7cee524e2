#include "cadastros/UManterEmpresa.h"

#include "cadastros/UCadEmpresa.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"

TFManterEmpresa::TFManterEmpresa(QWidget* pai)
    : TFManterRegistro(pai, {.nomeJanela = "FManterEmpresa",
                             .altura = 472,
                             .titulo = "Manutenção de Empresas",
                             .nomeLista = "lvwEmpresa",
                             .colunas = {"Insc. Veltran", "Razão Social"},
                             .sqlLista = SQLEmpresas,
                             .campoChave = "emp_inscvlt",
                             .campoDescricao = "emp_razao",
                             .perguntaExcluir = "Deseja realmente deletar esta Empresa?",
                             .emUso = {EmpresaTemProdutos, EmpresaTemInsumos},
                             .mensagemEmUso = "Empresa possui Listagem de Exportação cadastrada.",
                             .excluir = ExcluiEmpresa}),
      lvwEmpresa(Lista()) {}

void TFManterEmpresa::DefinirAtual(const std::string& chave, const std::string& descricao) {
    FEmpresa.Set_emp_inscvlt(chave);
    FEmpresa.Set_emp_razao(descricao);
}

bool TFManterEmpresa::IncluirNovo() {
    return TFCadEmpresa::Incluir();
}

bool TFManterEmpresa::AlterarAtual() {
    return TFCadEmpresa::Alterar(FEmpresa);
}

#include "cadastros/UManterUnidade.h"

#include "cadastros/UCadUnidade.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"

TFManterUnidade::TFManterUnidade(QWidget* pai)
    : TFManterRegistro(pai, {.nomeJanela = "FManterUnidade",
                             .altura = 520,
                             .titulo = "Manutenção de Unidade de Medida",
                             .nomeLista = "lvwUnid",
                             .colunas = {"Cód. Unidade", "Descrição"},
                             .sqlLista = SQLUnidades,
                             .campoChave = "codunid",
                             .campoDescricao = "descunid",
                             .perguntaExcluir = "Deseja realmente deletar esta Unidade?",
                             .emUso = {UnidadeEmProdutos, UnidadeEmInsumos},
                             .mensagemEmUso = "Erro na exclusão da Unidade! Unidade esta vinculada à Listagem de "
                                              "Exportação cadastrada.",
                             .excluir = ExcluiUnidade}),
      lvwUnid(Lista()) {}

void TFManterUnidade::DefinirAtual(const std::string& chave, const std::string& descricao) {
    FUnidade.Set_codunid(chave);
    FUnidade.Set_descunid(descricao);
}

bool TFManterUnidade::IncluirNovo() {
    return TFCadUnidade::Incluir();
}

bool TFManterUnidade::AlterarAtual() {
    return TFCadUnidade::Alterar(FUnidade);
}

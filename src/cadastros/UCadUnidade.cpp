#include "cadastros/UCadUnidade.h"

#include "dados/InsAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"

namespace {

const TDefinicaoCad kDefinicao{
    .nomeJanela = "FCadUnidade",
    .tamanho = {517, 259},
    .minimizar = false,
    .titulo = "Cadastro de Unidade de Medida",
    .rotuloChave = "Cód. Unidade",
    .nomeChave = "edtCodUnid",
    .filtroChave = TFiltroCampo::Numerico,
    .tamanhoChave = 0,
    .chaveSemAreaTransferencia = false,
    .rotuloDescricao = "Descrição",
    .nomeDescricao = "edtDescUnid",
    .erroChave = "Erro no Código da Unidade! É necessário informar o Código da Unidade!",
    .erroDescricao = "Erro na Descricao da Unidade! É necessário informar a Descricao da Unidade!",
};

} // namespace

TFCadUnidade::TFCadUnidade(TclsUnidade* unidadeChamador)
    : TFCadRegistro(kDefinicao, unidadeChamador == nullptr), edtCodUnid(caixaChave), edtDescUnid(caixaDescricao),
      FUnidadeChamador(unidadeChamador) {
    if (FUnidadeChamador) {
        MostrarRegistro(FUnidadeChamador->codunid(), FUnidadeChamador->descunid());
    }
}

bool TFCadUnidade::Incluir() {
    TFCadUnidade janela(nullptr);
    return janela.Executar();
}

bool TFCadUnidade::Alterar(TclsUnidade& Unidade) {
    TFCadUnidade janela(&Unidade);
    return janela.Executar();
}

void TFCadUnidade::GuardarCampos(const std::string& chave, const std::string& descricao) {
    FUnidade.Set_codunid(chave);
    FUnidade.Set_descunid(descricao);
    if (FUnidadeChamador) {
        *FUnidadeChamador = FUnidade;
    }
}

void TFCadUnidade::Gravar() {
    if (Novo()) {
        InsereUnidade(FUnidade.codunid(), FUnidade.descunid());
    } else {
        AlteraUnidade(FUnidade.codunid(), FUnidade.descunid());
    }
}

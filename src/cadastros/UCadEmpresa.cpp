#include "cadastros/UCadEmpresa.h"

#include "dados/InsAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"

namespace {

const TDefinicaoCad kDefinicao{
    .nomeJanela = "FCadEmpresa",
    .tamanho = {644, 260},
    .minimizar = true,
    .titulo = "Cadastro de Empresas",
    .rotuloChave = "Insc. Veltran",
    .nomeChave = "edtInscVlt",
    .filtroChave = TFiltroCampo::Digitos,
    .tamanhoChave = 9,
    .chaveSemAreaTransferencia = true,
    .rotuloDescricao = "Razão Social",
    .nomeDescricao = "edtRazSoc",
    .erroChave = "Informe a Inscrição Veltran!",
    .erroDescricao = "É necessário informar a Razão Social!",
};

} // namespace

TFCadEmpresa::TFCadEmpresa(TclsEmpresa* empresaChamador)
    : TFCadRegistro(kDefinicao, empresaChamador == nullptr), edtInscVlt(caixaChave), edtRazSoc(caixaDescricao),
      FEmpresaChamador(empresaChamador) {
    if (FEmpresaChamador) {
        MostrarRegistro(FEmpresaChamador->emp_inscvlt(), FEmpresaChamador->emp_razao());
    }
}

bool TFCadEmpresa::Incluir() {
    TFCadEmpresa janela(nullptr);
    return janela.Executar();
}

bool TFCadEmpresa::Alterar(TclsEmpresa& Empresa) {
    TFCadEmpresa janela(&Empresa);
    return janela.Executar();
}

void TFCadEmpresa::GuardarCampos(const std::string& chave, const std::string& descricao) {
    FEmpresa.Set_emp_inscvlt(chave);
    FEmpresa.Set_emp_razao(descricao);
    if (FEmpresaChamador) {
        *FEmpresaChamador = FEmpresa;
    }
}

void TFCadEmpresa::Gravar() {
    if (Novo()) {
        InsereEmpresa(FEmpresa.emp_inscvlt(), FEmpresa.emp_razao());
    } else {
        AlteraEmpresa(FEmpresa.emp_inscvlt(), FEmpresa.emp_razao());
    }
}

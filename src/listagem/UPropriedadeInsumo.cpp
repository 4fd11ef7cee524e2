#include "listagem/UPropriedadeInsumo.h"

#include "comum/RotinasUteis.h"
#include "dados/SelAccessUsoGeral.h"
#include "ui/UCampos.h"
#include "ui/UPesquisaGerador.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace {

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

} // namespace

TFPropriedadeInsumo::TFPropriedadeInsumo(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo)
    : TFPropriedadeInsumoBase(
          pai, produto, insumo, "Módulo - Listagem de Exportação", "Propriedades do Insumo (NOVO)",
          "Propriedades do Insumo",
          {"", "E - Insumo Estrangeiro Extra Listagem Padrão", "N - Insumo Nacional", "R - Insumo Regional"}) {
    setObjectName("FPropriedadeInsumo");
    edtDescIns = CriarCaixaTexto(gbEmpresa, "edtDescIns", {});
    // The export file holds 254 characters of the description.
    edtDescIns->setMaxLength(254);
    PosicionarDescricao(edtDescIns);
    connect(edtCodNCM, &QLineEdit::textChanged, this, &TFPropriedadeInsumo::edtCodNCMChange);
    connect(btnPesqNCM, &QToolButton::clicked, this, &TFPropriedadeInsumo::btnPesqNCMClick);
}

bool TFPropriedadeInsumo::Alterar(TClsLExProduto& produto, TclsLExInsumo& insumo) {
    return Executar<TFPropriedadeInsumo>(miAlterar, produto, &insumo);
}

bool TFPropriedadeInsumo::Replicar(TClsLExProduto& produto, TclsLExInsumo& insumo) {
    return Executar<TFPropriedadeInsumo>(miReplicar, produto, &insumo);
}

bool TFPropriedadeInsumo::Incluir(TClsLExProduto& produto) {
    return Executar<TFPropriedadeInsumo>(miIncluir, produto, nullptr);
}

// Items 1 to 3 are E, N and R, numbered as the types themselves.
void TFPropriedadeInsumo::SelecionarTipo(TTipoInsumo tipo) {
    if (tipo >= tiEstrangeiro && tipo <= tiRegional) {
        cmbSelTipoIns->setCurrentIndex(tipo);
    }
}

TTipoInsumo TFPropriedadeInsumo::TipoSelecionado() const {
    const int item = cmbSelTipoIns->currentIndex();
    return item >= tiEstrangeiro && item <= tiRegional ? static_cast<TTipoInsumo>(item) : tiIndefinido;
}

void TFPropriedadeInsumo::CarregarDescricao() {
    edtDescIns->setText(Q8(FInsumo->exp_descins()));
}

QWidget* TFPropriedadeInsumo::ControleDescricao() const {
    return edtDescIns;
}

std::string TFPropriedadeInsumo::DescricaoInformada() const {
    return TextoAparado(edtDescIns);
}

bool TFPropriedadeInsumo::EspecificacaoObrigatoria() const {
    return cmbSelTipoIns->currentIndex() == tiEstrangeiro;
}

void TFPropriedadeInsumo::MontarDescricao() {
    FInsumoTrabalho.Set_exp_descins(DescricaoInformada());
}

bool TFPropriedadeInsumo::InsumoJaCadastrado() const {
    const TclsLExInsumo& r = FInsumoTrabalho;
    return ExisteInsumoDescricao(r.emp_inscvlt(), r.exp_codprod(), r.exp_tipoins(), r.exp_ncmins(), r.exp_descins(),
                                 r.exp_espetec());
}

bool TFPropriedadeInsumo::AtualizaUnidadeAoSair(const QObject* controle) const {
    return controle == edtCodUnid || controle == edtDescIns;
}

void TFPropriedadeInsumo::LimparDescricao() {
    edtDescIns->clear();
}

// Any NCM code of the NCM table: its description replaces the input's description, and its
// unit becomes the input's unit.
void TFPropriedadeInsumo::edtCodNCMChange() {
    const std::string ncm = TextoAparado(edtCodNCM);
    if (ncm.size() != 8 || !EhInteiro(edtCodNCM->text().toStdString())) {
        LimparNCM();
        return;
    }
    staDescNCM->setText(Q8(DescricaoNCM(ncm)));
    edtDescIns->setText(staDescNCM->text());
    DefinirUnidade(UnidadeNCM(ncm));
}

void TFPropriedadeInsumo::btnPesqNCMClick() {
    TListaNomeValor retorno;
    if (TFPesquisaGerador::Pesquisar(8, retorno)) {
        edtCodNCM->setText(Q8(retorno.Valor("NCM_CODIGO")));
        staDescNCM->setText(Q8(retorno.Valor("NCM_DESCRICAO")));
        DefinirUnidade(retorno.Valor("UNI_CODIGO"));
    }
}

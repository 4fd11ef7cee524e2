#include "listagem/UPropriedadeInsumoPadrao.h"

#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
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

std::string DetalheDoItem(const QString& item) {
    return item.left(4).toStdString();
}

std::string DescricaoDoItem(const QString& item) {
    return Aparar(item.mid(4, 254).toStdString());
}

TFPropriedadeInsumoPadrao::TFPropriedadeInsumoPadrao(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo)
    : TFPropriedadeInsumoBase(pai, produto, insumo, "FPropriedadeInsumoPadrao", "Propriedades do Insumo Padrão (NOVO)",
                              "Propriedades do Insumo Padrão", {"", "P - Insumo Estrangeiro da Listagem Padrão"}) {
    setObjectName("FPropriedadeInsumoPadrao");
    AplicarFiltro(edtCodNCM, TFiltroCampo::Numerico, false, 8);
    cmbDescIns = new QComboBox(gbEmpresa);
    cmbDescIns->setObjectName("cmbDescIns");
    PosicionarDescricao(cmbDescIns);
    connect(edtCodNCM, &QLineEdit::textChanged, this, &TFPropriedadeInsumoPadrao::edtCodNCMChange);
    connect(btnPesqNCM, &QToolButton::clicked, this, &TFPropriedadeInsumoPadrao::btnPesqNCMClick);
}

bool TFPropriedadeInsumoPadrao::Alterar(TClsLExProduto& produto, TclsLExInsumo& insumo) {
    return Executar<TFPropriedadeInsumoPadrao>(miAlterar, produto, &insumo);
}

bool TFPropriedadeInsumoPadrao::Replicar(TClsLExProduto& produto, TclsLExInsumo& insumo) {
    return Executar<TFPropriedadeInsumoPadrao>(miReplicar, produto, &insumo);
}

bool TFPropriedadeInsumoPadrao::Incluir(TClsLExProduto& produto) {
    return Executar<TFPropriedadeInsumoPadrao>(miIncluir, produto, nullptr);
}

void TFPropriedadeInsumoPadrao::CarregarDescricoes() {
    cmbDescIns->clear();
    // The caller's item is matched on the description as this window stores it (cut and
    // trimmed), so that an input whose item description is longer than the file holds
    // still opens with its item chosen.
    const bool procurar = FModo == miAlterar && FInsumo;
    int escolhido = -1;
    TConsulta& consulta = AbrirLista(SQLDetalhesItem(FProduto.exp_codprodvlt(), edtCodNCM->text().toStdString()));
    for (; !consulta.Fim(); consulta.Proximo()) {
        const std::string detalhe = consulta.Texto("vtncm_detalhe");
        const QString item = Q8(detalhe + " " + consulta.Texto("vtncm_descricao"));
        cmbDescIns->addItem(item);
        if (procurar && escolhido < 0 && detalhe == FInsumo->exp_detinsvlt() &&
            DescricaoDoItem(item) == FInsumo->exp_descins()) {
            escolhido = cmbDescIns->count() - 1;
        }
    }
    consulta.Fechar();
    cmbDescIns->setCurrentIndex(escolhido);
}

void TFPropriedadeInsumoPadrao::SelecionarTipo(TTipoInsumo tipo) {
    if (tipo == tiPadrao) {
        cmbSelTipoIns->setCurrentIndex(1);
    }
}

TTipoInsumo TFPropriedadeInsumoPadrao::TipoSelecionado() const {
    return cmbSelTipoIns->currentIndex() == 1 ? tiPadrao : tiIndefinido;
}

void TFPropriedadeInsumoPadrao::CarregarDescricao() {
    CarregarDescricoes();
}

QWidget* TFPropriedadeInsumoPadrao::ControleDescricao() const {
    return cmbDescIns;
}

std::string TFPropriedadeInsumoPadrao::DescricaoInformada() const {
    return Aparar(cmbDescIns->currentText().toStdString());
}

bool TFPropriedadeInsumoPadrao::EspecificacaoObrigatoria() const {
    return true;
}

void TFPropriedadeInsumoPadrao::MontarDescricao() {
    const QString item = cmbDescIns->currentText();
    FInsumoTrabalho.Set_exp_detinsvlt(DetalheDoItem(item));
    FInsumoTrabalho.Set_exp_descins(DescricaoDoItem(item));
}

bool TFPropriedadeInsumoPadrao::InsumoJaCadastrado() const {
    const TclsLExInsumo& r = FInsumoTrabalho;
    return ExisteInsumoLE(r.emp_inscvlt(), r.exp_codprod(), r.exp_tipoins(), r.exp_ncmins(), r.exp_detinsvlt(),
                          r.exp_espetec());
}

void TFPropriedadeInsumoPadrao::LimparDescricao() {
    cmbDescIns->clear();
}

// Only the NCM codes of the product's items have a description here; the description
// itself is chosen among the item details.
void TFPropriedadeInsumoPadrao::edtCodNCMChange() {
    const std::string ncm = TextoAparado(edtCodNCM);
    if (ncm.size() != 8 || !EhInteiro(edtCodNCM->text().toStdString())) {
        LimparNCM();
        return;
    }
    staDescNCM->setText(Q8(DescricaoNCMItem(FProduto.exp_codprodvlt(), ncm)));
    CarregarDescricoes();
    DefinirUnidade(UnidadeNCMItem(FProduto.exp_codprodvlt(), ncm));
}

void TFPropriedadeInsumoPadrao::btnPesqNCMClick() {
    TListaNomeValor parametros;
    parametros.DefinirValor("CodPrdVlt", FProduto.exp_codprodvlt());
    TListaNomeValor retorno;
    if (TFPesquisaGerador::PesquisarComParametros(7, parametros, retorno)) {
        edtCodNCM->setText(Q8(retorno.Valor("NCM_CODIGO")));
        staDescNCM->setText(Q8(retorno.Valor("NCM_DESCRICAO")));
        edtCodUnid->setText(Q8(retorno.Valor("UNI_CODIGO")));
        CarregarDescricoes();
        DefinirUnidade(edtCodUnid->text().toStdString());
    }
}

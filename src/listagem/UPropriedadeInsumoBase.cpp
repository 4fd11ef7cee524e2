#include "listagem/UPropriedadeInsumoBase.h"

#include "comum/CaixasMensagem.h"
#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "dados/InsAccessUsoGeral.h"
#include "dados/SelAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"
#include "ui/UPesquisaGerador.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const char* const kSemCoeficiente = "Erro no Coeficiente Técnico! O Insumo DEVE TER um coeficente técnico";
const char* const kSemNCM = "Erro no Código NCM! O Insumo está sem o código NCM!";
const char* const kSemUnidade = "Erro no Código da Unidade! O Insumo está sem o código de sua Unidade!";

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

} // namespace

std::string TextoAparado(const QLineEdit* caixa) {
    return Aparar(caixa->text().toStdString());
}

TFPropriedadeInsumoBase::TFPropriedadeInsumoBase(QWidget* pai, TClsLExProduto& produto, TclsLExInsumo* insumo,
                                                 const QString& legenda, const QString& tituloNovo,
                                                 const QString& titulo, const QStringList& tipos)
    : TFModelPrincipal(pai), FProduto(produto), FInsumo(insumo), titulo_(titulo), tituloNovo_(tituloNovo) {
    setWindowTitle(legenda);
    for (TImagem* botao : {botao0, botao1, botao3, botao4, botao5, botao6, botao7, botao8}) {
        botao->hide();
    }
    connect(botao2, &TImagem::Clicado, this, &TFPropriedadeInsumoBase::botao2Click);

    gbEmpresa = new QGroupBox(" Informações do Insumo", Panel3);
    gbEmpresa->setObjectName("gbEmpresa");
    gbEmpresa->setGeometry(8, 6, 766, 396);

    Label6 = CriarRotulo("Tipo do Insumo", gbEmpresa, "Label6", {12, 22, 300, 16});
    cmbSelTipoIns = new QComboBox(gbEmpresa);
    cmbSelTipoIns->setObjectName("cmbSelTipoIns");
    cmbSelTipoIns->setGeometry(12, 40, 360, 24);
    cmbSelTipoIns->addItems(tipos);
    cmbSelTipoIns->setCurrentIndex(-1);

    Label11 = CriarRotulo("Cód. NCM", gbEmpresa, "Label11", {12, 72, 100, 16});
    edtCodNCM = CriarCaixaTexto(gbEmpresa, "edtCodNCM", {12, 90, 100, 24}, TFiltroCampo::Numerico);
    btnPesqNCM = CriarBotaoPesquisa(gbEmpresa, "btnPesqNCM", {116, 90, 26, 24});
    Label13 = CriarRotulo("Descrição NCM", gbEmpresa, "Label13", {150, 72, 300, 16});
    staDescNCM = CriarTextoEstatico(gbEmpresa, "staDescNCM", {150, 90, 604, 24});

    Label10 = CriarRotulo("Insumo", gbEmpresa, "Label10", {12, 122, 300, 16});

    Label8 = CriarRotulo("Especificação Técnica", gbEmpresa, "Label8", {12, 172, 300, 16});
    mmEspecTec = new TMemoLimitado(gbEmpresa, "mmEspecTec", kLimiteEspecTec);
    mmEspecTec->setGeometry(12, 190, 742, 112);
    lblQtdeCaractEspTec = CriarRotulo("0 caracteres de 3723", gbEmpresa, "lblQtdeCaractEspTec", {454, 304, 300, 16});
    lblQtdeCaractEspTec->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label4 = CriarRotulo("Cód. Unidade", gbEmpresa, "Label4", {12, 326, 100, 16});
    edtCodUnid = CriarCaixaTexto(gbEmpresa, "edtCodUnid", {12, 344, 70, 24}, TFiltroCampo::Numerico);
    btnPesqUnid = CriarBotaoPesquisa(gbEmpresa, "btnPesqUnid", {86, 344, 26, 24});
    Label9 = CriarRotulo("Descrição", gbEmpresa, "Label9", {120, 326, 200, 16});
    staDescUnid = CriarTextoEstatico(gbEmpresa, "staDescUnid", {120, 344, 250, 24});

    Label7 = CriarRotulo("Coeficiente Técnico", gbEmpresa, "Label7", {382, 326, 150, 16});
    // Digits and the comma only: the dot (a thousands point to the conversion) and the
    // minus sign cannot be typed.
    edtCoefTec = CriarCaixaTexto(gbEmpresa, "edtCoefTec", {382, 344, 150, 24}, TFiltroCampo::Numerico);

    Label14 = CriarRotulo("Part Number", gbEmpresa, "Label14", {544, 326, 150, 16});
    edtPart = CriarCaixaTexto(gbEmpresa, "edtPart", {544, 344, 210, 24});
    // The export file holds 30 characters of the part number.
    edtPart->setMaxLength(30);

    // The lookup buttons are reached by mouse; Tab goes from box to box.
    btnPesqNCM->setFocusPolicy(Qt::NoFocus);
    btnPesqUnid->setFocusPolicy(Qt::NoFocus);

    edtCodUnid->installEventFilter(this);
    connect(edtCodUnid, &QLineEdit::textChanged, this, &TFPropriedadeInsumoBase::edtCodUnidChange);
    connect(btnPesqUnid, &QToolButton::clicked, this, &TFPropriedadeInsumoBase::btnPesqUnidClick);
    // The counter follows every change of the technical specification, a paste by mouse included.
    connect(mmEspecTec, &QPlainTextEdit::textChanged, this, &TFPropriedadeInsumoBase::mmEspecTecKeyUp);
}

void TFPropriedadeInsumoBase::PosicionarDescricao(QWidget* descricao) {
    descricao->setGeometry(12, 140, 742, 24);
    descricao->installEventFilter(this);
    setTabOrder(cmbSelTipoIns, edtCodNCM);
    setTabOrder(edtCodNCM, descricao);
    setTabOrder(descricao, mmEspecTec);
    setTabOrder(mmEspecTec, edtCodUnid);
    setTabOrder(edtCodUnid, edtCoefTec);
    setTabOrder(edtCoefTec, edtPart);
}

void TFPropriedadeInsumoBase::FormShow() {
    TFModelPrincipal::FormShow();
    LTitJan->setText(FModo == miIncluir ? tituloNovo_ : titulo_);
    mmEspecTecKeyUp();
    cmbSelTipoIns->setFocus();
}

bool TFPropriedadeInsumoBase::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusOut && AtualizaUnidadeAoSair(objeto)) {
        edtCodUnidExit();
    }
    return TFModelPrincipal::eventFilter(objeto, evento);
}

bool TFPropriedadeInsumoBase::AtualizaUnidadeAoSair(const QObject* controle) const {
    return controle == edtCodUnid;
}

void TFPropriedadeInsumoBase::CarregarCampos() {
    SelecionarTipo(FInsumo->TipoInsumo());
    edtCodNCM->setText(Q8(FInsumo->exp_ncmins()));
    staDescNCM->setText(Q8(DescricaoNCM(FInsumo->exp_ncmins())));
    mmEspecTec->DefinirTexto(FInsumo->exp_espetec());
    DefinirUnidade(FInsumo->codunid());
    // Fixed notation: a small coefficient such as 0.00005 must read back through the
    // decimal check and the key filter, which know no exponent.
    edtCoefTec->setText(Q8(FormatoFixo(FInsumo->exp_coeftec())));
    edtPart->setText(Q8(FInsumo->ins_codemp()));
    CarregarDescricao();
}

void TFPropriedadeInsumoBase::LimparNCM() {
    staDescNCM->clear();
    LimparDescricao();
    edtCodUnid->clear();
    staDescUnid->clear();
}

void TFPropriedadeInsumoBase::DefinirUnidade(const std::string& codunid) {
    edtCodUnid->setText(Q8(codunid));
    staDescUnid->setText(Q8(DescricaoUnidade(TextoAparado(edtCodUnid))));
}

void TFPropriedadeInsumoBase::edtCodUnidChange() {
    staDescUnid->clear();
}

void TFPropriedadeInsumoBase::edtCodUnidExit() {
    const std::string codigo = TextoAparado(edtCodUnid);
    staDescUnid->setText(codigo.empty() ? QString() : Q8(DescricaoUnidade(codigo)));
}

void TFPropriedadeInsumoBase::btnPesqUnidClick() {
    TListaNomeValor retorno;
    if (TFPesquisaGerador::Pesquisar(4, retorno)) {
        edtCodUnid->setText(Q8(retorno.Valor("CODUNID")));
        staDescUnid->setText(Q8(retorno.Valor("DESCUNID")));
    }
}

void TFPropriedadeInsumoBase::mmEspecTecKeyUp() {
    lblQtdeCaractEspTec->setText(
        QString("%1 caracteres de %2").arg(CaracteresMemo(mmEspecTec->toPlainText())).arg(kLimiteEspecTec));
}

bool TFPropriedadeInsumoBase::Falha(const std::string& texto, QWidget* foco) {
    CaixaErro("Erro", texto);
    foco->setFocus();
    return false;
}

bool TFPropriedadeInsumoBase::ValidarInsumo() {
    if (Aparar(cmbSelTipoIns->currentText().toStdString()).empty()) {
        return Falha("Erro no Tipo do Insumo! O Tipo do Insumo NAO foi selecionado!", cmbSelTipoIns);
    }
    if (TextoAparado(edtCodNCM).empty() || TextoAparado(staDescNCM).empty()) {
        return Falha(kSemNCM, edtCodNCM);
    }
    if (DescricaoInformada().empty()) {
        return Falha("Erro na Descrição do Insumo! O Insumo proposto DEVE TER alguma descrição!", ControleDescricao());
    }
    const std::string especificacao = Aparar(mmEspecTec->Texto());
    if (EspecificacaoObrigatoria() && especificacao.empty()) {
        return Falha("Erro na Especificação Técnica! O Insumo importado DEVE TER uma especificação técnica!",
                     mmEspecTec);
    }
    if (TextoAparado(edtCodUnid).empty() || TextoAparado(staDescUnid).empty()) {
        return Falha(kSemUnidade, edtCodUnid);
    }
    const std::string coeficiente = TextoAparado(edtCoefTec);
    if (coeficiente.empty() || coeficiente == "0") {
        return Falha(kSemCoeficiente, edtCoefTec);
    }
    // A text such as a lone comma passes the decimal check but is no number: it gets the
    // same message instead of a conversion error.
    TclsLExInsumo& r = FInsumoTrabalho;
    try {
        if (!EhDecimal(edtCoefTec->text().toStdString())) {
            throw ErroConversao("");
        }
        r.Set_exp_coeftec(edtCoefTec->text().toStdString());
    } catch (const ErroConversao&) {
        return Falha("Erro no Coeficiente Técnico! O coeficiente técnico DEVER SER um número válido!", edtCoefTec);
    }

    r.Set_emp_inscvlt(FProduto.emp_inscvlt());
    r.Set_exp_codprod(FProduto.exp_codprod());
    r.Set_exp_ncmins(edtCodNCM->text().toStdString());
    MontarDescricao();
    r.Set_exp_espetec(especificacao);
    r.Set_codunid(edtCodUnid->text().toStdString());
    r.Set_ins_codemp(edtPart->text().toStdString());
    r.Set_exp_status("0");
    r.DefineTipoInsumo(TipoSelecionado());
    if (FModo != miIncluir && FInsumo) {
        FInsumo->Set_exp_ncmins(r.exp_ncmins());
        FInsumo->Set_exp_detinsvlt(r.exp_detinsvlt());
        FInsumo->Set_exp_descins(r.exp_descins());
        FInsumo->Set_exp_espetec(r.exp_espetec());
        FInsumo->Set_codunid(r.codunid());
        FInsumo->Set_exp_coeftec(r.exp_coeftec());
        FInsumo->Set_ins_codemp(r.ins_codemp());
        FInsumo->Set_exp_status(r.exp_status());
        FInsumo->DefineTipoInsumo(TipoSelecionado());
    }
    if (FModo != miAlterar && InsumoJaCadastrado()) {
        return Falha("Erro no Insumo! Insumo JA cadastrado", edtCodNCM);
    }
    return true;
}

void TFPropriedadeInsumoBase::botao2Click() {
    // The picture buttons take no focus: what leaving the unit box does must happen now.
    if (AtualizaUnidadeAoSair(focusWidget())) {
        edtCodUnidExit();
    }
    if (!ValidarInsumo()) {
        return;
    }
    TclsLExInsumo& r = FInsumoTrabalho;
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        if (FModo == miAlterar) {
            r.Set_exp_codins(FInsumo->exp_codins());
            AlteraInsumo(r.emp_inscvlt(), r.exp_codprod(), r.exp_codins(), r.codunid(), r.exp_tipoins(), r.exp_ncmins(),
                         r.exp_detinsvlt(), r.exp_descins(), r.exp_espetec(), r.ins_codemp(), r.exp_coeftec());
        } else {
            r.Set_exp_codins(ProximoCodigoInsumo(r.emp_inscvlt(), r.exp_codprod()));
            InsereInsumo(r.emp_inscvlt(), r.exp_codprod(), r.exp_codins(), r.codunid(), r.exp_tipoins(), r.exp_ncmins(),
                         r.exp_detinsvlt(), r.exp_descins(), r.exp_espetec(), r.ins_codemp(), r.exp_coeftec());
        }
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    FSalvo = true;
    close();
}

#include "listagem/UPropriedadeProduto.h"

#include "comum/CaixasMensagem.h"
#include "comum/ListaNomeValor.h"
#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "dados/InsAccessUsoGeral.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"
#include "dados/clsLExProduto.h"
#include "listagem/UInsumoLE.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"
#include "ui/UPesquisaGerador.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

std::string Texto(const QLineEdit* caixa) {
    return caixa->text().toStdString();
}

bool Vazio(const QLineEdit* caixa) {
    return Aparar(Texto(caixa)).empty();
}

QGroupBox* CriarGrupo(const QString& titulo, QWidget* pai, const char* nome, const QRect& lugar) {
    auto* grupo = new QGroupBox(titulo, pai);
    grupo->setObjectName(nome);
    grupo->setGeometry(lugar);
    return grupo;
}

} // namespace

TFPropriedadeProduto::TFPropriedadeProduto(TClsLExProduto& produto, QWidget* dono)
    : TFModelPrincipal(dono), FProduto(produto) {
    setObjectName("FPropriedadeProduto");
    setWindowTitle("Módulo - Listagem de Exportação");
    for (TImagem* botao : {botao0, botao1, botao3, botao4, botao5, botao6, botao7, botao8}) {
        botao->hide();
    }
    connect(botao2, &TImagem::Clicado, this, &TFPropriedadeProduto::botao2Click);

    gbEmpresa = CriarGrupo(" Informações da Empresa ", Panel3, "gbEmpresa", {8, 4, 766, 56});
    Label1 = CriarRotulo("Insc. Veltran", gbEmpresa, "Label1", {12, 26, 112, 16});
    staInscVlt = CriarTextoEstatico(gbEmpresa, "staInscVlt", {126, 22, 100, 24});
    Label2 = CriarRotulo("Razão Social", gbEmpresa, "Label2", {236, 26, 90, 16});
    stc_RazSoc = CriarTextoEstatico(gbEmpresa, "stc_RazSoc", {330, 22, 424, 24});

    gbProduto = CriarGrupo(" Informações do Produto ", Panel3, "gbProduto", {8, 64, 766, 122});
    Label5 = CriarRotulo("Cód. Produto", gbProduto, "Label5", {12, 26, 112, 16});
    edtCodProdVlt = CriarCaixaTexto(gbProduto, "edtCodProdVlt", {126, 22, 60, 24}, TFiltroCampo::Numerico, false, 4);
    btnCodProdPesq = CriarBotaoPesquisa(gbProduto, "btnCodProdPesq", {190, 22, 26, 24});
    Label6 = CriarRotulo("Descrição", gbProduto, "Label6", {236, 26, 90, 16});
    staDescProd = CriarTextoEstatico(gbProduto, "staDescProd", {330, 22, 424, 24});
    Label7 = CriarRotulo("Tipo Produto", gbProduto, "Label7", {12, 58, 112, 16});
    cmbTipoProd = new QComboBox(gbProduto);
    cmbTipoProd->setObjectName("cmbTipoProd");
    cmbTipoProd->setGeometry(126, 54, 340, 24);
    cmbTipoProd->setEditable(false);
    Label8 = CriarRotulo("Descrição Modelo", gbProduto, "Label8", {12, 90, 112, 16});
    edtDescModelo = CriarCaixaTexto(gbProduto, "edtDescModelo", {126, 86, 628, 24}, TFiltroCampo::Livre);

    gbNCM = CriarGrupo(" NCM ", Panel3, "gbNCM", {8, 190, 379, 90});
    Label3 = CriarRotulo("Cód.", gbNCM, "Label3", {12, 26, 60, 16});
    edtCodNCM = CriarCaixaTexto(gbNCM, "edtCodNCM", {76, 22, 100, 24}, TFiltroCampo::Numerico);
    btnNCMPesq = CriarBotaoPesquisa(gbNCM, "btnNCMPesq", {180, 22, 26, 24});
    Label4 = CriarRotulo("Descrição", gbNCM, "Label4", {12, 58, 60, 16});
    staDescNCM = CriarTextoEstatico(gbNCM, "staDescNCM", {76, 54, 291, 24});

    gbUndMedida = CriarGrupo(" Unidade de Medida ", Panel3, "gbUndMedida", {395, 190, 379, 90});
    Label9 = CriarRotulo("Cód.", gbUndMedida, "Label9", {12, 26, 60, 16});
    edtCodUnid = CriarCaixaTexto(gbUndMedida, "edtCodUnid", {76, 22, 60, 24}, TFiltroCampo::Numerico);
    edtCodUnid->installEventFilter(this);
    btnUnidPesq = CriarBotaoPesquisa(gbUndMedida, "btnUnidPesq", {140, 22, 26, 24});
    Label12 = CriarRotulo("Descrição", gbUndMedida, "Label12", {12, 58, 60, 16});
    staDescUnid = CriarTextoEstatico(gbUndMedida, "staDescUnid", {76, 54, 291, 24});

    lblCentroCusto = CriarRotulo("Centro de Custo", Panel3, "lblCentroCusto", {12, 290, 200, 16});
    edtCentroCusto = CriarCaixaTexto(Panel3, "edtCentroCusto", {12, 308, 200, 24}, TFiltroCampo::Livre);
    lblCodModEmp = CriarRotulo("Código do Modelo na Empresa", Panel3, "lblCodModEmp", {228, 290, 250, 16});
    edtCodModEmp = CriarCaixaTexto(Panel3, "edtCodModEmp", {228, 308, 250, 24}, TFiltroCampo::Livre);

    btnVisIns = CriarBotaoTexto(" &Visualizar Insumos", Panel3, "btnVisIns", {614, 350, 160, 32});
    btnVisIns->setEnabled(false);

    setTabOrder(edtCodProdVlt, cmbTipoProd);
    setTabOrder(cmbTipoProd, edtDescModelo);
    setTabOrder(edtDescModelo, edtCodNCM);
    setTabOrder(edtCodNCM, btnNCMPesq);
    setTabOrder(btnNCMPesq, edtCodUnid);
    setTabOrder(edtCodUnid, btnUnidPesq);
    setTabOrder(btnUnidPesq, edtCentroCusto);
    setTabOrder(edtCentroCusto, edtCodModEmp);
    setTabOrder(edtCodModEmp, btnVisIns);

    connect(edtCodProdVlt, &QLineEdit::textChanged, this, &TFPropriedadeProduto::edtCodProdVltChange);
    connect(btnCodProdPesq, &QToolButton::clicked, this, &TFPropriedadeProduto::btnCodProdPesqClick);
    connect(cmbTipoProd, &QComboBox::currentIndexChanged, this, &TFPropriedadeProduto::cmbTipoProdChange);
    connect(edtCodNCM, &QLineEdit::textChanged, this, &TFPropriedadeProduto::edtCodNCMChange);
    connect(btnNCMPesq, &QToolButton::clicked, this, &TFPropriedadeProduto::btnNCMPesqClick);
    connect(edtCodUnid, &QLineEdit::textChanged, this, &TFPropriedadeProduto::edtCodUnidChange);
    connect(btnUnidPesq, &QToolButton::clicked, this, &TFPropriedadeProduto::btnUnidPesqClick);
    connect(btnVisIns, &QPushButton::clicked, this, &TFPropriedadeProduto::btnVisInsClick);

    staInscVlt->setText(Q8(FProduto.emp_inscvlt()));
    stc_RazSoc->setText(Q8(RazaoSocialEmpresa(FProduto.emp_inscvlt())));
}

bool TFPropriedadeProduto::Alterar(TClsLExProduto& produto, QWidget* dono) {
    TFPropriedadeProduto janela(produto, dono);
    janela.CarregarCampos();
    janela.FModo = TModo::Edicao;
    janela.exec();
    return janela.FSalvo;
}

bool TFPropriedadeProduto::Incluir(TClsLExProduto& produto, QWidget* dono) {
    TFPropriedadeProduto janela(produto, dono);
    janela.FModo = TModo::Novo;
    janela.exec();
    return janela.FSalvo;
}

void TFPropriedadeProduto::FormShow() {
    TFModelPrincipal::FormShow();
    LTitJan->setText(FModo == TModo::Novo ? "Propriedades do Produto (NOVO)" : "Propriedades do Produto");
}

// Shows the stored NCM code and unit whatever the reference tables now say about the pair
// of product and type, with the NCM's own description.
void TFPropriedadeProduto::CarregarCampos() {
    edtCodProdVlt->setText(Q8(FProduto.exp_codprodvlt()));
    staDescProd->setText(Q8(NomeProdutoXVM(Texto(edtCodProdVlt))));
    CarregarTipos();
    edtDescModelo->setText(Q8(FProduto.exp_modprod()));
    edtCodNCM->setText(Q8(FProduto.exp_ncmprod()));
    staDescNCM->setText(Q8(DescricaoNCM(Texto(edtCodNCM))));
    edtCodUnid->setText(Q8(FProduto.codunid()));
    staDescUnid->setText(Q8(DescricaoUnidade(Texto(edtCodUnid))));
    edtCentroCusto->setText(Q8(FProduto.cus_codigo()));
    edtCodModEmp->setText(Q8(FProduto.mod_codemp()));
    btnVisIns->setEnabled(true);
}

void TFPropriedadeProduto::LimparNCMEUnidade() {
    edtCodNCM->clear();
    staDescNCM->clear();
    edtCodUnid->clear();
    staDescUnid->clear();
}

// The types of the product code; in edit mode the record's type is chosen again when the
// code has it.
void TFPropriedadeProduto::CarregarTipos() {
    {
        const QSignalBlocker bloqueio(cmbTipoProd);
        cmbTipoProd->clear();
    }
    LimparNCMEUnidade();
    TConsulta& consulta = AbrirLista(SQLTiposProduto(Texto(edtCodProdVlt)));
    QStringList itens;
    int escolhido = -1;
    for (; !consulta.Fim(); consulta.Proximo()) {
        const std::string tipo = consulta.Texto("prdt_codtipo");
        if (FModo == TModo::Edicao && escolhido < 0 && tipo == FProduto.exp_tipoprodvlt()) {
            escolhido = int(itens.size());
        }
        itens << Q8(tipo + " " + consulta.Texto("prdt_desctipo"));
    }
    consulta.Fechar();
    const QSignalBlocker bloqueio(cmbTipoProd);
    cmbTipoProd->addItems(itens);
    cmbTipoProd->setCurrentIndex(escolhido);
}

std::string TFPropriedadeProduto::TipoSelecionado() const {
    return cmbTipoProd->currentText().left(3).toStdString();
}

void TFPropriedadeProduto::edtCodProdVltChange() {
    const std::string codigo = Texto(edtCodProdVlt);
    if (Aparar(codigo).size() == 4 && EhInteiro(codigo)) {
        staDescProd->setText(Q8(NomeProdutoXVM(codigo)));
        CarregarTipos();
    } else {
        staDescProd->clear();
        const QSignalBlocker bloqueio(cmbTipoProd);
        cmbTipoProd->clear();
        LimparNCMEUnidade();
    }
}

void TFPropriedadeProduto::btnCodProdPesqClick() {
    TListaNomeValor retorno;
    if (TFPesquisaGerador::Pesquisar(5, retorno)) {
        edtCodProdVlt->setText(Q8(retorno.Valor("CD_PRODUTO_XVM")));
        staDescProd->setText(Q8(retorno.Valor("NM_PRODUTO_XVM")));
        CarregarTipos();
    }
}

void TFPropriedadeProduto::cmbTipoProdChange() {
    edtCodNCM->clear();
    edtCodUnid->clear();
    staDescUnid->clear();
}

void TFPropriedadeProduto::edtCodNCMChange() {
    const std::string ncm = Texto(edtCodNCM);
    if (Aparar(ncm).size() == 8 && EhInteiro(ncm)) {
        const std::string codigo = Texto(edtCodProdVlt);
        const std::string tipo = TipoSelecionado();
        staDescNCM->setText(Q8(DescricaoNCMProduto(codigo, tipo, ncm)));
        edtCodUnid->setText(Q8(UnidadeNCMProduto(codigo, tipo, ncm)));
        staDescUnid->setText(Q8(DescricaoUnidade(Texto(edtCodUnid))));
    } else {
        staDescNCM->clear();
        edtCodUnid->clear();
        staDescUnid->clear();
    }
}

void TFPropriedadeProduto::btnNCMPesqClick() {
    const TListaNomeValor parametros({"CodPrdVlt=" + Texto(edtCodProdVlt), "TipoPrdVlt=" + TipoSelecionado()});
    TListaNomeValor retorno;
    if (TFPesquisaGerador::PesquisarComParametros(6, parametros, retorno)) {
        edtCodNCM->setText(Q8(retorno.Valor("NCM_CODIGO")));
        staDescNCM->setText(Q8(retorno.Valor("NCM_DESCRICAO")));
        edtCodUnid->setText(Q8(retorno.Valor("UNI_CODIGO")));
        staDescUnid->setText(Q8(DescricaoUnidade(Texto(edtCodUnid))));
    }
}

void TFPropriedadeProduto::edtCodUnidChange() {
    staDescUnid->clear();
}

void TFPropriedadeProduto::edtCodUnidExit() {
    staDescUnid->setText(Vazio(edtCodUnid) ? QString() : Q8(DescricaoUnidade(Texto(edtCodUnid))));
}

// Leaving the unit box is moving the focus to another control of this window; a message
// box or another window coming up over it is not.
bool TFPropriedadeProduto::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == edtCodUnid && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            edtCodUnidExit();
        }
    }
    return TFModelPrincipal::eventFilter(objeto, evento);
}

void TFPropriedadeProduto::btnUnidPesqClick() {
    TListaNomeValor retorno;
    if (TFPesquisaGerador::Pesquisar(4, retorno)) {
        edtCodUnid->setText(Q8(retorno.Valor("CODUNID")));
        staDescUnid->setText(Q8(retorno.Valor("DESCUNID")));
    }
}

void TFPropriedadeProduto::btnVisInsClick() {
    TFInsumoLE::Exibir(FProduto);
}

bool TFPropriedadeProduto::ValidarProduto() {
    struct Verificacao {
        bool falhou;
        const char* texto;
        QWidget* foco;
    };
    const char* const kProduto = "Erro no Produto! O Produto proposto DEVE TER algum código";
    const char* const kNCM = "Erro no Código NCM! O Produto está sem o código NCM!";
    const char* const kUnidade = "Erro no Código da Unidade! O Produto está sem o código de sua Unidade!";
    const Verificacao verificacoes[] = {
        {Vazio(edtCodProdVlt), kProduto, edtCodProdVlt},
        {Vazio(staDescProd), kProduto, edtCodProdVlt},
        {Aparar(cmbTipoProd->currentText().toStdString()).empty(),
         "Erro no Tipo de Produto! O Tipo de Produto proposto DEVE TER alguma descrição do tipo de produto",
         cmbTipoProd},
        {Vazio(edtDescModelo), "Erro na Descrição do Modelo! O Produto proposto DEVE TER alguma descrição do modelo",
         edtDescModelo},
        {Vazio(edtCodNCM), kNCM, edtCodNCM},
        {Vazio(staDescNCM), kNCM, edtCodNCM},
        {Vazio(edtCodUnid), kUnidade, edtCodUnid},
        {Vazio(staDescUnid), kUnidade, edtCodUnid},
    };
    for (const Verificacao& v : verificacoes) {
        if (v.falhou) {
            CaixaErro("Erro", v.texto);
            v.foco->setFocus();
            return false;
        }
    }
    // An edit is never tested for duplicates.
    if (FModo == TModo::Novo &&
        ExisteProdutoLE(Texto(staInscVlt), Texto(edtCodProdVlt), TipoSelecionado(), Texto(edtDescModelo))) {
        CaixaErro("Erro", "Erro no Produto! Produto JA cadastrado");
        edtCodProdVlt->setFocus();
        return false;
    }
    FProduto.Set_exp_codprodvlt(Texto(edtCodProdVlt));
    FProduto.Set_exp_tipoprodvlt(TipoSelecionado());
    FProduto.Set_exp_modprod(Aparar(Texto(edtDescModelo)));
    FProduto.Set_exp_ncmprod(Texto(edtCodNCM));
    FProduto.Set_codunid(Texto(edtCodUnid));
    FProduto.Set_cus_codigo(Texto(edtCentroCusto));
    FProduto.Set_mod_codemp(Texto(edtCodModEmp));
    return true;
}

void TFPropriedadeProduto::botao2Click() {
    // Pressing Salvar leaves the unit box: a unit typed by hand gets its description first,
    // or it would be refused for lacking one however often the user pressed Salvar.
    if (edtCodUnid->hasFocus()) {
        edtCodUnidExit();
    }
    if (!ValidarProduto()) {
        return;
    }
    const TClsLExProduto& p = FProduto;
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        if (FModo == TModo::Novo) {
            FProduto.Set_exp_codprod(ProximoCodigoProduto(p.emp_inscvlt()));
            InsereProduto(p.emp_inscvlt(), p.exp_codprod(), p.codunid(), p.exp_ncmprod(), p.exp_codprodvlt(),
                          p.exp_tipoprodvlt(), p.exp_modprod(), "", p.cus_codigo(), p.mod_codemp());
        } else {
            AlteraProduto(p.emp_inscvlt(), p.exp_codprod(), p.codunid(), p.exp_ncmprod(), p.exp_codprodvlt(),
                          p.exp_tipoprodvlt(), p.exp_modprod(), p.cus_codigo(), p.mod_codemp());
        }
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    FSalvo = true;
    close();
}

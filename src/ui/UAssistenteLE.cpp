#include "ui/UAssistenteLE.h"

#include "comum/CaixasMensagem.h"
#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "ui/FigurasQt.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"
#include "ui/UEmpresaInscricao.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace {

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

QLabel* RotuloPassos(const QString& texto, QWidget* pai, const char* nome) {
    QLabel* rotulo = CriarRotulo(texto, pai, nome, {12, 8, 200, 18});
    QFont fonte = rotulo->font();
    fonte.setItalic(true);
    rotulo->setFont(fonte);
    return rotulo;
}

} // namespace

// --- TListaProdutosLE ----------------------------------------------------------------

TListaProdutosLE::TListaProdutosLE(QWidget* pai) : QTreeWidget(pai) {
    PrepararListaRelatorio(
        this, {"Cod.Prod.Vlt.", "Cod. NCM", "Descrição do Produto", "Tipo", "Modelo", "Unidade", "exp_codprod"},
        {90, 100, 300, 100, 250, 80, 0});
}

void TListaProdutosLE::Esvaziar() {
    ++geracao_;
    clear();
}

void TListaProdutosLE::Preencher(const std::string& inscricao) {
    Esvaziar();
    const int geracao = geracao_;
    // The rows are read first: the list query is shared, and the messages handled between
    // the rows may run another list.
    std::vector<QStringList> linhas;
    TConsulta& consulta = AbrirLista(SQLProdutosEmpresa(inscricao));
    for (; !consulta.Fim(); consulta.Proximo()) {
        QStringList linha;
        for (const char* coluna : {"exp_codprodvlt", "exp_ncmprod", "nm_produto_xvm", "prdt_desctipo", "exp_modprod",
                                   "descunid", "exp_codprod"}) {
            linha << Q8(consulta.Texto(coluna));
        }
        linhas.push_back(std::move(linha));
    }
    consulta.Fechar();
    for (const QStringList& linha : linhas) {
        if (geracao != geracao_) {
            return;
        }
        auto* item = new QTreeWidgetItem(linha);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        addTopLevelItem(item);
        QCoreApplication::processEvents();
    }
}

QTreeWidgetItem* TListaProdutosLE::PrimeiroMarcado() const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->checkState(0) == Qt::Checked) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

void TListaProdutosLE::mousePressEvent(QMouseEvent* evento) {
    indicePressionado_ = indexAt(evento->position().toPoint());
    QTreeWidget::mousePressEvent(evento);
}

// Space (or Select) ticks or unticks the current row, whichever of its cells is current.
void TListaProdutosLE::keyPressEvent(QKeyEvent* evento) {
    const bool marcar =
        (evento->key() == Qt::Key_Space || evento->key() == Qt::Key_Select) && evento->modifiers() == Qt::NoModifier;
    if (!marcar) {
        QTreeWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
    QTreeWidgetItem* linha = currentItem();
    if (!linha || evento->isAutoRepeat()) {
        return;
    }
    linha->setCheckState(0, linha->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

// A check box is ticked when the click is released: the press counts as handled then.
void TListaProdutosLE::mouseReleaseEvent(QMouseEvent* evento) {
    QTreeWidget::mouseReleaseEvent(evento);
    emit MousePressionado(indicePressionado_.isValid() ? itemFromIndex(indicePressionado_) : nullptr);
}

// --- TFAssistenteLE ------------------------------------------------------------------

TFAssistenteLE::TFAssistenteLE(QWidget* pai, const QString& textoLista, const QString& tituloCaminho,
                               const QString& textoBotao)
    : TFModelPrincipal(pai) {
    setWindowTitle("Módulo - Listagem de Exportação");
    setFixedSize(621, 522);
    for (TImagem* botao : {botao0, botao1, botao2, botao3, botao4, botao6, botao7, botao8}) {
        botao->hide();
    }
    connect(botao5, &TImagem::Clicado, this, &TFAssistenteLE::botao5Click);

    imgLateral = new QLabel(Panel3);
    imgLateral->setObjectName("imgLateral");
    imgLateral->setGeometry(2, 2, 217, 408);
    imgLateral->setScaledContents(true);
    imgLateral->setPixmap(FiguraArte("assistente_lateral.jpg"));

    pgCtrlEnvioLE = new QStackedWidget(Panel3);
    pgCtrlEnvioLE->setObjectName("pgCtrlEnvioLE");
    pgCtrlEnvioLE->setGeometry(221, 2, 398, 408);

    // Page 1: the company and its products.
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    pgCtrlEnvioLE->addWidget(TabSheet1);
    lbPassos = RotuloPassos("Passos: 1 de 2", TabSheet1, "lbPassos");

    GroupBox1 = new QGroupBox("Empresa", TabSheet1);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(12, 30, 374, 120);
    Label6 = CriarRotulo("Insc. Veltran", GroupBox1, "Label6", {12, 22, 120, 16});
    edtInscVlt = new QLineEdit(GroupBox1);
    edtInscVlt->setObjectName("edtInscVlt");
    edtInscVlt->setGeometry(12, 40, 110, 24);
    edtInscVlt->setMaxLength(9);
    AplicarFiltro(edtInscVlt, TFiltroCampo::Livre);
    SpeedButton1 = CriarBotaoPesquisa(GroupBox1, "SpeedButton1", {126, 40, 26, 24}, "Buscar Inscrição Veltran");
    Label2 = CriarRotulo("Empresa", GroupBox1, "Label2", {12, 70, 120, 16});
    staRazSoc = CriarTextoEstatico(GroupBox1, "staRazSoc", {12, 88, 350, 24});

    Label1 = CriarRotulo(textoLista, TabSheet1, "Label1", {12, 158, 374, 16});
    lvwProd = new TListaProdutosLE(TabSheet1);
    lvwProd->setObjectName("lvwProd");
    lvwProd->setGeometry(12, 176, 374, 184);
    btAvancar = CriarBotaoTexto("&Avançar", TabSheet1, "btAvancar", {286, 368, 100, 30});

    // Page 2: where the file goes or comes from, and the run.
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    pgCtrlEnvioLE->addWidget(TabSheet2);
    Label3 = RotuloPassos("Passos: 2 de 2", TabSheet2, "Label3");
    gbxCaminho = new QGroupBox(tituloCaminho, TabSheet2);
    gbxCaminho->setObjectName("gbxCaminho");
    gbxCaminho->setGeometry(12, 30, 374, 64);
    staCaminho = CriarTextoEstatico(gbxCaminho, "staCaminho", {12, 28, 312, 24});
    btnBuscarDir = CriarBotaoTexto("...", gbxCaminho, "btnBuscarDir", {330, 28, 32, 24});
    btnVoltar = CriarBotaoTexto("&Voltar", TabSheet2, "btnVoltar", {178, 368, 100, 30});
    btnEnviar = CriarBotaoTexto(textoBotao, TabSheet2, "btnEnviar", {286, 368, 100, 30});

    connect(edtInscVlt, &QLineEdit::textChanged, this, &TFAssistenteLE::edtInscVltChange);
    connect(SpeedButton1, &QToolButton::clicked, this, &TFAssistenteLE::SpeedButton1Click);
    auto* troca = new TTrocaPagina(pgCtrlEnvioLE);
    connect(btAvancar, &QPushButton::clicked, this, [this, troca]() { troca->Mostrar(TabSheet2); });
    connect(btnVoltar, &QPushButton::clicked, this, [this, troca]() { troca->Mostrar(TabSheet1); });
}

// The wizard closes only by Sair or the close box: Escape does nothing on its pages.
void TFAssistenteLE::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    TFModelPrincipal::keyPressEvent(evento);
}

void TFAssistenteLE::FormShow() {
    TFModelPrincipal::FormShow();
    pgCtrlEnvioLE->setCurrentWidget(TabSheet1);
    edtInscVlt->setFocus();
}

void TFAssistenteLE::edtInscVltChange() {
    if (lvwProd->topLevelItemCount() > 0) {
        lvwProd->Esvaziar();
    }
    staRazSoc->setText(RazaoSocialDigitada(edtInscVlt->text()));
}

void TFAssistenteLE::SpeedButton1Click() {
    PesquisarEmpresa(edtInscVlt, staRazSoc);
}

bool TFAssistenteLE::EmpresaInformada() {
    if (Aparar(staRazSoc->text().toStdString()).empty()) {
        CaixaInformacao("Aviso", "Informe a Empresa.");
        return false;
    }
    return true;
}

void TFAssistenteLE::botao5Click() {
    if (EmpresaInformada()) {
        lvwProd->Preencher(edtInscVlt->text().toStdString());
    }
}

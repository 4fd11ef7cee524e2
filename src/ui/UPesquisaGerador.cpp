#include "ui/UPesquisaGerador.h"

#include "comum/RotinasUteis.h"
#include "ui/FigurasQt.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTreeWidget>

#include <memory>

namespace {

QString ParaQString(const std::string& texto) {
    return QString::fromStdString(texto);
}

// A picture of the window, stretched over its place.
TImagem* Figura(QWidget* pai, const char* nome, const QRect& area, const char* arquivo) {
    auto* imagem = new TImagem(pai);
    imagem->setObjectName(nome);
    imagem->setGeometry(area);
    imagem->DefinirEsticar(true);
    imagem->DefinirFigura(FiguraArte(arquivo));
    return imagem;
}

} // namespace

TFPesquisaGerador::TFPesquisaGerador(QWidget* pai) : QDialog(pai) {
    setObjectName("FPesquisaGerador");
    setWindowTitle("FPesquisaGerador");
    setFixedSize(627, 519);

    imgCabecalho = Figura(this, "imgCabecalho", {0, 0, 627, 47}, "pesquisa_cabecalho.jpg");
    imgCorpo = Figura(this, "imgCorpo", {0, 47, 627, 441}, "pesquisa_corpo.jpg");
    imgRodape = Figura(this, "imgRodape", {0, 488, 627, 31}, "pesquisa_rodape.jpg");

    LTitJanela = new QLabel("Pesquisa", this);
    LTitJanela->setObjectName("LTitJanela");
    LTitJanela->setGeometry(12, 4, 603, 39);
    QFont fonteTitulo("Tahoma");
    fonteTitulo.setPixelSize(24);
    fonteTitulo.setBold(true);
    LTitJanela->setFont(fonteTitulo);
    LTitJanela->setStyleSheet("color: white; background: transparent;");

    grprdTipoPesq = new QGroupBox("Localizar por", this);
    grprdTipoPesq->setObjectName("grprdTipoPesq");
    grprdTipoPesq->setGeometry(8, 55, 200, 100);
    tiposBusca_ = new QButtonGroup(this);
    const char* tipos[] = {"Início do campo", "Final do campo", "Qualquer parte do campo"};
    for (int i = 0; i < 3; ++i) {
        auto* opcao = new QRadioButton(tipos[i], grprdTipoPesq);
        opcao->setGeometry(10, 22 + 24 * i, 185, 22);
        tiposBusca_->addButton(opcao, i);
    }
    tiposBusca_->button(0)->setChecked(true);

    auto* GroupBox1 = new QGroupBox("Selecione um campo para procura", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(216, 55, 403, 52);
    cmbSelItemPesq = new QComboBox(GroupBox1);
    cmbSelItemPesq->setObjectName("cmbSelItemPesq");
    cmbSelItemPesq->setGeometry(10, 20, 383, 26);

    auto* GroupBox2 = new QGroupBox("Digite o código ou parte dele", this);
    GroupBox2->setObjectName("GroupBox2");
    GroupBox2->setGeometry(216, 109, 280, 52);
    edtTextPesq = new QLineEdit(GroupBox2);
    edtTextPesq->setObjectName("edtTextPesq");
    edtTextPesq->setGeometry(10, 20, 260, 26);
    AplicarFiltro(edtTextPesq, TFiltroCampo::Livre, true);

    btPesq = new QPushButton(" &Pesquisar", this);
    btPesq->setObjectName("btPesq");
    btPesq->setGeometry(504, 118, 115, 36);
    btPesq->setIcon(QIcon(FiguraArte("binoculos.jpg")));
    btPesq->setIconSize({16, 15});
    // Enter in the search box searches; it must not also press a default button.
    btPesq->setAutoDefault(false);

    auto* Label1 = new QLabel("Para pesquisar todos os registros utilize (%)", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 162, 611, 18);
    Label1->setStyleSheet("color: red; background: transparent;");

    lvwResultPeq = new QTreeWidget(this);
    lvwResultPeq->setObjectName("lvwResultPeq");
    lvwResultPeq->setGeometry(8, 182, 611, 298);
    PrepararListaRelatorio(lvwResultPeq);

    connect(btPesq, &QPushButton::clicked, this, &TFPesquisaGerador::btPesqClick);
    connect(edtTextPesq, &QLineEdit::returnPressed, this, &TFPesquisaGerador::btPesqClick);
    connect(lvwResultPeq, &QTreeWidget::itemDoubleClicked, this, &TFPesquisaGerador::lvwResultPeqDblClick);
    edtTextPesq->setFocus();
}

TFPesquisaGerador::~TFPesquisaGerador() = default;

void TFPesquisaGerador::PrepararLista(TCompPesquisa Comp) {
    comp_ = std::move(Comp);
    QStringList legendas;
    for (const auto& campo : comp_->Campos) {
        legendas << ParaQString(campo.Legenda);
    }
    lvwResultPeq->clear();
    lvwResultPeq->setColumnCount(static_cast<int>(legendas.size()));
    lvwResultPeq->setHeaderLabels(legendas);
    cmbSelItemPesq->clear();
    for (int i = 0; i < comp_->Campos.Quantidade(); ++i) {
        const TItemCampo& campo = comp_->Campos[i];
        // Width 0 hides the column; its value is still read and returned.
        lvwResultPeq->setColumnHidden(i, campo.Comprimento == 0);
        if (campo.Comprimento > 0) {
            lvwResultPeq->setColumnWidth(i, campo.Comprimento);
        }
        if (campo.bClasula) {
            cmbSelItemPesq->addItem(ParaQString(campo.Legenda));
        }
    }
    cmbSelItemPesq->setCurrentIndex(0);
    LTitJanela->setText(ParaQString("Pesquisa: " + comp_->Titulo));
}

std::string TFPesquisaGerador::MontarSQL() const {
    const auto tipo = static_cast<enumTipoBusca>(tiposBusca_->checkedId());
    return ::MontarSQL(*comp_, cmbSelItemPesq->currentIndex(), tipo, edtTextPesq->text().toStdString());
}

void TFPesquisaGerador::ExecutarPesquisa() {
    lvwResultPeq->clear();
    const auto linhas = TPesquisaGerador::Executar(MontarSQL(), comp_->Campos.Quantidade());
    QList<QTreeWidgetItem*> itens;
    itens.reserve(static_cast<qsizetype>(linhas.size()));
    for (const auto& linha : linhas) {
        QStringList celulas;
        for (const auto& celula : linha) {
            celulas << ParaQString(celula);
        }
        itens << new QTreeWidgetItem(celulas);
    }
    lvwResultPeq->addTopLevelItems(itens);
}

void TFPesquisaGerador::btPesqClick() {
    if (!comp_ || Aparar(edtTextPesq->text().toStdString()).empty()) {
        return;
    }
    ExecutarPesquisa();
}

void TFPesquisaGerador::lvwResultPeqDblClick() {
    const auto selecionados = lvwResultPeq->selectedItems();
    if (!comp_ || selecionados.isEmpty()) {
        return;
    }
    const QTreeWidgetItem* item = selecionados.first();
    std::vector<std::string> linha;
    for (int i = 0; i < item->columnCount(); ++i) {
        linha.push_back(item->text(i).toStdString());
    }
    // A row whose first returned value is empty cannot be chosen.
    if (!comp_->LerSelecao(linha).empty()) {
        accept();
    }
}

bool TFPesquisaGerador::Abrir(int Tipo, std::string Tabela, TListaNomeValor& Retorno) {
    auto comp = DefinicaoPesquisa(Tipo);
    if (!comp || Tabela.empty()) {
        return false;
    }
    comp->Tabela = std::move(Tabela);
    auto janela = std::make_unique<TFPesquisaGerador>();
    janela->PrepararLista(std::move(*comp));
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        janela->move(tela->availableGeometry().center() - janela->rect().center());
    }
    if (janela->exec() != QDialog::Accepted) {
        return false;
    }
    janela->comp_->GravarRetorno(Retorno);
    return true;
}

bool TFPesquisaGerador::Pesquisar(int Tipo, TListaNomeValor& Retorno) {
    return Abrir(Tipo, TabelaPesquisa(Tipo), Retorno);
}

bool TFPesquisaGerador::PesquisarComParametros(int Tipo, const TListaNomeValor& Parametros, TListaNomeValor& Retorno) {
    return Abrir(Tipo, TabelaPesquisaComParametros(Tipo, Parametros), Retorno);
}

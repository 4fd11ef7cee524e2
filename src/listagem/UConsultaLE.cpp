#include "listagem/UConsultaLE.h"

#include "comum/CaixasMensagem.h"
#include "comum/RotinasUteis.h"
#include "dados/DatConn.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"
#include "dados/clsLExProduto.h"
#include "listagem/UPropriedadeProduto.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"
#include "ui/UEmpresaInscricao.h"

#include <QCollator>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSet>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// The sort state belongs to the module, not to a window: the column sorted last and its
// direction hold for the whole run of the program, across closing and reopening the browser.
int g_colunaOrdenada = -1;
bool g_ordemDescendente = false;

// The listing query's columns, in the order of the list's columns.
const char* const kColunasConsulta[TFConsultaLE::QuantidadeColunas] = {
    "exp_codprodvlt", "exp_ncmprod", "nm_produto_xvm",  "prdt_desctipo", "exp_modprod", "codunid",
    "descunid",       "exp_codprod", "exp_tipoprodvlt", "cus_codigo",    "mod_codemp"};

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

std::string Texto(const QLineEdit* caixa) {
    return caixa->text().toStdString();
}

const QCollator& Colacao() {
    static const QCollator colacao = [] {
        QCollator c(QLocale(QLocale::Portuguese, QLocale::Brazil));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return colacao;
}

// A row of the product list; the list sorts its rows with the browser's comparison.
class TItemProduto : public QTreeWidgetItem {
public:
    explicit TItemProduto(const QStringList& textos) : QTreeWidgetItem(textos) {
        setTextAlignment(TFConsultaLE::ColCodUnid, Qt::AlignRight | Qt::AlignVCenter);
        setTextAlignment(TFConsultaLE::ColCodProd, Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTreeWidgetItem& outro) const override {
        return TFConsultaLE::CompararItens(this, &outro, treeWidget()->sortColumn()) < 0;
    }
};

} // namespace

TFConsultaLE::TFConsultaLE(QWidget* pai) : TFModelPrincipal(pai) {
    setObjectName("FConsultaLE");
    setWindowTitle("Módulo - Listagem de Exportação");
    for (TImagem* botao : {botao2, botao4, botao6, botao7, botao8}) {
        botao->hide();
    }
    connect(botao0, &TImagem::Clicado, this, &TFConsultaLE::botao0Click);
    connect(botao1, &TImagem::Clicado, this, &TFConsultaLE::lvwProdDblClick);
    connect(botao3, &TImagem::Clicado, this, &TFConsultaLE::botao3Click);
    connect(botao5, &TImagem::Clicado, this, &TFConsultaLE::botao5Click);

    auto* conteudo = new QVBoxLayout(Panel3);
    conteudo->setContentsMargins(8, 6, 8, 8);
    conteudo->setSpacing(6);

    GroupBox1 = new QGroupBox(" Filtro de Pesquisa", Panel3);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setFixedHeight(58);
    Label1 = CriarRotulo("Insc. Veltran", GroupBox1, "Label1", {12, 26, 80, 16});
    edtInscVlt = new QLineEdit(GroupBox1);
    edtInscVlt->setObjectName("edtInscVlt");
    edtInscVlt->setGeometry(94, 22, 96, 24);
    AplicarFiltro(edtInscVlt, TFiltroCampo::Numerico, false, 9);
    sbtPesq = CriarBotaoPesquisa(GroupBox1, "sbtPesq", {194, 22, 26, 24}, "Buscar Inscrição Veltran");
    staRazSoc = CriarTextoEstatico(GroupBox1, "staRazSoc", {228, 22, 480, 24});
    conteudo->addWidget(GroupBox1);

    lvwProd = new QTreeWidget(Panel3);
    lvwProd->setObjectName("lvwProd");
    PrepararListaRelatorio(lvwProd,
                           {"Cod. Prod. Vlt", "NCM", "Desc. do Produto", "Tipo do Produto", "Modelo do Produto",
                            "CodUnid", "Unidade", "Cod. KORVEX", "Cod Tipo Prod", "Cen.Custo", "Cód.Mod.Emp"},
                           {90, 80, 300, 300, 150, 0, 150, 0, 0, 0, 0});
    for (int coluna : {ColCodUnid, ColCodProd}) {
        lvwProd->headerItem()->setTextAlignment(coluna, Qt::AlignRight | Qt::AlignVCenter);
    }
    lvwProd->header()->setSectionsClickable(true);
    lvwProd->viewport()->setCursor(Qt::PointingHandCursor);
    conteudo->addWidget(lvwProd, 1);

    auto* faixa = new QHBoxLayout(Panel2);
    faixa->setContentsMargins(10, 0, 10, 0);
    staProdutosOcultos = new QLabel(Panel2);
    staProdutosOcultos->setObjectName("staProdutosOcultos");
    QPalette branco = staProdutosOcultos->palette();
    branco.setColor(QPalette::WindowText, Qt::white);
    staProdutosOcultos->setPalette(branco);
    faixa->addWidget(staProdutosOcultos);

    connect(edtInscVlt, &QLineEdit::textChanged, this, &TFConsultaLE::edtInscVltChange);
    connect(sbtPesq, &QToolButton::clicked, this, &TFConsultaLE::sbtPesqClick);
    connect(lvwProd, &QTreeWidget::itemDoubleClicked, this, &TFConsultaLE::lvwProdDblClick);
    connect(lvwProd->header(), &QHeaderView::sectionClicked, this, &TFConsultaLE::lvwProdColumnClick);
}

TFConsultaLE::~TFConsultaLE() = default;

void TFConsultaLE::FormShow() {
    // The browser, with its frame, fills the screen's work area.
    if (const QScreen* tela = screen()) {
        const QMargins moldura = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        const QRect area = tela->availableGeometry();
        setFixedSize(area.marginsRemoved(moldura).size());
        move(area.topLeft());
    }
    TFModelPrincipal::FormShow();
    LTitJan->setText("Manutenção da Listagem de Exportação");
    FProduto = std::make_unique<TClsLExProduto>();
    edtInscVlt->setFocus();
}

void TFConsultaLE::EsvaziarLista() {
    FLinhaProduto = nullptr;
    lvwProd->clear();
    MostrarProdutosOcultos(0);
}

void TFConsultaLE::edtInscVltChange() {
    if (lvwProd->topLevelItemCount() > 0) {
        EsvaziarLista();
    }
    staRazSoc->setText(RazaoSocialDigitada(edtInscVlt->text()));
}

void TFConsultaLE::sbtPesqClick() {
    PesquisarEmpresa(edtInscVlt, staRazSoc);
}

bool TFConsultaLE::ValidarEmpresa() {
    if (Aparar(Texto(staRazSoc)).empty()) {
        CaixaInformacao("Aviso", "Informe a Empresa.");
        edtInscVlt->setFocus();
        return false;
    }
    return true;
}

void TFConsultaLE::botao5Click() {
    if (ValidarEmpresa()) {
        RecarregarProdutos(false);
    }
}

void TFConsultaLE::RecarregarProdutos(bool aguardar) {
    if (aguardar) {
        // Bounded: when the new row does not show, the list is reloaded with what there is.
        AguardarNovoRegistro(dm_DatConn->qry_sel, SQLProdutosEmpresa(Texto(edtInscVlt)), lvwProd->topLevelItemCount());
    }
    CarregarProdutos();
}

void TFConsultaLE::CarregarProdutos() {
    EsvaziarLista();
    const std::string inscricao = Texto(edtInscVlt);
    TConsulta& consulta = AbrirLista(SQLProdutosEmpresa(inscricao));
    QList<QTreeWidgetItem*> linhas;
    linhas.reserve(consulta.QuantidadeRegistros());
    QSet<QString> produtos;
    for (; !consulta.Fim(); consulta.Proximo()) {
        QStringList textos;
        textos.reserve(QuantidadeColunas);
        for (const char* coluna : kColunasConsulta) {
            textos << Q8(consulta.Texto(coluna));
        }
        produtos.insert(textos[ColCodProd]);
        linhas << new TItemProduto(textos);
    }
    consulta.Fechar();
    lvwProd->addTopLevelItems(linhas);
    // The query's inner joins leave out products whose code, type or unit the reference
    // tables no longer hold, and list a product once for each zone product of its code.
    MostrarProdutosOcultos(QuantidadeProdutosEmpresa(inscricao) - int(produtos.size()));
}

void TFConsultaLE::MostrarProdutosOcultos(int ocultos) {
    if (ocultos <= 0) {
        staProdutosOcultos->clear();
    } else if (ocultos == 1) {
        staProdutosOcultos->setText("Atenção: 1 produto da listagem desta empresa não aparece na lista, porque o "
                                    "seu código, tipo ou unidade não está mais nas tabelas de referência.");
    } else {
        staProdutosOcultos->setText(QString("Atenção: %1 produtos da listagem desta empresa não aparecem na lista, "
                                            "porque o seu código, tipo ou unidade não está mais nas tabelas de "
                                            "referência.")
                                        .arg(ocultos));
    }
}

bool TFConsultaLE::SelecionarProduto() {
    QTreeWidgetItem* linha = lvwProd->selectedItems().value(0);
    if (!linha) {
        CaixaAviso("Aviso", "Não há nenhum Item selecionado");
        return false;
    }
    FLinhaProduto = linha;
    FProduto->Set_emp_inscvlt(Texto(edtInscVlt));
    FProduto->Set_exp_codprodvlt(linha->text(ColCodProdVlt).toStdString());
    FProduto->Set_exp_ncmprod(linha->text(ColNCM).toStdString());
    FProduto->Set_exp_modprod(Aparar(linha->text(ColModelo).toStdString()));
    FProduto->Set_codunid(linha->text(ColCodUnid).toStdString());
    FProduto->Set_exp_codprod(linha->text(ColCodProd).toStdString());
    FProduto->Set_exp_tipoprodvlt(linha->text(ColCodTipoProd).toStdString());
    FProduto->Set_cus_codigo(linha->text(ColCentroCusto).toStdString());
    FProduto->Set_mod_codemp(linha->text(ColCodModEmp).toStdString());
    return true;
}

void TFConsultaLE::botao0Click() {
    if (Aparar(Texto(staRazSoc)).empty()) {
        CaixaErro("Erro", "Informe a Empresa.");
        return;
    }
    FProduto->Set_emp_inscvlt(Texto(edtInscVlt));
    if (TFPropriedadeProduto::Incluir(*FProduto, this)) {
        RecarregarProdutos(true);
    }
}

void TFConsultaLE::lvwProdDblClick() {
    if (SelecionarProduto() && TFPropriedadeProduto::Alterar(*FProduto, this)) {
        AtualizarItemProduto();
    }
}

void TFConsultaLE::AtualizarItemProduto() {
    QTreeWidgetItem* linha = FLinhaProduto;
    if (!linha) {
        return;
    }
    const TClsLExProduto& p = *FProduto;
    linha->setText(ColCodProdVlt, Q8(p.exp_codprodvlt()));
    linha->setText(ColNCM, Q8(p.exp_ncmprod()));
    linha->setText(ColDescProduto, Q8(NomeProdutoXVM(p.exp_codprodvlt().substr(0, 4))));
    linha->setText(ColTipoProduto, Q8(DescricaoTipoProduto(p.exp_codprodvlt(), p.exp_tipoprodvlt())));
    linha->setText(ColModelo, Q8(p.exp_modprod()));
    linha->setText(ColCodUnid, Q8(p.codunid()));
    linha->setText(ColUnidade, Q8(DescricaoUnidade(p.codunid())));
    linha->setText(ColCodTipoProd, Q8(p.exp_tipoprodvlt()));
    linha->setText(ColCentroCusto, Q8(p.cus_codigo()));
    linha->setText(ColCodModEmp, Q8(p.mod_codemp()));
}

void TFConsultaLE::botao3Click() {
    if (!SelecionarProduto()) {
        return;
    }
    if (CaixaConfirmacao("Aviso", "Deseja realmente deletar esta Listagem?") != kBotaoSim) {
        return;
    }
    const std::string inscricao = FProduto->emp_inscvlt();
    const std::string codProd = FProduto->exp_codprod();
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        ExcluiInsumosProduto(inscricao, codProd);
        ExcluiProduto(inscricao, codProd);
        ExcluiErrosProduto(inscricao, codProd);
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    // A product whose code matches several zone products has one row for each: none of
    // them may stay behind once the product is gone.
    const QString numero = QString::fromStdString(codProd);
    for (int i = lvwProd->topLevelItemCount() - 1; i >= 0; --i) {
        if (lvwProd->topLevelItem(i)->text(ColCodProd) == numero) {
            delete lvwProd->takeTopLevelItem(i);
        }
    }
    FLinhaProduto = nullptr;
}

void TFConsultaLE::lvwProdColumnClick(int coluna) {
    if (coluna == g_colunaOrdenada) {
        g_ordemDescendente = !g_ordemDescendente;
    } else {
        g_colunaOrdenada = coluna;
        g_ordemDescendente = false;
    }
    // Always "ascending" for the list: CompararItens itself turns the order round.
    lvwProd->sortItems(coluna, Qt::AscendingOrder);
}

int TFConsultaLE::CompararItens(const QTreeWidgetItem* item1, const QTreeWidgetItem* item2, int coluna) {
    // Column 0 is the row's caption, column n its sub-item n - 1: both are the row's text n.
    const int resultado = Colacao().compare(item1->text(coluna), item2->text(coluna));
    return g_ordemDescendente ? -resultado : resultado;
}

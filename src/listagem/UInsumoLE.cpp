#include "listagem/UInsumoLE.h"

#include "comum/CaixasMensagem.h"
#include "comum/Numeros.h"
#include "dados/DatConn.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/SQLListas.h"
#include "dados/SelAccessUsoGeral.h"
#include "listagem/UPropriedadeInsumo.h"
#include "listagem/UPropriedadeInsumoPadrao.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>
#include <variant>

namespace {

QString Q8(const std::string& texto) {
    return QString::fromStdString(texto);
}

const QStringList kTitulos{
    "Tipo",    "NCM",         "Item",   "Descrição do Insumo", "Esp. Técnica", "Coef. Técnico", "CodUnid",
    "Unidade", "Cód. Insumo", "Status", "Cód.Ins.Empresa",     "tipo_ins"};

// Columns of the list query, in the order of the list's columns.
const char* const kCampos[] = {"exp_desctipoins", "exp_ncmins",  "exp_detinsvlt", "exp_descins",
                               "exp_espetec",     "exp_coeftec", "codunid",       "descunid",
                               "exp_codins",      "status",      "ins_codemp",    "exp_tipoins"};

// The coefficient as read from the database, at full precision, kept by each row.
constexpr int kPapelCoeficiente = Qt::UserRole;

double ComoNumero(const ValorBanco& valor) {
    if (const double* d = std::get_if<double>(&valor)) {
        return *d;
    }
    if (const int64_t* i = std::get_if<int64_t>(&valor)) {
        return static_cast<double>(*i);
    }
    return 0.0;
}

QTreeWidget* CriarLista(QWidget* pagina, const char* nome, std::initializer_list<int> larguras) {
    auto* lista = new QTreeWidget(pagina);
    lista->setObjectName(nome);
    PrepararListaRelatorio(lista, kTitulos, larguras);
    // The columns keep their fixed widths; a compact face lets an NCM code fit its 60 pixels.
    QFont fonte = lista->font();
    fonte.setFamilies({"Tahoma", "DejaVu Sans Condensed"});
    fonte.setPixelSize(11);
    lista->setFont(fonte);
    for (int coluna : {TFInsumoLE::ColCoeficiente, TFInsumoLE::ColCodUnid, TFInsumoLE::ColCodInsumo}) {
        lista->headerItem()->setTextAlignment(coluna, Qt::AlignRight | Qt::AlignVCenter);
    }
    lista->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(lista);
    return lista;
}

} // namespace

TFInsumoLE::TFInsumoLE(TClsLExProduto& produto, QWidget* pai) : TFModelPrincipal(pai), FProduto(produto) {
    setObjectName("FInsumoLE");
    setWindowTitle("FInsumoLE");
    for (TImagem* botao : {botao2, botao4, botao5, botao6, botao7, botao8}) {
        botao->hide();
    }
    connect(botao0, &TImagem::Clicado, this, &TFInsumoLE::botao0Click);
    connect(botao1, &TImagem::Clicado, this, &TFInsumoLE::botao1Click);
    connect(botao3, &TImagem::Clicado, this, &TFInsumoLE::botao3Click);

    pgctrlListasIns = new QTabWidget(Panel3);
    pgctrlListasIns->setObjectName("pgctrlListasIns");
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    pgctrlListasIns->addTab(TabSheet1, "Listagem Padrão");
    lvwInsPadrao = CriarLista(TabSheet1, "lvwInsPadrao", {0, 60, 40, 350, 200, 80, 0, 150, 80, 0, 100, 0});
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    pgctrlListasIns->addTab(TabSheet2, "Outras");
    lvwInsOutros = CriarLista(TabSheet2, "lvwInsOutros", {100, 60, 0, 350, 150, 80, 0, 150, 80, 0, 100, 0});

    Panel4 = new QLabel(" Obs: Clique com o botão direito do mouse para replicar o Insumo", Panel3);
    Panel4->setObjectName("Panel4");
    Panel4->setFixedHeight(24);
    Panel4->setAutoFillBackground(true);
    QPalette cores = Panel4->palette();
    cores.setColor(QPalette::Window, QColor(198, 212, 228));
    Panel4->setPalette(cores);

    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(pgctrlListasIns, 1);
    layout->addWidget(Panel4);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Replicar1 = PopupMenu1->addAction("Replicar");
    Replicar1->setObjectName("Replicar1");
    connect(Replicar1, &QAction::triggered, this, &TFInsumoLE::Replicar1Click);

    for (QTreeWidget* lista : {lvwInsPadrao, lvwInsOutros}) {
        connect(lista, &QWidget::customContextMenuRequested, this,
                [this, lista](const QPoint& ponto) { PopupMenu1->popup(lista->viewport()->mapToGlobal(ponto)); });
        lista->viewport()->installEventFilter(this);
    }
}

void TFInsumoLE::Exibir(TClsLExProduto& produto) {
    auto janela = std::make_unique<TFInsumoLE>(produto, QApplication::activeWindow());
    janela->CarregarPadrao();
    janela->CarregarOutras();
    janela->exec();
}

void TFInsumoLE::FormShow() {
    if (const QScreen* tela = screen()) {
        // The window's frame, where the platform draws one, goes inside the work area too.
        const QRect area = tela->availableGeometry();
        setFixedSize(area.size() - (frameGeometry().size() - size()));
        move(area.topLeft());
    }
    TFModelPrincipal::FormShow();
    pgctrlListasIns->setCurrentIndex(0);
    LTitJan->setText("Propriedades do Insumo");
}

// A double click anywhere in a list opens its selected row, as the list's own event.
bool TFInsumoLE::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (objeto == lvwInsPadrao->viewport()) {
            lvwInsPadraoDblClick();
            return true;
        }
        if (objeto == lvwInsOutros->viewport()) {
            lvwInsOutrosDblClick();
            return true;
        }
    }
    return TFModelPrincipal::eventFilter(objeto, evento);
}

void TFInsumoLE::CarregarPadrao() {
    Carregar(lvwInsPadrao, SQLInsumosPadrao(FProduto.emp_inscvlt(), FProduto.exp_codprod()));
}

void TFInsumoLE::CarregarOutras() {
    Carregar(lvwInsOutros, SQLInsumosOutros(FProduto.emp_inscvlt(), FProduto.exp_codprod()));
}

void TFInsumoLE::Carregar(QTreeWidget* lista, const std::string& sql) {
    lista->clear();
    FLinha = nullptr;
    TConsulta& consulta = AbrirLista(sql);
    int indices[std::size(kCampos)];
    for (size_t c = 0; c < std::size(kCampos); ++c) {
        indices[c] = consulta.IndiceCampo(kCampos[c]);
    }
    QList<QTreeWidgetItem*> linhas;
    linhas.reserve(consulta.QuantidadeRegistros());
    for (; !consulta.Fim(); consulta.Proximo()) {
        QStringList textos;
        for (int indice : indices) {
            textos << Q8(consulta.Texto(indice));
        }
        const double coeficiente = ComoNumero(consulta.Valor(indices[ColCoeficiente]));
        textos[ColCoeficiente] = Q8(FormatarComMilhar(coeficiente, 2));
        auto* linha = new QTreeWidgetItem(textos);
        linha->setData(ColCoeficiente, kPapelCoeficiente, coeficiente);
        for (int coluna : {ColCoeficiente, ColCodUnid, ColCodInsumo}) {
            linha->setTextAlignment(coluna, Qt::AlignRight | Qt::AlignVCenter);
        }
        linhas << linha;
    }
    consulta.Fechar();
    lista->addTopLevelItems(linhas);
}

void TFInsumoLE::Recarregar(QTreeWidget* lista, const std::string& sql, bool aguardar) {
    if (aguardar) {
        AguardarNovoRegistro(dm_DatConn->qry_sel, sql, lista->topLevelItemCount());
    }
    Carregar(lista, sql);
}

void TFInsumoLE::RecarregarPadrao(bool aguardar) {
    Recarregar(lvwInsPadrao, SQLInsumosPadrao(FProduto.emp_inscvlt(), FProduto.exp_codprod()), aguardar);
}

void TFInsumoLE::RecarregarOutras(bool aguardar) {
    Recarregar(lvwInsOutros, SQLInsumosOutros(FProduto.emp_inscvlt(), FProduto.exp_codprod()), aguardar);
}

bool TFInsumoLE::Selecionar(QTreeWidget* lista, bool comDetalhe) {
    const QList<QTreeWidgetItem*> selecionadas = lista->selectedItems();
    if (selecionadas.isEmpty()) {
        CaixaAviso("Aviso", "Não há nenhum Item selecionado");
        return false;
    }
    QTreeWidgetItem* linha = selecionadas.first();
    FLinha = linha;
    auto texto = [linha](int coluna) { return linha->text(coluna).toStdString(); };
    FInsumo.Set_emp_inscvlt(FProduto.emp_inscvlt());
    FInsumo.Set_exp_codprod(FProduto.exp_codprod());
    FInsumo.Set_exp_codins(texto(ColCodInsumo));
    FInsumo.Set_exp_ncmins(texto(ColNCM));
    if (comDetalhe) {
        FInsumo.Set_exp_detinsvlt(texto(ColItem));
    }
    FInsumo.Set_exp_descins(texto(ColDescricao));
    FInsumo.Set_exp_espetec(texto(ColEspecificacao));
    FInsumo.Set_exp_coeftec(linha->data(ColCoeficiente, kPapelCoeficiente).toDouble());
    FInsumo.Set_codunid(texto(ColCodUnid));
    FInsumo.Set_exp_status(texto(ColStatus));
    FInsumo.Set_ins_codemp(texto(ColCodInsEmpresa));
    FInsumo.Set_exp_tipoins(texto(ColTipoIns));
    return true;
}

bool TFInsumoLE::SelecionarPadrao() {
    return Selecionar(lvwInsPadrao, true);
}

bool TFInsumoLE::SelecionarOutro() {
    return Selecionar(lvwInsOutros, false);
}

void TFInsumoLE::AtualizarItemInsumo() {
    if (!FLinha) {
        return;
    }
    FLinha->setText(ColTipo, Q8(FInsumo.DescricaoTipo()));
    FLinha->setText(ColNCM, Q8(FInsumo.exp_ncmins()));
    FLinha->setText(ColItem, Q8(FInsumo.exp_detinsvlt()));
    FLinha->setText(ColDescricao, Q8(FInsumo.exp_descins()));
    FLinha->setText(ColEspecificacao, Q8(FInsumo.exp_espetec()));
    FLinha->setText(ColCoeficiente, Q8(FInsumo.CoefTecFormatado()));
    FLinha->setData(ColCoeficiente, kPapelCoeficiente, FInsumo.exp_coeftec());
    FLinha->setText(ColCodUnid, Q8(FInsumo.codunid()));
    FLinha->setText(ColUnidade, Q8(DescricaoUnidade(FInsumo.codunid())));
    FLinha->setText(ColCodInsEmpresa, Q8(FInsumo.ins_codemp()));
    FLinha->setText(ColTipoIns, Q8(FInsumo.exp_tipoins()));
}

bool TFInsumoLE::PadraoAtiva() const {
    return pgctrlListasIns->currentWidget() == TabSheet1;
}

void TFInsumoLE::AbrirPadrao() {
    if (SelecionarPadrao() && TFPropriedadeInsumoPadrao::Alterar(FProduto, FInsumo)) {
        AtualizarItemInsumo();
    }
}

void TFInsumoLE::AbrirOutro() {
    if (SelecionarOutro() && TFPropriedadeInsumo::Alterar(FProduto, FInsumo)) {
        AtualizarItemInsumo();
    }
}

void TFInsumoLE::botao0Click() {
    if (PadraoAtiva()) {
        if (TFPropriedadeInsumoPadrao::Incluir(FProduto)) {
            RecarregarPadrao(true);
        }
    } else if (TFPropriedadeInsumo::Incluir(FProduto)) {
        RecarregarOutras(true);
    }
}

void TFInsumoLE::botao1Click() {
    if (PadraoAtiva()) {
        AbrirPadrao();
    } else {
        AbrirOutro();
    }
}

void TFInsumoLE::lvwInsPadraoDblClick() {
    AbrirPadrao();
}

void TFInsumoLE::lvwInsOutrosDblClick() {
    AbrirOutro();
}

void TFInsumoLE::Replicar1Click() {
    if (PadraoAtiva()) {
        if (SelecionarPadrao() && TFPropriedadeInsumoPadrao::Replicar(FProduto, FInsumo)) {
            RecarregarPadrao(true);
        }
    } else if (SelecionarOutro() && TFPropriedadeInsumo::Replicar(FProduto, FInsumo)) {
        RecarregarOutras(true);
    }
}

void TFInsumoLE::botao3Click() {
    QTreeWidget* lista = PadraoAtiva() ? lvwInsPadrao : lvwInsOutros;
    if (!Selecionar(lista, lista == lvwInsPadrao)) {
        return;
    }
    if (CaixaConfirmacao("Aviso", "Deseja realmente deletar este Insumo?") != kBotaoSim) {
        return;
    }
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        ExcluiInsumo(FInsumo.emp_inscvlt(), FInsumo.exp_codprod(), FInsumo.exp_codins());
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    delete FLinha;
    FLinha = nullptr;
    // No other row is taken for the deleted one: a second Excluir must be a choice.
    lista->clearSelection();
}

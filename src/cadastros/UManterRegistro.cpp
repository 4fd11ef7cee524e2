#include "cadastros/UManterRegistro.h"

#include "comum/CaixasMensagem.h"
#include "dados/DatConn.h"
#include "ui/UCampos.h"
#include "ui/UControles.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

TFManterRegistro::TFManterRegistro(QWidget* pai, TDefinicaoManter definicao)
    : TFModelPrincipal(pai), definicao_(std::move(definicao)) {
    setObjectName(definicao_.nomeJanela);
    setWindowTitle("Módulo - Listagem de Exportação");
    setFixedSize(width(), definicao_.altura);
    for (TImagem* botao : {botao2, botao4, botao5, botao6, botao7, botao8}) {
        botao->hide();
    }

    lista_ = new QTreeWidget(Panel3);
    lista_->setObjectName(definicao_.nomeLista);
    PrepararListaRelatorio(lista_, definicao_.colunas, {150, 600});
    lista_->viewport()->setCursor(Qt::PointingHandCursor);
    auto* layout = new QVBoxLayout(Panel3);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(lista_);

    connect(botao0, &TImagem::Clicado, this, &TFManterRegistro::botao0Click);
    connect(botao1, &TImagem::Clicado, this, &TFManterRegistro::lvwDblClick);
    connect(lista_, &QTreeWidget::itemDoubleClicked, this, &TFManterRegistro::lvwDblClick);
    connect(botao3, &TImagem::Clicado, this, &TFManterRegistro::botao3Click);
}

void TFManterRegistro::FormShow() {
    TFModelPrincipal::FormShow();
    LTitJan->setText(definicao_.titulo);
    DefinirAtual({}, {});
    linhaAtual_ = nullptr;
    Carregar();
}

void TFManterRegistro::Carregar() {
    linhaAtual_ = nullptr;
    lista_->clear();
    QCoreApplication::processEvents();
    TConsulta& consulta = AbrirLista(definicao_.sqlLista());
    // The rows go in at once: one insertion of 10,000 rows costs what one row costs.
    QList<QTreeWidgetItem*> linhas;
    linhas.reserve(consulta.QuantidadeRegistros());
    for (; !consulta.Fim(); consulta.Proximo()) {
        linhas << new QTreeWidgetItem({QString::fromStdString(consulta.Texto(definicao_.campoChave)),
                                       QString::fromStdString(consulta.Texto(definicao_.campoDescricao))});
    }
    consulta.Fechar();
    lista_->addTopLevelItems(linhas);
}

void TFManterRegistro::Recarregar(bool aguardar) {
    if (aguardar) {
        // Gives up after a bounded wait; the list then shows what the statement returns.
        AguardarNovoRegistro(dm_DatConn->qry_sel, definicao_.sqlLista(), lista_->topLevelItemCount());
    }
    Carregar();
}

bool TFManterRegistro::Selecionar() {
    const QList<QTreeWidgetItem*> selecionadas = lista_->selectedItems();
    if (selecionadas.isEmpty()) {
        CaixaAviso("Aviso", "Não há nenhum Item selecionado");
        return false;
    }
    linhaAtual_ = selecionadas.first();
    DefinirAtual(linhaAtual_->text(0).toStdString(), linhaAtual_->text(1).toStdString());
    return true;
}

void TFManterRegistro::AtualizarItem(QTreeWidgetItem* linha) {
    linha->setText(1, QString::fromStdString(DescricaoAtual()));
}

void TFManterRegistro::botao0Click() {
    if (IncluirNovo()) {
        Recarregar(true);
    }
}

void TFManterRegistro::lvwDblClick() {
    if (Selecionar() && AlterarAtual()) {
        AtualizarItem(linhaAtual_);
    }
}

void TFManterRegistro::botao3Click() {
    if (!Selecionar()) {
        return;
    }
    if (CaixaConfirmacao("Aviso", definicao_.perguntaExcluir) != kBotaoSim) {
        return;
    }
    const std::string chave = ChaveAtual();
    for (const auto emUso : definicao_.emUso) {
        if (emUso(chave)) {
            CaixaErro("Erro", definicao_.mensagemEmUso);
            return;
        }
    }
    try {
        TTransacao transacao(dm_DatConn->adocon_korvex);
        definicao_.excluir(chave);
        transacao.Confirmar();
    } catch (const std::exception& erro) {
        CaixaErroOperacao(erro.what());
        return;
    }
    delete linhaAtual_;
    linhaAtual_ = nullptr;
}

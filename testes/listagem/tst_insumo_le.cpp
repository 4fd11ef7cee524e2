// The input list of a product driven for real on the offscreen platform over the
// demonstration database: the two tabs and their columns, the actions on the active tab,
// the rows rewritten after an edit and reloaded after a new or replicated input, the
// pop-up menu, the double click and the deletion.

#include "apoio/BancoDemo.h"
#include "apoio/Controles.h"
#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"
#include "apoio/ListagemInsumos.h"
#include "comum/CaixasRoteiro.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "listagem/UInsumoLE.h"
#include "listagem/UPropriedadeInsumo.h"
#include "listagem/UPropriedadeInsumoPadrao.h"
#include "ui/UCampos.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

const CaixaMostrada kNenhumSelecionado{TipoCaixa::Aviso, "Aviso", "Não há nenhum Item selecionado"};
const CaixaMostrada kConfirmaExclusao{TipoCaixa::Confirmacao, "Aviso", "Deseja realmente deletar este Insumo?"};

enum Acao { Abrir, Excluir, Replicar };

QStringList Coluna(QTreeWidget* lista, int coluna) {
    QStringList textos;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        textos << lista->topLevelItem(i)->text(coluna);
    }
    return textos;
}

QStringList Linha(QTreeWidgetItem* item) {
    QStringList textos;
    for (int c = 0; c < item->columnCount(); ++c) {
        textos << item->text(c);
    }
    return textos;
}

} // namespace

class TstInsumoLE : public QObject {
    Q_OBJECT

    std::unique_ptr<BancoDemo> banco_;
    std::unique_ptr<CaixasRoteiro> caixas_;
    TClsLExProduto produto_;
    std::unique_ptr<TFInsumoLE> janela_;

    // The list window of a product, loaded and shown as Exibir does, but not modally.
    void Mostrar(const TClsLExProduto& produto) {
        produto_ = produto;
        janela_ = std::make_unique<TFInsumoLE>(produto_);
        janela_->CarregarPadrao();
        janela_->CarregarOutras();
        janela_->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela_.get()));
    }

    QTreeWidget* Lista(int aba) const { return aba == 0 ? janela_->lvwInsPadrao : janela_->lvwInsOutros; }

    // Selects the row by mouse on its tab, which becomes the active one.
    void Selecionar(int aba, int linha) {
        janela_->pgctrlListasIns->setCurrentIndex(aba);
        ClicarLinha(Lista(aba), Lista(aba)->topLevelItem(linha));
    }

    // Replicates the selected row of the active tab through the list's pop-up menu.
    void ReplicarPeloMenu(int aba, int linha) {
        Selecionar(aba, linha);
        QTreeWidget* lista = Lista(aba);
        const QPoint ponto = lista->visualItemRect(lista->topLevelItem(linha)).center();
        QContextMenuEvent evento(QContextMenuEvent::Mouse, ponto, lista->viewport()->mapToGlobal(ponto));
        QApplication::sendEvent(lista->viewport(), &evento);
        QTRY_VERIFY(janela_->PopupMenu1->isVisible());
        janela_->PopupMenu1->hide();
        janela_->Replicar1->trigger();
    }

    void Agir(Acao acao) {
        switch (acao) {
        case Abrir:
            ClicarBotao(janela_.get(), 1);
            break;
        case Excluir:
            ClicarBotao(janela_.get(), 3);
            break;
        case Replicar:
            janela_->Replicar1->trigger();
            break;
        }
    }

private slots:
    void initTestCase() { banco_ = std::make_unique<BancoDemo>(); }
    void cleanupTestCase() { banco_.reset(); }
    void init() { caixas_ = std::make_unique<CaixasRoteiro>(); }
    void cleanup() {
        janela_.reset();
        caixas_.reset();
    }

    // Through Exibir: the window over the screen's work area, its tabs and columns, and the
    // rows of each tab with the coefficient in short form.
    void exibeAsDuasListas() {
        TClsLExProduto produto = NovoProduto(1, true);
        InserirInsumo(produto,
                      {0, std::nullopt, "39269010", std::nullopt, "Sem tipo", std::nullopt, 0.1234567, "77", {}});
        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFInsumoLE*>(modal);
            QVERIFY(j);
            QCOMPARE(j->windowTitle(), "FInsumoLE");
            QCOMPARE(j->LTitJan->text(), "Propriedades do Insumo");
            QCOMPARE(j->frameGeometry(), j->screen()->availableGeometry());
            for (int n = 0; n < 10; ++n) {
                QCOMPARE(j->Botao(n)->isVisible(), n <= 1 || n == 3 || n == 9);
            }
            QCOMPARE(j->pgctrlListasIns->currentIndex(), 0);
            QCOMPARE(j->pgctrlListasIns->tabText(0), "Listagem Padrão");
            QCOMPARE(j->pgctrlListasIns->tabText(1), "Outras");
            QCOMPARE(j->Panel4->text(), " Obs: Clique com o botão direito do mouse para replicar o Insumo");
            QCOMPARE(j->Replicar1->text(), "Replicar");
            QCOMPARE(j->PopupMenu1->actions(), QList<QAction*>{j->Replicar1});

            const QStringList titulos{
                "Tipo",    "NCM",         "Item",   "Descrição do Insumo", "Esp. Técnica", "Coef. Técnico", "CodUnid",
                "Unidade", "Cód. Insumo", "Status", "Cód.Ins.Empresa",     "tipo_ins"};
            const int larguras[2][12] = {{0, 60, 40, 350, 200, 80, 0, 150, 80, 0, 100, 0},
                                         {100, 60, 0, 350, 150, 80, 0, 150, 80, 0, 100, 0}};
            for (int aba = 0; aba < 2; ++aba) {
                QTreeWidget* lista = aba == 0 ? j->lvwInsPadrao : j->lvwInsOutros;
                QCOMPARE(lista->columnCount(), 12);
                QVERIFY(!lista->isSortingEnabled());
                QCOMPARE(lista->editTriggers(), QAbstractItemView::NoEditTriggers);
                for (int c = 0; c < 12; ++c) {
                    QCOMPARE(lista->headerItem()->text(c), titulos[c]);
                    QCOMPARE(lista->isColumnHidden(c), larguras[aba][c] == 0);
                    if (larguras[aba][c]) {
                        QCOMPARE(lista->columnWidth(c), larguras[aba][c]);
                    }
                }
                const auto direita = lista->topLevelItem(0)->textAlignment(TFInsumoLE::ColCoeficiente);
                QVERIFY(direita & Qt::AlignRight);
            }
            QCOMPARE(Coluna(j->lvwInsPadrao, TFInsumoLE::ColCodInsumo), QStringList({"1", "2", "3"}));
            QCOMPARE(Linha(j->lvwInsPadrao->topLevelItem(2)),
                     QStringList({"Padrao", "73182230", "0002", "Painel frontal - Arruelas de ferro ou aço",
                                  "Módulo de alimentação chaveada 110/220 V, 150 W", "1,00", "2", "QUILOGRAMA", "3",
                                  "0", "PN-TV-0003", "P"}));
            QCOMPARE(Coluna(j->lvwInsOutros, TFInsumoLE::ColTipo),
                     QStringList({"Estrangeiro", "Estrangeiro", "Nacional", "Nacional", "Regional", "Regional", ""}));
            QCOMPARE(Coluna(j->lvwInsOutros, TFInsumoLE::ColCoeficiente),
                     QStringList({"1,00", "1,00", "0,01", "1,00", "1,50", "1,00", "0,12"}));
            // A unit missing from the register leaves its description empty.
            QCOMPARE(Linha(j->lvwInsOutros->topLevelItem(6)),
                     QStringList({"", "39269010", "", "Sem tipo", "", "0,12", "77", "", "10", "0", "", ""}));
            Capturar("insumo_le_padrao");
            j->pgctrlListasIns->setCurrentIndex(1);
            Capturar("insumo_le_outras");
            ClicarBotao(j, 9);
        });
        TFInsumoLE::Exibir(produto);
        QVERIFY(caixas_->Mostradas().empty());
    }

    // Open, Delete and Replicate act on the active tab only and need a selected row there.
    void semLinhaSelecionadaAvisa_data() {
        QTest::addColumn<int>("aba");
        QTest::addColumn<int>("acao");
        QTest::addColumn<bool>("selecionarNaOutra");
        for (int aba : {0, 1}) {
            const char* nomeAba = aba == 0 ? "padrão" : "outras";
            QTest::addRow("abrir, %s", nomeAba) << aba << int(Abrir) << false;
            QTest::addRow("excluir, %s", nomeAba) << aba << int(Excluir) << false;
            QTest::addRow("replicar, %s", nomeAba) << aba << int(Replicar) << false;
            QTest::addRow("abrir com linha só na outra aba, %s", nomeAba) << aba << int(Abrir) << true;
            QTest::addRow("excluir com linha só na outra aba, %s", nomeAba) << aba << int(Excluir) << true;
        }
    }
    void semLinhaSelecionadaAvisa() {
        QFETCH(int, aba);
        QFETCH(int, acao);
        QFETCH(bool, selecionarNaOutra);
        Mostrar(NovoProduto(1, true));
        if (selecionarNaOutra) {
            Selecionar(1 - aba, 0);
        }
        janela_->pgctrlListasIns->setCurrentIndex(aba);
        Agir(Acao(acao));
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kNenhumSelecionado});
        QCOMPARE(InsumosGravados(produto_).size(), size_t(9));

        // A product without inputs shows two empty lists.
        Mostrar(NovoProduto());
        QCOMPARE(janela_->lvwInsPadrao->topLevelItemCount() + janela_->lvwInsOutros->topLevelItemCount(), 0);
    }

    // An input opened and saved unchanged keeps its full coefficient; after an edit only
    // the edited row changes, in place.
    void abrirReescreveSoALinha() {
        TClsLExProduto produto = NovoProduto(1, true);
        InserirInsumo(produto, {0, "N", "39269010", std::nullopt, "Fita adesiva", "Dupla face", 0.1234567, "3", "FT"});
        Mostrar(produto);
        QTreeWidget* outras = janela_->lvwInsOutros;
        const QStringList antes = Linha(outras->topLevelItem(6));
        QCOMPARE(antes[TFInsumoLE::ColCoeficiente], "0,12");
        Selecionar(1, 6);
        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFPropriedadeInsumo*>(modal);
            QVERIFY(j);
            QCOMPARE(j->Modo(), miAlterar);
            QCOMPARE(j->edtCoefTec->text(), "0,1234567");
            ClicarBotao(j, 2);
        });
        QTest::mouseDClick(outras->viewport(), Qt::LeftButton, {},
                           outras->visualItemRect(outras->topLevelItem(6)).center());
        QCOMPARE(Linha(outras->topLevelItem(6)), antes);
        QCOMPARE(InsumoGravadoDe(produto, 10).coeficiente, 0.1234567);

        // An edit of another row: the row shows the new values, its unit's description
        // included; the other rows and their order stay.
        const QStringList linhaZero = Linha(outras->topLevelItem(0));
        Selecionar(1, 2);
        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFPropriedadeInsumo*>(modal);
            j->cmbSelTipoIns->setCurrentIndex(3);
            j->edtDescIns->setText("Parafuso M4");
            j->edtCodUnid->setFocus();
            j->edtCodUnid->setText("5");
            j->edtCoefTec->setFocus();
            j->edtCoefTec->setText("1234,5");
            ClicarBotao(j, 2);
        });
        ClicarBotao(janela_.get(), 1);
        QCOMPARE(Linha(outras->topLevelItem(2)),
                 QStringList({"Regional", "85423920", "", "Parafuso M4", "Aço carbono zincado, cabeça Phillips",
                              "1.234,50", "5", "PEÇA", "6", "0", "PN-TV-0200", "R"}));
        QCOMPARE(Linha(outras->topLevelItem(0)), linhaZero);
        QCOMPARE(outras->topLevelItemCount(), 7);

        // A standard-list row opens in its own window; closing without saving changes nothing.
        const QStringList padrao = Linha(janela_->lvwInsPadrao->topLevelItem(1));
        Selecionar(0, 1);
        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFPropriedadeInsumoPadrao*>(modal);
            QVERIFY(j);
            QCOMPARE(j->cmbDescIns->currentIndex(), 0);
            j->cmbDescIns->setCurrentIndex(1);
            ClicarBotao(j, 9);
        });
        ClicarBotao(janela_.get(), 1);
        QCOMPARE(Linha(janela_->lvwInsPadrao->topLevelItem(1)), padrao);
        QVERIFY(caixas_->Mostradas().empty());
    }

    // New and replicated inputs reload their tab in input-number order; a copy saved
    // unchanged is refused and reloads nothing; the replicated input stays as it was.
    void novoEReplicarRecarregam() {
        TClsLExProduto produto = NovoProduto(1, true);
        Mostrar(produto);
        janela_->pgctrlListasIns->setCurrentIndex(1);
        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFPropriedadeInsumo*>(modal);
            QVERIFY(j);
            QCOMPARE(j->Modo(), miIncluir);
            j->cmbSelTipoIns->setCurrentIndex(2);
            j->edtCodNCM->setText("39269010");
            j->edtCoefTec->setText("3");
            ClicarBotao(j, 2);
        });
        ClicarBotao(janela_.get(), 0);
        QCOMPARE(Coluna(janela_->lvwInsOutros, TFInsumoLE::ColCodInsumo),
                 QStringList({"4", "5", "6", "7", "8", "9", "10"}));
        QCOMPARE(janela_->lvwInsOutros->topLevelItem(6)->text(TFInsumoLE::ColDescricao),
                 "Outras obras de plástico - de uso geral");

        NaJanelaModal([this](QWidget* modal) {
            QCOMPARE(qobject_cast<TFPropriedadeInsumoPadrao*>(modal)->Modo(), miReplicar);
            ClicarBotao(modal, 2);
            QCOMPARE(caixas_->Mostradas(),
                     (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", "Erro no Insumo! Insumo JA cadastrado"}}));
            ClicarBotao(modal, 9);
        });
        ReplicarPeloMenu(0, 0);
        QCOMPARE(janela_->lvwInsPadrao->topLevelItemCount(), 3);

        NaJanelaModal([](QWidget* modal) {
            auto* j = qobject_cast<TFPropriedadeInsumoPadrao*>(modal);
            j->mmEspecTec->setPlainText("Placa de revisão B");
            ClicarBotao(j, 2);
        });
        ReplicarPeloMenu(0, 0);
        QCOMPARE(Coluna(janela_->lvwInsPadrao, TFInsumoLE::ColCodInsumo), QStringList({"1", "2", "3", "11"}));
        QCOMPARE(Coluna(janela_->lvwInsPadrao, TFInsumoLE::ColEspecificacao).last(), "Placa de revisão B");
        QCOMPARE(InsumoGravadoDe(produto, 1).especificacao,
                 std::optional<std::string>("Placa principal com processador de vídeo, 4 camadas, montagem SMD"));
    }

    // Deleting asks first and removes exactly the selected input; a failed delete keeps it.
    void excluir() {
        TClsLExProduto produto = NovoProduto(1, true);
        Mostrar(produto);
        Selecionar(1, 1);
        ClicarBotao(janela_.get(), 3);
        QCOMPARE(caixas_->Mostradas(), std::vector<CaixaMostrada>{kConfirmaExclusao});
        QCOMPARE(janela_->lvwInsOutros->topLevelItemCount(), 6);

        TConexao& conexao = dm_DatConn->adocon_korvex;
        conexao.ExecutarNativo("CREATE TRIGGER recusa BEFORE DELETE ON KX_EXPINSUMO "
                               "BEGIN SELECT RAISE(ABORT, 'banco somente leitura'); END");
        caixas_->Limpar();
        caixas_->Responder(kBotaoSim);
        ClicarBotao(janela_.get(), 3);
        conexao.ExecutarNativo("DROP TRIGGER recusa");
        QCOMPARE(caixas_->Mostradas(), (std::vector<CaixaMostrada>{
                                           kConfirmaExclusao,
                                           {TipoCaixa::Erro, "Erro",
                                            "Houve um erro ao executar esta operação! \n\n[banco somente leitura]"}}));
        QCOMPARE(janela_->lvwInsOutros->topLevelItemCount(), 6);

        caixas_->Responder(kBotaoSim);
        ClicarBotao(janela_.get(), 3);
        QCOMPARE(Coluna(janela_->lvwInsOutros, TFInsumoLE::ColCodInsumo), QStringList({"4", "6", "7", "8", "9"}));
        QVERIFY(janela_->lvwInsOutros->selectedItems().isEmpty());
        std::vector<int> restantes;
        for (const auto& g : InsumosGravados(produto)) {
            restantes.push_back(g.codins);
        }
        QCOMPARE(restantes, (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
        TConsulta consulta(&conexao);
        consulta.Abrir("SELECT * FROM KX_EXPPRODUTO WHERE emp_inscvlt = '200123456' AND exp_codprod = " +
                       produto.exp_codprod());
        QCOMPARE(consulta.QuantidadeRegistros(), 1);
    }
};

QTEST_MAIN(TstInsumoLE)
#include "tst_insumo_le.moc"

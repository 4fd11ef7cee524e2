// The lookup dialog driven for real on the offscreen platform, over the demonstration
// database: each lookup is opened through its entry point, typed into, searched,
// chosen by double click or closed, and its answer checked.

#include "apoio/AmbienteTeste.h"
#include "apoio/JanelaModal.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Erros.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "ui/UAplicacao.h"
#include "ui/UPesquisaGerador.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

// Runs `acao` on the lookup window once it is open, then closes it if the action left
// it open, so that a failed check never leaves a test waiting.
void NaJanela(std::function<void(QWidget*)> acao) {
    QuandoModal([acao](QWidget* janela) {
        acao(janela);
        if (janela->isVisible()) {
            janela->close();
        }
    });
}

// Types the text key by key; characters beyond ASCII go as key events of their own.
void Digitar(QWidget* destino, const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(destino, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, destino, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

template <typename T> T* Controle(QWidget* janela, const char* nome) {
    T* controle = janela->findChild<T*>(nome);
    if (!controle) {
        qWarning("controle %s não encontrado", nome);
    }
    return controle;
}

// Chooses the search type, the chooser entry and the text, then presses Enter.
void Buscar(QWidget* janela, int tipoBusca, int entrada, const QString& texto) {
    auto* grupo = Controle<QGroupBox>(janela, "grprdTipoPesq");
    grupo->findChildren<QRadioButton*>().at(tipoBusca)->click();
    Controle<QComboBox>(janela, "cmbSelItemPesq")->setCurrentIndex(entrada);
    auto* edt = Controle<QLineEdit>(janela, "edtTextPesq");
    edt->clear();
    Digitar(edt, texto);
    QTest::keyClick(edt, Qt::Key_Return);
}

void ClicarDuasVezes(QTreeWidget* lista, QTreeWidgetItem* item) {
    const QPoint centro = lista->visualItemRect(item).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
}

QStringList Linhas(const TListaNomeValor& lista) {
    QStringList linhas;
    for (const auto& l : lista.Linhas()) {
        linhas << QString::fromStdString(l);
    }
    return linhas;
}

TListaNomeValor Lista(const QStringList& linhas) {
    TListaNomeValor lista;
    for (const auto& l : linhas) {
        lista.Adicionar(l.toStdString());
    }
    return lista;
}

} // namespace

class TstPesquisaGerador : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        ambiente_ = std::make_unique<AmbienteTeste>(AmbienteTeste::Opcoes{false, false});
        std::string saida;
        QCOMPARE(ExecutarAdmin(ambiente_->Raiz(), "demo", saida), 0);
        dm_DatConn = std::make_unique<Tdm_DatConn>();
        QVERIFY(dm_DatConn->Conectar());
    }

    void cleanupTestCase() {
        dm_DatConn.reset();
        ambiente_.reset();
    }

    void init() { caixas_.Limpar(); }

    // The window as stored, a search of everything, blank text, the exact statement of
    // a search and the close box, on the unit lookup.
    void janelaBuscaEFecharSemEscolher() {
        TListaNomeValor retorno({"CODUNID=77", "OUTRO=fica"});
        NaJanela([](QWidget* janela) {
            QVERIFY(qobject_cast<TFPesquisaGerador*>(janela));
            QCOMPARE(janela->windowTitle(), "FPesquisaGerador");
            QCOMPARE(janela->size(), QSize(627, 519));
            for (const char* nome : {"imgCabecalho", "imgCorpo", "imgRodape", "GroupBox1", "GroupBox2", "Label1"}) {
                QVERIFY2(janela->findChild<QWidget*>(nome), nome);
            }
            QCOMPARE(Controle<QLabel>(janela, "LTitJanela")->text(), "Pesquisa: Unidade");
            QCOMPARE(Controle<QLabel>(janela, "Label1")->text(), "Para pesquisar todos os registros utilize (%)");
            QCOMPARE(Controle<QPushButton>(janela, "btPesq")->text(), " &Pesquisar");
            auto* grupo = Controle<QGroupBox>(janela, "grprdTipoPesq");
            QCOMPARE(grupo->title(), "Localizar por");
            const auto opcoes = grupo->findChildren<QRadioButton*>();
            QCOMPARE(opcoes.size(), 3);
            QCOMPARE(opcoes[0]->text(), "Início do campo");
            QCOMPARE(opcoes[2]->text(), "Qualquer parte do campo");
            QVERIFY(opcoes[0]->isChecked());
            auto* cmb = Controle<QComboBox>(janela, "cmbSelItemPesq");
            QVERIFY(!cmb->isEditable());
            QCOMPARE(cmb->count(), 2);
            QCOMPARE(cmb->itemText(1), "Desc. Unidade");
            QCOMPARE(cmb->currentIndex(), 0);
            auto* edt = Controle<QLineEdit>(janela, "edtTextPesq");
            QCOMPARE(janela->focusWidget(), edt);
            auto* lvw = Controle<QTreeWidget>(janela, "lvwResultPeq");
            QCOMPARE(lvw->headerItem()->text(0), "Código Unidade");
            QCOMPARE(lvw->columnWidth(1), 400);
            QCOMPARE(lvw->selectionMode(), QAbstractItemView::SingleSelection);
            QCOMPARE(lvw->editTriggers(), QAbstractItemView::NoEditTriggers);

            Buscar(janela, 0, 1, "%");
            QCOMPARE(lvw->topLevelItemCount(), 12);
            QCOMPARE(lvw->topLevelItem(0)->text(0), "1");
            QCOMPARE(lvw->topLevelItem(0)->text(1), "UNIDADE");

            // Blanks only: nothing is searched, the list stays.
            Buscar(janela, 0, 1, "   ");
            QTest::mouseClick(Controle<QPushButton>(janela, "btPesq"), Qt::LeftButton);
            QCOMPARE(lvw->topLevelItemCount(), 12);

            Buscar(janela, 0, 1, "kg");
            QCOMPARE(edt->text(), "KG");
            QCOMPARE(TPesquisaGerador::Consulta()->SQL(),
                     " SELECT  CODUNID, DESCUNID FROM KXUNIDADES WHERE DESCUNID LIKE 'KG%'");
            QCOMPARE(lvw->topLevelItemCount(), 0);

            // A row is chosen only by double click; the close box cancels.
            Buscar(janela, 0, 1, "litro");
            QCOMPARE(lvw->topLevelItemCount(), 1);
            janela->close();
        });
        QVERIFY(!TFPesquisaGerador::Pesquisar(4, retorno));
        QCOMPARE(Linhas(retorno), QStringList({"CODUNID=77", "OUTRO=fica"}));
        QVERIFY(caixas_.Mostradas().empty());
    }

    // Every lookup that a window of the program opens, searched with accented text and
    // chosen by double click: the caller gets the row's NAME=VALUE lines.
    void escolherPorCadaChamador_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QStringList>("parametros");
        QTest::addColumn<int>("tipoBusca");
        QTest::addColumn<int>("entrada");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QStringList>("retorno");

        QTest::newRow("empresa") << 0 << QStringList() << 2 << 0 << "d'água"
                                 << " SELECT  EMP_RAZAO, EMP_INSCVLT FROM KX_EMPRESA WHERE EMP_RAZAO LIKE "
                                    "'%D''ÁGUA%'"
                                 << QStringList({"OUTRO=fica", "EMP_RAZAO=RELOJOARIA D'ÁGUA DA AMAZÔNIA LTDA",
                                                 "EMP_INSCVLT=200777888"});
        QTest::newRow("unidade") << 4 << QStringList() << 0 << 1 << "peça"
                                 << " SELECT  CODUNID, DESCUNID FROM KXUNIDADES WHERE DESCUNID LIKE 'PEÇA%'"
                                 << QStringList({"OUTRO=fica", "CODUNID=5", "DESCUNID=PEÇA"});
        QTest::newRow("produto") << 5 << QStringList() << 0 << 1 << "câmera"
                                 << " SELECT  CD_PRODUTO_XVM, NM_PRODUTO_XVM FROM ( SELECT       "
                                    "mid(cd_produto_xvm,1,4) AS cd_produto_xvm ,     nm_produto_xvm  FROM   T_PROXVM) "
                                    "WHERE NM_PRODUTO_XVM LIKE 'CÂMERA%'"
                                 << QStringList({"OUTRO=fica", "CD_PRODUTO_XVM=0410",
                                                 "NM_PRODUTO_XVM=Câmera fotográfica digital"});
        QTest::newRow("ncm do produto")
            << 6 << QStringList({"CodPrdVlt=0401", "TipoPrdVlt=001"}) << 2 << 1 << "elétricos"
            << " SELECT  NCM_CODIGO, NCM_DESCRICAO, NPS_CODTIPO, UNI_CODIGO FROM (" +
                   QString::fromStdString(SQLNCMsProduto("0401", "001")) + ") WHERE NCM_DESCRICAO LIKE '%ELÉTRICOS%'"
            << QStringList({"OUTRO=fica", "NCM_CODIGO=85444920",
                            "NCM_DESCRICAO=Outros condutores elétricos - para montagem industrial", "UNI_CODIGO=3"});
        QTest::newRow("ncm dos itens")
            << 7 << QStringList({"CodPrdVlt=0401"}) << 0 << 1 << "condutores elétricos"
            << " SELECT  NCM_CODIGO, NCM_DESCRICAO, VTNCM_DETALHE, UNI_CODIGO FROM (" +
                   QString::fromStdString(SQLNCMsItem("0401")) + ") WHERE NCM_DESCRICAO LIKE 'CONDUTORES ELÉTRICOS%'"
            << QStringList({"OUTRO=fica", "NCM_CODIGO=85444290",
                            "NCM_DESCRICAO=Condutores elétricos com peças de conexão - outros", "UNI_CODIGO=3"});
        QTest::newRow("ncm") << 8 << QStringList() << 2 << 1 << "potência até 20 w - reforç"
                             << " SELECT  NCM_CODIGO, NCM_DESCRICAO, UNI_CODIGO FROM PRJ_NCM WHERE NCM_DESCRICAO "
                                "LIKE '%POTÊNCIA ATÉ 20 W - REFORÇ%'"
                             << QStringList({"OUTRO=fica", "NCM_CODIGO=85332130",
                                             "NCM_DESCRICAO=Resistores fixos de potência até 20 W - reforçados",
                                             "UNI_CODIGO=9"});
    }

    void escolherPorCadaChamador() {
        QFETCH(int, tipo);
        QFETCH(QStringList, parametros);
        QFETCH(int, tipoBusca);
        QFETCH(int, entrada);
        QFETCH(QString, texto);
        QFETCH(QString, sql);
        QFETCH(QStringList, retorno);

        TListaNomeValor lista({"OUTRO=fica"});
        NaJanela([&](QWidget* janela) {
            Buscar(janela, tipoBusca, entrada, texto);
            QCOMPARE(Controle<QLineEdit>(janela, "edtTextPesq")->text(), texto.toUpper());
            QCOMPARE(QString::fromStdString(TPesquisaGerador::Consulta()->SQL()), sql);
            auto* lvw = Controle<QTreeWidget>(janela, "lvwResultPeq");
            QCOMPARE(lvw->topLevelItemCount(), 1);
            // Columns of width 0 are hidden; their values still come back.
            for (int i = 0; i < lvw->columnCount(); ++i) {
                QCOMPARE(lvw->isColumnHidden(i), lvw->headerItem()->text(i) == "Cod. Unid");
            }
            ClicarDuasVezes(lvw, lvw->topLevelItem(0));
            QVERIFY(!janela->isVisible());
        });
        const bool escolheu = parametros.isEmpty()
                                  ? TFPesquisaGerador::Pesquisar(tipo, lista)
                                  : TFPesquisaGerador::PesquisarComParametros(tipo, Lista(parametros), lista);
        QVERIFY(escolheu);
        QCOMPARE(Linhas(lista), retorno);
        QVERIFY(caixas_.Mostradas().empty());
    }

    // Kinds that an entry point does not open give false at once, with no window.
    void tipoDesconhecidoNaoAbreJanela() {
        bool apareceu = false;
        QTimer guarda;
        guarda.setSingleShot(true);
        connect(&guarda, &QTimer::timeout, [&apareceu]() {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                apareceu = true;
                modal->close();
            }
        });
        guarda.start(200);
        TListaNomeValor retorno({"A=1"});
        for (int tipo : {-1, 6, 7, 9, 12, 13, 255}) {
            QVERIFY2(!TFPesquisaGerador::Pesquisar(tipo, retorno), qPrintable(QString::number(tipo)));
        }
        for (int tipo : {-1, 0, 4, 5, 8, 13}) {
            QVERIFY2(!TFPesquisaGerador::PesquisarComParametros(tipo, {}, retorno), qPrintable(QString::number(tipo)));
        }
        // A product code that is not a number never reaches the statement.
        QVERIFY_THROWS_EXCEPTION(
            ErroBanco, TFPesquisaGerador::PesquisarComParametros(10, TListaNomeValor({"CodPrd=1 OR 1=1"}), retorno));
        QVERIFY(!apareceu);
        QCOMPARE(Linhas(retorno), QStringList({"A=1"}));
    }

    // A row whose first returned value is empty cannot be chosen: the window stays open.
    void linhaSemValorNaoEscolhe() {
        TConexao& conexao = dm_DatConn->adocon_korvex;
        conexao.Executar("INSERT INTO KX_PAIS (PAI_CODIGO, PAI_DESC) VALUES ('', 'PAÍS SEM CÓDIGO')");
        TListaNomeValor retorno({"PAI_DESC=antes"});
        NaJanela([](QWidget* janela) {
            Buscar(janela, 0, 1, "país");
            auto* lvw = Controle<QTreeWidget>(janela, "lvwResultPeq");
            QCOMPARE(lvw->topLevelItemCount(), 1);
            ClicarDuasVezes(lvw, lvw->topLevelItem(0));
            QVERIFY(janela->isVisible());
        });
        const bool escolheu = TFPesquisaGerador::Pesquisar(1, retorno);
        conexao.Executar("DELETE FROM KX_PAIS");
        QVERIFY(!escolheu);
        QCOMPARE(Linhas(retorno), QStringList({"PAI_DESC=antes"}));
    }

    // A database error during a search goes to the program's handling of unexpected
    // errors; the window stays open and can search again.
    void erroDoBancoDeixaAJanelaAberta() {
        TConexao& conexao = dm_DatConn->adocon_korvex;
        TListaNomeValor retorno;
        NaJanela([&](QWidget* janela) {
            conexao.ExecutarNativo("ALTER TABLE KX_MOEDA RENAME TO KX_MOEDA_FORA");
            Buscar(janela, 0, 1, "real");
            conexao.ExecutarNativo("ALTER TABLE KX_MOEDA_FORA RENAME TO KX_MOEDA");
            QCOMPARE(caixas_.Mostradas(),
                     (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", "no such table: KX_MOEDA"}}));
            QCOMPARE(QApplication::activeModalWidget(), janela);
            QVERIFY(janela->isVisible());

            QTest::mouseClick(Controle<QPushButton>(janela, "btPesq"), Qt::LeftButton);
            QCOMPARE(caixas_.Mostradas().size(), size_t(1));
        });
        QVERIFY(!TFPesquisaGerador::Pesquisar(3, retorno));
        QVERIFY(retorno.Linhas().empty());
    }

private:
    std::unique_ptr<AmbienteTeste> ambiente_;
    CaixasRoteiro caixas_;
};

int main(int argc, char* argv[]) {
    TAplicacao app(argc, argv);
    TstPesquisaGerador teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_pesquisa_gerador.moc"

// The window frame driven through its window: packing of the visible buttons, normal,
// lit and disabled images, the Sair button, and the wait for a new row against a real
// encrypted database with its busy window.

#include "apoio/AmbienteTeste.h"
#include "apoio/JanelaModal.h"
#include "comum/Erros.h"
#include "dados/BancoDados.h"
#include "ui/UControles.h"
#include "ui/UModelPrincipal.h"
#include "ui/USkinProgress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// A working window as the program's windows are built: it hides the buttons it does
// not use, disables one, and sets its title at show time after the frame's logic.
class TFJanelaTeste : public TFModelPrincipal {
public:
    explicit TFJanelaTeste(std::initializer_list<int> ocultos, int desabilitado = -1) {
        setWindowTitle(QStringLiteral("Módulo - Listagem de Exportação"));
        for (int n : ocultos) {
            Botao(n)->hide();
        }
        if (desabilitado >= 0) {
            Botao(desabilitado)->setEnabled(false);
        }
    }
    int mostrada = 0;

protected:
    void FormShow() override {
        TFModelPrincipal::FormShow();
        LTitJan->setText(QStringLiteral("Janela de Teste"));
        ++mostrada;
    }
};

} // namespace

class TesteModelPrincipal : public QObject {
    Q_OBJECT

    std::unique_ptr<TFJanelaTeste> janela;

    void Mostrar(std::initializer_list<int> ocultos, int desabilitado = -1) {
        janela = std::make_unique<TFJanelaTeste>(ocultos, desabilitado);
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
    }
    QPoint CentroDe(QWidget* w) { return w->mapTo(janela.get(), w->rect().center()); }
    void Mover(QPoint p) { QTest::mouseMove(janela->windowHandle(), p); }
    void Soltar(QWidget* w, Qt::MouseButton botao = Qt::LeftButton) {
        Mover(CentroDe(w));
        QTest::mouseClick(janela->windowHandle(), botao, {}, CentroDe(w));
    }
    // State of the ten buttons' pictures: N normal, L lit, D disabled, '-' hidden.
    QString Estado() {
        QString s;
        for (int n = 0; n < 10; ++n) {
            const qint64 figura = janela->Botao(n)->Figura().cacheKey();
            s += janela->Botao(n)->isHidden()                             ? '-'
                 : figura == janela->ImageListLigados[n].cacheKey()       ? 'L'
                 : figura == janela->ImageListDesligados[n].cacheKey()    ? 'N'
                 : figura == janela->ImageListDesabilitados[n].cacheKey() ? 'D'
                                                                          : '?';
        }
        return s;
    }

private slots:
    void cleanup() { janela.reset(); }

    void Moldura() {
        Mostrar({});
        QCOMPARE(janela->size(), QSize(782, 520));
        QCOMPARE(janela->mostrada, 1);
        QCOMPARE(janela->LTitJan->text(), QStringLiteral("Janela de Teste"));
        QCOMPARE(janela->Panel1->geometry(), QRect(0, 0, 782, 81));
        QCOMPARE(janela->Panel1->palette().color(QPalette::Window), QColor(10, 92, 70));
        QCOMPARE(janela->Panel2->geometry(), QRect(0, 520 - 29, 782, 29));
        QCOMPARE(janela->Panel3->geometry(), QRect(0, 81, 782, 520 - 81 - 29));
        QCOMPARE(janela->pn_botoes->palette().color(QPalette::Window), QColor(48, 130, 90));
        // The title is whole, above the button bar.
        const QRect titulo = janela->LTitJan->geometry();
        QVERIFY(titulo.width() >= janela->LTitJan->sizeHint().width());
        QVERIFY(titulo.bottom() < janela->pn_botoes->y());
        for (const char* nome : {"Panel1", "LTitJan", "pn_botoes", "Panel2", "Panel3", "botao0", "botao9"}) {
            QVERIFY2(janela->findChild<QWidget*>(QLatin1String(nome)), nome);
        }
        for (int n = 0; n < 10; ++n) {
            QCOMPARE(janela->Botao(n)->Tag(), n);
            QCOMPARE(janela->Botao(n)->size(), QSize(92, 34));
            QCOMPARE(janela->Botao(n)->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(janela->ImageListLigados[n].size(), QSize(92, 34));
            QCOMPARE(janela->ImageListDesabilitados[n].size(), QSize(92, 34));
        }
    }

    void BotoesVisiveisEncostadosADireita_data() {
        QTest::addColumn<QList<int>>("ocultos");
        QTest::newRow("todos") << QList<int>{};
        QTest::newRow("sem 4, 6, 7 e 8") << QList<int>{4, 6, 7, 8};
        QTest::newRow("listagem") << QList<int>{2, 4, 6, 7, 8};
        QTest::newRow("assistente") << QList<int>{0, 1, 2, 3, 4, 6, 7, 8};
        QTest::newRow("só sair") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8};
    }
    void BotoesVisiveisEncostadosADireita() {
        QFETCH(QList<int>, ocultos);
        janela = std::make_unique<TFJanelaTeste>(std::initializer_list<int>{});
        for (int n : ocultos) {
            janela->Botao(n)->hide();
        }
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        int direita = 782;
        for (int n = 9; n >= 0; --n) {
            TImagem* botao = janela->Botao(n);
            if (ocultos.contains(n)) {
                QVERIFY(!botao->isVisible());
                continue;
            }
            const QRect r(botao->mapTo(janela.get(), QPoint(0, 0)), botao->size());
            QCOMPARE(r, QRect(direita - 92, 81 - 34, 92, 34));
            direita -= 92;
        }
        QCOMPARE(janela->pn_botoes->geometry(), QRect(direita, 81 - 34, 782 - direita, 34));
    }

    void BotaoAcendeAoSoltarEApagaSobreAFaixa() {
        Mostrar({1, 4, 6, 7, 8}, 3);
        QCOMPARE(Estado(), QStringLiteral("N-ND-N---N"));

        Soltar(janela->botao2);
        QCOMPARE(Estado(), QStringLiteral("N-LD-N---N"));
        Soltar(janela->botao2); // the same button again changes nothing
        QCOMPARE(Estado(), QStringLiteral("N-LD-N---N"));
        Soltar(janela->botao5, Qt::RightButton); // any mouse button lights it
        QCOMPARE(Estado(), QStringLiteral("N-ND-L---N"));
        Soltar(janela->botao3); // disabled: nothing reaches it
        QCOMPARE(Estado(), QStringLiteral("N-ND-L---N"));

        // Over the title text and over the buttons the lit button stays.
        Mover(CentroDe(janela->LTitJan));
        Mover(CentroDe(janela->botao0));
        QCOMPARE(Estado(), QStringLiteral("N-ND-L---N"));
        // Over the bare band it goes out, and a release lights it again.
        Mover(QPoint(janela->LTitJan->geometry().right() + 20, 20));
        QCOMPARE(Estado(), QStringLiteral("N-ND-N---N"));
        Soltar(janela->botao5);
        QCOMPARE(Estado(), QStringLiteral("N-ND-L---N"));
    }

    void CliqueCorreAntesDeAcender() {
        Mostrar({4, 6, 7, 8});
        QString noClique;
        QString depoisDaJanela;
        connect(janela->botao0, &TImagem::Clicado, janela.get(), [&]() {
            noClique = Estado();
            QuandoModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
            QDialog filha(janela.get());
            filha.exec();
            depoisDaJanela = Estado();
        });
        Soltar(janela->botao0);
        QCOMPARE(noClique, QStringLiteral("NNNN-N---N"));
        QCOMPARE(depoisDaJanela, QStringLiteral("NNNN-N---N"));
        QCOMPARE(Estado(), QStringLiteral("LNNN-N---N"));
    }

    void SairFechaAJanelaModal() {
        TFModelPrincipal base; // a window that handles no button of its own
        base.show();
        QVERIFY(QTest::qWaitForWindowExposed(&base));
        const QPoint sair = base.botao9->mapTo(&base, base.botao9->rect().center());
        QTest::mouseClick(base.windowHandle(), Qt::LeftButton, {}, sair);
        QVERIFY(!base.isVisible());

        janela = std::make_unique<TFJanelaTeste>(std::initializer_list<int>{0, 1, 2, 3, 4, 6, 7, 8});
        QuandoModal([this](QWidget* w) {
            QCOMPARE(w, janela.get());
            Soltar(janela->botao9);
        });
        QCOMPARE(janela->exec(), int(QDialog::Rejected));
    }

    void AguardarNovoRegistro() {
        AmbienteTeste ambiente;
        TConexao principal;
        TConexao lista;
        ambiente.Conectar(principal);
        ambiente.Conectar(lista);
        TConsulta qry_sel(&lista);
        principal.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('1', 'QUILOGRAMA')");
        principal.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('2', 'UNIDADE')");
        const std::string sql = "SELECT codunid FROM KXUNIDADES ORDER BY codunid";
        auto semEspera = []() {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<TFSkinProgress*>(w)) {
                    return false;
                }
            }
            return true;
        };

        // The list showed one row and the statement already returns two.
        QVERIFY(TFModelPrincipal::AguardarNovoRegistro(qry_sel, sql, 1));
        QCOMPARE(qry_sel.SQL(), sql);
        QCOMPARE(qry_sel.QuantidadeRegistros(), 2);
        QVERIFY(semEspera());

        // The row is committed on the main connection while the wait runs.
        bool esperaVisivel = false;
        int maximo = 0;
        QTimer::singleShot(60, [&]() {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* espera = qobject_cast<TFSkinProgress*>(w)) {
                    esperaVisivel = espera->isVisible() && espera->windowTitle() == QLatin1String("Splash");
                    maximo = espera->pgb->maximum();
                }
            }
            principal.Executar("INSERT INTO KXUNIDADES (codunid, descunid) VALUES ('3', 'METRO')");
        });
        QVERIFY(TFModelPrincipal::AguardarNovoRegistro(qry_sel, sql, 2));
        QVERIFY(esperaVisivel);
        QCOMPARE(maximo, 10);
        QCOMPARE(qry_sel.QuantidadeRegistros(), 3);
        QVERIFY(semEspera());

        // A row that never comes: the wait gives up instead of spinning for ever.
        QVERIFY(!TFModelPrincipal::AguardarNovoRegistro(qry_sel, sql, 3));
        QCOMPARE(qry_sel.QuantidadeRegistros(), 3);
        QVERIFY(semEspera());

        // A failing statement reaches the caller, and the busy window goes away.
        QVERIFY_THROWS_EXCEPTION(ErroBanco,
                                 TFModelPrincipal::AguardarNovoRegistro(qry_sel, "SELECT x FROM NAO_EXISTE", 0));
        QVERIFY(semEspera());
    }
};

QTEST_MAIN(TesteModelPrincipal)
#include "tst_model_principal.moc"

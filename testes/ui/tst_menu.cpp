// The main menu driven by the pointer at client coordinates: tiles lighting and resting,
// sub-menu strips and their links, hot regions with their pointer and clicks, and the
// working windows opened modally from the entries.

#include "apoio/JanelaModal.h"
#include "comum/CaixasRoteiro.h"
#include "ui/UControles.h"
#include "ui/UMenu.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QPointer>
#include <QTest>

#include <memory>

namespace {

const CaixaMostrada kIndisponivel{TipoCaixa::Informacao, "Informação",
                                  "Este módulo ainda não está disponível nesta versão."};

} // namespace

// Receives the addresses that the menu asks the desktop to open.
class Navegador : public QObject {
    Q_OBJECT
public:
    QList<QUrl> abertos;
public slots:
    void Abrir(const QUrl& endereco) { abertos << endereco; }
};

class TesteMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<CaixasRoteiro> caixas;
    std::unique_ptr<TFMenu> menu;

    template <typename T = QWidget> T* Controle(const char* nome) {
        T* controle = menu->findChild<T*>(QLatin1String(nome));
        if (!controle) {
            qFatal("controle %s não encontrado", nome);
        }
        return controle;
    }
    void Mover(int x, int y) { QTest::mouseMove(menu->windowHandle(), QPoint(x, y)); }
    void Clicar(int x, int y) {
        Mover(x, y);
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, QPoint(x, y));
    }
    void ClicarNo(QWidget* controle) {
        const QPoint centro = controle->mapTo(menu.get(), controle->rect().center());
        Clicar(centro.x(), centro.y());
    }
    // Visibility of Ligado0..2 as "010".
    QString Ligados() {
        QString s;
        for (const char* nome : {"Ligado0", "Ligado1", "Ligado2"}) {
            s += Controle(nome)->isVisible() ? '1' : '0';
        }
        return s;
    }
    static int FaixaDoLink(const QString& link) {
        return link == QLatin1String("Label1") || link == QLatin1String("Label2") ? 1 : 2;
    }
    void AbrirFaixa(int indice) {
        const int x = indice == 1 ? 390 : 660;
        Mover(x, 300);
        Clicar(x, 300);
        QVERIFY(Controle(indice == 1 ? "Menu1" : "Menu2")->isVisible());
    }

private slots:
    void init() {
        caixas = std::make_unique<CaixasRoteiro>();
        menu = std::make_unique<TFMenu>();
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }

    void cleanup() {
        menu.reset();
        caixas.reset();
    }

    void FormaAoMostrar() {
        QCOMPARE(menu->size(), QSize(800, 600));
        QVERIFY(menu->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(Controle("imageMenu")->geometry(), QRect(0, 0, 800, 600));
        const QRect blocos[3] = {{0, 213, 254, 197}, {258, 213, 269, 197}, {531, 213, 268, 197}};
        for (int n = 0; n < 3; ++n) {
            auto* desligado = Controle<TImagem>(qPrintable(QStringLiteral("Desligado%1").arg(n)));
            auto* ligado = Controle<TImagem>(qPrintable(QStringLiteral("Ligado%1").arg(n)));
            QCOMPARE(desligado->geometry(), blocos[n]);
            QCOMPARE(ligado->geometry(), blocos[n]);
            QCOMPARE(desligado->Tag(), n);
            QCOMPARE(ligado->Tag(), n);
            QCOMPARE(desligado->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(ligado->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(desligado->isVisible());
            QVERIFY(!ligado->isVisible());
            QVERIFY(!Controle(qPrintable(QStringLiteral("Menu%1").arg(n)))->isVisible());
        }
        QCOMPARE(Controle("Menu1")->geometry(), QRect(0, 213, 800, 198));
        QCOMPARE(Controle("Menu2")->geometry(), QRect(0, 213, 800, 197));
        QCOMPARE(Controle<QLabel>("lb_ultatualizacao")->text(), QStringLiteral("Última Atualização:"));
        QCOMPARE(Controle<QLabel>("lb_dtatualizacao")->text(), QStringLiteral("07/11/2018"));
        // The update date stays clear of the service-portal link and inside the window.
        for (const char* nome : {"lb_ultatualizacao", "lb_dtatualizacao"}) {
            const QRect r = Controle(nome)->geometry();
            QVERIFY2(r.left() > 398 && r.right() < 800 && r.top() >= 560, nome);
            QVERIFY(Controle(nome)->isVisible());
        }

        const std::pair<const char*, QString> links[] = {
            {"Label2", QStringLiteral("Envio da Listagem de Exportação")},
            {"Label1", QStringLiteral("Importação Arq. Estrut. Própria")},
            {"Label3", QStringLiteral("Cadastro de Empresa")},
            {"Label4", QStringLiteral("Cadastro de Unidade de Medida")},
        };
        for (const auto& [nome, texto] : links) {
            auto* link = Controle<QLabel>(nome);
            QCOMPARE(link->text(), texto);
            QCOMPARE(link->font().pixelSize(), 15);
            QVERIFY(link->font().bold());
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(10, 92, 70));
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!link->autoFillBackground());
            // The whole text fits in its strip, beside the strip's lit tile.
            const QRect r = link->geometry();
            QVERIFY2(QRect(QPoint(0, 0), link->parentWidget()->size()).contains(r), nome);
            QVERIFY2(link->sizeHint().width() <= r.width(), nome);
            const bool naFaixa1 = link->parentWidget()->objectName() == QLatin1String("Menu1");
            QVERIFY2(naFaixa1 ? r.left() > 269 : r.right() < 531, nome);
        }
    }

    void BlocosAcendemERepousamSobreOFundo() {
        Mover(100, 300);
        QCOMPARE(Ligados(), QStringLiteral("100"));
        Mover(200, 350); // within the lit tile: nothing happens
        QCOMPARE(Ligados(), QStringLiteral("100"));
        Mover(255, 300); // the 4-pixel gap is background: back to resting
        QCOMPARE(Ligados(), QStringLiteral("000"));
        Mover(258, 300);
        QCOMPARE(Ligados(), QStringLiteral("010"));
        Mover(529, 300); // the second gap (527-530)
        QCOMPARE(Ligados(), QStringLiteral("000"));
        Mover(531, 300);
        QCOMPARE(Ligados(), QStringLiteral("001"));

        // From the lit tile 0 straight onto the faded tile 2, without crossing the background.
        Mover(300, 500);
        Mover(100, 300);
        QCOMPARE(Ligados(), QStringLiteral("100"));
        Mover(700, 300);
        QCOMPARE(Ligados(), QStringLiteral("001"));
    }

    void FaixasAbremNoCliqueEFechamSobreOFundo() {
        AbrirFaixa(1);
        QVERIFY(!Controle("Menu2")->isVisible());
        Mover(700, 300); // over the strip's picture: it stays
        QVERIFY(Controle("Menu1")->isVisible());
        Mover(700, 500); // background: resting again
        QVERIFY(!Controle("Menu1")->isVisible());
        QCOMPARE(Ligados(), QStringLiteral("000"));

        AbrirFaixa(2);
        QVERIFY(!Controle("Menu1")->isVisible());
        QCOMPARE(Controle("Menu2")->childAt(Controle("Label3")->geometry().center()), Controle("Label3"));
        QVERIFY(caixas->Mostradas().empty());
    }

    void PonteiroNasRegioesQuentes_data() {
        QTest::addColumn<QPoint>("ponto");
        QTest::addColumn<bool>("mao");
        const std::tuple<const char*, QPoint, bool> casos[] = {
            {"ajuda canto superior", {20, 424}, true},
            {"ajuda canto inferior", {66, 441}, true},
            {"ao lado da ajuda", {67, 441}, false},
            {"antes da ajuda", {19, 430}, false},
            {"créditos", {80, 424}, true},
            {"fim dos créditos", {137, 441}, true},
            {"entre créditos e sair", {150, 430}, false},
            {"sair", {178, 424}, true},
            {"fim do sair", {208, 441}, true},
            {"depois do sair", {209, 441}, false},
            {"abaixo do sair", {190, 442}, false},
            {"portal início", {185, 572}, true},
            {"portal fim", {398, 589}, true},
            {"depois do portal", {399, 589}, false},
            {"fundo", {300, 500}, false},
        };
        for (const auto& [nome, ponto, mao] : casos) {
            QTest::newRow(nome) << ponto << mao;
        }
    }
    void PonteiroNasRegioesQuentes() {
        QFETCH(QPoint, ponto);
        QFETCH(bool, mao);
        Mover(ponto.x(), ponto.y());
        QCOMPARE(menu->cursor().shape(), mao ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }

    void CliquesNasRegioes() {
        Navegador navegador;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &navegador, "Abrir");

        Clicar(300, 500); // outside every region
        Clicar(100, 430); // credits
        QVERIFY(caixas->Mostradas().empty());
        QVERIFY(navegador.abertos.isEmpty());

        Clicar(40, 430);
        QCOMPARE(caixas->Mostradas(),
                 (std::vector<CaixaMostrada>{
                     {TipoCaixa::Simples, "", "Acesse o manual do usuário no Portal de Serviços da Veltran!"}}));
        QVERIFY(navegador.abertos.isEmpty());

        Clicar(250, 580);
        QCOMPARE(navegador.abertos,
                 QList<QUrl>{QUrl(QStringLiteral("http://www.veltran.gov.br/servicos/Korvex/KVX_AVISO.asp"))});
        QCOMPARE(caixas->Mostradas().size(), size_t(1));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void SairPerguntaAntes() {
        const CaixaMostrada pergunta{TipoCaixa::Pergunta, "Observação Geral",
                                     "Desejas realmente fechar este aplicativo?"};
        Mover(100, 300);
        caixas->Responder(kBotaoNao);
        Clicar(190, 430);
        QCOMPARE(caixas->Mostradas(), std::vector<CaixaMostrada>{pergunta});
        QVERIFY(menu->isVisible());

        caixas->Responder(kBotaoSim);
        Clicar(190, 430);
        QCOMPARE(caixas->Mostradas(), (std::vector<CaixaMostrada>{pergunta, pergunta}));
        QVERIFY(!menu->isVisible());
    }

    void EntradasSemJanelaAvisamQueOModuloNaoExiste() {
        Mover(100, 300);
        Clicar(100, 300);
        QCOMPARE(caixas->Mostradas(), std::vector<CaixaMostrada>{kIndisponivel});

        for (const char* nome : {"Label2", "Label1", "Label3", "Label4"}) {
            caixas->Limpar();
            AbrirFaixa(FaixaDoLink(QLatin1String(nome)));
            ClicarNo(Controle(nome));
            QCOMPARE(caixas->Mostradas(), std::vector<CaixaMostrada>{kIndisponivel});
            Mover(700, 500);
        }
    }

    void EntradaAbreSuaJanelaModalELibera_data() {
        QTest::addColumn<int>("janela");
        QTest::addColumn<QString>("controle");
        QTest::newRow("listagem") << int(TFMenu::Janela::ConsultaLE) << QString();
        QTest::newRow("envio") << int(TFMenu::Janela::AssisEnvioLE) << QStringLiteral("Label2");
        QTest::newRow("importação") << int(TFMenu::Janela::ImportEstruturaPropria) << QStringLiteral("Label1");
        QTest::newRow("empresas") << int(TFMenu::Janela::ManterEmpresa) << QStringLiteral("Label3");
        QTest::newRow("unidades") << int(TFMenu::Janela::ManterUnidade) << QStringLiteral("Label4");
    }
    void EntradaAbreSuaJanelaModalELibera() {
        QFETCH(int, janela);
        QFETCH(QString, controle);
        QPointer<QDialog> criada;
        int criadas = 0;
        TFMenu::RegistrarJanela(static_cast<TFMenu::Janela>(janela), [&](QWidget* dono) {
            ++criadas;
            auto formulario = std::make_unique<QDialog>(dono);
            criada = formulario.get();
            return formulario;
        });
        QWidget* vista = nullptr;
        QWidget* dono = nullptr;
        bool modal = false;
        QuandoModal([&](QWidget* w) {
            vista = w;
            dono = w->parentWidget();
            modal = w->isModal() && w == criada.data();
            static_cast<QDialog*>(w)->reject();
        });

        if (controle.isEmpty()) {
            Mover(100, 300);
            Clicar(100, 300);
        } else {
            AbrirFaixa(FaixaDoLink(controle));
            ClicarNo(Controle(qPrintable(controle)));
        }
        TFMenu::RegistrarJanela(static_cast<TFMenu::Janela>(janela), nullptr);

        QCOMPARE(criadas, 1);
        QVERIFY(vista != nullptr);
        QVERIFY(modal);
        QCOMPARE(dono, menu.get());
        QVERIFY(criada.isNull()); // freed on return
        QVERIFY(caixas->Mostradas().empty());
        // The menu stays as it was behind the window.
        if (controle.isEmpty()) {
            QCOMPARE(Ligados(), QStringLiteral("100"));
        } else {
            QVERIFY(Controle(FaixaDoLink(controle) == 1 ? "Menu1" : "Menu2")->isVisible());
        }
    }
};

QTEST_MAIN(TesteMenu)
#include "tst_menu.moc"

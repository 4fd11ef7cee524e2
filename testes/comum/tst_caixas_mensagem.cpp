// The Qt message boxes and folder chooser: each box is opened for real, inspected from
// a timer while it is on screen, answered by a key or a click, and its code checked.

#include "apoio/JanelaModal.h"
#include "comum/CaixasMensagem.h"
#include "comum/CaixasMensagemQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

Q_DECLARE_METATYPE(TipoCaixa)

namespace {

// What the box looked like while it was open.
struct Observado {
    bool ehCaixa = false;
    QString titulo;
    QString texto;
    Qt::TextFormat formato = Qt::AutoText;
    QMessageBox::Icon icone = QMessageBox::NoIcon;
    QMessageBox::StandardButtons botoes;
    QMessageBox::StandardButton padrao = QMessageBox::NoButton;
    Qt::WindowModality modalidade = Qt::NonModal;
};

enum class Resposta { Enter, Escape, ClicarNao, ClicarSim };

} // namespace

Q_DECLARE_METATYPE(Resposta)

namespace {

// Shows one box through the free functions and answers it as `resposta` says.
int MostrarEResponder(TipoCaixa tipo, const QString& titulo, const QString& texto, Resposta resposta,
                      Observado& observado) {
    QuandoModal([&observado, resposta](QWidget* janela) {
        auto* caixa = qobject_cast<QMessageBox*>(janela);
        observado.ehCaixa = caixa != nullptr;
        if (!caixa) {
            janela->close();
            return;
        }
        observado.titulo = caixa->windowTitle();
        observado.texto = caixa->text();
        observado.formato = caixa->textFormat();
        observado.icone = caixa->icon();
        observado.botoes = caixa->standardButtons();
        observado.padrao = caixa->standardButton(caixa->defaultButton());
        observado.modalidade = caixa->windowModality();
        switch (resposta) {
        case Resposta::Enter:
            QTest::keyClick(caixa, Qt::Key_Return);
            break;
        case Resposta::Escape:
            QTest::keyClick(caixa, Qt::Key_Escape);
            break;
        case Resposta::ClicarNao:
            QTest::mouseClick(caixa->button(QMessageBox::No), Qt::LeftButton);
            break;
        case Resposta::ClicarSim:
            QTest::mouseClick(caixa->button(QMessageBox::Yes), Qt::LeftButton);
            break;
        }
    });
    const std::string t = titulo.toStdString();
    const std::string x = texto.toStdString();
    switch (tipo) {
    case TipoCaixa::Pergunta:
        return CaixaPergunta(t, x);
    case TipoCaixa::Informacao:
        return CaixaInformacao(t, x);
    case TipoCaixa::Confirmacao:
        return CaixaConfirmacao(t, x);
    case TipoCaixa::Aviso:
        return CaixaAviso(t, x);
    case TipoCaixa::Erro:
        return CaixaErro(t, x);
    case TipoCaixa::Simples:
        return MensagemSimples(x);
    }
    return -1;
}

} // namespace

class TesteCaixasMensagem : public QObject {
    Q_OBJECT

    CaixasMensagemQt caixas_;

private slots:
    void initTestCase() {
        QApplication::setApplicationDisplayName("KORVEX");
        DefinirCaixasMensagem(&caixas_);
    }
    void cleanupTestCase() { DefinirCaixasMensagem(nullptr); }

    void caixas_data() {
        QTest::addColumn<TipoCaixa>("tipo");
        QTest::addColumn<Resposta>("resposta");
        QTest::addColumn<QMessageBox::Icon>("icone");
        QTest::addColumn<QMessageBox::StandardButtons>("botoes");
        QTest::addColumn<QMessageBox::StandardButton>("padrao");
        QTest::addColumn<int>("codigo");

        const QMessageBox::StandardButtons simNao = QMessageBox::Yes | QMessageBox::No;
        const QMessageBox::StandardButtons ok = QMessageBox::Ok;
        QTest::newRow("Pergunta, Enter escolhe Sim")
            << TipoCaixa::Pergunta << Resposta::Enter << QMessageBox::Information << simNao << QMessageBox::Yes << 6;
        QTest::newRow("Pergunta, clique em Não") << TipoCaixa::Pergunta << Resposta::ClicarNao
                                                 << QMessageBox::Information << simNao << QMessageBox::Yes << 7;
        QTest::newRow("Confirmacao, clique em Sim")
            << TipoCaixa::Confirmacao << Resposta::ClicarSim << QMessageBox::Warning << simNao << QMessageBox::Yes << 6;
        QTest::newRow("Confirmacao, Esc responde Não")
            << TipoCaixa::Confirmacao << Resposta::Escape << QMessageBox::Warning << simNao << QMessageBox::Yes << 7;
        QTest::newRow("Informacao") << TipoCaixa::Informacao << Resposta::Enter << QMessageBox::Information << ok
                                    << QMessageBox::Ok << 1;
        QTest::newRow("Aviso, Esc") << TipoCaixa::Aviso << Resposta::Escape << QMessageBox::Warning << ok
                                    << QMessageBox::Ok << 1;
        QTest::newRow("Erro") << TipoCaixa::Erro << Resposta::Enter << QMessageBox::Critical << ok << QMessageBox::Ok
                              << 1;
        QTest::newRow("Simples") << TipoCaixa::Simples << Resposta::Enter << QMessageBox::NoIcon << ok
                                 << QMessageBox::Ok << 1;
    }

    void caixas() {
        QFETCH(TipoCaixa, tipo);
        QFETCH(Resposta, resposta);
        QFETCH(QMessageBox::Icon, icone);
        QFETCH(QMessageBox::StandardButtons, botoes);
        QFETCH(QMessageBox::StandardButton, padrao);
        QFETCH(int, codigo);

        // Plain text: the markup shows as itself and the line feed breaks the line.
        const QString texto = QString::fromUtf8("Operação <b>concluída</b>\n\n[a < b]");
        Observado visto;
        const int devolvido = MostrarEResponder(tipo, QString::fromUtf8("Informação"), texto, resposta, visto);

        QVERIFY(visto.ehCaixa);
        QCOMPARE(devolvido, codigo);
        QCOMPARE(visto.icone, icone);
        QCOMPARE(visto.botoes, botoes);
        QCOMPARE(visto.padrao, padrao);
        QCOMPARE(visto.titulo, tipo == TipoCaixa::Simples ? QString("KORVEX") : QString::fromUtf8("Informação"));
        QCOMPARE(visto.texto, texto);
        QCOMPARE(visto.formato, Qt::PlainText);
        QCOMPARE(visto.modalidade, Qt::ApplicationModal);
    }

    void escolherPasta() {
        QTemporaryDir temporaria;
        QVERIFY(temporaria.isValid());
        const QString raiz = QDir::cleanPath(temporaria.path());
        QVERIFY(QDir(raiz).mkpath("saida/LE"));
        const QString atual = raiz + "/saida";
        const QString escolhida = raiz + "/saida/LE";

        // Starts at the current folder and gives the chosen one without trailing "/".
        QString titulo;
        QString inicio;
        QuandoModal([&](QWidget* janela) {
            auto* dialogo = qobject_cast<QFileDialog*>(janela);
            if (!dialogo) {
                janela->close();
                return;
            }
            titulo = dialogo->windowTitle();
            inicio = QDir::cleanPath(dialogo->directory().absolutePath());
            dialogo->setDirectory(escolhida + "/");
            static_cast<QDialog*>(dialogo)->accept(); // QFileDialog::accept, through the public slot
        });
        std::string pasta = atual.toStdString();
        QVERIFY(EscolherPasta("Selecionar Pasta", raiz.toStdString(), pasta));
        QCOMPARE(titulo, QString("Selecionar Pasta"));
        QCOMPARE(inicio, atual);
        QCOMPARE(QString::fromStdString(pasta), escolhida);

        // A folder text naming no folder is cleared; the chooser starts at the root
        // folder, and cancelling keeps the cleared text and answers no.
        QuandoModal([&](QWidget* janela) {
            if (auto* dialogo = qobject_cast<QFileDialog*>(janela)) {
                inicio = QDir::cleanPath(dialogo->directory().absolutePath());
            }
            janela->close();
        });
        pasta = (raiz + "/nao-existe").toStdString();
        QVERIFY(!EscolherPasta("Selecionar Pasta", raiz.toStdString(), pasta));
        QCOMPARE(inicio, raiz);
        QCOMPARE(pasta, std::string());
    }
};

QTEST_MAIN(TesteCaixasMensagem)
#include "tst_caixas_mensagem.moc"

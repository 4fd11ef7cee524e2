// Errors that escape event handlers: each is shown in the error box "Erro" with its
// message, and the application goes on handling events.

#include "apoio/JanelaModal.h"
#include "comum/CaixasRoteiro.h"
#include "comum/Erros.h"
#include "ui/UAplicacao.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// Raises whatever it is told to when it receives an event of its own.
class Lancador : public QObject {
public:
    std::function<void()> lancar;
    int recebidos = 0;

protected:
    void customEvent(QEvent*) override {
        ++recebidos;
        if (lancar) {
            lancar();
        }
    }
};

} // namespace

class TesteAplicacao : public QObject {
    Q_OBJECT

private slots:
    void ErroDeUmManipuladorViraCaixaEOProgramaSegue() {
        CaixasRoteiro caixas;
        Lancador lancador;
        const std::pair<std::function<void()>, std::string> casos[] = {
            {[] { throw ErroBanco("no such table: KX_EMPRESA"); }, "no such table: KX_EMPRESA"},
            {[] { throw ErroGeral("Houve um erro ao executar esta operação! \n\n[falhou]"); },
             "Houve um erro ao executar esta operação! \n\n[falhou]"},
            {[] { throw std::out_of_range("vector::at"); }, "vector::at"},
            {[] { throw 42; }, "Ocorreu um erro inesperado durante a operação."},
        };
        for (const auto& [lancar, mensagem] : casos) {
            caixas.Limpar();
            lancador.lancar = lancar;
            QCoreApplication::postEvent(&lancador, new QEvent(QEvent::User));
            QCoreApplication::processEvents();
            QCOMPARE(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", mensagem}}));
        }
        // The loop is still alive: a later event is handled normally.
        caixas.Limpar();
        lancador.lancar = nullptr;
        QCoreApplication::postEvent(&lancador, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(lancador.recebidos, 5);
        QVERIFY(caixas.Mostradas().empty());
    }

    void ErroNoCliqueDeUmBotaoEmUmTimer() {
        CaixasRoteiro caixas;
        QPushButton botao(QStringLiteral("Salvar"));
        connect(&botao, &QPushButton::clicked, [] { throw ErroGeral("Salvamento recusado."); });
        botao.show();
        QVERIFY(QTest::qWaitForWindowExposed(&botao));
        QTest::mouseClick(botao.windowHandle(), Qt::LeftButton, {}, botao.rect().center());
        QCOMPARE(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", "Salvamento recusado."}}));

        // A timer whose handler fails does not stop the event loop that runs it.
        caixas.Limpar();
        bool depois = false;
        QTimer::singleShot(0, [] { throw ErroGeral("Falha no temporizador."); });
        QTimer::singleShot(20, [&] { depois = true; });
        QTRY_VERIFY(depois);
        QCOMPARE(caixas.Mostradas(), (std::vector<CaixaMostrada>{{TipoCaixa::Erro, "Erro", "Falha no temporizador."}}));
        QVERIFY(botao.isVisible());
    }

    void SemCaixasInstaladasMostraUmaCaixaCritica() {
        QVERIFY(CaixasMensagemAtual() == nullptr);
        QString titulo, texto;
        QMessageBox::Icon icone = QMessageBox::NoIcon;
        QuandoModal([&](QWidget* w) {
            if (auto* caixa = qobject_cast<QMessageBox*>(w)) {
                titulo = caixa->windowTitle();
                texto = caixa->text();
                icone = caixa->icon();
            }
            QTest::keyClick(w, Qt::Key_Escape);
        });
        Lancador lancador;
        lancador.lancar = [] { throw ErroGeral("Arquivo não encontrado."); };
        QCoreApplication::postEvent(&lancador, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(titulo, QStringLiteral("KORVEX"));
        QCOMPARE(texto, QStringLiteral("Arquivo não encontrado."));
        QCOMPARE(icone, QMessageBox::Critical);
    }
};

int main(int argc, char* argv[]) {
    TAplicacao app(argc, argv);
    TAplicacao::setApplicationDisplayName(QStringLiteral("KORVEX"));
    TesteAplicacao teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "tst_aplicacao.moc"

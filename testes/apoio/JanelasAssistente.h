#pragma once
// For the wizard window tests: ticking a list row with the mouse, typing text that may
// hold non-ASCII characters, finding the open window of a class, and screenshots taken
// when $KORVEX_CAPTURAS names a folder (run the test under Xvfb with QT_QPA_PLATFORM=xcb).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

// Clicks the check box of a row of a list.
inline void ClicarCaixaDaLinha(QTreeWidget* lista, QTreeWidgetItem* item) {
    QStyleOptionViewItem opcao;
    opcao.initFrom(lista);
    opcao.rect = lista->visualItemRect(item);
    opcao.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect caixa = lista->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opcao, lista);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caixa.center());
}

// Clicks a row away from its check box (the middle of its first cell).
inline void ClicarLinha(QTreeWidget* lista, QTreeWidgetItem* item) {
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(item).center());
}

// Clicks a button that changes the wizard's page, then lets the double-click interval pass: until
// then the page shown takes no click.
inline void TrocarPagina(QWidget* botao) {
    QTest::mouseClick(botao, Qt::LeftButton);
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
}

// Double-clicks a control as the user does: both clicks go to its window at that place, so the
// second one reaches whatever stands there once the first has been handled.
inline void DuploCliqueNaJanela(QWidget* controle) {
    QWidget* janela = controle->window();
    QTest::mouseDClick(janela->windowHandle(), Qt::LeftButton, {}, controle->mapTo(janela, controle->rect().center()));
}

// Counts the mouse presses that reach a widget.
class ContaCliques : public QObject {
public:
    explicit ContaCliques(QWidget* alvo) : QObject(alvo) { alvo->installEventFilter(this); }
    int cliques = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        cliques += evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonDblClick;
        return false;
    }
};

// Ticks of the rows, "10010" style.
inline QString Marcas(QTreeWidget* lista) {
    QString marcas;
    for (int i = 0; i < lista->topLevelItemCount(); ++i) {
        marcas += lista->topLevelItem(i)->checkState(0) == Qt::Checked ? '1' : '0';
    }
    return marcas;
}

// Types the text key by key; characters beyond ASCII go as key events of their own.
inline void Digitar(QWidget* destino, const QString& texto) {
    for (const QChar c : texto) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(destino, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, destino, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// The visible top-level window of that class, or null.
template <typename T> T* JanelaAberta() {
    for (QWidget* janela : QApplication::topLevelWidgets()) {
        if (auto* procurada = qobject_cast<T*>(janela); procurada && procurada->isVisible()) {
            return procurada;
        }
    }
    return nullptr;
}

// Runs `acao` on the first visible window of that class as soon as one is up (gives up
// after 10 s).
template <typename T> void QuandoAbrir(std::function<void(T*)> acao) {
    auto* timer = new QTimer;
    auto* relogio = new QElapsedTimer;
    relogio->start();
    QObject::connect(timer, &QTimer::timeout, [timer, relogio, acao]() {
        T* janela = JanelaAberta<T>();
        if (!janela && relogio->elapsed() < 10000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete relogio;
        if (janela) {
            acao(janela);
        }
    });
    timer->start(10);
}

// Saves a screenshot of the whole screen as <$KORVEX_CAPTURAS>/<nome>.png.
inline void Capturar(const QString& nome) {
    const QString pasta = qEnvironmentVariable("KORVEX_CAPTURAS");
    if (pasta.isEmpty() || !QGuiApplication::primaryScreen()) {
        return;
    }
    QApplication::processEvents();
    QDir().mkpath(pasta);
    QGuiApplication::primaryScreen()->grabWindow(0).save(pasta + "/" + nome + ".png");
}

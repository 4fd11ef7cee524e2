#pragma once
// For window tests: acts on a modal window from a timer while its exec() runs.

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `acao` on the modal window as soon as one is open; gives up after 20 s (a loaded
// machine may be slow to show it), so a window that never shows fails the test instead of
// hanging it.
inline void QuandoModal(std::function<void(QWidget*)> acao) {
    auto* timer = new QTimer;
    auto* relogio = new QElapsedTimer;
    relogio->start();
    QObject::connect(timer, &QTimer::timeout, [timer, relogio, acao]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && relogio->elapsed() < 20000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete relogio;
        if (modal) {
            acao(modal);
        }
    });
    timer->start(10);
}

// As QuandoModal, once the window is also the active one (so that focus moves, and leaving
// a box, happen as for a user), and closes the window afterwards if `acao` left it open, so
// that a check that failed inside `acao` never leaves the test waiting on the window.
inline void NaJanelaModal(std::function<void(QWidget*)> acao) {
    QuandoModal([acao](QWidget* janela) {
        if (!QTest::qWaitForWindowActive(janela)) {
            qWarning("a janela %s não ficou ativa", qPrintable(janela->objectName()));
        }
        acao(janela);
        if (janela->isVisible()) {
            janela->close();
        }
    });
}

#pragma once
// For window tests: a window's control by its component name, and the frame's buttons.

#include "ui/UControles.h"
#include "ui/UModelPrincipal.h"

#include <QTest>
#include <QWidget>

// The control of that name and class; a missing control ends the test program, naming it.
template <typename T = QWidget> T* Controle(QWidget* janela, const char* nome) {
    T* controle = janela->findChild<T*>(nome);
    if (!controle) {
        qFatal("controle %s não encontrado", nome);
    }
    return controle;
}

// Clicks frame button N (0 to 9) of the window.
inline void ClicarBotao(QWidget* janela, int n) {
    QTest::mouseClick(Controle(janela, qPrintable(QStringLiteral("botao%1").arg(n))), Qt::LeftButton);
}

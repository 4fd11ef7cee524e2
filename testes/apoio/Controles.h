#pragma once
// For window tests: a window's control by its component name, the frame's buttons, and the
// items of a drop-down list.

#include "ui/UControles.h"
#include "ui/UModelPrincipal.h"

#include <QComboBox>
#include <QStringList>
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

// The texts of the list's items, in order.
inline QStringList Itens(const QComboBox* lista) {
    QStringList itens;
    for (int i = 0; i < lista->count(); ++i) {
        itens << lista->itemText(i);
    }
    return itens;
}

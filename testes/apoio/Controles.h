#pragma once
// For window tests: a window's control by its component name, and the frame's buttons.

#include "ui/UControles.h"
#include "ui/UModelPrincipal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
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

// In an open lookup dialog: searches the chooser's entry for the text (start of the field)
// and chooses the result row by double click.
inline void EscolherNaPesquisa(QWidget* pesquisa, int entrada, const QString& texto, int linha = 0) {
    Controle<QComboBox>(pesquisa, "cmbSelItemPesq")->setCurrentIndex(entrada);
    auto* caixa = Controle<QLineEdit>(pesquisa, "edtTextPesq");
    caixa->setText(texto);
    QTest::keyClick(caixa, Qt::Key_Return);
    auto* resultado = Controle<QTreeWidget>(pesquisa, "lvwResultPeq");
    if (QTreeWidgetItem* item = resultado->topLevelItem(linha)) {
        const QPoint centro = resultado->visualItemRect(item).center();
        QTest::mouseClick(resultado->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(resultado->viewport(), Qt::LeftButton, {}, centro);
    }
    if (pesquisa->isVisible()) {
        pesquisa->close();
    }
}

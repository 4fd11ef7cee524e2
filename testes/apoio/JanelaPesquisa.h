#pragma once
// For window tests that go through the lookup dialog: a choice made in the dialog as soon as
// it opens, and what the dialog showed meanwhile.

#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

struct PesquisaVista {
    QString titulo;             // the dialog's title label
    QStringList primeiraColuna; // first cell of every result row of the search
};

// When the lookup dialog opens: chooses entry `entrada` of the field chooser, searches
// `texto` from the start of the field and double-clicks the result row whose first cell is
// `escolha`. With an empty `escolha`, or no such row, the dialog is closed without a choice.
inline void EscolherNaPesquisa(int entrada, const QString& texto, const QString& escolha,
                               PesquisaVista* vista = nullptr) {
    NaJanelaModal([=](QWidget* janela) {
        janela->findChild<QComboBox*>("cmbSelItemPesq")->setCurrentIndex(entrada);
        auto* edt = janela->findChild<QLineEdit*>("edtTextPesq");
        Digitar(edt, texto);
        QTest::keyClick(edt, Qt::Key_Return);
        auto* resultado = janela->findChild<QTreeWidget*>("lvwResultPeq");
        if (vista) {
            vista->titulo = janela->findChild<QLabel*>("LTitJanela")->text();
            for (int i = 0; i < resultado->topLevelItemCount(); ++i) {
                vista->primeiraColuna << resultado->topLevelItem(i)->text(0);
            }
        }
        const auto achados = resultado->findItems(escolha, Qt::MatchExactly, 0);
        if (!escolha.isEmpty() && !achados.isEmpty()) {
            const QPoint centro = resultado->visualItemRect(achados.first()).center();
            QTest::mouseClick(resultado->viewport(), Qt::LeftButton, {}, centro);
            QTest::mouseDClick(resultado->viewport(), Qt::LeftButton, {}, centro);
        }
    });
}

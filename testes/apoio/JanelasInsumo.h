#pragma once
// For the input properties window tests: a properties window opened through the class
// operation of a mode, a box retyped as a user would, and the error box of a failed check.

#include "apoio/JanelaModal.h"
#include "apoio/JanelasAssistente.h"
#include "comum/CaixasRoteiro.h"
#include "listagem/UPropriedadeInsumoBase.h"
#include "ui/UCampos.h"

#include <QLineEdit>

#include <functional>
#include <vector>

// Opens a window of class J through the class operation of the mode and runs `acao` on it
// once it is up and active; a window left open is then closed. Gives the saved flag.
template <typename J>
bool AbrirPropriedades(TModoInsumo modo, TClsLExProduto& produto, TclsLExInsumo* insumo, std::function<void(J*)> acao) {
    NaJanelaModal([acao](QWidget* modal) {
        if (auto* janela = qobject_cast<J*>(modal)) {
            acao(janela);
        } else {
            qWarning("a janela aberta não é a esperada: %s", qPrintable(modal->objectName()));
        }
    });
    switch (modo) {
    case miIncluir:
        return J::Incluir(produto);
    case miAlterar:
        return J::Alterar(produto, *insumo);
    case miReplicar:
        break;
    }
    return J::Replicar(produto, *insumo);
}

// Types into a box what the user would, in place of what it held; a null text leaves the
// box alone.
inline void Redigitar(QWidget* caixa, const QString& texto) {
    if (texto.isNull()) {
        return;
    }
    caixa->setFocus();
    if (auto* linha = qobject_cast<QLineEdit*>(caixa)) {
        linha->clear();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(caixa)) {
        memo->clear();
    }
    Digitar(caixa, texto);
}

// The one error box of a failed check.
inline std::vector<CaixaMostrada> ErroMostrado(const QString& texto) {
    return {{TipoCaixa::Erro, "Erro", texto.toStdString()}};
}

#include "comum/CaixasMensagemQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct Aparencia {
    QMessageBox::Icon icone;
    bool simNao;
};

Aparencia AparenciaDe(TipoCaixa tipo) {
    switch (tipo) {
    case TipoCaixa::Pergunta:
        return {QMessageBox::Information, true};
    case TipoCaixa::Informacao:
        return {QMessageBox::Information, false};
    case TipoCaixa::Confirmacao:
        return {QMessageBox::Warning, true};
    case TipoCaixa::Aviso:
        return {QMessageBox::Warning, false};
    case TipoCaixa::Erro:
        return {QMessageBox::Critical, false};
    case TipoCaixa::Simples:
        break;
    }
    return {QMessageBox::NoIcon, false};
}

// The window the box belongs to: the open modal window, else the active one.
QWidget* JanelaDona() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

int CaixasMensagemQt::Mostrar(TipoCaixa tipo, const std::string& titulo, const std::string& texto) {
    const Aparencia aparencia = AparenciaDe(tipo);
    QMessageBox caixa(JanelaDona());
    caixa.setWindowModality(Qt::ApplicationModal);
    caixa.setIcon(aparencia.icone);
    caixa.setWindowTitle(tipo == TipoCaixa::Simples ? QGuiApplication::applicationDisplayName()
                                                    : QString::fromStdString(titulo));
    caixa.setTextFormat(Qt::PlainText);
    caixa.setText(QString::fromStdString(texto));
    if (aparencia.simNao) {
        caixa.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        caixa.setDefaultButton(QMessageBox::Yes);
        caixa.button(QMessageBox::Yes)->setText("&Sim");
        caixa.button(QMessageBox::No)->setText("&Não");
        // Closing the box without choosing answers No, the answer that changes nothing.
        caixa.setEscapeButton(QMessageBox::No);
    } else {
        caixa.setStandardButtons(QMessageBox::Ok);
        caixa.setDefaultButton(QMessageBox::Ok);
        caixa.setEscapeButton(QMessageBox::Ok);
    }
    caixa.exec();
    if (!aparencia.simNao) {
        return kBotaoOK;
    }
    return caixa.clickedButton() == caixa.button(QMessageBox::Yes) ? kBotaoSim : kBotaoNao;
}

bool CaixasMensagemQt::EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) {
    QString inicio = QString::fromStdString(!pasta.empty() ? pasta : raiz);
    if (inicio.isEmpty()) {
        inicio = QDir::homePath();
    }
    const QString escolhida = QFileDialog::getExistingDirectory(JanelaDona(), QString::fromStdString(titulo), inicio,
                                                                QFileDialog::ShowDirsOnly);
    if (escolhida.isEmpty()) {
        return false;
    }
    pasta = QDir::cleanPath(escolhida).toStdString();
    return true;
}

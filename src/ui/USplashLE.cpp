#include "ui/USplashLE.h"

#include "ui/UAplicacao.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

TFSplashLE::TFSplashLE(QWidget* pai, const QString& nome, const QString& titulo, QSize tamanho)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(nome);
    setWindowTitle(titulo);
    setFixedSize(tamanho);
    const int largura = tamanho.width() - 16;

    pnlCorpo = new QFrame(this);
    pnlCorpo->setObjectName("pnlCorpo");
    static_cast<QFrame*>(pnlCorpo)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlCorpo->setGeometry(rect());

    Label1 = new QLabel("Progresso", pnlCorpo);
    Label1->setObjectName("Label1");
    Label1->setGeometry(8, 8, largura, 16);
    pbProgress = new QProgressBar(pnlCorpo);
    pbProgress->setObjectName("pbProgress");
    pbProgress->setGeometry(8, 26, largura, 18);
    pbProgress->setRange(0, 100);
    pbProgress->setValue(0);
    pbProgress->setTextVisible(false);
    QPalette cores = pbProgress->palette();
    cores.setColor(QPalette::Highlight, QColor(48, 130, 90));
    pbProgress->setPalette(cores);

    Label2 = new QLabel("Acompanhamento", pnlCorpo);
    Label2->setObjectName("Label2");
    Label2->setGeometry(8, 52, largura, 16);
    mmLog = new QPlainTextEdit(pnlCorpo);
    mmLog->setObjectName("mmLog");
    mmLog->setGeometry(8, 70, largura, tamanho.height() - 78);
    mmLog->setReadOnly(true);
    mmLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    tmSplash = new QTimer(this);
    tmSplash->setObjectName("tmSplash");
    tmSplash->setInterval(1000);
    connect(tmSplash, &QTimer::timeout, this, &TFSplashLE::tmSplashTimer);
}

void TFSplashLE::Registrar(const std::string& linha) {
    QString texto = QString::fromStdString(linha);
    texto.replace("\r\n", "\n");
    texto.replace('\r', '\n');
    mmLog->appendPlainText(texto);
    mmLog->viewport()->repaint();
}

void TFSplashLE::IniciarProgresso(int maximo) {
    pbProgress->setRange(0, maximo);
    pbProgress->setValue(0);
    pbProgress->repaint();
}

void TFSplashLE::AvancarProgresso() {
    pbProgress->setValue(std::min(pbProgress->value() + 1, pbProgress->maximum()));
    pbProgress->repaint();
}

void TFSplashLE::reject() {
    if (terminado_) {
        QDialog::reject();
    }
}

void TFSplashLE::showEvent(QShowEvent* evento) {
    if (!evento->spontaneous()) {
        if (const QScreen* tela = screen()) {
            move(tela->geometry().center() - rect().center());
        }
        // The run starts once the window is on screen.
        if (!terminado_) {
            tmSplash->start();
        }
    }
    QDialog::showEvent(evento);
}

void TFSplashLE::tmSplashTimer() {
    tmSplash->stop();
    try {
        Executar();
    } catch (const std::exception& erro) {
        TAplicacao::MostrarErro(erro.what());
    }
    terminado_ = true;
    accept();
}

#include "ui/USkinProgress.h"

#include <QProgressBar>
#include <QScreen>

#include <algorithm>

TFSkinProgress::TFSkinProgress(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint) {
    setObjectName(QStringLiteral("FSkinProgress"));
    setWindowTitle(QStringLiteral("Splash"));
    setFixedSize(304, 74);
    pgb = new QProgressBar(this);
    pgb->setObjectName(QStringLiteral("pgb"));
    pgb->setRange(0, 1);
    pgb->setValue(0);
    pgb->setTextVisible(false);
    QPalette cores = pgb->palette();
    cores.setColor(QPalette::Highlight, QColor(48, 130, 90));
    pgb->setPalette(cores);
    pgb->setGeometry(16, 25, 272, 24);
}

void TFSkinProgress::Avancar() {
    pgb->setValue(std::min(pgb->value() + 1, pgb->maximum()));
}

void TFSkinProgress::showEvent(QShowEvent* evento) {
    if (const QScreen* tela = screen()) {
        move(tela->geometry().center() - rect().center());
    }
    QDialog::showEvent(evento);
}

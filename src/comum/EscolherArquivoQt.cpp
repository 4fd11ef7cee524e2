#include "comum/EscolherArquivoQt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// "Arquivos de Produtos|*.txt" -> "Arquivos de Produtos (*.txt)".
QStringList FiltrosQt(const std::string& filtro) {
    QStringList filtros;
    for (const ParFiltro& par : LerFiltro(filtro)) {
        QStringList mascaras;
        for (const std::string& mascara : par.mascaras) {
            mascaras << QString::fromStdString(mascara);
        }
        filtros << QStringLiteral("%1 (%2)").arg(QString::fromStdString(par.descricao), mascaras.join(' '));
    }
    return filtros;
}

// "*.txt", ".txt" and "txt" all mean the suffix "txt".
QString Sufixo(const std::string& extensao) {
    QString sufixo = QString::fromStdString(extensao);
    while (sufixo.startsWith('*') || sufixo.startsWith('.')) {
        sufixo.remove(0, 1);
    }
    return sufixo;
}

QWidget* JanelaDona() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

} // namespace

bool EscolhaArquivoQt::EscolherArquivo(const DialogoArquivo& dialogo, std::string& caminho) {
    QFileDialog janela(JanelaDona(), QString::fromStdString(dialogo.titulo));
    janela.setObjectName(QString::fromStdString(dialogo.nome));
    janela.setAcceptMode(QFileDialog::AcceptOpen);
    janela.setFileMode(QFileDialog::ExistingFile);
    janela.setNameFilters(FiltrosQt(dialogo.filtro));
    janela.setDefaultSuffix(Sufixo(dialogo.extensaoPadrao));

    const QFileInfo inicio(QString::fromStdString(caminho));
    if (!caminho.empty() && inicio.isDir()) {
        janela.setDirectory(inicio.absoluteFilePath());
    } else if (!caminho.empty() && inicio.absoluteDir().exists()) {
        janela.setDirectory(inicio.absolutePath());
        janela.selectFile(inicio.fileName());
    } else {
        janela.setDirectory(QDir::homePath());
    }

    if (janela.exec() != QDialog::Accepted || janela.selectedFiles().isEmpty()) {
        return false;
    }
    caminho = QDir::cleanPath(janela.selectedFiles().first()).toStdString();
    return true;
}

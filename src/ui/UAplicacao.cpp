#include "ui/UAplicacao.h"

#include "comum/CaixasMensagem.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <QtGlobal>

#include <exception>

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("KORVEX");
    setApplicationDisplayName("KORVEX");
    // The platform's own dialogs (file and folder choosers) speak Portuguese too.
    if (traducaoQt_.load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&traducaoQt_);
    }
}

bool TAplicacao::notify(QObject* destino, QEvent* evento) {
    try {
        return QApplication::notify(destino, evento);
    } catch (const std::exception& erro) {
        MostrarErro(erro.what());
    } catch (...) {
        MostrarErro("Ocorreu um erro inesperado durante a operação.");
    }
    return false;
}

void TAplicacao::MostrarErro(const std::string& mensagem) {
    // The report itself must not throw back into the event loop.
    try {
        if (CaixasMensagemAtual()) {
            CaixaErro("Erro", mensagem);
        } else {
            QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(), QString::fromStdString(mensagem));
        }
    } catch (const std::exception& erro) {
        qCritical("%s (%s)", mensagem.c_str(), erro.what());
    } catch (...) {
        qCritical("%s", mensagem.c_str());
    }
}

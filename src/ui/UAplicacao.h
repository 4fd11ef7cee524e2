#pragma once
// TAplicacao, the program's QApplication, named "KORVEX" and with Qt's own texts (file and
// folder choosers) in Portuguese: an error that escapes an event handler ends
// only the user action that raised it. It is shown as the application's error report
// (an error box with its message) and the program goes on.

#include <QApplication>
#include <QTranslator>

class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int& argc, char** argv);

    bool notify(QObject* destino, QEvent* evento) override;

    // Shows an unhandled error: the error box "Erro" of the installed message boxes,
    // or a critical box titled with the application's title when none is installed.
    static void MostrarErro(const std::string& mensagem);

private:
    QTranslator traducaoQt_;
};

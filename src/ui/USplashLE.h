#pragma once
// The small progress window in which a long run takes place (the send run, the import
// run): a bar, a log that is repainted at each line, and a timer that starts the run a
// second after the window is up. The window closes itself when the run ends and cannot
// be closed by the user before that.

#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTimer;

class TFSplashLE : public QDialog {
    Q_OBJECT
public:
    // Appends a line to the log and repaints it at once. Line ends inside the text
    // ("\r\n") break it into lines, so a trailing one leaves an empty line after it.
    void Registrar(const std::string& linha);

    QWidget* pnlCorpo;
    QLabel* Label1;
    QProgressBar* pbProgress;
    QLabel* Label2;
    QPlainTextEdit* mmLog;
    QTimer* tmSplash;

public slots:
    void reject() override;

protected:
    TFSplashLE(QWidget* pai, const QString& nome, const QString& titulo, QSize tamanho);

    // The run. An error that escapes it is shown once, as the application's error report.
    virtual void Executar() = 0;

    void IniciarProgresso(int maximo);
    void AvancarProgresso();

    void showEvent(QShowEvent* evento) override;

private:
    void tmSplashTimer();

    bool terminado_ = false;
};

#pragma once
// TFModelPrincipal, the frame from which every working window derives: a dark green
// title band with the window title and a bar of ten picture buttons (normal, lit and
// disabled images; the last one closes the window), a status strip and the content
// area that the derived window fills.
//
// A derived window hides the buttons it does not use and connects the Clicado signal
// of the others in its constructor, and overrides FormShow, calling this one first.

#include <QDialog>
#include <QList>
#include <QPixmap>

#include <string>

class QFrame;
class QLabel;
class TConsulta;
class TImagem;

// The wait for a new row gives up after this many rounds (about a second with the pause
// below): the caller then reloads its list with what there is.
inline constexpr int kRodadasAguardarRegistro = 50;
inline constexpr int kPausaAguardarRegistroMs = 20;

class TFModelPrincipal : public QDialog {
    Q_OBJECT
public:
    explicit TFModelPrincipal(QWidget* pai = nullptr);

    // Button N (0 to 9).
    TImagem* Botao(int n) const;

    // Waits for a newly saved row: runs the list statement on `consulta` until it returns
    // at least quantidadeLista + 1 rows, showing the busy window and letting pending
    // window messages run between rounds. Returns false when the row has not appeared
    // after kRodadasAguardarRegistro rounds. Database errors propagate as ErroBanco.
    static bool AguardarNovoRegistro(TConsulta& consulta, const std::string& sql, int quantidadeLista);

    QWidget* Panel1;
    QLabel* LTitJan;
    QWidget* pn_botoes;
    TImagem* botao0;
    TImagem* botao1;
    TImagem* botao2;
    TImagem* botao3;
    TImagem* botao4;
    TImagem* botao5;
    TImagem* botao6;
    TImagem* botao7;
    TImagem* botao8;
    TImagem* botao9;
    QFrame* Panel2;
    QFrame* Panel3;

    // Image N of each list is the picture of button N.
    QList<QPixmap> ImageListDesligados;
    QList<QPixmap> ImageListLigados;
    QList<QPixmap> ImageListDesabilitados;

protected:
    // Show-time logic: counts the buttons, packs the visible ones against the right edge
    // of the title band and paints them in their normal or disabled image.
    virtual void FormShow();
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    void botao9Click();
    void botao0MouseUp(TImagem* Sender);
    void Panel1MouseMove();

private:
    void PosicionarBarra();

    static constexpr int kNenhumLigado = 100;
    int FQuantidadeBotoes = 0;
    int FBotaoLigado = kNenhumLigado;
    bool FLigouDesde = false; // a button was lit since the pointer last crossed the title band
    int FLarguraOculta = 0;   // width of the hidden buttons
};

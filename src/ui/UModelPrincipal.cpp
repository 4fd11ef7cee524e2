#include "ui/UModelPrincipal.h"

#include "dados/BancoDados.h"
#include "ui/FigurasQt.h"
#include "ui/UControles.h"
#include "ui/USkinProgress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QVBoxLayout>

namespace {

const QColor kVerdeFaixa(10, 92, 70);
const QColor kVerdeBarra(48, 130, 90);
constexpr int kAlturaFaixa = 81;
constexpr int kAlturaBarra = 34;

void Colorir(QWidget* widget, const QColor& cor) {
    QPalette cores = widget->palette();
    cores.setColor(QPalette::Window, cor);
    widget->setPalette(cores);
    widget->setAutoFillBackground(true);
}

QFont Fonte(QStringList familias, int pixels, bool negrito) {
    QFont fonte;
    fonte.setFamilies(familias);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

} // namespace

TFModelPrincipal::TFModelPrincipal(QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FModelPrincipal"));
    setFixedSize(782, 520);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(kAlturaFaixa);
    Colorir(Panel1, kVerdeFaixa);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);

    LTitJan = new QLabel(QStringLiteral("Título da Janela"), Panel1);
    LTitJan->setObjectName(QStringLiteral("LTitJan"));
    LTitJan->setFont(Fonte(
        {QStringLiteral("Century Gothic"), QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans")}, 27, true));
    QPalette branco = LTitJan->palette();
    branco.setColor(QPalette::WindowText, Qt::white);
    LTitJan->setPalette(branco);
    // Moving over the title or the button bar is not moving over the bare band.
    LTitJan->setAttribute(Qt::WA_NoMousePropagation);
    LTitJan->move(12, 6);
    LTitJan->adjustSize();

    pn_botoes = new QWidget(Panel1);
    pn_botoes->setObjectName(QStringLiteral("pn_botoes"));
    Colorir(pn_botoes, kVerdeBarra);
    pn_botoes->setAttribute(Qt::WA_NoMousePropagation);

    TImagem** botoes[10] = {&botao0, &botao1, &botao2, &botao3, &botao4, &botao5, &botao6, &botao7, &botao8, &botao9};
    for (int n = 0; n < 10; ++n) {
        ImageListDesligados << FiguraArte(QStringLiteral("botao_normal%1.jpg").arg(n));
        ImageListLigados << FiguraArte(QStringLiteral("botao_ligado%1.jpg").arg(n));
        ImageListDesabilitados << FiguraArte(QStringLiteral("botao_desabilitado%1.jpg").arg(n));
        auto* botao = new TImagem(pn_botoes);
        botao->setObjectName(QStringLiteral("botao%1").arg(n));
        botao->DefinirTag(n);
        botao->setCursor(Qt::PointingHandCursor);
        botao->DefinirFigura(ImageListDesligados[n]);
        connect(botao, &TImagem::MouseSolto, this, [this](TImagem* s) { botao0MouseUp(s); });
        *botoes[n] = botao;
    }
    connect(botao9, &TImagem::Clicado, this, &TFModelPrincipal::botao9Click);

    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3->setFont(Fonte({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")}, 12, false));

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(29);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Colorir(Panel2, kVerdeFaixa);

    layout->addWidget(Panel1);
    layout->addWidget(Panel3, 1);
    layout->addWidget(Panel2);
}

TImagem* TFModelPrincipal::Botao(int n) const {
    return findChild<TImagem*>(QStringLiteral("botao%1").arg(n));
}

void TFModelPrincipal::showEvent(QShowEvent* evento) {
    // A restore from the task bar is not a show of the window.
    if (!evento->spontaneous()) {
        if (const QScreen* tela = screen()) {
            move(tela->geometry().center() - rect().center());
        }
        FormShow();
        LTitJan->adjustSize();
    }
    QDialog::showEvent(evento);
}

void TFModelPrincipal::FormShow() {
    FBotaoLigado = kNenhumLigado;
    FLigouDesde = false;
    FQuantidadeBotoes = 0;
    FLarguraOculta = 0;
    for (TImagem* imagem : findChildren<TImagem*>()) {
        if (imagem->objectName().toUpper().contains(QLatin1String("BOTAO"))) {
            ++FQuantidadeBotoes;
            if (imagem->isHidden()) {
                FLarguraOculta += imagem->width();
            }
        }
    }
    // Qt paints every widget double-buffered: there is no painting mode to switch.
    PosicionarBarra();
    for (int n = 0; n < FQuantidadeBotoes && n < ImageListDesligados.size(); ++n) {
        if (TImagem* botao = Botao(n)) {
            botao->LimparFigura();
            botao->DefinirFigura(botao->isEnabled() ? ImageListDesligados[n] : ImageListDesabilitados[n]);
        }
    }
}

// The bar is as wide as the visible buttons, which follow one another in index order,
// and stays flush with the right edge of the title band.
void TFModelPrincipal::PosicionarBarra() {
    int x = 0;
    int larguraTotal = 0;
    for (int n = 0; n < 10; ++n) {
        TImagem* botao = Botao(n);
        larguraTotal += botao->width();
        if (!botao->isHidden()) {
            botao->move(x, 0);
            x += botao->width();
        }
    }
    const int largura = larguraTotal - FLarguraOculta;
    pn_botoes->setGeometry(Panel1->width() - largura, kAlturaFaixa - kAlturaBarra, largura, kAlturaBarra);
}

bool TFModelPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == Panel1) {
        if (evento->type() == QEvent::MouseMove) {
            Panel1MouseMove();
        } else if (evento->type() == QEvent::Resize) {
            PosicionarBarra();
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TFModelPrincipal::botao9Click() {
    close();
}

void TFModelPrincipal::botao0MouseUp(TImagem* Sender) {
    const int indice = Sender->Tag();
    if (indice == FBotaoLigado) {
        return;
    }
    for (int n = 0; n < FQuantidadeBotoes && n < ImageListLigados.size(); ++n) {
        TImagem* botao = Botao(n);
        if (!botao || !botao->isEnabled()) {
            continue;
        }
        botao->LimparFigura();
        if (n == indice) {
            botao->DefinirFigura(ImageListLigados[n]);
            FBotaoLigado = n;
            FLigouDesde = true;
        } else {
            botao->DefinirFigura(ImageListDesligados[n]);
        }
    }
}

void TFModelPrincipal::Panel1MouseMove() {
    if (!FLigouDesde) {
        return;
    }
    FLigouDesde = false;
    for (int n = 0; n < FQuantidadeBotoes && n < ImageListDesligados.size(); ++n) {
        TImagem* botao = Botao(n);
        if (botao && botao->isEnabled()) {
            botao->LimparFigura();
            botao->DefinirFigura(ImageListDesligados[n]);
        }
    }
    FBotaoLigado = kNenhumLigado;
}

bool TFModelPrincipal::AguardarNovoRegistro(TConsulta& consulta, const std::string& sql, int quantidadeLista) {
    TFSkinProgress espera;
    espera.show();
    espera.pgb->setMaximum(10);
    espera.pgb->setValue(0);
    const int alvo = quantidadeLista + 1;
    for (int rodada = 1; rodada <= kRodadasAguardarRegistro; ++rodada) {
        consulta.Abrir(sql);
        consulta.Ultimo();
        consulta.Primeiro();
        const int linhas = consulta.QuantidadeRegistros();
        espera.Avancar();
        QCoreApplication::processEvents();
        if (espera.pgb->value() >= 10) {
            espera.pgb->setValue(0);
        }
        if (linhas >= alvo) {
            return true;
        }
        QThread::msleep(kPausaAguardarRegistroMs);
    }
    return false;
}

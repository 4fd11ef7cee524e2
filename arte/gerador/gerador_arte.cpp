// Draws the program's artwork at its fixed sizes and writes it as JPEG files, together
// with the resource file that compiles them into the program, and the desktop icon:
//
//     QT_QPA_PLATFORM=offscreen build/arte/gerador/gerador_arte arte
//
// Every picture is drawn from code (gradients, vector icons, DejaVu fonts) in the
// product's dark green, so the artwork can be redrawn at any time and reviewed as code.

#include "ui/DecodificadorJPEG.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// --- Palette -----------------------------------------------------------------------
const QColor kVerde(10, 92, 70); // the product's dark green
const QColor kVerdeClaroTopo(14, 110, 84);
const QColor kVerdeProfundo(6, 58, 44);
const QColor kVerdeBarra(48, 130, 90);   // the button bar of the window frame
const QColor kAmbar(232, 178, 60);       // accent, used sparingly
const QColor kFundoClaro(238, 243, 240); // the light page behind the tiles
const QColor kFundoClaroBase(228, 236, 232);
const QColor kBorda(203, 218, 210);
const QColor kTextoSuave(96, 124, 110);
const QColor kCinzaJanela(239, 239, 239); // window background behind the small glyph

// Link row of the sub-menu strips: the labels that the menu places over the strips
// start at these heights, 52 pixels right of the faded panel's left edge.
constexpr int kLinhaLink[2] = {67, 127};
constexpr int kRecuoLink = 52;

QString g_pasta;
QStringList g_arquivos;

// --- Helpers -----------------------------------------------------------------------

QFont Fonte(qreal px, bool negrito = false, bool condensada = false) {
    QFont fonte(condensada ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(static_cast<int>(std::lround(px)));
    fonte.setBold(negrito);
    fonte.setHintingPreference(QFont::PreferNoHinting);
    return fonte;
}

// The largest font of the given style, condensed first when needed, whose text fits.
QFont FonteQueCabe(const QString& texto, qreal px, bool negrito, qreal largura) {
    for (qreal tamanho = px; tamanho >= 8; tamanho -= 0.5) {
        for (bool condensada : {false, true}) {
            QFont fonte = Fonte(tamanho, negrito, condensada);
            fonte.setPixelSize(static_cast<int>(tamanho));
            if (QFontMetricsF(fonte).horizontalAdvance(texto) <= largura) {
                return fonte;
            }
        }
    }
    return Fonte(8, negrito, true);
}

QImage NovaImagem(int largura, int altura, const QColor& fundo) {
    QImage imagem(largura, altura, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(fundo);
    return imagem;
}

void Preparar(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void Salvar(const QImage& imagem, const QString& nome, int qualidade = 92) {
    const QImage rgb = imagem.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y) {
        const unsigned char* linha = rgb.constScanLine(y);
        pixels.insert(pixels.end(), linha, linha + rgb.width() * 3);
    }
    const auto jpeg = CodificarJPEG(pixels, rgb.width(), rgb.height(), 3, qualidade);
    QFile arquivo(g_pasta + "/" + nome);
    if (!arquivo.open(QIODevice::WriteOnly) ||
        arquivo.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<qint64>(jpeg.size())) !=
            static_cast<qint64>(jpeg.size())) {
        std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(arquivo.fileName()));
        std::exit(1);
    }
    g_arquivos << nome;
}

void GradienteVertical(QPainter& p, const QRectF& r, const QColor& topo, const QColor& base) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, topo);
    g.setColorAt(1, base);
    p.fillRect(r, g);
}

void Texto(QPainter& p, const QRectF& r, const QString& texto, const QFont& fonte, const QColor& cor,
           int alinhamento = Qt::AlignCenter) {
    p.setFont(fonte);
    p.setPen(cor);
    p.drawText(r, alinhamento, texto);
}

// Text with a soft one-pixel shadow below, for light text on green.
void TextoComSombra(QPainter& p, const QRectF& r, const QString& texto, const QFont& fonte, const QColor& cor,
                    int alinhamento = Qt::AlignCenter) {
    Texto(p, r.translated(0, 1), texto, fonte, QColor(0, 30, 20, 110), alinhamento);
    Texto(p, r, texto, fonte, cor, alinhamento);
}

// Faint concentric arcs, the decoration of the green bands.
void Arcos(QPainter& p, const QPointF& centro, qreal raioInicial, qreal passo, int quantidade, int alfa) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < quantidade; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, alfa), 1.2));
        const qreal raio = raioInicial + i * passo;
        p.drawEllipse(centro, raio, raio);
    }
    p.restore();
}

// The product's emblem: a globe with an export arrow rising across it.
void Emblema(QPainter& p, const QRectF& r, const QColor& cor, const QColor& seta) {
    p.save();
    const qreal l = r.width();
    const QPointF c = r.center();
    const qreal raio = l * 0.40;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor, l * 0.035));
    p.drawEllipse(c, raio, raio);
    QPainterPath globo;
    globo.addEllipse(c, raio, raio);
    p.setClipPath(globo);
    p.setPen(QPen(cor, l * 0.022));
    p.drawEllipse(c, raio * 0.45, raio);
    p.drawLine(QPointF(c.x(), c.y() - raio), QPointF(c.x(), c.y() + raio));
    for (qreal f : {-0.5, 0.0, 0.5}) {
        p.drawLine(QPointF(c.x() - raio, c.y() + f * raio), QPointF(c.x() + raio, c.y() + f * raio));
    }
    p.setClipping(false);

    // The arrow: a curve from the lower left to beyond the upper right, with its head.
    const QPointF inicio(r.left() + l * 0.04, r.top() + l * 0.78);
    const QPointF fim(r.left() + l * 0.90, r.top() + l * 0.14);
    QPainterPath curva(inicio);
    curva.quadTo(QPointF(r.left() + l * 0.55, r.top() + l * 0.74), fim);
    p.setPen(QPen(QColor(0, 0, 0, 50), l * 0.075, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curva.translated(0, l * 0.015));
    p.setPen(QPen(seta, l * 0.065, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curva);
    const qreal angulo = std::atan2(fim.y() - (r.top() + l * 0.74), fim.x() - (r.left() + l * 0.55));
    const qreal ponta = l * 0.20;
    QPolygonF cabeca;
    cabeca << fim + QPointF(std::cos(angulo) * ponta * 0.55, std::sin(angulo) * ponta * 0.55)
           << fim + QPointF(std::cos(angulo + 2.4) * ponta * 0.6, std::sin(angulo + 2.4) * ponta * 0.6)
           << fim + QPointF(std::cos(angulo - 2.4) * ponta * 0.6, std::sin(angulo - 2.4) * ponta * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(seta);
    p.drawPolygon(cabeca);
    p.restore();
}

QPainterPath Engrenagem(const QPointF& c, qreal raio, int dentes) {
    QPainterPath caminho;
    const qreal interno = raio * 0.78;
    const int pontos = dentes * 4;
    for (int i = 0; i < pontos; ++i) {
        const qreal a = 2 * std::numbers::pi * (i - 0.5) / pontos;
        const qreal rr = (i % 4 == 1 || i % 4 == 2) ? raio : interno;
        const QPointF ponto(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        i == 0 ? caminho.moveTo(ponto) : caminho.lineTo(ponto);
    }
    caminho.closeSubpath();
    QPainterPath furo;
    furo.addEllipse(c, raio * 0.34, raio * 0.34);
    return caminho.subtracted(furo);
}

// Icons of the three tiles, drawn in a square box. `fundo` is the colour behind them,
// used where an icon cuts out a shape.
void IconeListagem(QPainter& p, const QRectF& r, const QColor& cor, const QColor& fundo) {
    const qreal l = r.width();
    const QRectF folha(r.left() + l * 0.14, r.top() + l * 0.02, l * 0.58, l * 0.82);
    const qreal dobra = l * 0.16;
    QPainterPath contorno;
    contorno.moveTo(folha.topLeft());
    contorno.lineTo(folha.right() - dobra, folha.top());
    contorno.lineTo(folha.right(), folha.top() + dobra);
    contorno.lineTo(folha.bottomRight());
    contorno.lineTo(folha.bottomLeft());
    contorno.closeSubpath();
    p.setPen(QPen(cor, l * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(contorno);
    p.drawPolyline(QPolygonF{QPointF(folha.right() - dobra, folha.top()),
                             QPointF(folha.right() - dobra, folha.top() + dobra),
                             QPointF(folha.right(), folha.top() + dobra)});
    p.setPen(QPen(cor, l * 0.04, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = folha.top() + l * (0.28 + i * 0.12);
        const qreal fim = folha.right() - l * (i == 3 ? 0.26 : 0.1);
        p.drawLine(QPointF(folha.left() + l * 0.1, y), QPointF(fim, y));
    }
    // Badge with the export arrow.
    const QPointF c(r.left() + l * 0.74, r.top() + l * 0.76);
    const qreal raio = l * 0.22;
    p.setPen(QPen(fundo, l * 0.05));
    p.setBrush(cor);
    p.drawEllipse(c, raio, raio);
    p.setPen(QPen(fundo, l * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x() - raio * 0.5, c.y()), QPointF(c.x() + raio * 0.45, c.y()));
    p.drawPolyline(QPolygonF{QPointF(c.x() + raio * 0.05, c.y() - raio * 0.42), QPointF(c.x() + raio * 0.5, c.y()),
                             QPointF(c.x() + raio * 0.05, c.y() + raio * 0.42)});
}

void IconeFerramentas(QPainter& p, const QRectF& r, const QColor& cor, const QColor& fundo) {
    const qreal l = r.width();
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPath(Engrenagem(QPointF(r.left() + l * 0.40, r.top() + l * 0.40), l * 0.36, 9));
    p.setPen(QPen(fundo, l * 0.04));
    p.drawPath(Engrenagem(QPointF(r.left() + l * 0.76, r.top() + l * 0.76), l * 0.22, 7));
}

void IconeCadastros(QPainter& p, const QRectF& r, const QColor& cor, const QColor& fundo) {
    const qreal l = r.width();
    // A second card behind, then the front card with a person and three lines.
    const QRectF atras(r.left() + l * 0.12, r.top() + l * 0.08, l * 0.84, l * 0.60);
    p.setPen(QPen(cor, l * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(atras, l * 0.06, l * 0.06);
    const QRectF cartao(r.left() + l * 0.02, r.top() + l * 0.24, l * 0.84, l * 0.60);
    p.setBrush(fundo);
    p.drawRoundedRect(cartao, l * 0.06, l * 0.06);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    const QPointF cabeca(cartao.left() + l * 0.22, cartao.top() + l * 0.22);
    p.drawEllipse(cabeca, l * 0.085, l * 0.085);
    QPainterPath ombros;
    const QRectF arco(cabeca.x() - l * 0.15, cabeca.y() + l * 0.11, l * 0.30, l * 0.30);
    ombros.moveTo(arco.left(), arco.center().y());
    ombros.arcTo(arco, 180, -180);
    ombros.closeSubpath();
    p.setClipRect(cartao.adjusted(l * 0.02, l * 0.02, -l * 0.02, -l * 0.02));
    p.drawPath(ombros);
    p.setClipping(false);
    p.setPen(QPen(cor, l * 0.04, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = cartao.top() + l * (0.16 + i * 0.13);
        p.drawLine(QPointF(cartao.left() + l * 0.44, y), QPointF(cartao.right() - l * (i == 2 ? 0.2 : 0.08), y));
    }
}

// --- Menu --------------------------------------------------------------------------

struct Bloco {
    int largura;
    QString titulo;
    QString descricao;
    void (*icone)(QPainter&, const QRectF&, const QColor&, const QColor&);
};

const Bloco kBlocos[3] = {
    {254, "Listagem de Exportação", "Produtos e insumos da empresa", IconeListagem},
    {269, "Ferramentas", "Envio da listagem e importação", IconeFerramentas},
    {268, "Cadastros", "Empresas e unidades de medida", IconeCadastros},
};

constexpr int kAlturaBloco = 197;

void DesenharBloco(QPainter& p, const QPointF& origem, const Bloco& bloco, bool aceso) {
    p.save();
    p.translate(origem);
    const QRectF r(0.5, 0.5, bloco.largura - 1, kAlturaBloco - 1);
    QLinearGradient g(0, 0, 0, kAlturaBloco);
    if (aceso) {
        g.setColorAt(0, QColor(20, 128, 97));
        g.setColorAt(1, QColor(7, 72, 55));
    } else {
        g.setColorAt(0, QColor(251, 253, 252));
        g.setColorAt(1, QColor(230, 238, 234));
    }
    p.setPen(QPen(aceso ? kVerdeProfundo : kBorda, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    if (aceso) {
        // Soft light over the upper half and the amber foot.
        QLinearGradient brilho(0, 0, 0, kAlturaBloco / 2.0);
        brilho.setColorAt(0, QColor(255, 255, 255, 40));
        brilho.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(brilho);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -kAlturaBloco / 2.0), 6, 6);
        QRadialGradient halo(bloco.largura / 2.0, 70, 90);
        halo.setColorAt(0, QColor(255, 255, 255, 38));
        halo.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(halo);
        p.drawEllipse(QPointF(bloco.largura / 2.0, 70), 90, 90);
        p.setBrush(kAmbar);
        p.drawRect(QRectF(18, kAlturaBloco - 14, bloco.largura - 36, 3));
    }
    const QColor corIcone = aceso ? QColor(255, 255, 255) : QColor(146, 176, 162);
    const QColor fundoIcone = aceso ? QColor(14, 106, 80) : QColor(244, 248, 246);
    const qreal lado = 78;
    bloco.icone(p, QRectF((bloco.largura - lado) / 2, 26, lado, lado), corIcone, fundoIcone);

    const QFont titulo = FonteQueCabe(bloco.titulo, 18, true, bloco.largura - 24);
    const QFont descricao = FonteQueCabe(bloco.descricao, 12, false, bloco.largura - 24);
    const QRectF areaTitulo(0, 120, bloco.largura, 26);
    const QRectF areaDescricao(0, 148, bloco.largura, 18);
    if (aceso) {
        TextoComSombra(p, areaTitulo, bloco.titulo, titulo, Qt::white);
        Texto(p, areaDescricao, bloco.descricao, descricao, QColor(196, 232, 215));
    } else {
        Texto(p, areaTitulo, bloco.titulo, titulo, QColor(98, 134, 118));
        Texto(p, areaDescricao, bloco.descricao, descricao, QColor(140, 164, 152));
    }
    p.restore();
}

void GerarBlocos() {
    for (int i = 0; i < 3; ++i) {
        for (bool aceso : {false, true}) {
            QImage imagem = NovaImagem(kBlocos[i].largura, kAlturaBloco, kFundoClaro);
            QPainter p(&imagem);
            Preparar(p);
            DesenharBloco(p, QPointF(0, 0), kBlocos[i], aceso);
            p.end();
            Salvar(imagem, QStringLiteral("menu_%1%2.jpg").arg(aceso ? "ligado" : "desligado").arg(i));
        }
    }
}

// One sub-menu strip: the lit tile, and beside it a faded panel with a heading, two
// bullets and a line of description under each link (the links are labels of the menu).
void GerarFaixa(int indice, int altura, int xBloco, const QRectF& painel, const QString& cabecalho,
                const QString (&descricoes)[2]) {
    QImage imagem = NovaImagem(800, altura, kFundoClaro);
    QPainter p(&imagem);
    Preparar(p);
    GradienteVertical(p, QRectF(0, 0, 800, altura), kFundoClaro, kFundoClaroBase);
    DesenharBloco(p, QPointF(xBloco, 0), kBlocos[indice], true);

    QLinearGradient g(painel.topLeft(), painel.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(241, 246, 243));
    p.setPen(QPen(kBorda, 1));
    p.setBrush(g);
    p.drawRoundedRect(painel.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);

    QFont fonteCabecalho = Fonte(12, true);
    fonteCabecalho.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    Texto(p, QRectF(painel.left() + 24, painel.top() + 16, painel.width() - 48, 20), cabecalho, fonteCabecalho, kVerde,
          Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(QColor(208, 222, 214), 1));
    p.drawLine(QPointF(painel.left() + 24, painel.top() + 42.5), QPointF(painel.right() - 24, painel.top() + 42.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmbar);
    p.drawRect(QRectF(painel.left() + 24, painel.top() + 41, 36, 3));

    for (int i = 0; i < 2; ++i) {
        const qreal topo = kLinhaLink[i];
        const QPointF bala(painel.left() + 34, topo + 9.5);
        p.setPen(Qt::NoPen);
        p.setBrush(kVerde);
        p.drawEllipse(bala, 9, 9);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{bala + QPointF(-2, -4), bala + QPointF(2.5, 0), bala + QPointF(-2, 4)});
        Texto(p, QRectF(painel.left() + kRecuoLink, topo + 22, painel.width() - kRecuoLink - 16, 18), descricoes[i],
              Fonte(12), kTextoSuave, Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.end();
    Salvar(imagem, QStringLiteral("menu_faixa%1.jpg").arg(indice));
}

void GerarFaixas() {
    const QString ferramentas[2] = {"Gera o arquivo da listagem e o envia à VELTRAN.",
                                    "Importa os insumos de um produto de um arquivo texto."};
    GerarFaixa(1, 198, 0, QRectF(273, 4, 523, 190), "FERRAMENTAS", ferramentas);
    const QString cadastros[2] = {"Empresas participantes do programa de exportação.",
                                  "Unidades de medida dos produtos e dos insumos."};
    GerarFaixa(2, 197, 531, QRectF(4, 4, 523, 189), "CADASTROS", cadastros);
}

// A caption of the background drawn as a pill that fills its hot region exactly.
void Pilula(QPainter& p, const QRect& regiao, const QString& texto) {
    const QRectF r(regiao.left() + 0.5, regiao.top() + 0.5, regiao.width() - 1, regiao.height() - 1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(232, 240, 236));
    p.setPen(QPen(QColor(176, 200, 188), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 8, 8);
    Texto(p, QRectF(regiao), texto, FonteQueCabe(texto, 12, true, regiao.width() - 6), kVerde);
}

void GerarFundoMenu() {
    QImage imagem = NovaImagem(800, 600, kFundoClaro);
    QPainter p(&imagem);
    Preparar(p);

    // Header band.
    GradienteVertical(p, QRectF(0, 0, 800, 205), kVerdeClaroTopo, kVerdeProfundo);
    p.save();
    p.setClipRect(QRectF(0, 0, 800, 205));
    Arcos(p, QPointF(720, 40), 70, 34, 9, 16);
    Arcos(p, QPointF(-40, 260), 120, 40, 4, 10);
    p.restore();
    Emblema(p, QRectF(34, 44, 104, 104), QColor(255, 255, 255, 235), kAmbar);
    QFont marca = Fonte(58, true);
    marca.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    TextoComSombra(p, QRectF(158, 46, 520, 70), "KORVEX", marca, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    Texto(p, QRectF(162, 112, 520, 30), "Listagem de Exportação", Fonte(22), QColor(214, 238, 227),
          Qt::AlignLeft | Qt::AlignVCenter);
    Texto(p, QRectF(162, 142, 520, 22), "Programa de Exportação da Zona Franca", Fonte(13), QColor(160, 206, 186),
          Qt::AlignLeft | Qt::AlignVCenter);
    QFont agencia = Fonte(15, true);
    agencia.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    Texto(p, QRectF(560, 18, 220, 24), "VELTRAN", agencia, QColor(214, 238, 227), Qt::AlignRight | Qt::AlignVCenter);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmbar);
    p.drawRect(QRectF(0, 205, 800, 3));

    // Page behind the tiles and the captions.
    GradienteVertical(p, QRectF(0, 208, 800, 352), kFundoClaro, kFundoClaroBase);

    // Help, Credits and Exit, each filling its hot region (bounds inclusive).
    Pilula(p, QRect(QPoint(20, 424), QPoint(66, 441)), "Ajuda");
    Pilula(p, QRect(QPoint(80, 424), QPoint(137, 441)), "Créditos");
    Pilula(p, QRect(QPoint(178, 424), QPoint(208, 441)), "Sair");
    QFont dica = Fonte(12);
    dica.setItalic(true);
    Texto(p, QRectF(240, 424, 540, 18), "Passe o ponteiro sobre um módulo e clique para abrir.", dica, kTextoSuave,
          Qt::AlignRight | Qt::AlignVCenter);

    p.setPen(QPen(QColor(206, 220, 213), 1));
    p.drawLine(QPointF(20, 456.5), QPointF(780, 456.5));
    Texto(p, QRectF(20, 466, 760, 22), "Bem-vindo ao KORVEX", Fonte(15, true), kVerde,
          Qt::AlignLeft | Qt::AlignVCenter);
    Texto(p, QRectF(20, 492, 760, 54),
          "Mantenha a listagem de exportação de sua empresa, com os produtos exportados e os insumos de cada um, "
          "envie-a à VELTRAN e importe insumos de arquivos de estrutura própria, tudo a partir deste menu.",
          Fonte(12), QColor(72, 96, 84), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    // Footer band with the service-portal link (X 185-398, Y 572-589); the update
    // date is written over its right end by the menu.
    GradienteVertical(p, QRectF(0, 558, 800, 42), kVerde, kVerdeProfundo);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmbar);
    p.drawRect(QRectF(0, 558, 800, 2));
    Texto(p, QRectF(20, 572, 160, 18), "Avisos e novidades:", Fonte(12), QColor(168, 210, 192),
          Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF portal(185, 572, 214, 18);
    const QString textoPortal = "Portal de Serviços da Veltran";
    QFont fontePortal = FonteQueCabe(textoPortal, 13, true, portal.width() - 2);
    Texto(p, portal, textoPortal, fontePortal, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    const qreal largura = QFontMetricsF(fontePortal).horizontalAdvance(textoPortal);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(portal.left(), 588.5), QPointF(portal.left() + largura, 588.5));

    // A hairline frame: the menu is a borderless window.
    p.setPen(QPen(kVerdeProfundo, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 799, 599));
    p.end();
    Salvar(imagem, "menu_fundo.jpg");
}

// --- Window frame buttons ------------------------------------------------------------

void GerarBotoes() {
    const QString legendas[10] = {"Novo",      "Abrir",    "Salvar",     "Excluir",     "Desfazer",
                                  "Localizar", "Imprimir", "Relatórios", "Ferramentas", "Sair"};
    enum Estado { Normal, Aceso, Desabilitado };
    const char* nomes[3] = {"normal", "ligado", "desabilitado"};
    for (int estado = Normal; estado <= Desabilitado; ++estado) {
        for (int i = 0; i < 10; ++i) {
            QImage imagem = NovaImagem(92, 34, kVerdeBarra);
            QPainter p(&imagem);
            Preparar(p);
            const QRectF r(0, 0, 92, 34);
            switch (estado) {
            case Normal:
                GradienteVertical(p, r, QColor(60, 148, 106), QColor(40, 116, 80));
                p.fillRect(QRectF(0, 0, 92, 1), QColor(98, 174, 136));
                p.fillRect(QRectF(0, 0, 1, 34), QColor(78, 158, 118));
                break;
            case Aceso:
                GradienteVertical(p, r, QColor(255, 255, 255), QColor(220, 236, 228));
                p.fillRect(QRectF(0, 31, 92, 3), kAmbar);
                break;
            default:
                GradienteVertical(p, r, QColor(122, 152, 138), QColor(106, 136, 122));
                p.fillRect(QRectF(0, 0, 92, 1), QColor(140, 168, 155));
                break;
            }
            p.fillRect(QRectF(91, 0, 1, 34), QColor(28, 88, 62));
            const QRectF areaTexto(4, estado == Aceso ? -1 : 0, 84, 34);
            const QFont fonte = FonteQueCabe(legendas[i], 13, true, areaTexto.width());
            if (estado == Normal) {
                TextoComSombra(p, areaTexto, legendas[i], fonte, Qt::white);
            } else {
                Texto(p, areaTexto, legendas[i], fonte, estado == Aceso ? kVerde : QColor(178, 200, 189));
            }
            p.end();
            Salvar(imagem, QStringLiteral("botao_%1%2.jpg").arg(nomes[estado]).arg(i));
        }
    }
}

// --- Lookup dialog bands, glyph and wizard picture ---------------------------------

void GerarPesquisa() {
    {
        QImage imagem = NovaImagem(627, 47, kVerde);
        QPainter p(&imagem);
        Preparar(p);
        QLinearGradient g(0, 0, 627, 0);
        g.setColorAt(0, QColor(8, 70, 54));
        g.setColorAt(1, QColor(16, 116, 88));
        p.fillRect(imagem.rect(), g);
        p.setClipRect(QRect(0, 0, 627, 45));
        Arcos(p, QPointF(600, 24), 30, 22, 6, 18);
        p.setClipping(false);
        // A magnifier at the right end.
        p.setPen(QPen(QColor(255, 255, 255, 220), 3.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(594, 20), 9, 9);
        p.drawLine(QPointF(600.5, 26.5), QPointF(609, 35));
        p.fillRect(QRectF(0, 45, 627, 2), kAmbar);
        p.end();
        Salvar(imagem, "pesquisa_cabecalho.jpg");
    }
    {
        QImage imagem = NovaImagem(627, 441, kFundoClaro);
        QPainter p(&imagem);
        Preparar(p);
        GradienteVertical(p, QRectF(imagem.rect()), QColor(251, 253, 252), QColor(233, 241, 237));
        p.setOpacity(0.05);
        Emblema(p, QRectF(440, 250, 220, 220), kVerde, kVerde);
        p.end();
        Salvar(imagem, "pesquisa_corpo.jpg");
    }
    {
        QImage imagem = NovaImagem(627, 31, kVerde);
        QPainter p(&imagem);
        Preparar(p);
        GradienteVertical(p, QRectF(imagem.rect()), kVerde, kVerdeProfundo);
        p.fillRect(QRectF(0, 0, 627, 1), kAmbar);
        QFont fonte = Fonte(11, true);
        fonte.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        Texto(p, QRectF(0, 1, 612, 30), "KORVEX  ·  VELTRAN", fonte, QColor(168, 210, 192),
              Qt::AlignRight | Qt::AlignVCenter);
        p.end();
        Salvar(imagem, "pesquisa_rodape.jpg");
    }
}

// Binoculars of the small lookup buttons, 16 x 15, drawn four times larger and reduced.
void GerarBinoculos() {
    QImage grande = NovaImagem(64, 60, kCinzaJanela);
    QPainter p(&grande);
    Preparar(p);
    const QColor corpo(24, 58, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(corpo);
    p.drawRoundedRect(QRectF(5, 4, 20, 34), 6, 6);
    p.drawRoundedRect(QRectF(39, 4, 20, 34), 6, 6);
    p.drawRect(QRectF(22, 14, 20, 12));
    for (qreal x : {15.0, 49.0}) {
        p.setBrush(corpo);
        p.drawEllipse(QPointF(x, 44), 14, 14);
        QRadialGradient lente(x - 3, 41, 12);
        lente.setColorAt(0, QColor(150, 214, 190));
        lente.setColorAt(1, QColor(22, 120, 90));
        p.setBrush(lente);
        p.drawEllipse(QPointF(x, 44), 9, 9);
    }
    p.end();
    Salvar(grande.scaled(16, 15, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), "binoculos.jpg", 95);
}

void GerarAssistente() {
    // 217 wide; the height fills the wizards' content area: 522 - 81 (title band) - 29
    // (status strip) = 412.
    QImage imagem = NovaImagem(217, 412, kVerde);
    QPainter p(&imagem);
    Preparar(p);
    GradienteVertical(p, QRectF(imagem.rect()), kVerdeClaroTopo, kVerdeProfundo);
    p.setClipRect(imagem.rect());
    Arcos(p, QPointF(0, 412), 60, 30, 8, 14);
    Arcos(p, QPointF(217, 0), 50, 30, 4, 12);
    p.setClipping(false);
    Emblema(p, QRectF(38, 70, 140, 140), QColor(255, 255, 255, 235), kAmbar);
    QFont marca = Fonte(30, true);
    marca.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    TextoComSombra(p, QRectF(0, 238, 217, 40), "KORVEX", marca, Qt::white);
    Texto(p, QRectF(0, 278, 217, 22), "Listagem de Exportação", Fonte(13), QColor(206, 234, 221));
    p.fillRect(QRectF(88, 312, 40, 3), kAmbar);
    QFont agencia = Fonte(11, true);
    agencia.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    Texto(p, QRectF(0, 374, 217, 20), "VELTRAN", agencia, QColor(150, 200, 178));
    p.end();
    Salvar(imagem, "assistente_lateral.jpg");
}

// The program's icon for the desktop menus: the emblem on a rounded green tile, as a PNG with
// transparent corners (desktop icons are PNG; it is not one of the program's resources).
void GerarIcone() {
    constexpr int kLado = 256;
    QImage imagem = NovaImagem(kLado, kLado, Qt::transparent);
    QPainter p(&imagem);
    Preparar(p);
    const QRectF placa(8, 8, kLado - 16, kLado - 16);
    QLinearGradient fundo(placa.topLeft(), placa.bottomLeft());
    fundo.setColorAt(0, kVerdeClaroTopo);
    fundo.setColorAt(1, kVerdeProfundo);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(placa, 44, 44);
    QPainterPath contorno;
    contorno.addRoundedRect(placa, 44, 44);
    p.setClipPath(contorno);
    Arcos(p, QPointF(placa.left(), placa.bottom()), 50, 26, 6, 16);
    p.setClipping(false);
    Emblema(p, placa.adjusted(30, 30, -30, -30), QColor(255, 255, 255, 240), kAmbar);
    p.end();
    const QString arquivo = g_pasta + "/korvex.png";
    if (!imagem.save(arquivo, "PNG")) {
        std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(arquivo));
        std::exit(1);
    }
}

void GravarRecursos() {
    QFile arquivo(g_pasta + "/arte.qrc");
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "Não foi possível gravar %s\n", qPrintable(arquivo.fileName()));
        std::exit(1);
    }
    QTextStream saida(&arquivo);
    saida << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/arte\">\n";
    for (const QString& nome : g_arquivos) {
        saida << "        <file>" << nome << "</file>\n";
    }
    saida << "    </qresource>\n</RCC>\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    g_pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    GerarFundoMenu();
    GerarBlocos();
    GerarFaixas();
    GerarBotoes();
    GerarPesquisa();
    GerarBinoculos();
    GerarAssistente();
    GerarIcone();
    GravarRecursos();
    std::printf("%lld figuras gravadas em %s\n", static_cast<long long>(g_arquivos.size()), qPrintable(g_pasta));
    return 0;
}

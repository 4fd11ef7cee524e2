#include "ui/UControles.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleHints>

TImagem::TImagem(QWidget* pai) : QWidget(pai) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImagem::DefinirFigura(const QPixmap& figura) {
    figura_ = figura;
    if (!esticar_ && !figura_.isNull()) {
        resize(figura_.size());
    }
    update();
}

void TImagem::LimparFigura() {
    figura_ = QPixmap();
    update();
}

void TImagem::DefinirEsticar(bool esticar) {
    esticar_ = esticar;
    update();
}

QSize TImagem::sizeHint() const {
    return figura_.isNull() ? QSize(0, 0) : figura_.size();
}

void TImagem::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    if (figura_.isNull()) {
        pintor.fillRect(rect(), palette().window());
    } else if (esticar_) {
        pintor.setRenderHint(QPainter::SmoothPixmapTransform);
        pintor.drawPixmap(rect(), figura_);
    } else {
        pintor.fillRect(rect(), palette().window());
        pintor.drawPixmap(0, 0, figura_);
    }
}

void TImagem::mousePressEvent(QMouseEvent* evento) {
    pressionado_ = pressionado_ || evento->button() == Qt::LeftButton;
    evento->accept();
}

void TImagem::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clique =
        evento->button() == Qt::LeftButton && pressionado_ && rect().contains(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton) {
        pressionado_ = false;
    }
    evento->accept();
    // A click handler may open a modal window or even close ours: the release is
    // reported afterwards, and only while the picture still exists.
    QPointer<TImagem> vivo(this);
    if (clique) {
        emit Clicado(this);
    }
    if (vivo) {
        emit MouseSolto(this, evento->button(), evento->position().toPoint());
    }
}

void TImagem::mouseMoveEvent(QMouseEvent* evento) {
    evento->accept();
    emit MouseMovido(this, evento->position().toPoint());
}

TRotulo::TRotulo(const QString& texto, QWidget* pai) : QLabel(texto, pai) {
    setAttribute(Qt::WA_NoMousePropagation);
}

void TRotulo::mousePressEvent(QMouseEvent* evento) {
    pressionado_ = evento->button() == Qt::LeftButton;
    evento->accept();
}

void TRotulo::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clique =
        evento->button() == Qt::LeftButton && pressionado_ && rect().contains(evento->position().toPoint());
    pressionado_ = false;
    evento->accept();
    if (clique) {
        emit Clicado();
    }
}

void TRotulo::mouseMoveEvent(QMouseEvent* evento) {
    evento->accept();
}

void TDelegadoGrade::paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
    QStyledItemDelegate::paint(pintor, opcao, indice);
    pintor->save();
    pintor->setPen(QColor(208, 208, 208));
    pintor->drawLine(opcao.rect.topRight(), opcao.rect.bottomRight());
    pintor->drawLine(opcao.rect.bottomLeft(), opcao.rect.bottomRight());
    pintor->restore();
}

TTrocaPagina::TTrocaPagina(QStackedWidget* paginas) : QObject(paginas), paginas_(paginas) {}

void TTrocaPagina::Mostrar(QWidget* pagina) {
    paginas_->setCurrentWidget(pagina);
    if (!protegida_) {
        qApp->installEventFilter(this);
    }
    protegida_ = pagina;
    desde_.start();
}

bool TTrocaPagina::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseButtonDblClick && tipo != QEvent::MouseButtonRelease) {
        return false;
    }
    if (!protegida_ || desde_.elapsed() > QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
        // The guard lasts one interval; the application's events go on unwatched.
        qApp->removeEventFilter(this);
        protegida_ = nullptr;
        return false;
    }
    auto* alvo = qobject_cast<QWidget*>(objeto);
    return alvo && (alvo == protegida_ || protegida_->isAncestorOf(alvo));
}

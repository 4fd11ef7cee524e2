#pragma once
// The small controls of the picture windows: a picture that reports clicks, mouse
// releases and pointer moves and carries a Tag (the menu's tiles, the frame's buttons),
// and a label that reports clicks (the menu's links). Like the pictures and labels of
// the original windows, neither passes the mouse on to the control beneath it. Also the
// page switch of the windows whose pages change by their own buttons (the wizards).

#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QWidget>

class QStackedWidget;

class TImagem : public QWidget {
    Q_OBJECT
public:
    explicit TImagem(QWidget* pai = nullptr);

    // Shows the picture; without stretching the control takes the picture's size.
    void DefinirFigura(const QPixmap& figura);
    void LimparFigura();
    const QPixmap& Figura() const { return figura_; }
    // Stretched pictures fill the control whatever its size.
    void DefinirEsticar(bool esticar);

    int Tag() const { return tag_; }
    void DefinirTag(int tag) { tag_ = tag; }

    QSize sizeHint() const override;

signals:
    // Left button pressed and released over the picture (comes before MouseSolto).
    void Clicado(TImagem* remetente);
    // Any button released after being pressed over the picture.
    void MouseSolto(TImagem* remetente, Qt::MouseButton botao, QPoint posicao);
    // The pointer moved over the picture (with or without a button down).
    void MouseMovido(TImagem* remetente, QPoint posicao);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QPixmap figura_;
    bool esticar_ = false;
    bool pressionado_ = false;
    int tag_ = 0;
};

class TRotulo : public QLabel {
    Q_OBJECT
public:
    explicit TRotulo(const QString& texto, QWidget* pai = nullptr);

signals:
    void Clicado();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    bool pressionado_ = false;
};

// Thin lines between the cells of a report list, so that it reads as a grid.
class TDelegadoGrade : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
};

// Shows a page of a page control and keeps the rest of a double-click off it: a button of the
// new page often stands where the pressed one stood (Enviar where Avançar was), and the second
// click of a double-click must not press it. For the platform's double-click interval after
// the switch, mouse presses and releases aimed at the new page are dropped.
class TTrocaPagina : public QObject {
public:
    explicit TTrocaPagina(QStackedWidget* paginas);

    void Mostrar(QWidget* pagina);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QStackedWidget* paginas_;
    QPointer<QWidget> protegida_;
    QElapsedTimer desde_;
};

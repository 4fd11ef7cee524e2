#include "ui/UCampos.h"

#include "comum/Cp1252.h"
#include "ui/FigurasQt.h"
#include "ui/UControles.h"

#include <QHeaderView>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QValidator>

#include <algorithm>

namespace {

class TValidadorCampo : public QValidator {
public:
    TValidadorCampo(QLineEdit* caixa, TFiltroCampo filtro, bool maiusculas, int maximo)
        : QValidator(caixa), caixa_(caixa), filtro_(filtro), maiusculas_(maiusculas), maximo_(maximo) {}

    State validate(QString& texto, int& posicao) const override {
        QString aceito;
        aceito.reserve(texto.size());
        for (int i = 0; i < texto.size(); ++i) {
            QChar c = texto[i];
            if (maiusculas_ && CodigoCp1252(c.toUpper().unicode()) >= 0) {
                c = c.toUpper();
            }
            if (!Permitido(c)) {
                if (i < posicao) {
                    --posicao;
                }
                continue;
            }
            if (CodigoCp1252(c.unicode()) < 0) {
                QToolTip::showText(caixa_->mapToGlobal(QPoint(0, caixa_->height())), MensagemCaractereRecusado(c),
                                   caixa_);
                return Invalid;
            }
            aceito.append(c);
        }
        // The limit is applied to what the filter kept, so that a pasted "200.123.456" fills a
        // nine-digit box instead of being cut first.
        if (maximo_ > 0 && aceito.size() > maximo_) {
            return Invalid;
        }
        texto = aceito;
        return Acceptable;
    }

private:
    bool Permitido(QChar c) const {
        switch (filtro_) {
        case TFiltroCampo::Digitos:
            return c >= u'0' && c <= u'9';
        case TFiltroCampo::Numerico:
            return (c >= u'0' && c <= u'9') || c == u',';
        case TFiltroCampo::Livre:
            break;
        }
        return true;
    }

    QLineEdit* caixa_;
    TFiltroCampo filtro_;
    bool maiusculas_;
    int maximo_;
};

// Eats the copy, paste and cut key presses of one box, and the middle-button release that
// pastes the selection.
class TFiltroAreaTransferencia : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->matches(QKeySequence::Copy) || tecla->matches(QKeySequence::Paste) ||
                tecla->matches(QKeySequence::Cut)) {
                return true;
            }
        } else if (evento->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(evento)->button() == Qt::MiddleButton) {
                return true;
            }
        }
        return QObject::eventFilter(objeto, evento);
    }
};

} // namespace

void RecusarAreaTransferencia(QLineEdit* caixa) {
    caixa->installEventFilter(new TFiltroAreaTransferencia(caixa));
    caixa->setContextMenuPolicy(Qt::NoContextMenu);
    caixa->setAcceptDrops(false);
}

void AplicarFiltro(QLineEdit* caixa, TFiltroCampo filtro, bool maiusculas, int maximo) {
    caixa->setValidator(new TValidadorCampo(caixa, filtro, maiusculas, maximo));
}

QString MensagemCaractereRecusado(QChar caractere) {
    return QString("O caractere \"%1\" não é aceito: o programa grava só os caracteres do padrão Windows-1252 "
                   "(letras acentuadas do português incluídas).")
        .arg(caractere);
}

QLineEdit* CriarCaixaTexto(QWidget* pai, const char* nome, const QRect& lugar, TFiltroCampo filtro, bool maiusculas,
                           int maximo) {
    auto* caixa = new QLineEdit(pai);
    caixa->setObjectName(nome);
    caixa->setGeometry(lugar);
    AplicarFiltro(caixa, filtro, maiusculas, maximo);
    return caixa;
}

QLabel* CriarRotulo(const QString& texto, QWidget* pai, const char* nome, const QRect& lugar) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setGeometry(lugar);
    return rotulo;
}

QLineEdit* CriarTextoEstatico(QWidget* pai, const char* nome, const QRect& lugar) {
    auto* texto = new QLineEdit(pai);
    texto->setObjectName(nome);
    texto->setGeometry(lugar);
    texto->setReadOnly(true);
    texto->setFocusPolicy(Qt::ClickFocus);
    // A text longer than the box shows its beginning, not its end: setText puts the cursor at
    // the end, even when the text stays the same. The user who clicked into it moves freely.
    QObject::connect(texto, &QLineEdit::cursorPositionChanged, texto, [texto] {
        if (!texto->hasFocus()) {
            texto->setCursorPosition(0);
        }
    });
    QPalette cores = texto->palette();
    cores.setColor(QPalette::Base, QColor(224, 224, 224));
    texto->setPalette(cores);
    return texto;
}

QPushButton* CriarBotaoTexto(const QString& texto, QWidget* pai, const char* nome, const QRect& lugar) {
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(nome);
    botao->setGeometry(lugar);
    botao->setAutoDefault(false);
    return botao;
}

QToolButton* CriarBotaoPesquisa(QWidget* pai, const char* nome, const QRect& lugar, const QString& dica) {
    auto* botao = new QToolButton(pai);
    botao->setObjectName(nome);
    botao->setGeometry(lugar);
    botao->setAutoRaise(true);
    botao->setCursor(Qt::PointingHandCursor);
    botao->setIcon(QIcon(FiguraArte("binoculos.jpg")));
    botao->setIconSize({16, 15});
    if (!dica.isEmpty()) {
        botao->setToolTip(dica);
    }
    return botao;
}

void PrepararListaRelatorio(QTreeWidget* lista, const QStringList& titulos, std::initializer_list<int> larguras) {
    lista->setRootIsDecorated(false);
    lista->setItemsExpandable(false);
    lista->setUniformRowHeights(true);
    lista->setAllColumnsShowFocus(true);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista->setItemDelegate(new TDelegadoGrade(lista));
    lista->header()->setStretchLastSection(false);
    lista->header()->setSectionsMovable(false);
    if (!titulos.isEmpty()) {
        lista->setHeaderLabels(titulos);
    }
    int coluna = 0;
    for (int largura : larguras) {
        lista->setColumnWidth(coluna, largura);
        lista->setColumnHidden(coluna, largura == 0);
        ++coluna;
    }
}

int CaracteresMemo(const QString& texto) {
    int quantidade = 0;
    for (const QChar c : texto) {
        quantidade += (c == u'\n' || c == QChar::ParagraphSeparator) ? 2 : 1;
    }
    return quantidade;
}

TMemoLimitado::TMemoLimitado(QWidget* pai, const char* nome, int limite) : QPlainTextEdit(pai), limite_(limite) {
    setObjectName(nome);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

std::string TMemoLimitado::Texto() const {
    return toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString();
}

void TMemoLimitado::DefinirTexto(const std::string& texto) {
    setPlainText(
        QString::fromStdString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
}

void TMemoLimitado::keyPressEvent(QKeyEvent* evento) {
    // Enter gives a plain line break whatever the modifiers (never a soft line separator).
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        Inserir(QStringLiteral("\n"));
        evento->accept();
        return;
    }
    const QString texto = evento->text();
    const bool imprimivel =
        !texto.isEmpty() && std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.isPrint() || c == u'\t'; });
    // Ctrl with a key is a shortcut; Ctrl with Alt is how some keyboards type a character.
    const Qt::KeyboardModifiers teclas = evento->modifiers();
    const bool atalho = (teclas & Qt::ControlModifier) && !(teclas & Qt::AltModifier);
    if (imprimivel && !atalho) {
        Inserir(texto);
        evento->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(evento);
}

void TMemoLimitado::insertFromMimeData(const QMimeData* origem) {
    if (origem && origem->hasText()) {
        Inserir(origem->text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'));
    }
}

void TMemoLimitado::inputMethodEvent(QInputMethodEvent* evento) {
    if (evento->commitString().isEmpty()) {
        QPlainTextEdit::inputMethodEvent(evento);
        return;
    }
    Inserir(evento->commitString());
    evento->accept();
}

void TMemoLimitado::Inserir(QString texto) {
    if (isReadOnly()) {
        return;
    }
    QTextCursor cursor = textCursor();
    int espaco = limite_ - CaracteresMemo(toPlainText()) + CaracteresMemo(cursor.selectedText());
    QString aceito;
    for (const QChar c : texto) {
        if (CodigoCp1252(c.unicode()) < 0) {
            QToolTip::showText(mapToGlobal(QPoint(0, height())), MensagemCaractereRecusado(c), this);
            continue;
        }
        const int custo = CaracteresMemo(QString(c));
        if (custo > espaco) {
            break;
        }
        espaco -= custo;
        aceito.append(c);
    }
    if (aceito.isEmpty()) {
        return;
    }
    cursor.insertText(aceito);
    setTextCursor(cursor);
    ensureCursorVisible();
}

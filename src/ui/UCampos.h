#pragma once
// Building blocks of the working windows' content area, so that every window looks and
// behaves alike: labels, read-only texts, text buttons, the binoculars button of the
// lookups, report lists, and the entry rules of the edit boxes.
//
// Entry rules: a box may turn letters to upper case as they are typed, and may take only
// digits (the registration) or only what the numeric key filter lets pass (digits and the
// comma); other characters are dropped, typed or pasted. Whatever the rule, a character
// that Windows-1252 cannot hold never enters a box: it is refused and a message beside the
// box says why, so that no text reaches the database or a file altered. Memos follow the
// same rule (TMemoLimitado).

#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>

class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QMimeData;
class QLineEdit;
class QPushButton;
class QRect;
class QToolButton;
class QTreeWidget;
class QWidget;

enum class TFiltroCampo {
    Livre,    // any character that Windows-1252 holds
    Digitos,  // 0 to 9 only
    Numerico, // the numeric key filter: 0 to 9 and the comma
};

// Installs the entry rules on a box, with at most `maximo` characters when it is positive
// (the limit of the box's rules, not QLineEdit's own maxLength, which would cut a pasted text
// before the filter drops what it does not take). Text put into the box by the program
// (setText) goes through the same rules, but is never refused for its length.
void AplicarFiltro(QLineEdit* caixa, TFiltroCampo filtro, bool maiusculas = false, int maximo = 0);

// Keeps the clipboard away from a box, as the registration box of the company register
// does: the copy, paste and cut keys (Ctrl+C, Ctrl+V, Ctrl+X and their Insert and Delete
// twins) are dropped, and the box has no context menu, no middle-button paste and takes
// no dropped text.
void RecusarAreaTransferencia(QLineEdit* caixa);

// The message shown beside a box that refused a character.
QString MensagemCaractereRecusado(QChar caractere);

// An edit box with its entry rules.
QLineEdit* CriarCaixaTexto(QWidget* pai, const char* nome, const QRect& lugar,
                           TFiltroCampo filtro = TFiltroCampo::Livre, bool maiusculas = false, int maximo = 0);

QLabel* CriarRotulo(const QString& texto, QWidget* pai, const char* nome, const QRect& lugar);
// Read-only text on a grey, sunken background; it takes the focus by click only, so that a
// long text can be scrolled and copied.
QLineEdit* CriarTextoEstatico(QWidget* pai, const char* nome, const QRect& lugar);
// A push button that never acts as the window's default button (Enter in a box must not
// press it).
QPushButton* CriarBotaoTexto(const QString& texto, QWidget* pai, const char* nome, const QRect& lugar);
// The small flat button with the binoculars glyph that opens a lookup; hand pointer.
QToolButton* CriarBotaoPesquisa(QWidget* pai, const char* nome, const QRect& lugar, const QString& dica = {});
// A list in report view: grid lines, whole-row selection, one row at a time, rows not
// editable, and the given column titles and widths (a width of 0 hides the column, which
// still carries its values). Lists with the hand pointer set it on their viewport.
void PrepararListaRelatorio(QTreeWidget* lista, const QStringList& titulos = {},
                            std::initializer_list<int> larguras = {});

// Characters that a memo's text counts against its limit: a line break counts two, as it
// is stored (carriage return and line feed).
int CaracteresMemo(const QString& texto);

// A memo whose typing, pasting and dropping stop at a number of characters (line breaks
// counting two) and refuse characters that Windows-1252 cannot hold, with the message of
// the edit boxes beside it. Text the program puts in is taken whole. Tab moves the focus
// on, as in every other box of a window.
class TMemoLimitado : public QPlainTextEdit {
public:
    TMemoLimitado(QWidget* pai, const char* nome, int limite);
    int Limite() const { return limite_; }

    // The text as stored: line breaks as carriage return and line feed.
    std::string Texto() const;
    // Shows a stored text, whatever its line breaks.
    void DefinirTexto(const std::string& texto);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void insertFromMimeData(const QMimeData* origem) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;

private:
    // Inserts as much of the text as Windows-1252 and the limit let in, in place of the
    // selection.
    void Inserir(QString texto);

    int limite_;
};

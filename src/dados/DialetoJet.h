#pragma once
// How the program's Jet statements get their Jet meaning on SQLite: the statement
// text is rewritten (literals become bound parameters carrying the JET collation, the
// alias of an UPDATE or DELETE keeps meaning its table, & joins texts), and the SQL
// functions, the collation and the LIKE that the statements rely on are registered on
// each connection.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;

// A literal taken out of a statement, bound back as a parameter.
using ParametroSQL = std::variant<int64_t, double, std::string>;

struct SQLTraduzido {
    std::string texto;                    // statement for SQLite, literals replaced by "?"
    std::vector<ParametroSQL> parametros; // the literals, in order
};

// Rewrites one Jet statement for SQLite. Quoted text is never changed: it leaves the
// statement as a bound parameter. Statements of the same shape give the same text,
// so their prepared form can be reused. What Jet would not read the same way raises
// ErroBanco saying why: a comment ("--", "/*"), a parameter marker ("?", ":", "@",
// "$", "#") outside quotes, an & with nothing on one side.
SQLTraduzido TraduzirSQL(std::string_view jet);

// Registers mid(), switch(), concatenar_jet() (the & of Jet), the JET collation and the
// case-folding LIKE with its character lists on a connection. Returns SQLITE_OK or the
// engine's code of the first registration that failed.
int RegistrarFuncoesJet(sqlite3* banco);

// The LIKE of the program: % any run, _ one character, [abc], [a-c] and [!a] one
// character of or outside a list, letters folded as CompararJet does. An unclosed list
// or a descending range raises ErroBanco.
bool CombinaLike(std::string_view texto, std::string_view padrao);

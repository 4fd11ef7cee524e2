#pragma once
// How the program's Jet statements get their Jet meaning on SQLite: the statement
// text is rewritten (literals become bound parameters carrying the JET collation, the
// alias of an UPDATE or DELETE is dropped), and the SQL functions, the collation and
// the LIKE that the statements rely on are registered on each connection.

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
// so their prepared form can be reused.
SQLTraduzido TraduzirSQL(std::string_view jet);

// Registers mid(), switch(), the JET collation and the case-folding LIKE.
void RegistrarFuncoesJet(sqlite3* banco);

// The LIKE of the program: % any run, _ one character, letters folded as CompararJet does.
bool CombinaLike(std::string_view texto, std::string_view padrao);

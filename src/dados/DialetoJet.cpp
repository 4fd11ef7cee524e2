#include "dados/DialetoJet.h"

#include "comum/Erros.h"
#include "comum/LetrasCp1252.h"
#include "comum/Numeros.h"
#include "comum/Utf8.h"
#include "dados/Esquema.h"

// The same registration is built into the loadable extension korvex_jet.so; there the
// engine's functions are reached through the table that the loading client hands over.
#ifdef KORVEX_EXTENSAO_SQLITE
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

std::vector<char32_t> Dobrar(std::string_view t) {
    std::vector<char32_t> saida;
    saida.reserve(t.size());
    size_t i = 0;
    while (i < t.size()) {
        saida.push_back(MaiusculaCp1252(LerUtf8(t, i)));
    }
    return saida;
}

// ---------------------------------------------------------------------------
// Tokens of a Jet statement.

// Chave: a bound key of a trimmed text, put in by AcrescentarChavesTexto.
enum class TipoToken { Espaco, Literal, Numero, Identificador, Outro, Chave };

struct Token {
    TipoToken tipo;
    std::string texto;
    ParametroSQL valor;
};

bool InicioIdentificador(unsigned char c) {
    return std::isalpha(c) || c == '_' || c >= 0x80;
}
bool ParteIdentificador(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80;
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    // Names and key words: only their ASCII letters have case here, whatever the program's locale
    // says of other bytes. Every statement comes through here many times.
    const auto maiuscula = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (size_t i = 0; i < a.size(); ++i) {
        if (maiuscula(a[i]) != maiuscula(b[i])) {
            return false;
        }
    }
    return true;
}

[[noreturn]] void Recusar(const std::string& motivo) {
    throw ErroBanco("Instrução SQL recusada: " + motivo);
}

std::vector<Token> Tokenizar(std::string_view s) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t inicio = i;
        if (std::isspace(c)) {
            while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) {
                ++i;
            }
            tokens.push_back({TipoToken::Espaco, std::string(s.substr(inicio, i - inicio)), {}});
        } else if (c == '\'') {
            std::string valor;
            ++i;
            bool fechado = false;
            while (i < s.size()) {
                if (s[i] == '\'') {
                    if (i + 1 < s.size() && s[i + 1] == '\'') {
                        valor.push_back('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    fechado = true;
                    break;
                }
                valor.push_back(s[i++]);
            }
            if (!fechado) {
                // Left as it stands, so that the engine reports the broken statement.
                tokens.push_back({TipoToken::Outro, std::string(s.substr(inicio)), {}});
            } else {
                tokens.push_back({TipoToken::Literal, std::string(s.substr(inicio, i - inicio)), valor});
            }
        } else if (std::isdigit(c) ||
                   (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            bool real = false;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
                ++i;
            }
            if (i < s.size() && s[i] == '.') {
                real = true;
                ++i;
                while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
                    ++i;
                }
            }
            if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
                size_t j = i + 1;
                if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
                    ++j;
                }
                if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
                    real = true;
                    i = j;
                    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
                        ++i;
                    }
                }
            }
            if (i < s.size() && ParteIdentificador(static_cast<unsigned char>(s[i]))) {
                // Not a number after all (e.g. 1abc): leave it for the engine.
                while (i < s.size() && ParteIdentificador(static_cast<unsigned char>(s[i]))) {
                    ++i;
                }
                tokens.push_back({TipoToken::Outro, std::string(s.substr(inicio, i - inicio)), {}});
                continue;
            }
            std::string texto(s.substr(inicio, i - inicio));
            ParametroSQL valor;
            if (real || texto.size() > 18) {
                valor = std::strtod(texto.c_str(), nullptr);
            } else {
                valor = static_cast<int64_t>(std::strtoll(texto.c_str(), nullptr, 10));
            }
            tokens.push_back({TipoToken::Numero, texto, valor});
        } else if (InicioIdentificador(c)) {
            while (i < s.size() && ParteIdentificador(static_cast<unsigned char>(s[i]))) {
                ++i;
            }
            tokens.push_back({TipoToken::Identificador, std::string(s.substr(inicio, i - inicio)), {}});
        } else if (c == '"' || c == '[' || c == '`') {
            char fim = c == '[' ? ']' : static_cast<char>(c);
            ++i;
            while (i < s.size() && s[i] != fim) {
                ++i;
            }
            if (i < s.size()) {
                ++i;
            }
            tokens.push_back({TipoToken::Identificador, std::string(s.substr(inicio, i - inicio)), {}});
        } else {
            const char seguinte = i + 1 < s.size() ? s[i + 1] : '\0';
            // The engine would take these for comments, swallowing the rest of the
            // statement with the literals bound to it; Jet has no comments.
            if ((c == '-' && seguinte == '-') || (c == '/' && seguinte == '*')) {
                Recusar("comentários (\"--\" ou \"/*\") não são aceitos.");
            }
            // The engine would take these for parameter markers and bind them to the
            // literals of the statement, shifting every value.
            if (c == '?' || c == ':' || c == '@' || c == '$' || c == '#') {
                Recusar("o caractere \"" + std::string(1, static_cast<char>(c)) +
                        "\" fora de aspas não é aceito; os valores vão entre aspas na própria instrução.");
            }
            ++i;
            tokens.push_back({TipoToken::Outro, std::string(1, static_cast<char>(c)), {}});
        }
    }
    return tokens;
}

// Index of the next token that is not blank, from `i` on, or tokens.size().
size_t Proximo(const std::vector<Token>& t, size_t i) {
    while (i < t.size() && t[i].tipo == TipoToken::Espaco) {
        ++i;
    }
    return i;
}

bool EhPalavra(const std::vector<Token>& t, size_t i, std::string_view palavra) {
    return i < t.size() && t[i].tipo == TipoToken::Identificador && IgualSemCaixa(t[i].texto, palavra);
}

bool EhSimbolo(const std::vector<Token>& t, size_t i, std::string_view simbolo) {
    return i < t.size() && t[i].tipo == TipoToken::Outro && t[i].texto == simbolo;
}

Token Palavra(std::string texto) {
    return {TipoToken::Identificador, std::move(texto), {}};
}
Token Simbolo(std::string texto) {
    return {TipoToken::Outro, std::move(texto), {}};
}
Token Branco() {
    return {TipoToken::Espaco, " ", {}};
}

// Words that end an operand of & (and so never name a column or a function).
bool EhPalavraReservada(std::string_view p) {
    static constexpr std::string_view kReservadas[] = {
        "AND",      "OR",     "NOT",     "XOR",   "EQV",    "IMP",    "LIKE",   "IS",     "IN",    "BETWEEN", "SELECT",
        "DISTINCT", "TOP",    "FROM",    "WHERE", "AS",     "SET",    "ON",     "HAVING", "GROUP", "ORDER",   "BY",
        "ASC",      "DESC",   "VALUES",  "INTO",  "UPDATE", "DELETE", "INSERT", "JOIN",   "INNER", "LEFT",    "RIGHT",
        "OUTER",    "CROSS",  "UNION",   "ALL",   "ESCAPE", "EXISTS", "CASE",   "WHEN",   "THEN",  "ELSE",    "END",
        "LIMIT",    "OFFSET", "COLLATE", "GLOB",  "MATCH",  "REGEXP", "USING",  "NATURAL"};
    for (std::string_view r : kReservadas) {
        if (IgualSemCaixa(p, r)) {
            return true;
        }
    }
    return false;
}

// UPDATE <table> [AS] <alias> SET ... and DELETE [*] FROM <table> [AS] <alias> WHERE ...:
// the engine takes no alias there, so the statement names the table alone and its WHERE
// clause picks the rows through a sub-query in which the alias still means the target
// table, whatever sub-queries the clause holds (writing the table's name where the alias
// stood would rebind the alias to any sub-query over that same table). A column that a
// SET list assigns loses its qualifier, and the alias in a value of the SET list becomes
// the table's name. DELETE * FROM and DELETE <name>.* FROM are Jet's way of saying that
// whole rows go.
void ReescreverAlvo(std::vector<Token>& t) {
    const size_t comando = Proximo(t, 0);
    const bool exclusao = EhPalavra(t, comando, "DELETE");
    if (!exclusao && !EhPalavra(t, comando, "UPDATE")) {
        return;
    }
    std::vector<Token> saida(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(comando) + 1);
    size_t i = Proximo(t, comando + 1);
    if (exclusao) {
        size_t estrela = i;
        if (i < t.size() && t[i].tipo == TipoToken::Identificador && !EhPalavra(t, i, "FROM") &&
            EhSimbolo(t, Proximo(t, i + 1), ".")) {
            estrela = Proximo(t, Proximo(t, i + 1) + 1);
        }
        if (EhSimbolo(t, estrela, "*")) {
            i = Proximo(t, estrela + 1);
        }
        if (!EhPalavra(t, i, "FROM")) {
            return;
        }
        saida.push_back(Branco());
        saida.push_back(t[i]);
        i = Proximo(t, i + 1);
    }
    const size_t tabela = i;
    if (tabela >= t.size() || t[tabela].tipo != TipoToken::Identificador || EhPalavraReservada(t[tabela].texto)) {
        return;
    }
    saida.push_back(Branco());
    saida.push_back(t[tabela]);
    size_t resto = tabela + 1;
    std::string alias;
    size_t candidato = Proximo(t, tabela + 1);
    if (EhPalavra(t, candidato, "AS")) {
        candidato = Proximo(t, candidato + 1);
    }
    if (candidato < t.size() && t[candidato].tipo == TipoToken::Identificador &&
        !EhPalavraReservada(t[candidato].texto)) {
        alias = t[candidato].texto;
        resto = candidato + 1;
    } else if (candidato != Proximo(t, tabela + 1)) {
        return; // AS without a name: left for the engine to report
    }
    const std::string& nomeTabela = t[tabela].texto;
    auto qualifica = [&](size_t k, std::string_view nome) {
        return k < t.size() && t[k].tipo == TipoToken::Identificador && IgualSemCaixa(t[k].texto, nome) &&
               EhSimbolo(t, Proximo(t, k + 1), ".");
    };

    int profundidade = 0;
    bool listaSet = false;
    bool inicioDeAtribuicao = false;
    for (size_t k = resto; k < t.size(); ++k) {
        const Token& tk = t[k];
        if (tk.tipo == TipoToken::Outro && (tk.texto == "(" || tk.texto == ")")) {
            profundidade += tk.texto == "(" ? 1 : -1;
        }
        if (profundidade == 0 && !exclusao && EhPalavra(t, k, "SET")) {
            listaSet = true;
            inicioDeAtribuicao = true;
            saida.push_back(tk);
            continue;
        }
        if (profundidade == 0 && EhPalavra(t, k, "WHERE")) {
            listaSet = false;
            if (!alias.empty()) {
                // The whole clause moves, unchanged, into the sub-query that declares the alias.
                const std::vector<Token> selecao =
                    Tokenizar("WHERE rowid IN (SELECT " + alias + ".rowid FROM " + nomeTabela + " AS " + alias + " ");
                saida.insert(saida.end(), selecao.begin(), selecao.end());
                size_t fimWhere = k + 1;
                for (; fimWhere < t.size(); ++fimWhere) {
                    if (EhSimbolo(t, fimWhere, "(")) {
                        ++profundidade;
                    } else if (EhSimbolo(t, fimWhere, ")")) {
                        --profundidade;
                    } else if (profundidade == 0 && EhSimbolo(t, fimWhere, ";")) {
                        break;
                    }
                }
                saida.push_back(tk);
                saida.insert(saida.end(), t.begin() + static_cast<std::ptrdiff_t>(k) + 1,
                             t.begin() + static_cast<std::ptrdiff_t>(fimWhere));
                saida.push_back(Simbolo(")"));
                saida.insert(saida.end(), t.begin() + static_cast<std::ptrdiff_t>(fimWhere), t.end());
                t = std::move(saida);
                return;
            }
        }
        if (listaSet) {
            if (profundidade == 0 && EhSimbolo(t, k, ",")) {
                inicioDeAtribuicao = true;
                saida.push_back(tk);
                continue;
            }
            if (inicioDeAtribuicao && tk.tipo != TipoToken::Espaco) {
                inicioDeAtribuicao = false;
                if ((!alias.empty() && qualifica(k, alias)) || qualifica(k, nomeTabela)) {
                    k = Proximo(t, Proximo(t, k + 1) + 1);
                    if (k >= t.size()) {
                        break;
                    }
                    saida.push_back(t[k]);
                    continue;
                }
            }
            if (!alias.empty() && qualifica(k, alias)) {
                saida.push_back(t[tabela]);
                continue;
            }
        }
        saida.push_back(tk);
    }
    t = std::move(saida);
}

// Jet's & joins the texts of its operands: a rewritten operand chain a & b & c becomes
// concatenar_jet(a, b, c). & binds looser than arithmetic and tighter than comparisons,
// so an operand is the run of values, names, calls, parentheses and arithmetic between
// two & or up to a comma, a comparison or a keyword.
enum class PapelItem { Espaco, Operando, E, Fronteira };

struct Item {
    PapelItem papel;
    std::vector<Token> tokens;
};

PapelItem PapelDe(const Token& t) {
    switch (t.tipo) {
    case TipoToken::Espaco:
        return PapelItem::Espaco;
    case TipoToken::Literal:
    case TipoToken::Numero:
    case TipoToken::Chave:
        return PapelItem::Operando;
    case TipoToken::Identificador:
        return EhPalavraReservada(t.texto) ? PapelItem::Fronteira : PapelItem::Operando;
    case TipoToken::Outro:
        if (t.texto == "&") {
            return PapelItem::E;
        }
        for (const char* s : {".", "+", "-", "*", "/", "%", "^", "\\"}) {
            if (t.texto == s) {
                return PapelItem::Operando;
            }
        }
        return PapelItem::Fronteira;
    }
    return PapelItem::Fronteira;
}

void EmitirCadeia(std::vector<Token>& saida, std::vector<Item>& cadeia) {
    bool temE = false;
    for (const Item& item : cadeia) {
        temE = temE || item.papel == PapelItem::E;
    }
    if (!temE) {
        for (Item& item : cadeia) {
            saida.insert(saida.end(), item.tokens.begin(), item.tokens.end());
        }
        cadeia.clear();
        return;
    }
    size_t inicio = 0;
    size_t fim = cadeia.size();
    while (cadeia[inicio].papel == PapelItem::Espaco) {
        ++inicio;
    }
    while (cadeia[fim - 1].papel == PapelItem::Espaco) {
        --fim;
    }
    for (size_t k = 0; k < inicio; ++k) {
        saida.insert(saida.end(), cadeia[k].tokens.begin(), cadeia[k].tokens.end());
    }
    saida.push_back(Palavra("concatenar_jet"));
    saida.push_back(Simbolo("("));
    bool operandoVazio = true;
    for (size_t k = inicio; k < fim; ++k) {
        if (cadeia[k].papel == PapelItem::E) {
            if (operandoVazio) {
                break;
            }
            saida.push_back(Simbolo(","));
            operandoVazio = true;
            continue;
        }
        operandoVazio = operandoVazio && cadeia[k].papel != PapelItem::Operando;
        saida.insert(saida.end(), cadeia[k].tokens.begin(), cadeia[k].tokens.end());
    }
    if (operandoVazio) {
        Recusar("falta um valor de um dos lados de \"&\".");
    }
    saida.push_back(Simbolo(")"));
    for (size_t k = fim; k < cadeia.size(); ++k) {
        saida.insert(saida.end(), cadeia[k].tokens.begin(), cadeia[k].tokens.end());
    }
    cadeia.clear();
}

// Rewrites the & chains from t[i] to the parenthesis that closes the current level (left
// in t[i]) or to the end; nested levels are rewritten first, each as one operand.
std::vector<Token> ReescreverConcatenacao(const std::vector<Token>& t, size_t& i) {
    std::vector<Token> saida;
    std::vector<Item> cadeia;
    while (i < t.size() && !EhSimbolo(t, i, ")")) {
        Item item{PapelDe(t[i]), {t[i]}};
        if (EhSimbolo(t, i, "(")) {
            ++i;
            std::vector<Token> interno = ReescreverConcatenacao(t, i);
            item = {PapelItem::Operando, {Simbolo("(")}};
            item.tokens.insert(item.tokens.end(), interno.begin(), interno.end());
            if (i < t.size()) {
                item.tokens.push_back(t[i]);
            }
        }
        ++i;
        if (item.papel == PapelItem::Fronteira) {
            EmitirCadeia(saida, cadeia);
            saida.insert(saida.end(), item.tokens.begin(), item.tokens.end());
        } else {
            cadeia.push_back(std::move(item));
        }
    }
    EmitirCadeia(saida, cadeia);
    return saida;
}

void TraduzirConcatenacao(std::vector<Token>& t) {
    // Most statements join no texts: they pass as they are, without the cost of the rewriting.
    if (std::none_of(t.begin(), t.end(), [](const Token& k) { return k.tipo == TipoToken::Outro && k.texto == "&"; })) {
        return;
    }
    std::vector<Token> saida;
    size_t i = 0;
    for (;;) {
        std::vector<Token> nivel = ReescreverConcatenacao(t, i);
        saida.insert(saida.end(), nivel.begin(), nivel.end());
        if (i >= t.size()) {
            break;
        }
        saida.push_back(t[i++]); // a ")" without its "(": left for the engine to report
    }
    t = std::move(saida);
}

bool EhPalavra(const Token& t, std::string_view palavra) {
    return t.tipo == TipoToken::Identificador && IgualSemCaixa(t.texto, palavra);
}

bool EhSimbolo(const Token& t, std::string_view simbolo) {
    return t.tipo == TipoToken::Outro && t.texto == simbolo;
}

// Whether the table named or aliased `qualificador` indexes the key of `coluna`'s trimmed text.
// `tabelas` pairs each name and alias of a table with such keys in the statement with the table.
bool TemChave(const std::vector<std::pair<std::string, std::string_view>>& tabelas, const std::string& qualificador,
              const std::string& coluna) {
    for (const auto& [nome, tabela] : tabelas) {
        if (IgualSemCaixa(nome, qualificador)) {
            for (const auto& texto : kTextosComChave) {
                if (texto.tabela == tabela && IgualSemCaixa(texto.coluna, coluna)) {
                    return true;
                }
            }
        }
    }
    return false;
}

// TRIM(A.column) = 'text' trims the text of every row it looks at, and no index can serve it. Where
// A is a table (or its alias) with an index on the key of that column's trimmed text (kTextosComChave), the
// comparison becomes (chave_jet(A.column) = <key of 'text'> AND TRIM(A.column) = 'text'): texts
// equal under the collation have equal keys, so exactly the same rows match, and the index finds
// the few rows that share the key. Only a comparison that stands whole after WHERE, AND, OR or an
// opening parenthesis, up to AND, OR, a closing parenthesis or the end, is changed.
void AcrescentarChavesTexto(std::vector<Token>& t) {
    if (std::none_of(t.begin(), t.end(), [](const Token& k) { return EhPalavra(k, "TRIM"); }) ||
        std::any_of(t.begin(), t.end(), [](const Token& k) { return EhPalavra(k, "BETWEEN"); })) {
        return; // (the AND of a BETWEEN is no conjunction)
    }
    std::vector<std::pair<std::string, std::string_view>> tabelas;
    for (size_t i = 0; i < t.size(); ++i) {
        const auto texto = std::find_if(std::begin(kTextosComChave), std::end(kTextosComChave), [&](const auto& k) {
            return t[i].tipo == TipoToken::Identificador && IgualSemCaixa(t[i].texto, k.tabela);
        });
        if (texto == std::end(kTextosComChave)) {
            continue;
        }
        const std::string_view tabela = texto->tabela;
        tabelas.emplace_back(t[i].texto, tabela);
        size_t alias = Proximo(t, i + 1);
        if (alias < t.size() && EhPalavra(t[alias], "AS")) {
            alias = Proximo(t, alias + 1);
        }
        if (alias < t.size() && t[alias].tipo == TipoToken::Identificador) {
            tabelas.emplace_back(t[alias].texto, tabela);
        }
    }
    size_t anterior = t.size();
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].tipo == TipoToken::Espaco) {
            continue;
        }
        const bool inicioDeTermo =
            anterior < t.size() && (EhPalavra(t[anterior], "WHERE") || EhPalavra(t[anterior], "AND") ||
                                    EhPalavra(t[anterior], "OR") || EhSimbolo(t[anterior], "("));
        anterior = i;
        if (!inicioDeTermo || !EhPalavra(t[i], "TRIM")) {
            continue;
        }
        // p: TRIM ( qualifier . column ) = 'text', then the token after the comparison (or the end).
        size_t p[9] = {i};
        for (size_t k = 1; k < 9; ++k) {
            p[k] = p[k - 1] < t.size() ? Proximo(t, p[k - 1] + 1) : t.size();
        }
        if (p[7] >= t.size() || !EhSimbolo(t[p[1]], "(") || t[p[2]].tipo != TipoToken::Identificador ||
            !EhSimbolo(t[p[3]], ".") || t[p[4]].tipo != TipoToken::Identificador || !EhSimbolo(t[p[5]], ")") ||
            !EhSimbolo(t[p[6]], "=") || t[p[7]].tipo != TipoToken::Literal) {
            continue;
        }
        if (p[8] < t.size() && !EhPalavra(t[p[8]], "AND") && !EhPalavra(t[p[8]], "OR") && !EhSimbolo(t[p[8]], ")")) {
            continue;
        }
        if (!TemChave(tabelas, t[p[2]].texto, t[p[4]].texto)) {
            continue;
        }
        const int64_t valor = ChaveJet(std::get<std::string>(t[p[7]].valor));
        t.insert(t.begin() + static_cast<std::ptrdiff_t>(p[7]) + 1, {TipoToken::Outro, ")", {}});
        t.insert(t.begin() + static_cast<std::ptrdiff_t>(i),
                 {{TipoToken::Outro, "(chave_jet(" + t[p[2]].texto + "." + t[p[4]].texto + ") = ", {}},
                  {TipoToken::Chave, "?", valor},
                  {TipoToken::Outro, " AND ", {}}});
        i = p[7] + 4;
        anterior = i;
    }
}

// ---------------------------------------------------------------------------
// SQL functions.

std::string_view TextoDe(sqlite3_value* v) {
    auto p = reinterpret_cast<const char*>(sqlite3_value_text(v));
    int n = sqlite3_value_bytes(v);
    return p ? std::string_view(p, static_cast<size_t>(n)) : std::string_view();
}

void FuncaoMid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int k = 0; k < argc; ++k) {
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    std::string_view texto = TextoDe(argv[0]);
    sqlite3_int64 inicio = sqlite3_value_int64(argv[1]);
    if (inicio < 1) {
        sqlite3_result_error(ctx, "Invalid procedure call or argument (mid)", -1);
        return;
    }
    size_t quantidade = std::string::npos;
    if (argc == 3) {
        sqlite3_int64 q = sqlite3_value_int64(argv[2]);
        if (q < 0) {
            sqlite3_result_error(ctx, "Invalid procedure call or argument (mid)", -1);
            return;
        }
        quantidade = static_cast<size_t>(q);
    }
    std::string parte = SubUtf8(texto, static_cast<size_t>(inicio - 1), quantidade);
    sqlite3_result_text(ctx, parte.data(), static_cast<int>(parte.size()), SQLITE_TRANSIENT);
}

void FuncaoSwitch(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (argc % 2 != 0) {
        sqlite3_result_error(ctx, "switch: the arguments must come in pairs of condition and value", -1);
        return;
    }
    for (int k = 0; k < argc; k += 2) {
        if (sqlite3_value_type(argv[k]) != SQLITE_NULL && sqlite3_value_double(argv[k]) != 0.0) {
            sqlite3_result_value(ctx, argv[k + 1]);
            return;
        }
    }
    sqlite3_result_null(ctx);
}

// a & b: the texts of the operands joined, a number written as the program reads it
// ("1,5"), a null as no text; null only when every operand is null.
void FuncaoConcatenar(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    std::string texto;
    bool algum = false;
    for (int k = 0; k < argc; ++k) {
        switch (sqlite3_value_type(argv[k])) {
        case SQLITE_NULL:
            continue;
        case SQLITE_INTEGER:
            texto += std::to_string(sqlite3_value_int64(argv[k]));
            break;
        case SQLITE_FLOAT:
            texto += FormatoGeral(sqlite3_value_double(argv[k]));
            break;
        default:
            texto += TextoDe(argv[k]);
        }
        algum = true;
    }
    if (!algum) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_text(ctx, texto.data(), static_cast<int>(texto.size()), SQLITE_TRANSIENT);
}

// A LIKE pattern read once: % any run, _ one character, [abc], [a-c] and [!a] one
// character of (or outside) the list, the escape character making the next one plain.
// Letters are folded as CompararJet folds them, in the pattern and in the text alike.
class PadraoLike {
public:
    PadraoLike(std::string_view padrao, char32_t escape) : escape_(escape) {
        const std::vector<char32_t> p = Dobrar(padrao);
        for (size_t k = 0; k < p.size();) {
            const char32_t c = p[k];
            if (escape != 0 && c == escape && k + 1 < p.size()) {
                elementos_.emplace_back(Tipo::Letra, p[k + 1]);
                k += 2;
            } else if (c == '%') {
                if (elementos_.empty() || elementos_.back().tipo != Tipo::Sequencia) {
                    elementos_.emplace_back(Tipo::Sequencia);
                }
                ++k;
            } else if (c == '_') {
                elementos_.emplace_back(Tipo::Um);
                ++k;
            } else if (c == '[') {
                k = LerLista(p, k + 1);
            } else {
                elementos_.emplace_back(Tipo::Letra, c);
                ++k;
            }
        }
    }

    char32_t Escape() const { return escape_; }

    bool Combina(std::string_view texto) const {
        const std::vector<char32_t> t = Dobrar(texto);
        size_t ti = 0;
        size_t pi = 0;
        size_t sequenciaP = std::string::npos;
        size_t sequenciaT = 0;
        while (ti < t.size()) {
            if (pi < elementos_.size()) {
                if (elementos_[pi].tipo == Tipo::Sequencia) {
                    sequenciaP = pi++;
                    sequenciaT = ti;
                    continue;
                }
                if (elementos_[pi].Aceita(t[ti])) {
                    ++pi;
                    ++ti;
                    continue;
                }
            }
            if (sequenciaP == std::string::npos) {
                return false;
            }
            pi = sequenciaP + 1;
            ti = ++sequenciaT;
        }
        while (pi < elementos_.size() && elementos_[pi].tipo == Tipo::Sequencia) {
            ++pi;
        }
        return pi == elementos_.size();
    }

private:
    enum class Tipo { Sequencia, Um, Letra, Lista };

    struct Elemento {
        explicit Elemento(Tipo t, char32_t l = 0) : tipo(t), letra(l) {}

        Tipo tipo;
        char32_t letra;
        bool negada = false;
        std::vector<std::pair<char32_t, char32_t>> faixas;

        bool Aceita(char32_t c) const {
            switch (tipo) {
            case Tipo::Um:
                return true;
            case Tipo::Letra:
                return c == letra;
            case Tipo::Lista:
                for (const auto& [de, ate] : faixas) {
                    if (c >= de && c <= ate) {
                        return !negada;
                    }
                }
                return negada;
            case Tipo::Sequencia:
                break;
            }
            return false;
        }
    };

    // The list that starts at p[k], just after its "[": returns the position after its "]".
    // "-" between two characters makes a range; first or last it is itself. An empty list
    // "[]" stands for no character at all; "[!]" takes any one character.
    size_t LerLista(const std::vector<char32_t>& p, size_t k) {
        Elemento lista(Tipo::Lista);
        if (k < p.size() && p[k] == '!') {
            lista.negada = true;
            ++k;
        }
        while (k < p.size() && p[k] != ']') {
            if (k + 2 < p.size() && p[k + 1] == '-' && p[k + 2] != ']') {
                if (p[k] > p[k + 2]) {
                    throw ErroBanco("Padrão inválido no LIKE: a faixa de uma lista entre colchetes vai em ordem "
                                    "crescente ([a-z], não [z-a]).");
                }
                lista.faixas.emplace_back(p[k], p[k + 2]);
                k += 3;
            } else {
                lista.faixas.emplace_back(p[k], p[k]);
                ++k;
            }
        }
        if (k >= p.size()) {
            throw ErroBanco("Padrão inválido no LIKE: \"[\" sem o \"]\" que fecha a lista (para procurar o próprio "
                            "\"[\", use \"[[]\").");
        }
        if (!lista.faixas.empty() || lista.negada) {
            elementos_.push_back(std::move(lista));
        }
        return k + 1;
    }

    std::vector<Elemento> elementos_;
    char32_t escape_;
};

void FuncaoLike(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int k = 0; k < argc; ++k) {
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
    }
    char32_t escape = 0;
    if (argc == 3) {
        auto e = Dobrar(TextoDe(argv[2]));
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    // "text LIKE pattern" calls like(pattern, text). The pattern is read once per statement
    // and kept with it while it stays the same.
    try {
        auto* guardado = static_cast<PadraoLike*>(sqlite3_get_auxdata(ctx, 0));
        std::unique_ptr<PadraoLike> novo;
        if (!guardado || guardado->Escape() != escape) {
            novo = std::make_unique<PadraoLike>(TextoDe(argv[0]), escape);
            guardado = novo.get();
        }
        sqlite3_result_int(ctx, guardado->Combina(TextoDe(argv[1])) ? 1 : 0);
        if (novo) {
            sqlite3_set_auxdata(ctx, 0, novo.release(), [](void* p) { delete static_cast<PadraoLike*>(p); });
        }
    } catch (const ErroBanco& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(ctx);
    }
}

// chave_jet(text): the key of the trimmed text (ChaveJet), null for null.
void FuncaoChaveJet(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
    } else {
        sqlite3_result_int64(ctx, ChaveJet(TextoDe(argv[0])));
    }
}

int ColacaoJet(void*, int na, const void* a, int nb, const void* b) {
    return CompararJet(std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
                       std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

} // namespace

bool CombinaLike(std::string_view texto, std::string_view padrao) {
    return PadraoLike(padrao, 0).Combina(texto);
}

SQLTraduzido TraduzirSQL(std::string_view jet) {
    std::vector<Token> tokens = Tokenizar(jet);
    ReescreverAlvo(tokens);
    TraduzirConcatenacao(tokens);
    AcrescentarChavesTexto(tokens);
    SQLTraduzido saida;
    saida.texto.reserve(jet.size() + 16);
    // Numbers after ORDER BY, GROUP BY, LIMIT or OFFSET keep their positional meaning
    // and stay in the text; elsewhere they are bound like the quoted texts.
    bool numeroLiteral = false;
    for (auto& t : tokens) {
        switch (t.tipo) {
        case TipoToken::Literal:
            saida.texto += "? COLLATE JET";
            saida.parametros.push_back(std::move(t.valor));
            break;
        case TipoToken::Chave:
            saida.texto += '?';
            saida.parametros.push_back(t.valor);
            break;
        case TipoToken::Numero:
            if (numeroLiteral) {
                saida.texto += t.texto;
            } else {
                saida.texto += '?';
                saida.parametros.push_back(t.valor);
            }
            break;
        case TipoToken::Identificador:
            static constexpr std::string_view kVoltamAParametro[] = {"SELECT", "FROM", "WHERE", "SET", "VALUES",
                                                                     "HAVING", "ON",   "AND",   "OR"};
            for (std::string_view palavra : kVoltamAParametro) {
                if (IgualSemCaixa(t.texto, palavra)) {
                    numeroLiteral = false;
                }
            }
            static constexpr std::string_view kPosicionais[] = {"ORDER", "GROUP", "LIMIT", "OFFSET"};
            for (std::string_view palavra : kPosicionais) {
                if (IgualSemCaixa(t.texto, palavra)) {
                    numeroLiteral = true;
                }
            }
            saida.texto += t.texto;
            break;
        default:
            saida.texto += t.texto;
            break;
        }
    }
    return saida;
}

int RegistrarFuncoesJet(sqlite3* banco) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    int rc = sqlite3_create_function(banco, "mid", 2, flags, nullptr, FuncaoMid, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "mid", 3, flags, nullptr, FuncaoMid, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "switch", -1, flags, nullptr, FuncaoSwitch, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "concatenar_jet", -1, flags, nullptr, FuncaoConcatenar, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "like", 2, flags, nullptr, FuncaoLike, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "like", 3, flags, nullptr, FuncaoLike, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_function(banco, "chave_jet", 1, flags, nullptr, FuncaoChaveJet, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) {
        rc = sqlite3_create_collation(banco, "JET", SQLITE_UTF8, nullptr, ColacaoJet);
    }
    return rc;
}

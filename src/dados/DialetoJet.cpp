#include "dados/DialetoJet.h"

#include "comum/LetrasCp1252.h"
#include "comum/Utf8.h"

// The same registration is built into the loadable extension korvex_jet.so; there the
// engine's functions are reached through the table that the loading client hands over.
#ifdef KORVEX_EXTENSAO_SQLITE
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <cctype>
#include <cstdlib>
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

enum class TipoToken { Espaco, Literal, Numero, Identificador, Outro };

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
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
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

// UPDATE <table> <alias> SET ... and DELETE FROM <table> <alias> WHERE ...: the
// engine refuses the alias, so the alias and every "<alias>." are removed.
void RemoverAlias(std::vector<Token>& t) {
    size_t i = Proximo(t, 0);
    if (i >= t.size() || t[i].tipo != TipoToken::Identificador) {
        return;
    }
    const char* palavraSeguinte = nullptr;
    if (IgualSemCaixa(t[i].texto, "UPDATE")) {
        palavraSeguinte = "SET";
    } else if (IgualSemCaixa(t[i].texto, "DELETE")) {
        palavraSeguinte = "WHERE";
        size_t j = Proximo(t, i + 1);
        if (j < t.size() && IgualSemCaixa(t[j].texto, "FROM")) {
            i = j;
        }
    } else {
        return;
    }
    size_t tabela = Proximo(t, i + 1);
    if (tabela >= t.size() || t[tabela].tipo != TipoToken::Identificador) {
        return;
    }
    size_t alias = Proximo(t, tabela + 1);
    if (alias >= t.size() || t[alias].tipo != TipoToken::Identificador ||
        IgualSemCaixa(t[alias].texto, palavraSeguinte)) {
        return;
    }
    const std::string nomeAlias = t[alias].texto;
    t.erase(t.begin() + static_cast<std::ptrdiff_t>(alias));
    for (size_t k = 0; k + 1 < t.size();) {
        if (t[k].tipo == TipoToken::Identificador && IgualSemCaixa(t[k].texto, nomeAlias) &&
            t[k + 1].tipo == TipoToken::Outro && t[k + 1].texto == ".") {
            t.erase(t.begin() + static_cast<std::ptrdiff_t>(k), t.begin() + static_cast<std::ptrdiff_t>(k + 2));
        } else {
            ++k;
        }
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

bool Combina(const std::vector<char32_t>& t, const std::vector<char32_t>& p, char32_t escape) {
    size_t ti = 0;
    size_t pi = 0;
    size_t estrelaP = std::string::npos;
    size_t estrelaT = 0;
    while (ti < t.size()) {
        if (pi < p.size()) {
            char32_t pc = p[pi];
            if (escape != 0 && pc == escape && pi + 1 < p.size()) {
                if (p[pi + 1] == t[ti]) {
                    pi += 2;
                    ++ti;
                    continue;
                }
            } else if (pc == '%') {
                estrelaP = pi++;
                estrelaT = ti;
                continue;
            } else if (pc == '_' || pc == t[ti]) {
                ++pi;
                ++ti;
                continue;
            }
        }
        if (estrelaP == std::string::npos) {
            return false;
        }
        pi = estrelaP + 1;
        ti = ++estrelaT;
    }
    while (pi < p.size() && p[pi] == '%') {
        ++pi;
    }
    return pi == p.size();
}

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
    bool ok = Combina(Dobrar(TextoDe(argv[1])), Dobrar(TextoDe(argv[0])), escape);
    sqlite3_result_int(ctx, ok ? 1 : 0);
}

int ColacaoJet(void*, int na, const void* a, int nb, const void* b) {
    return CompararJet(std::string_view(static_cast<const char*>(a), static_cast<size_t>(na)),
                       std::string_view(static_cast<const char*>(b), static_cast<size_t>(nb)));
}

} // namespace

bool CombinaLike(std::string_view texto, std::string_view padrao) {
    return Combina(Dobrar(texto), Dobrar(padrao), 0);
}

SQLTraduzido TraduzirSQL(std::string_view jet) {
    std::vector<Token> tokens = Tokenizar(jet);
    RemoverAlias(tokens);
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
        case TipoToken::Numero:
            if (numeroLiteral) {
                saida.texto += t.texto;
            } else {
                saida.texto += '?';
                saida.parametros.push_back(t.valor);
            }
            break;
        case TipoToken::Identificador:
            for (const char* palavra : {"SELECT", "FROM", "WHERE", "SET", "VALUES", "HAVING", "ON", "AND", "OR"}) {
                if (IgualSemCaixa(t.texto, palavra)) {
                    numeroLiteral = false;
                }
            }
            for (const char* palavra : {"ORDER", "GROUP", "LIMIT", "OFFSET"}) {
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

void RegistrarFuncoesJet(sqlite3* banco) {
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(banco, "mid", 2, flags, nullptr, FuncaoMid, nullptr, nullptr);
    sqlite3_create_function(banco, "mid", 3, flags, nullptr, FuncaoMid, nullptr, nullptr);
    sqlite3_create_function(banco, "switch", -1, flags, nullptr, FuncaoSwitch, nullptr, nullptr);
    sqlite3_create_function(banco, "like", 2, flags, nullptr, FuncaoLike, nullptr, nullptr);
    sqlite3_create_function(banco, "like", 3, flags, nullptr, FuncaoLike, nullptr, nullptr);
    sqlite3_create_collation(banco, "JET", SQLITE_UTF8, nullptr, ColacaoJet);
}

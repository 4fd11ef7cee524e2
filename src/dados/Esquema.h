#pragma once
// The listing database's tables: the program's own tables, the agency's reference
// tables and their natural keys and lookup indexes. The program itself never creates
// or alters tables; korvex-admin creates them with this schema.

#include <string>
#include <string_view>
#include <vector>

class TConexao;

struct ColunaEsquema {
    std::string nome;
    std::string tipo; // "TEXT", "INTEGER" or "REAL"
};

struct TabelaEsquema {
    std::string nome;
    std::vector<ColunaEsquema> colunas;
    std::vector<std::string> chave;                // primary key columns
    std::vector<std::vector<std::string>> indices; // further indexes
    bool referencia = false;                       // filled from the agency's data
};

// A text column that statements compare as TRIM(column) = 'text' (the duplicate checks). An index
// of its table holds the column's key, chave_jet(column) (ChaveJet of the trimmed text), and the
// data layer lets such a comparison find its rows through that key (see TraduzirSQL) instead of
// trimming the text of every row. (Header-only: the SQL extension's build uses it too.)
struct TextoComChave {
    std::string_view tabela;
    std::string_view coluna;
};
inline constexpr TextoComChave kTextosComChave[] = {{"KX_EXPINSUMO", "exp_descins"}, {"KX_EXPINSUMO", "exp_espetec"}};

// The version of the schema that CriarEsquema makes, kept in the database's user_version.
inline constexpr int kVersaoEsquema = 1;

// Every table of the listing database, in creation order.
const std::vector<TabelaEsquema>& TabelasEsquema();

// The table of that name (compared without case), or nullptr.
const TabelaEsquema* TabelaEsquemaPorNome(const std::string& nome);

// Creates every table and index on a new, empty database, in one transaction.
void CriarEsquema(TConexao& conexao);

// Brings a listing database made by an earlier version of the program to this schema, in one
// transaction, keeping every row as it was; does nothing to a current database or to a file
// without the listing's tables. Version 1 indexes the keys of the trimmed texts.
void AtualizarEsquema(TConexao& conexao);

// Refreshes the query planner's statistics of the tables that the listing query joins. The
// query ties a product's code to the first four characters of the zone product's code, which
// no index serves: without statistics the engine reads every zone product once for each
// listing product, with them it reads the zone products once and finds the listing products
// by index. The statistics change no data.
void AtualizarEstatisticas(TConexao& conexao);

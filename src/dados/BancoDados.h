#pragma once
// Data access layer over SQLCipher: what the program needs of a database connection
// (open with the password, transactions, commands with rows affected) and of a query
// (statement text, results read fully on open and walked row by row). Statements are
// written in the program's Jet dialect; the layer gives them their Jet meaning:
//  - mid(text, start, length) and switch(cond, value, ...) are SQL functions;
//  - a table alias in UPDATE or DELETE keeps meaning the target table, also inside
//    sub-queries; DELETE * FROM is accepted; & joins texts;
//  - one statement at a time; comments and parameter markers outside quotes are refused;
//  - text comparisons, LIKE, ORDER BY and MAX ignore the case of every Windows-1252
//    letter, accented ones included (collation JET and a folding LIKE, which also
//    knows Jet's character lists [abc], [a-c] and [!a]);
//  - columns are found by name without regard to case;
//  - NULL reads as empty text, a floating-point value reads as text in the general
//    format with a decimal comma ("1,5").
// Quoted text in a statement is never changed. Every failure is raised as ErroBanco; the
// common ones (database in use, disk full, a file that is not a database or is damaged) are
// told in Portuguese with the engine's message after it in brackets, the others carry the
// engine's message.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// How long a connection waits for another process that is writing to the database before
// the operation fails with "O banco de dados está em uso ...".
inline constexpr int kEsperaBancoOcupadoMs = 5000;

// One cell of a result.
using ValorBanco = std::variant<std::monostate, int64_t, double, std::string>;

class TConexao {
public:
    TConexao();
    ~TConexao();
    TConexao(const TConexao&) = delete;
    TConexao& operator=(const TConexao&) = delete;

    // Opens an existing database file with its password and checks the key by reading. The
    // error names the file and the cause.
    void Abrir(const std::string& arquivo, const std::string& senha);
    // Opens the file as Abrir does, but only when the first statement is prepared on the
    // connection: a connection that a run never uses costs no key derivation (about 50 ms).
    void AbrirAoUsar(const std::string& arquivo, const std::string& senha);
    // Creates a new, empty encrypted database file (fails if the file exists).
    void Criar(const std::string& arquivo, const std::string& senha);
    void Fechar();
    bool Conectada() const { return banco_ != nullptr; }
    const std::string& Arquivo() const { return arquivo_; }

    bool EmTransacao() const;
    void IniciarTransacao();
    void ConfirmarTransacao();
    void DesfazerTransacao();

    // Runs a command (Jet dialect) and returns the number of rows it affected.
    int Executar(const std::string& sql);
    // Runs native SQLite script text as it stands (schema creation); no translation.
    void ExecutarNativo(const std::string& sql);

    sqlite3* Handle() const { return banco_; }

    // Prepared statement for a translated text, from the connection's cache.
    sqlite3_stmt* Preparar(const std::string& sqlTraduzido);

private:
    void AbrirArquivo(const std::string& arquivo, const std::string& senha, int flags, bool novo);
    void Configurar(const std::string& senha);
    void LiberarCache();

    sqlite3* banco_ = nullptr;
    std::string arquivo_;
    std::string arquivoAdiado_, senhaAdiada_; // for AbrirAoUsar, until the first statement
    struct Cache;
    std::unique_ptr<Cache> cache_;
};

// Begins a transaction when none is open and rolls it back on destruction unless
// Confirmar was called. When a transaction was already open it does nothing.
class TTransacao {
public:
    explicit TTransacao(TConexao& conexao);
    ~TTransacao();
    TTransacao(const TTransacao&) = delete;
    TTransacao& operator=(const TTransacao&) = delete;
    void Confirmar();

private:
    TConexao& conexao_;
    bool propria_ = false;
};

// A query: statement text set by the caller, opened (rows read fully) or executed.
class TConsulta {
public:
    explicit TConsulta(TConexao* conexao = nullptr);
    ~TConsulta();

    void DefinirConexao(TConexao* conexao);
    TConexao* Conexao() const { return conexao_; }

    void DefinirSQL(std::string sql) { sql_ = std::move(sql); }
    const std::string& SQL() const { return sql_; }

    // Runs the statement and reads all its rows; positions on the first row.
    void Abrir();
    // Sets the statement and opens it (the previous result dropped); gives the query back.
    TConsulta& Abrir(std::string sql);
    // Drops the result.
    void Fechar();
    bool Ativa() const { return ativa_; }
    // Runs the statement as a command; returns the rows affected.
    int ExecutarComando();
    // Sets the statement and runs it as a command; returns the rows affected.
    int ExecutarComando(std::string sql);
    int LinhasAfetadas() const { return linhasAfetadas_; }

    int QuantidadeRegistros() const { return static_cast<int>(linhas_.size()); }
    int Posicao() const { return posicao_; }
    void Primeiro();
    void Ultimo();
    void Proximo();
    void Anterior();
    bool Fim() const;    // past the last row (or no rows)
    bool Inicio() const; // before the first row (or no rows)
    bool Vazia() const { return linhas_.empty(); }

    int QuantidadeCampos() const { return static_cast<int>(colunas_.size()); }
    const std::string& NomeCampo(int indice) const;
    // Index of a column by name without regard to case, or -1.
    int IndiceCampo(std::string_view nome) const;

    // Values of the current row. An unknown column raises ErroBanco; reading with no
    // current row raises ErroBanco.
    const ValorBanco& Valor(std::string_view nome) const;
    const ValorBanco& Valor(int indice) const;
    bool Nulo(std::string_view nome) const;
    std::string Texto(std::string_view nome) const;
    std::string Texto(int indice) const;
    int64_t Inteiro(std::string_view nome) const;
    double Flutuante(std::string_view nome) const;

private:
    // Translates the statement, takes its prepared form and binds its literals.
    sqlite3_stmt* PrepararComando();

    TConexao* conexao_ = nullptr;
    std::string sql_;
    bool ativa_ = false;
    int linhasAfetadas_ = 0;
    std::vector<std::string> colunas_;
    std::vector<std::vector<ValorBanco>> linhas_;
    int posicao_ = 0;
};

// A value read as text by the program's rules: NULL is empty text, an integer in
// decimal, a floating-point value in the general format ("1,5").
std::string ValorComoTexto(const ValorBanco& valor);

// Q(x): the text in single quotes with every single quote doubled.
std::string Q(std::string_view texto);

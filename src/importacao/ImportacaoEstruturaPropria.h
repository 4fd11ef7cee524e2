#pragma once
// The own-structure import run: after the user's confirmation it reads the file line by
// line, checks and inserts each input into the chosen product inside one transaction on
// the listing connection, and commits all of them or none. The progress window hosts it
// (log memo, progress bar, pending events); korvex-admin runs it without windows.

#include "dados/BancoDados.h"

#include <functional>
#include <string>
#include <vector>

// What the wizard hands to the run.
struct TParametrosImportacao {
    std::string arquivo;    // full path of the own-structure file
    std::string inscricao;  // company registration
    std::string codProd;    // exp_codprod of the product receiving the inputs (decimal text)
    std::string codProdVlt; // that product's agency code
    bool perguntar = true;  // ask for confirmation first; a headless run was confirmed by its caller
};

// What the check of a whole file found: how many lines it read and, for each line that the
// import would refuse, its number (from 1) and the import's own message.
struct TValidacaoArquivo {
    struct Linha {
        int numero;
        std::string mensagem;
    };
    int linhas = 0;
    std::vector<Linha> invalidas;
};

enum class TResultadoImportacao {
    Cancelada, // the user answered No: nothing was read or written
    Concluida, // every line passed and was committed
    Falhou,    // an error: everything rolled back, MensagemErro says why
};

class TclsImportacaoEstruturaPropria {
public:
    // The run works on this connection, the one the statement modules are bound to.
    explicit TclsImportacaoEstruturaPropria(TConexao& conexao) : conexao_(conexao) {}

    // Called with each log line (the texts end with CR LF where the log leaves an empty
    // line after them).
    std::function<void(const std::string&)> AoRegistrar;
    // The progress bar gets its maximum (the number of lines) and position 0.
    std::function<void(int)> AoIniciarProgresso;
    // One line done.
    std::function<void()> AoAvancarProgresso;
    // Called once per line so that the window can handle pending events.
    std::function<void()> AoProcessarEventos;

    // Imports the file: confirmation question (unless
    // skipped), one transaction, every line read, checked and inserted, then commit and
    // the success box; on any error rollback and the error box. Errors are shown and
    // reported by the result, not raised.
    TResultadoImportacao ImportarArquivo(const TParametrosImportacao& parametros);

    // Runs every check of the import on every line of the file, going on past the lines that
    // fail, and keeps nothing: the lines that pass are inserted as the import inserts them, so
    // that a line repeating an earlier one of the file fails as a duplicate, inside a
    // transaction that is always rolled back. The connection must have no transaction open.
    // No question or box (log and progress go to the callbacks as in the import); an empty or
    // unreadable file and database errors are raised.
    TValidacaoArquivo ValidarArquivo(const TParametrosImportacao& parametros);

    // The message of the error that made the last run fail.
    const std::string& MensagemErro() const { return mensagemErro_; }

private:
    void Registrar(const std::string& linha);
    // Reads, checks and inserts each line of the file; a line that fails the checks goes to
    // `aoRecusar` with its number and message, and is not inserted. Returns the number of lines.
    int ImportarLinhas(const TParametrosImportacao& parametros,
                       const std::function<void(int, const std::string&)>& aoRecusar);

    TConexao& conexao_;
    std::string mensagemErro_;
};

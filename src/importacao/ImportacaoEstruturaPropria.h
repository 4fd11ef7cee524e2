#pragma once
// The own-structure import run: after the user's confirmation it reads the file line by
// line, checks and inserts each input into the chosen product inside one transaction on
// the listing connection, and commits all of them or none. The progress window hosts it
// (log memo, progress bar, pending events); korvex-admin runs it without windows.

#include "dados/BancoDados.h"

#include <functional>
#include <string>

// What the wizard hands to the run.
struct TParametrosImportacao {
    std::string arquivo;    // full path of the own-structure file
    std::string inscricao;  // company registration
    std::string codProd;    // exp_codprod of the product receiving the inputs (decimal text)
    std::string codProdVlt; // that product's agency code
    bool perguntar = true;  // ask for confirmation first; a headless run was confirmed by its caller
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

    // The message of the error that made the last run fail.
    const std::string& MensagemErro() const { return mensagemErro_; }

private:
    void Registrar(const std::string& linha);
    void ImportarLinhas(const TParametrosImportacao& parametros);

    TConexao& conexao_;
    std::string mensagemErro_;
};

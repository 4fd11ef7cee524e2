#pragma once
// The data module: the listing database connection adocon_korvex, shared by every
// statement module, and the list query qry_sel, which reads over a connection of its
// own so that filling a list never disturbs a lookup or a transaction.

#include "dados/BancoDados.h"

#include <memory>

class Tdm_DatConn {
public:
    Tdm_DatConn();
    ~Tdm_DatConn();

    // Opens the listing database and checks the reference file; on failure shows the
    // error box and returns false. On success creates InfoGerais.
    bool Conectar();

    TConexao adocon_korvex;
    TConsulta qry_sel;

private:
    TConexao conexaoLista_;
};

// The one data module of the program (null before start-up creates it).
extern std::unique_ptr<Tdm_DatConn> dm_DatConn;

// Runs a list statement on qry_sel the way every window does: close, set the text,
// open (rows read, positioned on the first).
TConsulta& AbrirLista(const std::string& sql);

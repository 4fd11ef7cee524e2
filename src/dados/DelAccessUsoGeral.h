#pragma once
// Statement module for deletes: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao.

#include "dados/BancoDados.h"

class TAccessDel {
public:
    // Binds the module to a connection; replaces the module's private query.
    void DefineConexao(TConexao* conexao);
};

namespace DelAccessUsoGeral {
// The module's private query (null until DefineConexao).
TConsulta* Consulta();
} // namespace DelAccessUsoGeral

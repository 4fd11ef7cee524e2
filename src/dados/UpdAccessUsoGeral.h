#pragma once
// Statement module for updates: its functions build their statement as text and run
// it on the module's private query over the connection given by DefineConexao.

#include "dados/BancoDados.h"

class TAccessUpd {
public:
    // Binds the module to a connection; replaces the module's private query.
    void DefineConexao(TConexao* conexao);
};

namespace UpdAccessUsoGeral {
// The module's private query (null until DefineConexao).
TConsulta* Consulta();
} // namespace UpdAccessUsoGeral

#pragma once
// The lookup binder: holds the connection and the private query on which the lookup
// dialog runs its searches.

#include "dados/BancoDados.h"

class TPesquisaGerador {
public:
    // Binds the lookup to a connection; replaces its private query.
    void DefineConexao(TConexao* conexao);
    // The lookup's private query (null until DefineConexao).
    static TConsulta* Consulta();
};

#pragma once
// TModuloInstrucoes, what every statement module shares: the connection that DefineConexao hands
// the module, the module's private query bound to it, and how the module's statements run there.
// A module derives from it with its own class as the argument, which gives it a query of its own,
// so that a lookup never disturbs an open list and an update never disturbs a lookup.

#include "comum/Erros.h"
#include "dados/BancoDados.h"

#include <memory>
#include <string>

template <class TModulo> class TModuloInstrucoes {
public:
    // Binds the module to a connection; replaces the module's private query by a new one.
    void DefineConexao(TConexao* conexao) { consulta_ = std::make_unique<TConsulta>(conexao); }
    // The module's private query (null until DefineConexao); it keeps the last statement and result.
    static TConsulta* Consulta() { return consulta_.get(); }

    // Runs a statement on the private query, the previous result dropped: opened (rows read)
    // or executed as a command (rows affected). ErroBanco before DefineConexao.
    static TConsulta& Abrir(const std::string& sql) { return Ligada().Abrir(sql); }
    static int Executar(const std::string& sql) { return Ligada().ExecutarComando(sql); }

private:
    static TConsulta& Ligada() {
        if (!consulta_) {
            throw ErroBanco("O módulo de instruções não está ligado ao banco de dados.");
        }
        return *consulta_;
    }

    static inline std::unique_ptr<TConsulta> consulta_;
};

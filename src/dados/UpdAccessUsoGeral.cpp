#include "dados/UpdAccessUsoGeral.h"

#include "comum/Erros.h"

#include <memory>

namespace {
TConexao* g_conexao = nullptr;
std::unique_ptr<TConsulta> g_consulta;
} // namespace

void TAccessUpd::DefineConexao(TConexao* conexao) {
    g_conexao = conexao;
    g_consulta.reset();
    g_consulta = std::make_unique<TConsulta>(g_conexao);
}

TConsulta* UpdAccessUsoGeral::Consulta() { return g_consulta.get(); }

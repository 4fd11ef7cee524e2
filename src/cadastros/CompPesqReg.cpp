#include "cadastros/CompPesqReg.h"

#include <memory>

namespace {
TConexao* g_conexao = nullptr;
std::unique_ptr<TConsulta> g_consulta;
} // namespace

void TPesquisaGerador::DefineConexao(TConexao* conexao) {
    g_conexao = conexao;
    g_consulta.reset();
    g_consulta = std::make_unique<TConsulta>(g_conexao);
}

TConsulta* TPesquisaGerador::Consulta() { return g_consulta.get(); }

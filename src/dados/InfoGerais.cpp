#include "dados/InfoGerais.h"

namespace {
TConexao* g_conexaoCompartilhada = nullptr;
}

std::unique_ptr<TclsInfoGeraisGerador> InfoGerais;
std::unique_ptr<TAccessSel> AccessSel;
std::unique_ptr<TAccessIns> AccessIns;
std::unique_ptr<TAccessUpd> AccessUpd;
std::unique_ptr<TAccessDel> AccessDel;
std::unique_ptr<TPesquisaGerador> PesquisaGerador;

TclsInfoGeraisGerador::TclsInfoGeraisGerador(TConexao* conexao) {
    g_conexaoCompartilhada = conexao;
    AccessSel = std::make_unique<TAccessSel>();
    AccessDel = std::make_unique<TAccessDel>();
    AccessIns = std::make_unique<TAccessIns>();
    AccessUpd = std::make_unique<TAccessUpd>();
    PesquisaGerador = std::make_unique<TPesquisaGerador>();
    AccessSel->DefineConexao(conexao);
    AccessDel->DefineConexao(conexao);
    AccessIns->DefineConexao(conexao);
    AccessUpd->DefineConexao(conexao);
    PesquisaGerador->DefineConexao(conexao);
}

TConexao* TclsInfoGeraisGerador::Conexao() {
    return g_conexaoCompartilhada;
}

void CriarInfoGerais(TConexao* conexao) {
    InfoGerais = std::make_unique<TclsInfoGeraisGerador>(conexao);
}

#pragma once
// The configuration object: remembers the shared connection and creates the statement
// modules and the lookup binder, each bound to that connection.

#include "dados/CompPesqReg.h"
#include "dados/DelAccessUsoGeral.h"
#include "dados/InsAccessUsoGeral.h"
#include "dados/SelAccessUsoGeral.h"
#include "dados/UpdAccessUsoGeral.h"

#include <memory>

class TclsInfoGeraisGerador {
public:
    explicit TclsInfoGeraisGerador(TConexao* conexao);
    // The shared connection.
    static TConexao* Conexao();
};

extern std::unique_ptr<TclsInfoGeraisGerador> InfoGerais;
extern std::unique_ptr<TAccessSel> AccessSel;
extern std::unique_ptr<TAccessIns> AccessIns;
extern std::unique_ptr<TAccessUpd> AccessUpd;
extern std::unique_ptr<TAccessDel> AccessDel;
extern std::unique_ptr<TPesquisaGerador> PesquisaGerador;

// Creates InfoGerais (and with it the modules) over the connection.
void CriarInfoGerais(TConexao* conexao);

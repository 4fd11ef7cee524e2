#include "envio/USplashEnvioLE.h"

#include "comum/clsPastas.h"
#include "dados/DatConn.h"

#include <QCoreApplication>

TFSplashEnvioLE::TFSplashEnvioLE(QWidget* pai) : TFSplashLE(pai, "FSplashEnvioLE", "FSplashEnvioLE", {363, 225}) {}

void TFSplashEnvioLE::DefinirEnvio(std::string inscricao, std::vector<ItemListaEnvio> produtos, bool somenteGerar) {
    inscricao_ = std::move(inscricao);
    produtos_ = std::move(produtos);
    somenteGerar_ = somenteGerar;
}

void TFSplashEnvioLE::Executar() {
    ParametrosEnvio parametros;
    parametros.inscricao = inscricao_;
    parametros.produtos = produtos_;
    parametros.pasta = Pastas ? Pastas->Pasta() : std::string();
    parametros.somenteGerar = somenteGerar_;
    parametros.consulta = &dm_DatConn->qry_sel;
    // The window stays painted while the upload waits on the server.
    parametros.opcoesFTP.aguardar = []() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    AcompanhamentoEnvio acompanhamento;
    acompanhamento.registrar = [this](const std::string& linha) { Registrar(linha); };
    acompanhamento.iniciarProgresso = [this](int maximo) { IniciarProgresso(maximo); };
    acompanhamento.avancarProgresso = [this]() { AvancarProgresso(); };
    GerarListagem(parametros, acompanhamento);
}

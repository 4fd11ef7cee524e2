#include "importacao/USplashImportEstruturaPropria.h"

#include "comum/clsPastas.h"
#include "dados/DatConn.h"

#include <QCoreApplication>

TFSplashImportEstruturaPropria::TFSplashImportEstruturaPropria(QWidget* pai)
    : TFSplashLE(pai, "FSplashImportEstruturaPropria", "Importação Estrutura Própria", {347, 187}) {
    // The file's path goes through a holder of this window's own.
    NovaPastas();
}

void TFSplashImportEstruturaPropria::DefinirImportacao(std::string arquivo, std::string inscricao, std::string codProd,
                                                       std::string codProdVlt) {
    Pastas->DefineArquivoImportacao(arquivo);
    parametros_.inscricao = std::move(inscricao);
    parametros_.codProd = std::move(codProd);
    parametros_.codProdVlt = std::move(codProdVlt);
}

void TFSplashImportEstruturaPropria::Executar() {
    parametros_.arquivo = Pastas->ArquivoImportacao();
    TclsImportacaoEstruturaPropria importacao(dm_DatConn->adocon_korvex);
    importacao.AoRegistrar = [this](const std::string& linha) { Registrar(linha); };
    importacao.AoIniciarProgresso = [this](int maximo) { IniciarProgresso(maximo); };
    importacao.AoAvancarProgresso = [this]() { AvancarProgresso(); };
    importacao.AoProcessarEventos = []() { QCoreApplication::processEvents(); };
    importacao.ImportarArquivo(parametros_);
}

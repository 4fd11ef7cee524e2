#include "importacao/USplashImportEstruturaPropria.h"

#include "app/DatConn.h"
#include "app/clsPastas.h"

#include <QCoreApplication>

TFSplashImportEstruturaPropria::TFSplashImportEstruturaPropria(QWidget* pai)
    : TFSplashLE(pai, "FSplashImportEstruturaPropria", "Importação Estrutura Própria", {347, 187}) {
    // The run keeps the file's path in a holder of this window's own.
    NovaPastas();
}

void TFSplashImportEstruturaPropria::DefinirImportacao(std::string arquivo, std::string inscricao, std::string codProd,
                                                       std::string codProdVlt) {
    parametros_.arquivo = std::move(arquivo);
    parametros_.inscricao = std::move(inscricao);
    parametros_.codProd = std::move(codProd);
    parametros_.codProdVlt = std::move(codProdVlt);
}

void TFSplashImportEstruturaPropria::Executar() {
    TclsImportacaoEstruturaPropria importacao(dm_DatConn->adocon_korvex);
    importacao.AoRegistrar = [this](const std::string& linha) { Registrar(linha); };
    importacao.AoIniciarProgresso = [this](int maximo) { IniciarProgresso(maximo); };
    importacao.AoAvancarProgresso = [this]() { AvancarProgresso(); };
    importacao.AoProcessarEventos = []() { QCoreApplication::processEvents(); };
    importacao.ImportarArquivo(parametros_);
}

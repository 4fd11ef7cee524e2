#include "envio/UAssistentes.h"

#include "comum/EscolherArquivoQt.h"
#include "envio/UAssisEnvioLE.h"
#include "importacao/UImportEstruturaPropria.h"
#include "listagem/UConsultaLE.h"
#include "ui/UMenu.h"

void RegistrarAssistentes() {
    static EscolhaArquivoQt escolhaArquivo;
    if (!EscolhaArquivoAtual()) {
        DefinirEscolhaArquivo(&escolhaArquivo);
    }
    TFMenu::RegistrarJanela(TFMenu::Janela::ConsultaLE,
                            [](QWidget* dono) { return std::make_unique<TFConsultaLE>(dono); });
    TFMenu::RegistrarJanela(TFMenu::Janela::AssisEnvioLE,
                            [](QWidget* dono) { return std::make_unique<TFAssisEnvioLE>(dono); });
    TFMenu::RegistrarJanela(TFMenu::Janela::ImportEstruturaPropria,
                            [](QWidget* dono) { return std::make_unique<TFImportEstruturaPropria>(dono); });
}

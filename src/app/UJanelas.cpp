#include "app/UJanelas.h"

#include "cadastros/UManterEmpresa.h"
#include "cadastros/UManterUnidade.h"
#include "envio/UAssisEnvioLE.h"
#include "importacao/UImportEstruturaPropria.h"
#include "listagem/UConsultaLE.h"
#include "ui/UMenu.h"

// One line per window: the menu entry and the window class it opens.
void RegistrarJanelas() {
    TFMenu::RegistrarJanela<TFConsultaLE>(TFMenu::Janela::ConsultaLE);
    TFMenu::RegistrarJanela<TFAssisEnvioLE>(TFMenu::Janela::AssisEnvioLE);
    TFMenu::RegistrarJanela<TFImportEstruturaPropria>(TFMenu::Janela::ImportEstruturaPropria);
    TFMenu::RegistrarJanela<TFManterEmpresa>(TFMenu::Janela::ManterEmpresa);
    TFMenu::RegistrarJanela<TFManterUnidade>(TFMenu::Janela::ManterUnidade);
}

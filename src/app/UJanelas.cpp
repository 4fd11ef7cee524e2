#include "app/UJanelas.h"

#include "envio/UAssisEnvioLE.h"
#include "importacao/UImportEstruturaPropria.h"
#include "ui/UMenu.h"

// One line per window: the menu entry and the window class it opens.
void RegistrarJanelas() {
    TFMenu::RegistrarJanela<TFAssisEnvioLE>(TFMenu::Janela::AssisEnvioLE);
    TFMenu::RegistrarJanela<TFImportEstruturaPropria>(TFMenu::Janela::ImportEstruturaPropria);
}

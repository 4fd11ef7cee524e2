#include "cadastros/UCadastros.h"

#include "cadastros/UManterEmpresa.h"
#include "cadastros/UManterUnidade.h"
#include "ui/UMenu.h"

void RegistrarCadastros() {
    TFMenu::RegistrarJanela(TFMenu::Janela::ManterEmpresa,
                            [](QWidget* dono) { return std::make_unique<TFManterEmpresa>(dono); });
    TFMenu::RegistrarJanela(TFMenu::Janela::ManterUnidade,
                            [](QWidget* dono) { return std::make_unique<TFManterUnidade>(dono); });
}

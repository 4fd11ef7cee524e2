#pragma once
// Plugs the two wizards into the main menu: "Envio da Listagem de Exportação" opens the
// send wizard and "Importação Arq. Estrut. Própria" the import wizard. Also installs the
// open-file dialog that the import wizard asks for its file. Called once at start-up,
// before the menu is shown.

void RegistrarAssistentes();

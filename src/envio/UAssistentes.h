#pragma once
// Plugs the working windows into the main menu: the first tile opens the listing browser,
// "Envio da Listagem de Exportação" the send wizard and "Importação Arq. Estrut. Própria"
// the import wizard. Also installs the
// open-file dialog that the import wizard asks for its file. Called once at start-up,
// before the menu is shown.

void RegistrarAssistentes();

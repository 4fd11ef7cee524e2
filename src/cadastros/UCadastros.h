#pragma once
// Plugs the two registers into the main menu: "Cadastro de Empresa" opens the company
// list and "Cadastro de Unidade de Medida" the unit list. Called once at start-up, before
// the menu is shown.

void RegistrarCadastros();

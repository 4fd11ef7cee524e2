#pragma once
// The subcommands of korvex-admin. Each returns the exit status; messages go to
// stdout (progress) and stderr (errors), in Portuguese.

#include <string>
#include <vector>

using Argumentos = std::vector<std::string>;

int ComandoCriar(const Argumentos& args);
int ComandoReferencias(const Argumentos& args);
int ComandoDemo(const Argumentos& args);
int ComandoSQL(const Argumentos& args);
int ComandoImportar(const Argumentos& args);
int ComandoGerarLE(const Argumentos& args);
int ComandoValidar(const Argumentos& args);
int ComandoCopiaSeguranca(const Argumentos& args);
int ComandoRestaurar(const Argumentos& args);
int ComandoVerificar(const Argumentos& args);

// Creates the listing database with every table at the mapped path, and the temporary
// folder. Throws ErroGeral when the database already exists.
void CriarBancoListagem();

// Loads the reference tables from the CSV files of the folder, in one transaction.
// Returns the rows loaded per table, in load order. Throws ErroGeral naming the file,
// line and problem; nothing changes then.
std::vector<std::pair<std::string, int>> CarregarReferencias(const std::string& pasta);

#pragma once
// Care of the listing database outside the windows: backup copies taken with the engine's
// online backup while the program may be reading and writing, the restore of such a copy,
// and the checks of the file's integrity and of the listing's own consistency. Messages are
// in the product's words; every refusal leaves the database as it was.

#include <filesystem>
#include <string>
#include <vector>

class TConexao;

// Copies the database `banco` into `destino`, a new file, or inside `destino` when it is an
// existing folder under the name "KORVEX-AAAAMMDD-HHMMSS.db". The copy is read in one
// transaction, so it holds what was committed when it began and nothing of a run still going;
// it keeps the password, is checked (integrity) before it takes its name, and is one
// self-contained file. Returns the path written. Throws ErroGeral when the file exists or the
// copy fails; no partial file is left.
std::filesystem::path CopiarBanco(const std::filesystem::path& banco, const std::filesystem::path& destino);

// Puts the copy `origem` in place of the database `banco` and keeps the current file as
// `banco` + ".anterior" (replacing an older one). Refuses with ErroGeral, changing nothing, a
// file that is not a listing database of this program (other password, not a database, other
// tables, damaged), a current database that cannot be opened, and a current database that
// another program holds open. When `banco` does not exist the copy simply takes its place.
// Returns where the previous database was kept (empty when there was none).
std::filesystem::path RestaurarBanco(const std::filesystem::path& banco, const std::filesystem::path& origem);

// The engine's integrity check: empty when the file is sound, else its findings.
std::vector<std::string> ProblemasIntegridade(TConexao& conexao);

// The listing's own consistency, one sentence per finding: products that the listing browser
// cannot show because their unit, agency product code or type is missing from the tables,
// inputs whose product does not exist, and inputs whose unit does not exist. Empty when none.
std::vector<std::string> ProblemasListagem(TConexao& conexao);

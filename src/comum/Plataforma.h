#pragma once
// Where the program's fixed Windows paths live on this machine. The drive C:\ maps
// to $KORVEX_RAIZ when set, else to the user's home folder.

#include <filesystem>
#include <string>

// The folder that stands for C:\ (no trailing separator).
std::filesystem::path RaizKorvex();

// <raiz>/VELTRAN/KORVEX/TABELA/KORVEX.db, the listing database.
std::filesystem::path CaminhoBancoListagem();

// <raiz>/VELTRAN/TABELA/DRQ_VELTRAN.MDB, the reference file (only its existence matters).
std::filesystem::path CaminhoArquivoReferencia();

// <raiz>/VELTRAN/KORVEX/TEMP/ with a trailing "/", as the program stores folders.
std::string PastaTemporaria();

// The database password fixed in the program.
inline constexpr const char* kSenhaBanco = "r5k2w8h4d6";

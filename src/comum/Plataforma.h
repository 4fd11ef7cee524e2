#pragma once
// Where the program's fixed Windows paths live on this machine. The drive C:\ maps
// to $KORVEX_RAIZ when set, else to the user's home folder.

#include <cstdio>
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

// Forces the bytes written to a file (already flushed from its buffer) onto the disk, so that a
// file given its final name after this survives a crash whole. False, with errno set, when the
// disk refuses them.
bool GravarNoDisco(std::FILE* arquivo);

// The database password fixed in the program.
inline constexpr const char* kSenhaBanco = "r5k2w8h4d6";

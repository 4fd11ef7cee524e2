#pragma once
// Small UTF-8 helpers: the program counts characters, not bytes, wherever it fills
// or cuts fields (each character is one byte in the files it writes).

#include <string>
#include <string_view>

inline constexpr char32_t kCaractereInvalido = 0xFFFFFFFF;

// Reads the code point at byte offset i and advances i; an invalid sequence gives
// kCaractereInvalido and advances by one byte.
char32_t LerUtf8(std::string_view texto, size_t& i);

// Appends the UTF-8 encoding of c.
void AcrescentarUtf8(std::string& destino, char32_t c);

// Number of characters (code points) of a UTF-8 text.
size_t TamanhoUtf8(std::string_view texto);

// The characters [inicio, inicio + quantidade) counted from 0, clipped to the text.
std::string SubUtf8(std::string_view texto, size_t inicio, size_t quantidade = std::string::npos);

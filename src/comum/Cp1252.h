#pragma once
// Windows-1252 <-> UTF-8 at the file boundary. Every byte maps to one character and
// back: 0x80-0x9F by the Windows-1252 chart, the five unassigned bytes (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) to the C1 controls of the same value, every other byte to itself.

#include <string>
#include <string_view>

// Decodes Windows-1252 bytes into UTF-8 text. Never fails.
std::string Cp1252ParaUtf8(std::string_view bytes);

// Encodes UTF-8 text as Windows-1252 bytes. Throws ErroConversao naming the first
// character that Windows-1252 cannot hold (or invalid UTF-8).
std::string Utf8ParaCp1252(std::string_view texto);

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool CabeEmCp1252(std::string_view texto);

// The Windows-1252 byte of one Unicode code point, or -1 when there is none.
int CodigoCp1252(char32_t c);

// The Unicode code point of one Windows-1252 byte.
char32_t UnicodeDeCp1252(unsigned char b);

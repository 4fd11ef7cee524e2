#pragma once
// Small free routines for text, numbers and key presses shared by the whole program.
// Texts are UTF-8; where a routine counts characters it counts Unicode characters,
// each of which is one byte in the Windows-1252 files the program writes and reads.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// Three-letter Portuguese abbreviation of a month: 1 "JAN" ... 12 "DEZ"; any other
// number gives an empty text.
std::string MesAbreviado(int mes);

// True when the text is an optional "+" or "-" followed by digits only. Nothing is
// trimmed; an empty text is no, a lone sign is yes, there is no limit on the digits.
bool EhInteiro(std::string_view texto);

// As EhInteiro, but one separator ("," or ".") is allowed once anywhere after the
// optional sign: "12,5", "12.5", ",5", "5," and "," are yes; "1.000,00" is no.
bool EhDecimal(std::string_view texto);

// The first `posicao` characters, a comma, then at most `quantidade` characters from
// character posicao + 1 on; the rest is dropped. A shorter text gives itself and ",".
std::string InserirVirgula(std::string_view texto, int posicao, int quantidade);

// Fills the text on the left (CompletaEsquerda) or on the right (CompletaDireita)
// with the one-character fill until it has `largura` characters. A text as long as
// the width or longer is returned unchanged, never cut. Throws ErroGeral when the
// fill is not exactly one character.
std::string CompletaEsquerda(std::string_view texto, int largura, std::string_view preenchimento);
std::string CompletaDireita(std::string_view texto, int largura, std::string_view preenchimento);

// Number of lines of a text file, read as bytes: a line ends at a line feed (a
// carriage return before it belongs to the line end), byte 26 (Ctrl+Z) ends the file,
// a last line without line end counts, an empty file has 0 lines. Throws
// ErroEntradaSaida naming the file when it cannot be opened or read.
int ContaLinhas(const std::filesystem::path& arquivo);

// Opens a file for reading its bytes; the caller closes it. Throws ErroEntradaSaida naming the
// file and the cause ("o arquivo ou a pasta não existe [No such file or directory]") when it
// cannot be opened, or when the path is a folder.
std::FILE* AbrirArquivoLeitura(const std::filesystem::path& arquivo);

// Removes every thousands point and gives the number back in the general format:
// "1.234,50" -> "1234,5". Note that "1.5" gives "15". Empty gives empty. Throws
// ErroConversao when what is left is not a number.
std::string LimpaMilhar(std::string_view texto);

// Removes every "." and "," and gives the digits back as a whole number in the
// general format: "1,5000000" -> "15000000", "0,0000000" -> "0". Empty gives empty.
// Throws ErroConversao when what is left is not a number.
std::string TiraSeparadores(std::string_view texto);

// The number in the general format with a decimal point, to stand bare in a
// statement: 0.25 -> "0.25", 12 -> "12".
std::string FloatParaSQL(double valor);

// Key filter of the numeric edit boxes: digits, the comma, backspace (8) and the
// clipboard keys Ctrl+C (3), Ctrl+V (22) and Ctrl+X (24) pass unchanged; any other
// character gives 0, which cancels the key press.
char32_t FiltraNumerico(char32_t tecla);

// The text without leading and trailing spaces and control characters (every
// character up to the space), as the program trims what the user types.
std::string Aparar(std::string_view texto);

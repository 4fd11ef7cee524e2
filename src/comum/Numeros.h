#pragma once
// Number <-> text conversions under the program's fixed Brazilian conventions
// (decimal comma, thousands point), whatever the machine's locale.

#include <cstdint>
#include <string>
#include <string_view>

// The general format: shortest text of the value with at most 15 significant digits,
// no thousands separators, decimal comma, no trailing zeros, exponent form for very
// large or small values (1,5; 12; 0,0001; 5E-5; 1E20).
std::string FormatoGeral(double valor);

// The same digits as the general format, always in fixed notation (5E-5 gives 0,00005,
// 1E20 gives 100000000000000000000): the form of a number in an edit box, where the
// decimal checks and key filters know no exponent.
std::string FormatoFixo(double valor);

// Text to number: optional sign, digits, one decimal comma, optional exponent,
// surrounding spaces allowed. Anything else (a thousands point included) throws
// ErroConversao.
double TextoParaNumero(std::string_view texto);

// Text to 32-bit integer: optional sign and decimal digits, nothing else.
// Throws ErroConversao otherwise (an empty text included).
int32_t TextoParaInteiro(std::string_view texto);

// The value rounded to `casas` decimals, with thousands points and a decimal comma,
// as the pattern "#,##0.00" (casas = 2) gives it: 1234,5 -> "1.234,50".
// Rounding is half away from zero on the value's 15-digit decimal form.
std::string FormatarComMilhar(double valor, int casas);

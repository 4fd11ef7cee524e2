#pragma once
// Value pieces of the statements that the program builds by concatenation, next to Q()
// of the data access layer: texts that may be null, decimal numbers, the bare codes.

#include <string>
#include <string_view>

// The text without leading and trailing spaces.
std::string AparaEspacos(std::string_view texto);

// A text that may be null: the keyword null when the text is blank, otherwise Q() of
// the text as it stands.
std::string N(std::string_view texto);

// A decimal number as the engine reads it: the general format with a point for the
// decimal comma (0,25 gives 0.25; 12 gives 12).
std::string F(double valor);

// A whole-number code (exp_codprod, exp_codins) that goes into the statement bare. The
// records always give decimal text; anything else is refused with ErroBanco before it
// can reach the statement, so that no text ever becomes SQL.
const std::string& CodigoSemAspas(const std::string& codigo);

class TConsulta;

// How a statement module runs its statement on its private query: the previous result is
// dropped, the text set, and the query opened (rows read) or executed (rows affected).
TConsulta& AbrirNaConsulta(TConsulta* consulta, const std::string& sql);
int ExecutarNaConsulta(TConsulta* consulta, const std::string& sql);

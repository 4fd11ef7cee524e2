#pragma once
// Value pieces of the statements that the program builds by concatenation, next to Q()
// of the data access layer and FloatParaSQL: texts that may be null and the bare codes.

#include <string>
#include <string_view>

// A text that may be null: the keyword null when the text is blank, otherwise Q() of
// the text as it stands.
std::string N(std::string_view texto);

// A whole-number code (exp_codprod, exp_codins) that goes into the statement bare. The
// records always give decimal text; anything else is refused with ErroBanco before it
// can reach the statement, so that no text ever becomes SQL.
const std::string& CodigoSemAspas(const std::string& codigo);

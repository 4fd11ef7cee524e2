#pragma once
// One input of an own-structure file: reads a line of the file into the input record,
// checks it against the agency's reference tables and the product's inputs, and inserts
// it. The import calls LerLinha, Validar and, when Validar passes, Gravar for each line.
//
// Layout of a line (positions counted from 1, one byte per character, Windows-1252):
//   1 type, 2-9 NCM, 10-13 item detail, 14-267 description, 268-282 technical
//   coefficient (7 integer and 8 decimal digits, no decimal mark), 283-284 unit,
//   285-314 the company's own code, 315-4037 technical specification.
// A line shorter than a field gives what it holds of it; nothing past 4037 is read.

#include "dados/clsLExInsumo.h"

#include <string>
#include <string_view>

// Length of a full line; nothing after it is read.
inline constexpr size_t kTamanhoLinhaEstruturaPropria = 4037;

class TclsInfoInsumoTXT : public TclsLExInsumo {
public:
    // Message of the last failed validation; empty until one fails.
    const std::string& MensagemErro() const { return FMensagemErro; }

    // Fills the record from one line as it stands in the file (Windows-1252 bytes, no line
    // end), the company registration, the product's agency code and its sequence code
    // (decimal text), and gives it the product's next input code. Never refuses the line's
    // content: every check is Validar's. A "P" input takes its description from the
    // agency's item detail, whatever the file holds. Database errors are raised.
    void LerLinha(std::string_view linha, const std::string& inscricao, const std::string& codProdVlt,
                  const std::string& codProd);

    // Runs the checks in order; the first that fails sets MensagemErro and gives false.
    // Empties the item detail of "E", "N" and "R" inputs. Database errors are raised.
    bool Validar();

    // Inserts the record as a new input of the product. Database errors are raised.
    void Gravar();

private:
    bool Falha(std::string mensagem);

    std::string FMensagemErro;
};

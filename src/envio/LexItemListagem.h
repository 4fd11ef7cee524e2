#pragma once
// Writers of the export listing file (LE file) that the agency receives: the version line,
// one "P" line per product and one "I" line per input of that product. Fields have fixed
// widths, are filled with spaces on the right (the coefficient with zeros on the left) and
// are never cut; the bytes are Windows-1252 and every line ends with CR LF.
//
// The output file belongs to this module, not to an instance: it is open between
// AbrirArquivo and FecharArquivo (or DescartarArquivo), and both writers write to it. Until
// FecharArquivo it is written under the name "<caminho>.parcial" in the same folder, so that a
// file under its final name is always complete.

#include "dados/clsLExInsumo.h"
#include "dados/clsLExProduto.h"

#include <optional>
#include <string>

// The product record that writes itself as a "P" line, and opens and closes the file.
class TLExItemProduto : public TClsLExProduto {
public:
    // Creates the temporary folder when it is missing (one level; a failure shows up when
    // the file is created), then creates the file for `caminho`, empty; a file of that name
    // already there is replaced only when the new one is complete. Throws ErroEntradaSaida
    // naming the file and the cause when it cannot be created.
    void AbrirArquivo(const std::string& caminho);
    // "VERSAO 07/11/2018".
    void GravarVersao();
    // The product line of this record's fields.
    void GravarProduto();
    // Flushes the file onto the disk, closes it and gives it its final name, replacing any
    // file of that name; nothing happens when none is open. Throws ErroEntradaSaida when the
    // last bytes cannot be written (a full disk, a file too large), after removing the file.
    void FecharArquivo();
    // Closes and removes the file being written, after a failure; nothing is left in the folder
    // and a file of that name that was already there stays as it was.
    void DescartarArquivo();

    // The product line in Windows-1252 bytes, without its line end. Throws ErroGeral
    // naming the product when a field has a character that Windows-1252 cannot hold.
    std::string LinhaProduto() const;
};

// The input record that writes itself as an "I" line into the file opened by AbrirArquivo.
class TLExItemInsumo : public TclsLExInsumo {
public:
    void GravarInsumo();

    // The input line in Windows-1252 bytes, without its line end. Throws ErroGeral naming
    // the product and the input when the coefficient does not fit its field or a field has
    // a character that Windows-1252 cannot hold.
    std::string LinhaInsumo() const;

private:
    void MontarLinhaInsumo(std::string& linha) const;
};

// The coefficient's field: round(coeficiente x 10,000,000) in 20 digits filled with "0" on
// the left (1234,5 gives 00000000012345000000).
// Nothing when the coefficient is outside 0 <= c < 100.000.000 or rounds up to 100.000.000:
// the field cannot hold it.
std::optional<std::string> CampoCoeficienteLE(double coeficiente);

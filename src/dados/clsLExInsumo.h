#pragma once
// One input of a listing product (a KX_EXPINSUMO row), and the input's origin type.
// Accessors as described in clsEmpresa.h. The codes are held as integers and read as
// decimal text; the technical coefficient is held as a number and typed and shown as
// text with a decimal comma.

#include <cstdint>
#include <string>
#include <string_view>

// Origin type of an input; its code in exp_tipoins is "P", "E", "N" or "R".
enum TTipoInsumo : int {
    tiPadrao = 0,      // "P", standard list
    tiEstrangeiro = 1, // "E", foreign
    tiNacional = 2,    // "N", national
    tiRegional = 3,    // "R", regional
    tiIndefinido = 4,  // any other code, the empty one included
};

class TclsLExInsumo {
public:
    TclsLExInsumo() = default;
    TclsLExInsumo(const TclsLExInsumo&) = default;
    TclsLExInsumo(TclsLExInsumo&&) = default;
    TclsLExInsumo& operator=(const TclsLExInsumo&) = default;
    TclsLExInsumo& operator=(TclsLExInsumo&&) = default;
    // Subclasses add the export file writer or the own-structure import checks.
    virtual ~TclsLExInsumo() = default;

    const std::string& emp_inscvlt() const { return Femp_inscvlt; }
    void Set_emp_inscvlt(std::string valor) { Femp_inscvlt = std::move(valor); }

    // Agency product code of the owning product; not a column of the input table. Only
    // the own-structure import fills it, through the protected member.
    const std::string& exp_codprodvlt() const { return Fexp_codprodvlt; }

    std::string exp_codprod() const;
    // Decimal integer text; otherwise throws ErroConversao and keeps the old value.
    void Set_exp_codprod(std::string_view texto);

    std::string exp_codins() const;
    void Set_exp_codins(int32_t valor) { Fexp_codins = valor; }
    // Decimal integer text; otherwise throws ErroConversao and keeps the old value.
    void Set_exp_codins(std::string_view texto);

    const std::string& codunid() const { return Fcodunid; }
    void Set_codunid(std::string valor) { Fcodunid = std::move(valor); }

    // The stored code, set unchecked here or through DefineTipoInsumo.
    const std::string& exp_tipoins() const { return Fexp_tipoins; }
    void Set_exp_tipoins(std::string valor) { Fexp_tipoins = std::move(valor); }
    // Type of the stored code, compared exactly ("p" is tiIndefinido).
    TTipoInsumo TipoInsumo() const;
    // Stores the code of the type; tiIndefinido leaves the code unchanged.
    void DefineTipoInsumo(TTipoInsumo tipo);
    // "Padrao", "Estrangeiro", "Nacional", "Regional", or empty for any other code.
    std::string DescricaoTipo() const;

    const std::string& exp_ncmins() const { return Fexp_ncmins; }
    void Set_exp_ncmins(std::string valor) { Fexp_ncmins = std::move(valor); }

    const std::string& exp_detinsvlt() const { return Fexp_detinsvlt; }
    void Set_exp_detinsvlt(std::string valor) { Fexp_detinsvlt = std::move(valor); }

    // Kept without leading and trailing spaces.
    std::string exp_descins() const;
    void Set_exp_descins(std::string_view valor);

    // Stored without leading and trailing spaces.
    const std::string& exp_espetec() const { return Fexp_espetec; }
    void Set_exp_espetec(std::string_view valor);

    double exp_coeftec() const { return Fexp_coeftec; }
    // Display form of the lists: thousands points, two decimals ("1.234,50").
    std::string CoefTecFormatado() const;
    // General format ("1234,5"); giving it back to Set_exp_coeftec restores the number.
    std::string CoefTecTexto() const;
    // From the text as typed or listed: thousands points are dropped, the comma is the
    // decimal separator ("1.234,56" and "1234,56" give 1234.56; "1.5" gives 15). An empty
    // or non-numeric text throws ErroConversao and keeps the old value.
    void Set_exp_coeftec(std::string_view texto);
    // The number as read from the database, at full precision.
    void Set_exp_coeftec(double valor) { Fexp_coeftec = valor; }

    const std::string& exp_status() const { return Fexp_status; }
    void Set_exp_status(std::string valor) { Fexp_status = std::move(valor); }

    const std::string& ins_codemp() const { return Fins_codemp; }
    void Set_ins_codemp(std::string valor) { Fins_codemp = std::move(valor); }

protected:
    std::string Femp_inscvlt;
    std::string Fexp_codprodvlt;
    int32_t Fexp_codprod = 0;
    int32_t Fexp_codins = 0;
    std::string Fcodunid;
    std::string Fexp_tipoins;
    std::string Fexp_ncmins;
    std::string Fexp_detinsvlt;
    std::string Fexp_descins;
    std::string Fexp_espetec;
    double Fexp_coeftec = 0.0;
    std::string Fexp_status;
    std::string Fins_codemp;
};

#pragma once
// One product of a company's export listing (a KX_EXPPRODUTO row). Accessors as
// described in clsEmpresa.h. The product code is held as an integer and read as its
// decimal text, the form in which statements and the export file write it.

#include <cstdint>
#include <string>
#include <string_view>

class TClsLExProduto {
public:
    TClsLExProduto() = default;
    TClsLExProduto(const TClsLExProduto&) = default;
    TClsLExProduto(TClsLExProduto&&) = default;
    TClsLExProduto& operator=(const TClsLExProduto&) = default;
    TClsLExProduto& operator=(TClsLExProduto&&) = default;
    // Subclasses add the export file writer.
    virtual ~TClsLExProduto() = default;

    const std::string& emp_inscvlt() const { return Femp_inscvlt; }
    void Set_emp_inscvlt(std::string valor) { Femp_inscvlt = std::move(valor); }

    std::string exp_codprod() const;
    void Set_exp_codprod(int32_t valor) { Fexp_codprod = valor; }
    // Decimal integer text ("007" gives 7); otherwise throws ErroConversao and keeps the old value.
    void Set_exp_codprod(std::string_view texto);

    const std::string& exp_codprodvlt() const { return Fexp_codprodvlt; }
    void Set_exp_codprodvlt(std::string valor) { Fexp_codprodvlt = std::move(valor); }

    const std::string& exp_ncmprod() const { return Fexp_ncmprod; }
    void Set_exp_ncmprod(std::string valor) { Fexp_ncmprod = std::move(valor); }

    // Kept without leading and trailing spaces.
    std::string exp_modprod() const;
    void Set_exp_modprod(std::string_view valor);

    const std::string& codunid() const { return Fcodunid; }
    void Set_codunid(std::string valor) { Fcodunid = std::move(valor); }

    const std::string& exp_tipoprodvlt() const { return Fexp_tipoprodvlt; }
    void Set_exp_tipoprodvlt(std::string valor) { Fexp_tipoprodvlt = std::move(valor); }

    const std::string& cus_codigo() const { return Fcus_codigo; }
    void Set_cus_codigo(std::string valor) { Fcus_codigo = std::move(valor); }

    const std::string& mod_codemp() const { return Fmod_codemp; }
    void Set_mod_codemp(std::string valor) { Fmod_codemp = std::move(valor); }

protected:
    std::string Femp_inscvlt;
    int32_t Fexp_codprod = 0;
    std::string Fexp_codprodvlt;
    std::string Fexp_ncmprod;
    std::string Fexp_modprod;
    std::string Fcodunid;
    std::string Fexp_tipoprodvlt;
    std::string Fcus_codigo;
    std::string Fmod_codemp;
};

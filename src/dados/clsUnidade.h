#pragma once
// One unit of measure (a KXUNIDADES row). Accessors as described in clsEmpresa.h.

#include <string>

class TclsUnidade {
public:
    const std::string& codunid() const { return Fcodunid; }
    void Set_codunid(std::string valor) { Fcodunid = std::move(valor); }

    const std::string& descunid() const { return Fdescunid; }
    void Set_descunid(std::string valor) { Fdescunid = std::move(valor); }

protected:
    std::string Fcodunid;
    std::string Fdescunid;
};

#pragma once
// One company (a KX_EMPRESA row) carried between the windows and the query layer.
//
// Accessors of the entity records: each field is named like its column; the getter is
// the column name (emp_inscvlt()), the setter is Set_ + the column name
// (Set_emp_inscvlt(...)), and the value itself is the protected member F + the column
// name (Femp_inscvlt), which subclasses may reach.

#include <string>

class TclsEmpresa {
public:
    const std::string& emp_inscvlt() const { return Femp_inscvlt; }
    void Set_emp_inscvlt(std::string valor) { Femp_inscvlt = std::move(valor); }

    const std::string& emp_razao() const { return Femp_razao; }
    void Set_emp_razao(std::string valor) { Femp_razao = std::move(valor); }

protected:
    std::string Femp_inscvlt;
    std::string Femp_razao;
};

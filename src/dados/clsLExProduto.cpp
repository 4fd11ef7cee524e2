#include "dados/clsLExProduto.h"

#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"

std::string TClsLExProduto::exp_codprod() const {
    return std::to_string(Fexp_codprod);
}

void TClsLExProduto::Set_exp_codprod(std::string_view texto) {
    Fexp_codprod = TextoParaInteiro(texto);
}

std::string TClsLExProduto::exp_modprod() const {
    return Aparar(Fexp_modprod);
}

void TClsLExProduto::Set_exp_modprod(std::string_view valor) {
    Fexp_modprod = Aparar(valor);
}

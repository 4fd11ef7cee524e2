#include "dados/PecasSQL.h"

#include "comum/Erros.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"

std::string N(std::string_view texto) {
    return Aparar(texto).empty() ? "null" : Q(texto);
}

const std::string& CodigoSemAspas(const std::string& codigo) {
    if (!EhInteiro(codigo)) {
        throw ErroBanco("Código inválido para a instrução SQL: '" + codigo + "' não é um número inteiro.");
    }
    return codigo;
}

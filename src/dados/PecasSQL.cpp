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

namespace {
TConsulta& Preparar(TConsulta* consulta, const std::string& sql) {
    if (!consulta) {
        throw ErroBanco("O módulo de instruções não está ligado ao banco de dados.");
    }
    consulta->Fechar();
    consulta->DefinirSQL(sql);
    return *consulta;
}
} // namespace

TConsulta& AbrirNaConsulta(TConsulta* consulta, const std::string& sql) {
    TConsulta& q = Preparar(consulta, sql);
    q.Abrir();
    return q;
}

int ExecutarNaConsulta(TConsulta* consulta, const std::string& sql) {
    return Preparar(consulta, sql).ExecutarComando();
}

#include "dados/PecasSQL.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "dados/BancoDados.h"

#include <algorithm>

std::string AparaEspacos(std::string_view texto) {
    const size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        return std::string();
    }
    return std::string(texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1));
}

std::string N(std::string_view texto) {
    return AparaEspacos(texto).empty() ? "null" : Q(texto);
}

std::string F(double valor) {
    std::string texto = FormatoGeral(valor);
    std::replace(texto.begin(), texto.end(), ',', '.');
    return texto;
}

const std::string& CodigoSemAspas(const std::string& codigo) {
    std::string_view numero = codigo;
    if (!numero.empty() && (numero.front() == '-' || numero.front() == '+')) {
        numero.remove_prefix(1);
    }
    if (numero.empty() || !std::all_of(numero.begin(), numero.end(), [](char c) { return c >= '0' && c <= '9'; })) {
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

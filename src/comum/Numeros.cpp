#include "comum/Numeros.h"

#include "comum/Erros.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// The value's decimal digits (at most 15 significant, no trailing zeros) and its
// exponent E such that value = 0.d1d2... x 10^E. Zero gives empty digits.
struct Decimal {
    bool negativo = false;
    std::string digitos;
    int expoente = 0;
};

Decimal Decompor(double valor) {
    Decimal d;
    if (valor == 0.0) {
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", valor);
    const char* p = buf;
    if (*p == '-') {
        d.negativo = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            d.digitos.push_back(*p);
        }
    }
    int exp10 = std::atoi(p + 1);
    d.expoente = exp10 + 1;
    while (!d.digitos.empty() && d.digitos.back() == '0') {
        d.digitos.pop_back();
    }
    return d;
}

std::string Aparar(std::string_view t) {
    size_t a = 0;
    size_t b = t.size();
    while (a < b && t[a] == ' ') {
        ++a;
    }
    while (b > a && t[b - 1] == ' ') {
        --b;
    }
    return std::string(t.substr(a, b - a));
}

// The decimal form in fixed notation: "-", whole digits (at least "0"), and the fraction
// after a comma when there is one.
std::string Fixo(const Decimal& d) {
    if (d.digitos.empty()) {
        return "0";
    }
    std::string saida = d.negativo ? "-" : "";
    if (d.expoente <= 0) {
        saida += "0,";
        saida += std::string(static_cast<size_t>(-d.expoente), '0');
        saida += d.digitos;
        return saida;
    }
    auto inteiros = static_cast<size_t>(d.expoente);
    if (d.digitos.size() <= inteiros) {
        saida += d.digitos;
        saida += std::string(inteiros - d.digitos.size(), '0');
    } else {
        saida += d.digitos.substr(0, inteiros);
        saida += ',';
        saida += d.digitos.substr(inteiros);
    }
    return saida;
}

std::string NaoFinito(double valor) {
    if (std::isnan(valor)) {
        return "NAN";
    }
    return valor < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormatoGeral(double valor) {
    if (!std::isfinite(valor)) {
        return NaoFinito(valor);
    }
    Decimal d = Decompor(valor);
    if (!d.digitos.empty() && (d.expoente > 15 || d.expoente < -3)) {
        std::string saida = d.negativo ? "-" : "";
        saida += d.digitos[0];
        if (d.digitos.size() > 1) {
            saida += ',';
            saida += d.digitos.substr(1);
        }
        saida += 'E';
        saida += std::to_string(d.expoente - 1);
        return saida;
    }
    return Fixo(d);
}

std::string FormatoFixo(double valor) {
    return std::isfinite(valor) ? Fixo(Decompor(valor)) : NaoFinito(valor);
}

double TextoParaNumero(std::string_view texto) {
    const std::string t = Aparar(texto);
    auto falha = [&]() -> double {
        throw ErroConversao("'" + std::string(texto) + "' não é um valor de ponto flutuante válido");
    };
    std::string c;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        c += t[i++];
    }
    int digitos = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        c += t[i++];
        ++digitos;
    }
    if (i < t.size() && t[i] == ',') {
        c += '.';
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            ++digitos;
        }
    }
    if (digitos == 0) {
        return falha();
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            c += t[i++];
        }
        int digitosExp = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            ++digitosExp;
        }
        if (digitosExp == 0) {
            return falha();
        }
    }
    if (i != t.size()) {
        return falha();
    }
    errno = 0;
    double v = std::strtod(c.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(v)) {
        return falha();
    }
    return v;
}

int32_t TextoParaInteiro(std::string_view texto) {
    auto falha = [&]() -> int32_t {
        throw ErroConversao("'" + std::string(texto) + "' não é um valor inteiro válido");
    };
    size_t i = 0;
    bool negativo = false;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        negativo = texto[i] == '-';
        ++i;
    }
    if (i == texto.size()) {
        return falha();
    }
    int64_t v = 0;
    for (; i < texto.size(); ++i) {
        char ch = texto[i];
        if (ch < '0' || ch > '9') {
            return falha();
        }
        v = v * 10 + (ch - '0');
        if (v > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) {
            return falha();
        }
    }
    if (negativo) {
        v = -v;
    }
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min()) {
        return falha();
    }
    return static_cast<int32_t>(v);
}

std::string FormatarComMilhar(double valor, int casas) {
    Decimal d = Decompor(valor);
    // Whole and fraction digits of the exact 15-digit decimal form.
    std::string inteiros;
    std::string fracao;
    if (!d.digitos.empty()) {
        if (d.expoente <= 0) {
            fracao = std::string(static_cast<size_t>(-d.expoente), '0') + d.digitos;
        } else if (static_cast<size_t>(d.expoente) >= d.digitos.size()) {
            inteiros = d.digitos + std::string(static_cast<size_t>(d.expoente) - d.digitos.size(), '0');
        } else {
            inteiros = d.digitos.substr(0, static_cast<size_t>(d.expoente));
            fracao = d.digitos.substr(static_cast<size_t>(d.expoente));
        }
    }
    // Round half away from zero at `casas` decimals.
    bool arredondaCima = fracao.size() > static_cast<size_t>(casas) && fracao[static_cast<size_t>(casas)] >= '5';
    fracao.resize(static_cast<size_t>(casas), '0');
    std::string numero = inteiros + fracao;
    if (numero.empty()) {
        numero = "0";
    }
    if (arredondaCima) {
        int k = static_cast<int>(numero.size()) - 1;
        while (k >= 0) {
            if (numero[static_cast<size_t>(k)] == '9') {
                numero[static_cast<size_t>(k)] = '0';
                --k;
            } else {
                ++numero[static_cast<size_t>(k)];
                break;
            }
        }
        if (k < 0) {
            numero.insert(numero.begin(), '1');
        }
    }
    std::string parteInteira = numero.substr(0, numero.size() - static_cast<size_t>(casas));
    std::string parteFracao = numero.substr(numero.size() - static_cast<size_t>(casas));
    size_t p = 0;
    while (p + 1 < parteInteira.size() && parteInteira[p] == '0') {
        ++p;
    }
    parteInteira = parteInteira.substr(p);
    if (parteInteira.empty()) {
        parteInteira = "0";
    }
    std::string comMilhar;
    int contador = 0;
    for (auto it = parteInteira.rbegin(); it != parteInteira.rend(); ++it) {
        if (contador > 0 && contador % 3 == 0) {
            comMilhar.insert(comMilhar.begin(), '.');
        }
        comMilhar.insert(comMilhar.begin(), *it);
        ++contador;
    }
    bool zero = comMilhar.find_first_not_of("0.") == std::string::npos &&
                parteFracao.find_first_not_of('0') == std::string::npos;
    std::string saida = (d.negativo && !zero) ? "-" : "";
    saida += comMilhar;
    if (casas > 0) {
        saida += ',';
        saida += parteFracao;
    }
    return saida;
}

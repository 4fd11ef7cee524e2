// Dates and display patterns of the record-structure library, under the program's
// fixed Brazilian conventions (dd/mm/yyyy, decimal comma, thousands point).

#include "Bibliotecas/Interna/EstruturaDados.h"

#include "comum/Erros.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// --- Dates ------------------------------------------------------------------------

constexpr int64_t kMsPorDia = 86'400'000;

// Days from 30/12/1899 to a civil date (proleptic Gregorian calendar).
int64_t DiasDaData(int ano, int mes, int dia) {
    const int64_t a = ano - (mes <= 2 ? 1 : 0);
    const int64_t era = (a >= 0 ? a : a - 399) / 400;
    const int64_t anoDaEra = a - era * 400;
    const int64_t diaDoAno = (153 * (mes + (mes > 2 ? -3 : 9)) + 2) / 5 + dia - 1;
    const int64_t diaDaEra = anoDaEra * 365 + anoDaEra / 4 - anoDaEra / 100 + diaDoAno;
    const int64_t desde1970 = era * 146097 + diaDaEra - 719468;
    return desde1970 + 25569;
}

void DataDosDias(int64_t dias, int& ano, int& mes, int& dia) {
    const int64_t z = dias - 25569 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t diaDaEra = z - era * 146097;
    const int64_t anoDaEra = (diaDaEra - diaDaEra / 1460 + diaDaEra / 36524 - diaDaEra / 146096) / 365;
    const int64_t diaDoAno = diaDaEra - (365 * anoDaEra + anoDaEra / 4 - anoDaEra / 100);
    const int64_t mp = (5 * diaDoAno + 2) / 153;
    dia = static_cast<int>(diaDoAno - (153 * mp + 2) / 5 + 1);
    mes = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    ano = static_cast<int>(anoDaEra + era * 400 + (mes <= 2 ? 1 : 0));
}

bool AnoBissexto(int ano) {
    return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0;
}

int DiasDoMes(int ano, int mes) {
    static const int dias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && AnoBissexto(ano) ? 29 : dias[mes - 1];
}

struct PartesDataHora {
    int ano = 1899, mes = 12, dia = 30, hora = 0, minuto = 0, segundo = 0, milissegundo = 0;
};

PartesDataHora Decompor(TDateTime valor) {
    int64_t dias = static_cast<int64_t>(std::trunc(valor));
    int64_t ms = std::llround(std::fabs(valor - std::trunc(valor)) * kMsPorDia);
    if (ms >= kMsPorDia) {
        ms -= kMsPorDia;
        dias += valor < 0 ? -1 : 1;
    }
    PartesDataHora p;
    DataDosDias(dias, p.ano, p.mes, p.dia);
    p.hora = static_cast<int>(ms / 3'600'000);
    p.minuto = static_cast<int>(ms / 60'000 % 60);
    p.segundo = static_cast<int>(ms / 1000 % 60);
    p.milissegundo = static_cast<int>(ms % 1000);
    return p;
}

// A two-digit year falls within the 50 years around the current one.
int SeculoDoAno(int ano) {
    const auto hoje =
        std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    const int pivo = static_cast<int>(hoje.year()) - 50;
    int completo = pivo / 100 * 100 + ano;
    if (completo < pivo) {
        completo += 100;
    }
    return completo;
}

// Reads an unsigned number of 1 to maxDigitos digits at texto[i]; -1 when there is none.
int LerNumero(std::string_view texto, size_t& i, size_t maxDigitos, size_t* digitos = nullptr) {
    size_t inicio = i;
    int valor = 0;
    while (i < texto.size() && i - inicio < maxDigitos && texto[i] >= '0' && texto[i] <= '9') {
        valor = valor * 10 + (texto[i] - '0');
        ++i;
    }
    if (digitos) {
        *digitos = i - inicio;
    }
    return i == inicio ? -1 : valor;
}

bool LerSeparador(std::string_view texto, size_t& i, char separador) {
    if (i < texto.size() && texto[i] == separador) {
        ++i;
        return true;
    }
    return false;
}

// --- Number patterns ----------------------------------------------------------------

// The decimal digits of |valor| with at most 15 significant digits, as an integer digit
// string and exponent: |valor| = 0.digitos x 10^expoente. Zero gives empty digits.
void DigitosDecimais(double valor, std::string& digitos, int& expoente) {
    digitos.clear();
    expoente = 0;
    if (valor == 0.0) {
        return;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(valor));
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            digitos.push_back(*p);
        }
    }
    expoente = std::atoi(p + 1) + 1;
    while (!digitos.empty() && digitos.back() == '0') {
        digitos.pop_back();
    }
}

// Rounds a digit string (half away from zero) to `quantos` digits; may carry into a
// new leading digit, which raises the exponent.
void ArredondarDigitos(std::string& digitos, int& expoente, int quantos) {
    if (quantos < 0) {
        digitos.clear();
        return;
    }
    if (static_cast<int>(digitos.size()) <= quantos) {
        return;
    }
    const bool sobe = digitos[static_cast<size_t>(quantos)] >= '5';
    digitos.resize(static_cast<size_t>(quantos));
    if (sobe) {
        int k = quantos - 1;
        while (k >= 0 && digitos[static_cast<size_t>(k)] == '9') {
            digitos[static_cast<size_t>(k)] = '0';
            --k;
        }
        if (k >= 0) {
            ++digitos[static_cast<size_t>(k)];
        } else {
            digitos.insert(digitos.begin(), '1');
            ++expoente;
        }
    }
    while (!digitos.empty() && digitos.back() == '0') {
        digitos.pop_back();
    }
}

std::vector<std::string> SepararSecoes(std::string_view formato) {
    std::vector<std::string> secoes(1);
    char aspa = 0;
    for (char c : formato) {
        if (aspa) {
            if (c == aspa) {
                aspa = 0;
            }
        } else if (c == '"' || c == '\'') {
            aspa = c;
        } else if (c == ';') {
            secoes.emplace_back();
            continue;
        }
        secoes.back() += c;
    }
    return secoes;
}

// One display pattern section, parsed.
struct Padrao {
    enum class Tipo { Literal, Digito, Ponto, Expoente };
    struct Peca {
        Tipo tipo;
        std::string texto; // Literal: the text; Digito: "0" or "#"; Expoente: "E+"/"e-" etc.
        int digitosExpoente = 0;
    };
    std::vector<Peca> pecas;
    int inteiros = 0;       // digit placeholders before the decimal point
    int minimoInteiros = 0; // those from the first "0" on
    int fracao = 0;         // digit placeholders after the decimal point
    int minimoFracao = 0;   // up to the last "0" after the decimal point
    bool milhar = false;
    bool cientifico = false;

    explicit Padrao(std::string_view s) {
        bool depoisDoPonto = false;
        int primeiroZero = -1;
        for (size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            if (c == '"' || c == '\'') {
                size_t fim = s.find(c, i + 1);
                if (fim == std::string_view::npos) {
                    fim = s.size();
                }
                pecas.push_back({Tipo::Literal, std::string(s.substr(i + 1, fim - i - 1))});
                i = fim;
            } else if ((c == '0' || c == '#') && !cientifico) {
                pecas.push_back({Tipo::Digito, std::string(1, c)});
                if (depoisDoPonto) {
                    ++fracao;
                    if (c == '0') {
                        minimoFracao = fracao;
                    }
                } else {
                    if (c == '0' && primeiroZero < 0) {
                        primeiroZero = inteiros;
                    }
                    ++inteiros;
                }
            } else if (c == '.' && !depoisDoPonto && !cientifico) {
                depoisDoPonto = true;
                pecas.push_back({Tipo::Ponto, {}});
            } else if (c == ',' && !cientifico) {
                milhar = true;
            } else if ((c == 'E' || c == 'e') && !cientifico && i + 1 < s.size() &&
                       (s[i + 1] == '+' || s[i + 1] == '-')) {
                cientifico = true;
                Peca peca{Tipo::Expoente, std::string(s.substr(i, 2))};
                i += 2;
                while (i < s.size() && s[i] == '0') {
                    ++peca.digitosExpoente;
                    ++i;
                }
                --i;
                pecas.push_back(peca);
            } else {
                pecas.push_back({Tipo::Literal, std::string(1, c)});
            }
        }
        minimoInteiros = primeiroZero < 0 ? 0 : inteiros - primeiroZero;
    }

    bool temDigitos() const { return inteiros + fracao > 0; }
};

// The integer and fraction digits of |valor| for a pattern, and the exponent of the
// scientific form.
struct Numero {
    std::string inteiros;
    std::string fracao;
    int expoente = 0;
    bool zero = true;
};

Numero Digitos(double valor, const Padrao& padrao) {
    Numero n;
    std::string digitos;
    int expoente = 0;
    DigitosDecimais(valor, digitos, expoente);
    if (padrao.cientifico) {
        const int inteiros = std::max(1, padrao.inteiros);
        if (!digitos.empty()) {
            ArredondarDigitos(digitos, expoente, inteiros + padrao.fracao);
            n.expoente = expoente - inteiros;
        }
        digitos.resize(static_cast<size_t>(inteiros + padrao.fracao), '0');
        n.inteiros = digitos.substr(0, static_cast<size_t>(inteiros));
        n.fracao = digitos.substr(static_cast<size_t>(inteiros));
    } else {
        ArredondarDigitos(digitos, expoente, expoente + padrao.fracao);
        if (!digitos.empty()) {
            if (expoente > 0) {
                std::string todos = digitos;
                if (static_cast<int>(todos.size()) < expoente) {
                    todos.resize(static_cast<size_t>(expoente), '0');
                }
                n.inteiros = todos.substr(0, static_cast<size_t>(expoente));
                n.fracao = todos.substr(static_cast<size_t>(expoente));
            } else {
                n.fracao = std::string(static_cast<size_t>(-expoente), '0') + digitos;
            }
        }
        n.fracao.resize(static_cast<size_t>(padrao.fracao), '0');
    }
    n.zero =
        n.inteiros.find_first_not_of('0') == std::string::npos && n.fracao.find_first_not_of('0') == std::string::npos;
    return n;
}

std::string Aplicar(const Padrao& padrao, const Numero& n, bool negativo) {
    std::string inteiros = n.inteiros;
    size_t lider = inteiros.find_first_not_of('0');
    inteiros = lider == std::string::npos ? std::string() : inteiros.substr(lider);
    if (static_cast<int>(inteiros.size()) < padrao.minimoInteiros) {
        inteiros.insert(0, static_cast<size_t>(padrao.minimoInteiros) - inteiros.size(), '0');
    }
    std::string fracao = n.fracao;
    while (static_cast<int>(fracao.size()) > padrao.minimoFracao && fracao.back() == '0') {
        fracao.pop_back();
    }
    std::string saida = negativo ? "-" : "";
    const int total = static_cast<int>(inteiros.size());
    int posicaoInteiro = 0; // index of the integer placeholder being written
    int proximoDigito = 0;  // next digit of `inteiros` to write
    int posicaoFracao = 0;
    auto escreverDigito = [&](int indice) {
        saida += inteiros[static_cast<size_t>(indice)];
        const int restantes = total - 1 - indice;
        if (padrao.milhar && !padrao.cientifico && restantes > 0 && restantes % 3 == 0) {
            saida += '.';
        }
    };
    for (const Padrao::Peca& peca : padrao.pecas) {
        switch (peca.tipo) {
        case Padrao::Tipo::Literal:
            saida += peca.texto;
            break;
        case Padrao::Tipo::Digito:
            if (posicaoInteiro < padrao.inteiros) {
                // Placeholders are right-aligned; the first one takes any extra digits.
                const int ate = total - (padrao.inteiros - 1 - posicaoInteiro);
                for (; proximoDigito < ate; ++proximoDigito) {
                    escreverDigito(proximoDigito);
                }
                ++posicaoInteiro;
            } else {
                if (posicaoFracao < static_cast<int>(fracao.size())) {
                    saida += fracao[static_cast<size_t>(posicaoFracao)];
                }
                ++posicaoFracao;
            }
            break;
        case Padrao::Tipo::Ponto:
            for (; proximoDigito < total; ++proximoDigito) {
                escreverDigito(proximoDigito);
            }
            if (!fracao.empty()) {
                saida += ',';
            }
            break;
        case Padrao::Tipo::Expoente: {
            for (; proximoDigito < total; ++proximoDigito) {
                escreverDigito(proximoDigito);
            }
            saida += peca.texto[0];
            const int expoente = n.zero ? 0 : n.expoente;
            if (expoente < 0) {
                saida += '-';
            } else if (peca.texto[1] == '+') {
                saida += '+';
            }
            std::string digitos = std::to_string(std::abs(expoente));
            if (static_cast<int>(digitos.size()) < peca.digitosExpoente) {
                digitos.insert(0, static_cast<size_t>(peca.digitosExpoente) - digitos.size(), '0');
            }
            saida += digitos;
            break;
        }
        }
    }
    return saida;
}

} // namespace

TDateTime CodificarDataHora(int ano, int mes, int dia, int hora, int minuto, int segundo, int milissegundo) {
    if (ano < 1 || ano > 9999 || mes < 1 || mes > 12 || dia < 1 || dia > DiasDoMes(ano, mes) || hora < 0 || hora > 23 ||
        minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59 || milissegundo < 0 || milissegundo > 999) {
        throw ErroConversao("Data ou hora inválida");
    }
    const double dias = static_cast<double>(DiasDaData(ano, mes, dia));
    const double hora01 = (((hora * 60.0 + minuto) * 60.0 + segundo) * 1000.0 + milissegundo) / kMsPorDia;
    return dias >= 0 ? dias + hora01 : dias - hora01;
}

std::string FormatarDataHora(std::string_view formato, TDateTime valor) {
    const PartesDataHora p = Decompor(valor);
    auto numero = [](int n, int digitos) {
        std::string texto = std::to_string(n);
        if (static_cast<int>(texto.size()) < digitos) {
            texto.insert(0, static_cast<size_t>(digitos) - texto.size(), '0');
        }
        return texto;
    };
    // The run of one letter at i, in either case.
    auto repeticoes = [&](size_t i) {
        size_t n = 1;
        while (i + n < formato.size() && std::tolower(static_cast<unsigned char>(formato[i + n])) ==
                                             std::tolower(static_cast<unsigned char>(formato[i]))) {
            ++n;
        }
        return n;
    };
    std::string saida;
    for (size_t i = 0; i < formato.size();) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(formato[i])));
        if (c == '"' || c == '\'') {
            size_t fim = formato.find(formato[i], i + 1);
            if (fim == std::string_view::npos) {
                fim = formato.size();
            }
            saida += formato.substr(i + 1, fim - i - 1);
            i = fim + 1;
            continue;
        }
        const size_t n = std::string_view("dmyhnsz").find(c) != std::string_view::npos ? repeticoes(i) : 1;
        switch (c) {
        case 'd':
            saida += numero(p.dia, n >= 2 ? 2 : 1);
            break;
        case 'm':
            saida += numero(p.mes, n >= 2 ? 2 : 1);
            break;
        case 'y':
            saida += n >= 3 ? numero(p.ano, 4) : numero(p.ano % 100, 2);
            break;
        case 'h':
            saida += numero(p.hora, n >= 2 ? 2 : 1);
            break;
        case 'n':
            saida += numero(p.minuto, n >= 2 ? 2 : 1);
            break;
        case 's':
            saida += numero(p.segundo, n >= 2 ? 2 : 1);
            break;
        case 'z':
            saida += numero(p.milissegundo, n >= 3 ? 3 : 1);
            break;
        default:
            saida += formato[i];
        }
        i += n;
    }
    return saida;
}

std::string DataHoraParaTexto(TDateTime valor) {
    return FormatarDataHora("dd/mm/yyyy hh:nn:ss", valor);
}

TDateTime TextoParaDataHora(std::string_view texto) {
    auto falha = [&]() -> TDateTime {
        throw ErroConversao("'" + std::string(texto) + "' não é uma data e hora válida");
    };
    PartesDataHora p;
    size_t i = 0;
    const int primeiro = LerNumero(texto, i, 4);
    bool temData = false;
    if (primeiro >= 0 && LerSeparador(texto, i, '/')) {
        temData = true;
        p.dia = primeiro;
        p.mes = LerNumero(texto, i, 2);
        if (p.mes < 0 || !LerSeparador(texto, i, '/')) {
            return falha();
        }
        size_t digitosAno = 0;
        p.ano = LerNumero(texto, i, 4, &digitosAno);
        if (p.ano < 0) {
            return falha();
        }
        if (digitosAno <= 2) {
            p.ano = SeculoDoAno(p.ano);
        }
        if (i < texto.size()) {
            // A time follows after blanks.
            if (texto[i] != ' ') {
                return falha();
            }
            while (i < texto.size() && texto[i] == ' ') {
                ++i;
            }
            if (i == texto.size()) {
                return falha();
            }
        }
    } else {
        i = 0;
    }
    bool temHora = false;
    if (i < texto.size()) {
        temHora = true;
        p.hora = LerNumero(texto, i, 2);
        if (p.hora < 0 || !LerSeparador(texto, i, ':')) {
            return falha();
        }
        p.minuto = LerNumero(texto, i, 2);
        if (p.minuto < 0) {
            return falha();
        }
        if (LerSeparador(texto, i, ':')) {
            p.segundo = LerNumero(texto, i, 2);
            if (p.segundo < 0) {
                return falha();
            }
            if (LerSeparador(texto, i, '.')) {
                p.milissegundo = LerNumero(texto, i, 3);
                if (p.milissegundo < 0) {
                    return falha();
                }
            }
        }
        if (i != texto.size()) {
            return falha();
        }
    }
    if (!temData && !temHora) {
        return falha();
    }
    try {
        return CodificarDataHora(p.ano, p.mes, p.dia, p.hora, p.minuto, p.segundo, p.milissegundo);
    } catch (const ErroConversao&) {
        return falha();
    }
}

std::string FormatarFlutuante(std::string_view formato, double valor) {
    const std::vector<std::string> secoes = SepararSecoes(formato);
    const Padrao principal(secoes[0]);
    const Numero n = Digitos(valor, principal);
    if (n.zero && secoes.size() > 2 && !secoes[2].empty()) {
        const Padrao zero(secoes[2]);
        return Aplicar(zero, Digitos(0.0, zero), false);
    }
    if (valor < 0 && secoes.size() > 1 && !secoes[1].empty()) {
        const Padrao negativo(secoes[1]);
        return Aplicar(negativo, Digitos(valor, negativo), false);
    }
    if (!principal.temDigitos()) {
        return Aplicar(principal, n, false);
    }
    return Aplicar(principal, n, valor < 0 && !n.zero);
}

#include "Bibliotecas/Interna/EstruturaDados.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <source_location>

std::function<void(const std::string& Texto)> OnLogSQL;

namespace {

// A failed assertion of the library: the text, then where in the library it failed.
class ErroAssercao : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

void Assercao(bool condicao, const std::string& texto,
              const std::source_location local = std::source_location::current()) {
    if (condicao) {
        return;
    }
    std::string arquivo = local.file_name();
    const size_t inicio = arquivo.rfind("Bibliotecas/Interna/");
    if (inicio != std::string::npos) {
        arquivo.erase(0, inicio);
    }
    throw ErroAssercao(texto + " (" + arquivo + ", linha " + std::to_string(local.line()) + ")");
}

std::string Preencher(std::string modelo, std::initializer_list<std::string> valores) {
    size_t posicao = 0;
    for (const std::string& valor : valores) {
        posicao = modelo.find("%s", posicao);
        modelo.replace(posicao, 2, valor);
        posicao += valor.size();
    }
    return modelo;
}

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

bool AnoBissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

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

std::string DoisDigitos(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string DataCurta(const PartesDataHora& p, bool anoCom4Digitos) {
    char ano[16];
    std::snprintf(ano, sizeof ano, anoCom4Digitos ? "%04d" : "%02d", anoCom4Digitos ? p.ano : p.ano % 100);
    return DoisDigitos(p.dia) + "/" + DoisDigitos(p.mes) + "/" + ano;
}

// A two-digit year falls within the 50 years around the current one.
int SeculoDoAno(int ano) {
    const auto hoje = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
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
    int inteiros = 0;          // digit placeholders before the decimal point
    int minimoInteiros = 0;    // those from the first "0" on
    int fracao = 0;            // digit placeholders after the decimal point
    int minimoFracao = 0;      // up to the last "0" after the decimal point
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
            } else if ((c == 'E' || c == 'e') && !cientifico && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
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
    n.zero = n.inteiros.find_first_not_of('0') == std::string::npos &&
             n.fracao.find_first_not_of('0') == std::string::npos;
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

// --- Dates and number patterns ---------------------------------------------------

TDateTime CodificarDataHora(int ano, int mes, int dia, int hora, int minuto, int segundo, int milissegundo) {
    if (ano < 1 || ano > 9999 || mes < 1 || mes > 12 || dia < 1 || dia > DiasDoMes(ano, mes) || hora < 0 ||
        hora > 23 || minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59 || milissegundo < 0 ||
        milissegundo > 999) {
        throw ErroConversao("Data ou hora inválida");
    }
    const double dias = static_cast<double>(DiasDaData(ano, mes, dia));
    const double hora01 = (((hora * 60.0 + minuto) * 60.0 + segundo) * 1000.0 + milissegundo) / kMsPorDia;
    return dias >= 0 ? dias + hora01 : dias - hora01;
}

std::string DataHoraParaTexto(TDateTime valor) {
    const PartesDataHora p = Decompor(valor);
    return DataCurta(p, true) + " " + DoisDigitos(p.hora) + ":" + DoisDigitos(p.minuto) + ":" + DoisDigitos(p.segundo);
}

TDateTime TextoParaDataHora(std::string_view texto) {
    auto falha = [&]() -> TDateTime {
        throw ErroConversao("'" + std::string(texto) + "' não é uma data e hora válida");
    };
    PartesDataHora p;
    size_t i = 0;
    const size_t antes = i;
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
            if (texto[i] != ' ') {
                return falha();
            }
            while (i < texto.size() && texto[i] == ' ') {
                ++i;
            }
        }
    } else {
        i = antes;
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

// --- Query results and execution -------------------------------------------------------

bool TConsultaEstruturaMemoria::Fim() const { return Posicao >= static_cast<int>(Linhas.size()); }

void TConsultaEstruturaMemoria::Proximo() {
    if (!Fim()) {
        ++Posicao;
    }
}

const ValorBanco* TConsultaEstruturaMemoria::Campo(const std::string& coluna) const {
    for (size_t i = 0; i < Colunas.size(); ++i) {
        const std::string& nome = Colunas[i];
        bool igual = nome.size() == coluna.size();
        for (size_t k = 0; igual && k < nome.size(); ++k) {
            igual = std::toupper(static_cast<unsigned char>(nome[k])) == std::toupper(static_cast<unsigned char>(coluna[k]));
        }
        if (igual) {
            if (Fim()) {
                throw ErroGeral("A consulta não está posicionada num registro");
            }
            const auto& linha = Linhas[static_cast<size_t>(Posicao)];
            static const ValorBanco nulo;
            return i < linha.size() ? &linha[i] : &nulo;
        }
    }
    return nullptr;
}

int Executar(TConexaoEstrutura* Conexao, const std::string& Texto, const std::string& Origem) {
    if (OnLogSQL) {
        std::string dono = Conexao->ClasseDono();
        if (dono.empty()) {
            dono = NomeDaClasse(typeid(*Conexao));
        }
        OnLogSQL(">>> " + Origem + " => {" + dono + "} <<<");
        OnLogSQL(Texto);
        OnLogSQL(" ");
    }
    if (Conexao->OnAntesExecutar) {
        Conexao->OnAntesExecutar(true);
    }
    Conexao->FecharConsulta();
    Conexao->DefinirSQL(Texto);
    Conexao->ExecutarConsulta();
    if (Conexao->OnDepoisExecutar) {
        Conexao->OnDepoisExecutar();
    }
    return Conexao->LinhasAfetadas();
}

// --- TclsItemCampo -----------------------------------------------------------------

TclsItemCampo::TclsItemCampo(TclsNodo* Pai, const std::string& Nome)
    : TclsNodo(Pai, Nome), Coluna(Nome), Identificador(Nome) {
    // The node constructor added the field to Pai before this class existed.
    if (Pai) {
        AoDefinirPai(Pai);
    }
}

void TclsItemCampo::AoDefinirPai(TclsNodo* Pai) {
    if (Pai && Pai->Pai) {
        if (auto* registro = dynamic_cast<TclsItemRegistro*>(Pai->Pai)) {
            registro_ = registro;
        }
    }
}

void TclsItemCampo::Limpar() {
    igual_ = false;
    ultimoTextoSQL_.clear();
    ForcarNulo = false;
    SetEstado(0);
}

void TclsItemCampo::Copiar(TclsNodo* Origem) {
    auto* origem = dynamic_cast<TclsItemCampo*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    ForcarNulo = origem->ForcarNulo;
    SetEstado(origem->Estado);
    igual_ = false;
    ultimoTextoSQL_.clear();
}

bool TclsItemCampo::Comparar(TclsNodo* Outro) {
    auto* outro = dynamic_cast<TclsItemCampo*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    igual_ = GetTexto() == outro->GetTexto();
    return igual_;
}

std::string TclsItemCampo::Descricao() {
    if (EstaNulo()) {
        return Coluna + ": \"Nulo\"";
    }
    return Coluna + ": " + GetTexto();
}

std::string TclsItemCampo::TextoSQLOracle() {
    if (ForcarNulo || EstaNulo()) {
        ForcarNulo = false;
        return "Null";
    }
    if (OnTextoSQLOracle) {
        std::string texto;
        OnTextoSQLOracle(texto);
        return texto;
    }
    return ValorSQLOracle();
}

std::string TclsItemCampo::TextoSQLMainFrame() {
    if (ForcarNulo || EstaNulo()) {
        ForcarNulo = false;
        return "Null";
    }
    if (OnTextoSQLMainFrame) {
        std::string texto;
        OnTextoSQLMainFrame(texto);
        return texto;
    }
    return ValorSQLMainFrame();
}

void TclsItemCampo::SetEstado(uint8_t Novo) {
    estado_ = Novo;
    DispararAlteracao();
    NotificarAlteracao(0);
    if (registro_) {
        if (Novo == 1) {
            registro_->MarcarCarregado();
        } else if (Novo == 2) {
            registro_->MarcarAlterado();
        }
    }
}

bool TclsItemCampo::MarcarGravado() {
    if (EstaNulo()) {
        return false;
    }
    SetEstado(1);
    return true;
}

bool TclsItemCampo::IncluirNoInsert() {
    Assercao(!(EstaNulo() && Opcoes.Contem(ocChave)),
             Preencher("O campo [%s] está definido como \"campo chave\", logo este deve ter um valor definido para ser "
                       "utilizado no comando SQL de Insert!",
                       {Coluna}));
    Assercao(!(EstaNulo() && Opcoes.Contem(ocNaoNulo)),
             Preencher("O campo [%s] está definido como \"Não Nulo\", logo este deve ter um valor definido para ser "
                       "utilizado no comando SQL de Insert!",
                       {Coluna}));
    return !EstaNulo() && Opcoes.Contem(ocIncluir);
}

bool TclsItemCampo::IncluirNoSet() { return estado_ == 2 && Opcoes.Contem(ocAlterar); }

bool TclsItemCampo::IncluirNoWhereUpdate() {
    Assercao(!(EstaNulo() && Opcoes.Contem(ocRestringir) && Opcoes.Contem(ocChave)),
             Preencher("O campo [%s] está definido como \"campo chave\", logo este deve ter um valor para ser "
                       "utilizado nas retrições WHERE para utilizar o comando SQL UpDate!",
                       {Coluna}));
    return !EstaNulo() && Opcoes.Contem(ocRestringir);
}

bool TclsItemCampo::IncluirNoWhere() { return !EstaNulo() && Opcoes.Contem(ocRestringir); }

// --- TclsCampoTipado ---------------------------------------------------------------

template <class T, class TClasse>
void TclsCampoTipado<T, TClasse>::Limpar() {
    TclsItemCampo::Limpar();
    valor_ = T{};
}

template <class T, class TClasse>
void TclsCampoTipado<T, TClasse>::Copiar(TclsNodo* Origem) {
    auto* origem = dynamic_cast<TClasse*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    TclsItemCampo::Copiar(Origem);
    valor_ = origem->Valor;
}

template <class T, class TClasse>
bool TclsCampoTipado<T, TClasse>::LerDoDataSet(TConsultaEstrutura* Resultado) {
    const ValorBanco* valor = Resultado->Campo(Coluna);
    if (!valor || std::holds_alternative<std::monostate>(*valor)) {
        Limpar();
        return false;
    }
    valor_ = LerValor(*valor);
    SetEstado(1);
    return true;
}

template <class T, class TClasse>
void TclsCampoTipado<T, TClasse>::SetValor(const T& V) {
    T novo = V;
    if constexpr (std::is_same_v<T, std::string>) {
        if (RemoverEspacos) {
            novo = ApararBrancos(novo);
        }
    }
    if (OnValidar && !OnValidar(novo)) {
        return;
    }
    if (novo != valor_ || EstaNulo()) {
        valor_ = std::move(novo);
        SetEstado(2);
    }
}

template class TclsCampoTipado<int32_t, TClsCampoInt>;
template class TclsCampoTipado<std::string, TClsCampoStr>;
template class TclsCampoTipado<double, TClsCampoFloat>;
template class TclsCampoTipado<TDateTime, TClsCampoDate>;

// --- The four field classes ----------------------------------------------------------

void TClsCampoInt::SetTexto(const std::string& Texto) { SetValor(TextoParaInteiro(ApararBrancos(Texto))); }

std::string TClsCampoInt::GetTexto() { return EstaNulo() ? std::string() : std::to_string(valor_); }

std::string TClsCampoInt::ValorSQLOracle() { return std::to_string(valor_); }

std::string TClsCampoInt::ValorSQLMainFrame() { return std::to_string(valor_); }

int32_t TClsCampoInt::LerValor(const ValorBanco& valor) {
    if (const auto* inteiro = std::get_if<int64_t>(&valor)) {
        return static_cast<int32_t>(*inteiro);
    }
    if (const auto* flutuante = std::get_if<double>(&valor)) {
        return static_cast<int32_t>(std::llround(*flutuante));
    }
    return TextoParaInteiro(ApararBrancos(std::get<std::string>(valor)));
}

void TClsCampoStr::SetTexto(const std::string& Texto) { SetValor(Texto); }

std::string TClsCampoStr::GetTexto() { return EstaNulo() ? std::string() : valor_; }

std::string TClsCampoStr::ValorSQLOracle() { return Q(RemoverEspacos ? ApararBrancos(valor_) : valor_); }

std::string TClsCampoStr::ValorSQLMainFrame() { return ValorSQLOracle(); }

std::string TClsCampoStr::LerValor(const ValorBanco& valor) {
    std::string texto = ValorComoTexto(valor);
    return RemoverEspacos ? ApararBrancos(texto) : texto;
}

void TClsCampoFloat::SetTexto(const std::string& Texto) { SetValor(TextoParaNumero(ApararBrancos(Texto))); }

std::string TClsCampoFloat::GetTexto() {
    if (EstaNulo()) {
        return {};
    }
    if (!ApararBrancos(FormatoExibicao).empty()) {
        return FormatarFlutuante(FormatoExibicao, valor_);
    }
    return FormatoGeral(valor_);
}

std::string TClsCampoFloat::ValorSQLOracle() {
    ultimoTextoSQL_ = FormatoGeral(valor_);
    return " TO_NUMBER(" + Q(ultimoTextoSQL_) + ")";
}

std::string TClsCampoFloat::ValorSQLMainFrame() {
    ultimoTextoSQL_ = FormatoGeral(valor_);
    std::string texto = ultimoTextoSQL_;
    const size_t virgula = texto.find(',');
    if (virgula != std::string::npos) {
        texto[virgula] = '.';
    }
    return texto;
}

double TClsCampoFloat::LerValor(const ValorBanco& valor) {
    if (const auto* inteiro = std::get_if<int64_t>(&valor)) {
        return static_cast<double>(*inteiro);
    }
    if (const auto* flutuante = std::get_if<double>(&valor)) {
        return *flutuante;
    }
    return TextoParaNumero(std::get<std::string>(valor));
}

void TClsCampoDate::SetTexto(const std::string& Texto) { SetValor(TextoParaDataHora(Texto)); }

std::string TClsCampoDate::GetTexto() { return EstaNulo() ? std::string() : DataHoraParaTexto(valor_); }

std::string TClsCampoDate::ValorSQLOracle() {
    ultimoTextoSQL_ = Q(DataHoraParaTexto(valor_));
    return " TO_DATE(" + ultimoTextoSQL_ + ", 'DD/MM/YYYY HH24:MI:SS')";
}

std::string TClsCampoDate::ValorSQLMainFrame() {
    // The MainFrame pattern " '"DD/MM/YY"  ' ": the date with a two-digit year between
    // a blank and apostrophe and two blanks, an apostrophe and a blank.
    ultimoTextoSQL_ = " '" + DataCurta(Decompor(valor_), false) + "  ' ";
    return ultimoTextoSQL_;
}

TDateTime TClsCampoDate::LerValor(const ValorBanco& valor) {
    if (const auto* inteiro = std::get_if<int64_t>(&valor)) {
        return static_cast<double>(*inteiro);
    }
    if (const auto* flutuante = std::get_if<double>(&valor)) {
        return *flutuante;
    }
    const std::string& texto = std::get<std::string>(valor);
    // Dates stored as text by the engine itself come as "yyyy-mm-dd[ hh:mm:ss]".
    if (texto.size() >= 10 && texto[4] == '-' && texto[7] == '-') {
        std::string brasileiro = texto.substr(8, 2) + "/" + texto.substr(5, 2) + "/" + texto.substr(0, 4);
        if (texto.size() > 10) {
            brasileiro += " " + ApararBrancos(texto.substr(11));
        }
        return TextoParaDataHora(brasileiro);
    }
    return TextoParaDataHora(texto);
}

// --- Lists -----------------------------------------------------------------------

namespace {

template <class T>
T* ComoClasse(TclsNodo* nodo) {
    auto* tipado = dynamic_cast<T*>(nodo);
    if (!tipado) {
        throw ErroConversao("Conversão de classe inválida");
    }
    return tipado;
}

} // namespace

TclsItemDado* TclsListaItensDados::Item(int Indice) const { return ComoClasse<TclsItemDado>(Filho(Indice)); }

void TclsListaItensCampo::Notificar(TclsNodo*, int) { DispararAlteracao(); }

std::string TclsListaItensCampo::Descricao() { return "Campos [" + std::to_string(QuantidadeFilhos()) + "]"; }

TclsItemCampo* TclsListaItensCampo::Campo(int Indice) const { return ComoClasse<TclsItemCampo>(Filho(Indice)); }

TclsItemRegistro* TclsListaItensRegistro::Registro(int Indice) const {
    return ComoClasse<TclsItemRegistro>(Filho(Indice));
}

void TclsListaItensRegistro::AdicionarCopia(TclsItemRegistro* Origem) {
    if (!ClasseRegistro) {
        throw ErroGeral(Preencher("Não foi definida a classe de registro para o vetor de registro [%s] da classe [%s]",
                                  {Pai ? Pai->Nome : Nome, Pai ? Pai->ClassName() : ClassName()}));
    }
    // Owned here until the list takes it, so that a refused copy is not lost.
    std::unique_ptr<TclsItemRegistro> registro(ClasseRegistro(nullptr, "CRegAux"));
    NomearItem(registro.get());
    registro->Copiar(Origem);
    AdicionarFilho(registro.get());
    registro.release();
    if (Origem->EstaCarregado()) {
        NotificarAlteracao(2);
    } else if (Origem->EstaAlterado()) {
        NotificarAlteracao(0);
    }
}

// --- TclsItemDado ------------------------------------------------------------------

TclsItemDado::TclsItemDado(TclsNodo* Pai, const std::string& Nome)
    : TclsNodo(Pai, Nome), FListaItens(new TclsListaItensDados(this, "FListaItens")),
      FListaVincs(new TclsListaVinculosDados(this, "FListaVincs")) {}

void TclsItemDado::Notificar(TclsNodo*, int Codigo) {
    if (Codigo == 0) {
        SetEstado(2);
    } else if (Codigo == 2) {
        SetEstado(1);
    }
}

void TclsItemDado::SetMarca(bool Valor) { marca_ = Valor; }

bool TclsItemDado::GetMarca() { return marca_; }

bool TclsItemDado::EstaVazio() { return estado_ == 0; }

bool TclsItemDado::EstaAlterado() { return estado_ == 2; }

bool TclsItemDado::EstaCarregado() { return estado_ == 1; }

int TclsItemDado::Reservado1() { return 0; }

int TclsItemDado::Reservado2() { return 0; }

std::string TclsItemDado::SelectOracle() { return Select(TDialeto::Oracle); }
std::string TclsItemDado::InsertOracle() { return Insert(TDialeto::Oracle); }
std::string TclsItemDado::UpdateOracle() { return Update(TDialeto::Oracle); }
std::string TclsItemDado::SelectMainFrame() { return Select(TDialeto::MainFrame); }
std::string TclsItemDado::InsertMainFrame() { return Insert(TDialeto::MainFrame); }
std::string TclsItemDado::UpdateMainFrame() { return Update(TDialeto::MainFrame); }

std::string TclsItemDado::Select(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? SelectOracle(texto) : SelectMainFrame(texto);
    return texto;
}

std::string TclsItemDado::Insert(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? InsertOracle(texto) : InsertMainFrame(texto);
    return texto;
}

std::string TclsItemDado::Update(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? UpdateOracle(texto) : UpdateMainFrame(texto);
    return texto;
}

void TclsItemDado::SetEstado(uint8_t Novo) {
    const uint8_t antigo = estado_;
    estado_ = Novo;
    DispararAlteracao();
    if (Novo == 2 && antigo != 2) {
        NotificarAlteracao(0);
    }
}

void TclsItemDado::SetOperacao(uint8_t Novo) {
    operacao_ = Novo;
    if (Novo == 1 && estado_ == 0) {
        SetEstado(1);
    }
    if (Novo == 2 && estado_ != 2) {
        SetEstado(2);
    }
    if (vetor_) {
        if (Novo == 1) {
            vetor_->MarcarCarregado();
        } else if (Novo == 2) {
            vetor_->MarcarAlterado();
        }
    }
}

bool TclsItemDado::MarcarCarregado() {
    if (EstaAlterado()) {
        return false;
    }
    SetOperacao(1);
    return true;
}

bool TclsItemDado::MarcarAlterado() {
    SetOperacao(2);
    return true;
}

std::string TclsItemDado::Tabela(TDialeto dialeto) const {
    return dialeto == TDialeto::Oracle ? TabelaOracle : TabelaMainFrame;
}

TConexaoEstrutura* TclsItemDado::ObterConexao(TDialeto dialeto) {
    TConexaoEstrutura*& conexao = dialeto == TDialeto::Oracle ? ConexaoOracle : ConexaoMainFrame;
    if (conexao) {
        return conexao;
    }
    for (TclsNodo* ancestral = Pai; ancestral; ancestral = ancestral->Pai) {
        if (auto* dado = dynamic_cast<TclsItemDado*>(ancestral)) {
            conexao = dado->ObterConexao(dialeto);
            return conexao;
        }
    }
    throw ErroGeral(Preencher("Não existe nenhuma conexão [%s] que o objeto [%s] da classe [%s] possa usar!",
                              {dialeto == TDialeto::Oracle ? "Oracle" : "MainFrame", Nome, ClassName()}));
}

TConexaoEstrutura* TclsItemDado::ObterConexaoOracle() { return ObterConexao(TDialeto::Oracle); }

TConexaoEstrutura* TclsItemDado::ObterConexaoMainFrame() { return ObterConexao(TDialeto::MainFrame); }

// --- TclsItemRegistro --------------------------------------------------------------

TclsItemRegistro::TclsItemRegistro(TclsNodo* Pai, const std::string& Nome)
    : TclsItemDado(Pai, Nome), FListaCmps(new TclsListaItensCampo(this, "FListaCmps")) {
    // The node constructor added the record to Pai before this class existed.
    if (Pai) {
        AoDefinirPai(Pai);
    }
}

void TclsItemRegistro::AoDefinirPai(TclsNodo* Pai) {
    vetor_ = nullptr;
    if (dynamic_cast<TclsListaItensRegistro*>(Pai)) {
        vetor_ = dynamic_cast<TclsItemVetRegistros*>(Pai->Pai);
    }
    if (vetor_) {
        if (EstaCarregado()) {
            vetor_->MarcarCarregado();
        } else if (EstaAlterado()) {
            vetor_->MarcarAlterado();
        }
    }
}

void TclsItemRegistro::Limpar() {
    for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
        FListaCmps->Campo(i)->Limpar();
    }
    SetEstado(0);
    SetOperacao(0);
}

namespace {

// The first child of a list whose key equals `chave`, exactly.
template <class TChave>
TclsNodo* Parceiro(const TclsNodo* lista, const std::string& chave, TChave chaveDe) {
    for (TclsNodo* filho : lista->Filhos) {
        if (chaveDe(filho) == chave) {
            return filho;
        }
    }
    return nullptr;
}

std::string IdentificadorDe(TclsNodo* nodo) {
    auto* campo = dynamic_cast<TclsItemCampo*>(nodo);
    return campo ? campo->Identificador : std::string();
}

std::string NomeDe(TclsNodo* nodo) { return nodo->Nome; }

// Copies each item of `destino` from the item of `origem` with the same name; returns
// how many were copied.
int CopiarItens(TclsListaItensDados* destino, TclsListaItensDados* origem) {
    int copiados = 0;
    for (TclsNodo* item : destino->Filhos) {
        if (TclsNodo* parceiro = Parceiro(origem, item->Nome, NomeDe)) {
            item->Copiar(parceiro);
            ++copiados;
        }
    }
    return copiados;
}

// Compares each child of `proprios` with the child of `outros` of the same key; false
// when any pair differs.
template <class TChave>
bool CompararPares(TclsNodo* proprios, TclsNodo* outros, TChave chaveDe) {
    bool igual = true;
    for (TclsNodo* item : proprios->Filhos) {
        if (TclsNodo* parceiro = Parceiro(outros, chaveDe(item), chaveDe)) {
            if (!item->Comparar(parceiro)) {
                igual = false;
            }
        }
    }
    return igual;
}

} // namespace

void TclsItemRegistro::Copiar(TclsNodo* Origem) {
    if (Origem == this) {
        return; // clearing first would lose the very data to be copied
    }
    Limpar();
    camposCopiados_ = 0;
    auto* origem = dynamic_cast<TclsItemRegistro*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    for (TclsNodo* campo : FListaCmps->Filhos) {
        if (TclsNodo* parceiro = Parceiro(origem->FListaCmps, IdentificadorDe(campo), IdentificadorDe)) {
            campo->Copiar(parceiro);
            ++camposCopiados_;
        }
    }
    if (camposCopiados_ > 0 && !origem->EstaVazio()) {
        SetEstado(origem->Estado);
    }
    itensCopiados_ = 0;
    itensCopiados_ = CopiarItens(FListaItens, origem->FListaItens);
}

bool TclsItemRegistro::Comparar(TclsNodo* Outro) {
    igual_ = true;
    auto* outro = dynamic_cast<TclsItemRegistro*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    const bool camposIguais = CompararPares(FListaCmps, outro->FListaCmps, IdentificadorDe);
    const bool itensIguais = CompararPares(FListaItens, outro->FListaItens, NomeDe);
    igual_ = camposIguais && itensIguais;
    return igual_;
}

std::string TclsItemRegistro::Restricao(TDialeto dialeto) {
    const TEventoTexto& evento = dialeto == TDialeto::Oracle ? OnRestricaoOracle : OnRestricaoMainFrame;
    std::string texto;
    if (evento) {
        evento(texto);
    } else {
        for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
            TclsItemCampo* campo = FListaCmps->Campo(i);
            if (campo->IncluirNoWhere()) {
                texto += texto.empty() ? " WHERE " : " AND ";
                texto += campo->Coluna + " = " +
                         (dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame());
            }
        }
    }
    ultimaRestricao_ = texto;
    return texto;
}

std::string TclsItemRegistro::RestricaoOracle() { return Restricao(TDialeto::Oracle); }

std::string TclsItemRegistro::RestricaoMainFrame() { return Restricao(TDialeto::MainFrame); }

std::string TclsItemRegistro::MontarSelect(TDialeto dialeto) {
    return " SELECT * FROM " + Tabela(dialeto) + Restricao(dialeto) + Complemento;
}

std::string TclsItemRegistro::MontarInsert(TDialeto dialeto) {
    std::string colunas;
    std::string valores;
    for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
        TclsItemCampo* campo = FListaCmps->Campo(i);
        if (!campo->IncluirNoInsert()) {
            continue;
        }
        if (!colunas.empty()) {
            colunas += ", ";
            valores += ", ";
        }
        colunas += campo->Coluna;
        valores += dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame();
        campo->MarcarGravado();
    }
    if (colunas.empty()) {
        throw ErroGeral("Não existe campos para sere inseridos na tabela!");
    }
    std::string texto = dialeto == TDialeto::Oracle
                            ? " INSERT INTO " + Tabela(dialeto) + " (" + colunas + ") " + " VALUES " + " (" + valores + ") "
                            : " INSERT INTO " + Tabela(dialeto) + "(" + colunas + ")" + " VALUES " + "(" + valores + ")";
    SetEstado(1);
    SetOperacao(1);
    return texto;
}

std::string TclsItemRegistro::MontarUpdate(TDialeto dialeto) {
    auto textoSQL = [dialeto](TclsItemCampo* campo) {
        return dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame();
    };
    std::string conjunto;
    for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
        TclsItemCampo* campo = FListaCmps->Campo(i);
        if (campo->IncluirNoSet()) {
            conjunto += conjunto.empty() ? " SET " : ", ";
            conjunto += campo->Coluna + " = " + textoSQL(campo);
            campo->MarcarGravado();
        }
    }
    if (conjunto.empty()) {
        throw ErroGeral("Não existe campos para sere atualizados na tabela!");
    }
    std::string restricao;
    for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
        TclsItemCampo* campo = FListaCmps->Campo(i);
        if (campo->IncluirNoWhereUpdate()) {
            restricao += restricao.empty() ? " WHERE " : " AND ";
            restricao += campo->Coluna + " = " + textoSQL(campo);
        }
    }
    if (restricao.empty()) {
        throw ErroGeral("Dever ser definida retrições WHERE para utilizar o UpDate!");
    }
    SetEstado(1);
    SetOperacao(1);
    return " UPDATE " + Tabela(dialeto) + conjunto + restricao;
}

void TclsItemRegistro::SelectOracle(std::string& Texto) { Texto = MontarSelect(TDialeto::Oracle); }
void TclsItemRegistro::InsertOracle(std::string& Texto) { Texto = MontarInsert(TDialeto::Oracle); }
void TclsItemRegistro::UpdateOracle(std::string& Texto) { Texto = MontarUpdate(TDialeto::Oracle); }
void TclsItemRegistro::SelectMainFrame(std::string& Texto) { Texto = MontarSelect(TDialeto::MainFrame); }
void TclsItemRegistro::InsertMainFrame(std::string& Texto) { Texto = MontarInsert(TDialeto::MainFrame); }
void TclsItemRegistro::UpdateMainFrame(std::string& Texto) { Texto = MontarUpdate(TDialeto::MainFrame); }

int TclsItemRegistro::Incluir(TDialeto dialeto) {
    if (operacao_ == 0) {
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    ultimoSQL_ = Insert(dialeto);
    return Executar(conexao, ultimoSQL_, ClassName());
}

int TclsItemRegistro::Alterar(TDialeto dialeto) {
    if (operacao_ != 2) {
        if (!EstaVazio()) {
            SetEstado(1);
            SetOperacao(1);
        }
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    ultimoSQL_ = Update(dialeto);
    return Executar(conexao, ultimoSQL_, ClassName());
}

int TclsItemRegistro::IncluirOracle() { return Incluir(TDialeto::Oracle); }
int TclsItemRegistro::AlterarOracle() { return Alterar(TDialeto::Oracle); }
int TclsItemRegistro::IncluirMainFrame() { return Incluir(TDialeto::MainFrame); }
int TclsItemRegistro::AlterarMainFrame() { return Alterar(TDialeto::MainFrame); }

int TclsItemRegistro::Ler(int) {
    if (!Consulta) {
        Limite = 0;
        Lidos = 0;
        return 0;
    }
    if (Lidos >= Limite || Consulta->Fim()) {
        return 0;
    }
    for (int i = 0; i < FListaCmps->QuantidadeFilhos(); ++i) {
        TclsItemCampo* campo = FListaCmps->Campo(i);
        if (campo->Opcoes.Contem(ocLer)) {
            campo->LerDoDataSet(Consulta);
        }
    }
    SetEstado(1);
    SetOperacao(1);
    ++Lidos;
    Consulta->Proximo();
    return 1;
}

// --- TclsItemVetRegistros ----------------------------------------------------------

TclsItemVetRegistros::TclsItemVetRegistros(TclsNodo* Pai, const std::string& Nome)
    : TclsItemDado(Pai, Nome), FListaRegs(new TclsListaItensRegistro(this, "FListaRegs")) {}

void TclsItemVetRegistros::Limpar() { FListaRegs->LimparItens(); }

void TclsItemVetRegistros::Copiar(TclsNodo* Origem) {
    if (Origem == this) {
        return; // clearing first would destroy the very records to be copied
    }
    registrosCopiados_ = 0;
    auto* origem = dynamic_cast<TclsItemVetRegistros*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    Limpar();
    for (int i = 0; i < origem->FListaRegs->QuantidadeFilhos(); ++i) {
        FListaRegs->AdicionarCopia(origem->FListaRegs->Registro(i));
        ++registrosCopiados_;
    }
    if (registrosCopiados_ > 0) {
        SetEstado(origem->Estado);
    }
    itensCopiados_ = 0;
    itensCopiados_ = CopiarItens(FListaItens, origem->FListaItens);
}

bool TclsItemVetRegistros::Comparar(TclsNodo* Outro) {
    igual_ = true;
    auto* outro = dynamic_cast<TclsItemVetRegistros*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    const bool registrosIguais = CompararPares(FListaRegs, outro->FListaRegs, NomeDe);
    const bool itensIguais = CompararPares(FListaItens, outro->FListaItens, NomeDe);
    igual_ = registrosIguais && itensIguais;
    return igual_;
}

TclsItemRegistro* TclsItemVetRegistros::RegistroDado() {
    if (!regDado_) {
        if (!FListaRegs->ClasseRegistro) {
            throw ErroGeral(
                Preencher("Não foi definida a classe de registro para o vetor de registro [%s] da classe [%s]",
                          {Nome, ClassName()}));
        }
        regDado_ = FListaRegs->ClasseRegistro(this, "FRegDado");
    }
    return regDado_;
}

std::string TclsItemVetRegistros::MontarSelect(TDialeto dialeto) {
    TclsItemRegistro* registro = RegistroDado();
    return dialeto == TDialeto::Oracle ? registro->SelectOracle() : registro->SelectMainFrame();
}

std::string TclsItemVetRegistros::MontarComandos(TDialeto dialeto, bool alteracao) {
    std::string texto;
    bool algum = false;
    for (int i = 0; i < FListaRegs->QuantidadeFilhos(); ++i) {
        TclsItemRegistro* registro = FListaRegs->Registro(i);
        if (alteracao ? !registro->EstaAlterado() : registro->EstaVazio()) {
            continue;
        }
        texto += alteracao ? registro->Update(dialeto) : registro->Insert(dialeto);
        texto += "#0A#0D";
        registro->SetEstado(1);
        registro->SetOperacao(1);
        algum = true;
    }
    if (algum) {
        SetEstado(1);
        SetOperacao(1);
    }
    return texto;
}

void TclsItemVetRegistros::SelectOracle(std::string& Texto) { Texto = MontarSelect(TDialeto::Oracle); }
void TclsItemVetRegistros::InsertOracle(std::string& Texto) { Texto = MontarComandos(TDialeto::Oracle, false); }
void TclsItemVetRegistros::UpdateOracle(std::string& Texto) { Texto = MontarComandos(TDialeto::Oracle, true); }
void TclsItemVetRegistros::SelectMainFrame(std::string& Texto) { Texto = MontarSelect(TDialeto::MainFrame); }
void TclsItemVetRegistros::InsertMainFrame(std::string& Texto) { Texto = MontarComandos(TDialeto::MainFrame, false); }
void TclsItemVetRegistros::UpdateMainFrame(std::string& Texto) { Texto = MontarComandos(TDialeto::MainFrame, true); }

int TclsItemVetRegistros::Gravar(TDialeto dialeto, bool alteracao) {
    if (alteracao ? operacao_ != 2 : operacao_ == 0) {
        if (alteracao && !EstaVazio()) {
            SetEstado(1);
        }
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    int gravados = 0;
    for (int i = 0; i < FListaRegs->QuantidadeFilhos(); ++i) {
        TclsItemRegistro* registro = FListaRegs->Registro(i);
        if (alteracao ? !registro->EstaAlterado() : registro->EstaVazio()) {
            continue;
        }
        ultimoSQL_ = alteracao ? registro->Update(dialeto) : registro->Insert(dialeto);
        Executar(conexao, ultimoSQL_, ClassName());
        registro->SetEstado(1);
        registro->SetOperacao(1);
        ++gravados;
    }
    SetEstado(1);
    SetOperacao(1);
    return gravados;
}

int TclsItemVetRegistros::IncluirOracle() { return Gravar(TDialeto::Oracle, false); }
int TclsItemVetRegistros::AlterarOracle() { return Gravar(TDialeto::Oracle, true); }
int TclsItemVetRegistros::IncluirMainFrame() { return Gravar(TDialeto::MainFrame, false); }
int TclsItemVetRegistros::AlterarMainFrame() { return Gravar(TDialeto::MainFrame, true); }

int TclsItemVetRegistros::Ler(int Quantidade) {
    if (!regDado_ || !Consulta) {
        return 0;
    }
    regDado_->Consulta = Consulta;
    regDado_->Limite = Limite;
    regDado_->Lidos = Lidos;
    const int rodadas = Quantidade > 0 ? Quantidade : 10000;
    int lidos = 0;
    for (int rodada = 0; rodada < rodadas && Lidos < Limite; ++rodada) {
        // A result with fewer rows than Limite ends the reading: nothing more to copy.
        if (regDado_->Ler(1) == 0) {
            break;
        }
        FListaRegs->AdicionarCopia(regDado_);
        ++Lidos;
        ++lidos;
    }
    return lidos;
}

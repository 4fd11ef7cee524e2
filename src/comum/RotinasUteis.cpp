#include "comum/RotinasUteis.h"

#include "comum/Erros.h"
#include "comum/Falhas.h"
#include "comum/Numeros.h"
#include "comum/Utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <memory>
#include <vector>

namespace {

bool EhDigito(char c) {
    return c >= '0' && c <= '9';
}

// Accepts an optional sign, then digits and, when `separadores` allows, one "," or ".".
bool SoDigitos(std::string_view texto, int separadores) {
    if (texto.empty()) {
        return false;
    }
    size_t i = (texto[0] == '+' || texto[0] == '-') ? 1 : 0;
    for (; i < texto.size(); ++i) {
        char c = texto[i];
        if (EhDigito(c)) {
            continue;
        }
        if ((c == ',' || c == '.') && separadores > 0) {
            --separadores;
            continue;
        }
        return false;
    }
    return true;
}

std::string Completa(std::string_view texto, int largura, std::string_view preenchimento, bool aEsquerda) {
    if (TamanhoUtf8(preenchimento) != 1) {
        throw ErroGeral("O preenchimento deve ser de exatamente um caractere: '" + std::string(preenchimento) + "'");
    }
    const size_t tamanho = TamanhoUtf8(texto);
    if (largura <= 0 || tamanho >= static_cast<size_t>(largura)) {
        return std::string(texto);
    }
    std::string enchimento;
    for (size_t n = tamanho; n < static_cast<size_t>(largura); ++n) {
        enchimento += preenchimento;
    }
    return aEsquerda ? enchimento + std::string(texto) : std::string(texto) + enchimento;
}

std::string SemCaracteres(std::string_view texto, std::string_view removidos) {
    std::string resto;
    resto.reserve(texto.size());
    for (char c : texto) {
        if (removidos.find(c) == std::string_view::npos) {
            resto.push_back(c);
        }
    }
    return resto;
}

} // namespace

std::string MesAbreviado(int mes) {
    static constexpr std::array<const char*, 12> kMeses = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN",
                                                           "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    if (mes < 1 || mes > 12) {
        return "";
    }
    return kMeses[static_cast<size_t>(mes - 1)];
}

bool EhInteiro(std::string_view texto) {
    return SoDigitos(texto, 0);
}

bool EhDecimal(std::string_view texto) {
    return SoDigitos(texto, 1);
}

std::string InserirVirgula(std::string_view texto, int posicao, int quantidade) {
    const size_t p = static_cast<size_t>(std::max(posicao, 0));
    const size_t n = static_cast<size_t>(std::max(quantidade, 0));
    return SubUtf8(texto, 0, p) + "," + SubUtf8(texto, p, n);
}

std::string CompletaEsquerda(std::string_view texto, int largura, std::string_view preenchimento) {
    return Completa(texto, largura, preenchimento, true);
}

std::string CompletaDireita(std::string_view texto, int largura, std::string_view preenchimento) {
    return Completa(texto, largura, preenchimento, false);
}

std::FILE* AbrirArquivoLeitura(const std::filesystem::path& arquivo) {
    std::error_code erro;
    if (std::filesystem::is_directory(arquivo, erro)) {
        FalhaArquivo("ler", arquivo.string(), EISDIR);
    }
    std::FILE* aberto = std::fopen(arquivo.string().c_str(), "rb");
    if (!aberto) {
        FalhaArquivo("abrir", arquivo.string(), errno);
    }
    return aberto;
}

int ContaLinhas(const std::filesystem::path& arquivo) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> entrada(AbrirArquivoLeitura(arquivo), std::fclose);
    int linhas = 0;
    bool linhaAberta = false; // bytes seen since the last line feed
    std::vector<char> bloco(64 * 1024);
    for (;;) {
        const size_t lidos = std::fread(bloco.data(), 1, bloco.size(), entrada.get());
        if (lidos == 0) {
            if (std::ferror(entrada.get())) {
                FalhaArquivo("ler", arquivo.string(), errno);
            }
            break;
        }
        const char* inicio = bloco.data();
        const char* fim = inicio + lidos;
        const char* ctrlZ = std::find(inicio, fim, '\x1A');
        for (const char* p = inicio; p != ctrlZ; ++p) {
            if (*p == '\n') {
                ++linhas;
                linhaAberta = false;
            } else {
                linhaAberta = true;
            }
        }
        if (ctrlZ != fim) {
            break;
        }
    }
    return linhaAberta ? linhas + 1 : linhas;
}

std::string LimpaMilhar(std::string_view texto) {
    if (texto.empty()) {
        return "";
    }
    return FormatoGeral(TextoParaNumero(SemCaracteres(texto, ".")));
}

std::string TiraSeparadores(std::string_view texto) {
    if (texto.empty()) {
        return "";
    }
    return FormatoGeral(TextoParaNumero(SemCaracteres(texto, ".,")));
}

std::string FloatParaSQL(double valor) {
    std::string texto = FormatoGeral(valor);
    std::replace(texto.begin(), texto.end(), ',', '.');
    return texto;
}

char32_t FiltraNumerico(char32_t tecla) {
    const bool passa =
        (tecla >= U'0' && tecla <= U'9') || tecla == U',' || tecla == 8 || tecla == 3 || tecla == 22 || tecla == 24;
    return passa ? tecla : 0;
}

std::string Aparar(std::string_view texto) {
    auto emBranco = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t a = 0;
    size_t b = texto.size();
    while (a < b && emBranco(texto[a])) {
        ++a;
    }
    while (b > a && emBranco(texto[b - 1])) {
        --b;
    }
    return std::string(texto.substr(a, b - a));
}

#include "comum/Cp1252.h"

#include "comum/Erros.h"
#include "comum/Utf8.h"

namespace {

// 0x80-0x9F of Windows-1252; the unassigned bytes keep their own value.
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t UnicodeDeCp1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        return kFaixa80[b - 0x80];
    }
    return b;
}

int CodigoCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kFaixa80[i] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}

std::string Cp1252ParaUtf8(std::string_view bytes) {
    std::string saida;
    saida.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            saida.push_back(static_cast<char>(b));
        } else {
            AcrescentarUtf8(saida, UnicodeDeCp1252(b));
        }
    }
    return saida;
}

std::string Utf8ParaCp1252(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    size_t i = 0;
    while (i < texto.size()) {
        auto b = static_cast<unsigned char>(texto[i]);
        if (b < 0x80) {
            saida.push_back(static_cast<char>(b));
            ++i;
            continue;
        }
        char32_t c = LerUtf8(texto, i);
        int codigo = CodigoCp1252(c);
        if (codigo < 0) {
            std::string caractere;
            if (c != kCaractereInvalido) {
                AcrescentarUtf8(caractere, c);
                throw ErroConversao("O caractere '" + caractere + "' não pode ser gravado em arquivo (Windows-1252).");
            }
            throw ErroConversao("Texto com codificação UTF-8 inválida.");
        }
        saida.push_back(static_cast<char>(codigo));
    }
    return saida;
}

bool CabeEmCp1252(std::string_view texto) {
    size_t i = 0;
    while (i < texto.size()) {
        char32_t c = LerUtf8(texto, i);
        if (c == kCaractereInvalido || CodigoCp1252(c) < 0) {
            return false;
        }
    }
    return true;
}

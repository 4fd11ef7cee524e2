#include "comum/LetrasCp1252.h"

#include "comum/Utf8.h"

#include <algorithm>
#include <cctype>

namespace {

// The unaccented letter under an upper-case letter, for ordering.
char32_t Base(char32_t c) {
    if (c < 0xC0) {
        return c;
    }
    if (c <= 0xC6) {
        return 'A';
    }
    switch (c) {
    case 0xC7:
        return 'C';
    case 0xC8:
    case 0xC9:
    case 0xCA:
    case 0xCB:
        return 'E';
    case 0xCC:
    case 0xCD:
    case 0xCE:
    case 0xCF:
        return 'I';
    case 0xD0:
        return 'D';
    case 0xD1:
        return 'N';
    case 0xD2:
    case 0xD3:
    case 0xD4:
    case 0xD5:
    case 0xD6:
    case 0xD8:
        return 'O';
    case 0xD9:
    case 0xDA:
    case 0xDB:
    case 0xDC:
        return 'U';
    case 0xDD:
    case 0x178:
        return 'Y';
    case 0x160:
        return 'S';
    case 0x17D:
        return 'Z';
    case 0x152:
        return 'O';
    default:
        return c;
    }
}

bool SoAscii(std::string_view t) {
    for (unsigned char b : t) {
        if (b >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

char32_t MaiusculaCp1252(char32_t c) {
    if (c >= 'a' && c <= 'z') {
        return c - 32;
    }
    if (c < 0x80) {
        return c;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 32;
    }
    switch (c) {
    case 0xFF:
        return 0x178; // ÿ
    case 0x161:
        return 0x160; // š
    case 0x153:
        return 0x152; // œ
    case 0x17E:
        return 0x17D; // ž
    default:
        return c;
    }
}

int CompararJet(std::string_view a, std::string_view b) {
    if (SoAscii(a) && SoAscii(b)) {
        size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            int ca = std::toupper(static_cast<unsigned char>(a[i]));
            int cb = std::toupper(static_cast<unsigned char>(b[i]));
            if (ca != cb) {
                return ca < cb ? -1 : 1;
            }
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    size_t i = 0;
    size_t j = 0;
    int secundaria = 0;
    while (i < a.size() && j < b.size()) {
        char32_t ua = MaiusculaCp1252(LerUtf8(a, i));
        char32_t ub = MaiusculaCp1252(LerUtf8(b, j));
        char32_t ba = Base(ua);
        char32_t bb = Base(ub);
        if (ba != bb) {
            return ba < bb ? -1 : 1;
        }
        if (secundaria == 0 && ua != ub) {
            secundaria = ua < ub ? -1 : 1;
        }
    }
    if (i < a.size()) {
        return 1;
    }
    if (j < b.size()) {
        return -1;
    }
    return secundaria;
}

int64_t ChaveJet(std::string_view texto) {
    const size_t inicio = texto.find_first_not_of(' ');
    if (inicio == std::string_view::npos) {
        texto = {};
    } else {
        texto = texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
    }
    // FNV-1a over the folded characters, read the same way CompararJet reads them.
    uint64_t chave = 0xCBF29CE484222325ull;
    for (size_t i = 0; i < texto.size();) {
        chave = (chave ^ MaiusculaCp1252(LerUtf8(texto, i))) * 0x100000001B3ull;
    }
    return static_cast<int64_t>(chave);
}

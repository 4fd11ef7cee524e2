#include "comum/Utf8.h"

char32_t LerUtf8(std::string_view texto, size_t& i) {
    auto b0 = static_cast<unsigned char>(texto[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return kCaractereInvalido;
    }
    if (i + extra >= texto.size()) {
        ++i;
        return kCaractereInvalido;
    }
    for (int k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(texto[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kCaractereInvalido;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += extra + 1;
    return c;
}

void AcrescentarUtf8(std::string& destino, char32_t c) {
    if (c < 0x80) {
        destino.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        destino.push_back(static_cast<char>(0xC0 | (c >> 6)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        destino.push_back(static_cast<char>(0xE0 | (c >> 12)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        destino.push_back(static_cast<char>(0xF0 | (c >> 18)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

size_t TamanhoUtf8(std::string_view texto) {
    size_t n = 0;
    for (unsigned char b : texto) {
        if ((b & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

std::string SubUtf8(std::string_view texto, size_t inicio, size_t quantidade) {
    size_t i = 0;
    size_t pos = 0;
    while (i < texto.size() && pos < inicio) {
        LerUtf8(texto, i);
        ++pos;
    }
    size_t comeco = i;
    size_t n = 0;
    while (i < texto.size() && n < quantidade) {
        LerUtf8(texto, i);
        ++n;
    }
    return std::string(texto.substr(comeco, i - comeco));
}

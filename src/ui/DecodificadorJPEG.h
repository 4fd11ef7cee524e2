#pragma once
// JPEG pictures through libjpeg: decoding of the program's artwork into an RGB buffer,
// and encoding (used by the artwork generator and the tests that make sample pictures).

#include <cstddef>
#include <span>
#include <vector>

// A decoded picture: rows top to bottom, three bytes (R, G, B) per pixel, no padding.
struct ImagemRGB {
    int largura = 0;
    int altura = 0;
    std::vector<unsigned char> pixels;
};

// Largest picture accepted, in pixels; a header that claims more is refused before any
// memory is reserved for it.
inline constexpr long long kMaximoPixelsJPEG = 64LL * 1024 * 1024;

// Decodes a whole JPEG file held in memory. Grey, RGB/YCbCr and CMYK/YCCK pictures
// (Adobe's inverted CMYK included) come out as RGB. A damaged, truncated or unknown
// picture raises ErroGeral with a message in the product's words; nothing is printed
// and the program is never ended by the library.
ImagemRGB DecodificarJPEG(std::span<const unsigned char> dados);

// Encodes pixels as a baseline JPEG without chroma subsampling (text stays crisp).
// componentes: 1 grey, 3 RGB, 4 CMYK (stored inverted, as Adobe's programs do).
// Raises ErroGeral on invalid arguments or a library failure.
std::vector<unsigned char> CodificarJPEG(std::span<const unsigned char> pixels, int largura, int altura,
                                         int componentes, int qualidade);

// Fuzz target: the JPEG decoder of the artwork. Any bytes either decode into a picture
// whose buffer holds exactly its pixels, or are refused with ErroGeral; the library
// never ends the program nor reads outside the input.

#include "comum/Erros.h"
#include "ui/DecodificadorJPEG.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    try {
        const ImagemRGB imagem = DecodificarJPEG(std::span<const unsigned char>(dados, tamanho));
        const long long pixels = static_cast<long long>(imagem.largura) * imagem.altura;
        if (imagem.largura <= 0 || imagem.altura <= 0 || pixels > kMaximoPixelsJPEG ||
            imagem.pixels.size() != static_cast<size_t>(pixels) * 3) {
            std::abort();
        }
    } catch (const ErroGeral&) {
    }
    return 0;
}

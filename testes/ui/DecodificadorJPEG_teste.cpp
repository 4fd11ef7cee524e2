#include "comum/Erros.h"
#include "ui/DecodificadorJPEG.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A 48 x 32 picture in four flat quarters: red, green, blue and white.
std::vector<unsigned char> Quadrantes(int componentes) {
    const int largura = 48, altura = 32;
    std::vector<unsigned char> pixels;
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura; ++x) {
            const int quadrante = (y >= altura / 2) * 2 + (x >= largura / 2);
            static const unsigned char rgb[4][3] = {{255, 0, 0}, {0, 160, 0}, {0, 0, 255}, {255, 255, 255}};
            const unsigned char* cor = rgb[quadrante];
            if (componentes == 3) {
                pixels.insert(pixels.end(), cor, cor + 3);
            } else if (componentes == 1) {
                pixels.push_back(cor[1]);
            } else {
                // Inverted CMYK as Adobe stores it: the stored value is 255 - ink.
                const unsigned char k = std::max({cor[0], cor[1], cor[2]});
                for (int i = 0; i < 3; ++i) {
                    pixels.push_back(k == 0 ? 255 : static_cast<unsigned char>(255 - (k - cor[i]) * 255 / k));
                }
                pixels.push_back(k);
            }
        }
    }
    return pixels;
}

void EsperarCor(const ImagemRGB& imagem, int x, int y, int r, int g, int b) {
    const unsigned char* p = &imagem.pixels[(static_cast<size_t>(y) * imagem.largura + x) * 3];
    EXPECT_NEAR(p[0], r, 6) << "x=" << x << " y=" << y;
    EXPECT_NEAR(p[1], g, 6) << "x=" << x << " y=" << y;
    EXPECT_NEAR(p[2], b, 6) << "x=" << x << " y=" << y;
}

} // namespace

TEST(DecodificadorJPEG, RGBCinzaECMYKSaemComoRGB) {
    for (int componentes : {3, 1, 4}) {
        SCOPED_TRACE(componentes);
        const auto pixels = Quadrantes(componentes);
        const auto jpeg = CodificarJPEG(pixels, 48, 32, componentes, 95);
        const ImagemRGB imagem = DecodificarJPEG(jpeg);
        ASSERT_EQ(imagem.largura, 48);
        ASSERT_EQ(imagem.altura, 32);
        ASSERT_EQ(imagem.pixels.size(), 48u * 32u * 3u);
        if (componentes == 1) {
            EsperarCor(imagem, 5, 5, 0, 0, 0);
            EsperarCor(imagem, 40, 5, 160, 160, 160);
            EsperarCor(imagem, 40, 28, 255, 255, 255);
        } else {
            EsperarCor(imagem, 5, 5, 255, 0, 0);
            EsperarCor(imagem, 40, 5, 0, 160, 0);
            EsperarCor(imagem, 5, 28, 0, 0, 255);
            EsperarCor(imagem, 40, 28, 255, 255, 255);
        }
    }
}

TEST(DecodificadorJPEG, FiguraDanificadaEhErroComMensagem) {
    const auto bom = CodificarJPEG(Quadrantes(3), 48, 32, 3, 90);
    const std::vector<std::pair<const char*, std::vector<unsigned char>>> casos = {
        {"vazia", {}},
        {"texto", {'n', 'a', 'o', ' ', 'e', ' ', 'j', 'p', 'e', 'g'}},
        {"so o marcador inicial", {0xFF, 0xD8}},
        {"truncada no meio", {bom.begin(), bom.begin() + static_cast<long>(bom.size() / 2)}},
        {"truncada antes do fim", {bom.begin(), bom.end() - 2}},
        {"cabeçalho PNG", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}},
    };
    for (const auto& [nome, dados] : casos) {
        try {
            DecodificarJPEG(dados);
            ADD_FAILURE() << nome << ": aceitou uma figura ruim";
        } catch (const ErroGeral& erro) {
            EXPECT_EQ(std::string(erro.what()).rfind("Figura JPEG inválida", 0), 0u) << nome << ": " << erro.what();
        }
    }
}

TEST(DecodificadorJPEG, DadosDaCompressaoEmbaralhadosNaoDerrubam) {
    // Garbage after a valid header: the decoder must refuse it or give a picture of the
    // declared size, never crash or read out of bounds.
    auto jpeg = CodificarJPEG(Quadrantes(3), 48, 32, 3, 90);
    std::srand(7);
    for (int rodada = 0; rodada < 200; ++rodada) {
        auto estragado = jpeg;
        for (size_t i = estragado.size() / 3; i < estragado.size(); i += 1 + std::rand() % 7) {
            estragado[i] = static_cast<unsigned char>(std::rand());
        }
        try {
            const ImagemRGB imagem = DecodificarJPEG(estragado);
            EXPECT_EQ(imagem.pixels.size(), static_cast<size_t>(imagem.largura) * imagem.altura * 3);
        } catch (const ErroGeral&) {
        }
    }
}

TEST(DecodificadorJPEG, CabecalhoDeFiguraGiganteEhRecusadoSemReservarMemoria) {
    auto jpeg = CodificarJPEG(Quadrantes(3), 48, 32, 3, 90);
    // The SOF0 frame header holds the height and width as two big-endian bytes each.
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = jpeg[i + 6] = jpeg[i + 7] = jpeg[i + 8] = 0xFF;
            break;
        }
    }
    EXPECT_THROW(DecodificarJPEG(jpeg), ErroGeral);
}

TEST(CodificadorJPEG, RecusaDadosInconsistentes) {
    const std::vector<unsigned char> pixels(30);
    EXPECT_THROW(CodificarJPEG(pixels, 0, 10, 3, 90), ErroGeral);
    EXPECT_THROW(CodificarJPEG(pixels, 10, 1, 2, 90), ErroGeral);
    EXPECT_THROW(CodificarJPEG(pixels, 10, 2, 3, 90), ErroGeral);
}

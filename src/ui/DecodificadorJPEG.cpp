#include "ui/DecodificadorJPEG.h"

#include "comum/Erros.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg's own handler prints and calls exit(); this one keeps the message and jumps
// back to the call that started the library, which then reports the failure.
struct GerenteErro {
    jpeg_error_mgr padrao;
    std::jmp_buf retorno;
    char mensagem[JMSG_LENGTH_MAX];
};

void SairComErro(j_common_ptr info) {
    auto* gerente = reinterpret_cast<GerenteErro*>(info->err);
    (*info->err->format_message)(info, gerente->mensagem);
    std::longjmp(gerente->retorno, 1);
}

// Level -1 is a warning about damaged data (a truncated file among them): libjpeg would
// go on and fill the rest of the picture with grey, the program refuses the picture.
// Higher levels are trace messages, which are dropped.
void EmitirMensagem(j_common_ptr info, int nivel) {
    if (nivel < 0) {
        SairComErro(info);
    }
}

void NaoMostrar(j_common_ptr) {}

void PrepararGerente(GerenteErro& gerente) {
    jpeg_std_error(&gerente.padrao);
    gerente.padrao.error_exit = SairComErro;
    gerente.padrao.emit_message = EmitirMensagem;
    gerente.padrao.output_message = NaoMostrar;
    gerente.mensagem[0] = '\0';
}

// Owners of the library's state; the structures start zeroed, so destroying one that
// was never created is harmless.
struct Descompressao {
    jpeg_decompress_struct info{};
    GerenteErro erro{};
    Descompressao() {
        PrepararGerente(erro);
        info.err = &erro.padrao;
    }
    ~Descompressao() { jpeg_destroy_decompress(&info); }
};

struct Compressao {
    jpeg_compress_struct info{};
    GerenteErro erro{};
    unsigned char* saida = nullptr;
    unsigned long tamanho = 0;
    Compressao() {
        PrepararGerente(erro);
        info.err = &erro.padrao;
    }
    ~Compressao() {
        jpeg_destroy_compress(&info);
        std::free(saida);
    }
};

unsigned char Multiplicar(unsigned a, unsigned b) {
    return static_cast<unsigned char>((a * b + 127) / 255);
}

// Copies one decoded row into the RGB picture.
void ConverterLinha(const unsigned char* origem, unsigned char* destino, int largura, J_COLOR_SPACE espaco,
                    bool cmykInvertido) {
    for (int x = 0; x < largura; ++x) {
        switch (espaco) {
        case JCS_GRAYSCALE:
            destino[0] = destino[1] = destino[2] = origem[0];
            origem += 1;
            break;
        case JCS_CMYK: {
            // Adobe's programs store CMYK inverted (0 = full ink); the others store it plain.
            unsigned c = origem[0], m = origem[1], y = origem[2], k = origem[3];
            if (!cmykInvertido) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            destino[0] = Multiplicar(c, k);
            destino[1] = Multiplicar(m, k);
            destino[2] = Multiplicar(y, k);
            origem += 4;
            break;
        }
        default:
            destino[0] = origem[0];
            destino[1] = origem[1];
            destino[2] = origem[2];
            origem += 3;
            break;
        }
        destino += 3;
    }
}

// Runs the decoder. No object with a destructor lives in this frame, so the library's
// jump back to setjmp skips nothing. Returns false with the message in the error manager.
bool ExecutarDecodificacao(Descompressao& d, std::span<const unsigned char> dados, ImagemRGB& imagem) {
    if (setjmp(d.erro.retorno)) {
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, dados.data(), static_cast<unsigned long>(dados.size()));
    jpeg_read_header(&d.info, TRUE);

    switch (d.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d.info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.info.out_color_space = JCS_CMYK;
        break;
    case JCS_RGB:
    case JCS_YCbCr:
        d.info.out_color_space = JCS_RGB;
        break;
    default:
        std::snprintf(d.erro.mensagem, sizeof d.erro.mensagem, "espaço de cores não suportado (%d componentes)",
                      d.info.num_components);
        return false;
    }
    if (static_cast<long long>(d.info.image_width) * d.info.image_height > kMaximoPixelsJPEG) {
        std::snprintf(d.erro.mensagem, sizeof d.erro.mensagem, "figura grande demais (%u x %u)", d.info.image_width,
                      d.info.image_height);
        return false;
    }

    jpeg_start_decompress(&d.info);
    const int largura = static_cast<int>(d.info.output_width);
    imagem.largura = largura;
    imagem.altura = static_cast<int>(d.info.output_height);
    imagem.pixels.assign(static_cast<size_t>(largura) * imagem.altura * 3, 0);

    const bool direto = d.info.out_color_space == JCS_RGB;
    JSAMPARRAY linha = direto ? nullptr
                              : (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                            largura * d.info.output_components, 1);
    while (d.info.output_scanline < d.info.output_height) {
        unsigned char* destino = imagem.pixels.data() + static_cast<size_t>(d.info.output_scanline) * largura * 3;
        if (direto) {
            JSAMPROW alvo = destino;
            jpeg_read_scanlines(&d.info, &alvo, 1);
        } else {
            jpeg_read_scanlines(&d.info, linha, 1);
            ConverterLinha(linha[0], destino, largura, d.info.out_color_space, d.info.saw_Adobe_marker);
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

bool ExecutarCodificacao(Compressao& c, std::span<const unsigned char> pixels, int largura, int altura, int componentes,
                         int qualidade) {
    if (setjmp(c.erro.retorno)) {
        return false;
    }
    jpeg_create_compress(&c.info);
    jpeg_mem_dest(&c.info, &c.saida, &c.tamanho);
    c.info.image_width = static_cast<JDIMENSION>(largura);
    c.info.image_height = static_cast<JDIMENSION>(altura);
    c.info.input_components = componentes;
    c.info.in_color_space = componentes == 1 ? JCS_GRAYSCALE : componentes == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&c.info);
    jpeg_set_quality(&c.info, qualidade, TRUE);
    for (int i = 0; i < c.info.num_components; ++i) {
        c.info.comp_info[i].h_samp_factor = 1;
        c.info.comp_info[i].v_samp_factor = 1;
    }
    c.info.optimize_coding = TRUE;
    jpeg_start_compress(&c.info, TRUE);
    const size_t passo = static_cast<size_t>(largura) * componentes;
    while (c.info.next_scanline < c.info.image_height) {
        // libjpeg only reads the rows it is given, whatever the missing const says.
        JSAMPROW linha = const_cast<unsigned char*>(pixels.data() + c.info.next_scanline * passo);
        jpeg_write_scanlines(&c.info, &linha, 1);
    }
    jpeg_finish_compress(&c.info);
    return true;
}

} // namespace

ImagemRGB DecodificarJPEG(std::span<const unsigned char> dados) {
    if (dados.empty()) {
        throw ErroGeral("Figura JPEG inválida: o arquivo está vazio.");
    }
    Descompressao d;
    ImagemRGB imagem;
    if (!ExecutarDecodificacao(d, dados, imagem)) {
        throw ErroGeral(std::string("Figura JPEG inválida ou danificada: ") + d.erro.mensagem + ".");
    }
    return imagem;
}

std::vector<unsigned char> CodificarJPEG(std::span<const unsigned char> pixels, int largura, int altura,
                                         int componentes, int qualidade) {
    if (largura <= 0 || altura <= 0 || (componentes != 1 && componentes != 3 && componentes != 4) ||
        pixels.size() != static_cast<size_t>(largura) * altura * componentes) {
        throw ErroGeral("Dados de figura inconsistentes para a codificação JPEG.");
    }
    Compressao c;
    if (!ExecutarCodificacao(c, pixels, largura, altura, componentes, qualidade)) {
        throw ErroGeral(std::string("Falha ao codificar a figura JPEG: ") + c.erro.mensagem + ".");
    }
    return std::vector<unsigned char>(c.saida, c.saida + c.tamanho);
}

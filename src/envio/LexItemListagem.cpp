#include "envio/LexItemListagem.h"

#include "comum/Cp1252.h"
#include "comum/Erros.h"
#include "comum/Falhas.h"
#include "comum/Numeros.h"
#include "comum/Plataforma.h"
#include "comum/RotinasUteis.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The module's one output file. A large buffer lets the 4 KB input lines reach the disk in
// few system calls.
constexpr size_t kTamanhoBuffer = size_t{1} << 20;
std::FILE* g_arquivo = nullptr;
std::string g_caminho; // the name the file takes once it is complete
std::string g_parcial; // the name it is written under until then
std::unique_ptr<char[]> g_buffer;
// The line being written, kept from one input to the next.
std::string g_linha;

// The file is written under a name of its own in the same folder and takes its final name only
// when it is complete: a file under a name that looks finished is always whole, and a run that
// fails leaves nothing behind that a user might upload by hand.
std::string NomeParcial(const std::string& caminho) {
    return caminho + ".parcial";
}

// Closes the file without a word and removes what was written.
void Descartar() {
    if (g_arquivo) {
        std::fclose(std::exchange(g_arquivo, nullptr));
    }
    if (!g_parcial.empty()) {
        std::error_code erro;
        fs::remove(std::exchange(g_parcial, {}), erro);
    }
}

[[noreturn]] void FalhaGravacao(int erro) {
    FalhaArquivo("gravar", g_caminho, erro);
}

void GravarLinha(std::string_view bytes) {
    if (!g_arquivo) {
        throw ErroEntradaSaida("O arquivo da listagem de exportação não está aberto.");
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), g_arquivo) != bytes.size() ||
        std::fwrite("\r\n", 1, 2, g_arquivo) != 2) {
        FalhaGravacao(errno);
    }
}

// Appends one field: its text as Windows-1252 bytes, then spaces up to `largura`; a longer
// text is kept whole. Each character is one byte, so the width is counted in bytes. A control
// character inside the text (a line break typed in a memo) becomes a space, so that it can
// neither split the record nor shift its fields.
void AcrescentarCampo(std::string& linha, std::string_view texto, size_t largura = 0) {
    const size_t inicio = linha.size();
    if (std::all_of(texto.begin(), texto.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        linha.append(texto); // the same bytes in both encodings
    } else {
        linha += Utf8ParaCp1252(texto);
    }
    for (size_t i = inicio; i < linha.size(); ++i) {
        if (static_cast<unsigned char>(linha[i]) < ' ') {
            linha[i] = ' ';
        }
    }
    const size_t tamanho = linha.size() - inicio;
    if (tamanho < largura) {
        linha.append(largura - tamanho, ' ');
    }
}

std::string NaoGravado(const std::string& item, const std::string& motivo) {
    return "Não foi possível gravar " + item + " no arquivo da listagem de exportação: " + motivo;
}

} // namespace

void TLExItemProduto::AbrirArquivo(const std::string& caminho) {
    Descartar();
    g_caminho = caminho;
    std::error_code erro;
    const fs::path temporaria = PastaTemporaria();
    if (!fs::is_directory(temporaria, erro)) {
        fs::create_directory(temporaria, erro);
    }
    // A file of this name that is already there stays until the new one is complete.
    const std::string parcial = NomeParcial(caminho);
    std::FILE* arquivo = std::fopen(parcial.c_str(), "wb");
    if (!arquivo) {
        FalhaArquivo("criar", caminho, errno);
    }
    if (!g_buffer) {
        g_buffer = std::make_unique<char[]>(kTamanhoBuffer);
    }
    std::setvbuf(arquivo, g_buffer.get(), _IOFBF, kTamanhoBuffer);
    g_arquivo = arquivo;
    g_parcial = parcial;
}

void TLExItemProduto::GravarVersao() {
    GravarLinha("VERSAO 07/11/2018");
}

void TLExItemProduto::GravarProduto() {
    GravarLinha(LinhaProduto());
}

void TLExItemProduto::FecharArquivo() {
    if (!g_arquivo) {
        return;
    }
    std::FILE* arquivo = std::exchange(g_arquivo, nullptr);
    int erro = 0;
    if (std::fflush(arquivo) != 0 || !GravarNoDisco(arquivo)) {
        erro = errno;
    }
    if (std::fclose(arquivo) != 0 && erro == 0) {
        erro = errno;
    }
    if (erro != 0) {
        Descartar();
        FalhaGravacao(erro);
    }
    // Renaming replaces a file of that name in one step.
    std::error_code falhaNome;
    fs::rename(g_parcial, g_caminho, falhaNome);
    if (falhaNome) {
        Descartar();
        FalhaGravacao(falhaNome.value());
    }
    g_parcial.clear();
}

void TLExItemProduto::DescartarArquivo() {
    Descartar();
}

std::string TLExItemProduto::LinhaProduto() const {
    std::string linha = "P";
    try {
        AcrescentarCampo(linha, Femp_inscvlt);
        AcrescentarCampo(linha, exp_codprod(), 4);
        AcrescentarCampo(linha, Fcodunid, 2);
        AcrescentarCampo(linha, Fexp_ncmprod, 8);
        AcrescentarCampo(linha, Fexp_codprodvlt, 4);
        AcrescentarCampo(linha, Fexp_tipoprodvlt, 3);
        AcrescentarCampo(linha, exp_modprod(), 255);
        AcrescentarCampo(linha, Fcus_codigo, 10);
        AcrescentarCampo(linha, Fmod_codemp, 30);
    } catch (const ErroConversao& e) {
        throw ErroGeral(NaoGravado("o produto " + exp_codprod() + " (\"" + exp_modprod() + "\")", e.what()));
    }
    return linha;
}

void TLExItemInsumo::GravarInsumo() {
    MontarLinhaInsumo(g_linha);
    GravarLinha(g_linha);
}

std::string TLExItemInsumo::LinhaInsumo() const {
    std::string linha;
    MontarLinhaInsumo(linha);
    return linha;
}

void TLExItemInsumo::MontarLinhaInsumo(std::string& linha) const {
    const auto item = [this] {
        return "o insumo " + exp_codins() + " (\"" + exp_descins() + "\") do produto " + exp_codprod();
    };
    const std::optional<std::string> coeficiente = CampoCoeficienteLE(Fexp_coeftec);
    if (!coeficiente) {
        throw ErroGeral(NaoGravado(item(), "o coeficiente técnico " + CoefTecTexto() +
                                               " não cabe no arquivo, que aceita de 0 a 99.999.999,9999999."));
    }
    linha.assign("I");
    try {
        AcrescentarCampo(linha, Femp_inscvlt);
        AcrescentarCampo(linha, exp_codprod(), 4);
        AcrescentarCampo(linha, exp_codins(), 5);
        AcrescentarCampo(linha, Fcodunid, 2);
        AcrescentarCampo(linha, Fexp_tipoins);
        AcrescentarCampo(linha, Fexp_ncmins, 8);
        AcrescentarCampo(linha, Fexp_detinsvlt, 4);
        linha += *coeficiente;
        AcrescentarCampo(linha, Fins_codemp, 30);
        AcrescentarCampo(linha, exp_descins(), 254);
        AcrescentarCampo(linha, Aparar(Fexp_espetec), 3723);
    } catch (const ErroConversao& e) {
        throw ErroGeral(NaoGravado(item(), e.what()));
    }
}

std::optional<std::string> CampoCoeficienteLE(double coeficiente) {
    if (!(coeficiente >= 0.0 && coeficiente < 100'000'000.0)) {
        return std::nullopt;
    }
    // "#,##0.0000000" without its separators and leading zeros is the number of ten-millionths
    // (what TiraSeparadores gives, without reading the digits back as a number); a value that
    // rounds up to 100.000.000 has 16 digits.
    std::string digitos;
    for (const char c : FormatarComMilhar(coeficiente, 7)) {
        if (c >= '0' && c <= '9' && !(c == '0' && digitos.empty())) {
            digitos.push_back(c);
        }
    }
    if (digitos.size() > 15) {
        return std::nullopt;
    }
    return CompletaEsquerda(digitos, 20, "0");
}

#include "importacao/LeitorArquivoTexto.h"

#include "comum/Falhas.h"
#include "comum/RotinasUteis.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr size_t kTamanhoBloco = 256 * 1024;
constexpr char kFimDeArquivo = '\x1A';
} // namespace

TclsLeitorArquivoTexto::TclsLeitorArquivoTexto(const std::filesystem::path& arquivo, size_t limite)
    : nome_(arquivo.string()), limite_(limite) {
    arquivo_ = AbrirArquivoLeitura(arquivo);
    buffer_.resize(kTamanhoBloco);
}

TclsLeitorArquivoTexto::~TclsLeitorArquivoTexto() {
    std::fclose(arquivo_);
}

bool TclsLeitorArquivoTexto::Carregar() {
    if (terminou_) {
        return false;
    }
    tamanho_ = std::fread(buffer_.data(), 1, buffer_.size(), arquivo_);
    posicao_ = 0;
    if (tamanho_ == 0) {
        if (std::ferror(arquivo_)) {
            FalhaArquivo("ler", nome_, errno);
        }
        terminou_ = true;
        return false;
    }
    // Ctrl+Z ends the file: nothing after it is ever looked at.
    if (const void* z = std::memchr(buffer_.data(), kFimDeArquivo, tamanho_)) {
        tamanho_ = static_cast<size_t>(static_cast<const char*>(z) - buffer_.data());
        terminou_ = true;
    }
    return tamanho_ > 0;
}

bool TclsLeitorArquivoTexto::LerLinha(std::string& linha) {
    linha.clear();
    bool temBytes = false; // any byte of the line, a dropped carriage return included
    for (;;) {
        if (posicao_ == tamanho_ && !Carregar()) {
            return temBytes;
        }
        const char* inicio = buffer_.data() + posicao_;
        const char* fim = buffer_.data() + tamanho_;
        const char* lf = static_cast<const char*>(std::memchr(inicio, '\n', static_cast<size_t>(fim - inicio)));
        const char* corte = lf ? lf : fim;
        temBytes = temBytes || corte != inicio || lf;
        for (const char* p = inicio; p != corte && linha.size() < limite_;) {
            const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(corte - p)));
            const char* ate = cr ? cr : corte;
            linha.append(p, std::min(static_cast<size_t>(ate - p), limite_ - linha.size()));
            p = cr ? cr + 1 : corte;
        }
        posicao_ = static_cast<size_t>(corte - buffer_.data()) + (lf ? 1 : 0);
        if (lf) {
            return true;
        }
    }
}

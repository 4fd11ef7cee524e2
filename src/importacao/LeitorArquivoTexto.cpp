#include "importacao/LeitorArquivoTexto.h"

#include "comum/Erros.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kTamanhoBloco = 256 * 1024;
constexpr char kFimDeArquivo = '\x1A';
} // namespace

TclsLeitorArquivoTexto::TclsLeitorArquivoTexto(const std::filesystem::path& arquivo, size_t limite)
    : nome_(arquivo.string()), limite_(limite) {
    std::error_code erro;
    if (std::filesystem::is_directory(arquivo, erro)) {
        throw ErroEntradaSaida("Não foi possível ler o arquivo " + nome_ + ": o caminho é uma pasta.");
    }
    arquivo_ = std::fopen(nome_.c_str(), "rb");
    if (!arquivo_) {
        const char* motivo = std::filesystem::exists(arquivo, erro) ? "acesso negado" : "o arquivo não existe";
        throw ErroEntradaSaida("Não foi possível abrir o arquivo " + nome_ + ": " + motivo + ".");
    }
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
            throw ErroEntradaSaida("Não foi possível ler o arquivo " + nome_ + ".");
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

#include "dados/ChaveBanco.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <array>
#include <cstdio>
#include <fstream>

namespace {

constexpr int kTamanhoSal = 16;
constexpr int kTamanhoChave = 32;
constexpr int kRodadas = 64000;

// The last key derived, with what it was derived from.
struct ChaveLembrada {
    std::string senha;
    std::string sal;
    std::string chave;
};

} // namespace

std::string ChaveBrutaBanco(const std::string& arquivo, const std::string& senha) {
    std::string sal(kTamanhoSal, '\0');
    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada.read(sal.data(), kTamanhoSal)) {
        return {};
    }
    static ChaveLembrada lembrada;
    if (lembrada.chave.empty() || lembrada.senha != senha || lembrada.sal != sal) {
        std::array<unsigned char, kTamanhoChave> chave{};
        if (PKCS5_PBKDF2_HMAC_SHA1(senha.data(), static_cast<int>(senha.size()),
                                   reinterpret_cast<const unsigned char*>(sal.data()), kTamanhoSal, kRodadas,
                                   kTamanhoChave, chave.data()) != 1) {
            return {};
        }
        OPENSSL_cleanse(lembrada.chave.data(), lembrada.chave.size());
        lembrada.chave = "x'";
        for (unsigned char b : chave) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", b);
            lembrada.chave += hex;
        }
        lembrada.chave += "'";
        lembrada.senha = senha;
        lembrada.sal = sal;
        OPENSSL_cleanse(chave.data(), chave.size());
    }
    return lembrada.chave;
}

// Replays a fuzz target over the files of its corpus, as an ordinary program that any
// compiler builds: each file is given once to LLVMFuzzerTestOneInput, in name order.
// A crash, a sanitizer report or a failed check of the target fails the test; an empty
// or missing corpus fails it too, so that a corpus left behind is noticed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho);

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    std::vector<fs::path> arquivos;
    for (int i = 1; i < argc; ++i) {
        const fs::path caminho = argv[i];
        if (fs::is_directory(caminho)) {
            for (const auto& entrada : fs::directory_iterator(caminho)) {
                if (entrada.is_regular_file()) {
                    arquivos.push_back(entrada.path());
                }
            }
        } else if (fs::is_regular_file(caminho)) {
            arquivos.push_back(caminho);
        }
    }
    if (arquivos.empty()) {
        std::cerr << "Nenhum arquivo de corpus encontrado.\n";
        return 1;
    }
    std::sort(arquivos.begin(), arquivos.end());
    for (const auto& arquivo : arquivos) {
        std::ifstream f(arquivo, std::ios::binary);
        const std::vector<char> conteudo((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(conteudo.data()), conteudo.size());
    }
    std::cout << arquivos.size() << " arquivo(s) do corpus reproduzidos.\n";
    return 0;
}

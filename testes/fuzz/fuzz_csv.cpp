// Fuzz target: the CSV reader of the reference tables. Any text either is refused with
// ErroGeral or gives records that, written back with every field quoted, read back the
// same, on lines that never go backwards.

#include "comum/Erros.h"
#include "comum/LeitorCSV.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Escrever(const std::vector<RegistroCSV>& registros) {
    std::string texto;
    for (const auto& registro : registros) {
        for (size_t k = 0; k < registro.campos.size(); ++k) {
            texto += k ? ",\"" : "\"";
            for (char c : registro.campos[k]) {
                texto += c == '"' ? "\"\"" : std::string(1, c);
            }
            texto += '"';
        }
        texto += "\r\n";
    }
    return texto;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const std::string texto(reinterpret_cast<const char*>(dados), tamanho);
    std::vector<RegistroCSV> registros;
    try {
        registros = LerCSV(texto, "T.csv");
    } catch (const ErroGeral&) {
        return 0;
    }
    int linhaAnterior = 1;
    for (const auto& registro : registros) {
        if (registro.campos.empty() || registro.campos.size() != registro.entreAspas.size() ||
            registro.linha < linhaAnterior) {
            std::abort();
        }
        linhaAnterior = registro.linha;
    }
    const std::vector<RegistroCSV> relidos = LerCSV(Escrever(registros), "T.csv");
    if (relidos.size() != registros.size()) {
        std::abort();
    }
    for (size_t r = 0; r < relidos.size(); ++r) {
        if (relidos[r].campos != registros[r].campos) {
            std::abort();
        }
    }
    return 0;
}

#include "comum/LeitorCSV.h"

#include "comum/Erros.h"

std::vector<RegistroCSV> LerCSV(const std::string& texto, const std::string& nome) {
    std::vector<RegistroCSV> registros;
    size_t i = 0;
    int linha = 1;
    if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        i = 3;
    }
    while (i < texto.size()) {
        RegistroCSV r{linha, {}, {}};
        bool fimRegistro = false;
        while (!fimRegistro) {
            std::string campo;
            bool aspas = false;
            if (i < texto.size() && texto[i] == '"') {
                aspas = true;
                ++i;
                bool fechou = false;
                while (i < texto.size()) {
                    if (texto[i] == '"') {
                        if (i + 1 < texto.size() && texto[i + 1] == '"') {
                            campo += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        fechou = true;
                        break;
                    }
                    if (texto[i] == '\n') {
                        ++linha;
                    }
                    campo += texto[i++];
                }
                if (!fechou) {
                    throw ErroGeral(nome + ", linha " + std::to_string(r.linha) + ": aspas sem fechamento.");
                }
                if (i < texto.size() && texto[i] != ',' && texto[i] != '\n' && texto[i] != '\r') {
                    throw ErroGeral(nome + ", linha " + std::to_string(linha) +
                                    ": caractere inesperado depois de um campo entre aspas.");
                }
            } else {
                while (i < texto.size() && texto[i] != ',' && texto[i] != '\n' && texto[i] != '\r') {
                    if (texto[i] == '"') {
                        throw ErroGeral(nome + ", linha " + std::to_string(linha) +
                                        ": aspas no meio de um campo sem aspas.");
                    }
                    campo += texto[i++];
                }
            }
            r.campos.push_back(std::move(campo));
            r.entreAspas.push_back(aspas);
            if (i < texto.size() && texto[i] == ',') {
                ++i;
                continue;
            }
            if (i < texto.size() && texto[i] == '\r') {
                ++i;
            }
            if (i < texto.size() && texto[i] == '\n') {
                ++i;
                ++linha;
            }
            fimRegistro = true;
        }
        // A blank line carries no record.
        if (!(r.campos.size() == 1 && r.campos[0].empty() && !r.entreAspas[0])) {
            registros.push_back(std::move(r));
        }
    }
    return registros;
}

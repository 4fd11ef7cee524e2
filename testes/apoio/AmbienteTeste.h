#pragma once
// A temporary root folder standing for C:\ during one test: $KORVEX_RAIZ points to it,
// and it may hold a fresh encrypted listing database and the reference file.

#include <filesystem>
#include <string>

class TConexao;

class AmbienteTeste {
public:
    struct Opcoes {
        bool criarBanco = true;
        bool criarReferencia = true;
    };
    AmbienteTeste();
    explicit AmbienteTeste(Opcoes opcoes);
    ~AmbienteTeste();
    AmbienteTeste(const AmbienteTeste&) = delete;
    AmbienteTeste& operator=(const AmbienteTeste&) = delete;

    const std::filesystem::path& Raiz() const { return raiz_; }
    std::filesystem::path Banco() const;
    // Opens a new connection to the test database.
    void Conectar(TConexao& conexao) const;

private:
    std::filesystem::path raiz_;
    std::string raizAnterior_;
    bool tinhaRaiz_ = false;
};

// Runs korvex-admin with the arguments under the given root; returns its exit status
// and fills `saida` with what it printed (stdout and stderr together).
int ExecutarAdmin(const std::filesystem::path& raiz, const std::string& argumentos, std::string& saida);

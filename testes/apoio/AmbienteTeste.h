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

// What may stand where the listing database should be, instead of a sound one.
enum class BancoRuim {
    Ausente,    // no file
    OutraSenha, // a database protected with another password
    Lixo,       // bytes that are no database at all
    Truncado,   // the first half of the sound file
    Vazio,      // a file of 0 bytes, which the engine opens as an empty database
};

// Puts that file at the listing database's path of the current test root (after a sound one was
// made there, for Truncado and Vazio).
void EstragarBanco(BancoRuim banco);

// Limits put on korvex-admin's process, to see how it meets a full disk or a folder it may not
// write to.
struct LimitesProcesso {
    // Largest size, in bytes, that the process may give a file (0: no limit); a write past it
    // fails with "File too large", as on a full disk. Rounded down to 512 bytes.
    long tamanhoMaximoArquivo = 0;
    // The permissions of files and folders hold for the process even when the tests run as root.
    bool respeitarPermissoes = false;
};

// Runs korvex-admin with the arguments under the given root; returns its exit status
// and fills `saida` with what it printed (stdout and stderr together).
int ExecutarAdmin(const std::filesystem::path& raiz, const std::string& argumentos, std::string& saida,
                  const LimitesProcesso& limites = {});

// A second process that holds a write transaction on the test database (one row inserted and
// not committed), as another copy of the program in the middle of a save would, until the
// object goes away; the row then goes with the rolled-back transaction.
class ProcessoEscritor {
public:
    explicit ProcessoEscritor(const std::filesystem::path& banco);
    ~ProcessoEscritor();
    ProcessoEscritor(const ProcessoEscritor&) = delete;
    ProcessoEscritor& operator=(const ProcessoEscritor&) = delete;

private:
    int processo_ = -1;
    int liberar_ = -1; // closing it lets the process end
};

#pragma once
// Reads a text file line by line as the import reads the own-structure file: the bytes of
// each line as they stand in the file (Windows-1252), without the line end. A line ends at
// a line feed; a carriage return is never part of a line (before a line feed it belongs to
// the line end, anywhere else it is dropped); byte 26 (Ctrl+Z) ends the file; a last line
// without a line end is still a line, and a file ending in a line end has no empty line
// after it. So it yields exactly as many lines as ContaLinhas counts.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

class TclsLeitorArquivoTexto {
public:
    // Opens the file. Throws ErroEntradaSaida naming it when it cannot be opened.
    // Each line keeps at most `limite` bytes; the rest of a longer line is skipped.
    explicit TclsLeitorArquivoTexto(const std::filesystem::path& arquivo, size_t limite = std::string::npos);
    ~TclsLeitorArquivoTexto();
    TclsLeitorArquivoTexto(const TclsLeitorArquivoTexto&) = delete;
    TclsLeitorArquivoTexto& operator=(const TclsLeitorArquivoTexto&) = delete;

    // The next line into `linha`; false (and `linha` empty) at the end of the file.
    // Throws ErroEntradaSaida when the file cannot be read.
    bool LerLinha(std::string& linha);

private:
    // Refills the buffer; false at the end of the file.
    bool Carregar();

    std::FILE* arquivo_ = nullptr;
    std::string nome_;
    size_t limite_;
    std::vector<char> buffer_;
    size_t posicao_ = 0;
    size_t tamanho_ = 0;
    bool terminou_ = false;
};

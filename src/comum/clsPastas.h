#pragma once
// Folder and file name of the export listing file being generated, and the path of
// the own-structure file being imported. The send wizard and the import run each
// create a fresh holder in the global Pastas.

#include <memory>
#include <string>

class TclsPastas {
public:
    TclsPastas();
    // NomeArquivo := the pattern "LE%s.TXT" with %s replaced by the key, unchanged.
    void DefineNomeArquivo(const std::string& chave);
    const std::string& NomeArquivo() const { return nomeArquivo_; }
    // Pasta immediately followed by NomeArquivo (Pasta must end with the separator).
    std::string CaminhoArquivo() const { return pasta_ + nomeArquivo_; }
    void DefinePasta(const std::string& pasta) { pasta_ = pasta; }
    const std::string& Pasta() const { return pasta_; }
    const std::string& ArquivoImportacao() const { return arquivoImportacao_; }
    void DefineArquivoImportacao(const std::string& caminho) { arquivoImportacao_ = caminho; }
    const std::string& MascaraArquivo() const { return mascaraArquivo_; }

private:
    std::string pasta_;
    std::string arquivoImportacao_;
    std::string mascaraArquivo_;
    std::string nomeArquivo_;
};

// The current holder; replaced (the previous one discarded) by NovaPastas.
extern std::unique_ptr<TclsPastas> Pastas;
TclsPastas& NovaPastas();

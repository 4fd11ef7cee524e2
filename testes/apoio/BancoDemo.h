#pragma once
// For window tests over the demonstration data: a temporary root holding the database that
// korvex-admin demo makes, the data module connected to it, and Restaurar, which puts the
// database back as it was made, so that every test starts from the same rows.

#include "apoio/AmbienteTeste.h"

#include <filesystem>
#include <string>

class BancoDemo {
public:
    // Makes the database and connects the data module (dm_DatConn); throws when either fails.
    BancoDemo();
    // Releases the data module.
    ~BancoDemo();
    BancoDemo(const BancoDemo&) = delete;
    BancoDemo& operator=(const BancoDemo&) = delete;

    // Closes the data module, puts the database back as it was made and connects again.
    void Restaurar();

    // Runs a statement of the program's dialect on the program's connection (a test's own
    // rows); ExecutarNativo runs SQLite text as it stands (a test's triggers).
    int Executar(const std::string& sql) const;
    void ExecutarNativo(const std::string& sql) const;
    // The first column of the first row of a query, as text ("" when there is no row).
    std::string Valor(const std::string& sql) const;

    const AmbienteTeste& Ambiente() const { return ambiente_; }

private:
    void Conectar();

    AmbienteTeste ambiente_;
    std::filesystem::path copia_;
};

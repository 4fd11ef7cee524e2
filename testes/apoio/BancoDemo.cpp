#include "apoio/BancoDemo.h"

#include "dados/BancoDados.h"
#include "dados/DatConn.h"

#include <stdexcept>

namespace fs = std::filesystem;

BancoDemo::BancoDemo() : ambiente_(AmbienteTeste::Opcoes{false, false}) {
    std::string saida;
    if (ExecutarAdmin(ambiente_.Raiz(), "demo", saida) != 0) {
        throw std::runtime_error("korvex-admin demo falhou: " + saida);
    }
    copia_ = ambiente_.Raiz() / "KORVEX-demo.db";
    fs::copy_file(ambiente_.Banco(), copia_);
    Conectar();
}

BancoDemo::~BancoDemo() {
    dm_DatConn.reset();
}

void BancoDemo::Conectar() {
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        dm_DatConn.reset();
        throw std::runtime_error("o módulo de dados não se conectou ao banco de demonstração");
    }
}

void BancoDemo::Restaurar() {
    dm_DatConn.reset();
    // The connections are closed: the journal of the write-ahead log is gone with them.
    for (const char* sufixo : {"-wal", "-shm"}) {
        fs::remove(fs::path(ambiente_.Banco().string() + sufixo));
    }
    fs::copy_file(copia_, ambiente_.Banco(), fs::copy_options::overwrite_existing);
    Conectar();
}

int BancoDemo::Executar(const std::string& sql) const {
    return dm_DatConn->adocon_korvex.Executar(sql);
}

void BancoDemo::ExecutarNativo(const std::string& sql) const {
    dm_DatConn->adocon_korvex.ExecutarNativo(sql);
}

std::string BancoDemo::Valor(const std::string& sql) const {
    TConsulta consulta(&dm_DatConn->adocon_korvex);
    consulta.Abrir(sql);
    return consulta.Vazia() ? std::string() : consulta.Texto(0);
}

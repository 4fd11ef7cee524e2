// The record-structure library over the program's data access layer: the connection
// and query-result adapters declared in EstruturaDados.h.

#include "Bibliotecas/Interna/EstruturaDados.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"

#include <sqlcipher/sqlite3.h>

namespace {

std::string TextoDoArgumento(sqlite3_value* valor) {
    const unsigned char* texto = sqlite3_value_text(valor);
    return texto ? reinterpret_cast<const char*>(texto) : std::string();
}

// TO_NUMBER('1,5'): the number of a text with a decimal comma.
void ParaNumero(sqlite3_context* contexto, int, sqlite3_value** argumentos) {
    if (sqlite3_value_type(argumentos[0]) == SQLITE_NULL) {
        sqlite3_result_null(contexto);
        return;
    }
    try {
        sqlite3_result_double(contexto, TextoParaNumero(TextoDoArgumento(argumentos[0])));
    } catch (const ErroGeral& erro) {
        sqlite3_result_error(contexto, erro.what(), -1);
    }
}

// TO_DATE('dd/mm/yyyy hh:nn:ss', mask): the day count of the program's date text.
void ParaData(sqlite3_context* contexto, int, sqlite3_value** argumentos) {
    if (sqlite3_value_type(argumentos[0]) == SQLITE_NULL) {
        sqlite3_result_null(contexto);
        return;
    }
    try {
        sqlite3_result_double(contexto, TextoParaDataHora(TextoDoArgumento(argumentos[0])));
    } catch (const ErroGeral& erro) {
        sqlite3_result_error(contexto, erro.what(), -1);
    }
}

} // namespace

TConexaoEstruturaBanco::TConexaoEstruturaBanco(TConexao& conexao, std::string classeDono)
    : conexao_(conexao), classeDono_(std::move(classeDono)), consulta_(std::make_unique<TConsulta>(&conexao)) {
    RegistrarFuncoes();
}

TConexaoEstruturaBanco::~TConexaoEstruturaBanco() = default;

void TConexaoEstruturaBanco::RegistrarFuncoes() {
    sqlite3* banco = conexao_.Handle();
    if (!banco || funcoesRegistradas_ == banco) {
        return;
    }
    const int opcoes = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function_v2(banco, "TO_NUMBER", 1, opcoes, nullptr, ParaNumero, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(banco, "TO_DATE", 2, opcoes, nullptr, ParaData, nullptr, nullptr, nullptr);
    funcoesRegistradas_ = banco;
}

void TConexaoEstruturaBanco::FecharConsulta() {
    consulta_->Fechar();
}

void TConexaoEstruturaBanco::DefinirSQL(const std::string& texto) {
    consulta_->DefinirSQL(texto);
}

void TConexaoEstruturaBanco::ExecutarConsulta() {
    RegistrarFuncoes();
    consulta_->ExecutarComando();
}

int TConexaoEstruturaBanco::LinhasAfetadas() const {
    return consulta_->LinhasAfetadas();
}

bool TConsultaEstruturaBanco::Fim() const {
    return consulta_.Fim();
}

void TConsultaEstruturaBanco::Proximo() {
    consulta_.Proximo();
}

const ValorBanco* TConsultaEstruturaBanco::Campo(const std::string& coluna) const {
    const int indice = consulta_.IndiceCampo(coluna);
    return indice < 0 ? nullptr : &consulta_.Valor(indice);
}

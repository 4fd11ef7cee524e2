#include "dados/Esquema.h"

#include "dados/BancoDados.h"

#include <algorithm>
#include <cctype>

namespace {

// Text columns carry the JET collation: comparisons, ordering and MAX on them ignore
// the case of every letter, as the program's statements expect.
std::string DefinicaoColuna(const ColunaEsquema& c) {
    if (c.tipo == "TEXT") {
        return c.nome + " TEXT COLLATE JET";
    }
    return c.nome + " " + c.tipo;
}

std::string Juntar(const std::vector<std::string>& partes) {
    std::string saida;
    for (size_t i = 0; i < partes.size(); ++i) {
        saida += (i ? ", " : "") + partes[i];
    }
    return saida;
}

std::vector<TabelaEsquema> Montar() {
    const std::string T = "TEXT";
    const std::string I = "INTEGER";
    const std::string R = "REAL";
    std::vector<TabelaEsquema> t;

    // Own tables.
    t.push_back({"KX_EMPRESA", {{"emp_inscvlt", T}, {"emp_razao", T}}, {"emp_inscvlt"}, {{"emp_razao"}}, false});
    t.push_back({"KXUNIDADES", {{"codunid", T}, {"descunid", T}}, {"codunid"}, {{"descunid"}}, false});
    t.push_back({"KX_EXPPRODUTO",
                 {{"emp_inscvlt", T},
                  {"exp_codprod", I},
                  {"codunid", T},
                  {"exp_ncmprod", T},
                  {"exp_codprodvlt", T},
                  {"exp_tipoprodvlt", T},
                  {"exp_modprod", T},
                  {"exp_status", T},
                  {"cus_codigo", T},
                  {"mod_codemp", T}},
                 {"emp_inscvlt", "exp_codprod"},
                 {{"emp_inscvlt", "exp_codprodvlt", "exp_tipoprodvlt"}, {"codunid"}},
                 false});
    t.push_back(
        {"KX_EXPINSUMO",
         {{"emp_inscvlt", T},
          {"exp_codprod", I},
          {"exp_codins", I},
          {"codunid", T},
          {"exp_tipoins", T},
          {"exp_ncmins", T},
          {"exp_detinsvlt", T},
          {"exp_descins", T},
          {"exp_espetec", T},
          {"exp_coeftec", R},
          {"exp_status", T},
          {"ins_codemp", T}},
         {"emp_inscvlt", "exp_codprod", "exp_codins"},
         // The duplicate checks of inputs look for rows of one type and NCM code with the same
         // trimmed description, or the same item detail and trimmed specification: each finds
         // its few candidate rows through the key of that text (an integer, which no collation
         // touches), however many inputs share the NCM code.
         {{"emp_inscvlt", "exp_codprod", "exp_tipoins", "exp_ncmins", "chave_jet(exp_descins)"},
          {"emp_inscvlt", "exp_codprod", "exp_tipoins", "exp_ncmins", "exp_detinsvlt", "chave_jet(exp_espetec)"},
          {"codunid"}},
         false});
    t.push_back({"KX_ERRO",
                 {{"emp_inscvlt", T}, {"exp_codprod", I}, {"err_sequencia", I}, {"err_descricao", T}},
                 {},
                 {{"emp_inscvlt", "exp_codprod"}},
                 false});
    t.push_back({"KX_LOTE",
                 {{"emp_inscvlt", T}, {"lot_numero", T}, {"lot_ehkit", T}},
                 {"emp_inscvlt", "lot_numero"},
                 {},
                 false});
    t.push_back({"KX_PRODUTO",
                 {{"emp_inscvlt", T}, {"exp_codprod", I}, {"lot_numero", T}},
                 {"emp_inscvlt", "exp_codprod", "lot_numero"},
                 {},
                 false});
    t.push_back({"KX_INSUMO",
                 {{"emp_inscvlt", T}, {"exp_codprod", I}, {"exp_codins", I}, {"lot_numero", T}},
                 {"emp_inscvlt", "exp_codprod", "exp_codins", "lot_numero"},
                 {},
                 false});
    t.push_back({"KX_PAIS", {{"PAI_CODIGO", T}, {"PAI_DESC", T}}, {"PAI_CODIGO"}, {}, false});
    t.push_back({"KX_PORTO", {{"POR_CODIGO", T}, {"POR_DESC", T}}, {"POR_CODIGO"}, {}, false});
    t.push_back({"KX_MOEDA", {{"MOE_CODIGO", T}, {"MOE_DESC", T}}, {"MOE_CODIGO"}, {}, false});

    // The agency's reference tables.
    t.push_back({"T_PROXVM", {{"cd_produto_xvm", T}, {"nm_produto_xvm", T}}, {"cd_produto_xvm"}, {}, true});
    t.push_back({"PRJ_TIPO_PROD",
                 {{"prdt_codprod", T}, {"prdt_codtipo", T}, {"prdt_desctipo", T}},
                 {"prdt_codprod", "prdt_codtipo"},
                 {},
                 true});
    t.push_back({"PRJ_NCM", {{"ncm_codigo", T}, {"ncm_descricao", T}, {"uni_codigo", T}}, {"ncm_codigo"}, {}, true});
    t.push_back({"PRJ_NCM_PROD_VLT",
                 {{"nps_codprod", T}, {"nps_codtipo", T}, {"nps_ncm", T}},
                 {"nps_codprod", "nps_codtipo", "nps_ncm"},
                 {{"nps_ncm"}},
                 true});
    t.push_back({"PROD_ITEM",
                 {{"cd_produto_xvm", T}, {"cd_mercadoria_ncm", T}, {"vtncm_detalhe", T}},
                 {"cd_produto_xvm", "cd_mercadoria_ncm", "vtncm_detalhe"},
                 {{"cd_mercadoria_ncm"}},
                 true});
    t.push_back({"VLT_NCM",
                 {{"vtncm_codigo", T}, {"vtncm_detalhe", T}, {"vtncm_descricao", T}},
                 {"vtncm_codigo", "vtncm_detalhe"},
                 {},
                 true});
    return t;
}

// The indexes of a table, named IX_<table>_<n> in the order of the schema.
std::string SQLIndices(const TabelaEsquema& t) {
    std::string sql;
    int n = 0;
    for (const auto& indice : t.indices) {
        sql +=
            "CREATE INDEX IX_" + t.nome + "_" + std::to_string(++n) + " ON " + t.nome + " (" + Juntar(indice) + ");\n";
    }
    return sql;
}

int VersaoEsquema(TConexao& conexao) {
    return static_cast<int>(TConsulta(&conexao).Abrir("PRAGMA user_version").Inteiro("user_version"));
}

bool ExisteTabela(TConexao& conexao, const std::string& nome) {
    return !TConsulta(&conexao)
                .Abrir("SELECT name FROM sqlite_master WHERE type = 'table' AND name = " + Q(nome))
                .Vazia();
}

// The table's indexes dropped and made again as the schema has them.
std::string SQLRefazerIndices(TConexao& conexao, const TabelaEsquema& t) {
    std::string sql;
    // Every index of the table but those of its primary key (which have no statement of their own).
    TConsulta indices(&conexao);
    for (indices.Abrir("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = " + Q(t.nome) +
                       " AND sql IS NOT NULL");
         !indices.Fim(); indices.Proximo()) {
        sql += "DROP INDEX " + indices.Texto("name") + ";\n";
    }
    return sql + SQLIndices(t);
}

} // namespace

const std::vector<TabelaEsquema>& TabelasEsquema() {
    static const std::vector<TabelaEsquema> tabelas = Montar();
    return tabelas;
}

const TabelaEsquema* TabelaEsquemaPorNome(const std::string& nome) {
    for (const auto& t : TabelasEsquema()) {
        if (std::equal(t.nome.begin(), t.nome.end(), nome.begin(), nome.end(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
            })) {
            return &t;
        }
    }
    return nullptr;
}

void CriarEsquema(TConexao& conexao) {
    std::string sql;
    for (const auto& t : TabelasEsquema()) {
        std::vector<std::string> colunas;
        for (const auto& c : t.colunas) {
            colunas.push_back(DefinicaoColuna(c));
        }
        if (!t.chave.empty()) {
            colunas.push_back("PRIMARY KEY (" + Juntar(t.chave) + ")");
        }
        sql += "CREATE TABLE " + t.nome + " (" + Juntar(colunas) + ");\n" + SQLIndices(t);
    }
    TTransacao transacao(conexao);
    conexao.ExecutarNativo(sql + "PRAGMA user_version = " + std::to_string(kVersaoEsquema) + ";\n");
    transacao.Confirmar();
}

void AtualizarEsquema(TConexao& conexao) {
    if (VersaoEsquema(conexao) >= kVersaoEsquema) {
        return;
    }
    // Version 1 indexed the keys of the trimmed texts: their tables' indexes are made again.
    std::vector<const TabelaEsquema*> tabelas;
    for (const auto& texto : kTextosComChave) {
        const TabelaEsquema* t = TabelaEsquemaPorNome(std::string(texto.tabela));
        if (std::find(tabelas.begin(), tabelas.end(), t) == tabelas.end() && ExisteTabela(conexao, t->nome)) {
            tabelas.push_back(t);
        }
    }
    if (tabelas.empty()) {
        return;
    }
    // A second copy of the program opening the same file waits here and then finds it done.
    TTransacao transacao(conexao);
    if (VersaoEsquema(conexao) >= kVersaoEsquema) {
        return;
    }
    std::string sql;
    for (const TabelaEsquema* t : tabelas) {
        sql += SQLRefazerIndices(conexao, *t);
    }
    conexao.ExecutarNativo(sql + "PRAGMA user_version = " + std::to_string(kVersaoEsquema) + ";\n");
    transacao.Confirmar();
}

void AtualizarEstatisticas(TConexao& conexao) {
    conexao.ExecutarNativo("ANALYZE KX_EXPPRODUTO; ANALYZE T_PROXVM; ANALYZE PRJ_TIPO_PROD; ANALYZE KXUNIDADES;");
}

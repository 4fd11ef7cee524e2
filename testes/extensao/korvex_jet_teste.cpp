// korvex_jet.so loaded into the sqlcipher client: the listing database queried outside the
// program with the program's meaning (JET collation, mid, switch, the folding LIKE).

#include "apoio/AmbienteTeste.h"
#include "apoio/EstruturaPropria.h"
#include "comum/Plataforma.h"
#include "dados/BancoDados.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// Runs the sqlcipher client on the database with the script on its standard input and
// gives what it printed (standard output and error together).
std::string Sqlcipher(const fs::path& banco, const std::string& script) {
    const fs::path arquivo = banco.parent_path() / "script.sql";
    std::ofstream(arquivo, std::ios::binary) << script;
    const std::string comando = "sqlcipher -batch '" + banco.string() + "' < '" + arquivo.string() + "' 2>&1";
    FILE* p = popen(comando.c_str(), "r");
    std::string saida;
    std::array<char, 4096> buffer{};
    for (size_t n; p && (n = fread(buffer.data(), 1, buffer.size(), p)) > 0;) {
        saida.append(buffer.data(), n);
    }
    if (p) {
        pclose(p);
    }
    return saida;
}

TEST(ExtensaoJet, ClienteSqlcipherConsultaComOSentidoDoPrograma) {
    if (std::system("command -v sqlcipher >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "o cliente sqlcipher não está instalado";
    }
    AmbienteTeste ambiente;
    {
        TConexao c;
        ambiente.Conectar(c);
        PreencherDadosImportacao(c);
    }
    const std::string chave = std::string("PRAGMA key = '") + kSenhaBanco + "';\n";
    const std::string consultas = "SELECT count(*) FROM PRJ_NCM;\n"
                                  "SELECT ncm_codigo FROM PRJ_NCM ORDER BY ncm_descricao;\n"
                                  "SELECT emp_inscvlt FROM KX_EMPRESA WHERE emp_razao = 'INDÚSTRIA AÇÃO LTDA';\n"
                                  "SELECT count(*) FROM KX_EMPRESA WHERE emp_razao LIKE '%açÃo%';\n"
                                  "SELECT mid(emp_razao, 11, 4), switch(1 = 0, 'a', 1 = 1, 'b') FROM KX_EMPRESA;\n"
                                  "SELECT max(descunid) FROM KXUNIDADES;\n";

    // Without the extension the client cannot even count the rows of a reference table.
    EXPECT_NE(
        Sqlcipher(ambiente.Banco(), chave + "SELECT count(*) FROM PRJ_NCM;\n").find("no such collation sequence: JET"),
        std::string::npos);

    EXPECT_EQ(Sqlcipher(ambiente.Banco(), chave + ".load " + KORVEX_EXTENSAO_JET + "\n" + consultas),
              "3\n"
              "39269090\n73181500\n85299020\n"
              "200123456\n"
              "1\n"
              "Ação|b\n"
              "UNIDADE\n");
}

} // namespace

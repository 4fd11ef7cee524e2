// korvex-admin importar: the own-structure import run without windows, into one product
// of one company. Running the command is the user's confirmation, so no question is
// asked; the log lines go to stdout, the outcome box to stdout or stderr.

#include "CaixasConsole.h"
#include "Comandos.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/clsTabACCESS.h"
#include "importacao/ImportacaoEstruturaPropria.h"

#include <iostream>

namespace {

// A log line as the console shows it: the memo's CR LF become plain line feeds.
void MostrarLinhaLog(std::string linha) {
    for (size_t p; (p = linha.find("\r\n")) != std::string::npos;) {
        linha.replace(p, 2, "\n");
    }
    std::cout << linha << "\n" << std::flush;
}

} // namespace

int ComandoImportar(const Argumentos& args) {
    if (args.size() != 3) {
        std::cerr << "Uso: korvex-admin importar INSCRICAO CODPROD ARQUIVO\n";
        return 2;
    }
    const std::string& inscricao = args[0];
    const std::string& arquivo = args[2];
    std::string codProd;
    try {
        codProd = std::to_string(TextoParaInteiro(args[1]));
    } catch (const ErroConversao&) {
        throw ErroGeral("Código de produto inválido: '" + args[1] + "' (deve ser o número exp_codprod do produto).");
    }

    CaixasConsole caixas;
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        return 1;
    }
    TConexao& conexao = dm_DatConn->adocon_korvex;

    TConsulta consulta(&conexao);
    consulta.Abrir(" SELECT T1.emp_razao FROM " + clsTabACCESS::TabEmpresa() +
                   " T1  WHERE T1.emp_inscvlt = " + Q(inscricao));
    if (consulta.Vazia()) {
        throw ErroGeral("A empresa de inscrição " + inscricao + " não está cadastrada.");
    }
    consulta.Abrir(" SELECT T1.exp_codprodvlt FROM " + clsTabACCESS::TabExpProduto() +
                   " T1  WHERE T1.emp_inscvlt = " + Q(inscricao) + "    AND T1.exp_codprod = " + codProd);
    if (consulta.Vazia()) {
        throw ErroGeral("O produto " + codProd + " não existe na listagem da empresa " + inscricao + ".");
    }
    const std::string codProdVlt = consulta.Texto("exp_codprodvlt");
    consulta.Fechar();

    TclsImportacaoEstruturaPropria importacao(conexao);
    importacao.AoRegistrar = MostrarLinhaLog;
    const auto resultado = importacao.ImportarArquivo({arquivo, inscricao, codProd, codProdVlt, false});
    return resultado == TResultadoImportacao::Concluida ? 0 : 1;
}

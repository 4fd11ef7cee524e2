// korvex-admin importar and validar: the own-structure import run without windows, into one
// product of one company, and the check of a whole file against that product. Running the
// command is the user's confirmation, so no question is asked; the import's log lines go to
// stdout, the outcome box to stdout or stderr.

#include "CaixasConsole.h"
#include "Comandos.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "dados/BancoDados.h"
#include "dados/DatConn.h"
#include "dados/clsTabACCESS.h"
#include "importacao/ImportacaoEstruturaPropria.h"

#include <iostream>
#include <optional>

namespace {

// A log line as the console shows it: the memo's CR LF become plain line feeds.
void MostrarLinhaLog(std::string linha) {
    for (size_t p; (p = linha.find("\r\n")) != std::string::npos;) {
        linha.replace(p, 2, "\n");
    }
    std::cout << linha << "\n" << std::flush;
}

// Connects as the program does and finds the product that receives the inputs of the file,
// from the arguments INSCRICAO CODPROD ARQUIVO: an unknown company or product is refused
// before the file is read. Nothing when the connection failed (its box has been shown).
std::optional<TParametrosImportacao> ProdutoDoArquivo(const Argumentos& args) {
    const std::string& inscricao = args[0];
    std::string codProd;
    try {
        codProd = std::to_string(TextoParaInteiro(args[1]));
    } catch (const ErroConversao&) {
        throw ErroGeral("Código de produto inválido: '" + args[1] + "' (deve ser o número exp_codprod do produto).");
    }
    dm_DatConn = std::make_unique<Tdm_DatConn>();
    if (!dm_DatConn->Conectar()) {
        return std::nullopt;
    }
    TConsulta consulta(&dm_DatConn->adocon_korvex);
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
    return TParametrosImportacao{args[2], inscricao, codProd, consulta.Texto("exp_codprodvlt"), false};
}

// One report line per invalid line of the file: the lone CR that breaks some of the import's
// messages in two becomes a space.
std::string EmUmaLinha(std::string mensagem) {
    for (auto& c : mensagem) {
        if (c == '\r') {
            c = ' ';
        }
    }
    return mensagem;
}

} // namespace

int ComandoImportar(const Argumentos& args) {
    if (args.size() != 3) {
        std::cerr << "Uso: korvex-admin importar INSCRICAO CODPROD ARQUIVO\n";
        return 2;
    }
    CaixasConsole caixas;
    const auto parametros = ProdutoDoArquivo(args);
    if (!parametros) {
        return 1;
    }
    TclsImportacaoEstruturaPropria importacao(dm_DatConn->adocon_korvex);
    importacao.AoRegistrar = MostrarLinhaLog;
    const auto resultado = importacao.ImportarArquivo(*parametros);
    return resultado == TResultadoImportacao::Concluida ? 0 : 1;
}

int ComandoValidar(const Argumentos& args) {
    if (args.size() != 3) {
        std::cerr << "Uso: korvex-admin validar INSCRICAO CODPROD ARQUIVO\n";
        return 2;
    }
    CaixasConsole caixas;
    const auto parametros = ProdutoDoArquivo(args);
    if (!parametros) {
        return 1;
    }
    TclsImportacaoEstruturaPropria importacao(dm_DatConn->adocon_korvex);
    const TValidacaoArquivo validacao = importacao.ValidarArquivo(*parametros);
    for (const auto& linha : validacao.invalidas) {
        std::cout << "linha " << linha.numero << ": " << EmUmaLinha(linha.mensagem) << "\n";
    }
    const size_t invalidas = validacao.invalidas.size();
    if (invalidas == 0) {
        std::cout << "Arquivo válido: " << validacao.linhas
                  << (validacao.linhas == 1 ? " linha passou" : " linhas passaram")
                  << " por todas as verificações da importação.\n";
        return 0;
    }
    std::cout << invalidas << (invalidas == 1 ? " linha inválida" : " linhas inválidas") << " de " << validacao.linhas
              << ".\n";
    return 1;
}

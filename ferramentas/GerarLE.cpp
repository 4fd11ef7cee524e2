// korvex-admin gerar-le: the send run of the export listing without windows. With --pasta it
// only writes the file into that folder; with --enviar it writes it into the temporary folder
// and uploads it, as the send wizard's two choices do.

#include "CaixasConsole.h"
#include "Comandos.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/Plataforma.h"
#include "dados/DatConn.h"
#include "dados/SQLListas.h"
#include "envio/GeracaoLE.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr const char* kUso = "Uso: korvex-admin gerar-le INSCRICAO (--pasta PASTA | --enviar) [--produtos C1,C2,...]";

// A command line that cannot be run as given.
class ErroUso : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

struct PedidoGeracao {
    std::string inscricao;
    std::optional<std::string> pasta;          // only generate, into this folder
    bool enviar = false;                       // generate into the temporary folder and upload
    std::optional<std::set<int32_t>> produtos; // none: every product of the listing
};

std::set<int32_t> LerCodigos(const std::string& lista) {
    std::set<int32_t> codigos;
    size_t inicio = 0;
    while (inicio <= lista.size()) {
        const size_t fim = std::min(lista.find(',', inicio), lista.size());
        const std::string codigo = lista.substr(inicio, fim - inicio);
        try {
            codigos.insert(TextoParaInteiro(codigo));
        } catch (const ErroConversao&) {
            throw ErroUso("Código de produto inválido em --produtos: \"" + codigo + "\".");
        }
        inicio = fim + 1;
    }
    return codigos;
}

PedidoGeracao LerArgumentos(const Argumentos& args) {
    PedidoGeracao pedido;
    bool temInscricao = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto valor = [&]() -> const std::string& {
            if (i + 1 >= args.size()) {
                throw ErroUso("Falta o valor de " + arg + ".");
            }
            return args[++i];
        };
        if (arg == "--pasta" && !pedido.pasta) {
            pedido.pasta = valor();
        } else if (arg == "--enviar" && !pedido.enviar) {
            pedido.enviar = true;
        } else if (arg == "--produtos" && !pedido.produtos) {
            pedido.produtos = LerCodigos(valor());
        } else if (!arg.starts_with("--") && !temInscricao) {
            pedido.inscricao = arg;
            temInscricao = true;
        } else {
            throw ErroUso("Argumento inesperado: \"" + arg + "\".");
        }
    }
    if (!temInscricao) {
        throw ErroUso("Informe a inscrição da empresa.");
    }
    if (pedido.inscricao.size() != 9 || pedido.inscricao.find_first_not_of("0123456789") != std::string::npos) {
        throw ErroUso("Inscrição inválida: \"" + pedido.inscricao + "\". A inscrição Veltran tem 9 dígitos.");
    }
    if (pedido.enviar == pedido.pasta.has_value()) {
        throw ErroUso("Escolha --pasta PASTA (somente gerar) ou --enviar.");
    }
    return pedido;
}

// The company's send list: its products in the order of the product list, each once, ticked
// when asked for. Throws ErroGeral when the listing is empty or a code asked for is not in it.
std::vector<ItemListaEnvio> ListaDeEnvio(const PedidoGeracao& pedido) {
    std::vector<ItemListaEnvio> lista;
    std::set<int32_t> vistos;
    for (TConsulta& q = AbrirLista(SQLProdutosEmpresa(pedido.inscricao)); !q.Fim(); q.Proximo()) {
        const int32_t codigo = TextoParaInteiro(q.Texto("exp_codprod"));
        if (vistos.insert(codigo).second) {
            lista.push_back({!pedido.produtos || pedido.produtos->contains(codigo), std::to_string(codigo)});
        }
    }
    dm_DatConn->qry_sel.Fechar();
    if (lista.empty()) {
        throw ErroGeral("A empresa " + pedido.inscricao + " não tem produtos na listagem de exportação.");
    }
    if (pedido.produtos) {
        for (const int32_t codigo : *pedido.produtos) {
            if (!vistos.contains(codigo)) {
                throw ErroGeral("O produto " + std::to_string(codigo) + " não está na listagem da empresa " +
                                pedido.inscricao + ".");
            }
        }
    }
    return lista;
}

// The data module for the length of the command, released before the program's globals go.
struct ModuloDados {
    ModuloDados() { dm_DatConn = std::make_unique<Tdm_DatConn>(); }
    ~ModuloDados() { dm_DatConn.reset(); }
};

} // namespace

int ComandoGerarLE(const Argumentos& args) {
    PedidoGeracao pedido;
    std::string pasta;
    try {
        pedido = LerArgumentos(args);
        if (pedido.pasta) {
            std::error_code erro;
            if (!fs::is_directory(*pedido.pasta, erro)) {
                throw ErroUso("A pasta de destino não existe: " + *pedido.pasta);
            }
            pasta = fs::absolute(*pedido.pasta).string();
            if (!pasta.ends_with('/')) {
                pasta += '/';
            }
        } else {
            pasta = PastaTemporaria();
        }
    } catch (const ErroUso& e) {
        std::cerr << "Erro: " << e.what() << "\n" << kUso << "\n";
        return 2;
    }

    CaixasConsole caixas;
    ModuloDados modulo;
    if (!dm_DatConn->Conectar()) {
        return 1;
    }
    ParametrosEnvio parametros;
    parametros.inscricao = pedido.inscricao;
    parametros.produtos = ListaDeEnvio(pedido);
    parametros.somenteGerar = !pedido.enviar;
    parametros.pasta = pasta;
    parametros.consulta = &dm_DatConn->qry_sel;

    AcompanhamentoEnvio acompanhamento;
    acompanhamento.registrar = [](const std::string& linha) { std::cout << linha << std::endl; };
    const ResultadoEnvio resultado = GerarListagem(parametros, acompanhamento);
    std::cout << resultado.arquivo << std::endl;
    return resultado.sucesso ? 0 : 1;
}

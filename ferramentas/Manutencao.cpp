// korvex-admin copia-seguranca, restaurar and verificar: the care of the listing database at
// the program's path.

#include "Comandos.h"

#include "comum/Plataforma.h"
#include "dados/BancoDados.h"
#include "dados/ManutencaoBanco.h"

#include <iostream>

int ComandoCopiaSeguranca(const Argumentos& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: korvex-admin copia-seguranca DESTINO\n";
        return 2;
    }
    const auto arquivo = CopiarBanco(CaminhoBancoListagem(), args[0]);
    std::cout << "Cópia de segurança gravada em " << arquivo.string() << ".\n";
    return 0;
}

int ComandoRestaurar(const Argumentos& args) {
    if (args.size() != 1) {
        std::cerr << "Uso: korvex-admin restaurar ORIGEM\n";
        return 2;
    }
    const auto banco = CaminhoBancoListagem();
    const auto anterior = RestaurarBanco(banco, args[0]);
    std::cout << "Banco de dados restaurado de " << args[0] << ".\n";
    if (!anterior.empty()) {
        std::cout << "O banco que estava em uso foi guardado em " << anterior.string() << ".\n";
    }
    return 0;
}

int ComandoVerificar(const Argumentos& args) {
    if (!args.empty()) {
        std::cerr << "Uso: korvex-admin verificar\n";
        return 2;
    }
    TConexao conexao;
    conexao.Abrir(CaminhoBancoListagem().string(), kSenhaBanco);
    const auto integridade = ProblemasIntegridade(conexao);
    if (integridade.empty()) {
        std::cout << "Integridade do banco: ok.\n";
    } else {
        std::cout << "Integridade do banco: o arquivo está danificado. A verificação do SQLite informou:\n";
        for (const auto& linha : integridade) {
            std::cout << "    " << linha << "\n";
        }
    }
    const auto listagem = ProblemasListagem(conexao);
    if (listagem.empty()) {
        std::cout << "Consistência da listagem: ok.\n";
    }
    for (const auto& problema : listagem) {
        std::cout << problema << "\n";
    }
    const auto problemas = (integridade.empty() ? 0 : 1) + listagem.size();
    if (problemas == 0) {
        return 0;
    }
    std::cout << problemas << (problemas == 1 ? " problema encontrado.\n" : " problemas encontrados.\n");
    return 1;
}

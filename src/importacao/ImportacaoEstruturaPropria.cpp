#include "importacao/ImportacaoEstruturaPropria.h"

#include "comum/CaixasMensagem.h"
#include "comum/Erros.h"
#include "comum/RotinasUteis.h"
#include "dados/SelAccessUsoGeral.h"
#include "importacao/LeitorArquivoTexto.h"
#include "importacao/clsLexInsumoTXT.h"

void TclsImportacaoEstruturaPropria::Registrar(const std::string& linha) {
    if (AoRegistrar) {
        AoRegistrar(linha);
    }
}

TResultadoImportacao TclsImportacaoEstruturaPropria::ImportarArquivo(const TParametrosImportacao& parametros) {
    mensagemErro_.clear();
    try {
        Registrar("Início da Importação dos arquivos de Estrutura Própria\r\n");
        if (parametros.perguntar &&
            CaixaPergunta("Informação", "Deseja confirmar a importação dos arquivos de Estrutura Própria \r\nda "
                                        "empresa [" +
                                            parametros.inscricao + "] - [" + RazaoSocialEmpresa(parametros.inscricao) +
                                            "]?") != kBotaoSim) {
            return TResultadoImportacao::Cancelada;
        }
        if (!conexao_.EmTransacao()) {
            conexao_.IniciarTransacao();
        }
        ImportarLinhas(parametros, [](int, const std::string& mensagem) { throw ErroGeral(mensagem); });
        conexao_.ConfirmarTransacao();
    } catch (const std::exception& e) {
        mensagemErro_ = e.what();
        // The engine may have ended the transaction itself (a full disk, for instance).
        if (conexao_.EmTransacao()) {
            try {
                conexao_.DesfazerTransacao();
            } catch (const std::exception&) {
                // The error that stopped the import is the one the user must see.
            }
        }
        CaixaErroOperacao(mensagemErro_);
        return TResultadoImportacao::Falhou;
    }
    Registrar("Fim da Importação.");
    CaixaInformacao("Informação", "Operação realizada com sucesso!");
    return TResultadoImportacao::Concluida;
}

TValidacaoArquivo TclsImportacaoEstruturaPropria::ValidarArquivo(const TParametrosImportacao& parametros) {
    if (conexao_.EmTransacao()) {
        throw ErroGeral("A validação do arquivo precisa de uma conexão sem transação aberta.");
    }
    TValidacaoArquivo validacao;
    TTransacao transacao(conexao_); // never confirmed: rolled back when it leaves scope
    validacao.linhas = ImportarLinhas(parametros, [&validacao](int numero, const std::string& mensagem) {
        validacao.invalidas.push_back({numero, mensagem});
    });
    return validacao;
}

int TclsImportacaoEstruturaPropria::ImportarLinhas(const TParametrosImportacao& parametros,
                                                   const std::function<void(int, const std::string&)>& aoRecusar) {
    const std::string& arquivo = parametros.arquivo;
    const int linhas = ContaLinhas(arquivo);
    if (linhas <= 0) {
        throw ErroGeral("Erro no Arquivo! Este encontra-se VAZIO.");
    }
    if (AoIniciarProgresso) {
        AoIniciarProgresso(linhas);
    }
    Registrar("Recebendo arquivo de insumo - [" + std::to_string(linhas) + "] registros\r\n");

    TclsLeitorArquivoTexto leitor(arquivo, kTamanhoLinhaEstruturaPropria);
    TclsInfoInsumoTXT insumo;
    std::string linha;
    int numero = 0;
    while (leitor.LerLinha(linha)) {
        ++numero;
        if (AoProcessarEventos) {
            AoProcessarEventos();
        }
        insumo.LerLinha(linha, parametros.inscricao, parametros.codProdVlt, parametros.codProd);
        if (insumo.Validar()) {
            insumo.Gravar();
        } else {
            aoRecusar(numero, insumo.MensagemErro());
        }
        if (AoAvancarProgresso) {
            AoAvancarProgresso();
        }
    }
    return numero;
}

#include "envio/GeracaoLE.h"

#include "comum/CaixasMensagem.h"
#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"
#include "dados/BancoDados.h"
#include "dados/SQLListas.h"
#include "envio/LexItemListagem.h"

#include <algorithm>
#include <cstdio>

namespace {

// Removes the listing file when the generation stops half-way: a file cut short must never be
// left under a name that looks finished, where it could be uploaded by hand.
class DescarteArquivo {
public:
    explicit DescarteArquivo(TLExItemProduto& produto) : produto_(produto) {}
    ~DescarteArquivo() { produto_.DescartarArquivo(); }
    DescarteArquivo(const DescarteArquivo&) = delete;
    DescarteArquivo& operator=(const DescarteArquivo&) = delete;

private:
    TLExItemProduto& produto_;
};

// Writes one ticked product: its row into the product writer and its "P" line, then each of
// its inputs into the input writer and its "I" line, every column read as text through the
// records' setters. One product's inputs are in memory at a time.
void GravarProdutoEInsumos(const std::string& inscricao, const std::string& codigoLista, TConsulta& consulta,
                           TLExItemProduto& produto, TLExItemInsumo& insumo) {
    int32_t codigo = 0;
    try {
        codigo = TextoParaInteiro(codigoLista);
    } catch (const ErroConversao&) {
        throw ErroGeral("Código de produto inválido na lista de envio: \"" + codigoLista + "\".");
    }
    const std::string codigoTexto = std::to_string(codigo);

    TConsulta& p = consulta.Abrir(SQLProdutoEnvio(inscricao, codigoTexto));
    if (p.Vazia()) {
        throw ErroGeral("O produto " + codigoTexto + " não está mais na listagem da empresa " + inscricao +
                        ": foi excluído depois que a lista de produtos foi carregada. Localize os produtos "
                        "novamente e repita o envio.");
    }
    produto.Set_emp_inscvlt(p.Texto("emp_inscvlt"));
    produto.Set_exp_codprod(p.Texto("exp_codprod"));
    produto.Set_codunid(p.Texto("codunid"));
    produto.Set_exp_ncmprod(p.Texto("exp_ncmprod"));
    produto.Set_exp_codprodvlt(p.Texto("exp_codprodvlt"));
    produto.Set_exp_tipoprodvlt(p.Texto("exp_tipoprodvlt"));
    produto.Set_exp_modprod(p.Texto("exp_modprod"));
    produto.Set_cus_codigo(p.Texto("cus_codigo"));
    produto.Set_mod_codemp(p.Texto("mod_codemp"));
    produto.GravarProduto();

    TConsulta& i = consulta.Abrir(SQLInsumosEnvio(inscricao, codigoTexto));
    // Columns found once per product rather than by name on every row.
    const auto coluna = [&i](std::string_view nome) { return i.IndiceCampo(nome); };
    const int empresa = coluna("emp_inscvlt"), codProd = coluna("exp_codprod"), codIns = coluna("exp_codins"),
              unidade = coluna("codunid"), tipo = coluna("exp_tipoins"), ncm = coluna("exp_ncmins"),
              detalhe = coluna("exp_detinsvlt"), coeficiente = coluna("exp_coeftec"), codEmpresa = coluna("ins_codemp"),
              descricao = coluna("exp_descins"), especificacao = coluna("exp_espetec");
    for (; !i.Fim(); i.Proximo()) {
        try {
            insumo.Set_emp_inscvlt(i.Texto(empresa));
            insumo.Set_exp_codprod(i.Texto(codProd));
            insumo.Set_exp_codins(i.Texto(codIns));
            insumo.Set_codunid(i.Texto(unidade));
            insumo.Set_exp_tipoins(i.Texto(tipo));
            insumo.Set_exp_ncmins(i.Texto(ncm));
            insumo.Set_exp_detinsvlt(i.Texto(detalhe));
            insumo.Set_exp_coeftec(i.Texto(coeficiente));
            insumo.Set_ins_codemp(i.Texto(codEmpresa));
            insumo.Set_exp_descins(i.Texto(descricao));
            insumo.Set_exp_espetec(i.Texto(especificacao));
        } catch (const ErroConversao& e) {
            throw ErroGeral("Não foi possível ler o insumo " + i.Texto(codIns) + " do produto " + codigoTexto +
                            " da listagem: " + e.what());
        }
        insumo.GravarInsumo();
    }
    consulta.Fechar();
}

} // namespace

std::string CarimboArquivoLE(const std::tm& momento) {
    char texto[32];
    std::snprintf(texto, sizeof texto, "%02d%s%04d%02d%02d%02d", momento.tm_mday,
                  MesAbreviado(momento.tm_mon + 1).c_str(), momento.tm_year + 1900, momento.tm_hour, momento.tm_min,
                  momento.tm_sec);
    return texto;
}

ResultadoEnvio GerarListagem(const ParametrosEnvio& parametros, const AcompanhamentoEnvio& acompanhamento) {
    if (parametros.pasta.empty() || !parametros.consulta) {
        throw ErroGeral("O envio da listagem foi iniciado sem pasta de destino ou sem consulta ao banco.");
    }
    const auto registrar = [&](const std::string& linha) {
        if (acompanhamento.registrar) {
            acompanhamento.registrar(linha);
        }
    };
    registrar("Início do Envio da LE.");
    registrar("Exportando informações dos Produtos e Insumos.");
    const auto marcados = std::count_if(parametros.produtos.begin(), parametros.produtos.end(),
                                        [](const ItemListaEnvio& item) { return item.marcado; });
    if (acompanhamento.iniciarProgresso) {
        acompanhamento.iniciarProgresso(static_cast<int>(marcados));
    }

    TLExItemProduto produto;
    TLExItemInsumo insumo;
    const std::time_t agora = std::time(nullptr);
    const std::string caminho =
        parametros.pasta + "LE" + parametros.inscricao + CarimboArquivoLE(*std::localtime(&agora)) + ".TXT";
    {
        produto.AbrirArquivo(caminho);
        DescarteArquivo descarte(produto);
        produto.GravarVersao();
        for (const ItemListaEnvio& item : parametros.produtos) {
            if (!item.marcado) {
                continue;
            }
            GravarProdutoEInsumos(parametros.inscricao, item.exp_codprod, *parametros.consulta, produto, insumo);
            if (acompanhamento.avancarProgresso) {
                acompanhamento.avancarProgresso();
            }
        }
        produto.FecharArquivo();
    }

    bool sucesso = true;
    if (!parametros.somenteGerar) {
        const ResultadoFTP envio = EnviarFTP(caminho, registrar, parametros.opcoesFTP);
        if (!envio.sucesso) {
            CaixaErro("Erro", envio.mensagem);
        }
        sucesso = envio.sucesso;
    }
    registrar("Fim do Envio da LE.");
    if (sucesso) {
        CaixaInformacao("Informação", "Operação realizada com sucesso!");
    } else {
        CaixaInformacao("Erro",
                        "Erro no Envio do arquivo via FTP! Favor verificar o log de exceções para apurar o erro.");
    }
    return {caminho, sucesso};
}

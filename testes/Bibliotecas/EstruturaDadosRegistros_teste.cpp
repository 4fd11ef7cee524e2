#include "Bibliotecas/Interna/EstruturaDados.h"
#include "ProdutoTeste.h"
#include "apoio/MensagemDe.h"
#include "comum/Erros.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A connection that keeps the statements it runs instead of running them.
class ConexaoGravadora : public TConexaoEstrutura {
public:
    void FecharConsulta() override { diario.push_back("fechar"); }
    void DefinirSQL(const std::string& texto) override { sql = texto; }
    void ExecutarConsulta() override {
        if (falhar) {
            throw ErroBanco("no such table: PRODUTO");
        }
        executados.push_back(sql);
    }
    int LinhasAfetadas() const override { return linhas; }

    std::string sql;
    std::vector<std::string> executados;
    std::vector<std::string> diario;
    int linhas = 1;
    bool falhar = false;
};

class ConexaoComDono : public ConexaoGravadora {
public:
    std::string ClasseDono() const override { return "Tdm_DatConn"; }
};

// A result of `linhas` products 1, 2, 3...
TConsultaEstruturaMemoria Produtos(int linhas) {
    TConsultaEstruturaMemoria resultado({"CODIGO", "COR", "PRECO"});
    for (int i = 1; i <= linhas; ++i) {
        resultado.Adicionar({int64_t{i}, std::string("COR") + std::to_string(i), i * 1.5});
    }
    return resultado;
}

// Keeps the unit's log hook for one test.
struct LogSQL {
    std::vector<std::string> linhas;
    LogSQL() {
        OnLogSQL = [this](const std::string& linha) { linhas.push_back(linha); };
    }
    ~LogSQL() { OnLogSQL = nullptr; }
};

} // namespace

TEST(TclsItemRegistro, UpdateComSetEWhere) {
    TRegProduto produto(nullptr, "Produto");
    produto.Codigo->SetValor(5);
    produto.Codigo->MarcarGravado();
    produto.Cor->SetValor("AZUL");
    EXPECT_EQ(produto.UpdateOracle(), " UPDATE PRODUTO SET COR = 'AZUL' WHERE CODIGO = 5");
    EXPECT_EQ(produto.Estado, 1);
    EXPECT_EQ(produto.Operacao, 1);
    EXPECT_EQ(produto.Cor->Estado, 1);

    produto.Cor->SetValor("VERDE");
    produto.Preco->SetValor(1.5);
    std::string texto;
    produto.UpdateMainFrame(texto);
    EXPECT_EQ(texto, " UPDATE PRODMF SET COR = 'VERDE', PRECO = 1.5 WHERE CODIGO = 5");
}

TEST(TclsItemRegistro, UpdateSemColunasOuSemRestricao) {
    TRegProduto produto(nullptr, "Produto");
    produto.Cor->SetValor("AZUL");
    EXPECT_NE(MensagemDe([&] { produto.UpdateOracle(); })
                  .find("O campo [CODIGO] está definido como \"campo chave\", logo este deve ter um valor para ser "
                        "utilizado nas retrições WHERE"),
              std::string::npos);
    EXPECT_EQ(produto.Cor->Estado, 1) << "a column already written stays marked as saved";

    produto.Codigo->Opcoes = ocLer | ocIncluir;
    produto.Cor->SetValor("ROSA");
    EXPECT_EQ(MensagemDe([&] { produto.UpdateOracle(); }),
              "Dever ser definida retrições WHERE para utilizar o UpDate!");
    EXPECT_EQ(MensagemDe([&] { produto.UpdateOracle(); }), "Não existe campos para sere atualizados na tabela!");
}

TEST(TclsItemRegistro, InsertNosDoisDialetosEErros) {
    TRegProduto produto(nullptr, "Produto");
    EXPECT_NE(MensagemDe([&] { produto.InsertOracle(); }).find("O campo [CODIGO] está definido como \"campo chave\""),
              std::string::npos);
    produto.Codigo->Opcoes = ocLer | ocIncluir;
    EXPECT_EQ(MensagemDe([&] { produto.InsertOracle(); }), "Não existe campos para sere inseridos na tabela!");

    produto.Codigo->SetValor(7);
    produto.Cor->SetValor("d'água");
    EXPECT_EQ(produto.InsertOracle(), " INSERT INTO PRODUTO (CODIGO, COR)  VALUES  (7, 'd''água') ");
    EXPECT_EQ(produto.Estado, 1);
    EXPECT_EQ(produto.Operacao, 1);
    produto.Preco->SetValor(0.25);
    produto.Cor->ForcarNulo = true;
    EXPECT_EQ(produto.InsertMainFrame(), " INSERT INTO PRODMF(CODIGO, COR, PRECO) VALUES (7, Null, 0.25)");
}

TEST(TclsItemRegistro, SelectComRestricaoEComplemento) {
    TRegProduto produto(nullptr, "Produto");
    EXPECT_EQ(produto.SelectOracle(), " SELECT * FROM PRODUTO");
    produto.Codigo->SetValor(3);
    produto.Preco->Opcoes = ocLer | ocRestringir;
    produto.Preco->SetValor(2.5);
    produto.Complemento = " ORDER BY COR";
    EXPECT_EQ(produto.SelectOracle(),
              " SELECT * FROM PRODUTO WHERE CODIGO = 3 AND PRECO =  TO_NUMBER('2,5') ORDER BY COR");
    EXPECT_EQ(produto.UltimaRestricao, " WHERE CODIGO = 3 AND PRECO =  TO_NUMBER('2,5')");
    EXPECT_EQ(produto.SelectMainFrame(), " SELECT * FROM PRODMF WHERE CODIGO = 3 AND PRECO = 2.5 ORDER BY COR");
    EXPECT_EQ(produto.Estado, 2) << "a SELECT marks nothing";

    produto.OnRestricaoMainFrame = [](std::string& texto) { texto = " WHERE COR LIKE 'A%'"; };
    EXPECT_EQ(produto.SelectMainFrame(), " SELECT * FROM PRODMF WHERE COR LIKE 'A%' ORDER BY COR");
    EXPECT_EQ(produto.RestricaoMainFrame(), " WHERE COR LIKE 'A%'");
}

TEST(TclsItemRegistro, TabelaDeEstados) {
    TRegProduto produto(nullptr, "Produto");
    EXPECT_EQ(produto.Codigo->Registro, &produto);
    EXPECT_EQ(produto.Operacao, 0);
    EXPECT_EQ(produto.Estado, 0);
    int avisosDaLista = 0;
    produto.FListaCmps->OnAlteracao = [&](TclsNodo*) { ++avisosDaLista; };

    // A field read from a row.
    auto resultado = Produtos(2);
    produto.Codigo->LerDoDataSet(resultado);
    EXPECT_EQ(produto.Estado, 1);
    EXPECT_EQ(produto.Operacao, 1);
    EXPECT_EQ(avisosDaLista, 1) << "field changes stop at the field list";

    // A field given a new value.
    produto.Cor->SetValor("AZUL");
    EXPECT_EQ(produto.Estado, 2);
    EXPECT_EQ(produto.Operacao, 2);

    // A field read while the record is changed leaves it changed.
    produto.Preco->LerDoDataSet(resultado);
    EXPECT_EQ(produto.Estado, 2);
    EXPECT_EQ(produto.Operacao, 2);

    // Ler reads the row and moves on.
    produto.Consulta = &resultado;
    produto.Limite = 2;
    EXPECT_EQ(produto.Ler(), 1);
    EXPECT_EQ(produto.Estado, 1);
    EXPECT_EQ(produto.Operacao, 1);
    EXPECT_EQ(produto.Cor->Valor, "COR1");
    EXPECT_EQ(produto.Ler(), 1);
    EXPECT_EQ(produto.Codigo->Valor, 2);
    EXPECT_EQ(produto.Lidos, 2);
    EXPECT_EQ(produto.Ler(), 0);

    // Nothing to update: nothing runs, the record stays loaded.
    ConexaoGravadora conexao;
    produto.ConexaoOracle = &conexao;
    EXPECT_EQ(produto.AlterarOracle(), 0);
    EXPECT_TRUE(conexao.executados.empty());
    EXPECT_TRUE(produto.EstaCarregado());

    produto.Limpar();
    EXPECT_EQ(produto.Estado, 0);
    EXPECT_EQ(produto.Operacao, 0);
    EXPECT_TRUE(produto.Codigo->EstaNulo());
    EXPECT_EQ(produto.IncluirOracle(), 0);
    EXPECT_TRUE(conexao.executados.empty());

    produto.Consulta = nullptr;
    EXPECT_EQ(produto.Ler(), 0);
    EXPECT_EQ(produto.Limite, 0);
    EXPECT_EQ(produto.Lidos, 0);
}

TEST(TclsItemRegistro, ExecucaoComLogEEventosDaConexao) {
    LogSQL log;
    TRegProduto produto(nullptr, "Produto");
    ConexaoComDono conexao;
    conexao.linhas = 3;
    std::vector<std::string> eventos;
    conexao.OnAntesExecutar = [&](bool executar) { eventos.push_back(executar ? "antes(true)" : "antes(false)"); };
    conexao.OnDepoisExecutar = [&] { eventos.push_back("depois"); };
    produto.ConexaoMainFrame = &conexao;
    produto.Codigo->SetValor(1);
    produto.Cor->SetValor("A");

    EXPECT_EQ(produto.IncluirMainFrame(), 3);
    EXPECT_EQ(produto.UltimoSQL, " INSERT INTO PRODMF(CODIGO, COR) VALUES (1, 'A')");
    EXPECT_EQ(conexao.executados, std::vector<std::string>{produto.UltimoSQL});
    EXPECT_EQ(conexao.diario, std::vector<std::string>{"fechar"});
    EXPECT_EQ(log.linhas, (std::vector<std::string>{">>> TRegProduto => {Tdm_DatConn} <<<", produto.UltimoSQL, " "}));
    EXPECT_EQ(eventos, (std::vector<std::string>{"antes(true)", "depois"}));

    // A failing statement passes its error on; the after-event is not called.
    produto.Cor->SetValor("B");
    conexao.falhar = true;
    EXPECT_THROW(produto.AlterarMainFrame(), ErroBanco);
    EXPECT_EQ(eventos.size(), 3u);

    ConexaoGravadora semDono;
    log.linhas.clear();
    Executar(semDono, "DELETE FROM X", "Teste");
    EXPECT_EQ(log.linhas.front(), ">>> Teste => {ConexaoGravadora} <<<");
}

TEST(TclsItemRegistro, ConexaoDoAncestral) {
    TRegProduto externo(nullptr, "Externo");
    auto* interno = new TRegProduto(externo.FListaItens, "Interno");
    EXPECT_EQ(MensagemDe([&] { interno->ObterConexaoOracle(); }),
              "Não existe nenhuma conexão [Oracle] que o objeto [Externo] da classe [TRegProduto] possa usar!");
    TRegProduto sozinho(nullptr, "Sozinho");
    EXPECT_EQ(MensagemDe([&] { sozinho.ObterConexaoMainFrame(); }),
              "Não existe nenhuma conexão [MainFrame] que o objeto [Sozinho] da classe [TRegProduto] possa usar!");

    auto primeira = std::make_unique<ConexaoGravadora>();
    externo.ConexaoOracle = primeira.get();
    interno->Codigo->SetValor(9);
    EXPECT_EQ(interno->IncluirOracle(), 1);
    EXPECT_EQ(primeira->executados.size(), 1u);
    EXPECT_EQ(interno->ConexaoMainFrame, nullptr);
    // The inherited connection is looked up at each use, never kept: once the ancestor
    // switches to another one and the first is gone, the record runs on the new one.
    ASSERT_EQ(interno->ConexaoOracle, nullptr);
    ConexaoGravadora segunda;
    externo.ConexaoOracle = &segunda;
    primeira.reset();
    interno->Codigo->SetValor(10);
    EXPECT_EQ(interno->IncluirOracle(), 1);
    EXPECT_EQ(segunda.executados.size(), 1u);
}

TEST(TclsItemRegistro, ItemAninhadoAlteradoAlteraORegistro) {
    TRegProduto externo(nullptr, "Externo");
    auto* interno = new TRegProduto(externo.FListaItens, "Interno");
    interno->Cor->SetValor("X");
    EXPECT_TRUE(externo.EstaAlterado());
    EXPECT_EQ(externo.Operacao, 0) << "a nested item changes the state only";
    EXPECT_EQ(externo.FListaItens->Item(0), interno);
    EXPECT_THROW(externo.FListaCmps->Campo(5), ErroGeral);
    EXPECT_EQ(externo.FListaCmps->Descricao(), "Campos [4]");

    // Typed access refuses a child of another class.
    new TclsNodo(externo.FListaItens, "Estranho");
    EXPECT_THROW(externo.FListaItens->Item(1), ErroConversao);
}

TEST(TclsItemRegistro, CopiarECompararPorIdentificador) {
    TRegProduto origem(nullptr, "Origem");
    new TRegProduto(origem.FListaItens, "Filho");
    origem.Codigo->SetValor(4);
    origem.Cor->SetValor("PRETO");
    origem.Preco->Identificador = "VALOR";
    origem.Preco->SetValor(9.5);
    origem.Codigo->MarcarGravado();
    dynamic_cast<TRegProduto*>(origem.FListaItens->Item(0))->Cor->SetValor("F");

    TRegProduto copia(nullptr, "Copia");
    auto* filhoDaCopia = new TRegProduto(copia.FListaItens, "Filho");
    new TRegProduto(copia.FListaItens, "SemPar");
    copia.Preco->SetValor(1);
    copia.Copiar(origem);
    EXPECT_EQ(copia.CamposCopiados, 3);
    EXPECT_EQ(copia.ItensCopiados, 1);
    EXPECT_EQ(copia.Codigo->Valor, 4);
    EXPECT_EQ(copia.Codigo->Estado, 1);
    EXPECT_EQ(copia.Cor->Valor, "PRETO");
    EXPECT_TRUE(copia.Preco->EstaNulo()) << "fields without a partner are cleared, not copied";
    EXPECT_EQ(filhoDaCopia->Cor->Valor, "F");
    EXPECT_EQ(copia.Estado, origem.Estado);

    copia.Preco->Identificador = "VALOR";
    copia.Preco->SetValor(9.5);
    EXPECT_TRUE(copia.Comparar(origem));
    EXPECT_TRUE(copia.Igual);
    filhoDaCopia->Cor->SetValor("G");
    EXPECT_FALSE(copia.Comparar(origem));

    TClsCampoInt campo(nullptr, "C");
    EXPECT_EQ(MensagemDe([&] { copia.Copiar(campo); }), "Não pode copiar um(a) TClsCampoInt para um(a) TRegProduto");
    EXPECT_EQ(MensagemDe([&] { copia.Comparar(campo); }), "Não pode comparar um(a) TClsCampoInt com um(a) TRegProduto");

    // Copying a record onto itself keeps its data.
    origem.Copiar(origem);
    EXPECT_EQ(origem.Codigo->Valor, 4);
}

TEST(TclsItemVetRegistros, LerRespeitaQuantidadeELimite) {
    TclsItemVetRegistros vetor(nullptr, "Vetor");
    EXPECT_EQ(
        MensagemDe([&] { vetor.SelectOracle(); }),
        "Não foi definida a classe de registro para o vetor de registro [Vetor] da classe [TclsItemVetRegistros]");
    auto resultado = Produtos(10005);
    vetor.Consulta = &resultado;
    vetor.Limite = resultado.QuantidadeRegistros();
    EXPECT_EQ(vetor.Ler(0), 0) << "no auxiliary record before the first SELECT";

    vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    EXPECT_EQ(vetor.SelectOracle(), " SELECT * FROM PRODUTO");
    ASSERT_NE(vetor.FRegDado, nullptr);
    EXPECT_EQ(vetor.FRegDado->Nome, "FRegDado");

    EXPECT_EQ(vetor.Ler(0), 10000);
    EXPECT_EQ(vetor.Lidos, 10000);
    EXPECT_EQ(vetor.Ler(3), 3);
    vetor.Limite = 10004;
    EXPECT_EQ(vetor.Ler(5), 1);
    EXPECT_EQ(vetor.QuantidadeRegistros(), 10004);
    TclsItemRegistro* ultimo = vetor.Registro(10003);
    EXPECT_EQ(ultimo->Nome, "Item 10004");
    EXPECT_EQ(dynamic_cast<TRegProduto*>(ultimo)->Codigo->Valor, 10004);
    EXPECT_TRUE(vetor.EstaCarregado());
    EXPECT_EQ(vetor.Operacao, 1);

    // A limit beyond the rows of the result reads only what is there.
    vetor.Limite = 20000;
    EXPECT_EQ(vetor.Ler(0), 1);
    EXPECT_EQ(vetor.QuantidadeRegistros(), 10005);
}

TEST(TclsItemVetRegistros, UmRegistroAlteradoDaUmUpdate) {
    LogSQL log;
    TclsItemVetRegistros vetor(nullptr, "Vetor");
    vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    ConexaoGravadora conexao;
    vetor.ConexaoOracle = &conexao;
    vetor.SelectOracle();
    auto resultado = Produtos(3);
    vetor.Consulta = &resultado;
    vetor.Limite = 3;
    ASSERT_EQ(vetor.Ler(0), 3);

    EXPECT_EQ(vetor.AlterarOracle(), 0);
    EXPECT_TRUE(conexao.executados.empty());

    auto* segundo = dynamic_cast<TRegProduto*>(vetor.Registro(1));
    segundo->Cor->SetValor("AZUL");
    EXPECT_EQ(segundo->Vetor, &vetor);
    EXPECT_TRUE(vetor.EstaAlterado());
    EXPECT_EQ(vetor.Operacao, 2);

    EXPECT_EQ(vetor.AlterarOracle(), 1);
    EXPECT_EQ(conexao.executados, std::vector<std::string>{" UPDATE PRODUTO SET COR = 'AZUL' WHERE CODIGO = 2"});
    EXPECT_EQ(vetor.UltimoSQL, conexao.executados[0]);
    EXPECT_EQ(log.linhas.size(), 3u);
    EXPECT_EQ(log.linhas[0], ">>> TclsItemVetRegistros => {ConexaoGravadora} <<<");
    EXPECT_TRUE(segundo->EstaCarregado());
    EXPECT_EQ(segundo->Operacao, 1);
    EXPECT_TRUE(vetor.EstaCarregado());
    EXPECT_EQ(vetor.Operacao, 1);

    EXPECT_EQ(vetor.IncluirOracle(), 3);
    EXPECT_EQ(conexao.executados.size(), 4u);
    EXPECT_EQ(log.linhas.size(), 12u);
}

TEST(TclsItemVetRegistros, TextoDosComandosDeTodosOsRegistros) {
    TclsItemVetRegistros vetor(nullptr, "Vetor");
    vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    TRegProduto modelo(nullptr, "Modelo");
    for (int i = 1; i <= 3; ++i) {
        modelo.Codigo->SetValor(i);
        vetor.FListaRegs->AdicionarCopia(modelo);
    }
    EXPECT_EQ(vetor.Registro(2)->Nome, "Item 00003");
    EXPECT_TRUE(vetor.Registro(2)->EstaAlterado());
    EXPECT_TRUE(vetor.EstaAlterado());
    EXPECT_EQ(vetor.Operacao, 2);

    const std::string um = " INSERT INTO PRODMF(CODIGO) VALUES (";
    EXPECT_EQ(vetor.InsertMainFrame(), um + "1)#0A#0D" + um + "2)#0A#0D" + um + "3)#0A#0D");
    EXPECT_TRUE(vetor.EstaCarregado());
    EXPECT_EQ(vetor.Operacao, 1);
    EXPECT_EQ(vetor.UpdateOracle(), "") << "no record is changed";
    EXPECT_THROW(vetor.Registro(3), ErroGeral);
}

TEST(TclsItemVetRegistros, CopiarECompararPorNome) {
    TclsItemVetRegistros origem(nullptr, "Origem");
    origem.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    TRegProduto modelo(nullptr, "Modelo");
    auto resultado = Produtos(2);
    modelo.Consulta = &resultado;
    modelo.Limite = 2;
    modelo.Ler();
    origem.FListaRegs->AdicionarCopia(modelo);
    modelo.Ler();
    origem.FListaRegs->AdicionarCopia(modelo);
    ASSERT_TRUE(origem.Registro(0)->EstaCarregado());
    ASSERT_TRUE(origem.EstaCarregado());

    TclsItemVetRegistros copia(nullptr, "Copia");
    copia.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    copia.FListaRegs->AdicionarCopia(modelo);
    copia.FListaRegs->AdicionarCopia(modelo);
    copia.FListaRegs->AdicionarCopia(modelo);
    copia.Copiar(origem);
    EXPECT_EQ(copia.RegistrosCopiados, 2);
    EXPECT_EQ(copia.QuantidadeRegistros(), 2);
    EXPECT_EQ(dynamic_cast<TRegProduto*>(copia.Registro(1))->Codigo->Valor, 2);
    EXPECT_EQ(copia.Estado, origem.Estado);
    EXPECT_TRUE(copia.Comparar(origem));

    dynamic_cast<TRegProduto*>(copia.Registro(0))->Cor->SetValor("X");
    EXPECT_FALSE(copia.Comparar(origem));
    EXPECT_FALSE(copia.Igual);
    TRegProduto registro(nullptr, "R");
    EXPECT_THROW(copia.Copiar(registro), ErroConversao);

    copia.Limpar();
    EXPECT_EQ(copia.QuantidadeRegistros(), 0);
}

// A caller may destroy a list that a data item made as its child: the item forgets it and
// goes on as if the list were empty.
TEST(TclsItemDado, ListasPropriasDestruidasSaoEsquecidas) {
    TRegProduto registro(nullptr, "Registro");
    new TRegProduto(registro.FListaItens, "Interno");
    TRegProduto outro(nullptr, "Outro");
    outro.Codigo->SetValor(1);

    delete registro.FListaCmps;
    ASSERT_EQ(registro.FListaCmps, nullptr);
    EXPECT_EQ(registro.QuantidadeCampos(), 0);
    EXPECT_EQ(MensagemDe([&] { registro.Campo(0); }), "Indice [0] está fora dos limites da lista");
    EXPECT_EQ(MensagemDe([&] { registro.InsertOracle(); }), "Não existe campos para sere inseridos na tabela!");
    EXPECT_EQ(registro.SelectOracle(), " SELECT * FROM PRODUTO");
    registro.Copiar(outro);
    EXPECT_EQ(registro.CamposCopiados, 0);
    EXPECT_TRUE(registro.Comparar(outro));
    outro.Copiar(registro);
    EXPECT_EQ(outro.CamposCopiados, 0);

    delete registro.FListaItens;
    delete registro.FListaVincs;
    ASSERT_EQ(registro.FListaItens, nullptr);
    ASSERT_EQ(registro.FListaVincs, nullptr);
    EXPECT_EQ(registro.QuantidadeFilhos(), 0);
    registro.Copiar(outro);
    EXPECT_EQ(registro.ItensCopiados, 0);
    EXPECT_TRUE(outro.Comparar(registro));

    TclsItemVetRegistros vetor(nullptr, "Vetor");
    vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    vetor.FListaRegs->AdicionarCopia(outro);
    TclsItemVetRegistros copia(nullptr, "Copia");
    copia.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    delete vetor.FListaRegs;
    ASSERT_EQ(vetor.FListaRegs, nullptr);
    EXPECT_EQ(vetor.QuantidadeRegistros(), 0);
    EXPECT_THROW(vetor.Registro(0), ErroGeral);
    EXPECT_EQ(vetor.InsertOracle(), "");
    EXPECT_EQ(
        MensagemDe([&] { vetor.SelectOracle(); }),
        "Não foi definida a classe de registro para o vetor de registro [Vetor] da classe [TclsItemVetRegistros]");
    copia.Copiar(vetor);
    EXPECT_EQ(copia.RegistrosCopiados, 0);
    vetor.Limpar();
}

TEST(TclsItemVetRegistros, RegistroAuxiliarDestruidoEEsquecido) {
    TclsItemVetRegistros vetor(nullptr, "Vetor");
    vetor.FListaRegs->ClasseRegistro = ClasseRegistroDe<TRegProduto>();
    vetor.SelectOracle();
    auto resultado = Produtos(3);
    vetor.Consulta = &resultado;
    vetor.Limite = 3;

    delete vetor.FRegDado;
    ASSERT_EQ(vetor.FRegDado, nullptr);
    EXPECT_EQ(vetor.Ler(0), 0);
    EXPECT_EQ(vetor.SelectMainFrame(), " SELECT * FROM PRODMF") << "the next SELECT makes it again";
    ASSERT_NE(vetor.FRegDado, nullptr);
    EXPECT_EQ(vetor.Ler(0), 3);
}

#include "Bibliotecas/Interna/ClasseNodo.h"
#include "apoio/MensagemDe.h"
#include "comum/Erros.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A node that writes down its destruction and the notifications it receives.
class NodoEspiao : public TclsNodo {
public:
    NodoEspiao(TclsNodo* pai, const std::string& nome, std::vector<std::string>* diario)
        : TclsNodo(pai, nome), diario_(diario) {}
    ~NodoEspiao() override {
        // The node's own links are still there while its class part goes.
        diario_->push_back("~" + Nome + " vinculos=" + std::to_string(QuantidadeVinculos() + QuantidadeVinculados()));
    }
    void Notificar(TclsNodo* origem, int codigo) override {
        diario_->push_back(Nome + "<-" + origem->Nome + ":" + std::to_string(codigo));
        TclsNodo::Notificar(origem, codigo);
    }

private:
    std::vector<std::string>* diario_;
};

} // namespace

TEST(TclsNodo, NomesRepetidosSemDiferencaDeCaixaEBrancosSaoRecusados) {
    TclsNodo raiz(nullptr, "Raiz");
    new TclsNodo(&raiz, "ITEM 1");
    const std::string duplicado = "O nome [item 1] definido para esta instância já existe na instância pai!";
    const std::string branco = "Falta definir um nome para a esta instância diferente de espaco em branco!";

    EXPECT_EQ(MensagemDe([&] { new TclsNodo(&raiz, "item 1"); }), duplicado);
    EXPECT_EQ(MensagemDe([&] { new TclsNodo(&raiz, "   "); }), branco);
    EXPECT_EQ(MensagemDe([&] { new TclsNodo(&raiz, ""); }), branco);
    EXPECT_EQ(raiz.QuantidadeFilhos(), 1) << "a refused node leaves the parent unchanged";

    // A trailing blank makes another name and is kept; accented letters keep their case.
    auto* comBranco = new TclsNodo(&raiz, "ITEM 1 ");
    EXPECT_EQ(comBranco->Nome, "ITEM 1 ");
    new TclsNodo(&raiz, "Ação");
    EXPECT_NO_THROW(new TclsNodo(&raiz, "AÇãO"));
    EXPECT_EQ(raiz.LocalizarFilho("item 1"), raiz.Filho(0));
    EXPECT_EQ(raiz.LocalizarFilho("AÇÃO"), nullptr);
    EXPECT_EQ(raiz.QuantidadeFilhos(), 4);
    EXPECT_EQ(raiz.Filho(1)->Pai, &raiz);

    try {
        new TclsNodo(&raiz, "Item 1");
        FAIL();
    } catch (const ErroConversao&) {
        FAIL() << "a refused name is a general error";
    } catch (const ErroGeral&) {
    }
}

TEST(TclsNodo, IndiceForaDosLimites) {
    TclsNodo raiz(nullptr, "Raiz");
    EXPECT_EQ(raiz.QuantidadeFilhos(), 0);
    EXPECT_EQ(raiz.Filhos, nullptr);
    EXPECT_EQ(MensagemDe([&] { raiz.Filho(0); }), "Indice [0] está fora dos limites da lista");
    new TclsNodo(&raiz, "A");
    EXPECT_NE(raiz.Filhos, nullptr);
    EXPECT_EQ(raiz.Filhos->Count(), 1);
    EXPECT_EQ(MensagemDe([&] { raiz.Filho(1); }), "Indice [1] está fora dos limites da lista");
    EXPECT_EQ(MensagemDe([&] { raiz.Filho(-1); }), "Indice [-1] está fora dos limites da lista");
    EXPECT_EQ(MensagemDe([&] { raiz.Vinculado(0); }), "Indice [0] está fora dos limites da lista");
}

TEST(TclsNodo, DestruicaoLevaOsFilhosDoUltimoAoPrimeiroSemDeixarVinculos) {
    std::vector<std::string> diario;
    TclsNodo externo(nullptr, "Externo");
    {
        auto pai = std::make_unique<NodoEspiao>(nullptr, "Pai", &diario);
        auto* a = new NodoEspiao(pai.get(), "A", &diario);
        auto* b = new NodoEspiao(pai.get(), "B", &diario);
        new NodoEspiao(a, "A1", &diario);
        a->Vincular(&externo);
        externo.Vincular(b);
        externo.Vincular(b);
        ASSERT_EQ(externo.QuantidadeVinculados(), 1);
        ASSERT_EQ(b->QuantidadeVinculados(), 2);
    }
    EXPECT_EQ(diario,
              (std::vector<std::string>{"~Pai vinculos=0", "~B vinculos=2", "~A vinculos=1", "~A1 vinculos=0"}));
    EXPECT_EQ(externo.Vinculos, nullptr);
    EXPECT_EQ(externo.Vinculados, nullptr);
}

TEST(TclsNodo, FilhoDestruidoSaiDoPai) {
    TclsNodo raiz(nullptr, "Raiz");
    auto* a = new TclsNodo(&raiz, "A");
    new TclsNodo(&raiz, "B");
    delete a;
    ASSERT_EQ(raiz.QuantidadeFilhos(), 1);
    EXPECT_EQ(raiz.Filho(0)->Nome, "B");
    EXPECT_NO_THROW(new TclsNodo(&raiz, "A")) << "the name is free again";
}

TEST(TclsNodo, NotificacaoSobeAteARaizEPassaPelosVinculados) {
    std::vector<std::string> diario;
    NodoEspiao raiz(nullptr, "Raiz", &diario);
    auto* meio = new NodoEspiao(&raiz, "Meio", &diario);
    auto* folha = new NodoEspiao(meio, "Folha", &diario);
    NodoEspiao observador(nullptr, "Obs", &diario);
    observador.Vincular(meio);
    int disparos = 0;
    folha->OnAlteracao = [&](TclsNodo* sender) {
        EXPECT_EQ(sender, folha);
        ++disparos;
    };

    folha->DispararAlteracao();
    folha->NotificarAlteracao(2);

    EXPECT_EQ(disparos, 1);
    EXPECT_EQ(diario, (std::vector<std::string>{"Meio<-Folha:2", "Raiz<-Meio:2", "Obs<-Meio:2"}));
}

TEST(TclsNodo, CopiarECompararFalhamComErroDeConversao) {
    TclsNodo nodo(nullptr, "N");
    TclsListaItems lista(nullptr, "L");
    EXPECT_EQ(MensagemDe([&] { nodo.Copiar(nullptr); }), "Não pode copiar um(a) nil para um(a) TclsNodo");
    EXPECT_EQ(MensagemDe([&] { nodo.Copiar(lista); }), "Não pode copiar um(a) TclsListaItems para um(a) TclsNodo");
    EXPECT_EQ(MensagemDe([&] { lista.Comparar(&nodo); }), "Não pode comparar um(a) TclsNodo com um(a) TclsListaItems");
    EXPECT_THROW(nodo.Comparar(nullptr), ErroConversao);
    EXPECT_EQ(nodo.Descricao(), "{N}");
    EXPECT_EQ(nodo.GetNome(), "N");
}

TEST(TclsNodo, Renomear) {
    TclsNodo raiz(nullptr, "Raiz");
    auto* a = new TclsNodo(&raiz, "A");
    new TclsNodo(&raiz, "B");
    EXPECT_FALSE(TclsNodo::Renomear(a, "b"));
    EXPECT_EQ(a->Nome, "A");
    EXPECT_TRUE(raiz.Renomear(a, "C"));
    EXPECT_EQ(a->Nome, "C");
    EXPECT_TRUE(TclsNodo::Renomear(a, " ")) << "blank names are not refused here";
    TclsNodo solto(nullptr, "Solto");
    EXPECT_TRUE(TclsNodo::Renomear(&solto, "B"));
}

TEST(TclsListaItems, NomesGeradosTomamOPrimeiroNumeroLivre) {
    TclsListaItems lista(nullptr, "Lista");
    TclsNodo solto(nullptr, "x");
    lista.NomearItem(&solto);
    EXPECT_EQ(solto.Nome, "Item 00001");

    new TclsNodo(&lista, "Item 00001");
    new TclsNodo(&lista, "ITEM 00002");
    lista.NomearItem(&solto);
    EXPECT_EQ(solto.Nome, "Item 00003");

    lista.PrefixoNome = "Campo";
    lista.NomearItem(&solto);
    EXPECT_EQ(solto.Nome, "Campo 00001");

    // An item of the list itself is renamed only to a free name.
    auto* proprio = new TclsNodo(&lista, "Proprio");
    lista.NomearItem(proprio);
    EXPECT_EQ(proprio->Nome, "Campo 00001");
    EXPECT_EQ(lista.Quantidade(), 3);

    lista.OnNomearItem = [](TclsListaItems* l, TclsNodo* item) { item->Nome = l->Nome + "!"; };
    lista.NomearItem(&solto);
    EXPECT_EQ(solto.Nome, "Lista!");

    lista.LimparItens();
    EXPECT_EQ(lista.Quantidade(), 0);
    EXPECT_EQ(lista.Filhos, nullptr);
}

TEST(TclsListaVinculos, DesfazerVinculosMantemOContainer) {
    TclsListaVinculos vinculos(nullptr, "V");
    TclsNodo a(nullptr, "A");
    TclsNodo b(nullptr, "B");
    vinculos.Vincular(&a);
    b.Vincular(&vinculos);
    auto* filho = new TclsNodo(&vinculos, "F");
    vinculos.DesfazerVinculos();
    EXPECT_EQ(vinculos.QuantidadeVinculos(), 0);
    EXPECT_EQ(vinculos.QuantidadeVinculados(), 0);
    EXPECT_EQ(a.Vinculados, nullptr);
    EXPECT_EQ(b.Vinculos, nullptr);
    EXPECT_EQ(vinculos.Filho(0), filho);
}

#pragma once
// Named node trees of the record-structure library: a node owns its children, keeps
// two-way links to other nodes and passes change notifications to its parent and to
// the nodes that link to it; item lists name their items themselves.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

class TclsNodo;

// Names are equal when they differ at most in the case of the letters A to Z.
bool NomesIguais(std::string_view a, std::string_view b);

// The plain class name of a dynamic type, without namespaces ("TClsCampoInt").
std::string NomeDaClasse(const std::type_info& tipo);

// An ordered list of nodes that, as far as its users can tell, exists only while it
// has members: it compares equal to nullptr when empty. Only the owning node changes it.
class TListaNodos {
public:
    using const_iterator = std::vector<TclsNodo*>::const_iterator;
    using value_type = TclsNodo*;

    TListaNodos() = default;
    TListaNodos(const TListaNodos&) = delete;
    TListaNodos& operator=(const TListaNodos&) = delete;

    int Count() const { return static_cast<int>(itens_.size()); }
    size_t size() const { return itens_.size(); }
    bool empty() const { return itens_.empty(); }
    TclsNodo* operator[](size_t i) const { return itens_[i]; }
    // The node at indice; out of bounds raises ErroGeral with the index.
    TclsNodo* Item(int indice) const;
    const_iterator begin() const { return itens_.begin(); }
    const_iterator end() const { return itens_.end(); }
    TclsNodo* at(size_t i) const { return itens_.at(i); }
    // Lets the list be used through a pointer-like member (Filhos->Count()).
    const TListaNodos* operator->() const { return this; }
    explicit operator bool() const { return !itens_.empty(); }
    friend bool operator==(const TListaNodos& lista, std::nullptr_t) { return lista.itens_.empty(); }

private:
    friend class TclsNodo;
    std::vector<TclsNodo*> itens_;
};

// A named node. It owns its children (destroyed with it, last first), refuses blank or
// duplicate names among siblings (letters A to Z compared without case) and links to
// other nodes without owning them.
class TclsNodo {
public:
    std::string Nome;
    TclsNodo* const& Pai = pai_;
    const TListaNodos& Filhos = filhos_;
    const TListaNodos& Vinculos = vinculos_;
    const TListaNodos& Vinculados = vinculados_;
    std::function<void(TclsNodo* Sender)> OnAlteracao;

    // Called on the parent before a child is linked in.
    virtual void AoAdicionarFilho(TclsNodo* Filho);
    // Called on the parent when a destroyed child leaves it.
    virtual void AoRemoverFilho(TclsNodo* Filho);
    // Called on the child, with its future parent, before it is linked in. A node
    // created with a parent gets this call while only its TclsNodo part exists, so a
    // descendant that overrides it repeats its own part at the end of its constructor.
    virtual void AoDefinirPai(TclsNodo* pai);
    virtual void Reservado();
    // Checks a child's name before it is added; fails on a blank or duplicate name.
    virtual void ValidarNome(TclsNodo* Filho, const std::string& NomeFilho);
    // A change notification from a child or from a node that links to this one.
    virtual void Notificar(TclsNodo* Origem, int Codigo);

    // Creates the node and, when pai is given, adds it to pai (which may refuse it).
    explicit TclsNodo(TclsNodo* pai = nullptr, const std::string& nome = std::string());
    virtual ~TclsNodo();
    TclsNodo(const TclsNodo&) = delete;
    TclsNodo& operator=(const TclsNodo&) = delete;

    virtual void Limpar();
    // Copying or comparing a plain node is a type mismatch (ErroConversao).
    virtual void Copiar(TclsNodo* Origem);
    virtual bool Comparar(TclsNodo* Outro);
    virtual std::string Descricao();
    virtual std::string GetNome();

    void Copiar(TclsNodo& Origem) { Copiar(&Origem); }
    bool Comparar(TclsNodo& Outro) { return Comparar(&Outro); }

    // The plain name of the node's class, as it appears in messages.
    std::string ClassName() const;

    void AdicionarFilho(TclsNodo* Filho);
    // The first child whose name equals NomeFilho (A to Z without case), or nullptr.
    TclsNodo* LocalizarFilho(const std::string& NomeFilho) const;
    int QuantidadeFilhos() const { return filhos_.Count(); }
    TclsNodo* Filho(int Indice) const;
    int QuantidadeVinculos() const { return vinculos_.Count(); }
    TclsNodo* Vinculo(int Indice) const;
    int QuantidadeVinculados() const { return vinculados_.Count(); }
    TclsNodo* Vinculado(int Indice) const;
    // Renames Item unless its parent already has a child of that name.
    static bool Renomear(TclsNodo* Item, const std::string& NovoNome);

    // Links this node to Alvo: Alvo goes to the end of Vinculos, this node to the end
    // of Alvo's Vinculados. This node then hears Alvo's change notifications (a node
    // notifies the nodes of its Vinculados, those that link to it).
    void Vincular(TclsNodo* Alvo);
    // Removes one link from this node to Alvo, if there is one.
    void Desvincular(TclsNodo* Alvo);

    void DispararAlteracao();
    // Sends Notificar(this, Codigo) to the parent and then to each linking node.
    void NotificarAlteracao(int Codigo);

protected:
    // Removes every link of the node, in both directions, last first.
    void DesfazerTodosVinculos();

private:
    static void Remover(TListaNodos& lista, TclsNodo* nodo);
    void DestruirFilhos();

    TclsNodo* pai_ = nullptr;
    TListaNodos filhos_;
    TListaNodos vinculos_;
    TListaNodos vinculados_;
};

// A container of items that names them "Item 00001", "Item 00002"... (or with its own
// prefix), taking the first free number.
class TclsListaItems : public TclsNodo {
public:
    std::string PrefixoNome;
    std::function<void(TclsListaItems* Lista, TclsNodo* Item)> OnNomearItem;

    explicit TclsListaItems(TclsNodo* pai = nullptr, const std::string& nome = std::string());

    virtual void NomearItem(TclsNodo* Item);
    // Destroys all the items.
    virtual void LimparItens();

    int Quantidade() const { return QuantidadeFilhos(); }
};

// A container used for links.
class TclsListaVinculos : public TclsNodo {
public:
    explicit TclsListaVinculos(TclsNodo* pai = nullptr, const std::string& nome = std::string());

    // Removes every link of the container, which stays.
    virtual void DesfazerVinculos();
};

#include "Bibliotecas/Interna/ClasseNodo.h"

#include "comum/Erros.h"
#include "comum/RotinasUteis.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#if defined(__GNUG__)
#include <cxxabi.h>
#endif

namespace {

std::string NomeClasseOuNil(const TclsNodo* nodo) {
    return nodo ? nodo->ClassName() : std::string("nil");
}

} // namespace

std::string NomeDaClasse(const std::type_info& tipo) {
    std::string nome = tipo.name();
#if defined(__GNUG__)
    int estado = 0;
    std::unique_ptr<char, void (*)(void*)> legivel(abi::__cxa_demangle(nome.c_str(), nullptr, nullptr, &estado),
                                                   std::free);
    if (estado == 0 && legivel) {
        nome = legivel.get();
    }
#else
    for (const char* prefixo : {"class ", "struct "}) {
        if (nome.rfind(prefixo, 0) == 0) {
            nome.erase(0, std::string_view(prefixo).size());
        }
    }
#endif
    // Namespaces (anonymous ones included) are not part of the name the messages show.
    if (nome.find('<') == std::string::npos) {
        size_t separador = nome.rfind("::");
        if (separador != std::string::npos) {
            nome.erase(0, separador + 2);
        }
    }
    return nome;
}

// The comparison runs from the end, where generated names ("Item 00017") differ.
bool NomesIguais(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = a.size(); i-- > 0;) {
        char x = a[i];
        char y = b[i];
        if (x != y) {
            x = (x >= 'a' && x <= 'z') ? static_cast<char>(x - 'a' + 'A') : x;
            y = (y >= 'a' && y <= 'z') ? static_cast<char>(y - 'a' + 'A') : y;
            if (x != y) {
                return false;
            }
        }
    }
    return true;
}

TclsNodo* TListaNodos::Item(int indice) const {
    if (indice < 0 || indice >= Count()) {
        throw ErroGeral("Indice [" + std::to_string(indice) + "] está fora dos limites da lista");
    }
    return itens_[static_cast<size_t>(indice)];
}

// --- TclsNodo ------------------------------------------------------------------

TclsNodo::TclsNodo(TclsNodo* pai, const std::string& nome) : Nome(nome) {
    if (pai) {
        pai->AdicionarFilho(this);
    }
}

TclsNodo::~TclsNodo() {
    DesfazerTodosVinculos();
    DestruirFilhos();
    if (pai_) {
        pai_->AoRemoverFilho(this);
        Remover(pai_->filhos_, this);
        pai_ = nullptr;
    }
}

void TclsNodo::AoAdicionarFilho(TclsNodo*) {}

void TclsNodo::AoRemoverFilho(TclsNodo*) {}

void TclsNodo::AoDefinirPai(TclsNodo*) {}

void TclsNodo::Reservado() {}

void TclsNodo::ValidarNome(TclsNodo*, const std::string& NomeFilho) {
    if (Aparar(NomeFilho).empty()) {
        throw ErroGeral("Falta definir um nome para a esta instância diferente de espaco em branco!");
    }
    if (LocalizarFilho(NomeFilho)) {
        throw ErroGeral("O nome [" + NomeFilho + "] definido para esta instância já existe na instância pai!");
    }
}

void TclsNodo::Notificar(TclsNodo*, int Codigo) {
    NotificarAlteracao(Codigo);
}

void TclsNodo::Limpar() {}

void TclsNodo::Copiar(TclsNodo* Origem) {
    std::string texto = "Não pode copiar um(a) " + NomeClasseOuNil(Origem) + " para um(a) " + ClassName();
    throw ErroConversao(texto);
}

bool TclsNodo::Comparar(TclsNodo* Outro) {
    std::string texto = "Não pode comparar um(a) " + NomeClasseOuNil(Outro) + " com um(a) " + ClassName();
    throw ErroConversao(texto);
}

std::string TclsNodo::Descricao() {
    return "{" + Nome + "}";
}

std::string TclsNodo::GetNome() {
    return Nome;
}

std::string TclsNodo::ClassName() const {
    return NomeDaClasse(typeid(*this));
}

void TclsNodo::AdicionarFilho(TclsNodo* Filho) {
    Filho->AoDefinirPai(this);
    AoAdicionarFilho(Filho);
    ValidarNome(Filho, Filho->Nome);
    filhos_.itens_.push_back(Filho);
    Filho->pai_ = this;
}

TclsNodo* TclsNodo::LocalizarFilho(const std::string& NomeFilho) const {
    for (TclsNodo* filho : filhos_) {
        if (NomesIguais(filho->Nome, NomeFilho)) {
            return filho;
        }
    }
    return nullptr;
}

TclsNodo* TclsNodo::Filho(int Indice) const {
    return filhos_.Item(Indice);
}

TclsNodo* TclsNodo::Vinculo(int Indice) const {
    return vinculos_.Item(Indice);
}

TclsNodo* TclsNodo::Vinculado(int Indice) const {
    return vinculados_.Item(Indice);
}

bool TclsNodo::Renomear(TclsNodo* Item, const std::string& NovoNome) {
    if (Item->pai_ && Item->pai_->LocalizarFilho(NovoNome)) {
        return false;
    }
    Item->Nome = NovoNome;
    return true;
}

void TclsNodo::Vincular(TclsNodo* Alvo) {
    vinculos_.itens_.push_back(Alvo);
    Alvo->vinculados_.itens_.push_back(this);
}

void TclsNodo::Desvincular(TclsNodo* Alvo) {
    auto& alvos = vinculos_.itens_;
    if (std::find(alvos.begin(), alvos.end(), Alvo) == alvos.end()) {
        return;
    }
    Remover(Alvo->vinculados_, this);
    Remover(vinculos_, Alvo);
}

void TclsNodo::DispararAlteracao() {
    if (OnAlteracao) {
        OnAlteracao(this);
    }
}

void TclsNodo::NotificarAlteracao(int Codigo) {
    if (pai_) {
        pai_->Notificar(this, Codigo);
    }
    // By index, so that a receiver that changes the list cannot invalidate the walk.
    for (size_t i = 0; i < vinculados_.size(); ++i) {
        vinculados_[i]->Notificar(this, Codigo);
    }
}

void TclsNodo::DesfazerTodosVinculos() {
    while (!vinculos_.empty()) {
        Desvincular(vinculos_.itens_.back());
    }
    while (!vinculados_.empty()) {
        vinculados_.itens_.back()->Desvincular(this);
    }
}

void TclsNodo::Remover(TListaNodos& lista, TclsNodo* nodo) {
    auto& itens = lista.itens_;
    auto posicao = std::find(itens.begin(), itens.end(), nodo);
    if (posicao != itens.end()) {
        itens.erase(posicao);
    }
}

void TclsNodo::DestruirFilhos() {
    while (!filhos_.empty()) {
        TclsNodo* filho = filhos_.itens_.back();
        filhos_.itens_.pop_back();
        filho->pai_ = nullptr;
        delete filho;
    }
}

// --- TclsListaItems --------------------------------------------------------------

TclsListaItems::TclsListaItems(TclsNodo* pai, const std::string& nome) : TclsNodo(pai, nome) {}

void TclsListaItems::NomearItem(TclsNodo* Item) {
    const std::string prefixo = PrefixoNome.empty() ? std::string("Item") : PrefixoNome;
    if (OnNomearItem) {
        OnNomearItem(this, Item);
        return;
    }
    // The numbers already taken, from one walk over the children: a child takes n when
    // its name equals the candidate of n (prefix, a blank, five digits) as
    // LocalizarFilho compares names. A list of thousands of records is named this way.
    constexpr int kUltimo = 99999;
    std::vector<bool> tomados(kUltimo + 1, false);
    for (TclsNodo* filho : Filhos) {
        const std::string_view nome = filho->Nome;
        if (nome.size() != prefixo.size() + 6) {
            continue;
        }
        int numero = 0;
        for (char c : nome.substr(prefixo.size() + 1)) {
            numero = (c >= '0' && c <= '9' && numero >= 0) ? numero * 10 + (c - '0') : -1;
        }
        if (numero > 0 && nome[prefixo.size()] == ' ' && NomesIguais(nome.substr(0, prefixo.size()), prefixo)) {
            tomados[static_cast<size_t>(numero)] = true;
        }
    }
    int n = 1;
    while (n < kUltimo && tomados[static_cast<size_t>(n)]) {
        ++n;
    }
    // Room for any int written with "%05d" (sign and ten digits), so that the name is never cut.
    char numero[12];
    std::snprintf(numero, sizeof numero, "%05d", n);
    Renomear(Item, prefixo + " " + numero);
}

void TclsListaItems::LimparItens() {
    while (QuantidadeFilhos() > 0) {
        delete Filho(QuantidadeFilhos() - 1);
    }
}

// --- TclsListaVinculos -----------------------------------------------------------

TclsListaVinculos::TclsListaVinculos(TclsNodo* pai, const std::string& nome) : TclsNodo(pai, nome) {}

void TclsListaVinculos::DesfazerVinculos() {
    DesfazerTodosVinculos();
}

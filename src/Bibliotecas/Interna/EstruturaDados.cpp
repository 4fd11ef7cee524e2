#include "Bibliotecas/Interna/EstruturaDados.h"

#include "comum/Erros.h"
#include "comum/Numeros.h"
#include "comum/RotinasUteis.h"

#include <cmath>
#include <memory>

std::function<void(const std::string& Texto)> OnLogSQL;

namespace {

// A failed assertion of the library: the text, then where in the library it failed.
class ErroAssercao : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

// The place of the call comes from the builtins that std::source_location is made of,
// which clang 14 offers with the g++ 12 library where std::source_location does not build.
void Assercao(bool condicao, const std::string& texto, const char* arquivoChamada = __builtin_FILE(),
              int linha = __builtin_LINE()) {
    if (condicao) {
        return;
    }
    std::string arquivo = arquivoChamada;
    const size_t inicio = arquivo.rfind("Bibliotecas/Interna/");
    if (inicio != std::string::npos) {
        arquivo.erase(0, inicio);
    }
    throw ErroAssercao(texto + " (" + arquivo + ", linha " + std::to_string(linha) + ")");
}

// A cell that holds a number (integer or floating point) as a double.
bool NumeroDaCelula(const ValorBanco& valor, double& numero) {
    if (const auto* inteiro = std::get_if<int64_t>(&valor)) {
        numero = static_cast<double>(*inteiro);
        return true;
    }
    if (const auto* flutuante = std::get_if<double>(&valor)) {
        numero = *flutuante;
        return true;
    }
    return false;
}

std::string Preencher(std::string modelo, std::initializer_list<std::string> valores) {
    size_t posicao = 0;
    for (const std::string& valor : valores) {
        posicao = modelo.find("%s", posicao);
        modelo.replace(posicao, 2, valor);
        posicao += valor.size();
    }
    return modelo;
}

} // namespace

// --- Query results and execution -------------------------------------------------------

bool TConsultaEstruturaMemoria::Fim() const {
    return Posicao >= static_cast<int>(Linhas.size());
}

void TConsultaEstruturaMemoria::Proximo() {
    if (!Fim()) {
        ++Posicao;
    }
}

const ValorBanco* TConsultaEstruturaMemoria::Campo(const std::string& coluna) const {
    for (size_t i = 0; i < Colunas.size(); ++i) {
        if (NomesIguais(Colunas[i], coluna)) {
            if (Fim()) {
                throw ErroGeral("A consulta não está posicionada num registro");
            }
            const auto& linha = Linhas[static_cast<size_t>(Posicao)];
            static const ValorBanco nulo;
            return i < linha.size() ? &linha[i] : &nulo;
        }
    }
    return nullptr;
}

int Executar(TConexaoEstrutura* Conexao, const std::string& Texto, const std::string& Origem) {
    if (OnLogSQL) {
        std::string dono = Conexao->ClasseDono();
        if (dono.empty()) {
            dono = NomeDaClasse(typeid(*Conexao));
        }
        OnLogSQL(">>> " + Origem + " => {" + dono + "} <<<");
        OnLogSQL(Texto);
        OnLogSQL(" ");
    }
    if (Conexao->OnAntesExecutar) {
        Conexao->OnAntesExecutar(true);
    }
    Conexao->FecharConsulta();
    Conexao->DefinirSQL(Texto);
    Conexao->ExecutarConsulta();
    if (Conexao->OnDepoisExecutar) {
        Conexao->OnDepoisExecutar();
    }
    return Conexao->LinhasAfetadas();
}

// --- TclsItemCampo -----------------------------------------------------------------

TclsItemCampo::TclsItemCampo(TclsNodo* pai, const std::string& nome)
    : TclsNodo(pai, nome), Coluna(nome), Identificador(nome) {
    // The node constructor added the field to pai before this class existed.
    if (pai) {
        AoDefinirPai(pai);
    }
}

void TclsItemCampo::AoDefinirPai(TclsNodo* pai) {
    if (pai && pai->Pai) {
        if (auto* registro = dynamic_cast<TclsItemRegistro*>(pai->Pai)) {
            registro_ = registro;
        }
    }
}

void TclsItemCampo::Limpar() {
    igual_ = false;
    ultimoTextoSQL_.clear();
    ForcarNulo = false;
    SetEstado(0);
}

void TclsItemCampo::Copiar(TclsNodo* Origem) {
    auto* origem = dynamic_cast<TclsItemCampo*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    ForcarNulo = origem->ForcarNulo;
    SetEstado(origem->Estado);
    igual_ = false;
    ultimoTextoSQL_.clear();
}

bool TclsItemCampo::Comparar(TclsNodo* Outro) {
    auto* outro = dynamic_cast<TclsItemCampo*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    igual_ = GetTexto() == outro->GetTexto();
    return igual_;
}

std::string TclsItemCampo::Descricao() {
    if (EstaNulo()) {
        return Coluna + ": \"Nulo\"";
    }
    return Coluna + ": " + GetTexto();
}

std::string TclsItemCampo::TextoSQLOracle() {
    if (ForcarNulo || EstaNulo()) {
        ForcarNulo = false;
        return "Null";
    }
    if (OnTextoSQLOracle) {
        std::string texto;
        OnTextoSQLOracle(texto);
        return texto;
    }
    return ValorSQLOracle();
}

std::string TclsItemCampo::TextoSQLMainFrame() {
    if (ForcarNulo || EstaNulo()) {
        ForcarNulo = false;
        return "Null";
    }
    if (OnTextoSQLMainFrame) {
        std::string texto;
        OnTextoSQLMainFrame(texto);
        return texto;
    }
    return ValorSQLMainFrame();
}

void TclsItemCampo::SetEstado(uint8_t Novo) {
    estado_ = Novo;
    DispararAlteracao();
    NotificarAlteracao(0);
    if (registro_) {
        if (Novo == 1) {
            registro_->MarcarCarregado();
        } else if (Novo == 2) {
            registro_->MarcarAlterado();
        }
    }
}

bool TclsItemCampo::MarcarGravado() {
    if (EstaNulo()) {
        return false;
    }
    SetEstado(1);
    return true;
}

bool TclsItemCampo::IncluirNoInsert() {
    Assercao(!(EstaNulo() && Opcoes.Contem(ocChave)),
             Preencher("O campo [%s] está definido como \"campo chave\", logo este deve ter um valor definido para ser "
                       "utilizado no comando SQL de Insert!",
                       {Coluna}));
    Assercao(!(EstaNulo() && Opcoes.Contem(ocNaoNulo)),
             Preencher("O campo [%s] está definido como \"Não Nulo\", logo este deve ter um valor definido para ser "
                       "utilizado no comando SQL de Insert!",
                       {Coluna}));
    return !EstaNulo() && Opcoes.Contem(ocIncluir);
}

bool TclsItemCampo::IncluirNoSet() {
    return estado_ == 2 && Opcoes.Contem(ocAlterar);
}

bool TclsItemCampo::IncluirNoWhereUpdate() {
    Assercao(!(EstaNulo() && Opcoes.Contem(ocRestringir) && Opcoes.Contem(ocChave)),
             Preencher("O campo [%s] está definido como \"campo chave\", logo este deve ter um valor para ser "
                       "utilizado nas retrições WHERE para utilizar o comando SQL UpDate!",
                       {Coluna}));
    return !EstaNulo() && Opcoes.Contem(ocRestringir);
}

bool TclsItemCampo::IncluirNoWhere() {
    return !EstaNulo() && Opcoes.Contem(ocRestringir);
}

// --- TclsCampoTipado ---------------------------------------------------------------

template <class T, class TClasse> void TclsCampoTipado<T, TClasse>::Limpar() {
    TclsItemCampo::Limpar();
    valor_ = T{};
}

template <class T, class TClasse> void TclsCampoTipado<T, TClasse>::Copiar(TclsNodo* Origem) {
    auto* origem = dynamic_cast<TClasse*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    TclsItemCampo::Copiar(Origem);
    valor_ = origem->Valor;
}

template <class T, class TClasse> bool TclsCampoTipado<T, TClasse>::LerDoDataSet(TConsultaEstrutura* Resultado) {
    const ValorBanco* valor = Resultado->Campo(Coluna);
    if (!valor || std::holds_alternative<std::monostate>(*valor)) {
        Limpar();
        return false;
    }
    valor_ = LerValor(*valor);
    SetEstado(1);
    return true;
}

template <class T, class TClasse> void TclsCampoTipado<T, TClasse>::SetValor(const T& V) {
    T novo = V;
    if constexpr (std::is_same_v<T, std::string>) {
        if (RemoverEspacos) {
            novo = Aparar(novo);
        }
    }
    if (OnValidar && !OnValidar(novo)) {
        return;
    }
    if (novo != valor_ || EstaNulo()) {
        valor_ = std::move(novo);
        SetEstado(2);
    }
}

template class TclsCampoTipado<int32_t, TClsCampoInt>;
template class TclsCampoTipado<std::string, TClsCampoStr>;
template class TclsCampoTipado<double, TClsCampoFloat>;
template class TclsCampoTipado<TDateTime, TClsCampoDate>;

// --- The four field classes ----------------------------------------------------------

void TClsCampoInt::SetTexto(const std::string& Texto) {
    SetValor(TextoParaInteiro(Aparar(Texto)));
}

std::string TClsCampoInt::GetTexto() {
    return EstaNulo() ? std::string() : std::to_string(valor_);
}

std::string TClsCampoInt::ValorSQLOracle() {
    return std::to_string(valor_);
}

std::string TClsCampoInt::ValorSQLMainFrame() {
    return std::to_string(valor_);
}

int32_t TClsCampoInt::LerValor(const ValorBanco& valor) {
    if (const auto* inteiro = std::get_if<int64_t>(&valor)) {
        return static_cast<int32_t>(*inteiro);
    }
    if (const auto* flutuante = std::get_if<double>(&valor)) {
        return static_cast<int32_t>(std::llround(*flutuante));
    }
    return TextoParaInteiro(Aparar(std::get<std::string>(valor)));
}

void TClsCampoStr::SetTexto(const std::string& Texto) {
    SetValor(Texto);
}

std::string TClsCampoStr::GetTexto() {
    return EstaNulo() ? std::string() : valor_;
}

std::string TClsCampoStr::ValorSQLOracle() {
    return Q(RemoverEspacos ? Aparar(valor_) : valor_);
}

std::string TClsCampoStr::ValorSQLMainFrame() {
    return ValorSQLOracle();
}

std::string TClsCampoStr::LerValor(const ValorBanco& valor) {
    std::string texto = ValorComoTexto(valor);
    return RemoverEspacos ? Aparar(texto) : texto;
}

void TClsCampoFloat::SetTexto(const std::string& Texto) {
    SetValor(TextoParaNumero(Aparar(Texto)));
}

std::string TClsCampoFloat::GetTexto() {
    if (EstaNulo()) {
        return {};
    }
    if (!Aparar(FormatoExibicao).empty()) {
        return FormatarFlutuante(FormatoExibicao, valor_);
    }
    return FormatoGeral(valor_);
}

std::string TClsCampoFloat::ValorSQLOracle() {
    ultimoTextoSQL_ = FormatoGeral(valor_);
    return " TO_NUMBER(" + Q(ultimoTextoSQL_) + ")";
}

std::string TClsCampoFloat::ValorSQLMainFrame() {
    ultimoTextoSQL_ = FormatoGeral(valor_);
    return FloatParaSQL(valor_);
}

double TClsCampoFloat::LerValor(const ValorBanco& valor) {
    double numero = 0;
    return NumeroDaCelula(valor, numero) ? numero : TextoParaNumero(std::get<std::string>(valor));
}

void TClsCampoDate::SetTexto(const std::string& Texto) {
    SetValor(TextoParaDataHora(Texto));
}

std::string TClsCampoDate::GetTexto() {
    return EstaNulo() ? std::string() : DataHoraParaTexto(valor_);
}

std::string TClsCampoDate::ValorSQLOracle() {
    ultimoTextoSQL_ = Q(DataHoraParaTexto(valor_));
    return " TO_DATE(" + ultimoTextoSQL_ + ", 'DD/MM/YYYY HH24:MI:SS')";
}

std::string TClsCampoDate::ValorSQLMainFrame() {
    ultimoTextoSQL_ = FormatarDataHora("\" '\"DD/MM/YY\"  ' \"", valor_);
    return ultimoTextoSQL_;
}

TDateTime TClsCampoDate::LerValor(const ValorBanco& valor) {
    double dias = 0;
    if (NumeroDaCelula(valor, dias)) {
        return dias;
    }
    const std::string& texto = std::get<std::string>(valor);
    // Dates stored as text by the engine itself come as "yyyy-mm-dd[ hh:mm:ss]".
    if (texto.size() >= 10 && texto[4] == '-' && texto[7] == '-') {
        std::string brasileiro = texto.substr(8, 2) + "/" + texto.substr(5, 2) + "/" + texto.substr(0, 4);
        if (texto.size() > 10) {
            brasileiro += " " + Aparar(texto.substr(11));
        }
        return TextoParaDataHora(brasileiro);
    }
    return TextoParaDataHora(texto);
}

// --- Lists -----------------------------------------------------------------------

namespace {

template <class T> T* ComoClasse(TclsNodo* nodo) {
    auto* tipado = dynamic_cast<T*>(nodo);
    if (!tipado) {
        throw ErroConversao("Conversão de classe inválida");
    }
    return tipado;
}

} // namespace

TclsItemDado* TclsListaItensDados::Item(int Indice) const {
    return ComoClasse<TclsItemDado>(Filho(Indice));
}

void TclsListaItensCampo::Notificar(TclsNodo*, int) {
    DispararAlteracao();
}

std::string TclsListaItensCampo::Descricao() {
    return "Campos [" + std::to_string(QuantidadeFilhos()) + "]";
}

TclsItemCampo* TclsListaItensCampo::Campo(int Indice) const {
    return ComoClasse<TclsItemCampo>(Filho(Indice));
}

TclsItemRegistro* TclsListaItensRegistro::Registro(int Indice) const {
    return ComoClasse<TclsItemRegistro>(Filho(Indice));
}

void TclsListaItensRegistro::AdicionarCopia(TclsItemRegistro* Origem) {
    if (!ClasseRegistro) {
        throw ErroGeral(Preencher("Não foi definida a classe de registro para o vetor de registro [%s] da classe [%s]",
                                  {Pai ? Pai->Nome : Nome, Pai ? Pai->ClassName() : ClassName()}));
    }
    // Owned here until the list takes it, so that a refused copy is not lost.
    std::unique_ptr<TclsItemRegistro> registro(ClasseRegistro(nullptr, "CRegAux"));
    NomearItem(registro.get());
    registro->Copiar(Origem);
    AdicionarFilho(registro.get());
    registro.release();
    if (Origem->EstaCarregado()) {
        NotificarAlteracao(2);
    } else if (Origem->EstaAlterado()) {
        NotificarAlteracao(0);
    }
}

// --- TclsItemDado ------------------------------------------------------------------

TclsItemDado::TclsItemDado(TclsNodo* pai, const std::string& nome)
    : TclsNodo(pai, nome), listaItens_(new TclsListaItensDados(this, "FListaItens")),
      listaVincs_(new TclsListaVinculosDados(this, "FListaVincs")) {}

void TclsItemDado::AoRemoverFilho(TclsNodo* Filho) {
    if (EhOProprio(Filho, listaItens_)) {
        listaItens_ = nullptr;
    } else if (EhOProprio(Filho, listaVincs_)) {
        listaVincs_ = nullptr;
    }
}

void TclsItemDado::Notificar(TclsNodo*, int Codigo) {
    if (Codigo == 0) {
        SetEstado(2);
    } else if (Codigo == 2) {
        SetEstado(1);
    }
}

void TclsItemDado::SetMarca(bool Valor) {
    marca_ = Valor;
}

bool TclsItemDado::GetMarca() {
    return marca_;
}

bool TclsItemDado::EstaVazio() {
    return estado_ == 0;
}

bool TclsItemDado::EstaAlterado() {
    return estado_ == 2;
}

bool TclsItemDado::EstaCarregado() {
    return estado_ == 1;
}

int TclsItemDado::Reservado1() {
    return 0;
}

int TclsItemDado::Reservado2() {
    return 0;
}

std::string TclsItemDado::SelectOracle() {
    return Select(TDialeto::Oracle);
}
std::string TclsItemDado::InsertOracle() {
    return Insert(TDialeto::Oracle);
}
std::string TclsItemDado::UpdateOracle() {
    return Update(TDialeto::Oracle);
}
std::string TclsItemDado::SelectMainFrame() {
    return Select(TDialeto::MainFrame);
}
std::string TclsItemDado::InsertMainFrame() {
    return Insert(TDialeto::MainFrame);
}
std::string TclsItemDado::UpdateMainFrame() {
    return Update(TDialeto::MainFrame);
}

std::string TclsItemDado::Select(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? SelectOracle(texto) : SelectMainFrame(texto);
    return texto;
}

std::string TclsItemDado::Insert(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? InsertOracle(texto) : InsertMainFrame(texto);
    return texto;
}

std::string TclsItemDado::Update(TDialeto dialeto) {
    std::string texto;
    dialeto == TDialeto::Oracle ? UpdateOracle(texto) : UpdateMainFrame(texto);
    return texto;
}

void TclsItemDado::SetEstado(uint8_t Novo) {
    const uint8_t antigo = estado_;
    estado_ = Novo;
    DispararAlteracao();
    if (Novo == 2 && antigo != 2) {
        NotificarAlteracao(0);
    }
}

void TclsItemDado::SetOperacao(uint8_t Novo) {
    operacao_ = Novo;
    if (Novo == 1 && estado_ == 0) {
        SetEstado(1);
    }
    if (Novo == 2 && estado_ != 2) {
        SetEstado(2);
    }
    if (vetor_) {
        if (Novo == 1) {
            vetor_->MarcarCarregado();
        } else if (Novo == 2) {
            vetor_->MarcarAlterado();
        }
    }
}

bool TclsItemDado::MarcarCarregado() {
    if (EstaAlterado()) {
        return false;
    }
    SetOperacao(1);
    return true;
}

bool TclsItemDado::MarcarAlterado() {
    SetOperacao(2);
    return true;
}

std::string TclsItemDado::Tabela(TDialeto dialeto) const {
    return dialeto == TDialeto::Oracle ? TabelaOracle : TabelaMainFrame;
}

TConexaoEstrutura* TclsItemDado::ObterConexao(TDialeto dialeto) {
    if (TConexaoEstrutura* propria = dialeto == TDialeto::Oracle ? ConexaoOracle : ConexaoMainFrame) {
        return propria;
    }
    for (TclsNodo* ancestral = Pai; ancestral; ancestral = ancestral->Pai) {
        if (auto* dado = dynamic_cast<TclsItemDado*>(ancestral)) {
            return dado->ObterConexao(dialeto);
        }
    }
    throw ErroGeral(Preencher("Não existe nenhuma conexão [%s] que o objeto [%s] da classe [%s] possa usar!",
                              {dialeto == TDialeto::Oracle ? "Oracle" : "MainFrame", Nome, ClassName()}));
}

TConexaoEstrutura* TclsItemDado::ObterConexaoOracle() {
    return ObterConexao(TDialeto::Oracle);
}

TConexaoEstrutura* TclsItemDado::ObterConexaoMainFrame() {
    return ObterConexao(TDialeto::MainFrame);
}

// --- TclsItemRegistro --------------------------------------------------------------

TclsItemRegistro::TclsItemRegistro(TclsNodo* pai, const std::string& nome)
    : TclsItemDado(pai, nome), listaCmps_(new TclsListaItensCampo(this, "FListaCmps")) {
    // The node constructor added the record to pai before this class existed.
    if (pai) {
        AoDefinirPai(pai);
    }
}

void TclsItemRegistro::AoDefinirPai(TclsNodo* pai) {
    vetor_ = nullptr;
    if (dynamic_cast<TclsListaItensRegistro*>(pai)) {
        vetor_ = dynamic_cast<TclsItemVetRegistros*>(pai->Pai);
    }
    if (vetor_) {
        if (EstaCarregado()) {
            vetor_->MarcarCarregado();
        } else if (EstaAlterado()) {
            vetor_->MarcarAlterado();
        }
    }
}

void TclsItemRegistro::AoRemoverFilho(TclsNodo* Filho) {
    TclsItemDado::AoRemoverFilho(Filho);
    if (EhOProprio(Filho, listaCmps_)) {
        listaCmps_ = nullptr;
    }
}

int TclsItemRegistro::QuantidadeCampos() const {
    return listaCmps_ ? listaCmps_->QuantidadeFilhos() : 0;
}

// Without its field list the record has no fields: any index is out of bounds.
TclsItemCampo* TclsItemRegistro::Campo(int Indice) const {
    return listaCmps_ ? listaCmps_->Campo(Indice) : static_cast<TclsItemCampo*>(TListaNodos().Item(Indice));
}

void TclsItemRegistro::Limpar() {
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        Campo(i)->Limpar();
    }
    SetEstado(0);
    SetOperacao(0);
}

namespace {

// The first child of a list (none when the list is gone) whose key equals `chave`, exactly.
template <class TChave> TclsNodo* Parceiro(const TclsNodo* lista, const std::string& chave, TChave chaveDe) {
    if (!lista) {
        return nullptr;
    }
    for (TclsNodo* filho : lista->Filhos) {
        if (chaveDe(filho) == chave) {
            return filho;
        }
    }
    return nullptr;
}

std::string IdentificadorDe(TclsNodo* nodo) {
    auto* campo = dynamic_cast<TclsItemCampo*>(nodo);
    return campo ? campo->Identificador : std::string();
}

std::string NomeDe(TclsNodo* nodo) {
    return nodo->Nome;
}

// Copies each item of `destino` from the item of `origem` with the same name; returns
// how many were copied.
int CopiarItens(TclsListaItensDados* destino, TclsListaItensDados* origem) {
    if (!destino) {
        return 0;
    }
    int copiados = 0;
    for (TclsNodo* item : destino->Filhos) {
        if (TclsNodo* parceiro = Parceiro(origem, item->Nome, NomeDe)) {
            item->Copiar(parceiro);
            ++copiados;
        }
    }
    return copiados;
}

// Compares each child of `proprios` with the child of `outros` of the same key; false
// when any pair differs.
template <class TChave> bool CompararPares(TclsNodo* proprios, TclsNodo* outros, TChave chaveDe) {
    if (!proprios) {
        return true;
    }
    bool igual = true;
    for (TclsNodo* item : proprios->Filhos) {
        if (TclsNodo* parceiro = Parceiro(outros, chaveDe(item), chaveDe)) {
            if (!item->Comparar(parceiro)) {
                igual = false;
            }
        }
    }
    return igual;
}

} // namespace

void TclsItemRegistro::Copiar(TclsNodo* Origem) {
    if (Origem == this) {
        return; // clearing first would lose the very data to be copied
    }
    Limpar();
    camposCopiados_ = 0;
    auto* origem = dynamic_cast<TclsItemRegistro*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        TclsItemCampo* campo = Campo(i);
        if (TclsNodo* parceiro = Parceiro(origem->FListaCmps, IdentificadorDe(campo), IdentificadorDe)) {
            campo->Copiar(parceiro);
            ++camposCopiados_;
        }
    }
    if (camposCopiados_ > 0 && !origem->EstaVazio()) {
        SetEstado(origem->Estado);
    }
    itensCopiados_ = 0;
    itensCopiados_ = CopiarItens(FListaItens, origem->FListaItens);
}

bool TclsItemRegistro::Comparar(TclsNodo* Outro) {
    igual_ = true;
    auto* outro = dynamic_cast<TclsItemRegistro*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    const bool camposIguais = CompararPares(FListaCmps, outro->FListaCmps, IdentificadorDe);
    const bool itensIguais = CompararPares(FListaItens, outro->FListaItens, NomeDe);
    igual_ = camposIguais && itensIguais;
    return igual_;
}

std::string TclsItemRegistro::Restricao(TDialeto dialeto) {
    const TEventoTexto& evento = dialeto == TDialeto::Oracle ? OnRestricaoOracle : OnRestricaoMainFrame;
    std::string texto;
    if (evento) {
        evento(texto);
    } else {
        for (int i = 0; i < QuantidadeCampos(); ++i) {
            TclsItemCampo* campo = Campo(i);
            if (campo->IncluirNoWhere()) {
                texto += texto.empty() ? " WHERE " : " AND ";
                texto += campo->Coluna + " = " +
                         (dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame());
            }
        }
    }
    ultimaRestricao_ = texto;
    return texto;
}

std::string TclsItemRegistro::RestricaoOracle() {
    return Restricao(TDialeto::Oracle);
}

std::string TclsItemRegistro::RestricaoMainFrame() {
    return Restricao(TDialeto::MainFrame);
}

std::string TclsItemRegistro::MontarSelect(TDialeto dialeto) {
    return " SELECT * FROM " + Tabela(dialeto) + Restricao(dialeto) + Complemento;
}

std::string TclsItemRegistro::MontarInsert(TDialeto dialeto) {
    std::string colunas;
    std::string valores;
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        TclsItemCampo* campo = Campo(i);
        if (!campo->IncluirNoInsert()) {
            continue;
        }
        if (!colunas.empty()) {
            colunas += ", ";
            valores += ", ";
        }
        colunas += campo->Coluna;
        valores += dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame();
        campo->MarcarGravado();
    }
    if (colunas.empty()) {
        throw ErroGeral("Não existe campos para sere inseridos na tabela!");
    }
    std::string texto =
        dialeto == TDialeto::Oracle
            ? " INSERT INTO " + Tabela(dialeto) + " (" + colunas + ") " + " VALUES " + " (" + valores + ") "
            : " INSERT INTO " + Tabela(dialeto) + "(" + colunas + ")" + " VALUES " + "(" + valores + ")";
    SetEstado(1);
    SetOperacao(1);
    return texto;
}

std::string TclsItemRegistro::MontarUpdate(TDialeto dialeto) {
    auto textoSQL = [dialeto](TclsItemCampo* campo) {
        return dialeto == TDialeto::Oracle ? campo->TextoSQLOracle() : campo->TextoSQLMainFrame();
    };
    std::string conjunto;
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        TclsItemCampo* campo = Campo(i);
        if (campo->IncluirNoSet()) {
            conjunto += conjunto.empty() ? " SET " : ", ";
            conjunto += campo->Coluna + " = " + textoSQL(campo);
            campo->MarcarGravado();
        }
    }
    if (conjunto.empty()) {
        throw ErroGeral("Não existe campos para sere atualizados na tabela!");
    }
    std::string restricao;
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        TclsItemCampo* campo = Campo(i);
        if (campo->IncluirNoWhereUpdate()) {
            restricao += restricao.empty() ? " WHERE " : " AND ";
            restricao += campo->Coluna + " = " + textoSQL(campo);
        }
    }
    if (restricao.empty()) {
        throw ErroGeral("Dever ser definida retrições WHERE para utilizar o UpDate!");
    }
    SetEstado(1);
    SetOperacao(1);
    return " UPDATE " + Tabela(dialeto) + conjunto + restricao;
}

void TclsItemRegistro::SelectOracle(std::string& Texto) {
    Texto = MontarSelect(TDialeto::Oracle);
}
void TclsItemRegistro::InsertOracle(std::string& Texto) {
    Texto = MontarInsert(TDialeto::Oracle);
}
void TclsItemRegistro::UpdateOracle(std::string& Texto) {
    Texto = MontarUpdate(TDialeto::Oracle);
}
void TclsItemRegistro::SelectMainFrame(std::string& Texto) {
    Texto = MontarSelect(TDialeto::MainFrame);
}
void TclsItemRegistro::InsertMainFrame(std::string& Texto) {
    Texto = MontarInsert(TDialeto::MainFrame);
}
void TclsItemRegistro::UpdateMainFrame(std::string& Texto) {
    Texto = MontarUpdate(TDialeto::MainFrame);
}

int TclsItemRegistro::Incluir(TDialeto dialeto) {
    if (operacao_ == 0) {
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    ultimoSQL_ = Insert(dialeto);
    return Executar(conexao, ultimoSQL_, ClassName());
}

int TclsItemRegistro::Alterar(TDialeto dialeto) {
    if (operacao_ != 2) {
        if (!EstaVazio()) {
            SetEstado(1);
            SetOperacao(1);
        }
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    ultimoSQL_ = Update(dialeto);
    return Executar(conexao, ultimoSQL_, ClassName());
}

int TclsItemRegistro::IncluirOracle() {
    return Incluir(TDialeto::Oracle);
}
int TclsItemRegistro::AlterarOracle() {
    return Alterar(TDialeto::Oracle);
}
int TclsItemRegistro::IncluirMainFrame() {
    return Incluir(TDialeto::MainFrame);
}
int TclsItemRegistro::AlterarMainFrame() {
    return Alterar(TDialeto::MainFrame);
}

int TclsItemRegistro::Ler(int) {
    if (!Consulta) {
        Limite = 0;
        Lidos = 0;
        return 0;
    }
    if (Lidos >= Limite || Consulta->Fim()) {
        return 0;
    }
    for (int i = 0; i < QuantidadeCampos(); ++i) {
        TclsItemCampo* campo = Campo(i);
        if (campo->Opcoes.Contem(ocLer)) {
            campo->LerDoDataSet(Consulta);
        }
    }
    SetEstado(1);
    SetOperacao(1);
    ++Lidos;
    Consulta->Proximo();
    return 1;
}

// --- TclsItemVetRegistros ----------------------------------------------------------

TclsItemVetRegistros::TclsItemVetRegistros(TclsNodo* pai, const std::string& nome)
    : TclsItemDado(pai, nome), listaRegs_(new TclsListaItensRegistro(this, "FListaRegs")) {}

void TclsItemVetRegistros::AoRemoverFilho(TclsNodo* Filho) {
    TclsItemDado::AoRemoverFilho(Filho);
    if (EhOProprio(Filho, listaRegs_)) {
        listaRegs_ = nullptr;
    } else if (EhOProprio(Filho, regDado_)) {
        regDado_ = nullptr;
    }
}

int TclsItemVetRegistros::QuantidadeRegistros() const {
    return listaRegs_ ? listaRegs_->QuantidadeFilhos() : 0;
}

// Without its records list the vector has no records: any index is out of bounds.
TclsItemRegistro* TclsItemVetRegistros::Registro(int Indice) const {
    return listaRegs_ ? listaRegs_->Registro(Indice) : static_cast<TclsItemRegistro*>(TListaNodos().Item(Indice));
}

void TclsItemVetRegistros::Limpar() {
    if (listaRegs_) {
        listaRegs_->LimparItens();
    }
}

void TclsItemVetRegistros::Copiar(TclsNodo* Origem) {
    if (Origem == this) {
        return; // clearing first would destroy the very records to be copied
    }
    registrosCopiados_ = 0;
    auto* origem = dynamic_cast<TclsItemVetRegistros*>(Origem);
    if (!origem) {
        TclsNodo::Copiar(Origem);
        return;
    }
    Limpar();
    for (int i = 0; listaRegs_ && i < origem->QuantidadeRegistros(); ++i) {
        listaRegs_->AdicionarCopia(origem->Registro(i));
        ++registrosCopiados_;
    }
    if (registrosCopiados_ > 0) {
        SetEstado(origem->Estado);
    }
    itensCopiados_ = 0;
    itensCopiados_ = CopiarItens(FListaItens, origem->FListaItens);
}

bool TclsItemVetRegistros::Comparar(TclsNodo* Outro) {
    igual_ = true;
    auto* outro = dynamic_cast<TclsItemVetRegistros*>(Outro);
    if (!outro) {
        return TclsNodo::Comparar(Outro);
    }
    const bool registrosIguais = CompararPares(FListaRegs, outro->FListaRegs, NomeDe);
    const bool itensIguais = CompararPares(FListaItens, outro->FListaItens, NomeDe);
    igual_ = registrosIguais && itensIguais;
    return igual_;
}

TclsItemRegistro* TclsItemVetRegistros::RegistroDado() {
    if (!regDado_) {
        if (!listaRegs_ || !listaRegs_->ClasseRegistro) {
            throw ErroGeral(
                Preencher("Não foi definida a classe de registro para o vetor de registro [%s] da classe [%s]",
                          {Nome, ClassName()}));
        }
        regDado_ = listaRegs_->ClasseRegistro(this, "FRegDado");
    }
    return regDado_;
}

std::string TclsItemVetRegistros::MontarSelect(TDialeto dialeto) {
    TclsItemRegistro* registro = RegistroDado();
    return dialeto == TDialeto::Oracle ? registro->SelectOracle() : registro->SelectMainFrame();
}

std::string TclsItemVetRegistros::MontarComandos(TDialeto dialeto, bool alteracao) {
    std::string texto;
    bool algum = false;
    for (int i = 0; i < QuantidadeRegistros(); ++i) {
        TclsItemRegistro* registro = Registro(i);
        if (alteracao ? !registro->EstaAlterado() : registro->EstaVazio()) {
            continue;
        }
        texto += alteracao ? registro->Update(dialeto) : registro->Insert(dialeto);
        texto += "#0A#0D";
        registro->SetEstado(1);
        registro->SetOperacao(1);
        algum = true;
    }
    if (algum) {
        SetEstado(1);
        SetOperacao(1);
    }
    return texto;
}

void TclsItemVetRegistros::SelectOracle(std::string& Texto) {
    Texto = MontarSelect(TDialeto::Oracle);
}
void TclsItemVetRegistros::InsertOracle(std::string& Texto) {
    Texto = MontarComandos(TDialeto::Oracle, false);
}
void TclsItemVetRegistros::UpdateOracle(std::string& Texto) {
    Texto = MontarComandos(TDialeto::Oracle, true);
}
void TclsItemVetRegistros::SelectMainFrame(std::string& Texto) {
    Texto = MontarSelect(TDialeto::MainFrame);
}
void TclsItemVetRegistros::InsertMainFrame(std::string& Texto) {
    Texto = MontarComandos(TDialeto::MainFrame, false);
}
void TclsItemVetRegistros::UpdateMainFrame(std::string& Texto) {
    Texto = MontarComandos(TDialeto::MainFrame, true);
}

int TclsItemVetRegistros::Gravar(TDialeto dialeto, bool alteracao) {
    if (alteracao ? operacao_ != 2 : operacao_ == 0) {
        if (alteracao && !EstaVazio()) {
            SetEstado(1);
        }
        return 0;
    }
    TConexaoEstrutura* conexao = ObterConexao(dialeto);
    int gravados = 0;
    for (int i = 0; i < QuantidadeRegistros(); ++i) {
        TclsItemRegistro* registro = Registro(i);
        if (alteracao ? !registro->EstaAlterado() : registro->EstaVazio()) {
            continue;
        }
        ultimoSQL_ = alteracao ? registro->Update(dialeto) : registro->Insert(dialeto);
        Executar(conexao, ultimoSQL_, ClassName());
        registro->SetEstado(1);
        registro->SetOperacao(1);
        ++gravados;
    }
    SetEstado(1);
    SetOperacao(1);
    return gravados;
}

int TclsItemVetRegistros::IncluirOracle() {
    return Gravar(TDialeto::Oracle, false);
}
int TclsItemVetRegistros::AlterarOracle() {
    return Gravar(TDialeto::Oracle, true);
}
int TclsItemVetRegistros::IncluirMainFrame() {
    return Gravar(TDialeto::MainFrame, false);
}
int TclsItemVetRegistros::AlterarMainFrame() {
    return Gravar(TDialeto::MainFrame, true);
}

int TclsItemVetRegistros::Ler(int Quantidade) {
    if (!regDado_ || !Consulta || !listaRegs_) {
        return 0;
    }
    regDado_->Consulta = Consulta;
    regDado_->Limite = Limite;
    regDado_->Lidos = Lidos;
    const int rodadas = Quantidade > 0 ? Quantidade : 10000;
    int lidos = 0;
    for (int rodada = 0; rodada < rodadas && Lidos < Limite; ++rodada) {
        // A result with fewer rows than Limite ends the reading: nothing more to copy.
        if (regDado_->Ler(1) == 0) {
            break;
        }
        listaRegs_->AdicionarCopia(regDado_);
        ++Lidos;
        ++lidos;
    }
    return lidos;
}

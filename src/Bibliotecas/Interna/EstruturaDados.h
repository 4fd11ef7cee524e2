#pragma once
// Records as node trees: typed fields that know whether they hold a value, whether it
// was loaded or changed, and how to write it as SQL text in the Oracle and MainFrame
// dialects; records that build and run their own SELECT, INSERT and UPDATE; record
// vectors that fill themselves from a query result and write all their records.

#include "Bibliotecas/Interna/ClasseNodo.h"
#include "dados/BancoDados.h"

#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TclsItemDado;
class TclsItemRegistro;
class TclsItemVetRegistros;

// --- Dates and number patterns ---------------------------------------------------

// A moment as a day count: the whole part counts days from 30/12/1899, the fraction
// is the time of day.
using TDateTime = double;

// The day count of a date and time; an impossible date or time raises ErroConversao.
TDateTime CodificarDataHora(int ano, int mes, int dia, int hora = 0, int minuto = 0, int segundo = 0,
                            int milissegundo = 0);
// The value written by a date pattern: d, dd, m, mm, yy, yyyy, h, hh, n, nn, s, ss,
// z, zzz (letters in either case); quoted text is copied; any other character stands.
std::string FormatarDataHora(std::string_view formato, TDateTime valor);
// The program's date-and-time text, "dd/mm/yyyy hh:nn:ss".
std::string DataHoraParaTexto(TDateTime valor);
// Reads "dd/mm/yyyy", "dd/mm/yyyy hh:nn" or "dd/mm/yyyy hh:nn:ss" (two-digit years and
// a time alone are accepted too); anything else raises ErroConversao.
TDateTime TextoParaDataHora(std::string_view texto);
// The value written by a display pattern: "0" and "#" digits, "." the decimal comma,
// "," thousands points, "E+00" exponents, quoted literals, ";" sections for positive,
// negative and zero values ("#,##0.00" gives 1.234,50).
std::string FormatarFlutuante(std::string_view formato, double valor);

// --- What records need of the outside world -----------------------------------------

// A row-by-row query result that records read from.
class TConsultaEstrutura {
public:
    virtual ~TConsultaEstrutura() = default;
    // Past the last row (or no rows at all).
    virtual bool Fim() const = 0;
    virtual void Proximo() = 0;
    // The value of a column of the current row (std::monostate for null), or nullptr
    // when the result has no column of that name.
    virtual const ValorBanco* Campo(const std::string& coluna) const = 0;
};

// A database connection on which records run their statements.
class TConexaoEstrutura {
public:
    virtual ~TConexaoEstrutura() = default;

    // Class name of the object that owns the connection; empty when it has none.
    virtual std::string ClasseDono() const { return {}; }
    // The connection's query: closed, given its statement text, executed.
    virtual void FecharConsulta() = 0;
    virtual void DefinirSQL(const std::string& texto) = 0;
    virtual void ExecutarConsulta() = 0;
    virtual int LinhasAfetadas() const = 0;

    // Called with true before each execution, and after it when it succeeded.
    std::function<void(bool Executar)> OnAntesExecutar;
    std::function<void()> OnDepoisExecutar;
};

// A query result held in memory: column names and rows of values.
class TConsultaEstruturaMemoria : public TConsultaEstrutura {
public:
    TConsultaEstruturaMemoria() = default;
    explicit TConsultaEstruturaMemoria(std::vector<std::string> colunas) : Colunas(std::move(colunas)) {}

    std::vector<std::string> Colunas;
    std::vector<std::vector<ValorBanco>> Linhas;
    int Posicao = 0;

    void Adicionar(std::vector<ValorBanco> linha) { Linhas.push_back(std::move(linha)); }
    int QuantidadeRegistros() const { return static_cast<int>(Linhas.size()); }
    void Primeiro() { Posicao = 0; }

    bool Fim() const override;
    void Proximo() override;
    const ValorBanco* Campo(const std::string& coluna) const override;
};

// The program's database connection (TConexao) as a connection of records. Its own
// query runs the statements; the connection learns TO_NUMBER('1,5') and
// TO_DATE('dd/mm/yyyy hh:nn:ss', mask) so that Oracle-dialect values run too.
class TConexaoEstruturaBanco : public TConexaoEstrutura {
public:
    explicit TConexaoEstruturaBanco(TConexao& conexao, std::string classeDono = {});
    ~TConexaoEstruturaBanco() override;

    std::string ClasseDono() const override { return classeDono_; }
    void FecharConsulta() override;
    void DefinirSQL(const std::string& texto) override;
    void ExecutarConsulta() override;
    int LinhasAfetadas() const override;

private:
    void RegistrarFuncoes();

    TConexao& conexao_;
    std::string classeDono_;
    std::unique_ptr<TConsulta> consulta_;
    const void* funcoesRegistradas_ = nullptr;
};

// An open query of the program (TConsulta) as a result that records read from.
class TConsultaEstruturaBanco : public TConsultaEstrutura {
public:
    explicit TConsultaEstruturaBanco(TConsulta& consulta) : consulta_(consulta) {}

    bool Fim() const override;
    void Proximo() override;
    const ValorBanco* Campo(const std::string& coluna) const override;

private:
    TConsulta& consulta_;
};

// Called with each line that the library logs (three per statement run); not set by default.
extern std::function<void(const std::string& Texto)> OnLogSQL;

// Runs a statement on a connection and returns the number of rows it affected. Origem
// is the class name of the data item that runs it.
int Executar(TConexaoEstrutura* Conexao, const std::string& Texto, const std::string& Origem);
inline int Executar(TConexaoEstrutura& Conexao, const std::string& Texto, const std::string& Origem) {
    return Executar(&Conexao, Texto, Origem);
}

// --- Fields ----------------------------------------------------------------------

// What a record does with a column (bits of TclsItemCampo::Opcoes).
enum TOpcaoCampo : uint8_t {
    ocLer = 1,        // read from a result row
    ocIncluir = 2,    // goes into INSERT statements when it has a value
    ocAlterar = 4,    // goes into the SET list of UPDATE statements when changed
    ocRestringir = 8, // goes into WHERE clauses when it has a value
    ocChave = 16,     // key column: needs a value for an INSERT (and, restricting, for an UPDATE)
    ocNaoNulo = 32,   // not-null column: needs a value for an INSERT
};

// A set of TOpcaoCampo in one byte: assigned from ocLer | ocChave or {ocLer, ocChave}.
class TOpcoesCampo {
public:
    constexpr TOpcoesCampo() = default;
    constexpr TOpcoesCampo(int bits) : bits_(static_cast<uint8_t>(bits)) {}
    constexpr TOpcoesCampo(std::initializer_list<TOpcaoCampo> opcoes) {
        for (TOpcaoCampo opcao : opcoes) {
            bits_ = static_cast<uint8_t>(bits_ | opcao);
        }
    }
    constexpr operator uint8_t() const { return bits_; }
    constexpr bool Contem(TOpcaoCampo opcao) const { return (bits_ & opcao) != 0; }
    TOpcoesCampo& operator|=(int bits) {
        bits_ = static_cast<uint8_t>(bits_ | bits);
        return *this;
    }
    TOpcoesCampo& operator&=(int bits) {
        bits_ = static_cast<uint8_t>(bits_ & bits);
        return *this;
    }

private:
    uint8_t bits_ = 0;
};

// An event that supplies a text: a callable taking the text to fill (std::string&) or
// one returning it.
class TEventoTexto {
public:
    TEventoTexto() = default;
    TEventoTexto(std::nullptr_t) {}
    template <class F>
    requires(!std::same_as<std::decay_t<F>, TEventoTexto> &&
             (std::invocable<F&, std::string&> ||
              (std::invocable<F&> && std::convertible_to<std::invoke_result_t<F&>, std::string>)))
        TEventoTexto(F funcao) {
        if constexpr (std::invocable<F&, std::string&>) {
            funcao_ = std::move(funcao);
        } else {
            funcao_ = [f = std::move(funcao)](std::string& texto) mutable { texto = f(); };
        }
    }
    explicit operator bool() const { return static_cast<bool>(funcao_); }
    friend bool operator==(const TEventoTexto& evento, std::nullptr_t) { return !evento.funcao_; }
    void operator()(std::string& texto) const { funcao_(texto); }

private:
    std::function<void(std::string&)> funcao_;
};

// One column of a record: a value of its type with its state (0 null, 1 as loaded or
// last saved, 2 changed) and the options that tell the record where the column goes.
// Coluna and Identificador start as the field's name.
class TclsItemCampo : public TclsNodo {
public:
    std::string Coluna;
    std::string Identificador;
    const bool& Igual = igual_;
    bool ForcarNulo = false;
    TEventoTexto OnTextoSQLOracle;
    TEventoTexto OnTextoSQLMainFrame;
    TOpcoesCampo Opcoes;
    const uint8_t& Estado = estado_;
    TclsItemRegistro* const& Registro = registro_;
    std::string FormatoExibicao;
    const std::string& UltimoTextoSQL = ultimoTextoSQL_;
    bool RemoverEspacos = false;

    void AoDefinirPai(TclsNodo* pai) override;
    explicit TclsItemCampo(TclsNodo* pai = nullptr, const std::string& nome = std::string());
    void Limpar() override;
    using TclsNodo::Comparar;
    using TclsNodo::Copiar;
    void Copiar(TclsNodo* Origem) override;
    bool Comparar(TclsNodo* Outro) override;
    std::string Descricao() override;
    // Reads the column Coluna of the current row: true with a value (state 1), false
    // when the column is missing or null (the field is cleared).
    virtual bool LerDoDataSet(TConsultaEstrutura* Resultado) = 0;
    virtual void SetTexto(const std::string& Texto) = 0;
    virtual std::string GetTexto() = 0;
    // The value as SQL text: "Null" when null or ForcarNulo (which is then reset).
    virtual std::string TextoSQLOracle();
    virtual std::string TextoSQLMainFrame();

    bool LerDoDataSet(TConsultaEstrutura& Resultado) { return LerDoDataSet(&Resultado); }

    bool EstaNulo() const { return estado_ == 0; }
    bool EstaAlterado() const { return estado_ == 2; }
    void SetEstado(uint8_t Novo);
    bool MarcarGravado();
    bool IncluirNoInsert();
    bool IncluirNoSet();
    bool IncluirNoWhereUpdate();
    bool IncluirNoWhere();

protected:
    // The SQL text of the value by the built-in rule of each dialect.
    virtual std::string ValorSQLOracle() = 0;
    virtual std::string ValorSQLMainFrame() = 0;

    bool igual_ = false;
    uint8_t estado_ = 0;
    TclsItemRegistro* registro_ = nullptr;
    std::string ultimoTextoSQL_;
};

// What the four field classes share: the value, its validation event and how a value
// is set, copied, cleared and read. TClasse is the concrete class, which copies only
// from its own kind.
template <class T, class TClasse> class TclsCampoTipado : public TclsItemCampo {
public:
    const T& Valor = valor_;
    // Accepts (true) or refuses a value given to SetValor; every value when not set.
    std::function<bool(const T& Valor)> OnValidar;

    explicit TclsCampoTipado(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsItemCampo(pai, nome) {}

    void Limpar() override;
    using TclsItemCampo::Copiar;
    void Copiar(TclsNodo* Origem) override;
    using TclsItemCampo::LerDoDataSet;
    bool LerDoDataSet(TConsultaEstrutura* Resultado) override;

    void SetValor(const T& V);

protected:
    // The value of a result cell that is not null, read as this field's type.
    virtual T LerValor(const ValorBanco& valor) = 0;

    T valor_{};
};

// A 32-bit integer column.
class TClsCampoInt : public TclsCampoTipado<int32_t, TClsCampoInt> {
public:
    explicit TClsCampoInt(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsCampoTipado(pai, nome) {}
    void SetTexto(const std::string& Texto) override;
    std::string GetTexto() override;

protected:
    std::string ValorSQLOracle() override;
    std::string ValorSQLMainFrame() override;
    int32_t LerValor(const ValorBanco& valor) override;
};

// A text column; with RemoverEspacos its values lose their leading and trailing blanks.
class TClsCampoStr : public TclsCampoTipado<std::string, TClsCampoStr> {
public:
    explicit TClsCampoStr(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsCampoTipado(pai, nome) {}
    void SetTexto(const std::string& Texto) override;
    std::string GetTexto() override;

protected:
    std::string ValorSQLOracle() override;
    std::string ValorSQLMainFrame() override;
    std::string LerValor(const ValorBanco& valor) override;
};

// A floating-point column, shown with FormatoExibicao when it is set.
class TClsCampoFloat : public TclsCampoTipado<double, TClsCampoFloat> {
public:
    explicit TClsCampoFloat(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsCampoTipado(pai, nome) {}
    void SetTexto(const std::string& Texto) override;
    std::string GetTexto() override;

protected:
    std::string ValorSQLOracle() override;
    std::string ValorSQLMainFrame() override;
    double LerValor(const ValorBanco& valor) override;
};

// A date-and-time column (a TDateTime day count).
class TClsCampoDate : public TclsCampoTipado<TDateTime, TClsCampoDate> {
public:
    explicit TClsCampoDate(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsCampoTipado(pai, nome) {}
    void SetTexto(const std::string& Texto) override;
    std::string GetTexto() override;

protected:
    std::string ValorSQLOracle() override;
    std::string ValorSQLMainFrame() override;
    TDateTime LerValor(const ValorBanco& valor) override;
};

// --- Lists -----------------------------------------------------------------------

// The nested data items of a data item.
class TclsListaItensDados : public TclsListaItems {
public:
    explicit TclsListaItensDados(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsListaItems(pai, nome) {}
    // The item at Indice; a child that is not a data item raises ErroConversao.
    TclsItemDado* Item(int Indice) const;
    TclsItemDado* operator[](int Indice) const { return Item(Indice); }
};

// The fields of a record. Field changes stop here: the record learns of them from the
// fields themselves.
class TclsListaItensCampo : public TclsListaItems {
public:
    explicit TclsListaItensCampo(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsListaItems(pai, nome) {}
    void Notificar(TclsNodo* Origem, int Codigo) override;
    std::string Descricao() override;
    TclsItemCampo* Campo(int Indice) const;
    TclsItemCampo* operator[](int Indice) const { return Campo(Indice); }
};

// Creates a record of some class of records, with its parent and name.
using TClasseRegistro = std::function<TclsItemRegistro*(TclsNodo* Pai, const std::string& Nome)>;

template <class TRegistro> TClasseRegistro ClasseRegistroDe() {
    return [](TclsNodo* Pai, const std::string& Nome) -> TclsItemRegistro* { return new TRegistro(Pai, Nome); };
}

// The records of a record vector, all of the class ClasseRegistro.
class TclsListaItensRegistro : public TclsListaItensDados {
public:
    TClasseRegistro ClasseRegistro;

    explicit TclsListaItensRegistro(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsListaItensDados(pai, nome) {}
    // Appends a copy of Origem, a new record of ClasseRegistro with a generated name.
    void AdicionarCopia(TclsItemRegistro* Origem);
    void AdicionarCopia(TclsItemRegistro& Origem) { AdicionarCopia(&Origem); }
    TclsItemRegistro* Registro(int Indice) const;
    TclsItemRegistro* operator[](int Indice) const { return Registro(Indice); }
};

// A container for links of a data item.
class TclsListaVinculosDados : public TclsListaVinculos {
public:
    explicit TclsListaVinculosDados(TclsNodo* pai = nullptr, const std::string& nome = std::string())
        : TclsListaVinculos(pai, nome) {}
};

// --- Data items ------------------------------------------------------------------

// Data that tracks its state (0 empty, 1 loaded or saved, 2 changed) and what it asks
// of the database (Operacao: 0 nothing, 1 saved or as loaded, 2 to be written), and
// builds and runs its statements in the two dialects.
// The lists that a data item creates as its children (FListaItens, FListaVincs, and
// FListaCmps, FListaRegs and FRegDado of records and vectors) are nullptr once a caller
// has destroyed them: the item then goes on as if the list were empty.
class TclsItemDado : public TclsNodo {
public:
    TclsListaItensDados* const& FListaItens = listaItens_;
    TclsListaVinculosDados* const& FListaVincs = listaVincs_;
    const std::string& UltimoSQL = ultimoSQL_;
    const uint8_t& Operacao = operacao_;
    const uint8_t& Estado = estado_;
    const bool& Marca = marca_;
    TConsultaEstrutura* Consulta = nullptr;
    TConexaoEstrutura* ConexaoOracle = nullptr;
    TConexaoEstrutura* ConexaoMainFrame = nullptr;
    const bool& Igual = igual_;
    int Limite = 0;
    int Lidos = 0;
    TclsItemVetRegistros* const& Vetor = vetor_;
    std::string TabelaOracle;
    std::string TabelaMainFrame;

    // Forgets a list of its own that is being destroyed.
    void AoRemoverFilho(TclsNodo* Filho) override;
    // Code 0 (data changed) makes the item changed, code 2 (data as loaded) loaded.
    void Notificar(TclsNodo* Origem, int Codigo) override;
    explicit TclsItemDado(TclsNodo* pai = nullptr, const std::string& nome = std::string());

    virtual void SetMarca(bool Valor);
    virtual bool GetMarca();
    virtual bool EstaVazio();
    virtual bool EstaAlterado();
    virtual bool EstaCarregado();
    virtual void SelectOracle(std::string& Texto) = 0;
    virtual void InsertOracle(std::string& Texto) = 0;
    virtual void UpdateOracle(std::string& Texto) = 0;
    virtual void SelectMainFrame(std::string& Texto) = 0;
    virtual void InsertMainFrame(std::string& Texto) = 0;
    virtual void UpdateMainFrame(std::string& Texto) = 0;
    virtual int Reservado1();
    virtual int Reservado2();
    // Run the INSERT or UPDATE statements; the result is the rows affected (records)
    // or the records written (vectors).
    virtual int IncluirOracle() = 0;
    virtual int AlterarOracle() = 0;
    virtual int IncluirMainFrame() = 0;
    virtual int AlterarMainFrame() = 0;
    // Reads rows of Consulta (at most Limite in all); returns how many were read.
    virtual int Ler(int Quantidade) = 0;

    // The statements as return values.
    std::string SelectOracle();
    std::string InsertOracle();
    std::string UpdateOracle();
    std::string SelectMainFrame();
    std::string InsertMainFrame();
    std::string UpdateMainFrame();

    void SetEstado(uint8_t Novo);
    void SetOperacao(uint8_t Novo);
    bool MarcarCarregado();
    bool MarcarAlterado();
    // The connection of each dialect: the item's own or, looked up at each call, its
    // nearest data-item ancestor's (never kept, so that a connection the ancestor
    // switches to is the one used); none anywhere raises ErroGeral.
    TConexaoEstrutura* ObterConexaoOracle();
    TConexaoEstrutura* ObterConexaoMainFrame();

protected:
    // A vector builds and runs its records' statements.
    friend class TclsItemVetRegistros;

    enum class TDialeto { Oracle, MainFrame };

    std::string Tabela(TDialeto dialeto) const;
    TConexaoEstrutura* ObterConexao(TDialeto dialeto);
    // The statement of a dialect; each runs the virtual of its dialect.
    std::string Select(TDialeto dialeto);
    std::string Insert(TDialeto dialeto);
    std::string Update(TDialeto dialeto);

    // True when Filho is the very node that `proprio` points to (compared by address, as
    // a child being destroyed no longer has its own class).
    static bool EhOProprio(const TclsNodo* Filho, const void* proprio) { return Filho == proprio; }

    TclsListaItensDados* listaItens_;
    TclsListaVinculosDados* listaVincs_;
    std::string ultimoSQL_;
    uint8_t operacao_ = 0;
    uint8_t estado_ = 0;
    bool marca_ = false;
    bool igual_ = false;
    TclsItemVetRegistros* vetor_ = nullptr;
};

// A record: its columns are the fields of "FListaCmps", which a descendant creates in
// its constructor. Builds SELECT, INSERT and UPDATE from its fields' options and states.
class TclsItemRegistro : public TclsItemDado {
public:
    TclsListaItensCampo* const& FListaCmps = listaCmps_;
    // Supply the WHERE clause of a SELECT instead of the one built from the fields.
    TEventoTexto OnRestricaoOracle;
    TEventoTexto OnRestricaoMainFrame;
    const int& CamposCopiados = camposCopiados_;
    const int& ItensCopiados = itensCopiados_;
    const std::string& UltimaRestricao = ultimaRestricao_;
    // Appended to every SELECT after the WHERE clause (an ORDER BY, say).
    std::string Complemento;

    // A record put into the records list of a vector belongs to that vector.
    void AoDefinirPai(TclsNodo* pai) override;
    void AoRemoverFilho(TclsNodo* Filho) override;
    explicit TclsItemRegistro(TclsNodo* pai = nullptr, const std::string& nome = std::string());
    void Limpar() override;
    using TclsNodo::Comparar;
    using TclsNodo::Copiar;
    void Copiar(TclsNodo* Origem) override;
    bool Comparar(TclsNodo* Outro) override;
    using TclsItemDado::InsertMainFrame;
    using TclsItemDado::InsertOracle;
    using TclsItemDado::SelectMainFrame;
    using TclsItemDado::SelectOracle;
    using TclsItemDado::UpdateMainFrame;
    using TclsItemDado::UpdateOracle;
    void SelectOracle(std::string& Texto) override;
    void InsertOracle(std::string& Texto) override;
    void UpdateOracle(std::string& Texto) override;
    void SelectMainFrame(std::string& Texto) override;
    void InsertMainFrame(std::string& Texto) override;
    void UpdateMainFrame(std::string& Texto) override;
    int IncluirOracle() override;
    int AlterarOracle() override;
    int IncluirMainFrame() override;
    int AlterarMainFrame() override;
    // Reads the current row of Consulta and moves to the next one (1), or reads
    // nothing (0); the argument is not used.
    int Ler(int Quantidade = 1) override;

    // The WHERE clause of a SELECT, kept in UltimaRestricao.
    std::string RestricaoOracle();
    std::string RestricaoMainFrame();

    int QuantidadeCampos() const;
    TclsItemCampo* Campo(int Indice) const;

private:
    std::string Restricao(TDialeto dialeto);
    std::string MontarSelect(TDialeto dialeto);
    std::string MontarInsert(TDialeto dialeto);
    std::string MontarUpdate(TDialeto dialeto);
    int Incluir(TDialeto dialeto);
    int Alterar(TDialeto dialeto);

    TclsListaItensCampo* listaCmps_;
    int camposCopiados_ = 0;
    int itensCopiados_ = 0;
    std::string ultimaRestricao_;
};

// A vector of records of one class (ClasseRegistro of "FListaRegs"), filled from a
// query result and written record by record.
class TclsItemVetRegistros : public TclsItemDado {
public:
    TclsListaItensRegistro* const& FListaRegs = listaRegs_;
    const int& RegistrosCopiados = registrosCopiados_;
    const int& ItensCopiados = itensCopiados_;
    // The record that reads the rows and builds the SELECT; created by the first SELECT
    // (and by the next one after a caller destroyed it).
    TclsItemRegistro* const& FRegDado = regDado_;

    explicit TclsItemVetRegistros(TclsNodo* pai = nullptr, const std::string& nome = std::string());
    void AoRemoverFilho(TclsNodo* Filho) override;
    // Destroys all the records.
    void Limpar() override;
    using TclsNodo::Comparar;
    using TclsNodo::Copiar;
    void Copiar(TclsNodo* Origem) override;
    bool Comparar(TclsNodo* Outro) override;
    using TclsItemDado::InsertMainFrame;
    using TclsItemDado::InsertOracle;
    using TclsItemDado::SelectMainFrame;
    using TclsItemDado::SelectOracle;
    using TclsItemDado::UpdateMainFrame;
    using TclsItemDado::UpdateOracle;
    void SelectOracle(std::string& Texto) override;
    void InsertOracle(std::string& Texto) override;
    void UpdateOracle(std::string& Texto) override;
    void SelectMainFrame(std::string& Texto) override;
    void InsertMainFrame(std::string& Texto) override;
    void UpdateMainFrame(std::string& Texto) override;
    int IncluirOracle() override;
    int AlterarOracle() override;
    int IncluirMainFrame() override;
    int AlterarMainFrame() override;
    // Appends up to Quantidade rows of Consulta (10000 when 0) as records.
    int Ler(int Quantidade = 0) override;

    int QuantidadeRegistros() const;
    TclsItemRegistro* Registro(int Indice) const;

private:
    TclsItemRegistro* RegistroDado();
    std::string MontarSelect(TDialeto dialeto);
    std::string MontarComandos(TDialeto dialeto, bool alteracao);
    int Gravar(TDialeto dialeto, bool alteracao);

    TclsListaItensRegistro* listaRegs_;
    int registrosCopiados_ = 0;
    int itensCopiados_ = 0;
    TclsItemRegistro* regDado_ = nullptr;
};

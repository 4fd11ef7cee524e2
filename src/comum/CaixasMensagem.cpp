#include "comum/CaixasMensagem.h"

#include "comum/Erros.h"

#include <filesystem>

namespace {
ICaixasMensagem* g_caixas = nullptr;

ICaixasMensagem& Caixas() {
    if (!g_caixas) {
        throw ErroGeral("Nenhuma implementação de caixas de mensagem foi instalada.");
    }
    return *g_caixas;
}
} // namespace

void DefinirCaixasMensagem(ICaixasMensagem* caixas) {
    g_caixas = caixas;
}
ICaixasMensagem* CaixasMensagemAtual() {
    return g_caixas;
}

int CaixaPergunta(const std::string& titulo, const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Pergunta, titulo, texto);
}
int CaixaInformacao(const std::string& titulo, const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Informacao, titulo, texto);
}
int CaixaConfirmacao(const std::string& titulo, const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Confirmacao, titulo, texto);
}
int CaixaAviso(const std::string& titulo, const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Aviso, titulo, texto);
}
int CaixaErro(const std::string& titulo, const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Erro, titulo, texto);
}
int CaixaErroOperacao(const std::string& mensagem) {
    return CaixaErro("Erro", "Houve um erro ao executar esta operação! \n\n[" + mensagem + "]");
}
int MensagemSimples(const std::string& texto) {
    return Caixas().Mostrar(TipoCaixa::Simples, "", texto);
}

bool EscolherPasta(const std::string& titulo, const std::string& raiz, std::string& pasta) {
    std::error_code erro;
    if (!pasta.empty() && !std::filesystem::is_directory(pasta, erro)) {
        pasta.clear();
    }
    return Caixas().EscolherPasta(titulo, raiz, pasta);
}

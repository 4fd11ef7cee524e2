#include "envio/EnvioFTP.h"

#include "comum/Falhas.h"

#include <curl/curl.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string_view>

namespace fs = std::filesystem;

namespace {

struct LiberarCurl {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); } // sends QUIT on an open session
    void operator()(char* texto) const { curl_free(texto); }
};
struct FecharArquivo {
    void operator()(std::FILE* arquivo) const { std::fclose(arquivo); }
};

// libcurl is set up once for the life of the program.
bool IniciarCurl() {
    static const bool iniciado = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return iniciado;
}

// What the transfer callbacks share with the upload.
struct Sessao {
    const FuncaoRegistro& registrar;
    const std::function<void()>& aguardar;
    std::FILE* arquivo;
    std::uintmax_t tamanho;
    std::string ultimaResposta{}; // last line of the server's last reply, e.g. "530 Authentication failed."
    int ultimoCodigo = 0;
    bool logado = false;
    bool transferindo = false;
    bool concluida = false;
    int erroLeitura = 0;               // errno of a failed read of the local file
    std::exception_ptr erroRegistro{}; // thrown by registrar or aguardar; passed on once libcurl has returned

    // Logs a line without letting an exception cross libcurl; false when it threw.
    bool Registrar(const std::string& linha) {
        try {
            registrar(linha);
            return true;
        } catch (...) {
            erroRegistro = std::current_exception();
            return false;
        }
    }
};

// libcurl's progress call, made at least once a second while the session runs.
int Aguardar(void* dados, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& sessao = *static_cast<Sessao*>(dados);
    try {
        sessao.aguardar();
        return 0;
    } catch (...) {
        sessao.erroRegistro = std::current_exception();
        return 1;
    }
}

// Feeds the file to the data connection; its first call is the start of the transfer.
size_t LerArquivo(char* destino, size_t tamanho, size_t quantidade, void* dados) {
    auto& sessao = *static_cast<Sessao*>(dados);
    if (!sessao.transferindo) {
        sessao.transferindo = true;
        if (!sessao.Registrar("Enviando arquivo de " + std::to_string(sessao.tamanho) + " bytes ...")) {
            return CURL_READFUNC_ABORT;
        }
    }
    const size_t lidos = std::fread(destino, 1, tamanho * quantidade, sessao.arquivo);
    if (lidos == 0 && std::ferror(sessao.arquivo)) {
        sessao.erroLeitura = errno ? errno : EIO;
        return CURL_READFUNC_ABORT;
    }
    return lidos;
}

// Receives every line of the server's replies on the control connection. Only the last line
// of a reply ("NNN text") is kept; the lines of a multi-line reply before it are not.
size_t ReceberResposta(char* linha, size_t tamanho, size_t quantidade, void* dados) {
    auto& sessao = *static_cast<Sessao*>(dados);
    const size_t total = tamanho * quantidade;
    std::string_view texto(linha, total);
    while (!texto.empty() && (texto.back() == '\r' || texto.back() == '\n')) {
        texto.remove_suffix(1);
    }
    int codigo = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + std::min<size_t>(texto.size(), 3), codigo);
    if (erro != std::errc{} || fim != texto.data() + 3 || (texto.size() > 3 && texto[3] != ' ')) {
        return total;
    }
    sessao.ultimaResposta = texto;
    sessao.ultimoCodigo = codigo;
    bool registrado = true;
    if (codigo == 230 && !sessao.logado) {
        sessao.logado = true;
        registrado = sessao.Registrar("Iniciando envio do arquivo via FTP.");
    } else if (sessao.transferindo && !sessao.concluida && (codigo == 225 || codigo == 226 || codigo == 250)) {
        sessao.concluida = true;
        registrado = sessao.Registrar("Transferencia concluída.");
    }
    return registrado ? total : 0;
}

ResultadoFTP Falha(std::string mensagem) {
    return {false, std::move(mensagem)};
}

} // namespace

OpcoesFTP OpcoesFTPPadrao() {
    OpcoesFTP opcoes;
    const char* valor = std::getenv("KORVEX_FTP_SERVIDOR");
    if (!valor || !*valor) {
        return opcoes;
    }
    const std::string_view texto(valor);
    const size_t separador = texto.rfind(':');
    long porta = 0;
    if (separador != std::string_view::npos && separador > 0) {
        const std::string_view numero = texto.substr(separador + 1);
        const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), porta);
        if (erro != std::errc{} || fim != numero.data() + numero.size() || porta < 1 || porta > 65535) {
            porta = 0;
        }
    }
    opcoes.servidor = porta ? texto.substr(0, separador) : texto;
    opcoes.porta = porta;
    return opcoes;
}

ResultadoFTP EnviarFTP(const fs::path& arquivo, const FuncaoRegistro& registrar, const OpcoesFTP& opcoes) {
    if (opcoes.servidor.empty() || opcoes.porta < 1 || opcoes.porta > 65535) {
        return Falha("Endereço do servidor FTP inválido: \"" + opcoes.servidor + "\" (esperado servidor:porta).");
    }
    std::error_code erro;
    const bool existe = fs::is_regular_file(arquivo, erro);
    const std::uintmax_t tamanho = existe ? fs::file_size(arquivo, erro) : 0;
    if (!existe || erro) {
        return Falha("O arquivo \"" + arquivo.string() + "\" não foi encontrado.");
    }
    const std::unique_ptr<std::FILE, FecharArquivo> local(std::fopen(arquivo.c_str(), "rb"));
    if (!local) {
        return Falha("Não foi possível abrir o arquivo \"" + arquivo.string() +
                     "\" para leitura: " + DescreverErroSistema(errno) + ".");
    }
    const std::unique_ptr<CURL, LiberarCurl> curl(IniciarCurl() ? curl_easy_init() : nullptr);
    if (!curl) {
        return Falha("Não foi possível iniciar o cliente FTP.");
    }

    const std::string nome = arquivo.filename().string();
    const std::unique_ptr<char, LiberarCurl> nomeUrl(curl_easy_escape(curl.get(), nome.data(), int(nome.size())));
    const std::string url = "ftp://" + opcoes.servidor + ":" + std::to_string(opcoes.porta) + "/" + nomeUrl.get();

    Sessao sessao{registrar, opcoes.aguardar, local.get(), tamanho};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_PROXY, ""); // straight to the server, whatever the environment says
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERNAME, opcoes.usuario.c_str());
    curl_easy_setopt(c, CURLOPT_PASSWORD, opcoes.senha.c_str());
    // Active mode: the client announces its address with PORT and the server connects to it.
    curl_easy_setopt(c, CURLOPT_FTPPORT, "-");
    curl_easy_setopt(c, CURLOPT_FTP_USE_EPRT, 0L);
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L); // TYPE I: the bytes go unchanged
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);       // STOR, replacing a remote file of that name
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(tamanho));
    curl_easy_setopt(c, CURLOPT_READFUNCTION, LerArquivo);
    curl_easy_setopt(c, CURLOPT_READDATA, &sessao);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, ReceberResposta);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &sessao);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, opcoes.tempoConexaoMs);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, opcoes.tempoRespostaS);
    curl_easy_setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, opcoes.tempoRespostaS * 1000);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, opcoes.tempoRespostaS);
    if (opcoes.aguardar) {
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Aguardar);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, &sessao);
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    }

    registrar("Conectando com servidor.");
    const CURLcode codigo = curl_easy_perform(c);
    if (sessao.erroRegistro) {
        std::rethrow_exception(sessao.erroRegistro);
    }
    if (codigo == CURLE_OK) {
        return {true, {}};
    }
    if (sessao.erroLeitura) {
        return Falha("Erro ao ler o arquivo \"" + arquivo.string() + "\": " + DescreverErroSistema(sessao.erroLeitura) +
                     ".");
    }
    const bool esgotado = codigo == CURLE_OPERATION_TIMEDOUT || codigo == CURLE_FTP_ACCEPT_TIMEOUT;
    if (sessao.ultimoCodigo >= 400 && !esgotado) {
        return Falha(DescreverRespostaFTP(sessao.ultimoCodigo, sessao.ultimaResposta));
    }
    return Falha(DescreverErroCurl(codigo, opcoes.servidor + ":" + std::to_string(opcoes.porta)));
}

#include "comum/Falhas.h"

#include "comum/Erros.h"

#include <curl/curl.h>
#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace {

std::string ComOriginal(const std::string& texto, const std::string& original) {
    return texto + " [" + original + "]";
}

} // namespace

void FalhaArquivo(const std::string& acao, const std::string& caminho, int erro) {
    throw ErroEntradaSaida("Não foi possível " + acao + " o arquivo " + caminho + ": " + DescreverErroSistema(erro) +
                           ".");
}

std::string DescreverErroSistema(int erro) {
    const char* texto = nullptr;
    switch (erro) {
    case ENOENT:
        texto = "o arquivo ou a pasta não existe";
        break;
    case EACCES:
    case EPERM:
        texto = "acesso negado: falta permissão para usar o arquivo ou a pasta";
        break;
    case EROFS:
        texto = "a pasta está num disco somente de leitura";
        break;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        texto = "o disco está cheio";
        break;
    case EFBIG:
        texto = "o arquivo passou do tamanho máximo permitido (ou o disco está cheio)";
        break;
    case EISDIR:
        texto = "o caminho é uma pasta, não um arquivo";
        break;
    case ENOTDIR:
        texto = "uma parte do caminho não é uma pasta";
        break;
    case EIO:
        texto = "erro de leitura ou gravação no disco";
        break;
    case EBUSY:
    case ETXTBSY:
        texto = "o arquivo está em uso";
        break;
    case EMFILE:
    case ENFILE:
        texto = "há arquivos abertos demais";
        break;
    case ENAMETOOLONG:
        texto = "o nome do arquivo é longo demais";
        break;
    default:
        texto = "falha do sistema";
        break;
    }
    return ComOriginal(texto, std::strerror(erro));
}

std::string DescreverErroBanco(int codigo, const std::string& original) {
    const char* texto = nullptr;
    switch (codigo) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        texto = "O banco de dados está em uso por outro programa (outra cópia deste programa ou o korvex-admin). "
                "Espere que ele termine e repita a operação.";
        break;
    case SQLITE_FULL:
        texto = "O disco do banco de dados está cheio.";
        break;
    case SQLITE_IOERR:
        texto = "Erro de leitura ou gravação no disco do banco de dados (o disco pode estar cheio ou com defeito).";
        break;
    case SQLITE_CORRUPT:
        texto = "O arquivo do banco de dados está danificado ou incompleto.";
        break;
    case SQLITE_NOTADB:
        texto = "O arquivo não é um banco de dados do programa, está danificado ou foi protegido com outra senha.";
        break;
    case SQLITE_CANTOPEN:
        texto = "O arquivo do banco de dados não existe ou não pode ser aberto.";
        break;
    case SQLITE_READONLY:
        texto = "O banco de dados não pode ser alterado: o arquivo ou a sua pasta é somente de leitura.";
        break;
    case SQLITE_PERM:
        texto = "Acesso negado ao arquivo do banco de dados.";
        break;
    case SQLITE_NOMEM:
        texto = "Falta memória para a operação no banco de dados.";
        break;
    default:
        return original;
    }
    return ComOriginal(texto, original);
}

std::string DescreverErroCurl(int codigo, const std::string& servidor) {
    std::string texto;
    switch (static_cast<CURLcode>(codigo)) {
    case CURLE_COULDNT_RESOLVE_HOST:
        texto = "Não foi possível localizar o servidor FTP " + servidor + ".";
        break;
    case CURLE_COULDNT_CONNECT:
        texto = "Não foi possível conectar ao servidor FTP " + servidor + ".";
        break;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        texto = "Tempo esgotado esperando resposta do servidor FTP " + servidor + ".";
        break;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_FTP_ACCEPT_FAILED:
        texto = "A conexão com o servidor FTP " + servidor + " foi interrompida.";
        break;
    case CURLE_LOGIN_DENIED:
        texto = "O servidor FTP " + servidor + " recusou o usuário ou a senha.";
        break;
    case CURLE_UPLOAD_FAILED:
        texto = "O servidor FTP " + servidor + " recusou o arquivo.";
        break;
    case CURLE_REMOTE_DISK_FULL:
        texto = "O servidor FTP " + servidor + " não tem espaço para o arquivo.";
        break;
    case CURLE_FTP_PORT_FAILED:
        texto = "Não foi possível preparar a conexão de dados com o servidor FTP " + servidor + ".";
        break;
    case CURLE_WEIRD_SERVER_REPLY:
        texto = "O servidor FTP " + servidor + " deu uma resposta inesperada.";
        break;
    default:
        texto = "Falha no envio do arquivo via FTP para " + servidor + ".";
        break;
    }
    return ComOriginal(texto, curl_easy_strerror(static_cast<CURLcode>(codigo)));
}

std::string DescreverRespostaFTP(int codigo, const std::string& resposta) {
    const char* texto = nullptr;
    switch (codigo) {
    case 421:
        texto = "O servidor FTP encerrou o atendimento; tente de novo mais tarde.";
        break;
    case 425:
        texto = "O servidor FTP não conseguiu abrir a conexão de dados.";
        break;
    case 426:
        texto = "O servidor FTP interrompeu a transferência do arquivo.";
        break;
    case 451:
        texto = "O servidor FTP teve um erro e interrompeu o envio.";
        break;
    case 452:
    case 552:
        texto = "O servidor FTP não tem espaço para o arquivo (cota da conta excedida ou disco cheio).";
        break;
    case 530:
        texto = "O servidor FTP recusou o usuário ou a senha.";
        break;
    case 450:
    case 550:
        texto = "O servidor FTP recusou gravar o arquivo (sem permissão ou arquivo indisponível).";
        break;
    case 553:
        texto = "O servidor FTP recusou o nome do arquivo.";
        break;
    default:
        texto = codigo < 500 ? "O servidor FTP recusou o pedido por ora; tente de novo mais tarde."
                             : "O servidor FTP recusou o pedido.";
        break;
    }
    return ComOriginal(texto, resposta);
}

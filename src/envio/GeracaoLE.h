#pragma once
// The send run of the export listing: writes the ticked products of the send list, each
// followed by its inputs, into the file "LE" + registration + time stamp + ".TXT" in the
// folder it is given, uploads it to the agency unless only generating, logs each step and
// shows the outcome. The send progress window hosts it, and so does korvex-admin gerar-le.

#include "envio/EnvioFTP.h"

#include <ctime>
#include <functional>
#include <string>
#include <vector>

class TConsulta;

// One row of the send list, in the list's order: ticked or not, and the product's code
// (exp_codprod as text).
struct ItemListaEnvio {
    bool marcado = false;
    std::string exp_codprod;
};

// What the host shows while the run goes on. Empty functions are skipped.
struct AcompanhamentoEnvio {
    std::function<void(const std::string&)> registrar; // one log line
    std::function<void(int maximo)> iniciarProgresso;  // one step per ticked product, position 0
    std::function<void()> avancarProgresso;            // a product and its inputs are written
};

struct ParametrosEnvio {
    std::string inscricao;                   // the company registration, as typed
    std::vector<ItemListaEnvio> produtos;    // the send list
    std::string pasta;                       // folder of the file, ending in the separator
    bool somenteGerar = false;               // true: only write the file, no network at all
    TConsulta* consulta = nullptr;           // the list query (dm_DatConn->qry_sel in the program)
    OpcoesFTP opcoesFTP = OpcoesFTPPadrao(); // where the file goes when sending
};

// The file's time stamp, 15 characters: day, month as in MesAbreviado, year, hour, minutes,
// seconds ("07NOV2018143005" for 7 November 2018 at 14:30:05).
std::string CarimboArquivoLE(const std::tm& momento);

// What a run that reached its end gives back.
struct ResultadoEnvio {
    std::string arquivo;  // full path of the file written: the folder followed by the file name
    bool sucesso = false; // true when the run ended with "Operação realizada com sucesso!"
};

// Runs the send. `sucesso` is false when the upload failed: its error box "Erro" with the
// failure's text, "Fim do Envio da LE." and the failure box have then been shown, and the
// local file stays.
//
// A generation error (database, file, a full disk, a ticked product no longer in the listing, a
// value the file cannot hold) is thrown as ErroGeral or one of its kinds with a message for the
// user, once what was written is removed: no file of the run is left in the folder, nothing more
// is logged, nothing is uploaded and no outcome box is shown. The host reports it.
ResultadoEnvio GerarListagem(const ParametrosEnvio& parametros, const AcompanhamentoEnvio& acompanhamento);

// korvex_jet.so: the listing database's own meaning for any SQLite client that loads
// extensions. It registers what the program registers on each of its connections (the JET
// collation of the text columns, mid(), switch() and the folding LIKE), from the same
// source, so that the agency's tables can be counted, ordered and compared outside the
// program:
//
//     sqlcipher KORVEX.db
//     sqlite> PRAGMA key = 'r5k2w8h4d6';
//     sqlite> .load /usr/lib/korvex/korvex_jet
//     sqlite> SELECT count(*) FROM PRJ_NCM;

#include "dados/DialetoJet.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

// The entry point the engine derives from the file name korvex_jet.so.
extern "C" __attribute__((visibility("default"))) int sqlite3_korvexjet_init(sqlite3* banco, char** /*erro*/,
                                                                             const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    RegistrarFuncoesJet(banco);
    return SQLITE_OK;
}

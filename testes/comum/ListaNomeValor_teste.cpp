#include "comum/ListaNomeValor.h"

#include <gtest/gtest.h>

using Linhas = std::vector<std::string>;

TEST(ListaNomeValor, NomesSemCaixaVazioRemoveEOutrasLinhasFicam) {
    TListaNomeValor lista({"CodPrdVlt=0401", "linha sem igual", "Razão=A=B", "codprdvlt=segunda"});
    EXPECT_EQ(lista.Valor("CODPRDVLT"), "0401");   // the first line of the name
    EXPECT_EQ(lista.Valor("RAZÃO"), "A=B");        // accented letters fold too; value keeps later "="
    EXPECT_EQ(lista.Valor("linha sem igual"), ""); // a line without "=" has no name
    EXPECT_EQ(lista.Valor("Razao"), "");           // an accent still makes another name

    lista.DefinirValor("CODPRDVLT", "0402"); // replaced in place, under the new spelling
    lista.DefinirValor("UNI_CODIGO", "2");   // added at the end
    lista.DefinirValor("razão", "");         // empty removes
    lista.DefinirValor("NAO_EXISTE", "");    // removing a missing name does nothing
    EXPECT_EQ(lista.Linhas(), (Linhas{"CODPRDVLT=0402", "linha sem igual", "codprdvlt=segunda", "UNI_CODIGO=2"}));
}

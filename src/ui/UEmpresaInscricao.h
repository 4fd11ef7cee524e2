#pragma once
// The company of the windows that name it by its agency registration (the listing browser
// and the wizards): the name shown for a registration typed by hand, and the company lookup.

#include <QString>

class QLineEdit;

// The company name of a typed registration: only nine characters that form a whole number
// name a company; any other text, or a registration of no company, gives empty text.
QString RazaoSocialDigitada(const QString& inscricao);

// The company lookup: the chosen company's registration goes into `inscricao`, whose change
// handling runs, and only then its name into `razao`, so that a registration shorter than
// nine characters keeps its name. False, changing nothing, when the user chose no company.
bool PesquisarEmpresa(QLineEdit* inscricao, QLineEdit* razao);

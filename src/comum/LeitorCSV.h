#pragma once
// The CSV files of the agency's reference tables (RFC 4180): comma-separated fields,
// optionally in double quotes ("" inside them is one quote, and they may span lines),
// CR LF or LF line ends, an optional UTF-8 byte order mark at the start.

#include <string>
#include <vector>

// One record of a CSV file with the line on which it starts.
struct RegistroCSV {
    int linha;
    std::vector<std::string> campos;
    std::vector<bool> entreAspas; // per field: it was written in double quotes
};

// The records of a whole file's text; blank lines carry none. A quote left open, a
// quote inside an unquoted field or text right after a closing quote raises ErroGeral
// naming the file (`nome`) and the line.
std::vector<RegistroCSV> LerCSV(const std::string& texto, const std::string& nome);

#pragma once
// The kinds of error the program raises; each carries its message in what().

#include <stdexcept>
#include <string>

// General error with a message in the product's words.
class ErroGeral : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that cannot be converted to a number, date or other value.
class ErroConversao : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

// A file that cannot be opened, read, written or closed.
class ErroEntradaSaida : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

// A failure of the database engine; the message is the engine's own.
class ErroBanco : public ErroGeral {
public:
    using ErroGeral::ErroGeral;
};

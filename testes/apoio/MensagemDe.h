#pragma once
// The message of the error an action raises, or "(nenhum erro)": lets a test compare the
// exact text of an expected failure.

#include <exception>
#include <functional>
#include <string>

inline std::string MensagemDe(const std::function<void()>& acao) {
    try {
        acao();
    } catch (const std::exception& erro) {
        return erro.what();
    }
    return "(nenhum erro)";
}

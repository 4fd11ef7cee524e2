#!/usr/bin/env bash
# Builds the core tests and the fuzz corpus replays with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs them: a memory error, a leak or undefined behaviour
# fails the run. The windows are left out (Qt's own libraries are not built for this), and so is
# the package check, which would build the whole program again, and the SQL extension's test,
# whose extension is loaded by the sqlcipher client (a program without the sanitizers' runtime).
set -euo pipefail
cd "$(dirname "$0")/.."
# -O1, as the sanitizers advise: the tests run many times faster than without optimisation and
# the reports keep their stacks. Warnings are the other builds' business.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DKORVEX_SANITIZERS=ON >/dev/null
alvos=(testes_nucleo)
for fonte in testes/fuzz/fuzz_*.cpp; do
    alvos+=("$(basename "$fonte" .cpp)_corpus")
done
cmake --build build-asan -j"$(nproc)" --target "${alvos[@]}"
cd build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j"$(nproc)" --timeout 600 -E '^(tst_|dependencias_|pacote_|ExtensaoJet\.)'

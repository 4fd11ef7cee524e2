#include <iostream>

int main(int argc, char* argv[]) {
    (void)argv;
    if (argc < 2) {
        std::cerr << "Uso: korvex-admin <comando>\n";
        return 2;
    }
    return 0;
}

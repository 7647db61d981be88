// Writes a manual page to standard output: deducto-check(1), or with "deducto" the window
// program's deducto(1). The build runs it, so each page installed is rendered from the same
// text as its program's --help.
#include <cstring>
#include <iostream>

#include "DeductoVersion.h"
#include "Usage.h"
#include "WindowUsage.h"

int main(int argc, char** argv) {
    const bool window = argc > 1 && std::strcmp(argv[1], "deducto") == 0;
    std::cout << (window ? deducto::cli::WindowManPage(deducto::kVersion)
                         : deducto::cli::ManPage(deducto::kVersion));
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

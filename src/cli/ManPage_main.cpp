// Writes the manual page deducto-check(1) to standard output. The build runs it, so the page
// installed is rendered from the same text as --help.
#include <iostream>

#include "DeductoVersion.h"
#include "Usage.h"

int main() {
    std::cout << deducto::cli::ManPage(deducto::kVersion);
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

// Writes the manual page of deducto-check to standard output; the build runs it, so the
// page installed is rendered from the same text as --help.
#include <iostream>

#include "DeductoVersion.h"
#include "Usage.h"

int main() {
    std::cout << deducto::cli::ManPage(deducto::kVersion);
    return std::cout.good() ? 0 : 1;
}

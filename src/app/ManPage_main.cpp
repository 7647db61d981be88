// Writes the manual page deducto(1) to standard output. The build runs it, so the page
// installed is rendered from the same text as the window program's --help.
#include <iostream>

#include "DeductoVersion.h"
#include "WindowUsage.h"

int main() {
    std::cout << deducto::WindowManPage(deducto::kVersion);
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

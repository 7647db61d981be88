// deducto-check: tests arguments written in files, the way the window would, and prints
// the verdicts for a person, as JSON, or graded against an answer key.
#include <iostream>

#include "CheckFiles.h"
#include "CommandLine.h"
#include "DeductoVersion.h"
#include "Usage.h"

int main(int argc, char** argv) {
    using namespace deducto::cli;
    std::ios::sync_with_stdio(false);
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (parsed.help) {
        std::cout << HelpText();
        return kExitEvaluated;
    }
    if (parsed.version) {
        std::cout << "deducto-check " << deducto::kVersion << '\n';
        return kExitEvaluated;
    }
    if (!parsed.error.empty()) {
        std::cerr << "deducto-check: " << parsed.error << "\nTry 'deducto-check --help'.\n";
        return kExitUsage;
    }
    return CheckFiles(parsed.command, std::cout, std::cerr);
}

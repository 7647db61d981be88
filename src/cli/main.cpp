// deducto-check: tests arguments written in files, the way the window would, and prints
// the verdicts for a person, as JSON, or graded against an answer key.
#include <cerrno>
#include <cstring>
#include <iostream>

#include "CheckFiles.h"
#include "CommandLine.h"
#include "DeductoVersion.h"
#include "Usage.h"

namespace {

// A report that did not reach its reader (a full disk, a closed pipe) is a failure, not a
// success with nothing to show: said on standard error, with exit status 1.
int Finished(int status) {
    // errno names the cause only when this flush is what failed; an earlier write's cause
    // may have been overwritten since.
    const bool goodBefore = std::cout.good();
    errno = 0;
    std::cout.flush();
    if (std::cout.good()) return status;
    const int error = goodBefore ? errno : 0;
    std::cerr << "deducto-check: cannot write to standard output"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return deducto::cli::kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace deducto::cli;
    std::ios::sync_with_stdio(false);
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (parsed.help) {
        std::cout << HelpText();
        return Finished(kExitEvaluated);
    }
    if (parsed.version) {
        std::cout << "deducto-check " << deducto::kVersion << '\n';
        return Finished(kExitEvaluated);
    }
    if (!parsed.error.empty()) {
        std::cerr << "deducto-check: " << parsed.error << "\nTry 'deducto-check --help'.\n";
        return kExitUsage;
    }
    return Finished(CheckFiles(parsed.command, std::cout, std::cerr));
}

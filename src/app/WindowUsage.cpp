#include "WindowUsage.h"

#include <cstring>

#include "file/ArgumentFileFormat.h"
#include "text/UsageText.h"

namespace deducto {

namespace {

constexpr const char* kSummary = "teaching tool for elementary logic";

constexpr const char* kSynopsis = "[options] [FILE...]";

constexpr const char* kDescription[] = {
    "Opens the Deducto window, in which an argument of up to eight premises and a "
    "conclusion is typed line by line, in propositional calculus, monadic predicate "
    "calculus, elementary set theory or controlled English; each line gets its formula and "
    "truth table, and the window says whether the conclusion follows from the premises.",
    "FILE is an argument file to open at the start (a file manager passes the file that was "
    "double-clicked). The window holds one argument at a time: with several files the first "
    "is opened, and a message names the ones that were not; File > Open opens them one by "
    "one. Argument files are UTF-8 text, one \"Key: value\" a line, and end in .deducto by "
    "convention:",
};

struct WindowOption {
    const char* names;
    const char* text;
};

constexpr WindowOption kOptions[] = {
    {"--version", "print the version and exit"},
    {"-h, --help", "print this help and exit"},
};

constexpr const char* kFiles[][2] = {
    {"~/.config/deducto/Deducto.conf",
     "the settings: the recent files of the File menu and where the window was last"},
    {"/usr/share/deducto/examples/",
     "the worked example of each mode, where File > Open starts while no argument is open"},
};

constexpr const char* kSeeAlsoNote =
    "deducto-check(1) checks and grades argument files from the command line.";

}  // namespace

WindowCommandLine ParseWindowCommandLine(int argc, const char* const* argv, QtOptions qt) {
    WindowCommandLine parsed;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (optionsEnded || arg[0] != '-' || std::strcmp(arg, "-") == 0) {
            parsed.files.emplace_back(arg);
        } else if (std::strcmp(arg, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            parsed.help = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            parsed.version = true;
        } else if (qt == QtOptions::StillThere && arg[1] != '-') {
            continue;  // Qt's, or refused once Qt has taken its own
        } else if (parsed.error.empty()) {
            parsed.error = std::string("unknown option \"") + arg + '"';
        }
    }
    return parsed;
}

std::string WindowHelpText() {
    constexpr std::size_t kWidth = 80;
    constexpr std::size_t kTextColumn = 20;
    std::string out = std::string("Usage: deducto ") + kSynopsis + '\n';
    out += Wrapped(std::string("Deducto, a ") + kSummary + '.', 0, kWidth, 0);
    for (const char* paragraph : kDescription) out += '\n' + Wrapped(paragraph, 0, kWidth, 0);
    out += '\n';
    for (const char* line : ArgumentFileFormat()) out += std::string("  ") + line + '\n';
    out += "\nOptions:\n";
    for (const WindowOption& option : kOptions) {
        const std::string names = std::string("  ") + option.names;
        out += names + std::string(kTextColumn - names.size(), ' ') +
               Wrapped(option.text, kTextColumn, kWidth, kTextColumn);
    }
    out += "\nFiles:\n";
    for (const auto& file : kFiles) {
        out += std::string("  ") + file[0] + "\n" + std::string(kTextColumn, ' ') +
               Wrapped(file[1], kTextColumn, kWidth, kTextColumn);
    }
    out += '\n' + Wrapped(kSeeAlsoNote, 0, kWidth, 0);
    return out;
}

std::string WindowManPage(std::string_view version) {
    std::string out =
        ManPageStart({"deducto", kSummary, kSynopsis, kDescription, ArgumentFileFormat()}, version);
    out += ".SH OPTIONS\n";
    for (const WindowOption& option : kOptions) {
        out += ".TP\n\\fB" + Roff(option.names) + "\\fR\n" + Roff(option.text) + '\n';
    }
    out += ".SH FILES\n";
    for (const auto& file : kFiles) {
        out += ".TP\n.I " + Roff(file[0]) + '\n' + Roff(file[1]) + '\n';
    }
    out += ".SH SEE ALSO\n.BR deducto\\-check (1)\n";
    return out;
}

std::string FilesNotOpened(const std::vector<std::string>& files) {
    std::string text = "Deducto holds one argument at a time, so only " + files.front() +
                       " was opened. Not opened:";
    for (std::size_t i = 1; i < files.size(); ++i) text += "\n" + files[i];
    return text;
}

}  // namespace deducto

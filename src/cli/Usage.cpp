#include "Usage.h"

#include <string>
#include <vector>

#include "file/ArgumentFileFormat.h"
#include "text/UsageText.h"

namespace deducto::cli {

namespace {

constexpr const char* kSummary =
    "tests whether the conclusion of an argument follows from its premises";

constexpr const char* kSynopsis = "[options] FILE...";

// Paragraphs of the description.
constexpr const char* kDescription[] = {
    "Checks each argument FILE the way the Deducto window does: the premises and then the "
    "conclusion are read line by line, each turned into its formula and truth table, and the "
    "argument is evaluated when every line was read. Files are checked in the order given, in "
    "one process; with more than one, each report follows a caption naming its file, in the "
    "output's own format (a line in text, a heading in Markdown, a \"%\" comment in LaTeX, a "
    "\"# File:\" row in CSV). Messages about a file, on standard error, start with its name. "
    "\"-\" reads standard input.",
    "An argument file holds one \"Key: value\" a line; keys may be in any case, and blank "
    "lines and lines starting with \"#\" are ignored. Without a Mode line the argument is "
    "propositional. Argument files are UTF-8, hold no line longer than 4096 characters, and end "
    "in .deducto by convention.",
};

// The input keys, shown as they are written.
constexpr OptionHelp kOptions[] = {
    {OptionKey::Details, "--details", "", "", "list the cases in which the conclusion fails"},
    {OptionKey::Table, "--table", "N", "a line number",
     "print the truth table of line N (0 the conclusion, 1 to 8 the premises); may be given "
     "more than once"},
    {OptionKey::Format, "--format", "FORMAT", "a format",
     "write the tables of --table as text (the default), csv, markdown or latex; in any format "
     "but text only the tables are printed (and the --tree, which takes latex only)"},
    {OptionKey::TrueOnly, "--true-only", "", "", "show only the table rows whose value is T"},
    {OptionKey::FalseOnly, "--false-only", "", "", "show only the table rows whose value is F"},
    {OptionKey::NoSimplify, "--no-simplify", "", "",
     "keep the columns the value does not depend on"},
    {OptionKey::Steps, "--steps", "", "",
     "give every table a column for each step of its formula, innermost first, the whole line "
     "last (and every letter: implies --no-simplify); in JSON, each line's \"steps\""},
    {OptionKey::ArgumentTable, "--argument-table", "", "",
     "print the premises and the conclusion side by side over the same rows, the "
     "counterexamples marked, and the sentence that sums them up"},
    {OptionKey::Explain, "--explain", "", "", "say which premises alone give the verdict"},
    {OptionKey::World, "--world", "", "",
     "show the first case in which the conclusion fails as a world"},
    {OptionKey::Tree, "--tree", "", "",
     "show the argument's truth tree; with --format latex, for the forest package"},
    {OptionKey::Json, "--json", "", "",
     "print one JSON object per file, a line each, instead of text"},
    {OptionKey::Grade, "--grade", "", "",
     "compare each file's verdict with its Expect line (or with the answer key of --key): "
     "print one line per file, ok or what was expected and what came, then with --key how "
     "each exercise went, then \"N passed, M failed\"; with --json, a \"grade\" member in "
     "each file's object and a summary object at the end"},
    {OptionKey::Key, "--key", "KEY", "an answer key",
     "grade against the answer key KEY instead of the files' own Expect lines: an argument file "
     "that grades every file, or a folder of them, one per exercise, each grading the files of "
     "the same name (class/ann/ex3.deducto against KEY/ex3.deducto); the key's Expect line, or "
     "else its own verdict, is the expected verdict"},
    {OptionKey::Equivalence, "--equivalence", "", "",
     "with --key, also grade each line against the key's line of the same index: right when "
     "the two are equivalent in the line's mode, else one case that tells them apart is shown"},
    {OptionKey::AnyOrder, "--any-order", "", "",
     "with --equivalence, let each premise match any of the key's premises"},
    {OptionKey::Report, "--report", "FILE", "a file name",
     "with --grade, also write one row per file to the CSV file FILE (path, exercise, expected "
     "verdict, verdict, verdict ok, lines equivalent, lines, problems, score); FILE is replaced "
     "only when every row was written"},
    {OptionKey::Recursive, "-r, --recursive", "", "",
     "check the files ending in .deducto in every FILE that is a folder and in its subfolders, "
     "in order of their paths"},
    {OptionKey::FilesFrom, "--files-from", "LIST", "a file name",
     "also check the files named in LIST, one path a line (\"-\" reads the list from standard "
     "input)"},
    {OptionKey::Jobs, "-j, --jobs", "N", "a number of threads",
     "check N files at a time, each in a thread of its own (default 1); the reports keep the "
     "order of the files"},
    {OptionKey::Version, "--version", "", "", "print the version"},
    {OptionKey::Help, "-h, --help", "", "", "print this help"},
};

struct ExitHelp {
    int status;
    const char* text;
};

constexpr ExitHelp kExitStatus[] = {
    {0, "every argument was evaluated (with --grade: every verdict was the expected one)"},
    {1,
     "usage or file error: unknown option, unreadable or malformed file, an answer key, a "
     "list of files or a report that cannot be read or written"},
    {2, "a line could not be read; it is printed marked where reading stopped"},
    {3, "a limit was reached (a formula too deep or too long, a table too large)"},
    {4,
     "with --grade: a file's verdict was not the expected one, or it had none; a line was "
     "not equivalent to the key's; a file could not be read or graded"},
    {5, "an internal check failed: a fault of the program, please report it"},
};

constexpr const char* kExitNote =
    "With several files the status is the highest of the files' statuses.";

constexpr const char* kExample =
    "deducto-check --grade --key key/ --equivalence -r class/ --report grades.csv";

}  // namespace

std::span<const OptionHelp> OptionTable() { return kOptions; }

const OptionHelp* FindOption(std::string_view name) {
    for (const OptionHelp& option : kOptions) {
        std::string_view names = option.names;
        while (!names.empty()) {
            const std::size_t comma = names.find(", ");
            if (names.substr(0, comma) == name) return &option;
            names.remove_prefix(comma == std::string_view::npos ? names.size() : comma + 2);
        }
    }
    return nullptr;
}

std::string HelpText() {
    constexpr std::size_t kWidth = 80;
    constexpr std::size_t kTextColumn = 20;
    std::string out = std::string("Usage: deducto-check ") + kSynopsis + '\n';
    std::string summary = kSummary;
    summary.front() = static_cast<char>(summary.front() - 'a' + 'A');
    out += Wrapped(summary + '.', 0, kWidth, 0);
    for (const char* paragraph : kDescription) out += '\n' + Wrapped(paragraph, 0, kWidth, 0);
    out += '\n';
    for (const char* line : ArgumentFileFormat()) out += std::string("  ") + line + '\n';
    out += "\nOptions:\n";
    for (const OptionHelp& option : kOptions) {
        std::string names = std::string("  ") + option.names;
        if (TakesValue(option)) names += std::string(" ") + option.argument;
        if (names.size() + 2 > kTextColumn) {
            out += names + '\n' + std::string(kTextColumn, ' ');
        } else {
            out += names + std::string(kTextColumn - names.size(), ' ');
        }
        out += Wrapped(option.text, kTextColumn, kWidth, kTextColumn);
    }
    out += "\nExit status:\n";
    for (const ExitHelp& exit : kExitStatus) {
        out += "  " + std::to_string(exit.status) + "   " + Wrapped(exit.text, 6, kWidth, 6);
    }
    out += Wrapped(kExitNote, 0, kWidth, 0);
    out += std::string("\nExample:\n  ") + kExample + '\n';
    return out;
}

std::string ManPage(std::string_view version) {
    std::string out = ManPageStart(
        {"deducto-check", kSummary, kSynopsis, kDescription, ArgumentFileFormat()}, version);
    out += ".SH OPTIONS\n";
    for (const OptionHelp& option : kOptions) {
        out += ".TP\n\\fB" + Roff(option.names) + "\\fR";
        if (TakesValue(option)) out += std::string(" \\fI") + option.argument + "\\fR";
        out += '\n' + Roff(option.text) + '\n';
    }
    out += ".SH EXIT STATUS\n";
    for (const ExitHelp& exit : kExitStatus) {
        out += ".TP\n.B " + std::to_string(exit.status) + '\n' + Roff(exit.text) + '\n';
    }
    out += ".PP\n" + Roff(kExitNote) + '\n';
    out += std::string(".SH EXAMPLE\n.nf\n.RS\n") + Roff(kExample) + "\n.RE\n.fi\n";
    return out;
}

}  // namespace deducto::cli

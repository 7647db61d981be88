// deducto-check: tests an argument written in a file, the way the window would, and prints
// the verdict for a person or as JSON.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "ArgumentFile.h"
#include "Check.h"
#include "Explain.h"
#include "JsonOutput.h"
#include "TextOutput.h"

namespace {

using namespace deducto;
using namespace deducto::cli;

constexpr int kExitEvaluated = 0;
constexpr int kExitUsage = 1;
constexpr int kExitLineFailed = 2;
constexpr int kExitLimit = 3;
constexpr int kExitInternal = 5;

constexpr const char* kUsage =
    R"(Usage: deducto-check [options] FILE
Tests whether the conclusion of an argument follows from its premises.
FILE holds the argument ("-" reads standard input), one "Key: value" a line:

  Mode: propositional | predicate | set theory | natural language
  Premise: <text>        0 to 8, in order; an empty "Premise:" leaves its slot empty
  Conclusion: <text>
  Term: <kind>: <text>   natural language only: adjective, specific noun,
                         class noun or predicate

Keys may be in any case; blank lines and lines starting with "#" are ignored.

Options:
  --details       list the cases in which the conclusion fails
  --table N       print the truth table of line N (0 the conclusion, 1 to 8 the
                  premises); may be given more than once
  --true-only     show only the rows whose value is T
  --false-only    show only the rows whose value is F
  --no-simplify   keep the columns the value does not depend on
  --explain       say which premises alone give the verdict
  --world         show the first case in which the conclusion fails as a world
  --json          print one JSON object instead of text
  --help          print this help

Exit status: 0 evaluated, 1 usage or file error, 2 a line could not be read,
3 a limit was reached, 5 an internal check failed (a fault of the program).
)";

struct CommandLine {
    std::string path;
    bool json = false;
    bool explain = false;
    bool world = false;
    TextOptions text;
    Options options;
};

struct ParsedCommandLine {
    CommandLine command;
    std::string error;  // empty when the arguments were understood
    bool help = false;
};

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
    ParsedCommandLine parsed;
    CommandLine& command = parsed.command;
    const auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    bool havePath = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return parsed;
        } else if (arg == "--details") {
            command.text.details = true;
        } else if (arg == "--explain" || arg == "--world") {
            (arg == "--explain" ? command.explain : command.world) = true;
        } else if (arg == "--json") {
            command.json = true;
        } else if (arg == "--true-only") {
            command.options.showTrueOnly = true;
        } else if (arg == "--false-only") {
            command.options.showFalseOnly = true;
        } else if (arg == "--no-simplify") {
            command.options.eliminateUnneeded = false;
        } else if (arg == "--table") {
            if (i + 1 == argc) return fail("--table needs a line number");
            const std::string_view number = argv[++i];
            int index = -1;
            const auto [end, ec] =
                std::from_chars(number.data(), number.data() + number.size(), index);
            if (ec != std::errc() || end != number.data() + number.size() || index < 0 ||
                index > kMaxPremises) {
                return fail("--table takes a line number from 0 (the conclusion) to 8");
            }
            command.text.tables.push_back(index);
        } else if (arg.size() > 1 && arg.front() == '-' && arg != "-") {
            return fail("unknown option " + Quoted(arg));
        } else if (havePath) {
            return fail("only one argument file can be checked at a time");
        } else {
            command.path = arg;
            havePath = true;
        }
    }
    if (command.options.showTrueOnly && command.options.showFalseOnly) {
        return fail("--true-only and --false-only cannot be used together");
    }
    if (!havePath) return fail("no argument file given");
    return parsed;
}

int UsageError(const std::string& message) {
    std::cerr << "deducto-check: " << message << "\nTry 'deducto-check --help'.\n";
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (parsed.help) {
        std::cout << kUsage;
        return kExitEvaluated;
    }
    if (!parsed.error.empty()) return UsageError(parsed.error);
    const CommandLine& command = parsed.command;

    const InputText input = ReadInput(command.path);
    if (!input.ok()) {
        std::cerr << "deducto-check: " << input.error << '\n';
        return kExitUsage;
    }
    const ReadArgument read = ParseArgumentText(input.text);
    if (!read.ok()) {
        std::cerr << "deducto-check: " << (command.path == "-" ? "<stdin>" : command.path) << ": "
                  << read.error << '\n';
        return kExitUsage;
    }

    const CheckReport report = RunCheck(read.argument, command.options);
    const Explained explained = Explain(report, command.explain, command.world);
    if (command.json) {
        WriteReportJson(std::cout, report, read.argument, explained);
    } else {
        TextOptions text = command.text;
        text.explanation = ExplanationLine(explained);
        text.world = WorldText(report, explained);
        WriteText(std::cout, std::cerr, report, text, command.options);
    }
    std::cout.flush();

    switch (report.result) {
        case RunResult::Evaluated:
            return kExitEvaluated;
        case RunResult::LineFailed:
            return kExitLineFailed;
        case RunResult::LimitReached:
            return kExitLimit;
        case RunResult::InternalError:
            return kExitInternal;
    }
    return kExitEvaluated;
}

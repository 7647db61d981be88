#include "CommandLine.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "Lines.h"
#include "file/ArgumentFile.h"

namespace deducto::cli {

namespace {

std::optional<int> NumberIn(std::string_view text, int low, int high) {
    int number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || number < low || number > high) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
    ParsedCommandLine parsed;
    CommandLine& command = parsed.command;
    const auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    bool formatGiven = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        // An option's value may follow it as the next argument or after "=" ("-j2" too).
        std::optional<std::string_view> attached;
        if (!optionsEnded && arg.substr(0, 2) == "--" && arg.find('=') != std::string_view::npos) {
            attached = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        } else if (!optionsEnded && arg.size() > 2 && arg.substr(0, 2) == "-j") {
            attached = arg.substr(2);
            arg = "-j";
        }
        const auto value = [&](std::string_view& out) {
            if (attached) {
                out = *attached;
                return true;
            }
            if (i + 1 == argc) return false;
            out = argv[++i];
            return true;
        };
        std::string_view given;
        if (optionsEnded || arg == "-" || arg.empty() || arg.front() != '-') {
            command.paths.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            return parsed;
        } else if (arg == "--version") {
            parsed.version = true;
            return parsed;
        } else if (arg == "--details") {
            command.text.details = true;
        } else if (arg == "--explain") {
            command.explain = true;
        } else if (arg == "--world") {
            command.world = true;
        } else if (arg == "--json") {
            command.json = true;
        } else if (arg == "--grade") {
            command.grade = true;
        } else if (arg == "--true-only") {
            command.options.showTrueOnly = true;
        } else if (arg == "--false-only") {
            command.options.showFalseOnly = true;
        } else if (arg == "--no-simplify") {
            command.options.eliminateUnneeded = false;
        } else if (arg == "--table") {
            if (!value(given)) return fail("--table needs a line number");
            const std::optional<int> index = NumberIn(given, 0, kMaxPremises);
            if (!index) return fail("--table takes a line number from 0 (the conclusion) to 8");
            command.text.tables.push_back(*index);
        } else if (arg == "--format") {
            if (!value(given)) return fail("--format needs a format");
            const std::optional<TableFormat> format = TableFormatNamed(given);
            if (!format) {
                return fail("unknown table format " + Quoted(given) +
                            " (expected text, csv, markdown or latex)");
            }
            command.text.format = *format;
            formatGiven = true;
        } else if (arg == "-j" || arg == "--jobs") {
            if (!value(given)) return fail(std::string(arg) + " needs a number of threads");
            const std::optional<int> jobs = NumberIn(given, 1, kMaxJobs);
            if (!jobs) {
                return fail(std::string(arg) + " takes a number of threads from 1 to " +
                            std::to_string(kMaxJobs));
            }
            command.jobs = *jobs;
        } else {
            return fail("unknown option " + Quoted(arg));
        }
        if (attached && arg != "--table" && arg != "--format" && arg != "--jobs" && arg != "-j") {
            return fail(Quoted(arg) + " takes no value");
        }
    }
    if (command.options.showTrueOnly && command.options.showFalseOnly) {
        return fail("--true-only and --false-only cannot be used together");
    }
    if (command.grade && (command.json || command.text.details || !command.text.tables.empty())) {
        return fail(
            "--grade prints only the grades: it cannot be used with --json, --details "
            "or --table");
    }
    if (formatGiven && command.json) return fail("--format and --json cannot be used together");
    if (formatGiven && command.text.tables.empty()) {
        return fail("--format applies to the tables of --table, and none was asked for");
    }
    if (command.paths.empty()) return fail("no argument file given");
    if (std::count(command.paths.begin(), command.paths.end(), "-") > 1) {
        return fail("standard input (\"-\") can be read only once");
    }
    return parsed;
}

}  // namespace deducto::cli

#include "CommandLine.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "Lines.h"
#include "Usage.h"
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

// One argument that starts with "-": the option's name as typed, and a value given with it,
// after "=" ("--jobs=2") or straight after a short name that takes one ("-j2").
struct OptionWord {
    std::string_view name;
    std::optional<std::string_view> attached;
};

OptionWord SplitOption(std::string_view arg) {
    if (arg.substr(0, 2) == "--") {
        const std::size_t equals = arg.find('=');
        if (equals == std::string_view::npos) return {arg, std::nullopt};
        return {arg.substr(0, equals), arg.substr(equals + 1)};
    }
    const OptionHelp* shortOption = FindOption(arg.substr(0, 2));
    if (arg.size() > 2 && shortOption != nullptr && TakesValue(*shortOption)) {
        return {arg.substr(0, 2), arg.substr(2)};
    }
    return {arg, std::nullopt};
}

// Walks the arguments one by one; each step reads one option (and its value) or one path.
class ArgumentReader {
public:
    ArgumentReader(int argc, const char* const* argv) : argc_(argc), argv_(argv) {}

    [[nodiscard]] ParsedCommandLine Read() {
        for (next_ = 1; next_ < argc_;) {
            const std::string_view arg = argv_[next_++];
            if (optionsEnded_ || arg == "-" || arg.empty() || arg.front() != '-') {
                parsed_.command.paths.emplace_back(arg);
                continue;
            }
            const OptionWord word = SplitOption(arg);
            if (word.name == "--") {  // every argument after it is a file
                if (word.attached) {
                    parsed_.error = Quoted(word.name) + " takes no value";
                    return parsed_;
                }
                optionsEnded_ = true;
            } else if (!ReadOption(word) || parsed_.help || parsed_.version) {
                return parsed_;
            }
        }
        parsed_.error = CombinationError();
        return parsed_;
    }

private:
    // False when the arguments end here: a mistake, or an option that answers at once.
    bool ReadOption(const OptionWord& word) {
        const OptionHelp* option = FindOption(word.name);
        if (option == nullptr) return Fail("unknown option " + Quoted(word.name));
        std::string_view value;
        if (TakesValue(*option)) {
            if (word.attached) {
                value = *word.attached;
            } else if (next_ < argc_) {
                value = argv_[next_++];
            } else {
                return Fail(std::string(word.name) + " needs " + option->what);
            }
        }
        if (!Apply(option->key, word.name, value)) return false;
        if (word.attached && !TakesValue(*option)) {
            return Fail(Quoted(word.name) + " takes no value");
        }
        return true;
    }

    bool Apply(OptionKey key, std::string_view name, std::string_view value) {
        CommandLine& command = parsed_.command;
        switch (key) {
            case OptionKey::Help:
                parsed_.help = true;
                return false;
            case OptionKey::Version:
                parsed_.version = true;
                return false;
            case OptionKey::Details:
                command.text.details = true;
                return true;
            case OptionKey::Explain:
                command.explain = true;
                return true;
            case OptionKey::World:
                command.world = true;
                return true;
            case OptionKey::Tree:
                command.tree = true;
                return true;
            case OptionKey::Json:
                command.json = true;
                return true;
            case OptionKey::Grade:
                command.grade = true;
                return true;
            case OptionKey::TrueOnly:
                command.options.showTrueOnly = true;
                return true;
            case OptionKey::FalseOnly:
                command.options.showFalseOnly = true;
                return true;
            case OptionKey::NoSimplify:
                command.options.eliminateUnneeded = false;
                return true;
            case OptionKey::Steps:
                command.text.steps = true;
                command.options.eliminateUnneeded = false;
                return true;
            case OptionKey::ArgumentTable:
                command.text.argumentTable = true;
                return true;
            case OptionKey::Table:
                return ApplyTable(value);
            case OptionKey::Format:
                return ApplyFormat(value);
            case OptionKey::Key:
                return ApplyPath(name, value, command.key);
            case OptionKey::Equivalence:
                command.equivalence = true;
                return true;
            case OptionKey::AnyOrder:
                command.anyOrder = true;
                return true;
            case OptionKey::Report:
                return ApplyPath(name, value, command.report);
            case OptionKey::Recursive:
                command.recursive = true;
                return true;
            case OptionKey::FilesFrom:
                return ApplyPath(name, value, command.filesFrom);
            case OptionKey::Jobs:
                return ApplyJobs(name, value);
        }
        return true;
    }

    bool ApplyTable(std::string_view value) {
        const std::optional<int> index = NumberIn(value, 0, kMaxPremises);
        if (!index) return Fail("--table takes a line number from 0 (the conclusion) to 8");
        parsed_.command.text.tables.push_back(*index);
        return true;
    }

    bool ApplyFormat(std::string_view value) {
        const std::optional<TableFormat> format = TableFormatNamed(value);
        if (!format) {
            return Fail("unknown table format " + Quoted(value) +
                        " (expected text, csv, markdown or latex)");
        }
        parsed_.command.text.format = *format;
        formatGiven_ = true;
        return true;
    }

    bool ApplyPath(std::string_view name, std::string_view value, std::string& path) {
        if (value.empty()) return Fail(std::string(name) + " needs a file name");
        if (!path.empty()) return Fail(std::string(name) + " can be given only once");
        path = value;
        return true;
    }

    bool ApplyJobs(std::string_view name, std::string_view value) {
        const std::optional<int> jobs = NumberIn(value, 1, kMaxJobs);
        if (!jobs) {
            return Fail(std::string(name) + " takes a number of threads from 1 to " +
                        std::to_string(kMaxJobs));
        }
        parsed_.command.jobs = *jobs;
        return true;
    }

    // What is wrong with the options taken together; empty when nothing is.
    [[nodiscard]] std::string CombinationError() const {
        const CommandLine& command = parsed_.command;
        if (command.options.showTrueOnly && command.options.showFalseOnly) {
            return "--true-only and --false-only cannot be used together";
        }
        if (command.grade && (command.text.details || !command.text.tables.empty())) {
            return "--grade prints only the grades: it cannot be used with --details or --table";
        }
        if (!command.grade) {
            for (const auto& [given, name] : {std::pair{!command.key.empty(), "--key"},
                                              std::pair{command.equivalence, "--equivalence"},
                                              std::pair{command.anyOrder, "--any-order"},
                                              std::pair{!command.report.empty(), "--report"}}) {
                if (given) return std::string(name) + " applies only with --grade";
            }
        }
        if (command.equivalence && command.key.empty()) {
            return "--equivalence compares lines with an answer key: give one with --key";
        }
        if (command.anyOrder && !command.equivalence) {
            return "--any-order applies only with --equivalence";
        }
        if (command.grade && command.text.argumentTable) {
            return "--grade prints only the grades: it cannot be used with --argument-table";
        }
        const bool tables = !command.text.tables.empty() || command.text.argumentTable;
        if (formatGiven_ && command.json) return "--format and --json cannot be used together";
        if (formatGiven_ && command.tree && command.text.format != TableFormat::Latex) {
            return "--tree is written as text or, with --format latex, as LaTeX";
        }
        if (formatGiven_ && !tables && !command.tree) {
            return "--format applies to the tables of --table, and none was asked for";
        }
        if (command.text.steps && !tables && !command.json) {
            return "--steps applies to the tables of --table and --argument-table, and none was "
                   "asked for";
        }
        if (command.paths.empty() && command.filesFrom.empty()) return "no argument file given";
        if (std::count(command.paths.begin(), command.paths.end(), "-") +
                (command.filesFrom == "-" ? 1 : 0) >
            1) {
            return "standard input (\"-\") can be read only once";
        }
        return {};
    }

    bool Fail(std::string message) {
        parsed_.error = std::move(message);
        return false;
    }

    int argc_;
    const char* const* argv_;
    int next_ = 1;
    bool optionsEnded_ = false;
    bool formatGiven_ = false;
    ParsedCommandLine parsed_;
};

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
    return ArgumentReader(argc, argv).Read();
}

}  // namespace deducto::cli

// deducto-check's command line read against its option table: every option with its value,
// given apart or attached, and the mistakes refused with the message a user reads.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Usage.h"

namespace deducto::cli {
namespace {

ParsedCommandLine Parse(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"deducto-check"};
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

struct Accepted {
    const char* name;
    std::vector<std::string> args;  // a file ("f") is added after them
    bool (*holds)(const ParsedCommandLine&);
};
void PrintTo(const Accepted& row, std::ostream* os) { *os << row.name; }

class OptionsAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(OptionsAccepted, SetWhatTheyName) {
    std::vector<std::string> args = GetParam().args;
    args.push_back("f");
    const ParsedCommandLine parsed = Parse(args);
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(GetParam().holds(parsed));
    if (!parsed.help && !parsed.version) {
        EXPECT_EQ(parsed.command.paths.back(), "f");
    }
}

const Accepted kAccepted[] = {
    {"Details", {"--details"}, [](const auto& p) { return p.command.text.details; }},
    {"Table",
     {"--table", "3"},
     [](const auto& p) { return p.command.text.tables == std::vector{3}; }},
    {"TableAttached",
     {"--table=0", "--table", "8"},
     [](const auto& p) {
         return p.command.text.tables == std::vector{0, 8};
     }},
    {"Format",
     {"--format", "csv", "--table", "1"},
     [](const auto& p) { return p.command.text.format == TableFormat::Csv; }},
    {"FormatAttached",
     {"--format=latex", "--table=1"},
     [](const auto& p) { return p.command.text.format == TableFormat::Latex; }},
    {"TrueOnly", {"--true-only"}, [](const auto& p) { return p.command.options.showTrueOnly; }},
    {"FalseOnly", {"--false-only"}, [](const auto& p) { return p.command.options.showFalseOnly; }},
    {"NoSimplify",
     {"--no-simplify"},
     [](const auto& p) { return !p.command.options.eliminateUnneeded; }},
    {"StepsKeepEveryColumn",
     {"--steps", "--table", "0"},
     [](const auto& p) { return p.command.text.steps && !p.command.options.eliminateUnneeded; }},
    {"StepsInJson", {"--steps", "--json"}, [](const auto& p) { return p.command.text.steps; }},
    {"ArgumentTableInAFormat",
     {"--argument-table", "--format", "csv"},
     [](const auto& p) {
         return p.command.text.argumentTable && p.command.text.format == TableFormat::Csv;
     }},
    {"Explain", {"--explain"}, [](const auto& p) { return p.command.explain; }},
    {"World", {"--world"}, [](const auto& p) { return p.command.world; }},
    {"Tree", {"--tree"}, [](const auto& p) { return p.command.tree; }},
    {"TreeInLatex",
     {"--tree", "--format", "latex"},
     [](const auto& p) { return p.command.tree && p.command.text.format == TableFormat::Latex; }},
    {"Json", {"--json"}, [](const auto& p) { return p.command.json; }},
    {"Grade", {"--grade"}, [](const auto& p) { return p.command.grade; }},
    {"Key",
     {"--key", "key", "--grade"},
     [](const auto& p) { return p.command.key == "key" && p.command.grade; }},
    {"Equivalence",
     {"--equivalence", "--grade", "--key=k"},
     [](const auto& p) { return p.command.equivalence && p.command.key == "k"; }},
    {"AnyOrder",
     {"--any-order", "--equivalence", "--grade", "--key", "k"},
     [](const auto& p) { return p.command.anyOrder; }},
    {"Report",
     {"--report", "grades.csv", "--grade"},
     [](const auto& p) { return p.command.report == "grades.csv"; }},
    {"RecursiveShort", {"-r"}, [](const auto& p) { return p.command.recursive; }},
    {"Recursive", {"--recursive"}, [](const auto& p) { return p.command.recursive; }},
    {"FilesFrom", {"--files-from", "-"}, [](const auto& p) { return p.command.filesFrom == "-"; }},
    {"GradeWithJson",
     {"--grade", "--json"},
     [](const auto& p) { return p.command.grade && p.command.json; }},
    {"JobsShort", {"-j", "4"}, [](const auto& p) { return p.command.jobs == 4; }},
    {"JobsShortAttached", {"-j64"}, [](const auto& p) { return p.command.jobs == 64; }},
    {"Jobs", {"--jobs", "1"}, [](const auto& p) { return p.command.jobs == 1; }},
    {"JobsAttached", {"--jobs=7"}, [](const auto& p) { return p.command.jobs == 7; }},
    {"Version", {"--version"}, [](const auto& p) { return p.version; }},
    {"HelpShort", {"-h"}, [](const auto& p) { return p.help; }},
    {"Help", {"--help"}, [](const auto& p) { return p.help; }},
    {"HelpBeforeAMistake", {"--help", "--bogus"}, [](const auto& p) { return p.help; }},
    {"FilesAfterTheEnd",
     {"--", "--json", "-"},
     [](const auto& p) { return p.command.paths.size() == 3 && !p.command.json; }},
};

INSTANTIATE_TEST_SUITE_P(Options, OptionsAccepted, ::testing::ValuesIn(kAccepted),
                         [](const auto& row) { return std::string(row.param.name); });

// An option added to the table without a row above would go untested.
TEST(OptionTable, EveryNameIsAccepted) {
    std::set<std::string> tried;
    for (const Accepted& row : kAccepted) tried.insert(row.args.front());
    for (const OptionHelp& option : OptionTable()) {
        std::string names = option.names;
        for (std::size_t at = 0; at != std::string::npos;) {
            const std::size_t comma = names.find(", ", at);
            const std::string name = names.substr(at, comma - at);
            EXPECT_TRUE(tried.count(name) > 0) << name;
            at = comma == std::string::npos ? comma : comma + 2;
        }
    }
}

struct Refused {
    const char* name;
    std::vector<std::string> args;
    const char* error;
};
void PrintTo(const Refused& row, std::ostream* os) { *os << row.name; }

class OptionsRefused : public ::testing::TestWithParam<Refused> {};

TEST_P(OptionsRefused, WithTheMessageShown) {
    const ParsedCommandLine parsed = Parse(GetParam().args);
    EXPECT_EQ(parsed.error, GetParam().error);
    EXPECT_FALSE(parsed.help || parsed.version);
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, OptionsRefused,
    ::testing::Values(
        Refused{"Unknown", {"--frobnicate", "f"}, "unknown option \"--frobnicate\""},
        Refused{"UnknownWithValue", {"--frobnicate=2", "f"}, "unknown option \"--frobnicate\""},
        Refused{"UnknownShort", {"-x", "f"}, "unknown option \"-x\""},
        Refused{"TreeInCsv",
                {"--tree", "--format", "csv", "f"},
                "--tree is written as text or, with --format latex, as LaTeX"},
        Refused{"ShortWithoutValueJoined", {"-hx", "f"}, "unknown option \"-hx\""},
        Refused{"LongWithOneDash", {"-help", "f"}, "unknown option \"-help\""},
        Refused{"TableMissing", {"f", "--table"}, "--table needs a line number"},
        Refused{"FormatMissing", {"f", "--format"}, "--format needs a format"},
        Refused{"JobsShortMissing", {"f", "-j"}, "-j needs a number of threads"},
        Refused{"JobsMissing", {"f", "--jobs"}, "--jobs needs a number of threads"},
        Refused{"TableOutOfRange",
                {"--table", "9", "f"},
                "--table takes a line number from 0 (the conclusion) to 8"},
        Refused{"TableEmpty",
                {"--table=", "f"},
                "--table takes a line number from 0 (the conclusion) to 8"},
        Refused{"FormatUnknown",
                {"--format", "xml", "--table", "0", "f"},
                "unknown table format \"xml\" (expected text, csv, markdown or latex)"},
        Refused{"JobsZero", {"-j0", "f"}, "-j takes a number of threads from 1 to 64"},
        Refused{"JobsTooMany", {"--jobs=65", "f"}, "--jobs takes a number of threads from 1 to 64"},
        Refused{"JobsNotANumber",
                {"--jobs", "x", "f"},
                "--jobs takes a number of threads from 1 to 64"},
        Refused{"ValueForAFlag", {"--details=yes", "f"}, "\"--details\" takes no value"},
        Refused{"ValueForTheEnd", {"--=x", "f"}, "\"--\" takes no value"},
        Refused{"TrueAndFalseOnly",
                {"--true-only", "--false-only", "f"},
                "--true-only and --false-only cannot be used together"},
        Refused{"GradeWithDetails",
                {"--grade", "--details", "f"},
                "--grade prints only the grades: it cannot be used with --details or --table"},
        Refused{"KeyWithoutGrade", {"--key", "k", "f"}, "--key applies only with --grade"},
        Refused{
            "ReportWithoutGrade", {"--report=r.csv", "f"}, "--report applies only with --grade"},
        Refused{"EquivalenceWithoutKey",
                {"--grade", "--equivalence", "f"},
                "--equivalence compares lines with an answer key: give one with --key"},
        Refused{"AnyOrderWithoutEquivalence",
                {"--grade", "--key", "k", "--any-order", "f"},
                "--any-order applies only with --equivalence"},
        Refused{"KeyTwice",
                {"--grade", "--key", "a", "--key", "b", "f"},
                "--key can be given only once"},
        Refused{"ReportEmpty", {"--grade", "--report=", "f"}, "--report needs a file name"},
        Refused{"ListAndFileFromStandardInput",
                {"--files-from", "-", "-"},
                "standard input (\"-\") can be read only once"},
        Refused{"FormatWithJson",
                {"--json", "--format", "csv", "--table", "0", "f"},
                "--format and --json cannot be used together"},
        Refused{"FormatWithoutTable",
                {"--format", "csv", "f"},
                "--format applies to the tables of --table, and none was asked for"},
        Refused{"StepsWithoutTable",
                {"--steps", "f"},
                "--steps applies to the tables of --table and --argument-table, and none was "
                "asked for"},
        Refused{"GradeWithArgumentTable",
                {"--grade", "--argument-table", "f"},
                "--grade prints only the grades: it cannot be used with --argument-table"},
        Refused{"NoFile", {"--json"}, "no argument file given"},
        Refused{"StandardInputTwice", {"-", "-"}, "standard input (\"-\") can be read only once"}),
    [](const auto& row) { return std::string(row.param.name); });

// Every option that takes no value refuses one, whatever its name.
TEST(OptionTable, FlagsRefuseAnAttachedValue) {
    for (const OptionHelp& option : OptionTable()) {
        if (TakesValue(option) || option.key == OptionKey::Help ||
            option.key == OptionKey::Version) {
            continue;
        }
        // The long name: a short one followed by "=" is no option.
        const std::string names = option.names;
        const std::string name = names.substr(names.rfind(' ') + 1);
        EXPECT_EQ(Parse({name + "=1", "f"}).error, "\"" + name + "\" takes no value");
    }
}

}  // namespace
}  // namespace deducto::cli

// Where the checker's words go and whether they arrive: a failed write is a failure, every
// message on standard error names its file, a silent failure says where reading stopped, and
// file names are made safe for the table formats' captions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileCaption.h"
#include "RunChecker.h"

namespace deducto::cli::testing {
namespace {

constexpr int kUsage = 1;
constexpr int kLineFailed = 2;

::testing::AssertionResult Contains(const std::string& text, const std::string& fragment) {
    if (text.find(fragment) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << fragment << "\" in:\n" << text;
}

struct FullDisk {
    const char* name;
    std::vector<std::string> args;  // "@" stands for an argument file
};
void PrintTo(const FullDisk& c, std::ostream* os) { *os << c.name; }

class WritingToAFullDevice : public ::testing::TestWithParam<FullDisk> {};

// Before, each of these exited 0 with nothing said: the report was lost without a word.
TEST_P(WritingToAFullDevice, FailsWithAMessage) {
    const std::string file = TempFile("Premise: p\nConclusion: p or q\n");
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "@") arg = file;
    }
    const CheckerRun run = RunChecker(args, "", {.unprivileged = false, .outputTo = "/dev/full"});
    EXPECT_EQ(run.exitStatus, kUsage);
    EXPECT_TRUE(Contains(run.err, "deducto-check: cannot write to standard output"));
}

INSTANTIATE_TEST_SUITE_P(
    Output, WritingToAFullDevice,
    ::testing::Values(FullDisk{"Version", {"--version"}}, FullDisk{"Help", {"--help"}},
                      FullDisk{"Report", {"@"}}, FullDisk{"Json", {"--json", "@"}},
                      FullDisk{"Grade", {"--grade", "@"}},
                      FullDisk{"CsvOfTwoFiles", {"--format", "csv", "--table", "0", "@", "@"}},
                      FullDisk{"OnThreads", {"-j", "2", "@", "@", "@"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct Named {
    const char* name;
    std::vector<std::string> options;
    const char* argument;
    const char* message;  // expected on standard error after "FILE: "
};
void PrintTo(const Named& c, std::ostream* os) { *os << c.name; }

class StandardErrorMessages : public ::testing::TestWithParam<Named> {};

TEST_P(StandardErrorMessages, NameTheirFile) {
    const Named& c = GetParam();
    const std::string file = TempFile(c.argument);
    std::vector<std::string> args = c.options;
    args.push_back(file);
    const CheckerRun run = RunChecker(args);
    EXPECT_TRUE(Contains(run.err, file + ": " + c.message));
    for (std::size_t at = 0; at < run.err.size(); at = run.err.find('\n', at) + 1) {
        if (run.err.compare(at, 4, "    ") == 0) continue;  // the message's own lines
        EXPECT_EQ(run.err.compare(at, file.size(), file), 0) << run.err.substr(at);
        if (run.err.find('\n', at) == std::string::npos) break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Output, StandardErrorMessages,
    ::testing::Values(
        Named{"TermRefusal",
              {},
              "Mode: natural language\nTerm: class noun: man\nTerm: adjective: nonman\n"
              "Conclusion: Socrates is a man.\n",
              "Term on line 3: Term conflicts with an existing term.\n"},
        Named{"NaturalLanguageRequest",
              {},
              "Mode: natural language\nTerm: adjective: red\nConclusion: Every bus is red.\n",
              "Conclusion:\n    Please define the following terms:"},
        Named{"MissingTableInCsv",
              {"--format", "csv", "--table", "1"},
              "Premise: p and\nConclusion: p\n",
              "Premise 1 has no truth table.\n"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Silent {
    const char* name;
    const char* mode;
    const char* line;
    const char* where;  // the note under the marked line
};
void PrintTo(const Silent& c, std::ostream* os) { *os << c.name; }

class SilentFailures : public ::testing::TestWithParam<Silent> {};

// The parser says nothing about these: the mark and the note are all the reader gets.
TEST_P(SilentFailures, SayWhereReadingStopped) {
    const Silent& c = GetParam();
    const CheckerRun run = RunChecker(
        {"-"}, std::string("Mode: ") + c.mode + "\nPremise: " + c.line + "\nConclusion: p\n");
    EXPECT_EQ(run.exitStatus, kLineFailed);
    EXPECT_TRUE(Contains(run.out, " <-- ERROR "));
    EXPECT_TRUE(Contains(run.out, std::string("\n    reading stopped after character ") + c.where +
                                      ", with no message\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Output, SilentFailures,
    ::testing::Values(
        Silent{"DoubledConnective", "propositional", "p implies implies q", "17 of 19"},
        Silent{"EndsInAConnective", "propositional", "p and", "5 of 5"},
        Silent{"SetTheoryUnionWithoutOperand", "set theory", "A union = B", "11 of 11"},
        // Counted in the line as shown, where the symbols typed became their words.
        Silent{"AfterSymbols", "propositional", "¬p ∧ ∧ q", "13 of 15"}),
    [](const auto& row) { return std::string(row.param.name); });

struct Caption {
    const char* name;
    TableFormat format;
    const char* file;
    const char* shown;
};
void PrintTo(const Caption& c, std::ostream* os) { *os << c.name; }

class FileCaptions : public ::testing::TestWithParam<Caption> {};

TEST_P(FileCaptions, KeepTheFormatValid) {
    EXPECT_EQ(FileCaption(GetParam().file, GetParam().format), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Output, FileCaptions,
    ::testing::Values(Caption{"LatexKeepsSpecials", TableFormat::Latex, "a_b$%.deducto",
                              "a_b$%.deducto"},
                      Caption{"LatexLineEndCannotEndTheComment", TableFormat::Latex, "a\nb", "a?b"},
                      Caption{"MarkdownEscapes", TableFormat::Markdown, "a_b*c#[d].deducto",
                              "a\\_b\\*c\\#\\[d\\].deducto"},
                      Caption{"MarkdownKeepsPlainPunctuation", TableFormat::Markdown,
                              "ex-1,2.deducto", "ex-1,2.deducto"},
                      Caption{"CsvPlain", TableFormat::Csv, "a.deducto", "# File: a.deducto"},
                      Caption{"CsvCommaQuoted", TableFormat::Csv, "a,b", "\"# File: a,b\""},
                      Caption{"CsvQuoteDoubled", TableFormat::Csv, "a\"b", "\"# File: a\"\"b\""},
                      Caption{"CsvCarriageReturn", TableFormat::Csv, "a\rb", "# File: a?b"},
                      Caption{"TextKeepsName", TableFormat::Text, "ä_b.deducto", "ä_b.deducto"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::cli::testing

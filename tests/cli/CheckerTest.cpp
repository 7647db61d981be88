// deducto-check run as a process: verdicts of the worked examples, marked lines, limits,
// the JSON report and the usage errors, each with its exit status.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "RunChecker.h"
#include "support/CaseNames.h"

namespace deducto::cli::testing {

using deducto::testing::Joined;
namespace {

// Shows the whole output when a fragment is missing.
::testing::AssertionResult Contains(const std::string& text, const std::string& fragment) {
    if (text.find(fragment) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << fragment << "\" in:\n" << text;
}

constexpr int kEvaluated = 0;
constexpr int kUsage = 1;
constexpr int kLineFailed = 2;
constexpr int kLimit = 3;

std::string PropositionalExampleWith(const std::string& premise1) {
    return "Mode: propositional\nPremise: " + premise1 +
           "\nPremise: k iff (t and a)\nPremise: s or not t\nPremise: (not p) implies u\n"
           "Premise: (s implies c) and (c implies s)\nPremise: a and not c\nPremise: r\n"
           "Conclusion: u\n";
}

struct Example {
    const char* name;
    const char* sample;
    const char* verdict;
    std::vector<const char*> details;  // fragments of the failing cases
};
void PrintTo(const Example& c, std::ostream* os) { *os << c.sample; }

class WorkedExamples : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, GiveTheirVerdict) {
    const Example& e = GetParam();
    const CheckerRun run = RunChecker({"--details", SamplePath(e.sample)});
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    EXPECT_TRUE(Contains(run.out, std::string("\n") + e.verdict + "\n"));
    for (const char* fragment : e.details) EXPECT_TRUE(Contains(run.out, fragment));
    if (e.details.empty()) {
        EXPECT_FALSE(Contains(run.out, "following case(s)"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, WorkedExamples,
    ::testing::Values(
        // Fails when the weatherman predicts rain but is not knowledgeable.
        Example{"PropositionalExample",
                "propositional_example.deducto",
                "The conclusion does not follow.",
                {"The conclusion is false in the following case(s):\n", ">> ", "k is false",
                 "r is true", "u is false"}},
        Example{
            "PredicateExample", "predicate_example.deducto", "The conclusion is always true.", {}},
        Example{
            "SetTheoryExample", "set_theory_example.deducto", "The conclusion is always true.", {}},
        Example{"NaturalLanguageExample",
                "natural_example.deducto",
                "The conclusion is always true.",
                {}}),
    [](const auto& row) { return std::string(row.param.name); });

// Without "number" in premise 3 the square root of -1 need not be a number at all.
TEST(Checker, NaturalLanguageExampleFailsWithoutTheNumberInPremise3) {
    std::ifstream in(SamplePath("natural_example.deducto"));
    std::stringstream text;
    text << in.rdbuf();
    std::string argument = text.str();
    const std::string from = "The square root of -1 is an imaginary number.";
    argument.replace(argument.find(from), from.size(), "The square root of -1 is imaginary.");

    const CheckerRun run = RunChecker({"--json", "--details", "-"}, argument);
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    EXPECT_EQ((*json)["verdict"].string, "The conclusion does not follow.");
    EXPECT_FALSE((*json)["details"].array.empty());
    EXPECT_EQ((*json)["lexicon"].array.size(), 7u);
    EXPECT_EQ((*json)["lines"][0]["formula"].kind, Json::Kind::String);
}

TEST(Checker, ReadsStandardInputAndFollowsWithIffInPremise1) {
    const CheckerRun run = RunChecker({"-"}, PropositionalExampleWith("(r and k) iff p"));
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    EXPECT_TRUE(Contains(run.out, "\nThe conclusion is always true.\n"));
}

struct Failing {
    const char* name;
    const char* mode;
    const char* text;
    const char* marked;   // the line as printed, with the mark
    const char* message;  // "" when the parse fails silently
};
void PrintTo(const Failing& c, std::ostream* os) { *os << c.mode << ": " << c.text; }

class FailingLines : public ::testing::TestWithParam<Failing> {};

TEST_P(FailingLines, AreMarkedAndLeaveNoVerdict) {
    const Failing& f = GetParam();
    const CheckerRun run = RunChecker(
        {"-"}, std::string("Mode: ") + f.mode + "\nPremise: " + f.text + "\nConclusion: Pa\n");
    EXPECT_EQ(run.exitStatus, kLineFailed) << run.out;
    EXPECT_TRUE(Contains(run.out, std::string("Premise 1: ") + f.marked + "\n"));
    if (*f.message != '\0') {
        EXPECT_TRUE(Contains(run.out, f.message));
    }
    EXPECT_FALSE(Contains(run.out, "The conclusion"));
}

INSTANTIATE_TEST_SUITE_P(Typing, FailingLines,
                         ::testing::Values(Failing{"DoubleAnd", "predicate", "Pa and and Qa",
                                                   "Pa and and <-- ERROR  Qa", ""},
                                           Failing{"UnclosedParenthesis", "predicate", "(Pa",
                                                   "(Pa <-- ERROR ", "Missing right parenthesis"},
                                           Failing{"MissingVariable", "predicate", "forall Px",
                                                   "forall P <-- ERROR x", "Missing variable"},
                                           Failing{"SetTheoryUnopened", "set theory", "A subset B)",
                                                   "A subset B) <-- ERROR ", ""}),
                         [](const auto& row) { return std::string(row.param.name); });

// Symbols are read as keywords before parsing; one the mode has no keyword for stays, and
// the mark follows the whole of it.
INSTANTIATE_TEST_SUITE_P(
    Symbols, FailingLines,
    ::testing::Values(Failing{"DoubleWedge", "predicate", "Pa \u2227 \u2227 Qa",
                              "Pa and and <-- ERROR  Qa", ""},
                      Failing{"ElementSignInPredicate", "predicate", "Pa \u2227 a \u2208 P",
                              "Pa and a <-- ERROR  \u2208 P", ""},
                      Failing{"EmptySetSign", "predicate", "Pa\u2227\u2205",
                              "Pa and \u2205 <-- ERROR ", "Invalid character"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Checker, ReadsSymbolsAsTheKeywordsOfTheModeGivenLast) {
    const CheckerRun run = RunChecker(
        {"-"}, "Premise: \u2200x(Px \u2192 Qx)\nPremise: Pa\nConclusion: Qa\nMode: predicate\n");
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.out << run.err;
    EXPECT_TRUE(Contains(run.out, "Premise 1: forall x(Px implies Qx)\n")) << run.out;
    EXPECT_TRUE(Contains(run.out, "\n    \u2200x(Px \u2192 Qx)\n")) << run.out;
}

TEST(Checker, FailingLinesFromNinetyCharactersAlsoShowSyntaxError) {
    for (const int length : {89, 90}) {
        const std::string line = "p and " + std::string(length - 6, 'q');
        const CheckerRun run =
            RunChecker({"--json", "-"}, "Premise: " + line + "\nConclusion: p\n");
        EXPECT_EQ(run.exitStatus, kLineFailed);
        const std::optional<Json> json = ParseJson(run.out);
        ASSERT_TRUE(json) << run.out;
        const Json& messages = (*json)["messages"];
        ASSERT_EQ(messages.array.size(), length >= 90 ? 1u : 0u) << run.out;
        if (length >= 90) {
            EXPECT_EQ(messages[0].string, "Syntax error");
        }
    }
}

TEST(Checker, TooManyLettersStopsWithAClearMessage) {
    const std::string fifteenLetters =
        "Conclusion: a and b and c and d and e and f and g and h and i and j and k and l and m "
        "and n and o\n";
    const CheckerRun text = RunChecker({"-"}, fifteenLetters);
    EXPECT_EQ(text.exitStatus, kLimit);
    EXPECT_TRUE(Contains(text.out, "Not evaluated"));

    const CheckerRun run = RunChecker({"--json", "-"}, fifteenLetters);
    EXPECT_EQ(run.exitStatus, kLimit);
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    EXPECT_EQ((*json)["status"].string, "limit reached");
    const Json& line = (*json)["lines"][0];
    EXPECT_EQ(line["table"].kind, Json::Kind::Null);
    ASSERT_EQ((*json)["messages"].array.size(), 1u);
    const std::string& message = (*json)["messages"][0].string;
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(line["error"].string, message);
    EXPECT_TRUE(Contains(text.out, message));
}

TEST(Checker, NestingBeyondTheParserLimitStopsWithAClearMessage) {
    const std::string deep =
        "Conclusion: " + std::string(501, '(') + "p" + std::string(501, ')') + "\n";
    const CheckerRun run = RunChecker({"--json", "-"}, deep);
    EXPECT_EQ(run.exitStatus, kLimit);
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    const Json& line = (*json)["lines"][0];
    EXPECT_FALSE(line["error"].string.empty());
    EXPECT_EQ(line["errorPos"].kind, Json::Kind::Number);
}

TEST(Checker, ATermLineThatConflictsSaysWhy) {
    const CheckerRun run =
        RunChecker({"-"},
                   "Mode: natural language\nTerm: class noun: man\nTerm: adjective: nonman\n"
                   "Conclusion: Socrates is a man.\n");
    EXPECT_TRUE(Contains(run.err, "Term on line 3: Term conflicts with an existing term.\n"));
    EXPECT_FALSE(Contains(run.err, "Missing variant"));
}

// The checker declines every request to define terms; what it declined is the line's error.
TEST(Checker, ASentenceThatNeedsTermsShowsTheRequest) {
    const std::string argument =
        "Mode: natural language\nTerm: adjective: red\nConclusion: Every bus is red.\n";
    const std::string request = "Please define the following terms:  BUS.";
    const CheckerRun text = RunChecker({"-"}, argument);
    EXPECT_EQ(text.exitStatus, kLineFailed);
    EXPECT_TRUE(Contains(text.err, request));

    const CheckerRun run = RunChecker({"--json", "-"}, argument);
    EXPECT_EQ(run.exitStatus, kLineFailed);
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    EXPECT_EQ((*json)["lines"][0]["error"].string, request);
    ASSERT_FALSE((*json)["messages"].array.empty());
    EXPECT_EQ((*json)["messages"][0].string, request);
}

TEST(Checker, JsonReportHoldsEveryLineInFileOrder) {
    const CheckerRun run = RunChecker({"--json", "-"},
                                      "Mode: predicate\nConclusion: exists x Px\nPremise: Pa\n"
                                      "Premise:\nPremise: forall x Px and exists x Qx\n");
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    const std::optional<Json> parsed = ParseJson(run.out);
    ASSERT_TRUE(parsed) << run.out;
    const Json& json = *parsed;
    EXPECT_EQ(json["mode"].string, "predicate");
    EXPECT_EQ(json["verdict"].string, "The conclusion is always true.");
    const Json& lines = json["lines"];
    ASSERT_EQ(lines.array.size(), 4u);
    const std::vector<int> indices = {0, 1, 2, 3};
    for (std::size_t i = 0; i < indices.size(); ++i) {
        EXPECT_EQ(lines[i]["index"].number, indices[i]);
        for (const char* key : {"text", "formula", "polish", "tokens", "error", "errorPos",
                                "scopeWarning", "table"}) {
            EXPECT_TRUE(lines[i].has(key)) << key;
        }
        EXPECT_EQ(lines[i]["error"].kind, Json::Kind::Null);
    }
    EXPECT_EQ(lines[0]["polish"].string, "Px5x");
    EXPECT_EQ(lines[2]["table"].kind, Json::Kind::Null);  // the empty slot
    EXPECT_EQ(lines[3]["scopeWarning"].string, "Meaning of variable x is scope-dependent.");
    const Json& table = lines[1]["table"];
    ASSERT_EQ(table.kind, Json::Kind::Object);
    EXPECT_EQ(table["terms"].array.size(), 1u);
    EXPECT_EQ(table["rows"].array.size(), table["values"].array.size());
    EXPECT_EQ(json["messages"].array.size(), 0u);
}

// Propositional rows are written once per number of letters and given again for each
// later table of that size: every table must still show its own full count-down.
TEST(Checker, JsonRowsOfTablesOfEverySize) {
    const CheckerRun run = RunChecker({"--json", "-"},
                                      "Premise: p or q\nPremise: r and s\nPremise: p\n"
                                      "Premise: a or b or c or d or e or f or g or h or i\n"
                                      "Conclusion: q implies p\n");
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    for (const Json& line : (*json)["lines"].array) {
        const Json& table = line["table"];
        const size_t n = table["terms"].array.size();
        const Json& rows = table["rows"];
        ASSERT_EQ(rows.array.size(), size_t{1} << n) << line["text"].string;
        for (size_t i = 0; i < rows.array.size(); ++i) {
            std::string expected;
            for (size_t j = 0; j < n; ++j) expected += (i >> (n - 1 - j)) & 1 ? 'F' : 'T';
            ASSERT_EQ(rows[i].string, expected) << line["text"].string << " row " << i;
        }
        EXPECT_EQ(table["values"].array.size(), rows.array.size());
    }
}

TEST(Checker, JsonReportStaysValidWhateverCharactersTheLineHolds) {
    const CheckerRun run =
        RunChecker({"--json", "-"}, "Conclusion: p\x01\x7f\xe2\x88\x85 \"q\\\t(\n");
    EXPECT_EQ(run.exitStatus, kLineFailed);
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    const Json& line = (*json)["lines"][0];
    EXPECT_EQ(line["error"].string, "Invalid character");
    EXPECT_EQ(line["errorPos"].number, 2);
    EXPECT_EQ((*json)["verdict"].kind, Json::Kind::Null);
}

// A file that is not UTF-8 is refused before anything is read from it, the file and the
// line named, as the window refuses it: its bytes never reach a report.
struct NotUtf8 {
    const char* name;
    std::vector<std::string> options;
    std::string content;
    int exitStatus;
    const char* out;  // "<file>" stands for the file's path
    const char* err;
};

class NotUtf8Files : public ::testing::TestWithParam<NotUtf8> {};

TEST_P(NotUtf8Files, AreRefusedWithTheirFileAndLine) {
    const NotUtf8& n = GetParam();
    const std::string path = TempFile(n.content);
    std::vector<std::string> args = n.options;
    args.push_back(path);
    const CheckerRun run = RunChecker(args);
    const auto filled = [&path](std::string text) {
        for (std::size_t at; (at = text.find("<file>")) != std::string::npos;) {
            text.replace(at, 6, path);
        }
        return text;
    };
    EXPECT_EQ(run.exitStatus, n.exitStatus);
    EXPECT_EQ(run.out, filled(n.out));
    EXPECT_EQ(run.err, filled(n.err));
}

constexpr const char* kLatin1 = "# Caf\xe9 logic\nMode: propositional\nConclusion: p\n";

INSTANTIATE_TEST_SUITE_P(
    Encodings, NotUtf8Files,
    ::testing::Values(NotUtf8{"Latin1Comment",
                              {},
                              kLatin1,
                              kUsage,
                              "",
                              "deducto-check: <file>: line 1: not UTF-8 text\n"},
                      NotUtf8{"Latin1Conclusion",
                              {"--details"},
                              "\xEF\xBB\xBFPremise: p\r\nConclusion: p \xe0 q\r\n",
                              kUsage,
                              "",
                              "deducto-check: <file>: line 2: not UTF-8 text\n"},
                      NotUtf8{"Json",
                              {"--json"},
                              kLatin1,
                              kUsage,
                              "{\"schema\":1,\"file\":\"<file>\",\"status\":\"file "
                              "error\",\"error\":\"<file>: line 1: not "
                              "UTF-8 text\"}\n",
                              "deducto-check: <file>: line 1: not UTF-8 text\n"},
                      NotUtf8{"Grade",
                              {"--grade"},
                              std::string(kLatin1) + "Expect: always true\n",
                              4,
                              "<file>: error: <file>: line 1: not UTF-8 text\n0 passed, 1 failed\n",
                              ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Checker, StandardInputThatIsNotUtf8IsNamed) {
    const CheckerRun run = RunChecker({"-"}, "Conclusion: p\nPremise: \xff\n");
    EXPECT_EQ(run.exitStatus, kUsage);
    EXPECT_EQ(run.err, "deducto-check: <stdin>: line 2: not UTF-8 text\n");
}

TEST(Checker, SetTheoryMarkFollowsTheSetNameWhereAVariableWasDue) {
    const std::string input = "Mode: set theory\nConclusion: forall A subset B\n";
    const CheckerRun text = RunChecker({"-"}, input);
    EXPECT_EQ(text.exitStatus, kLineFailed);
    EXPECT_TRUE(Contains(text.out, "Conclusion: forall A <-- ERROR  subset B\n")) << text.out;
    const CheckerRun run = RunChecker({"--json", "-"}, input);
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json) << run.out;
    EXPECT_EQ((*json)["lines"][0]["errorPos"].number, 8);
}

struct TableCase {
    const char* name;
    std::vector<std::string> options;
    std::vector<const char*> rows;  // the printed rows, in order
};
void PrintTo(const TableCase& c, std::ostream* os) { *os << Joined(c.options); }

class TruthTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(TruthTables, ShowTheRowsTheOptionsLetThrough) {
    std::vector<std::string> args = GetParam().options;
    args.insert(args.end(), {"--table", "0", "-"});
    const CheckerRun run = RunChecker(args, "Conclusion: (p and q) or (p and not q)\n");
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    const std::size_t table = run.out.find("Truth table of Conclusion");
    ASSERT_NE(table, std::string::npos) << run.out;
    std::string expected;
    for (const char* row : GetParam().rows) expected += std::string(row) + "\n";
    const std::size_t rule = run.out.find("┼", table);
    ASSERT_NE(rule, std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.find('\n', rule) + 1), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, TruthTables,
    ::testing::Values(
        TableCase{"Simplified", {}, {"T │ T", "F │ F"}},
        TableCase{
            "NotSimplified", {"--no-simplify"}, {"T  T │ T", "T  F │ T", "F  T │ F", "F  F │ F"}},
        TableCase{"TrueOnly", {"--no-simplify", "--true-only"}, {"T  T │ T", "T  F │ T"}},
        TableCase{"FalseOnly", {"--false-only"}, {"F │ F"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Checker, TableWithoutTermsIsTrueOrFalseInAllCases) {
    const CheckerRun run = RunChecker({"--table", "0", "-"}, "Conclusion: p and not p\n");
    EXPECT_EQ(run.exitStatus, kEvaluated);
    EXPECT_TRUE(Contains(run.out, "\nFALSE IN ALL CASES\n"));
}

struct Usage {
    const char* name;
    std::vector<std::string> args;  // "-" reads `input`
    std::string input;
    const char* complaint;  // a fragment of the message on standard error
};
void PrintTo(const Usage& c, std::ostream* os) { *os << Joined(c.args); }

class UsageErrors : public ::testing::TestWithParam<Usage> {};

TEST_P(UsageErrors, ExitOneWithAMessage) {
    const Usage& u = GetParam();
    const CheckerRun run = RunChecker(u.args, u.input);
    EXPECT_EQ(run.exitStatus, kUsage);
    EXPECT_TRUE(Contains(run.err, u.complaint));
    EXPECT_EQ(run.out, "");
}

const std::string kNinePremises = [] {
    std::string text;
    for (int i = 0; i < 9; ++i) text += "Premise: p\n";
    return text + "Conclusion: p\n";
}();

INSTANTIATE_TEST_SUITE_P(
    Mistakes, UsageErrors,
    ::testing::Values(
        Usage{"NoArgumentFile", {}, "", "no argument file"},
        Usage{"UnknownOption", {"--frobnicate", "-"}, "", "unknown option"},
        Usage{"TableLineOutOfRange", {"--table", "9", "-"}, "Conclusion: p\n", "--table"},
        Usage{"TrueOnlyWithFalseOnly",
              {"--true-only", "--false-only", "-"},
              "Conclusion: p\n",
              "together"},
        Usage{"MissingFile", {"/nonexistent/argument.txt"}, "", "cannot open"},
        Usage{"NinePremises", {"-"}, kNinePremises, "line 9: more than 8 premises"},
        Usage{"NoConclusion", {"-"}, "Premise: p\n", "no Conclusion"},
        Usage{"UnknownMode", {"-"}, "Mode: modal\nConclusion: p\n", "unknown mode \"modal\""},
        Usage{"UnknownKey", {"-"}, "Conclusion: p\nConclusio: q\n", "line 2: unknown key"},
        Usage{"NulByte", {"-"}, std::string("Conclusion: p\0q\n", 16), "NUL"},
        Usage{"FileTooLarge", {"-"}, std::string(2 << 20, 'p'), "larger than"},
        Usage{"ZeroJobs", {"-j", "0", "-"}, "Conclusion: p\n", "from 1 to 64"},
        Usage{"JobsNotANumber", {"--jobs=x", "-"}, "Conclusion: p\n", "from 1 to 64"},
        Usage{"StandardInputTwice", {"-", "-"}, "Conclusion: p\n", "only once"},
        Usage{"FormatWithoutTable", {"--format", "csv", "-"}, "Conclusion: p\n", "--table"},
        Usage{"UnknownTableFormat",
              {"--format=pdf", "--table", "0", "-"},
              "Conclusion: p\n",
              "unknown table format \"pdf\""},
        Usage{"GradeWithTable", {"--grade", "--table", "0", "-"}, "Conclusion: p\n", "--grade"},
        Usage{"DetailsWithValue", {"--details=yes", "-"}, "Conclusion: p\n", "takes no value"},
        Usage{"UnknownExpectedVerdict",
              {"-"},
              "Conclusion: p\nExpect: yes\n",
              "line 2: unknown verdict"},
        Usage{"SecondExpectLine",
              {"-"},
              "Conclusion: p\nExpect: always true\nExpect: always true\n",
              "line 3: a second Expect line"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace deducto::cli::testing

namespace deducto::cli::testing {
namespace {

TEST(Checker, ExplainNamesThePremisesUnderTheVerdict) {
    const CheckerRun run =
        RunChecker({"--explain", "-"}, PropositionalExampleWith("(r and k) iff p"));
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    EXPECT_TRUE(Contains(run.out,
                         "The conclusion is always true.\n"
                         "It follows from premises 1, 2, 3, 4, 5 and 6 alone.\n"));
    // Without the option the report is as before.
    EXPECT_FALSE(
        Contains(RunChecker({"-"}, PropositionalExampleWith("(r and k) iff p")).out, "alone"));
}

TEST(Checker, WorldShowsTheFirstFailingCaseWithEveryLine) {
    const CheckerRun run = RunChecker(
        {"--world", "-"},
        "Mode: predicate\nPremise: forall x (Px implies Qx)\nPremise: Pa or Rb\nConclusion: Qa\n");
    EXPECT_EQ(run.exitStatus, kEvaluated) << run.err;
    for (const char* line : {"(1 of 1), as a world:\n", "    P∩Q∩R: none\n",
                             "    P′∩Q′∩R: inhabited by b\n", "    P′∩Q′∩R′: inhabited by a\n",
                             "    Premise 2 is true: Pa ∨ Rb\n", "    Conclusion is false: Qa\n"}) {
        EXPECT_TRUE(Contains(run.out, line));
    }
}

TEST(Checker, JsonGainsExplanationAndWorldWhenAsked) {
    const CheckerRun valid = RunChecker({"--json", "--explain", "-"},
                                        "Premise: p\nPremise: r\nPremise: p implies q\n"
                                        "Conclusion: q\n");
    const std::optional<Json> parsed = ParseJson(valid.out);
    ASSERT_TRUE(parsed) << valid.out;
    const Json& explanation = (*parsed)["explanation"];
    EXPECT_EQ(explanation["verdict"].string, "The conclusion is always true.");
    ASSERT_EQ(explanation["premises"].array.size(), 2u);
    EXPECT_EQ(explanation["premises"][0].number, 1);
    EXPECT_EQ(explanation["premises"][1].number, 3);
    EXPECT_EQ((*parsed)["world"].kind, Json::Kind::Null);

    const CheckerRun failing =
        RunChecker({"--json", "--world", SamplePath("propositional_example.deducto")});
    const std::optional<Json> report = ParseJson(failing.out);
    ASSERT_TRUE(report) << failing.out;
    const Json& world = (*report)["world"];
    EXPECT_EQ(world["cases"].number, 1);
    std::string trueLetters;
    for (const Json& letter : world["true"].array) trueLetters += letter.string;
    EXPECT_EQ(trueLetters, "apr");
    ASSERT_EQ(world["lines"].array.size(), 8u);
    EXPECT_EQ(world["lines"][7]["value"].string, "F");
}

}  // namespace
}  // namespace deducto::cli::testing

// The checker's step and argument tables: on every worked example, fuzzing seed and benchmark
// workload the argument table's sentence says what the verdict says, and its tables come
// out in every format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RunCheck.h"
#include "RunChecker.h"
#include "StepOutput.h"
#include "file/ArgumentFile.h"
#include "file/ReadInput.h"
#include "truthtable/ArgumentTable.h"

namespace deducto::cli::testing {
namespace {

std::vector<std::string> FilesUnder(const std::string& folder) {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// What the sentence says, as a verdict.
Verdict SentenceVerdict(const std::string& sentence) {
    if (sentence == kPremisesInconsistentSentence) return Verdict::PremisesFalse;
    if (sentence == kConclusionTrueSentence) return Verdict::AlwaysTrue;
    if (sentence == kConclusionFalseSentence) return Verdict::AlwaysFalse;
    return sentence.rfind("In ", 0) == 0 ? Verdict::DoesNotFollow : Verdict::None;
}

struct Corpus {
    const char* name;
    const char* folder;
    bool steps;
};

class SentenceAgrees : public ::testing::TestWithParam<Corpus> {};

TEST_P(SentenceAgrees, WithTheVerdictOnEveryArgument) {
    const std::vector<std::string> files = FilesUnder(GetParam().folder);
    if (files.empty()) GTEST_SKIP() << "nothing in " << GetParam().folder;
    int evaluated = 0;
    for (const std::string& file : files) {
        const InputText input = ReadInput(file);
        if (!input.ok()) continue;
        // A fuzzing seed starts with one byte of options.
        const bool seed = GetParam().folder == std::string(DEDUCTO_FUZZ_ARGUMENTS_DIR);
        const ReadArgument read = ParseArgumentText(
            seed ? input.text.substr(std::min<size_t>(1, input.text.size())) : input.text);
        if (!read.ok()) continue;
        Options options;
        options.eliminateUnneeded = !GetParam().steps;
        const CheckReport report = RunCheck(read.argument, options);
        if (report.result != RunResult::Evaluated) continue;
        const ArgumentTable table = ArgumentTableOf(report, GetParam().steps);
        if (table.status.outcome == Outcome::LimitReached) continue;
        ASSERT_TRUE(table.status.ok()) << file << ": " << table.status.message;
        EXPECT_EQ(SentenceVerdict(table.sentence), report.verdict)
            << file << ": " << table.sentence;
        ++evaluated;
    }
    EXPECT_GT(evaluated, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SentenceAgrees,
    ::testing::Values(Corpus{"Samples", DEDUCTO_SAMPLES_DIR, false},
                      Corpus{"SamplesWithSteps", DEDUCTO_SAMPLES_DIR, true},
                      Corpus{"FuzzSeeds", DEDUCTO_FUZZ_ARGUMENTS_DIR, false},
                      Corpus{"FuzzSeedsWithSteps", DEDUCTO_FUZZ_ARGUMENTS_DIR, true},
                      Corpus{"Workloads", DEDUCTO_WORKLOADS_DIR, false},
                      Corpus{"WorkloadsWithSteps", DEDUCTO_WORKLOADS_DIR, true}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- the checker's output ----

constexpr const char* kArgument =
    "Premise: p implies q\nPremise: q or not r\nConclusion: p and not (q iff r)\n";

struct Printed {
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> expected;  // every one appears in the output
};

class StepTablesPrinted : public ::testing::TestWithParam<Printed> {};

TEST_P(StepTablesPrinted, InEveryFormat) {
    std::vector<std::string> args = GetParam().options;
    args.push_back(TempFile(kArgument));
    const CheckerRun run = RunChecker(args);
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    for (const std::string& text : GetParam().expected) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\nin\n" << run.out;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, StepTablesPrinted,
    ::testing::Values(
        Printed{"Text",
                {"--steps", "--table", "0"},
                {"p  q  r │ q ↔ r  ¬(q ↔ r) ║ p ∧ ¬(q ↔ r)\n", "T  T  F │ F      T        ║ T\n"}},
        Printed{"TrueOnly",
                {"--steps", "--table", "0", "--true-only", "--format", "csv"},
                {"p,q,r,q ↔ r,¬(q ↔ r),p ∧ ¬(q ↔ r)\r\nT,T,F,F,T,T\r\nT,F,T,F,T,T\r\n"}},
        Printed{"Markdown",
                {"--steps", "--table", "2", "--format", "markdown"},
                {"| q | r | ¬r | **q ∨ ¬r** |\n"}},
        Printed{"Latex",
                {"--steps", "--table", "0", "--format", "latex"},
                {"\\begin{tabular}{ccc|cc||c}\n",
                 "$p$ & $q$ & $r$ & $q \\leftrightarrow r$ & $\\lnot (q \\leftrightarrow r)$ & "
                 "$p \\land \\lnot (q \\leftrightarrow r)$ \\\\\n"}},
        Printed{"ArgumentText",
                {"--argument-table"},
                {"T  T  T ║ T         ║ T         ║ F            ║ counterexample\n",
                 "In 4 of the 5 rows where all premises are true the conclusion is false.\n"}},
        Printed{"ArgumentCsv",
                {"--argument-table", "--format", "csv"},
                {",,,Premise 1,Premise 2,Conclusion,\r\np,q,r,p → q,q ∨ ¬r,p ∧ ¬(q ↔ r),Mark\r\n",
                 "T,T,F,T,T,T,premises true\r\n"}},
        Printed{"ArgumentJson",
                {"--argument-table", "--steps", "--json"},
                {"\"steps\":[{\"formula\":\"q iff r\",\"polish\":\"qr6\",\"values\":\"TFFTTFFT\"},",
                 "\"marks\":\"CP--CC-C\"",
                 "\"sentence\":\"In 4 of the 5 rows where all premises are true the conclusion "
                 "is false.\""}}),
    [](const auto& row) { return std::string(row.param.name); });

// A line past the row limit has no table and no steps: the checker says so and stops with
// the limit's status.
TEST(StepTablesPrinted, PastTheRowLimitGiveTheMessage) {
    const CheckerRun run = RunChecker(
        {"--steps", "--table", "0", "--argument-table",
         TempFile("Conclusion: a or b or c or d or e or f or g or h or i or j or k or l or m or "
                  "n or o\n")});
    EXPECT_EQ(run.exitStatus, 3);
    EXPECT_NE(run.out.find("more than 16384 rows"), std::string::npos) << run.out << run.err;
    EXPECT_NE(run.out.find("Conclusion has no truth table."), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("The argument was not evaluated, so it has no table."),
              std::string::npos)
        << run.out;
}

// The LaTeX of a step table is a document body pdflatex accepts.
TEST(StepTablesPrinted, LatexCompiles) {
    if (std::system("command -v pdflatex > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdflatex is not installed";
    }
    const CheckerRun run = RunChecker(
        {"--steps", "--table", "0", "--argument-table", "--format", "latex", TempFile(kArgument)});
    ASSERT_EQ(run.exitStatus, 0);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "deducto-latex";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "steps.tex") << "\\documentclass{article}\\usepackage[utf8]{inputenc}"
                                        "\\begin{document}\n"
                                     << run.out << "\\end{document}\n";
    const std::string command = "cd " + dir.string() +
                                " && pdflatex -interaction=nonstopmode -halt-on-error steps.tex "
                                "> /dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << run.out;
}

}  // namespace
}  // namespace deducto::cli::testing

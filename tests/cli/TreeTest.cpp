// The truth tree through the checker: on every sample, benchmark workload and worst-case
// argument the tree agrees with the verdict, and --tree prints it as text, LaTeX and JSON.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "RunChecker.h"
#include "TreeReport.h"
#include "core/tree/TreeChecks.h"
#include "file/ArgumentFile.h"

namespace deducto::cli::testing {
namespace {

std::vector<std::string> ArgumentFilesUnder(const std::string& folder) {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && (extension == ".txt" || extension == ".deducto")) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Corpus {
    const char* name;
    const char* folder;
};

class TreeOnCorpus : public ::testing::TestWithParam<Corpus> {};

TEST_P(TreeOnCorpus, EveryTreeAgreesWithTheVerdict) {
    const std::vector<std::string> files = ArgumentFilesUnder(GetParam().folder);
    if (files.empty()) GTEST_SKIP() << "no arguments in " << GetParam().folder;
    int trees = 0;
    for (const std::string& file : files) {
        std::ifstream in(file);
        std::stringstream buffer;
        buffer << in.rdbuf();
        std::string text = buffer.str();
        // A fuzz seed starts with one byte of options for the fuzz target.
        if (!text.empty() && static_cast<unsigned char>(text[0]) < 0x20 && text[0] != '\n') {
            text.erase(0, 1);
        }
        const ReadArgument read = ParseArgumentText(text);
        if (!read.ok()) continue;
        const CheckReport report = RunCheck(read.argument, Options{});
        const std::unique_ptr<TruthTree> tree = TreeOf(report);
        if (!tree) continue;
        if (!tree->limitMessage().empty()) {
            EXPECT_FALSE(tree->finished()) << file;
            continue;
        }
        ++trees;
        EXPECT_EQ(deducto::testing::TreeFault(*tree, TreeInputOf(report), report.verdict), "")
            << file;
    }
    EXPECT_GT(trees, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TreeOnCorpus,
    ::testing::Values(Corpus{"Samples", DEDUCTO_SAMPLES_DIR},
                      Corpus{"Workloads", DEDUCTO_WORKLOADS_DIR},
                      Corpus{"WorstCases", DEDUCTO_SOURCE_DIR "/tests/core/truthtable/worst"},
                      Corpus{"FuzzSeeds", DEDUCTO_SOURCE_DIR "/fuzz/corpus/argument"}),
    [](const auto& row) { return std::string(row.param.name); });

struct TreeOutput {
    const char* name;
    std::vector<std::string> options;
    const char* argument;
    int exitStatus;
    std::vector<std::string> expected;  // each must occur in standard output, in order
};

class TreeOption : public ::testing::TestWithParam<TreeOutput> {};

TEST_P(TreeOption, PrintsTheTree) {
    const TreeOutput& t = GetParam();
    std::vector<std::string> args = t.options;
    args.push_back(TempFile(t.argument));
    const CheckerRun run = RunChecker(args);
    EXPECT_EQ(run.exitStatus, t.exitStatus) << run.err;
    size_t at = 0;
    for (const std::string& piece : t.expected) {
        const size_t found = run.out.find(piece, at);
        ASSERT_NE(found, std::string::npos) << "missing " << piece << " in\n" << run.out;
        at = found + piece.size();
    }
}

constexpr const char* kModusPonens =
    "Mode: predicate\nPremise: forall x (Px implies Qx)\nPremise: Pa\nConclusion: Qa\n";
constexpr const char* kEmptyDomain =
    "Mode: predicate\nPremise: forall x exists y (Px and Qy)\nConclusion: exists y Qy\n";

INSTANTIATE_TEST_SUITE_P(
    Checker, TreeOption,
    ::testing::Values(
        TreeOutput{
            "ClosedTreeAsText",
            {"--tree"},
            kModusPonens,
            0,
            {"The conclusion is always true.", "Truth tree:", "1. ∀x(Px → Qx)   (premise 1)",
             "3. ¬Qa   (negated conclusion)", "4. Pa → Qa ✓   (∀ 1, a)", "× 2, 5", "× 3, 6"}},
        TreeOutput{"NestedQuantifiersRewrittenAndEmptyWorld",
                   {"--tree"},
                   kEmptyDomain,
                   0,
                   {"3. ∀x(Px ∧ ∃y Qy)   (quantifiers moved inward, 1)",
                    "○ the empty world: nothing exists"}},
        TreeOutput{"Latex",
                   {"--tree", "--format", "latex"},
                   kModusPonens,
                   0,
                   {"\\begin{forest}", "[{1.\\ $\\forall x(Px \\to Qx)$", "$\\times$ 2, 5",
                    "\\end{forest}"}},
        TreeOutput{"OtherFormatRefused", {"--tree", "--format", "csv"}, kModusPonens, 1, {}},
        TreeOutput{"TooLargeSaysSoInWords",
                   {"--tree"},
                   "Premise: ((a iff b) iff (c iff d)) iff ((e iff f) iff (g iff h))\n"
                   "Premise: ((i iff j) iff (k iff l)) iff ((m iff n) iff (a iff c))\n"
                   "Conclusion: (b iff d) iff (f iff h)\n",
                   0,
                   {"The conclusion does not follow.", "Truth tree:\n",
                    "The truth tree would have more than 5,000 nodes, too many to draw."}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TreeJson, NodesAndBranchesCarryTheirFields) {
    const CheckerRun run = RunChecker({"--tree", "--json", TempFile(kEmptyDomain)});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json);
    const Json& tree = (*json)["tree"];
    EXPECT_FALSE(tree["closed"].boolean);
    const Json& first = tree["nodes"][0];
    EXPECT_EQ(first["formula"].string, "forall x exists y (Px and Qy)");
    EXPECT_EQ(first["polish"].string, "PxQy15y4x");
    EXPECT_EQ(first["rule"].string, "premise");
    EXPECT_EQ(first["parent"].kind, Json::Kind::Null);
    const Json& rewritten = tree["nodes"][2];
    EXPECT_EQ(rewritten["rule"].string, "quantifiers moved inward");
    EXPECT_EQ(rewritten["from"].number, 1);
    ASSERT_EQ(tree["branches"].array.size(), 1u);
    const Json& branch = tree["branches"][0];
    EXPECT_FALSE(branch["closed"].boolean);
    EXPECT_TRUE(branch["world"]["inhabited"].array.empty());
    EXPECT_EQ(branch["world"]["lines"][0]["value"].string, "T");
    EXPECT_EQ(branch["world"]["lines"][1]["value"].string, "F");
}

TEST(TreeJson, ClosedBranchNamesItsContradiction) {
    const CheckerRun run = RunChecker({"--tree", "--json", TempFile(kModusPonens)});
    const std::optional<Json> json = ParseJson(run.out);
    ASSERT_TRUE(json);
    const Json& tree = (*json)["tree"];
    EXPECT_TRUE(tree["closed"].boolean);
    const Json& contradiction = tree["branches"][0]["contradiction"];
    EXPECT_EQ(contradiction[0].number, 2);
    EXPECT_EQ(contradiction[1].number, 5);
}

// A quantifier whose variable does not occur says nothing, in the empty world too: the
// world of the failing case once reported "Impossible error" here.
TEST(WorldOption, IdleQuantifierInTheEmptyWorldReadsAsTheTablesReadIt) {
    const CheckerRun run = RunChecker({"--world", TempFile("Mode: predicate\nPremise: forall x Qx\n"
                                                           "Conclusion: forall x exists y Qy\n")});
    EXPECT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out.find("Impossible error"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Conclusion is false"), std::string::npos) << run.out;
}

// Where the machine has pdflatex and the forest package, the LaTeX tree compiles.
TEST(TreeLatex, CompilesWithForest) {
    if (std::system("command -v pdflatex >/dev/null 2>&1") != 0 ||
        std::system("kpsewhich forest.sty >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no pdflatex with the forest package";
    }
    const CheckerRun run = RunChecker({"--tree", "--format", "latex", TempFile(kEmptyDomain)});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("deducto-tree-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "tree.tex") << "\\documentclass{article}\n\\usepackage{forest}\n"
                                          "\\begin{document}\n"
                                       << run.out << "\\end{document}\n";
    const std::string command = "cd '" + folder.string() +
                                "' && pdflatex -interaction=nonstopmode tree.tex >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "tree.pdf"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace deducto::cli::testing

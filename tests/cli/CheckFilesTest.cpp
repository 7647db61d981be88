// deducto-check over many files in one process: the same reports as one run per file, in
// file order whatever the number of threads, and grading against Expect lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "RunChecker.h"

namespace deducto::cli::testing {
namespace {

constexpr int kUsage = 1;
constexpr int kGradeFailed = 4;

std::vector<std::string> TextFilesUnder(const std::string& folder) {
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

// The worked examples and every benchmark workload, with a file that cannot be opened and
// one whose line fails among them, so that errors are seen in their place too.
std::vector<std::string> WholeSet() {
    std::vector<std::string> files = TextFilesUnder(DEDUCTO_SAMPLES_DIR);
    const std::vector<std::string> workloads = TextFilesUnder(DEDUCTO_WORKLOADS_DIR);
    files.insert(files.begin() + 1, "/nonexistent/argument.deducto");
    files.insert(files.end(), workloads.begin(), workloads.end());
    files.insert(files.begin() + static_cast<long>(files.size() / 2),
                 TempFile("Premise: p and\nConclusion: p\n"));
    return files;
}

// One run per file, made once for every test that compares with them.
const std::map<std::string, CheckerRun>& SingleRuns(const std::vector<std::string>& files) {
    static std::map<std::string, CheckerRun> runs;
    for (const std::string& file : files) {
        if (runs.count(file) == 0) runs.emplace(file, RunChecker({file}));
    }
    return runs;
}

class BatchOnThreads : public ::testing::TestWithParam<int> {};

TEST_P(BatchOnThreads, WholeBenchmarkSetReportsAsSingleRunsInFileOrder) {
    const std::vector<std::string> files = WholeSet();
    if (TextFilesUnder(DEDUCTO_WORKLOADS_DIR).empty()) {
        GTEST_SKIP() << "no workloads in " << DEDUCTO_WORKLOADS_DIR;
    }
    const std::map<std::string, CheckerRun>& singles = SingleRuns(files);
    std::string out;
    std::string err;
    int status = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const CheckerRun& single = singles.at(files[i]);
        out += (i == 0 ? "File: " : "\nFile: ") + files[i] + '\n' + single.out;
        err += single.err;
        status = std::max(status, single.exitStatus);
    }
    std::vector<std::string> args{"-j", std::to_string(GetParam())};
    args.insert(args.end(), files.begin(), files.end());
    const CheckerRun batch = RunChecker(args);
    EXPECT_EQ(batch.exitStatus, status);
    EXPECT_EQ(batch.out, out);
    EXPECT_EQ(batch.err, err);
}

// JSON Lines: each file's object is the one a run of its own prints, its file named.
TEST_P(BatchOnThreads, JsonLinesHoldOneObjectPerFileInFileOrder) {
    std::vector<std::string> files = TextFilesUnder(DEDUCTO_SAMPLES_DIR);
    ASSERT_GE(files.size(), 2u) << "no samples in " << DEDUCTO_SAMPLES_DIR;
    files.insert(files.begin() + 2, "/nonexistent/argument.deducto");
    std::vector<std::string> args{"--json", "-j", std::to_string(GetParam())};
    args.insert(args.end(), files.begin(), files.end());
    const CheckerRun batch = RunChecker(args);
    EXPECT_EQ(batch.exitStatus, kUsage);
    std::string expected;
    for (const std::string& file : files) expected += RunChecker({"--json", file}).out;
    EXPECT_EQ(batch.out, expected);
    std::size_t start = 0;
    for (const std::string& file : files) {
        const std::size_t end = batch.out.find('\n', start);
        ASSERT_NE(end, std::string::npos);
        const std::optional<Json> json = ParseJson(batch.out.substr(start, end - start));
        ASSERT_TRUE(json) << file;
        EXPECT_EQ((*json)["file"].string, file);
        start = end + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Jobs, BatchOnThreads, ::testing::Values(1, 2),
                         [](const ::testing::TestParamInfo<int>& jobs) {
                             return "j" + std::to_string(jobs.param);
                         });

struct Key {
    const char* argument;  // with its Expect line, if any
    const char* grade;     // what follows "<file>: "
};

constexpr Key kKeys[] = {
    {"Premise: p\nConclusion: p\nExpect: always true\n", "ok"},
    {"Premise: p\nConclusion: q\nExpect: Does Not  Follow\n", "ok"},
    {"Premise: p\nPremise: not p\nConclusion: q\nExpect: premises inconsistent\n", "ok"},
    {"Conclusion: p and not p\nexpect: The conclusion is always false.\n", "ok"},
    {"Conclusion: p or not p\nExpect: The conclusion is always true\n", "ok"},
    {"Premise: p\nConclusion: q\nExpect: always true\n",
     "wrong: expected always true, got does not follow"},
    {"Premise: p or q\nConclusion: p\nExpect: The conclusion follows because the premises are "
     "false or inconsistent.\n",
     "wrong: expected premises inconsistent, got does not follow"},
    {"Premise: p and\nConclusion: p\nExpect: always true\n",
     "wrong: expected always true, got not evaluated (a line could not be read)"},
    {"Premise: p\nConclusion: p\n", "no Expect line to grade against"},
    {"Conclusion: p\nExpect: perhaps\n",
     "error: <file>: line 2: unknown verdict \"perhaps\" (expected \"always true\", \"does not "
     "follow\", \"always false\", \"premises inconsistent\" or a verdict's full text)"},
};

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

TEST(Grade, MarksEachFileAndSumsUp) {
    std::vector<std::string> args{"--grade", "-j", "2"};
    std::string expected;
    int passed = 0;
    for (const Key& key : kKeys) {
        args.push_back(TempFile(key.argument));
        expected += args.back() + ": " + Replaced(key.grade, "<file>", args.back()) + '\n';
        passed += std::string(key.grade) == "ok";
    }
    args.push_back("/nonexistent/argument.deducto");
    expected +=
        args.back() + ": error: cannot open " + args.back() + ": No such file or directory\n";
    const int failed = static_cast<int>(std::size(kKeys)) + 1 - passed;
    expected += std::to_string(passed) + " passed, " + std::to_string(failed) + " failed\n";
    const CheckerRun run = RunChecker(args);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitStatus, kGradeFailed);
}

TEST(Grade, AllRightExitsZero) {
    std::vector<std::string> args{"--grade"};
    for (const Key& key : kKeys) {
        if (std::string(key.grade) == "ok") args.push_back(TempFile(key.argument));
    }
    const CheckerRun run = RunChecker(args);
    EXPECT_EQ(run.exitStatus, 0) << run.out;
    EXPECT_NE(run.out.find("\n5 passed, 0 failed\n"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace deducto::cli::testing

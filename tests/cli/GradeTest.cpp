// Grading a class: keys matched by exercise name, lines graded by equivalence (in order and
// in any order), a student's Expect line ignored under a key, folders walked with their
// links and unreadable parts, and the CSV and JSON reports parsed back.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AnswerKey.h"
#include "GradeReport.h"
#include "InputFiles.h"
#include "RunChecker.h"

namespace deducto::cli::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kGradeFailed = 4;

// A fresh folder that anyone may read, so that an unprivileged run can see it.
std::string TempFolder() {
    std::string path = "/tmp/deducto-grade-test-XXXXXX";
    if (mkdtemp(path.data()) == nullptr) return {};
    chmod(path.c_str(), 0755);
    return path;
}

void Put(const std::string& path, const std::string& content) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// RFC 4180, strictly: records end in CRLF, a quoted field may hold anything, a quote inside
// it doubled. Empty when the text is not such a file.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text) {
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size()) return {};
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '"') {
                if (text[i] == '\n') return {};  // a bare line feed
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(field);
            field.clear();
            ++i;
        } else if (text.compare(i, 2, "\r\n") == 0) {
            record.push_back(field);
            field.clear();
            records.push_back(record);
            record.clear();
            i += 2;
        } else {
            return {};
        }
    }
    if (!record.empty() || !field.empty()) return {};  // the last record lacks its CRLF
    return records;
}

// --- Which key grades which file ---

struct Match {
    const char* name;
    bool folder;  // the key is a folder holding ex1 and ex2; else the file one.deducto
    const char* student;
    const char* exercise;
    const char* keyFile;  // "" when none matches
};
void PrintTo(const Match& row, std::ostream* os) { *os << row.name; }

class KeyMatching : public ::testing::TestWithParam<Match> {};

TEST_P(KeyMatching, ByFileNameStem) {
    const Match& m = GetParam();
    const std::string folder = TempFolder();
    Put(folder + "/key/ex1.deducto", "Conclusion: p\n");
    Put(folder + "/key/ex2.deducto", "Conclusion: p\n");
    Put(folder + "/key/notes.txt", "not a key\n");
    Put(folder + "/one.deducto", "Conclusion: p\n");
    const std::string keyPath = folder + (m.folder ? "/key" : "/one.deducto");
    std::string error;
    const std::optional<AnswerKey> key = AnswerKey::Open(keyPath, error);
    ASSERT_TRUE(key) << error;
    const AnswerKey::Match found = key->Find(m.student);
    EXPECT_EQ(found.exercise, m.exercise);
    // A single key file grades every file.
    const std::string expected = !m.folder            ? keyPath
                                 : *m.keyFile == '\0' ? ""
                                                      : keyPath + m.keyFile;
    EXPECT_EQ(found.keyPath, expected);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMatching,
    ::testing::Values(Match{"SameStem", true, "class/ann/ex1.deducto", "ex1", "/ex1.deducto"},
                      Match{"NoFolder", true, "ex2.deducto", "ex2", "/ex2.deducto"},
                      Match{"CaseCounts", true, "class/ann/EX1.deducto", "EX1", ""},
                      Match{"NoSuchExercise", true, "class/ann/ex9.deducto", "ex9", ""},
                      Match{"OtherExtension", true, "class/ann/ex1.txt", "ex1", "/ex1.deducto"},
                      Match{"NotesAreNoKey", true, "class/ann/notes.deducto", "notes", ""},
                      Match{"DotInFolder", true, "class/a.b/ex2", "ex2", "/ex2.deducto"},
                      Match{"OneFileGradesAll", false, "class/ann/ex7.deducto", "one", ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(KeyMatchingErrors, FolderWithoutKeysIsRefused) {
    const std::string folder = TempFolder();
    std::string error;
    EXPECT_FALSE(AnswerKey::Open(folder, error));
    EXPECT_EQ(error, "the key folder " + folder + " holds no .deducto file");
    EXPECT_FALSE(AnswerKey::Open(folder + "/none", error));
    EXPECT_EQ(error, "cannot open the key " + folder + "/none: No such file or directory");
    fs::remove_all(folder);
}

// --- CSV ---

struct CsvCase {
    const char* name;
    const char* text;
    const char* field;
};
void PrintTo(const CsvCase& row, std::ostream* os) { *os << row.name; }

class CsvFields : public ::testing::TestWithParam<CsvCase> {};

TEST_P(CsvFields, QuotedOnlyWhenNeededAndReadBack) {
    const CsvCase& c = GetParam();
    EXPECT_EQ(CsvField(c.text), c.field);
    const std::string record = CsvRecord({"a", c.text, ""});
    const auto records = ParseCsv(record);
    ASSERT_EQ(records.size(), 1u) << record;
    EXPECT_EQ(records[0], (std::vector<std::string>{"a", c.text, ""}));
}

INSTANTIATE_TEST_SUITE_P(Rfc4180, CsvFields,
                         ::testing::Values(CsvCase{"Plain", "ex1", "ex1"}, CsvCase{"Empty", "", ""},
                                           CsvCase{"Comma", "expected always true, got x",
                                                   "\"expected always true, got x\""},
                                           CsvCase{"Quote", "no key for \"ex9\"",
                                                   "\"no key for \"\"ex9\"\"\""},
                                           CsvCase{"LineFeed", "a\nb", "\"a\nb\""},
                                           CsvCase{"CarriageReturn", "a\r\nb", "\"a\r\nb\""},
                                           CsvCase{"LeadingSpace", " a", "\" a\""},
                                           CsvCase{"Utf8", "Übung ∀x", "Übung ∀x"},
                                           CsvCase{"ColonSpace", "a: b.deducto", "a: b.deducto"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReportFileWriting, OldReportStaysUntilCommitted) {
    const std::string folder = TempFolder();
    const std::string path = folder + "/grades.csv";
    Put(path, "old\r\n");
    {
        ReportFile report;
        ASSERT_EQ(report.Open(path), "");
        report.Write("new\r\n");
        EXPECT_EQ(ReadAll(path), "old\r\n");
    }  // dropped without a commit, as an interrupted run
    EXPECT_EQ(ReadAll(path), "old\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    {
        ReportFile report;
        ASSERT_EQ(report.Open(path), "");
        report.Write("new\r\n");
        EXPECT_EQ(report.Commit(), "");
    }
    EXPECT_EQ(ReadAll(path), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    ReportFile elsewhere;
    EXPECT_EQ(elsewhere.Open(folder + "/none/grades.csv"),
              "cannot write the report " + folder + "/none/grades.csv: No such file or directory");
    fs::remove_all(folder);
}

// --- Walking folders ---

struct Walk {
    const char* name;
    std::vector<std::string> layout;  // "d name", "f name", "l name target"
    std::vector<std::string> found;   // relative paths; "!name" a folder that could not be read
};
void PrintTo(const Walk& row, std::ostream* os) { *os << row.name; }

class FolderWalks : public ::testing::TestWithParam<Walk> {};

TEST_P(FolderWalks, DeductoFilesSortedByPathEachOnce) {
    const Walk& w = GetParam();
    const std::string folder = TempFolder();
    for (const std::string& entry : w.layout) {
        std::istringstream words(entry);
        std::string kind, name, target;
        words >> kind >> name >> target;
        const std::string path = folder + "/" + name;
        if (kind == "d") fs::create_directories(path);
        if (kind == "f") Put(path, "Conclusion: p\n");
        if (kind == "l") fs::create_symlink(target, path);
    }
    std::vector<InputFile> files;
    WalkFolder(folder, files);
    std::vector<std::string> found;
    for (const InputFile& file : files) {
        found.push_back((file.error.empty() ? "" : "!") + file.path.substr(folder.size() + 1));
    }
    EXPECT_EQ(found, w.found);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderWalks,
    ::testing::Values(
        Walk{"SortedAcrossSubfolders",
             {"f b.deducto", "f a/z.deducto", "f a/b/c.deducto", "f a.deducto", "f c.txt"},
             {"a.deducto", "a/b/c.deducto", "a/z.deducto", "b.deducto"}},
        Walk{"LinkLoopReadOnce", {"f a/x.deducto", "l a/up ..", "l a/self ."}, {"a/x.deducto"}},
        // The first path by name that reaches the folder is the one it is read under.
        Walk{"LinkedFolderReadOnce", {"f real/x.deducto", "l alias real"}, {"alias/x.deducto"}},
        Walk{"DanglingLinkIsAFileThatFails",
             {"f a.deducto", "l gone.deducto nowhere"},
             {"a.deducto", "gone.deducto"}},
        Walk{"ExtensionOnlyAtTheEnd",
             {"f a.deducto.bak", "f .deducto", "f x.DEDUCTO", "f y.deducto"},
             {"y.deducto"}}),
    [](const auto& row) { return std::string(row.param.name); });

// --- A class graded end to end ---

constexpr const char* kKeys[][2] = {
    {"ex1", "Premise: p implies q\nPremise: p\nConclusion: q\n"},
    {"ex2",
     "Mode: predicate\nPremise: forall x (Mx implies Xx)\nPremise: Ms\nConclusion: Xs\n"
     "Expect: always true\n"},
    {"ex3",
     "Mode: set theory\nPremise: A subset B\nPremise: m belongs A\nConclusion: m belongs B\n"},
    {"ex4", "Premise: p or q\nConclusion: p\n"},
};

struct Student {
    const char* name;
    const char* file;  // under class/
    std::string content;
    const char* grade;  // after "<path>: "
    const char* verdictOk;
    const char* linesEquivalent;
    const char* lines;
    const char* score;
};
void PrintTo(const Student& row, std::ostream* os) { *os << row.name; }

const std::vector<Student>& Students() {
    static const std::vector<Student> students = {
        {"RewrittenLine", "ann/ex1.deducto", "Premise: not p or q\nPremise: p\nConclusion: q\n",
         "ok", "yes", "3", "3", "1"},
        {"SentencesAgainstFormulas", "ann/ex2.deducto",
         "Mode: natural language\nTerm: class noun: man\nTerm: adjective: mortal\n"
         "Term: specific noun: Socrates\nPremise: All men are mortal.\n"
         "Premise: Socrates is a man.\nConclusion: Socrates is mortal.\n",
         "ok", "yes", "3", "3", "1"},
        {"SetsWrittenDifferently", "ann/ex3.deducto",
         "Mode: set theory\nPremise: A intersection B = A\nPremise: m belongs A\n"
         "Conclusion: m belongs B\n",
         "ok", "yes", "3", "3", "1"},
        {"OwnExpectIgnored", "ann/ex4.deducto",
         "Premise: p or q\nConclusion: p\nExpect: always true\n", "ok", "yes", "2", "2", "1"},
        {"ConverseAndWrongVerdict", "bob/ex1.deducto",
         "Premise: q implies p\nPremise: p\nConclusion: q\n",
         "wrong: expected always true, got does not follow; premise 1 is not equivalent to the "
         "key's: differs when p is true, q is false",
         "no", "2", "3", "0.5"},
        {"SomeForAll", "bob/ex2.deducto",
         "Mode: predicate\nPremise: exists x (Mx and Xx)\nPremise: Ms\nConclusion: Xs\n",
         "wrong: expected always true, got does not follow; premise 1 is not equivalent to the "
         "key's: differs when exists x (Mx and Xx), exists x (Mx and not Xx)",
         "no", "2", "3", "0.5"},
        {"RightVerdictWrongPremise", "bob/ex4.deducto",
         "Premise: q or p or r\nConclusion: p\nExpect: does not follow\n",
         "wrong: premise 1 is not equivalent to the key's: differs when p is false, q is false, "
         "r is true",
         "yes", "1", "2", "0.6667"},
        {"NoKeyForExercise", "bob/ex9.deducto", "Premise: p\nConclusion: p\n",
         "error: no key for exercise \"ex9\" in <key>", "no", "", "", "0"},
        {"SwappedPremisesInOrder", "cy/ex1.deducto",
         "Premise: p\nPremise: p implies q\nConclusion: q\n",
         "wrong: premise 1 is not equivalent to the key's: differs when p is true, q is false; "
         "premise 2 is not equivalent to the key's: differs when p is true, q is false",
         "yes", "1", "3", "0.5"},
        {"MissingAndExtraLines", "cy/ex3.deducto",
         "Mode: set theory\nPremise: A subset B\nConclusion: m belongs B\n",
         "wrong: expected always true, got does not follow; premise 2 is missing", "no", "2", "3",
         "0.5"},
        {"UnreadableLine", "cy/ex4.deducto", "Premise: p or\nConclusion: p\n",
         "wrong: expected does not follow, got not evaluated (a line could not be read); "
         "premise 1 could not be read",
         "no", "1", "2", "0.3333"},
        {"Oversized", "dee/ex1.deducto", "# " + std::string(1 << 20, 'x') + "\nConclusion: p\n",
         "error: <class>/dee/ex1.deducto is larger than 1024 KiB: not an argument file", "no", "",
         "", "0"},
        {"NameLikeAFormula", "dee/=1+2.deducto", "Premise: p\nConclusion: p\n",
         "error: no key for exercise \"=1+2\" in <key>", "no", "", "", "0"},
        {"NameWithColonSpace", "dee/ex4: late.deducto", "Premise: p or q\nConclusion: p\n",
         "error: no key for exercise \"ex4: late\" in <key>", "no", "", "", "0"},
    };
    return students;
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
    return text;
}

// The class folder, graded once with a report and once as JSON.
struct GradedClass {
    std::string folder;
    CheckerRun text;
    CheckerRun json;
    std::string report;
    GradedClass() : folder(TempFolder()) {
        for (const auto& [exercise, content] : kKeys) {
            Put(folder + "/key/" + exercise + ".deducto", content);
        }
        for (const Student& student : Students()) {
            Put(folder + "/class/" + student.file, student.content);
        }
        Put(folder + "/class/cy/notes.txt", "not an argument\n");
        fs::create_symlink("..", folder + "/class/cy/up");
        const std::string key = folder + "/key";
        const std::string reportPath = folder + "/grades.csv";
        text = RunChecker({"--grade", "--key", key, "--equivalence", "-r", folder + "/class",
                           "--report", reportPath, "-j", "2"});
        report = ReadAll(reportPath);
        json = RunChecker(
            {"--grade", "--json", "--key", key, "--equivalence", "-r", folder + "/class"});
    }
    ~GradedClass() { fs::remove_all(folder); }
    [[nodiscard]] std::string Path(const Student& s) const { return folder + "/class/" + s.file; }
    [[nodiscard]] std::string Expected(const char* grade) const {
        return Replaced(Replaced(grade, "<key>", folder + "/key"), "<class>", folder + "/class");
    }
};

const GradedClass& Class() {
    static const GradedClass graded;
    return graded;
}

std::string GradeLineName(const std::string& path) {
    return path.find(": ") == std::string::npos ? path : "\"" + path + "\"";
}

class ClassFolder : public ::testing::TestWithParam<Student> {};

TEST_P(ClassFolder, TextGradeLine) {
    const Student& s = GetParam();
    const std::string line = GradeLineName(Class().Path(s)) + ": " + Class().Expected(s.grade);
    EXPECT_NE(Class().text.out.find(line + "\n"), std::string::npos) << line << "\n---\n"
                                                                     << Class().text.out;
}

TEST_P(ClassFolder, CsvRowReadsBack) {
    const Student& s = GetParam();
    const auto records = ParseCsv(Class().report);
    ASSERT_EQ(records.size(), Students().size() + 1) << Class().report;
    const auto row = std::find_if(records.begin(), records.end(),
                                  [&](const auto& r) { return r.at(0) == Class().Path(s); });
    ASSERT_NE(row, records.end());
    ASSERT_EQ(row->size(), 9u);
    EXPECT_EQ((*row)[4], s.verdictOk);
    EXPECT_EQ((*row)[5], s.linesEquivalent);
    EXPECT_EQ((*row)[6], s.lines);
    EXPECT_EQ((*row)[8], s.score);
    const std::string exercise = fs::path(s.file).stem().string();
    EXPECT_EQ((*row)[1], exercise.front() == '=' ? "'" + exercise : exercise);
    const std::string grade = Class().Expected(s.grade);
    const std::string problems = grade.rfind("wrong: ", 0) == 0   ? grade.substr(7)
                                 : grade.rfind("error: ", 0) == 0 ? grade.substr(7)
                                                                  : "";
    EXPECT_EQ((*row)[7], problems);
}

TEST_P(ClassFolder, JsonGradeReadsBack) {
    const Student& s = GetParam();
    std::istringstream lines(Class().json.out);
    std::string line;
    while (std::getline(lines, line)) {
        const std::optional<Json> json = ParseJson(line);
        ASSERT_TRUE(json) << line.substr(0, 200);
        EXPECT_EQ((*json)["schema"].number, 1);
        if (!json->has("file") || (*json)["file"].string != Class().Path(s)) continue;
        const Json& grade = (*json)["grade"];
        EXPECT_EQ(grade["ok"].boolean, std::string(s.grade) == "ok");
        EXPECT_EQ(grade["verdictOk"].boolean, std::string(s.verdictOk) == "yes");
        if (*s.lines != '\0') {
            EXPECT_EQ(grade["lineCount"].number, std::stoi(s.lines));
            int equivalent = 0;
            for (const Json& l : grade["lines"].array) {
                equivalent += l["equivalent"].boolean;
                EXPECT_EQ(l["difference"].kind == Json::Kind::String,
                          !l["equivalent"].boolean &&
                              l["problem"].string.find("differs when") != std::string::npos);
            }
            EXPECT_EQ(equivalent, std::stoi(s.linesEquivalent));
        }
        if (grade["expected"].kind == Json::Kind::String) {
            EXPECT_FALSE(grade["expectedCode"].string.empty());
        }
        return;
    }
    ADD_FAILURE() << "no JSON object for " << Class().Path(s);
}

INSTANTIATE_TEST_SUITE_P(Students, ClassFolder, ::testing::ValuesIn(Students()),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ClassRun, FilesInPathOrderThenTheSummary) {
    std::vector<std::string> paths;
    for (const Student& s : Students()) paths.push_back(Class().Path(s));
    std::sort(paths.begin(), paths.end());
    std::string expected;
    std::istringstream out(Class().text.out);
    std::vector<std::string> shown;
    std::string line;
    while (std::getline(out, line) && line != "Exercises:") {
        shown.push_back(line.substr(0, line.find(": ", line.find(".deducto"))));
    }
    std::vector<std::string> names;
    for (const std::string& path : paths) names.push_back(GradeLineName(path));
    EXPECT_EQ(shown, names);
    const std::string summary =
        "Exercises:\n"
        "    =1+2: 0 of 1 right\n"
        "    ex1: 1 of 4 right; most common wrong verdict: does not follow (1 file)\n"
        "    ex2: 1 of 2 right; most common wrong verdict: does not follow (1 file)\n"
        "    ex3: 1 of 2 right; most common wrong verdict: does not follow (1 file)\n"
        "    ex4: 1 of 3 right; most common wrong verdict: not evaluated (a line could not be "
        "read) (1 file)\n"
        "    ex4: late: 0 of 1 right\n"
        "    ex9: 0 of 1 right\n"
        "4 passed, 10 failed\n";
    EXPECT_NE(Class().text.out.find(summary), std::string::npos) << Class().text.out;
    EXPECT_EQ(Class().text.exitStatus, kGradeFailed);
    EXPECT_EQ(Class().text.err, "");
    // One thread gives the same lines as two.
    const CheckerRun single = RunChecker({"--grade", "--key", Class().folder + "/key",
                                          "--equivalence", "-r", Class().folder + "/class"});
    EXPECT_EQ(single.out, Class().text.out);
    const auto records = ParseCsv(Class().report);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0], (std::vector<std::string>{"path", "exercise", "expected verdict",
                                                    "verdict", "verdict ok", "lines equivalent",
                                                    "lines", "problems", "score"}));
}

// --- Premises in any order ---

struct Order {
    const char* name;
    const char* key;
    const char* student;
    const char* grade;
};
void PrintTo(const Order& row, std::ostream* os) { *os << row.name; }

class AnyOrder : public ::testing::TestWithParam<Order> {};

TEST_P(AnyOrder, PremisesMatchWhereverTheyStand) {
    const Order& o = GetParam();
    const std::string folder = TempFolder();
    Put(folder + "/key/ex.deducto", o.key);
    Put(folder + "/s/ex.deducto", o.student);
    const CheckerRun run = RunChecker({"--grade", "--key", folder + "/key", "--equivalence",
                                       "--any-order", folder + "/s/ex.deducto"});
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), folder + "/s/ex.deducto: " + o.grade);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Premises, AnyOrder,
    ::testing::Values(
        Order{"Swapped", "Premise: p implies q\nPremise: p\nConclusion: q\n",
              "Premise: p\nPremise: not p or q\nConclusion: q\n", "ok"},
        Order{"RotatedThree", "Premise: p\nPremise: q\nPremise: r\nConclusion: p and q and r\n",
              "Premise: r\nPremise: p\nPremise: q\nConclusion: r and q and p\n", "ok"},
        Order{"EquivalentKeyPremisesEachUsedOnce",
              "Premise: p\nPremise: not not p\nConclusion: p\n",
              "Premise: p\nPremise: q\nConclusion: p\n",
              "wrong: premise 2 is not equivalent to the key's: differs when p is true, q is "
              "false"},
        Order{"OneMissing", "Premise: p\nPremise: q\nConclusion: q\n",
              "Premise: q\nConclusion: q\n", "wrong: premise 1 is missing"},
        Order{"OneExtra", "Premise: p\nConclusion: p\n", "Premise: q\nPremise: p\nConclusion: p\n",
              "wrong: premise 1 is not in the key"},
        Order{"WrongOneAgainstFreeKeyPremise", "Premise: p implies q\nPremise: r\nConclusion: r\n",
              "Premise: r\nPremise: q implies p\nConclusion: r\n",
              "wrong: premise 2 is not equivalent to the key's premise 1: differs when p is "
              "true, q is false"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Inputs: lists, folders refused without -r, unreadable folders ---

TEST(GradeInputs, ListFromStandardInputAndFolderWithoutRecursion) {
    const std::string folder = TempFolder();
    Put(folder + "/a.deducto", "Premise: p\nConclusion: p\nExpect: always true\n");
    Put(folder + "/sub/b.deducto", "Premise: p\nConclusion: p\nExpect: always true\n");
    const std::string list = folder + "/a.deducto\r\n\n" + folder + "/sub\n";
    const CheckerRun run = RunChecker({"--grade", "--files-from", "-"}, list);
    EXPECT_EQ(run.out, folder + "/a.deducto: ok\n" + folder + "/sub: error: " + folder +
                           "/sub is a folder (-r checks the .deducto files in it)\n"
                           "1 passed, 1 failed\n");
    const CheckerRun recursive = RunChecker({"--grade", "-r", "--files-from", "-"}, list);
    EXPECT_EQ(recursive.out,
              folder + "/a.deducto: ok\n" + folder + "/sub/b.deducto: ok\n2 passed, 0 failed\n");
    EXPECT_EQ(recursive.exitStatus, 0);
    const CheckerRun twice = RunChecker({"--grade", "--files-from", "-", "-"}, list);
    EXPECT_EQ(twice.exitStatus, 1);
    fs::remove_all(folder);
}

TEST(GradeInputs, UnreadableFolderIsAFailedRow) {
    const std::string folder = TempFolder();
    Put(folder + "/class/a/ex1.deducto", "Premise: p\nConclusion: p\nExpect: always true\n");
    Put(folder + "/class/b/ex1.deducto", "Premise: p\nConclusion: p\nExpect: always true\n");
    chmod((folder + "/class/b").c_str(), 0);
    chmod(folder.c_str(), 0777);  // the report is written by the unprivileged run
    const std::string report = folder + "/grades.csv";
    const CheckerRun run = RunChecker({"--grade", "-r", folder + "/class", "--report", report}, "",
                                      {.unprivileged = true, .outputTo = {}});
    EXPECT_EQ(run.out, folder + "/class/a/ex1.deducto: ok\n" + folder +
                           "/class/b: error: cannot read folder " + folder +
                           "/class/b: Permission denied\n1 passed, 1 failed\n");
    EXPECT_EQ(run.exitStatus, kGradeFailed);
    const auto records = ParseCsv(ReadAll(report));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[2][0], folder + "/class/b");
    EXPECT_EQ(records[2][7], "cannot read folder " + folder + "/class/b: Permission denied");
    chmod((folder + "/class/b").c_str(), 0755);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace deducto::cli::testing

// Grading: a file's verdict against the verdict expected of it (its own "Expect:" line, or
// with an answer key the key's), and with --equivalence each of its lines against the key's
// line of the same index. Each part is reported on its own, so a teacher sees why.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "file/ArgumentFile.h"
#include "truthtable/modEvaluate.h"

namespace deducto::cli {

struct CheckReport;
struct KeyExercise;
class JsonWriter;

// "always true" and the like; "not evaluated (...)" when the check gave no verdict.
[[nodiscard]] std::string OutcomeName(const CheckReport& report);

// The verdict as a program reads it: "always-true", "does-not-follow", "always-false",
// "premises-inconsistent"; empty for none.
[[nodiscard]] const char* VerdictCode(Verdict verdict);

struct Grade {
    bool passed = false;
    std::string text;  // "ok", "wrong: expected ..., got ..." or why there was nothing to compare
};

[[nodiscard]] Grade GradeOf(const CheckReport& report, std::optional<Verdict> expected);

struct GradeOptions {
    bool equivalence = false;  // compare the lines with the key's
    bool anyOrder = false;     // a premise may match any of the key's premises
};

// One line of the student's or the key's, as graded.
struct LineGrade {
    int index = -1;     // the student's line; -1 when the student has none for a key line
    int keyIndex = -1;  // the key's line it was compared with; -1 when the key has none
    bool equivalent = false;
    std::string difference;  // "differs when ...", when one case tells them apart
    std::string problem;     // in words, empty when equivalent
};

struct FileGrade {
    std::string exercise;
    std::string keyPath;  // empty without a key
    std::optional<Verdict> expected;
    Verdict verdict = Verdict::None;  // None when the file was not evaluated
    std::string outcome;              // OutcomeName of the student's check
    bool verdictOk = false;
    bool linesGraded = false;  // --equivalence
    std::vector<LineGrade> lines;
    int linesEquivalent = 0;
    std::vector<std::string> problems;  // in words, verdict first, then line by line
    double score = 0;                   // points (the verdict, each line) over points possible
    bool ok = false;

    // "ok", "wrong: <problems>", or why there was nothing to compare.
    [[nodiscard]] std::string Text() const;
};

// Grades a checked file. Without a key its own Expect line is the answer; `key` must be
// usable (no error).
[[nodiscard]] FileGrade GradeFile(const CheckReport& report, const ArgumentFile& argument,
                                  const KeyExercise* key, const GradeOptions& options);

// A score from 0 to 1 with at most four digits: "1", "0.9", "0.6667".
[[nodiscard]] std::string ScoreText(double score);

// A file that could not be graded at all, with its reason.
[[nodiscard]] FileGrade FailedGrade(std::string exercise, std::string keyPath, std::string reason);

// The "grade" member of a file's JSON object.
void WriteGradeJson(JsonWriter& json, const FileGrade& grade);

}  // namespace deducto::cli

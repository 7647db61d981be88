#include "Grade.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "AnswerKey.h"
#include "Equivalence.h"
#include "Json.h"
#include "Lines.h"
#include "RunCheck.h"
#include "text/Case.h"

namespace deducto::cli {

namespace {

constexpr const char* kNoExpect = "no Expect line to grade against";

// The lines that hold a formula or failed to read, by index; a blank line is no line.
std::map<int, const LineReport*> LinesByIndex(const CheckReport& report) {
    std::map<int, const LineReport*> lines;
    for (const LineReport& line : report.lines) {
        if (line.table || !line.outcome.ok()) {
            if (line.outcome.result != LineResult::Blank) lines[line.input.index] = &line;
        }
    }
    return lines;
}

std::string Named(int index) {
    std::string name = LineName(index);
    name.front() = static_cast<char>(name.front() - 'A' + 'a');
    return name;
}

// Compares one student line with one key line.
LineGrade CompareLine(const LineReport& student, Mode studentMode, const LineReport& key,
                      Mode keyMode, const Lexicon& lexicon) {
    LineGrade grade{student.input.index, key.input.index, false, {}, {}};
    const std::string against = grade.index == grade.keyIndex
                                    ? std::string("the key's")
                                    : "the key's " + Named(grade.keyIndex);
    if (!student.table) {
        grade.problem = Named(grade.index) + " could not be read";
        return grade;
    }
    Computation computation;
    const Equivalence equivalence = CheckEquivalence(
        {{student.outcome.parse.PolishStr, student.table.get()}, studentMode},
        {{key.outcome.parse.PolishStr, key.table.get()}, keyMode}, lexicon, computation);
    if (!equivalence.status.ok()) {
        grade.problem = Named(grade.index) + " could not be compared with " + against + ": " +
                        equivalence.status.message;
    } else if (!equivalence.comparable) {
        grade.problem = Named(grade.index) + " cannot be compared with " + against +
                        ": one is propositional, the other is not";
    } else if (equivalence.equivalent) {
        grade.equivalent = true;
    } else {
        grade.difference = equivalence.difference;
        grade.problem =
            Named(grade.index) + " is not equivalent to " + against + ": " + grade.difference;
    }
    return grade;
}

LineGrade Missing(int keyIndex) {
    return {-1, keyIndex, false, {}, Named(keyIndex) + " is missing"};
}

LineGrade Extra(int index) { return {index, -1, false, {}, Named(index) + " is not in the key"}; }

// Line by line: the student's line k against the key's line k.
std::vector<LineGrade> SameIndex(const std::map<int, const LineReport*>& student, Mode studentMode,
                                 const std::map<int, const LineReport*>& key, Mode keyMode,
                                 const Lexicon& lexicon) {
    std::vector<LineGrade> grades;
    for (const int k : kReadingOrder) {
        const auto s = student.find(k);
        const auto t = key.find(k);
        if (s != student.end() && t != key.end()) {
            grades.push_back(CompareLine(*s->second, studentMode, *t->second, keyMode, lexicon));
        } else if (t != key.end()) {
            grades.push_back(Missing(k));
        } else if (s != student.end()) {
            grades.push_back(Extra(k));
        }
    }
    return grades;
}

// Premises in any order: each student premise takes the first key premise still free that
// it is equivalent to, its own index first. Equivalence is transitive, so taking the first
// one never leaves a later premise without the partner it could have had.
std::vector<LineGrade> AnyOrder(const std::map<int, const LineReport*>& student, Mode studentMode,
                                const std::map<int, const LineReport*>& key, Mode keyMode,
                                const Lexicon& lexicon) {
    std::vector<LineGrade> grades;
    std::map<int, const LineReport*> freeKeys;
    for (const auto& [k, line] : key) {
        if (k != 0) freeKeys.emplace(k, line);
    }
    std::vector<int> unmatched;
    for (const auto& [k, line] : student) {
        if (k == 0) continue;
        std::vector<int> order;
        if (freeKeys.count(k) != 0) order.push_back(k);
        for (const auto& entry : freeKeys) {
            if (entry.first != k) order.push_back(entry.first);
        }
        bool matched = false;
        for (const int candidate : order) {
            LineGrade grade =
                CompareLine(*line, studentMode, *freeKeys.at(candidate), keyMode, lexicon);
            if (grade.equivalent) {
                grades.push_back(std::move(grade));
                freeKeys.erase(candidate);
                matched = true;
                break;
            }
        }
        if (!matched) unmatched.push_back(k);
    }
    // What is left is paired in order, to show one case that tells each pair apart.
    for (const int k : unmatched) {
        if (freeKeys.empty()) {
            grades.push_back(Extra(k));
            continue;
        }
        const auto partner = freeKeys.count(k) != 0 ? freeKeys.find(k) : freeKeys.begin();
        grades.push_back(
            CompareLine(*student.at(k), studentMode, *partner->second, keyMode, lexicon));
        freeKeys.erase(partner);
    }
    for (const auto& entry : freeKeys) grades.push_back(Missing(entry.first));
    const auto s = student.find(0);
    const auto t = key.find(0);
    if (s != student.end() && t != key.end()) {
        grades.push_back(CompareLine(*s->second, studentMode, *t->second, keyMode, lexicon));
    } else if (t != key.end()) {
        grades.push_back(Missing(0));
    } else if (s != student.end()) {
        grades.push_back(Extra(0));
    }
    // In the order the lines are read, the student's own first.
    std::stable_sort(grades.begin(), grades.end(), [](const LineGrade& a, const LineGrade& b) {
        const int pa = ReadingPosition(a.index >= 0 ? a.index : a.keyIndex);
        const int pb = ReadingPosition(b.index >= 0 ? b.index : b.keyIndex);
        return pa < pb;
    });
    return grades;
}

}  // namespace

std::string OutcomeName(const CheckReport& report) {
    switch (report.result) {
        case RunResult::Evaluated:
            return VerdictShortName(report.verdict);
        case RunResult::LineFailed:
            return "not evaluated (a line could not be read)";
        case RunResult::LimitReached:
            return "not evaluated (a limit was reached)";
        case RunResult::InternalError:
            return "not evaluated (an internal check failed)";
    }
    return "";
}

const char* VerdictCode(Verdict verdict) {
    switch (verdict) {
        case Verdict::None:
            return "";
        case Verdict::PremisesFalse:
            return "premises-inconsistent";
        case Verdict::AlwaysTrue:
            return "always-true";
        case Verdict::AlwaysFalse:
            return "always-false";
        case Verdict::DoesNotFollow:
            return "does-not-follow";
    }
    return "";
}

Grade GradeOf(const CheckReport& report, std::optional<Verdict> expected) {
    if (!expected) return {false, kNoExpect};
    if (report.result == RunResult::Evaluated && report.verdict == *expected) return {true, "ok"};
    return {false, "wrong: expected " + std::string(VerdictShortName(*expected)) + ", got " +
                       OutcomeName(report)};
}

std::string ScoreText(double score) {
    char text[16];
    std::snprintf(text, sizeof text, "%.4g", score);
    return text;
}

std::string FileGrade::Text() const {
    if (ok) return "ok";
    // Nothing to compare with says so alone, as it always has.
    if (problems.size() == 1 && (problems[0] == kNoExpect || !expected)) return problems[0];
    std::string text = "wrong: ";
    for (std::size_t i = 0; i < problems.size(); ++i) text += (i > 0 ? "; " : "") + problems[i];
    return text;
}

FileGrade GradeFile(const CheckReport& report, const ArgumentFile& argument, const KeyExercise* key,
                    const GradeOptions& options) {
    FileGrade grade;
    // A student's own Expect line never counts when there is a key.
    grade.expected = key != nullptr ? key->expected : argument.expected;
    grade.outcome = OutcomeName(report);
    if (report.result == RunResult::Evaluated) grade.verdict = report.verdict;
    const Grade verdict = GradeOf(report, grade.expected);
    grade.verdictOk = verdict.passed;
    if (!verdict.passed) {
        grade.problems.push_back(grade.expected ? verdict.text.substr(std::string("wrong: ").size())
                                                : verdict.text);
    }
    int points = grade.verdictOk ? 1 : 0;
    int possible = 1;
    if (key != nullptr && options.equivalence) {
        grade.linesGraded = true;
        Lexicon lexicon;
        lexicon.Terms = report.lexicon;
        const auto student = LinesByIndex(report);
        const auto keyLines = LinesByIndex(key->report);
        grade.lines = options.anyOrder
                          ? AnyOrder(student, report.mode, keyLines, key->report.mode, lexicon)
                          : SameIndex(student, report.mode, keyLines, key->report.mode, lexicon);
        for (const LineGrade& line : grade.lines) {
            if (line.equivalent) {
                ++grade.linesEquivalent;
            } else {
                grade.problems.push_back(line.problem);
            }
        }
        points += grade.linesEquivalent;
        possible += static_cast<int>(grade.lines.size());
    }
    grade.score = static_cast<double>(points) / possible;
    grade.ok = grade.problems.empty();
    return grade;
}

FileGrade FailedGrade(std::string exercise, std::string keyPath, std::string reason) {
    FileGrade grade;
    grade.exercise = std::move(exercise);
    grade.keyPath = std::move(keyPath);
    grade.outcome = "not graded";
    grade.problems.push_back(std::move(reason));
    return grade;
}

namespace {

void VerdictMembers(JsonWriter& json, const char* key, const char* codeKey, Verdict verdict) {
    json.Key(key);
    if (verdict == Verdict::None) {
        json.Null();
    } else {
        json.String(VerdictText(verdict));
    }
    json.Key(codeKey);
    if (verdict == Verdict::None) {
        json.Null();
    } else {
        json.String(VerdictCode(verdict));
    }
}

}  // namespace

void WriteGradeJson(JsonWriter& json, const FileGrade& grade) {
    json.BeginObject();
    json.Key("exercise");
    json.String(grade.exercise);
    json.Key("key");
    if (grade.keyPath.empty()) {
        json.Null();
    } else {
        json.String(grade.keyPath);
    }
    VerdictMembers(json, "expected", "expectedCode", grade.expected.value_or(Verdict::None));
    VerdictMembers(json, "verdict", "verdictCode", grade.verdict);
    json.Key("outcome");
    json.String(grade.outcome);
    json.Key("verdictOk");
    json.Bool(grade.verdictOk);
    json.Key("lines");
    if (grade.linesGraded) {
        json.BeginArray();
        for (const LineGrade& line : grade.lines) {
            json.BeginObject();
            json.Key("index");
            if (line.index < 0) {
                json.Null();
            } else {
                json.Int(line.index);
            }
            json.Key("keyIndex");
            if (line.keyIndex < 0) {
                json.Null();
            } else {
                json.Int(line.keyIndex);
            }
            json.Key("equivalent");
            json.Bool(line.equivalent);
            json.Key("difference");
            if (line.difference.empty()) {
                json.Null();
            } else {
                json.String(line.difference);
            }
            json.Key("problem");
            if (line.problem.empty()) {
                json.Null();
            } else {
                json.String(line.problem);
            }
            json.EndObject();
        }
        json.EndArray();
    } else {
        json.Null();
    }
    json.Key("linesEquivalent");
    json.Int(grade.linesEquivalent);
    json.Key("lineCount");
    json.Int(static_cast<long long>(grade.lines.size()));
    json.Key("problems");
    json.StringArray(grade.problems);
    json.Key("score");
    json.Raw(ScoreText(grade.score));
    json.Key("ok");
    json.Bool(grade.ok);
    json.EndObject();
}

}  // namespace deducto::cli

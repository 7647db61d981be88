#include "CheckFiles.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>
#include <utility>
#include <vector>

#include "AnswerKey.h"
#include "ExplainReport.h"
#include "FileCaption.h"
#include "GradeReport.h"
#include "InputFiles.h"
#include "Json.h"
#include "JsonOutput.h"
#include "RunCheck.h"
#include "TreeReport.h"
#include "file/ArgumentFile.h"
#include "file/ReadInput.h"
#include "tree/TreeExport.h"

namespace deducto::cli {

namespace {

int StatusOf(RunResult result) {
    switch (result) {
        case RunResult::Evaluated:
            return kExitEvaluated;
        case RunResult::LineFailed:
            return kExitLineFailed;
        case RunResult::LimitReached:
            return kExitLimit;
        case RunResult::InternalError:
            return kExitInternal;
    }
    return kExitInternal;
}

std::string ShownName(const std::string& path) { return path == "-" ? "<stdin>" : path; }

// The file's name at the start of a grade line: quoted as a JSON string when it could be
// misread there (it holds ": ", a control character, or starts with a quote or a space), so
// that the grade always follows the first ": " after the name.
std::string GradeName(const std::string& path) {
    const std::string shown = ShownName(path);
    const bool plain = shown.find(": ") == std::string::npos && !shown.empty() &&
                       shown.front() != '"' && shown.front() != ' ' &&
                       std::none_of(shown.begin(), shown.end(), [](char c) {
                           return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
                       });
    return plain ? shown : JsonString(shown);
}

// What a file that could not be graded is graded as: its exercise and key, if any.
FileGrade Unreadable(const std::string& path, const std::string& reason,
                     const GradeContext& grading) {
    if (grading.key == nullptr) return FailedGrade(ExerciseOf(path), {}, reason);
    const AnswerKey::Match match = grading.key->Find(path);
    return FailedGrade(match.exercise, match.keyPath, reason);
}

void WriteFileErrorJson(std::ostream& out, const std::string& path, const std::string& message,
                        const FileGrade* grade) {
    JsonWriter json;
    json.BeginObject();
    json.Key("schema");
    json.Int(kJsonSchemaVersion);
    json.Key("file");
    json.String(path);
    json.Key("status");
    json.String("file error");
    json.Key("error");
    json.String(message);
    if (grade != nullptr) {
        json.Key("grade");
        WriteGradeJson(json, *grade);
    }
    json.EndObject();
    out << json.text() << '\n';
}

// A file that could not be read or is not an argument: no report, only the message.
FileCheck FileError(const std::string& path, const std::string& message, const CommandLine& command,
                    const GradeContext& grading) {
    FileCheck check;
    if (command.grade) {
        check.grade = Unreadable(path, message, grading);
        check.status = kExitGradeFailed;
        if (command.json) {
            std::ostringstream out;
            WriteFileErrorJson(out, path, message, &*check.grade);
            check.out = std::move(out).str();
        } else {
            check.out = GradeName(path) + ": error: " + message + '\n';
        }
        return check;
    }
    check.err = "deducto-check: " + message + '\n';
    check.status = kExitUsage;
    if (command.json) {
        std::ostringstream out;
        WriteFileErrorJson(out, path, message, nullptr);
        check.out = std::move(out).str();
    }
    return check;
}

// The caption that names each file when there are several, in the output's own format, so
// that the whole output is still one valid document: a comment in LaTeX, a heading in
// Markdown, a row of one field in CSV (readers that take "#" for a comment skip it).
std::string FileHeading(const std::string& path, bool first, TableFormat format) {
    const std::string name = FileCaption(ShownName(path), format);
    const std::string before = first ? "" : (format == TableFormat::Csv ? "\r\n" : "\n");
    switch (format) {
        case TableFormat::Text:
            break;
        case TableFormat::Latex:
            return before + "% File: " + name + '\n';
        case TableFormat::Markdown:
            return before + "## File: " + name + "\n\n";
        case TableFormat::Csv:
            return before + name + "\r\n";
    }
    return before + "File: " + name + '\n';
}

void Write(const FileCheck& check, std::ostream& out, std::ostream& err) {
    out << check.out;
    if (!check.err.empty()) {
        out.flush();  // keep the two streams in step on a terminal
        err << check.err;
        err.flush();
    }
}

// Runs `check(i, state)` for every index from 0 to count - 1 on `jobs` threads, each with
// a state of its own made by `makeState`, and hands each result to `deliver` in index order
// as soon as it and all before it are done. At most `window` results wait to be delivered,
// so a run over many files holds only a few reports at a time.
template <typename MakeState, typename Check, typename Deliver>
void InOrderOnThreads(std::size_t count, int jobs, MakeState makeState, Check check,
                      Deliver deliver) {
    const std::size_t window = 16 * static_cast<std::size_t>(jobs);
    std::vector<std::optional<FileCheck>> done(window);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;       // the next index to take
    std::size_t delivered = 0;  // every index below it was delivered
    const auto work = [&] {
        auto state = makeState();
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return next >= count || next < delivered + window; });
                if (next >= count) return;
                i = next++;
            }
            FileCheck result = check(i, state);
            {
                const std::lock_guard<std::mutex> lock(mutex);
                done[i % window] = std::move(result);
            }
            changed.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < jobs; ++t) workers.emplace_back(work);
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<FileCheck> result;
        {
            std::unique_lock<std::mutex> lock(mutex);
            changed.wait(lock, [&] { return done[i % window].has_value(); });
            result = std::move(done[i % window]);
            done[i % window].reset();
        }
        deliver(i, *result);
        {
            const std::lock_guard<std::mutex> lock(mutex);
            delivered = i + 1;
        }
        changed.notify_all();
    }
    for (std::thread& worker : workers) worker.join();
}

// Grades a read and checked file, against its key when there is one.
FileCheck GradeChecked(const std::string& path, const ReadArgument& read,
                       const CommandLine& command, const GradeContext& grading,
                       std::ostream* reportOut) {
    FileCheck check;
    const KeyExercise* key = nullptr;
    std::string exercise = ExerciseOf(path);
    std::string keyPath;
    if (grading.key != nullptr) {
        const AnswerKey::Match match = grading.key->Find(path);
        exercise = match.exercise;
        keyPath = match.keyPath;
        std::string reason;
        if (keyPath.empty()) {
            reason = "no key for exercise " + JsonString(exercise) + " in " + grading.key->path();
        } else if (const KeyExercise& found = grading.keys->Get(keyPath); !found.error.empty()) {
            reason = "the key " + keyPath + " cannot be graded against: " + found.error;
        } else {
            key = &found;
        }
        if (key == nullptr) {
            // The file is still checked, so that its own faults show; the grade fails.
            const CheckReport report = RunCheck(read.argument, command.options);
            FileCheck failed = FileError(path, reason, command, grading);
            failed.status = std::max(failed.status, StatusOf(report.result) == kExitInternal
                                                        ? kExitInternal
                                                        : kExitGradeFailed);
            return failed;
        }
    }
    const CheckReport report = RunCheck(read.argument, command.options);
    FileGrade grade =
        GradeFile(report, read.argument, key, {command.equivalence, command.anyOrder});
    grade.exercise = exercise;
    grade.keyPath = keyPath;
    check.status = StatusOf(report.result);
    check.passed = grade.ok;
    // A fault of the program outranks a wrong answer.
    if (check.status != kExitInternal) check.status = grade.ok ? 0 : kExitGradeFailed;
    if (command.json) {
        const auto member = [&grade](JsonWriter& json) {
            json.Key("grade");
            WriteGradeJson(json, grade);
        };
        const Explained explained = Explain(report, command.explain, command.world);
        if (reportOut != nullptr) {
            WriteReportJson(*reportOut, report, read.argument, path, explained, {}, member);
        } else {
            std::ostringstream out;
            WriteReportJson(out, report, read.argument, path, explained, {}, member);
            check.out = std::move(out).str();
        }
    } else {
        check.out = GradeName(path) + ": " + grade.Text() + '\n';
    }
    check.grade = std::move(grade);
    return check;
}

}  // namespace

FileCheck CheckFile(const std::string& path, const CommandLine& command, std::ostream* reportOut,
                    const GradeContext& grading) {
    const InputText input = ReadInput(path);
    if (!input.ok()) return FileError(path, input.error, command, grading);
    const ReadArgument read = ParseArgumentText(input.text);
    if (!read.ok()) return FileError(path, ShownName(path) + ": " + read.error, command, grading);
    if (command.grade) return GradeChecked(path, read, command, grading, reportOut);

    const CheckReport report = RunCheck(read.argument, command.options);
    FileCheck check;
    check.status = StatusOf(report.result);
    const Explained explained = Explain(report, command.explain, command.world);
    const std::unique_ptr<TruthTree> tree = command.tree ? TreeOf(report) : nullptr;
    const StepRequest steps{command.text.steps, command.text.argumentTable};
    const auto writeJson = [&](std::ostream& out) {
        WriteReportJson(out, report, read.argument, path, explained, steps,
                        [&](JsonWriter& json) { WriteTreeJson(json, report, tree.get()); });
    };
    if (command.json && reportOut != nullptr) {
        writeJson(*reportOut);
    } else if (command.json) {
        std::ostringstream out;
        writeJson(out);
        check.out = std::move(out).str();
    } else {
        TextOptions text = command.text;
        text.file = ShownName(path);
        text.explanation = ExplanationLine(explained);
        text.world = WorldText(report, explained);
        if (tree && text.format == TableFormat::Latex) {
            text.treeLatex = TreeLatex(*tree);
        } else if (tree) {
            text.tree = TreeText(*tree);
        }
        std::ostringstream err;
        if (reportOut != nullptr) {
            WriteText(*reportOut, err, report, text, command.options);
        } else {
            std::ostringstream out;
            WriteText(out, err, report, text, command.options);
            check.out = std::move(out).str();
        }
        check.err = std::move(err).str();
    }
    return check;
}

int CheckFiles(const CommandLine& command, std::ostream& out, std::ostream& err, std::istream& in) {
    const auto refuse = [&err](const std::string& message) {
        err << "deducto-check: " << message << '\n';
        return kExitUsage;
    };
    const InputFiles inputs = CollectInputs(command, in);
    if (!inputs.error.empty()) return refuse(inputs.error);
    const std::vector<InputFile>& files = inputs.files;

    std::optional<AnswerKey> key;
    if (!command.key.empty()) {
        std::string error;
        key = AnswerKey::Open(command.key, error);
        if (!key) return refuse(error);
    }
    std::optional<ReportFile> report;
    if (!command.report.empty()) {
        report.emplace();
        const std::string error = report->Open(command.report);
        if (!error.empty()) return refuse(error);
        report->Write(ReportHeader());
    }

    const bool named = files.size() > 1 && !command.json && !command.grade;
    int status = kExitEvaluated;
    GradeSummary summary;
    std::size_t passed = 0;
    const auto heading = [&](std::size_t i) {
        if (named) out << FileHeading(files[i].path, i == 0, command.text.format);
    };
    // The file's heading is out before its report.
    const auto deliver = [&](std::size_t i, const FileCheck& check) {
        Write(check, out, err);
        status = std::max(status, check.status);
        if (check.passed) ++passed;
        if (check.grade) {
            summary.Add(*check.grade);
            if (report) report->Write(ReportRow(ShownName(files[i].path), *check.grade));
        }
    };
    const auto makeKeys = [&command] { return KeyCache(command.options); };
    const auto check = [&](std::size_t i, KeyCache& keys, std::ostream* reportOut) {
        const GradeContext grading{key ? &*key : nullptr, &keys};
        if (!files[i].error.empty())
            return FileError(files[i].path, files[i].error, command, grading);
        return CheckFile(files[i].path, command, reportOut, grading);
    };

    const std::size_t jobs = std::min<std::size_t>(command.jobs, files.size());
    if (jobs <= 1) {
        // One file at a time: each report can go straight out, in file order.
        KeyCache keys = makeKeys();
        for (std::size_t i = 0; i < files.size(); ++i) {
            heading(i);
            deliver(i, check(i, keys, &out));
        }
    } else {
        InOrderOnThreads(
            files.size(), static_cast<int>(jobs), makeKeys,
            [&](std::size_t i, KeyCache& keys) { return check(i, keys, nullptr); },
            [&](std::size_t i, const FileCheck& result) {
                heading(i);
                deliver(i, result);
            });
    }
    if (command.grade) {
        if (command.json) {
            summary.WriteJson(out);
        } else {
            if (key) summary.WriteText(out);
            out << passed << " passed, " << files.size() - passed << " failed\n";
        }
    }
    out.flush();
    if (report) {
        const std::string error = report->Commit();
        if (!error.empty()) {
            err << "deducto-check: " << error << '\n';
            status = std::max(status, kExitUsage);
        }
    }
    return status;
}

}  // namespace deducto::cli

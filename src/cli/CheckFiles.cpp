#include "CheckFiles.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "ExplainReport.h"
#include "Grade.h"
#include "Json.h"
#include "JsonOutput.h"
#include "RunCheck.h"
#include "file/ArgumentFile.h"
#include "file/ReadInput.h"

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

// A file that could not be read or is not an argument: no report, only the message.
FileCheck FileError(const std::string& path, const std::string& message,
                    const CommandLine& command) {
    FileCheck check;
    if (command.grade) {
        check.out = ShownName(path) + ": error: " + message + '\n';
        check.status = kExitGradeFailed;
        return check;
    }
    check.err = "deducto-check: " + message + '\n';
    check.status = kExitUsage;
    if (command.json) {
        JsonWriter json;
        json.BeginObject();
        json.Key("file");
        json.String(path);
        json.Key("status");
        json.String("file error");
        json.Key("error");
        json.String(message);
        json.EndObject();
        check.out = json.text() + '\n';
    }
    return check;
}

// The header that names each file when there are several.
std::string FileHeading(const std::string& path, bool first) {
    return (first ? "" : "\n") + std::string("File: ") + ShownName(path) + '\n';
}

void Write(const FileCheck& check, std::ostream& out, std::ostream& err) {
    out << check.out;
    if (!check.err.empty()) {
        out.flush();  // keep the two streams in step on a terminal
        err << check.err;
        err.flush();
    }
}

// Runs `check` for every index from 0 to count - 1 on `jobs` threads and hands each result
// to `deliver` in index order, as soon as it and all before it are done.
template <typename Check, typename Deliver>
void InOrderOnThreads(std::size_t count, int jobs, Check check, Deliver deliver) {
    std::vector<std::optional<FileCheck>> done(count);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            FileCheck result = check(i);
            {
                const std::lock_guard<std::mutex> lock(mutex);
                done[i] = std::move(result);
            }
            finished.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (int t = 0; t < jobs; ++t) workers.emplace_back(work);
    for (std::size_t i = 0; i < count; ++i) {
        std::optional<FileCheck> result;
        {
            std::unique_lock<std::mutex> lock(mutex);
            finished.wait(lock, [&] { return done[i].has_value(); });
            result = std::move(done[i]);
            done[i].reset();
        }
        deliver(i, *result);
    }
    for (std::thread& worker : workers) worker.join();
}

}  // namespace

FileCheck CheckFile(const std::string& path, const CommandLine& command, std::ostream* jsonOut) {
    const InputText input = ReadInput(path);
    if (!input.ok()) return FileError(path, input.error, command);
    const ReadArgument read = ParseArgumentText(input.text);
    if (!read.ok()) return FileError(path, ShownName(path) + ": " + read.error, command);

    const CheckReport report = RunCheck(read.argument, command.options);
    FileCheck check;
    check.status = StatusOf(report.result);
    if (command.grade) {
        const Grade grade = GradeOf(report, read.argument.expected);
        check.out = ShownName(path) + ": " + grade.text + '\n';
        check.passed = grade.passed;
        // A fault of the program outranks a wrong answer.
        if (check.status != kExitInternal) check.status = grade.passed ? 0 : kExitGradeFailed;
        return check;
    }
    const Explained explained = Explain(report, command.explain, command.world);
    const StepRequest steps{command.text.steps, command.text.argumentTable};
    if (command.json && jsonOut != nullptr) {
        WriteReportJson(*jsonOut, report, read.argument, path, explained, steps);
    } else if (command.json) {
        std::ostringstream out;
        WriteReportJson(out, report, read.argument, path, explained, steps);
        check.out = out.str();
    } else {
        TextOptions text = command.text;
        text.explanation = ExplanationLine(explained);
        text.world = WorldText(report, explained);
        std::ostringstream out;
        std::ostringstream err;
        WriteText(out, err, report, text, command.options);
        check.out = out.str();
        check.err = err.str();
    }
    return check;
}

int CheckFiles(const CommandLine& command, std::ostream& out, std::ostream& err) {
    const std::vector<std::string>& paths = command.paths;
    const bool named = paths.size() > 1 && !command.json && !command.grade;
    int status = kExitEvaluated;
    std::size_t passed = 0;
    const auto deliver = [&](std::size_t i, const FileCheck& check) {
        if (named) out << FileHeading(paths[i], i == 0);
        Write(check, out, err);
        status = std::max(status, check.status);
        if (check.passed) ++passed;
    };
    const auto check = [&](std::size_t i) { return CheckFile(paths[i], command); };

    const std::size_t jobs = std::min<std::size_t>(command.jobs, paths.size());
    if (jobs <= 1) {
        // One file at a time: each report can go straight out, in file order.
        for (std::size_t i = 0; i < paths.size(); ++i)
            deliver(i, CheckFile(paths[i], command, &out));
    } else {
        InOrderOnThreads(paths.size(), static_cast<int>(jobs), check, deliver);
    }
    if (command.grade) {
        out << passed << " passed, " << paths.size() - passed << " failed\n";
    }
    out.flush();
    return status;
}

}  // namespace deducto::cli

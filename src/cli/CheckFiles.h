// Checking the files of one command line: each file on its own (its own session, its own
// report), in one process, on as many threads as asked, the reports written in file order.
#pragma once

#include <iostream>
#include <optional>
#include <ostream>
#include <string>

#include "CommandLine.h"
#include "Grade.h"

namespace deducto::cli {

// One file's part of the output, and its exit status.
struct FileCheck {
    std::string out;  // for standard output
    std::string err;  // for standard error
    int status = kExitEvaluated;
    bool passed = false;             // --grade: the verdict was the expected one
    std::optional<FileGrade> grade;  // --grade: for the report and the summary
};

class AnswerKey;
class KeyCache;

// What every file of a grading run is graded against, one per thread.
struct GradeContext {
    const AnswerKey* key = nullptr;  // none: each file's own Expect line
    KeyCache* keys = nullptr;        // the thread's own; set whenever `key` is
};

// Checks one file. With `reportOut`, the report (JSON or text) is written there as it is made
// instead of into the result (a report of whole tables is megabytes: copying it again would
// cost more than writing it); messages for standard error always come back in the result.
[[nodiscard]] FileCheck CheckFile(const std::string& path, const CommandLine& command,
                                  std::ostream* reportOut = nullptr,
                                  const GradeContext& grading = {});

// Checks every file of `command` and writes the reports to `out` and `err` in file order,
// then with --grade the summary; `in` is read for "--files-from -". Returns the exit status:
// the highest of the files'.
[[nodiscard]] int CheckFiles(const CommandLine& command, std::ostream& out, std::ostream& err,
                             std::istream& in = std::cin);

}  // namespace deducto::cli

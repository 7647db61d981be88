// One run of the checker over an argument file, done the way the window does it: the
// premises 1 to 8 and then the conclusion are each read as if the user left the line (the
// text parsed, its truth table built), and the argument is evaluated when every line that
// holds text was read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Details.h"
#include "Outcome.h"
#include "ReadLine.h"
#include "Session.h"
#include "file/ArgumentFile.h"
#include "natural/modLangTerms.h"
#include "truthtable/modEvaluate.h"

namespace deducto::cli {

struct LineReport {
    InputLine input;
    LineOutcome outcome;
    std::vector<std::string> messages;           // message boxes shown while this line was read
    std::shared_ptr<const clsTruthTable> table;  // as built for the line, before evaluation

    [[nodiscard]] bool failed() const { return outcome.result == LineResult::SyntaxError; }
    [[nodiscard]] bool limited() const { return outcome.result == LineResult::LimitReached; }
    [[nodiscard]] bool faulty() const { return outcome.result == LineResult::InternalError; }
};

enum class RunResult { Evaluated, LineFailed, LimitReached, InternalError };

struct CheckReport {
    Mode mode = Mode::Propositional;
    std::vector<LineReport> lines;  // in file order
    RunResult result = RunResult::Evaluated;
    Verdict verdict = Verdict::None;
    std::string stopMessage;            // why the evaluation stopped, when a limit did it
    std::vector<CaseText> details;      // the failing cases, when the conclusion does not follow
    std::vector<std::string> messages;  // every message box text of the run, in order
    std::vector<std::string> termMessages;  // shown while the predefined terms were added
    std::vector<LangTerm> lexicon;          // natural language: the terms at the end of the run
    Evaluation evaluation;                  // the verdict and comparison table, when evaluated
};

[[nodiscard]] CheckReport RunCheck(const ArgumentFile& argument, const Options& options);

}  // namespace deducto::cli

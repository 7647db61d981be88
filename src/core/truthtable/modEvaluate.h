// Testing an argument: the premises are conjoined in line order, each conjunction
// simplified, and compared with the conclusion; the verdict is read from the comparison.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "ArgumentLine.h"
#include "Mode.h"
#include "Outcome.h"

namespace deducto {

class Computation;
class clsTruthTable;

// What an evaluation concluded; None when it did not finish.
enum class Verdict { None, PremisesFalse, AlwaysTrue, AlwaysFalse, DoesNotFollow };

// The verdict as the user reads it.
[[nodiscard]] constexpr const char* VerdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::None:
            return "";
        case Verdict::PremisesFalse:
            return "The conclusion follows because the premises are false or inconsistent.";
        case Verdict::AlwaysTrue:
            return "The conclusion is always true.";
        case Verdict::AlwaysFalse:
            return "The conclusion is always false.";
        case Verdict::DoesNotFollow:
            return "The conclusion does not follow.";
    }
    return "";
}

// The verdicts an evaluation gives, in the order messages list them.
inline constexpr std::array<Verdict, 4> kVerdicts = {Verdict::AlwaysTrue, Verdict::DoesNotFollow,
                                                     Verdict::AlwaysFalse, Verdict::PremisesFalse};

// The verdict's short name, as an answer key and a grade give it.
[[nodiscard]] constexpr const char* VerdictShortName(Verdict verdict) {
    switch (verdict) {
        case Verdict::None:
            return "";
        case Verdict::PremisesFalse:
            return "premises inconsistent";
        case Verdict::AlwaysTrue:
            return "always true";
        case Verdict::AlwaysFalse:
            return "always false";
        case Verdict::DoesNotFollow:
            return "does not follow";
    }
    return "";
}

// The verdict that a comparison's values give: which of "T" and "F" occur.
[[nodiscard]] constexpr Verdict VerdictFrom(bool someTrue, bool someFalse) {
    if (someTrue) return someFalse ? Verdict::DoesNotFollow : Verdict::AlwaysTrue;
    return someFalse ? Verdict::AlwaysFalse : Verdict::PremisesFalse;
}

struct Evaluation {
    Status status;  // a verdict only when the status is ok
    Verdict verdict = Verdict::None;
    std::shared_ptr<const clsTruthTable> comparisonTable;
    [[nodiscard]] bool doesNotFollow() const { return verdict == Verdict::DoesNotFollow; }
};

// Evaluates the argument held in `lines` (line 0 must have a table), read in `mode`.
// Publishes progress in computation.progress and polls computation.CheckCancel(). Without
// premises the comparison is the conclusion's own table, simplified, and it replaces the
// line's table.
[[nodiscard]] Evaluation EvaluateArgument(ArgumentLines& lines, Mode mode,
                                          Computation& computation);

}  // namespace deducto

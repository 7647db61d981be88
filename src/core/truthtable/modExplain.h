// Why an argument gets its verdict: the smallest set of premises that gives the same
// verdict on its own, with the same conclusion.
//
// A set of premises gives "always true" exactly when the premises and the negated
// conclusion have no case in common, "always false" when the premises and the conclusion
// have none, and "false or inconsistent" when the premises alone have none (a subset of
// consistent premises stays consistent, so nothing else can change). The search tries the
// sets by size and then in premise order, combining the premises' own tables. Each set that
// fails shows a case; any later set whose premises all hold in that case fails too and is
// skipped without building a table.
#pragma once

#include <string>
#include <vector>

#include "ArgumentLine.h"
#include "Outcome.h"
#include "truthtable/modEvaluate.h"

namespace deducto {

class Computation;
class clsTruthTable;

struct PremiseTable {
    int line = 0;  // 1 to 8
    const clsTruthTable* table = nullptr;
};

struct Explanation {
    Status status;
    Verdict verdict = Verdict::None;  // None: the verdict has no explanation
    std::vector<int> premises;        // lines of the smallest set, ascending
    int given = 0;                    // premises the argument has
    [[nodiscard]] bool found() const { return status.ok() && verdict != Verdict::None; }
};

// Whether a verdict is explained by a set of premises.
[[nodiscard]] constexpr bool HasExplanation(Verdict verdict) {
    return verdict == Verdict::AlwaysTrue || verdict == Verdict::AlwaysFalse ||
           verdict == Verdict::PremisesFalse;
}

// The smallest set of `premises` (in line order) that gives `verdict` with `conclusion`.
// Polls work.CheckCancel() between the sets it tries.
[[nodiscard]] Explanation ExplainVerdict(const std::vector<PremiseTable>& premises,
                                         const clsTruthTable& conclusion, Verdict verdict,
                                         Computation& work);

// The same for the argument held in `lines`, as EvaluateArgument left it.
[[nodiscard]] Explanation ExplainArgument(const ArgumentLines& lines, Verdict verdict,
                                          Computation& work);

// The sentence shown under the verdict; empty when nothing was found.
[[nodiscard]] std::string ExplanationText(const Explanation& explanation);

}  // namespace deducto

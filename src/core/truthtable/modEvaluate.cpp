#include "truthtable/modEvaluate.h"

#include "Progress.h"
#include "formula/Operators.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

Verdict VerdictOf(const clsTruthTable& comparison) {
    bool someTrue = false;
    bool someFalse = false;
    for (int i = 0; i < comparison.nbrTruthCombos(); ++i) {
        someTrue = someTrue || comparison.TruthValue(i) == 'T';
        someFalse = someFalse || comparison.TruthValue(i) == 'F';
    }
    return VerdictFrom(someTrue, someFalse);
}

// Conjoins the premises in line order, simplifying each conjunction so the running table
// stays small. Returns no table when there are no premises.
Status CombinePremises(const ArgumentLines& lines, Mode mode, Computation& computation,
                       std::shared_ptr<const clsTruthTable>& running) {
    for (int line = 1; line < kLineCount; ++line) {
        const std::shared_ptr<const clsTruthTable>& premise = lines[line].table;
        if (!premise) continue;
        if (!running) {
            running = premise;
            computation.progress.step = Step::CombiningPremises;
            continue;
        }
        auto conjunction = std::make_shared<clsTruthTable>(mode);
        Status status =
            conjunction->generateFromBinary(*running, *premise, op::kAnd, false, computation);
        if (!status.ok()) return status;
        if (computation.CheckCancel()) return Status::Cancelled();
        status = conjunction->Simplify(computation);
        if (!status.ok()) return status;
        if (computation.CheckCancel()) return Status::Cancelled();
        running = std::move(conjunction);
    }
    return {};
}

}  // namespace

Evaluation EvaluateArgument(ArgumentLines& lines, Mode mode, Computation& computation) {
    Evaluation result;
    const std::shared_ptr<const clsTruthTable> conclusion = lines[0].table;
    if (!conclusion) return result;

    std::shared_ptr<const clsTruthTable> premises;
    result.status = CombinePremises(lines, mode, computation, premises);
    if (!result.status.ok()) return result;

    std::shared_ptr<clsTruthTable> comparison;
    if (premises) {
        comparison = std::make_shared<clsTruthTable>(mode);
        computation.progress.step = Step::ComparingPremisesConclusion;
        result.status =
            comparison->generateFromBinary(*premises, *conclusion, op::kImplies, true, computation);
        if (!result.status.ok()) return result;
    } else {
        // Without premises the comparison is the conclusion's own table.
        comparison = std::make_shared<clsTruthTable>(*conclusion);
    }
    if (computation.CheckCancel()) {
        result.status = Status::Cancelled();
        return result;
    }
    result.status = comparison->Simplify(computation);
    if (!result.status.ok()) return result;
    if (!premises) lines[0].table = comparison;

    result.verdict = VerdictOf(*comparison);
    result.comparisonTable = std::move(comparison);
    return result;
}

}  // namespace deducto

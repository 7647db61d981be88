#include "truthtable/modEvaluate.h"

#include "Session.h"
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
Status CombinePremises(Session& session, std::shared_ptr<const clsTruthTable>& running) {
    for (int line = 1; line < kLineCount; ++line) {
        const std::shared_ptr<const clsTruthTable>& premise = session.lines[line].table;
        if (!premise) continue;
        if (!running) {
            running = premise;
            session.progress.step = Step::CombiningPremises;
            continue;
        }
        auto conjunction = std::make_shared<clsTruthTable>(session.mode);
        Status status = conjunction->generateFromBinary(*running, *premise, op::kAnd, false,
                                                        session.computation);
        if (!status.ok()) return status;
        if (session.CheckCancel()) return Status::Cancelled();
        status = conjunction->Simplify(session.computation);
        if (!status.ok()) return status;
        if (session.CheckCancel()) return Status::Cancelled();
        running = std::move(conjunction);
    }
    return {};
}

}  // namespace

Evaluation EvaluateArgument(Session& session) {
    Evaluation result;
    const std::shared_ptr<const clsTruthTable> conclusion = session.lines[0].table;
    if (!conclusion) return result;

    std::shared_ptr<const clsTruthTable> premises;
    result.status = CombinePremises(session, premises);
    if (!result.status.ok()) return result;

    std::shared_ptr<clsTruthTable> comparison;
    if (premises) {
        comparison = std::make_shared<clsTruthTable>(session.mode);
        session.progress.step = Step::ComparingPremisesConclusion;
        result.status = comparison->generateFromBinary(*premises, *conclusion, op::kImplies, true,
                                                       session.computation);
        if (!result.status.ok()) return result;
    } else {
        // Without premises the comparison is the conclusion's own table.
        comparison = std::make_shared<clsTruthTable>(*conclusion);
    }
    if (session.CheckCancel()) {
        result.status = Status::Cancelled();
        return result;
    }
    result.status = comparison->Simplify(session.computation);
    if (!result.status.ok()) return result;
    if (!premises) session.lines[0].table = comparison;

    result.verdict = VerdictOf(*comparison);
    result.comparisonTable = std::move(comparison);
    return result;
}

}  // namespace deducto

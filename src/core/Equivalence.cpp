#include "Equivalence.h"

#include <vector>

#include "Details.h"
#include "Progress.h"
#include "UserPrompts.h"
#include "formula/Operators.h"
#include "natural/modLangTerms.h"
#include "truthtable/WorldEvaluation.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

bool PredicateType(Mode mode) { return mode != Mode::Propositional; }

// The layout the case is written in: a mode both lines share keeps its own words; two
// different predicate-type modes meet in plain predicate formulas.
Mode LayoutOf(Mode first, Mode second) { return first == second ? first : Mode::Predicate; }

// Notes whether any message was shown: writing an English case shows one only for a
// letter without a lexicon entry.
class SilentPrompts : public UserPrompts {
public:
    bool shown = false;
    void ShowMessage(std::string_view) override { shown = true; }
    bool Confirm(std::string_view) override {
        shown = true;
        return false;
    }
    bool ConfirmTermWithUser(CheckTermsModel&) override { return false; }
    bool EditLanguageTerms(LanguageTermsModel&) override { return false; }
};

// The case on one line after "differs when ": an English case's later lines start with
// "     and ", which becomes " and ".
std::string DifferenceText(const CaseText& lines) {
    std::string text = kDiffersWhen;
    for (std::string line : lines) {
        if (line.rfind(">> ", 0) == 0) line.erase(0, 3);
        const std::size_t start = line.find_first_not_of(' ');
        text += (text.size() == std::string(kDiffersWhen).size() ? "" : " ") +
                (start == std::string::npos ? std::string() : line.substr(start));
    }
    return text;
}

}  // namespace

Equivalence CheckEquivalence(const ModeFormula& first, const ModeFormula& second,
                             const Lexicon& lexicon, Computation& computation) {
    Equivalence result;
    if (first.formula.table == nullptr || second.formula.table == nullptr) {
        result.status = Status::Internal(std::string(kImpossibleError) + ": a line has no table.");
        return result;
    }
    if (PredicateType(first.mode) != PredicateType(second.mode)) {
        result.comparable = false;
        return result;
    }
    // The same formula read in the same mode: nothing to build.
    if (first.mode == second.mode && first.formula.PolishStr == second.formula.PolishStr) {
        result.equivalent = true;
        return result;
    }
    const Mode layout = LayoutOf(first.mode, second.mode);
    clsTruthTable both(layout);
    result.status = both.generateFromBinary(*first.formula.table, *second.formula.table, op::kIff,
                                            false, computation);
    if (!result.status.ok()) return result;
    const std::vector<int> differing = FailingRows(both);
    if (differing.empty()) {
        result.equivalent = true;
        return result;
    }
    if (computation.CheckCancel()) {
        result.status = Status::Cancelled();
        return result;
    }
    // The case names only what tells the two apart.
    result.status = both.Simplify(computation);
    if (!result.status.ok()) return result;
    const int row = FailingRows(both).front();

    SilentPrompts prompts;
    CaseText words = DescribeCase(both, row, layout, lexicon, prompts);
    if (prompts.shown) words = DescribeCase(both, row, Mode::Predicate, lexicon, prompts);
    result.difference = DifferenceText(words);

    const std::vector<const clsTruthTable*> tables{&both, first.formula.table,
                                                   second.formula.table};
    result.world = WorldFromRow(both, row, FrameOf(tables, layout));
    if (result.world) {
        result.firstValue = EvaluateInWorld(first.formula.PolishStr, first.mode, *result.world);
        result.secondValue = EvaluateInWorld(second.formula.PolishStr, second.mode, *result.world);
    }
    const bool told = result.firstValue != 0 && result.secondValue != 0;
    if (!result.world || !told || result.firstValue == result.secondValue) {
        result.world.reset();
        result.difference.clear();
        result.status = Status::Internal(std::string(kImpossibleError) +
                                         ": the case in which the lines differ does not fit them.");
    }
    return result;
}

}  // namespace deducto

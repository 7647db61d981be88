// The reference truth table: a deliberately plain, slow rendering of the table algorithms,
// kept only as a test oracle for clsTruthTable. Rows and terms are strings, worlds are
// found by trying every flag pattern and every choice of candidate regions, and each world
// is checked with small propositional tables. Nothing here is clever on purpose: every
// step does what the algorithm says in the most obvious way, so that a disagreement with
// the real engine points at the engine. Progress and cancellation are left out.
//
// Lists are 0-based; "first" and "last" refer to list order.
#pragma once

#include <string>
#include <vector>

#include "Mode.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {

// Region strings: sign pairs such as "+P-Q".
[[nodiscard]] std::string NormaliseSigns(const std::string& s);
[[nodiscard]] std::string MergeSigns(const std::string& a, const std::string& b);
[[nodiscard]] bool ContainsSigns(const std::string& a, const std::string& b);
[[nodiscard]] bool HasContradiction(const std::string& s);

// True when the propositional table of "no individual lies in any of `emptyRegions`" and
// `region` (left out when empty) has a true row: something can lie in `region`.
[[nodiscard]] bool RegionPossible(const std::vector<std::string>& emptyRegions,
                                  const std::string& region);

// Ascending ordinal sort: for each position i, every later entry that compares less than
// entry i is swapped with it.
void SortStrings(std::vector<std::string>& list);

class LiteralTable {
public:
    explicit LiteralTable(Mode mode) : mode_(mode) {}

    void generateFromPolish(const std::string& PolishStr);
    void generateFromOperand(const std::string& operand);
    void generateFromUnary(const LiteralTable& truthTable1, const std::string& token);
    void generateNot(const LiteralTable& truthTable1);
    void generateExists(const LiteralTable& truthTable1, const std::string& token);
    // requireAntecedent "T" marks every row in which truthTable1 is "F" with "-".
    void generateFromBinary(const LiteralTable& truthTable1, const LiteralTable& truthTable2,
                            const std::string& token, const std::string& requireAntecedent);
    void Simplify();

    // trueTerms: the terms that are "T"; entries that are not terms are ignored.
    [[nodiscard]] std::string TruthResultProp(const std::vector<std::string>& trueTerms) const;
    // existing: flag + region; individuals: letter + region. Empty on failure.
    [[nodiscard]] std::string TruthResultPred(const std::vector<std::string>& existing,
                                              const std::vector<std::string>& individuals) const;

    std::vector<std::string> terms;
    int nbrIntTerms = 0;
    int nbrLocTerms = 0;
    std::vector<std::string> combos;
    std::vector<std::string> values;
    bool constant = false;

private:
    [[nodiscard]] bool propositional() const { return mode_ == Mode::Propositional; }
    [[nodiscard]] std::string nextToken(const std::string& PolishStr, size_t& pos) const;
    [[nodiscard]] std::string TokenClass(const std::string& token) const;

    void combinePropositional(const LiteralTable& truthTable1, const LiteralTable& truthTable2,
                              const std::string& token, const std::string& requireAntecedent);
    void mergeTerms();
    void buildCombos();

    void combinePredicate(const LiteralTable& truthTable1, const LiteralTable& truthTable2,
                          const std::string& token, const std::string& requireAntecedent);
    void orderPredicateTerms();
    // Rows from every flag pattern and every index vector over `candidates` (letter +
    // region, sorted and without duplicates), keeping those that are not impossible.
    void buildRows(const std::vector<std::string>& candidates);
    [[nodiscard]] bool nextIndexVector();
    void evaluatePredicateCombos(const LiteralTable& truthTable1, const LiteralTable& truthTable2,
                                 const std::string& token, const std::string& requireAntecedent);
    [[nodiscard]] bool IsImpossibleRow(const std::string& row) const;
    [[nodiscard]] std::vector<std::string> SplitRow(const std::string& row) const;
    // The world of row i: flag + region per internal term, letter + region per local term.
    void WorldOf(int i, std::vector<std::string>& existing,
                 std::vector<std::string>& individuals) const;

    void simplifyPropositional();
    void simplifyPredicate();

    Mode mode_;
    std::vector<int> lowest_, highest_, current_;  // index vectors, one position per local term
};

struct LiteralEvaluation {
    Verdict verdict = Verdict::None;
    LiteralTable comparison;
};

// Tests an argument: lines[0] is the conclusion's Polish string, lines[1..8] the premises'
// ("" for an empty line). Each line's table is simplified first when `simplifyLines`.
[[nodiscard]] LiteralEvaluation LiteralEvaluate(Mode mode, const std::vector<std::string>& lines,
                                                bool simplifyLines);

}  // namespace deducto::testing

// The truth table of one formula: its terms, its truth combinations (rows) and one value
// per row ('T', 'F', or '-' for a row excluded from a comparison).
//
// Propositional tables: the terms are letters in ascending character order and the rows
// are the full binary count-down over them ("T" first, last term fastest), so a row is
// never stored: row i is the assignment 2^n - 1 - i.
//
// Predicate tables describe worlds: internal terms are regions ("some individual lies in
// +P-Q"), flagged inhabited "1" or empty "0" in each row; local terms are individuals,
// placed in one region each. Internal terms come first, each group in ascending order.
// A row string reads "<flags> <region of each local term>", for example "10 +P-Q -P".
//
// Indices are 0-based throughout. Tables are built once by one of the generate functions
// and changed afterwards only by Simplify.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Mode.h"
#include "Outcome.h"
#include "truthtable/Region.h"

namespace deducto {

class Session;

inline constexpr int kMaxTruthCombos = 16384;  // rows in one table
inline constexpr int kMaxPropositionalTerms = 14;
inline constexpr int kMaxPendingTables = 500;   // operand stack of generateFromPolish
inline constexpr int kMaxInternalTerms = 30;    // 2^n flag patterns must stay countable

class clsTruthTable {
public:
    explicit clsTruthTable(Mode mode) : mode_(mode) {}

    // Builds this table from a whole formula in Polish notation.
    [[nodiscard]] Status generateFromPolish(std::string_view PolishStr, Session& session);
    // The table of one operand: a letter, or a predicate expression such as "Px".
    void generateFromOperand(std::string_view operand);
    // token "3" not, "5v" exists v, "4v" forall v (computed as not exists v not).
    [[nodiscard]] Status generateFromUnary(const clsTruthTable& truthTable1,
                                           std::string_view token, Session& session);
    void generateNot(const clsTruthTable& truthTable1);
    [[nodiscard]] Status generateExists(const clsTruthTable& truthTable1, char variable,
                                        Session& session);
    // truthTable1 op truthTable2 for op '1', '2', '6' or '7'. With requireAntecedent every
    // row in which truthTable1 is false gets '-'.
    [[nodiscard]] Status generateFromBinary(const clsTruthTable& truthTable1,
                                            const clsTruthTable& truthTable2, char op,
                                            bool requireAntecedent, Session& session);
    // Removes the terms on which no value depends.
    [[nodiscard]] Status Simplify(Session& session);

    [[nodiscard]] Mode mode() const { return mode_; }
    [[nodiscard]] int nbrTerms() const { return static_cast<int>(terms_.size()); }
    [[nodiscard]] int nbrIntTerms() const { return static_cast<int>(internal_.size()); }
    [[nodiscard]] int nbrLocTerms() const { return static_cast<int>(locals_.size()); }
    [[nodiscard]] const std::string& Term(int i) const { return terms_[i]; }
    [[nodiscard]] int nbrTruthCombos() const { return static_cast<int>(values_.size()); }
    [[nodiscard]] std::string TruthCombo(int i) const;
    [[nodiscard]] char TruthValue(int i) const { return values_[i]; }

    // Propositional: the value of the row in which exactly the listed letters are true;
    // letters that are not terms of this table are ignored.
    [[nodiscard]] char TruthResultProp(std::string_view trueTerms) const;

    // Predicate tables, cell by cell: the flag of internal term k in row i, the region of
    // local term j in row i, and the terms as regions and letters.
    [[nodiscard]] bool Inhabited(int row, int k) const;
    [[nodiscard]] Region LocalRegion(int row, int j) const { return cells_[row * locals_.size() + j]; }
    [[nodiscard]] Region InternalRegion(int k) const { return internal_[k]; }
    [[nodiscard]] char LocalLetter(int j) const { return locals_[j].letter; }

    // Individuals the formula names whose columns simplification removed: they still exist
    // in every world the table is combined into.
    [[nodiscard]] const std::string& droppedIndividuals() const { return dropped_; }

    // A world as seen by a table: the flag of each of its internal terms and the region
    // of each of its local terms. Used to find one table's row for another table's world.
    struct WorldView;

private:
    struct LocalTerm {
        char letter = 0;
        std::uint32_t letters = 0;  // the predicate letters its regions speak of
    };
    struct Candidates;  // the regions a local term may take while rows are enumerated
    class RowBuilder;
    class RowIndex;

    void SetInternalTerms(std::vector<Region> regions);
    void SetLocalTerms(std::string letters);
    void RebuildTermNames();

    [[nodiscard]] Status CombinePropositional(const clsTruthTable& t1, const clsTruthTable& t2,
                                              char op, bool requireAntecedent,
                                              Session& session);
    [[nodiscard]] Status CombinePredicate(const clsTruthTable& t1, const clsTruthTable& t2,
                                          char op, bool requireAntecedent, Session& session);
    [[nodiscard]] Status BuildWorlds(const std::vector<std::vector<Region>>& candidates,
                                     Session& session);
    [[nodiscard]] Status SimplifyPropositional(Session& session);
    void SimplifyPredicate();

    // The value of this table in the world given by `other` row `row`, where the maps say
    // which of other's terms are this table's; `placed` adds one more individual.
    [[nodiscard]] char ValueInWorld(const clsTruthTable& other, int row,
                                    const std::vector<int>& internalMap,
                                    const std::vector<int>& localMap, char placedLetter,
                                    Region placedRegion, Session& session) const;
    [[nodiscard]] int FindRowScanning(const clsTruthTable& other, int row,
                                      const std::vector<int>& internalMap,
                                      const std::vector<int>& localMap, char placedLetter,
                                      Region placedRegion) const;

    Mode mode_;
    std::vector<std::string> terms_;  // display names, internal terms first
    bool constant_ = false;           // propositional simplification removed every term

    // Predicate tables only.
    std::vector<Region> internal_;
    std::vector<LocalTerm> locals_;
    std::vector<std::uint32_t> flags_;  // per row; internal term k is bit (n - 1 - k)
    std::vector<Region> cells_;         // per row, one region per local term
    std::string dropped_;

    std::vector<char> values_;

    // Row lookup by world, built on first use and dropped when the rows change.
    mutable std::unique_ptr<std::unordered_map<std::string, int>> rowIndex_;
    void AppendRowKey(std::string& key, std::uint32_t flags, const Region* regions) const;
};

}  // namespace deducto

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
#include <vector>

#include "Mode.h"
#include "Outcome.h"
#include "truthtable/Region.h"
#include "truthtable/RowSet.h"

namespace deducto {

class Computation;

inline constexpr int kMaxTruthCombos = 16384;  // rows in one table
inline constexpr int kMaxPropositionalTerms = 14;
inline constexpr int kMaxPendingTables = 500;  // operand stack of generateFromPolish
inline constexpr int kMaxInternalTerms = 30;   // 2^n flag patterns must stay countable

inline constexpr const char* kTooManyRowsMessage =
    "The truth table would need more than 16384 rows, which is more than Deducto can build.";
inline constexpr const char* kTooManyPendingMessage =
    "This formula nests too deeply: more than 500 parts would wait to be combined.";
inline constexpr const char* kTooManyRegionsMessage =
    "This argument speaks of more than 30 regions at once, which is more than Deducto can "
    "enumerate.";
inline constexpr const char* kRegionTooLongMessage =
    "An individual here is described by more than 19 predicates, which is more than Deducto "
    "can represent.";

class clsTruthTable {
public:
    explicit clsTruthTable(Mode mode) : mode_(mode) {}

    // Builds this table from a whole formula in Polish notation.
    [[nodiscard]] Status generateFromPolish(std::string_view PolishStr, Computation& work);
    // The table of one operand: a letter, or a predicate expression such as "Px".
    void generateFromOperand(std::string_view operand);
    // token "3" not, "5v" exists v, "4v" forall v (computed as not exists v not).
    [[nodiscard]] Status generateFromUnary(const clsTruthTable& truthTable1, std::string_view token,
                                           Computation& work);
    void generateNot(const clsTruthTable& truthTable1);
    [[nodiscard]] Status generateExists(const clsTruthTable& truthTable1, char variable,
                                        Computation& work);
    // truthTable1 op truthTable2 for op::kAnd, kOr, kIff or kImplies. With requireAntecedent every
    // row in which truthTable1 is false gets '-'.
    [[nodiscard]] Status generateFromBinary(const clsTruthTable& truthTable1,
                                            const clsTruthTable& truthTable2, char op,
                                            bool requireAntecedent, Computation& work);
    // Removes the terms on which no value depends.
    [[nodiscard]] Status Simplify(Computation& work);

    [[nodiscard]] Mode mode() const { return mode_; }
    [[nodiscard]] int nbrTerms() const { return static_cast<int>(terms_.size()); }
    [[nodiscard]] int nbrIntTerms() const { return static_cast<int>(internal_.size()); }
    [[nodiscard]] int nbrLocTerms() const { return static_cast<int>(locals_.size()); }
    [[nodiscard]] const std::string& Term(int i) const { return terms_[i]; }
    [[nodiscard]] int nbrTruthCombos() const { return static_cast<int>(values_.size()); }
    [[nodiscard]] std::string TruthCombo(int i) const;
    // For writers of whole tables, with no string per row: the length of row i's string,
    // the longest over all rows, and row i written from `out` on (returning its end).
    [[nodiscard]] int TruthComboLength(int i) const;
    [[nodiscard]] int MaxTruthComboLength() const;
    char* WriteTruthCombo(int i, char* out) const;
    [[nodiscard]] char TruthValue(int i) const { return values_[i]; }
    // Every row's value in order, one character each.
    [[nodiscard]] std::string_view TruthValues() const { return {values_.data(), values_.size()}; }

    // Propositional: the value of the row in which exactly the listed letters are true;
    // letters that are not terms of this table are ignored.
    [[nodiscard]] char TruthResultProp(std::string_view trueTerms) const;

    // Predicate tables, cell by cell: the flag of internal term k in row i, the region of
    // local term j in row i, and the terms as regions and letters.
    [[nodiscard]] bool Inhabited(int row, int k) const {
        return (flags_[row] >> (nbrIntTerms() - 1 - k)) & 1u;
    }
    [[nodiscard]] Region LocalRegion(int row, int j) const {
        return cells_[row * locals_.size() + j];
    }
    [[nodiscard]] Region InternalRegion(int k) const { return internal_[k]; }
    [[nodiscard]] char LocalLetter(int j) const { return locals_[j].letter; }

    // This table's value in every row of `world`, a predicate table whose terms include
    // this table's ones; '\0' in a row no row of this table fits (an internal fault).
    [[nodiscard]] std::string ValuesInRowsOf(const clsTruthTable& world) const;

    // Individuals the formula names whose columns simplification removed: they still exist
    // in every world the table is combined into.
    [[nodiscard]] const std::string& droppedIndividuals() const { return dropped_; }

private:
    struct LocalTerm {
        char letter = 0;
        std::uint32_t letters = 0;  // the predicate letters its regions speak of
    };
    // Where another table's terms sit among this table's, to find this table's row for a
    // world of the other table; `placed` puts one more individual into the world.
    struct WorldMap {
        std::vector<int> internal;  // per internal term of this table: index in the world
        std::vector<int> local;     // per local term: index in the world, -1 placed, -2 absent
        Region placed;
    };

    void SetPredicateTerms(std::vector<Region> internal, std::string localLetters);
    // The distinct regions of the individual `letter` over all rows, sorted; none when
    // this table does not name it.
    [[nodiscard]] std::vector<Region> ColumnRegions(char letter) const;
    void RebuildTermNames();
    [[nodiscard]] WorldMap MapInto(const clsTruthTable& world, char placedLetter) const;

    [[nodiscard]] Status CombinePropositional(const clsTruthTable& t1, const clsTruthTable& t2,
                                              char op, bool requireAntecedent, Computation& work);
    [[nodiscard]] Status CombinePredicate(const clsTruthTable& t1, const clsTruthTable& t2, char op,
                                          bool requireAntecedent, Computation& work);
    // Enumerates every possible world over this table's terms into the rows (values are
    // filled in afterwards), given the candidate regions of each local term.
    [[nodiscard]] Status BuildWorlds(const std::vector<std::vector<Region>>& candidates,
                                     Computation& work);
    [[nodiscard]] Status SimplifyPropositional(Computation& work);
    [[nodiscard]] Status SimplifyPredicate(Computation& work);
    // The terms predicate simplification keeps.
    struct TermMask {
        std::uint32_t flagsKept = 0;    // internal term k is kept when bit (n - 1 - k) is set
        std::vector<bool> maskedLocal;  // per local term: unneeded
        bool anyMasked = false;
    };
    // Masks the terms one at a time, in order, keeping each mask under which no two rows
    // look alike while their values differ. Leaves the table as it is.
    [[nodiscard]] Status MaskUnneededTerms(Computation& work, TermMask& mask) const;
    // Rebuilds the table with the unmasked terms only.
    void KeepUnmaskedTerms(const TermMask& mask);

    // This table's value in row `row` of the table `world`.
    // '\0' when `world` has no row of this table: an internal fault.
    [[nodiscard]] char ValueInWorld(const clsTruthTable& world, int row, const WorldMap& map) const;
    [[nodiscard]] int FindRowByKey(const clsTruthTable& world, int row, const WorldMap& map) const;
    [[nodiscard]] int FindRowScanning(const clsTruthTable& world, int row,
                                      const WorldMap& map) const;

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

    // Row lookup by world, built on first use; Simplify drops it. A table of flags alone
    // over few internal terms (syllogisms, set theory) finds rows by their flags directly,
    // through 2^n entries that stay in cache; other tables by a hash of the whole row.
    static constexpr int kDirectFlagBits = 16;
    [[nodiscard]] bool RowsKeyedByFlags() const {
        return locals_.empty() && nbrIntTerms() <= kDirectFlagBits;
    }
    [[nodiscard]] std::uint64_t RowHash(int row) const;
    mutable RowSet rowIndex_;
    mutable std::vector<int> rowByFlags_;
    mutable std::vector<Region> keyScratch_;
};

}  // namespace deducto

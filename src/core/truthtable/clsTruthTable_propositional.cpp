// Propositional tables. Rows are never stored: row i of a table over n letters is the
// assignment 2^n - 1 - i, in which term j is bit n - 1 - j (set for "T"). Finding an
// operand's row for a row of the combined table is therefore a matter of moving bits.
#include <algorithm>
#include <array>
#include <bit>
#include <type_traits>

#include "Progress.h"
#include "formula/Operators.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// Finds the row of an operand table for an assignment of the combined table: the
// operand's letters are gathered out of the combined assignment through two 7-bit lookup
// tables (14 letters at most), so each row costs two lookups whatever the letter count.
class RowGather {
public:
    RowGather(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
        const int n = static_cast<int>(whole.size());
        const int m = static_cast<int>(part.size());
        // ownBit[b]: the bit of the part's assignment that bit b of the whole's becomes (none
        // when the part lacks that letter). Both lists are sorted, so one pass pairs them.
        std::array<unsigned, 14> ownBit{};
        for (int j = 0, w = 0; j < m; ++j) {
            while (whole[w] != part[j]) ++w;
            ownBit[n - 1 - w] = 1u << (m - 1 - j);
        }
        // Each chunk is the one without its lowest bit, plus that bit's image.
        for (unsigned chunk = 1; chunk < 128; ++chunk) {
            const int lowest = std::countr_zero(chunk);
            low_[chunk] = low_[chunk & (chunk - 1)] | ownBit[lowest];
            high_[chunk] = high_[chunk & (chunk - 1)] | ownBit[lowest + 7];
        }
        all_ = (1u << m) - 1;
    }

    [[nodiscard]] int RowOf(unsigned assignment) const {
        return static_cast<int>(all_ - (low_[assignment & 127u] | high_[assignment >> 7]));
    }

private:
    std::array<unsigned, 128> low_{};
    std::array<unsigned, 128> high_{};
    unsigned all_ = 0;
};

}  // namespace

Status clsTruthTable::CombinePropositional(const clsTruthTable& t1, const clsTruthTable& t2,
                                           char op, bool requireAntecedent, Computation& work) {
    std::vector<std::string> terms = t1.terms_;
    terms.insert(terms.end(), t2.terms_.begin(), t2.terms_.end());
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
    if (static_cast<int>(terms.size()) > kMaxPropositionalTerms) {
        return Status::Limit(kTooManyRowsMessage);
    }
    *this = clsTruthTable(mode_);
    terms_ = std::move(terms);
    if (work.CheckCancel()) return Status::Cancelled();

    static_assert(kMaxPropositionalTerms <= 14, "RowGather covers 14 letters");
    const RowGather gather1(t1.terms_, terms_);
    const RowGather gather2(t2.terms_, terms_);
    // Operands hold only "T" and "F" ("-" marks rows of a comparison, which is never
    // combined again), so the result is looked up by the operands' two truths.
    std::array<char, 4> truth{};
    for (unsigned k = 0; k < truth.size(); ++k) {
        truth[k] = op::BinaryTruth(k & 2u ? 'T' : 'F', k & 1u ? 'T' : 'F', op);
    }
    const int rows = 1 << nbrTerms();
    const unsigned all = static_cast<unsigned>(rows - 1);
    values_.resize(rows);
    // Plain pointers, and one loop per kind of comparison: the stores of one character
    // could otherwise alias every vector, and the loop would reload them all on each row.
    const char* const values1 = t1.values_.data();
    const char* const values2 = t2.values_.data();
    char* const out = values_.data();
    auto combine = [&](auto requireTag) {
        for (int i = 0; i < rows; ++i) {
            const unsigned assignment = all - static_cast<unsigned>(i);
            const bool a = values1[gather1.RowOf(assignment)] == 'T';
            if (decltype(requireTag)::value && !a) {
                out[i] = '-';
                continue;
            }
            const bool b = values2[gather2.RowOf(assignment)] == 'T';
            out[i] = truth[(a ? 2u : 0u) | (b ? 1u : 0u)];
        }
    };
    if (requireAntecedent) {
        combine(std::true_type{});
    } else {
        combine(std::false_type{});
    }
    return {};
}

char clsTruthTable::TruthResultProp(std::string_view trueTerms) const {
    const int n = nbrTerms();
    unsigned assignment = 0;
    for (char letter : trueTerms) {
        const auto at = std::find(terms_.begin(), terms_.end(), std::string(1, letter));
        if (at != terms_.end()) assignment |= 1u << (n - 1 - static_cast<int>(at - terms_.begin()));
    }
    return values_[((1u << n) - 1) - assignment];
}

Status clsTruthTable::SimplifyPropositional(Computation& work) {
    if (constant_) return {};
    const int n = nbrTerms();
    const int rows = nbrTruthCombos();
    unsigned unneeded = 0;  // bits of the assignment
    for (int j = 0; j < n; ++j) {
        if (work.CheckCancel()) return Status::Cancelled();
        // Rows that differ only in term j, "T" first, lie 2^(n-1-j) rows apart.
        const int step = 1 << (n - 1 - j);
        bool needed = false;
        for (int i = 0; i < rows && !needed; ++i) {
            if ((i & step) == 0) needed = values_[i] != values_[i + step];
        }
        if (!needed) unneeded |= static_cast<unsigned>(step);
    }
    if (unneeded == 0) return {};

    // Keep the rows in which every unneeded term is "T": again a full count-down.
    std::vector<char> kept;
    const unsigned all = static_cast<unsigned>(rows - 1);
    for (int i = 0; i < rows; ++i) {
        if (((all - static_cast<unsigned>(i)) & unneeded) == unneeded) kept.push_back(values_[i]);
    }
    std::vector<std::string> terms;
    for (int j = 0; j < n; ++j) {
        if ((unneeded & (1u << (n - 1 - j))) == 0) terms.push_back(terms_[j]);
    }
    values_ = std::move(kept);
    terms_ = std::move(terms);
    constant_ = terms_.empty();
    return {};
}

}  // namespace deducto

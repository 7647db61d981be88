// Propositional tables. Rows are never stored: row i of a table over n letters is the
// assignment 2^n - 1 - i, in which term j is bit n - 1 - j (set for "T"). Finding an
// operand's row for a row of the combined table is therefore a matter of moving bits.
#include <algorithm>

#include "Session.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

char BinaryTruth(char a, char b, char op) {
    switch (op) {
        case '1':
            return a == 'T' && b == 'T' ? 'T' : 'F';
        case '2':
            return a != 'T' && b != 'T' ? 'F' : 'T';
        case '6':
            return a == b ? 'T' : 'F';
        case '7':
            return a == 'T' && b == 'F' ? 'F' : 'T';
        default:
            return '\0';
    }
}

// For each term of `part`, the bit of the same letter in an assignment over `whole`.
std::vector<unsigned> BitsOfTerms(const std::vector<std::string>& part,
                                  const std::vector<std::string>& whole) {
    std::vector<unsigned> bits;
    bits.reserve(part.size());
    const int n = static_cast<int>(whole.size());
    for (const std::string& term : part) {
        const auto at = std::lower_bound(whole.begin(), whole.end(), term);
        bits.push_back(1u << (n - 1 - static_cast<int>(at - whole.begin())));
    }
    return bits;
}

// The row of a table over `bits.size()` terms for an assignment of the combined table.
int RowOf(unsigned assignment, const std::vector<unsigned>& bits) {
    const int n = static_cast<int>(bits.size());
    unsigned own = 0;
    for (int j = 0; j < n; ++j) {
        if (assignment & bits[j]) own |= 1u << (n - 1 - j);
    }
    return static_cast<int>(((1u << n) - 1) - own);
}

}  // namespace

Status clsTruthTable::CombinePropositional(const clsTruthTable& t1, const clsTruthTable& t2,
                                           char op, bool requireAntecedent, Session& session) {
    std::vector<std::string> terms = t1.terms_;
    terms.insert(terms.end(), t2.terms_.begin(), t2.terms_.end());
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
    if (static_cast<int>(terms.size()) > kMaxPropositionalTerms) {
        return Status::Limit(kTooManyRowsMessage);
    }
    *this = clsTruthTable(mode_);
    terms_ = std::move(terms);
    if (session.CheckCancel()) return Status::Cancelled();

    const std::vector<unsigned> bits1 = BitsOfTerms(t1.terms_, terms_);
    const std::vector<unsigned> bits2 = BitsOfTerms(t2.terms_, terms_);
    const int rows = 1 << nbrTerms();
    const unsigned all = static_cast<unsigned>(rows - 1);
    values_.resize(rows);
    for (int i = 0; i < rows; ++i) {
        const unsigned assignment = all - static_cast<unsigned>(i);
        const char a = t1.values_[RowOf(assignment, bits1)];
        if (a == 'F' && requireAntecedent) {
            values_[i] = '-';
            continue;
        }
        const char b = t2.values_[RowOf(assignment, bits2)];
        values_[i] = BinaryTruth(a, b, op);
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

Status clsTruthTable::SimplifyPropositional(Session& session) {
    if (constant_) return {};
    const int n = nbrTerms();
    const int rows = nbrTruthCombos();
    unsigned unneeded = 0;  // bits of the assignment
    for (int j = 0; j < n; ++j) {
        if (session.CheckCancel()) return Status::Cancelled();
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

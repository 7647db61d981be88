// Building a table from a Polish string, the operand tables, negation and the quantifier
// dispatch. The combinations live in clsTruthTable_propositional.cpp and
// clsTruthTable_predicate.cpp, simplification in clsTruthTable_simplify.cpp.
#include "truthtable/clsTruthTable.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

#include "Progress.h"
#include "formula/Operators.h"
#include "formula/modBuildPolish.h"

namespace deducto {

namespace {

constexpr const char* kStackEmptyMessage = "impossible error 996";

static_assert(kMaxPropositionalTerms <= 16, "SpellRow covers 16 letters");

// kSpelled[v]: the letters "T" and "F" of the eight bits of v, highest first, as one
// 8-byte word.
constexpr auto kSpelled = [] {
    std::array<std::array<char, 8>, 256> spelled{};
    for (unsigned v = 0; v < spelled.size(); ++v) {
        for (int j = 0; j < 8; ++j) spelled[v][j] = (v >> (7 - j)) & 1u ? 'T' : 'F';
    }
    return spelled;
}();

// Row i over n letters (n <= 14), written from `out` on: the assignment 2^n - 1 - i,
// highest letter first. Returns the end.
char* SpellRow(int n, unsigned i, char* out) {
    const unsigned assignment = (((1u << n) - 1) - i) << (16 - n);
    char spelled[16];
    std::memcpy(spelled, &kSpelled[assignment >> 8], 8);
    std::memcpy(spelled + 8, &kSpelled[assignment & 255u], 8);
    // Two overlapping copies of a fixed size cover the n letters exactly.
    if (n >= 8) {
        std::memcpy(out, spelled, 8);
        std::memcpy(out + n - 8, spelled + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(out, spelled, 4);
        std::memcpy(out + n - 4, spelled + n - 4, 4);
    } else {
        for (int j = 0; j < n; ++j) out[j] = spelled[j];
    }
    return out + n;
}

}  // namespace

Status clsTruthTable::generateFromPolish(std::string_view PolishStr, Computation& work) {
    std::vector<std::unique_ptr<clsTruthTable>> stack;
    auto pop = [&stack]() {
        std::unique_ptr<clsTruthTable> top = std::move(stack.back());
        stack.pop_back();
        return top;
    };

    size_t pos = 0;
    while (pos < PolishStr.size()) {
        const int length = PolishTokenLength(PolishStr, pos, mode_);
        const std::string_view token = PolishStr.substr(pos, length);
        auto table = std::make_unique<clsTruthTable>(mode_);
        switch (TokenClass(token, mode_)) {
            case TokenKind::Operand:
                if (static_cast<int>(stack.size()) >= kMaxPendingTables) {
                    return Status::Limit(kTooManyPendingMessage);
                }
                table->generateFromOperand(token);
                stack.push_back(std::move(table));
                break;
            case TokenKind::Binary: {
                if (stack.size() < 2) return Status::Limit(kStackEmptyMessage);
                const std::unique_ptr<clsTruthTable> right = pop();
                const std::unique_ptr<clsTruthTable> left = pop();
                Status status = table->generateFromBinary(*left, *right, token[0], false, work);
                if (!status.ok()) return status;
                stack.push_back(std::move(table));
                break;
            }
            case TokenKind::Unary: {
                if (stack.empty()) return Status::Limit(kStackEmptyMessage);
                const std::unique_ptr<clsTruthTable> operand = pop();
                Status status = table->generateFromUnary(*operand, token, work);
                if (!status.ok()) return status;
                if (work.CheckCancel()) return Status::Cancelled();
                stack.push_back(std::move(table));
                break;
            }
            default:
                break;
        }
        if (work.CheckCancel()) return Status::Cancelled();
        pos += length;
    }
    if (stack.empty()) return Status::Limit(kStackEmptyMessage);
    *this = std::move(*stack.back());
    return {};
}

void clsTruthTable::generateFromOperand(std::string_view operand) {
    *this = clsTruthTable(mode_);
    if (mode_ == Mode::Propositional) {
        terms_ = {std::string(operand)};
        values_ = {'T', 'F'};
        return;
    }
    // The universal set and the empty set hold in every world, or in none.
    if (mode_ == Mode::SetTheory && (operand[0] == 'U' || operand[0] == '0')) {
        values_ = {operand[0] == 'U' ? 'T' : 'F'};
        flags_ = {0};
        return;
    }
    const std::uint32_t letter = LetterBit(operand[0]);
    locals_ = {LocalTerm{operand[1], letter}};
    flags_ = {0, 0};
    cells_ = {Region{letter, 0}, Region{0, letter}};
    values_ = {'T', 'F'};
    RebuildTermNames();
}

Status clsTruthTable::generateFromUnary(const clsTruthTable& truthTable1, std::string_view token,
                                        Computation& work) {
    if (token[0] == op::kNot) {
        generateNot(truthTable1);
        return {};
    }
    const char variable = token.size() > 1 ? token[1] : '\0';
    if (token[0] == op::kExists) return generateExists(truthTable1, variable, work);

    // For all v is computed as not exists v not.
    clsTruthTable negated(mode_);
    negated.generateNot(truthTable1);
    clsTruthTable exists(mode_);
    Status status = exists.generateExists(negated, variable, work);
    if (!status.ok()) return status;
    if (work.CheckCancel()) return Status::Cancelled();
    generateNot(exists);
    return {};
}

void clsTruthTable::generateNot(const clsTruthTable& truthTable1) {
    const Mode mode = mode_;
    *this = clsTruthTable(mode);
    terms_ = truthTable1.terms_;
    internal_ = truthTable1.internal_;
    locals_ = truthTable1.locals_;
    flags_ = truthTable1.flags_;
    cells_ = truthTable1.cells_;
    dropped_ = truthTable1.dropped_;
    values_.resize(truthTable1.values_.size());
    std::transform(truthTable1.values_.begin(), truthTable1.values_.end(), values_.begin(),
                   [](char v) { return v == 'T' ? 'F' : 'T'; });
}

Status clsTruthTable::generateFromBinary(const clsTruthTable& truthTable1,
                                         const clsTruthTable& truthTable2, char op,
                                         bool requireAntecedent, Computation& work) {
    if (mode_ == Mode::Propositional) {
        return CombinePropositional(truthTable1, truthTable2, op, requireAntecedent, work);
    }
    return CombinePredicate(truthTable1, truthTable2, op, requireAntecedent, work);
}

Status clsTruthTable::Simplify(Computation& work) {
    if (mode_ == Mode::Propositional) return SimplifyPropositional(work);
    return SimplifyPredicate(work);
}

std::string clsTruthTable::TruthCombo(int i) const {
    std::string row(static_cast<size_t>(TruthComboLength(i)), '\0');
    WriteTruthCombo(i, row.data());
    return row;
}

int clsTruthTable::TruthComboLength(int i) const {
    if (mode_ == Mode::Propositional) return nbrTerms();
    int length = nbrIntTerms();
    for (int j = 0; j < nbrLocTerms(); ++j) {
        length += (length > 0 || j > 0 ? 1 : 0) + 2 * LocalRegion(i, j).pairCount();
    }
    return length;
}

int clsTruthTable::MaxTruthComboLength() const {
    if (mode_ == Mode::Propositional) return nbrTerms();
    int longest = 0;
    for (int i = 0; i < nbrTruthCombos(); ++i) longest = std::max(longest, TruthComboLength(i));
    return longest;
}

char* clsTruthTable::WriteTruthCombo(int i, char* out) const {
    if (mode_ == Mode::Propositional) return SpellRow(nbrTerms(), static_cast<unsigned>(i), out);
    char* const start = out;
    for (int k = 0; k < nbrIntTerms(); ++k) *out++ = Inhabited(i, k) ? '1' : '0';
    for (int j = 0; j < nbrLocTerms(); ++j) {
        if (out > start || j > 0) *out++ = ' ';
        out = WriteRegionString(LocalRegion(i, j), out);
    }
    return out;
}

void clsTruthTable::RebuildTermNames() {
    terms_.clear();
    terms_.reserve(internal_.size() + locals_.size());
    for (Region r : internal_) terms_.push_back(RegionString(r));
    for (const LocalTerm& t : locals_) terms_.emplace_back(1, t.letter);
}

}  // namespace deducto

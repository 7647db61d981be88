#include "truthtable/modExplain.h"

#include <cstdint>
#include <memory>

#include "Progress.h"
#include "formula/Operators.h"
#include "truthtable/World.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// Cases taken from each set that fails: a few, spread over its rows, prune most sets.
constexpr int kWitnessesPerSet = 8;

class MinimalSetSearch {
public:
    MinimalSetSearch(const std::vector<PremiseTable>& premises, const clsTruthTable& conclusion,
                     Verdict verdict, Computation& work)
        : premises_(premises), conclusion_(conclusion), verdict_(verdict), work_(work) {
        std::vector<const clsTruthTable*> tables{&conclusion};
        for (const PremiseTable& p : premises) tables.push_back(p.table);
        frame_ = FrameOf(tables, conclusion.mode());
        if (verdict == Verdict::AlwaysTrue) {
            auto negated = std::make_unique<clsTruthTable>(conclusion.mode());
            negated->generateNot(conclusion);
            base_ = negated.get();
            ownedBase_ = std::move(negated);
        } else if (verdict == Verdict::AlwaysFalse) {
            base_ = &conclusion;
        }
    }

    Explanation Run() {
        Explanation result;
        result.verdict = verdict_;
        result.given = static_cast<int>(premises_.size());
        const int n = result.given;
        const std::uint32_t all = (1u << n) - 1;
        for (int size = base_ ? 0 : 1; size <= n; ++size) {
            std::vector<int> chosen(size);
            for (int i = 0; i < size; ++i) chosen[i] = i;
            do {
                std::uint32_t set = 0;
                for (const int i : chosen) set |= 1u << i;
                if (Excluded(set)) continue;
                bool suffices = set == all;  // the whole argument gave the verdict
                if (!suffices) {
                    if (work_.CheckCancel()) {
                        result.status = Status::Cancelled();
                        return result;
                    }
                    result.status = Test(set, suffices);
                    if (!result.status.ok()) return result;
                }
                if (suffices) {
                    for (const int i : chosen) result.premises.push_back(premises_[i].line);
                    return result;
                }
            } while (NextCombination(chosen, n));
        }
        // Unreachable: the whole set is always tried last.
        result.status = Status::Internal(kImpossibleError);
        return result;
    }

private:
    // The next set of the same size in premise order; false after the last.
    static bool NextCombination(std::vector<int>& chosen, int n) {
        const int k = static_cast<int>(chosen.size());
        int i = k - 1;
        while (i >= 0 && chosen[i] == n - k + i) --i;
        if (i < 0) return false;
        ++chosen[i];
        for (int j = i + 1; j < k; ++j) chosen[j] = chosen[j - 1] + 1;
        return true;
    }

    // A case already seen in which every premise of `set` holds: the set cannot suffice.
    [[nodiscard]] bool Excluded(std::uint32_t set) const {
        for (const std::uint32_t falseThere : witnesses_) {
            if ((falseThere & set) == 0) return true;
        }
        return false;
    }

    // Whether the premises of `set` with the base have no case in common.
    Status Test(std::uint32_t set, bool& suffices) {
        std::unique_ptr<clsTruthTable> owned;
        const clsTruthTable* running = nullptr;
        const auto conjoin = [&](const clsTruthTable& next) -> Status {
            if (running == nullptr) {
                running = &next;
                return {};
            }
            auto conjunction = std::make_unique<clsTruthTable>(next.mode());
            Status status = conjunction->generateFromBinary(*running, next, op::kAnd, false, work_);
            if (status.ok()) status = conjunction->Simplify(work_);
            if (!status.ok()) return status;
            if (work_.CheckCancel()) return Status::Cancelled();
            owned = std::move(conjunction);
            running = owned.get();
            return {};
        };
        for (size_t i = 0; i < premises_.size(); ++i) {
            if (!(set & (1u << i))) continue;
            Status status = conjoin(*premises_[i].table);
            if (!status.ok()) return status;
        }
        if (base_ != nullptr) {
            Status status = conjoin(*base_);
            if (!status.ok()) return status;
        }
        std::vector<int> cases;
        for (int i = 0; i < running->nbrTruthCombos(); ++i) {
            if (running->TruthValue(i) == 'T') cases.push_back(i);
        }
        suffices = cases.empty();
        const size_t step = cases.size() / kWitnessesPerSet + 1;
        for (size_t c = 0; c < cases.size(); c += step) AddWitness(*running, cases[c], set);
        return {};
    }

    // Records which premises are false in the world of `row`, a case of the set's premises
    // with the base.
    void AddWitness(const clsTruthTable& table, int row, std::uint32_t set) {
        const std::optional<World> world = WorldFromRow(table, row, frame_);
        if (!world) return;
        if (base_ != nullptr && ValueInWorld(*base_, *world) != 'T') return;
        std::uint32_t falseThere = 0;
        for (size_t i = 0; i < premises_.size(); ++i) {
            if (ValueInWorld(*premises_[i].table, *world) != 'T') falseThere |= 1u << i;
        }
        // A world that disagrees with its own table would prune sets it cannot speak for.
        if (falseThere == 0 || (falseThere & set) != 0) return;
        witnesses_.push_back(falseThere);
    }

    const std::vector<PremiseTable>& premises_;
    const clsTruthTable& conclusion_;
    Verdict verdict_;
    Computation& work_;
    WorldFrame frame_;
    const clsTruthTable* base_ = nullptr;  // what the premises must rule out, if anything
    std::unique_ptr<clsTruthTable> ownedBase_;
    std::vector<std::uint32_t> witnesses_;  // per case seen: the premises false in it
};

std::string NumberList(const std::vector<int>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += i + 1 == lines.size() ? " and " : ", ";
        text += std::to_string(lines[i]);
    }
    return text;
}

}  // namespace

Explanation ExplainVerdict(const std::vector<PremiseTable>& premises,
                           const clsTruthTable& conclusion, Verdict verdict, Computation& work) {
    if (!HasExplanation(verdict) || premises.size() > 31) return {};
    return MinimalSetSearch(premises, conclusion, verdict, work).Run();
}

Explanation ExplainArgument(const ArgumentLines& lines, Verdict verdict, Computation& work) {
    if (!lines[0].table) return {};
    std::vector<PremiseTable> premises;
    for (int line = 1; line < kLineCount; ++line) {
        if (lines[line].table) premises.push_back({line, lines[line].table.get()});
    }
    return ExplainVerdict(premises, *lines[0].table, verdict, work);
}

std::string ExplanationText(const Explanation& explanation) {
    if (!explanation.found()) return {};
    const std::vector<int>& lines = explanation.premises;
    const bool one = lines.size() == 1;
    const std::string numbers = NumberList(lines);
    if (lines.empty()) {
        return explanation.verdict == Verdict::AlwaysFalse ? "It is false without any premise."
                                                           : "It is true without any premise.";
    }
    if (static_cast<int>(lines.size()) == explanation.given) return "Every premise is needed.";
    switch (explanation.verdict) {
        case Verdict::AlwaysTrue:
            return "It follows from premise" + std::string(one ? " " : "s ") + numbers + " alone.";
        case Verdict::AlwaysFalse:
            return one ? "Premise " + numbers + " alone rules it out."
                       : "Premises " + numbers + " alone rule it out.";
        case Verdict::PremisesFalse:
            if (one) return "Premise " + numbers + " cannot be true.";
            return "Premises " + numbers +
                   (lines.size() == 2 ? " cannot be true together."
                                      : " cannot all be true together.");
        default:
            return {};
    }
}

}  // namespace deducto

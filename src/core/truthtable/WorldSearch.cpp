#include "truthtable/WorldSearch.h"

#include <algorithm>

#include "Progress.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// True when the assignment w already keeps its individual out of region e.
bool KeptOut(Region w, Region e) { return ((w.pos & e.neg) | (w.neg & e.pos)) != 0; }

// Extends w until it lies outside every region of `empties`. Each empty region is a clause
// "not all of these pairs": clauses with one free letter are forced, otherwise the search
// branches on the letters of the first open clause.
bool Solve(Region w, std::span<const Region> empties, Region* witness) {
    while (true) {
        const Region* open = nullptr;
        std::uint32_t openFree = 0;
        bool forced = false;
        for (const Region& e : empties) {
            if (KeptOut(w, e)) continue;
            const std::uint32_t free = e.letters() & ~w.letters();
            if (free == 0) return false;  // w lies inside an empty region
            if ((free & (free - 1)) == 0) {
                // Take the sign opposite to the empty region's, which keeps w out of it.
                (e.pos & free ? w.neg : w.pos) |= free;
                forced = true;
            } else if (open == nullptr) {
                open = &e;
                openFree = free;
            }
        }
        if (forced) continue;  // earlier clauses may have changed: look again
        if (open == nullptr) {
            *witness = w;
            return true;
        }
        for (std::uint32_t rest = openFree; rest != 0; rest &= rest - 1) {
            const std::uint32_t bit = rest & (~rest + 1);
            Region next = w;
            (open->pos & bit ? next.neg : next.pos) |= bit;
            if (Solve(next, empties, witness)) return true;
        }
        return false;
    }
}

}  // namespace

bool Satisfiable(Region r, std::span<const Region> empties, Region* witness) {
    if (HasContradiction(r)) return false;
    return Solve(r, empties, witness);
}

Status CheckWorldLimits(int internalTerms, const std::vector<CandidateSummary>& locals) {
    if (internalTerms > kMaxInternalTerms) return Status::Limit(kTooManyRegionsMessage);
    for (const CandidateSummary& local : locals) {
        if (local.maxPairs > kMaxRegionPairs) return Status::Limit(kRegionTooLongMessage);
    }
    long long rows = 1;
    for (const CandidateSummary& local : locals) {
        rows = std::min<long long>(rows * local.count, kMaxTruthCombos + 1LL);
    }
    return rows > kMaxTruthCombos ? Status::Limit(kTooManyRowsMessage) : Status{};
}

WorldSearch::WorldSearch(const std::vector<Region>& internal,
                         const std::vector<std::vector<Region>>& candidates, bool individualNamed)
    : internal_(internal),
      candidates_(candidates),
      individualNamed_(individualNamed),
      n_(static_cast<int>(internal.size())),
      lastWitness_(internal.size()),
      allowed_(candidates.size()),
      cursor_(candidates.size()) {}

Status WorldSearch::Run(Computation& work, WorldRows& out) {
    work_ = &work;
    out_ = &out;
    Progress& progress = work.progress;
    if (progress.step == Step::BuildingCombinations) {
        progress.progressCurrent = 0;
        progress.progressTotal = 1LL << n_;
    }
    return Visit(0);
}

Status WorldSearch::Visit(int k) {
    if (k == n_) return EmitPattern();
    const std::uint32_t bit = 1u << (n_ - 1 - k);

    // First the patterns in which region k is inhabited.
    flags_ |= bit;
    Inhabited entry{k, internal_[k], false};
    bool possible = true;
    if (!empties_.empty()) {
        // The witness this region had last time often still works, or nearly.
        possible =
            (lastWitness_[k].has_value() && Solve(*lastWitness_[k], empties_, &entry.witness)) ||
            Satisfiable(internal_[k], empties_, &entry.witness);
        if (possible) lastWitness_[k] = entry.witness;
        entry.checked = true;
    }
    Status status;
    if (possible) {
        inhabited_.push_back(entry);
        status = Visit(k + 1);
        inhabited_.pop_back();
    } else {
        status = Skip(k + 1);
    }
    flags_ &= ~bit;
    if (!status.ok()) return status;

    // Then those in which it is empty.
    const bool firstEmpty = empties_.empty();
    empties_.push_back(internal_[k]);
    const size_t undoMark = undo_.size();
    if (InhabitedStillPossible(internal_[k], firstEmpty)) {
        status = Visit(k + 1);
    } else {
        status = Skip(k + 1);
    }
    while (undo_.size() > undoMark) {
        inhabited_[undo_.back().index] = undo_.back().before;
        undo_.pop_back();
    }
    empties_.pop_back();
    return status;
}

bool WorldSearch::InhabitedStillPossible(Region emptied, bool firstEmpty) {
    for (size_t i = 0; i < inhabited_.size(); ++i) {
        Inhabited& h = inhabited_[i];
        if (!firstEmpty && h.checked && KeptOut(h.witness, emptied)) continue;
        undo_.push_back(Undo{i, h});
        // The old witness lies outside every other empty region, and giving it one more
        // letter keeps it there: a letter of the emptied region that it leaves free, with
        // the opposite sign, is enough (the same witness Solve would find first).
        if (!firstEmpty && h.checked) {
            const std::uint32_t free = emptied.letters() & ~h.witness.letters();
            if (free != 0) {
                const std::uint32_t bit = free & (~free + 1);
                (emptied.pos & bit ? h.witness.neg : h.witness.pos) |= bit;
                continue;
            }
        }
        // Otherwise extending the old witness may still work; failing that, start afresh.
        Region witness;
        if (!(h.checked && Solve(h.witness, empties_, &witness)) &&
            !Satisfiable(internal_[h.term], empties_, &witness)) {
            return false;
        }
        h.witness = witness;
        h.checked = true;
    }
    return true;
}

Status WorldSearch::Skip(int k) {
    work_->progress.progressCurrent += 1LL << (n_ - k);
    return work_->CheckCancel() ? Status::Cancelled() : Status{};
}

Status WorldSearch::EmitPattern() {
    work_->progress.progressCurrent += 1;
    if (work_->CheckCancel()) return Status::Cancelled();
    Region witness;

    if (candidates_.empty()) {
        // A named individual must have somewhere to be.
        if (individualNamed_ && inhabited_.empty() && !empties_.empty() &&
            !Satisfiable(Region{}, empties_, &witness)) {
            return {};
        }
        out_->flags.push_back(flags_);
        if (++out_->count > kMaxTruthCombos) return Status::Limit(kTooManyRowsMessage);
        return {};
    }

    for (size_t j = 0; j < candidates_.size(); ++j) {
        allowed_[j].clear();
        for (const Region& c : candidates_[j]) {
            if (HasContradiction(c)) continue;
            if (empties_.empty() || Satisfiable(c, empties_, &witness)) allowed_[j].push_back(c);
        }
        if (allowed_[j].empty()) return {};
    }

    // Every combination of the allowed regions, the last individual changing fastest; a
    // pattern whose combinations would pass the row limit stops before building them.
    long long combinations = 1;
    for (const std::vector<Region>& allowed : allowed_) {
        combinations = std::min<long long>(combinations * static_cast<long long>(allowed.size()),
                                           kMaxTruthCombos + 1LL);
    }
    if (out_->count + combinations > kMaxTruthCombos) return Status::Limit(kTooManyRowsMessage);
    std::fill(cursor_.begin(), cursor_.end(), 0);
    const int locals = static_cast<int>(allowed_.size());
    while (true) {
        out_->flags.push_back(flags_);
        for (int j = 0; j < locals; ++j) out_->cells.push_back(allowed_[j][cursor_[j]]);
        ++out_->count;
        int j = locals - 1;
        while (j >= 0 && ++cursor_[j] == static_cast<int>(allowed_[j].size())) {
            cursor_[j] = 0;
            --j;
        }
        if (j < 0) return {};
    }
}

}  // namespace deducto

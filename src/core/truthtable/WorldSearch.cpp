#include "truthtable/WorldSearch.h"

#include <bit>

#include "Session.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// True when the assignment w already keeps its individual out of region e.
bool KeptOut(Region w, Region e) { return ((w.pos & e.neg) | (w.neg & e.pos)) != 0; }

// Extends w until it lies outside every region of `empties`. Each empty region is a clause
// "not all of these pairs"; the search branches on the unsatisfied clause with the fewest
// free letters, so unit clauses cost nothing.
bool Solve(Region w, std::span<const Region> empties, Region* witness) {
    const Region* best = nullptr;
    std::uint32_t bestFree = 0;
    int bestCount = 64;
    for (const Region& e : empties) {
        if (KeptOut(w, e)) continue;
        const std::uint32_t free = e.letters() & ~w.letters();
        if (free == 0) return false;  // w lies inside an empty region
        const int count = std::popcount(free);
        if (count < bestCount) {
            best = &e;
            bestFree = free;
            bestCount = count;
        }
    }
    if (best == nullptr) {
        *witness = w;
        return true;
    }
    for (std::uint32_t rest = bestFree; rest != 0; rest &= rest - 1) {
        const std::uint32_t bit = rest & (~rest + 1);
        Region next = w;
        // Take the sign opposite to the empty region's, which keeps w out of it.
        if (best->pos & bit) {
            next.neg |= bit;
        } else {
            next.pos |= bit;
        }
        if (Solve(next, empties, witness)) return true;
    }
    return false;
}

}  // namespace

bool Satisfiable(Region r, std::span<const Region> empties, Region* witness) {
    if (HasContradiction(r)) return false;
    return Solve(r, empties, witness);
}

WorldSearch::WorldSearch(const std::vector<Region>& internal,
                         const std::vector<std::vector<Region>>& candidates, bool individualNamed)
    : internal_(internal),
      candidates_(candidates),
      individualNamed_(individualNamed),
      n_(static_cast<int>(internal.size())),
      allowed_(candidates.size()),
      cursor_(candidates.size()) {}

Status WorldSearch::Run(Session& session, WorldRows& out) {
    session_ = &session;
    out_ = &out;
    Progress& progress = session.progress;
    if (progress.progressText == "Building combinations") {
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
        possible = Satisfiable(internal_[k], empties_, &entry.witness);
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
    const std::vector<Inhabited> saved = inhabited_;
    if (InhabitedStillPossible(internal_[k], firstEmpty)) {
        status = Visit(k + 1);
    } else {
        status = Skip(k + 1);
    }
    inhabited_ = saved;
    empties_.pop_back();
    return status;
}

bool WorldSearch::InhabitedStillPossible(Region emptied, bool firstEmpty) {
    for (Inhabited& h : inhabited_) {
        if (!firstEmpty && h.checked && KeptOut(h.witness, emptied)) continue;
        if (!Satisfiable(internal_[h.term], empties_, &h.witness)) return false;
        h.checked = true;
    }
    return true;
}

Status WorldSearch::Skip(int k) {
    session_->progress.progressCurrent += 1LL << (n_ - k);
    return session_->CheckCancel() ? Status::Cancelled() : Status{};
}

Status WorldSearch::EmitPattern() {
    session_->progress.progressCurrent += 1;
    if (session_->CheckCancel()) return Status::Cancelled();
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

    // Every combination of the allowed regions, the last individual changing fastest.
    std::fill(cursor_.begin(), cursor_.end(), 0);
    const int locals = static_cast<int>(allowed_.size());
    while (true) {
        out_->flags.push_back(flags_);
        for (int j = 0; j < locals; ++j) out_->cells.push_back(allowed_[j][cursor_[j]]);
        if (++out_->count > kMaxTruthCombos) return Status::Limit(kTooManyRowsMessage);
        int j = locals - 1;
        while (j >= 0 && ++cursor_[j] == static_cast<int>(allowed_[j].size())) {
            cursor_[j] = 0;
            --j;
        }
        if (j < 0) return {};
    }
}

}  // namespace deducto

// Predicate simplification: terms are masked one at a time, in order; a term is unneeded
// when, with it and the unneeded terms before it masked, no two rows look alike while
// their values differ. Rows are compared through a hash of their unmasked cells, or, in a
// table of flags alone over few terms, by their masked flags directly. The table is then
// rebuilt with the terms that are needed.
#include <algorithm>
#include <vector>

#include "Progress.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

// A predicate table's rows with some of their terms hidden: the flags outside `kept`, and
// the local terms that `maskedLocal` marks.
class MaskedRows {
public:
    MaskedRows(const std::vector<std::uint32_t>& flags, const std::vector<Region>& cells,
               const std::vector<bool>& maskedLocal)
        : flags_(flags),
          cells_(cells),
          maskedLocal_(maskedLocal),
          nLoc_(static_cast<int>(maskedLocal.size())) {}

    // The earlier row of `seen` that looks like `row`, or -1 (and `row` joins `seen`).
    int Twin(RowSet& seen, int row, std::uint32_t kept) const {
        return seen.FindOrInsert(Hash(row, kept), row,
                                 [&](int other) { return Equal(row, other, kept); });
    }

private:
    std::uint64_t Hash(int row, std::uint32_t kept) const {
        std::uint64_t h = HashMix(0, flags_[row] & kept);
        for (int j = 0; j < nLoc_; ++j) {
            if (!maskedLocal_[j]) h = HashMix(h, cells_[row * nLoc_ + j]);
        }
        return h;
    }
    bool Equal(int a, int b, std::uint32_t kept) const {
        if ((flags_[a] & kept) != (flags_[b] & kept)) return false;
        for (int j = 0; j < nLoc_; ++j) {
            if (!maskedLocal_[j] && !(cells_[a * nLoc_ + j] == cells_[b * nLoc_ + j])) {
                return false;
            }
        }
        return true;
    }

    const std::vector<std::uint32_t>& flags_;
    const std::vector<Region>& cells_;
    const std::vector<bool>& maskedLocal_;
    int nLoc_;
};

// True when two rows look alike through the mask while their values differ.
bool Conflict(const MaskedRows& masked, const std::vector<char>& values, std::uint32_t kept,
              RowSet& seen) {
    const int rows = static_cast<int>(values.size());
    seen.Reset(rows);
    for (int i = 0; i < rows; ++i) {
        const int twin = masked.Twin(seen, i, kept);
        if (twin >= 0 && values[twin] != values[i]) return true;
    }
    return false;
}

// The same for a table of flags alone: the masked flags index `firstValue`, one byte per
// flag pattern holding the value of the first row seen with it.
bool FlagsConflict(const std::vector<std::uint32_t>& flags, const std::vector<char>& values,
                   std::uint32_t kept, std::vector<char>& firstValue) {
    std::fill(firstValue.begin(), firstValue.end(), '\0');
    for (size_t i = 0; i < values.size(); ++i) {
        char& first = firstValue[flags[i] & kept];
        if (first == '\0') {
            first = values[i];
        } else if (first != values[i]) {
            return true;
        }
    }
    return false;
}

}  // namespace

Status clsTruthTable::SimplifyPredicate(Computation& work) {
    TermMask mask;
    const Status status = MaskUnneededTerms(work, mask);
    if (status.ok() && mask.anyMasked) KeepUnmaskedTerms(mask);
    return status;
}

Status clsTruthTable::MaskUnneededTerms(Computation& work, TermMask& mask) const {
    const int nInt = nbrIntTerms();
    const int nLoc = nbrLocTerms();
    mask.flagsKept = nInt == 32 ? ~0u : (1u << nInt) - 1;
    mask.maskedLocal.assign(static_cast<size_t>(nLoc), false);
    mask.anyMasked = false;
    const MaskedRows masked(flags_, cells_, mask.maskedLocal);
    RowSet seen;
    std::vector<char> firstValue(RowsKeyedByFlags() ? size_t{1} << nInt : 0);
    const auto conflictWhenMasked = [&](std::uint32_t kept) {
        return firstValue.empty() ? Conflict(masked, values_, kept, seen)
                                  : FlagsConflict(flags_, values_, kept, firstValue);
    };

    for (int t = 0; t < nInt + nLoc; ++t) {
        // Nothing has changed yet, so a cancel leaves the table as it was.
        if (work.CheckCancel()) return Status::Cancelled();
        const bool internal = t < nInt;
        const std::uint32_t kept =
            internal ? mask.flagsKept & ~(1u << (nInt - 1 - t)) : mask.flagsKept;
        if (!internal) mask.maskedLocal[t - nInt] = true;
        if (conflictWhenMasked(kept)) {
            if (!internal) mask.maskedLocal[t - nInt] = false;
        } else {
            mask.flagsKept = kept;
            mask.anyMasked = true;
        }
    }
    return {};
}

void clsTruthTable::KeepUnmaskedTerms(const TermMask& mask) {
    const int nInt = nbrIntTerms();
    const int nLoc = nbrLocTerms();
    const int rows = nbrTruthCombos();
    std::vector<Region> internalKept;
    std::vector<int> keptFlagBits;
    for (int k = 0; k < nInt; ++k) {
        if (mask.flagsKept & (1u << (nInt - 1 - k))) {
            internalKept.push_back(internal_[k]);
            keptFlagBits.push_back(nInt - 1 - k);
        }
    }
    std::vector<LocalTerm> localsKept;
    std::vector<int> keptLocals;
    for (int j = 0; j < nLoc; ++j) {
        if (!mask.maskedLocal[j]) {
            localsKept.push_back(locals_[j]);
            keptLocals.push_back(j);
        } else if (dropped_.find(locals_[j].letter) == std::string::npos) {
            dropped_ += locals_[j].letter;
        }
    }

    // Rows that now coincide are kept once, the first first.
    const MaskedRows masked(flags_, cells_, mask.maskedLocal);
    RowSet seen;
    seen.Reset(rows);
    std::vector<std::uint32_t> flags;
    std::vector<Region> cells;
    std::vector<char> values;
    const int newInt = static_cast<int>(internalKept.size());
    for (int i = 0; i < rows; ++i) {
        if (masked.Twin(seen, i, mask.flagsKept) >= 0) continue;
        std::uint32_t packed = 0;
        for (int k = 0; k < newInt; ++k) {
            if ((flags_[i] >> keptFlagBits[k]) & 1u) packed |= 1u << (newInt - 1 - k);
        }
        flags.push_back(packed);
        for (int j : keptLocals) cells.push_back(cells_[i * nLoc + j]);
        values.push_back(values_[i]);
    }
    internal_ = std::move(internalKept);
    locals_ = std::move(localsKept);
    flags_ = std::move(flags);
    cells_ = std::move(cells);
    values_ = std::move(values);
    rowIndex_.clear();
    rowByFlags_.clear();
    RebuildTermNames();
}

}  // namespace deducto

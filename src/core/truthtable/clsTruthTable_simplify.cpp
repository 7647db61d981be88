// Predicate simplification: terms are masked one at a time, in order; a term is unneeded
// when, with it and the unneeded terms before it masked, no two rows look alike while
// their values differ. Rows are compared through a hash of their unmasked cells, or, in a
// table of flags alone over few terms, by their masked flags directly.
#include <algorithm>
#include <vector>

#include "Progress.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

Status clsTruthTable::SimplifyPredicate(Computation& work) {
    const int nInt = nbrIntTerms();
    const int nLoc = nbrLocTerms();
    const int rows = nbrTruthCombos();
    std::vector<bool> maskedLocal(nLoc, false);
    std::uint32_t flagsKept = nInt == 32 ? ~0u : (1u << nInt) - 1;

    auto maskedHash = [&](int row, std::uint32_t kept) {
        std::uint64_t h = HashMix(0, flags_[row] & kept);
        for (int j = 0; j < nLoc; ++j) {
            if (!maskedLocal[j]) h = HashMix(h, cells_[row * nLoc + j]);
        }
        return h;
    };
    auto maskedEqual = [&](int a, int b, std::uint32_t kept) {
        if ((flags_[a] & kept) != (flags_[b] & kept)) return false;
        for (int j = 0; j < nLoc; ++j) {
            if (!maskedLocal[j] && !(cells_[a * nLoc + j] == cells_[b * nLoc + j])) return false;
        }
        return true;
    };

    // True when two rows look alike with the flags outside `kept` and the masked locals
    // hidden, while their values differ. Where rows are keyed by their flags, the masked
    // flags index one byte per flag pattern: the value of the first row seen with them.
    RowSet seen;
    std::vector<char> valueByFlags(RowsKeyedByFlags() ? size_t{1} << nInt : 0);
    auto conflictWhenMasked = [&](std::uint32_t kept) {
        if (!valueByFlags.empty()) {
            std::fill(valueByFlags.begin(), valueByFlags.end(), '\0');
            for (int i = 0; i < rows; ++i) {
                char& first = valueByFlags[flags_[i] & kept];
                if (first == '\0') {
                    first = values_[i];
                } else if (first != values_[i]) {
                    return true;
                }
            }
            return false;
        }
        seen.Reset(rows);
        for (int i = 0; i < rows; ++i) {
            const int twin = seen.FindOrInsert(
                maskedHash(i, kept), i, [&](int other) { return maskedEqual(i, other, kept); });
            if (twin >= 0 && values_[twin] != values_[i]) return true;
        }
        return false;
    };

    bool anyUnneeded = false;
    for (int t = 0; t < nInt + nLoc; ++t) {
        // Nothing has changed yet, so a cancel leaves the table as it was.
        if (work.CheckCancel()) return Status::Cancelled();
        const bool internal = t < nInt;
        const std::uint32_t kept = internal ? flagsKept & ~(1u << (nInt - 1 - t)) : flagsKept;
        if (!internal) maskedLocal[t - nInt] = true;
        if (conflictWhenMasked(kept)) {
            if (!internal) maskedLocal[t - nInt] = false;
        } else {
            flagsKept = kept;
            anyUnneeded = true;
        }
    }
    if (!anyUnneeded) return {};

    // Rebuild with the kept terms only; rows that now coincide are kept once, first first.
    std::vector<Region> internalKept;
    std::vector<int> keptFlagBits;
    for (int k = 0; k < nInt; ++k) {
        if (flagsKept & (1u << (nInt - 1 - k))) {
            internalKept.push_back(internal_[k]);
            keptFlagBits.push_back(nInt - 1 - k);
        }
    }
    std::vector<LocalTerm> localsKept;
    std::vector<int> keptLocals;
    for (int j = 0; j < nLoc; ++j) {
        if (!maskedLocal[j]) {
            localsKept.push_back(locals_[j]);
            keptLocals.push_back(j);
        } else if (dropped_.find(locals_[j].letter) == std::string::npos) {
            dropped_ += locals_[j].letter;
        }
    }

    std::vector<std::uint32_t> flags;
    std::vector<Region> cells;
    std::vector<char> values;
    seen.Reset(rows);
    const int newInt = static_cast<int>(internalKept.size());
    for (int i = 0; i < rows; ++i) {
        if (seen.FindOrInsert(maskedHash(i, flagsKept), i,
                              [&](int other) { return maskedEqual(i, other, flagsKept); }) >= 0) {
            continue;
        }
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
    return {};
}

}  // namespace deducto

// Predicate simplification: terms are masked one at a time, in order; a term is unneeded
// when, with it and the unneeded terms before it masked, no two rows look alike while
// their values differ. Rows are compared through a hash of their unmasked cells.
#include <unordered_map>

#include "truthtable/clsTruthTable.h"

namespace deducto {

namespace {

void AppendBytes(std::string& key, const void* data, size_t size) {
    key.append(static_cast<const char*>(data), size);
}

}  // namespace

void clsTruthTable::SimplifyPredicate() {
    const int nInt = nbrIntTerms();
    const int nLoc = nbrLocTerms();
    const int rows = nbrTruthCombos();
    std::vector<bool> masked(nInt + nLoc, false);
    std::uint32_t flagMask = nInt == 32 ? ~0u : (1u << nInt) - 1;  // unmasked flag bits

    auto rowKey = [&](int row, std::uint32_t flagsKept, std::string& key) {
        key.clear();
        const std::uint32_t flags = flags_[row] & flagsKept;
        AppendBytes(key, &flags, sizeof flags);
        for (int j = 0; j < nLoc; ++j) {
            if (!masked[nInt + j]) AppendBytes(key, &cells_[row * nLoc + j], sizeof(Region));
        }
    };

    bool anyUnneeded = false;
    std::unordered_map<std::string, char> seen;
    seen.reserve(rows);
    std::string key;
    for (int t = 0; t < nInt + nLoc; ++t) {
        masked[t] = true;
        const std::uint32_t flagsKept = t < nInt ? flagMask & ~(1u << (nInt - 1 - t)) : flagMask;
        seen.clear();
        bool conflict = false;
        for (int i = 0; i < rows && !conflict; ++i) {
            rowKey(i, flagsKept, key);
            const auto [at, inserted] = seen.try_emplace(key, values_[i]);
            conflict = !inserted && at->second != values_[i];
        }
        if (conflict) {
            masked[t] = false;
        } else {
            flagMask = flagsKept;
            anyUnneeded = true;
        }
    }
    if (!anyUnneeded) return;

    // Rebuild with the kept terms only; rows that now coincide are kept once, first first.
    std::vector<Region> internal;
    std::vector<int> keptFlagBits;
    for (int k = 0; k < nInt; ++k) {
        if (!masked[k]) {
            internal.push_back(internal_[k]);
            keptFlagBits.push_back(nInt - 1 - k);
        }
    }
    std::vector<LocalTerm> locals;
    std::vector<int> keptLocals;
    for (int j = 0; j < nLoc; ++j) {
        if (!masked[nInt + j]) {
            locals.push_back(locals_[j]);
            keptLocals.push_back(j);
        } else if (dropped_.find(locals_[j].letter) == std::string::npos) {
            dropped_ += locals_[j].letter;
        }
    }

    std::vector<std::uint32_t> flags;
    std::vector<Region> cells;
    std::vector<char> values;
    std::unordered_map<std::string, int> kept;
    const int newInt = static_cast<int>(internal.size());
    for (int i = 0; i < rows; ++i) {
        rowKey(i, flagMask, key);
        if (!kept.try_emplace(key, i).second) continue;
        std::uint32_t packed = 0;
        for (int k = 0; k < newInt; ++k) {
            if ((flags_[i] >> keptFlagBits[k]) & 1u) packed |= 1u << (newInt - 1 - k);
        }
        flags.push_back(packed);
        for (int j : keptLocals) cells.push_back(cells_[i * nLoc + j]);
        values.push_back(values_[i]);
    }
    internal_ = std::move(internal);
    locals_ = std::move(locals);
    flags_ = std::move(flags);
    cells_ = std::move(cells);
    values_ = std::move(values);
    rowIndex_.map.reset();
    RebuildTermNames();
}

}  // namespace deducto

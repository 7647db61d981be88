// Lists of regions: distinct regions gathered from a table, sorted in the order of their
// written forms, and the regions an individual may take when two tables are combined.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "truthtable/Region.h"

namespace deducto {

// Sorts consistent regions into the order of their written forms and drops repeats.
void SortRegions(std::vector<Region>& regions);

// Distinct regions, found through a hash of each (open addressing, so a repeat costs no
// allocation); Sorted() hands them over in order.
class RegionSet {
public:
    void Add(Region r);
    [[nodiscard]] std::vector<Region> Sorted() && {
        SortRegions(list_);
        return std::move(list_);
    }

private:
    static constexpr std::uint64_t kFree = ~0ULL;  // no region packs to this: 26 letters
    static std::uint64_t Pack(Region r) {
        return (static_cast<std::uint64_t>(r.pos) << 32) | r.neg;
    }
    [[nodiscard]] std::uint64_t& SlotOf(std::uint64_t packed);
    std::vector<std::uint64_t> slots_;
    std::vector<Region> list_;
};

// How many regions an individual may take and the most pairs one of them holds: what a
// table's limits are checked against before its regions are built.
struct CandidateSummary {
    long long count = 0;
    int maxPairs = 0;
};

// The regions an individual may take in a combination: each of its regions in the first
// operand merged with each of its regions in the second, where the two agree (a
// contradictory merge could never be a row), or its regions in the one operand that names
// it. Within a table every region of an individual speaks of the same letters, so two
// regions agree exactly when they match on the letters both speak of: grouping the
// second list on those letters finds the partners of each first region directly, and the
// work grows with the merges kept rather than with the product of the lists. Lists that do
// not keep to one set of letters are paired exhaustively.
class RegionMerge {
public:
    // Both lists distinct and consistent.
    RegionMerge(std::vector<Region> first, std::vector<Region> second);

    [[nodiscard]] const CandidateSummary& summary() const { return summary_; }
    // The merged regions, sorted.
    [[nodiscard]] std::vector<Region> Regions() const;

private:
    template <typename F>
    void ForEachMerge(F&& f) const;

    std::vector<Region> first_;
    std::vector<Region> second_;
    bool grouped_ = false;
    std::uint32_t shared_ = 0;  // the letters both lists speak of, when grouped
    std::vector<std::pair<std::uint32_t, int>> byShared_;  // second_'s "+" letters in shared_
    CandidateSummary summary_;
};

}  // namespace deducto

#include "truthtable/RegionList.h"

#include <algorithm>
#include <bit>

#include "truthtable/RowSet.h"

namespace deducto {

namespace {

// True when every region of the list is consistent and speaks of the same letters.
bool OneLetterSet(const std::vector<Region>& list) {
    return std::all_of(list.begin(), list.end(), [&](Region r) {
        return !HasContradiction(r) && r.letters() == list.front().letters();
    });
}

int MostPairs(const std::vector<Region>& list) {
    int most = 0;
    for (Region r : list) most = std::max(most, r.pairCount());
    return most;
}

}  // namespace

void SortRegions(std::vector<Region>& regions) {
    // Each key once, rather than once per comparison.
    std::vector<std::pair<std::uint64_t, Region>> keyed;
    keyed.reserve(regions.size());
    for (Region r : regions) keyed.emplace_back(RegionKey(r), r);
    std::sort(keyed.begin(), keyed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    regions.clear();
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first) regions.push_back(keyed[i].second);
    }
}

std::uint64_t& RegionSet::SlotOf(std::uint64_t packed) {
    const size_t mask = slots_.size() - 1;
    size_t i = HashMix(0, packed) & mask;
    while (slots_[i] != packed && slots_[i] != kFree) i = (i + 1) & mask;
    return slots_[i];
}

void RegionSet::Add(Region r) {
    if (2 * (list_.size() + 1) > slots_.size()) {
        // Keep the table at most half full: grow it and enter again what is there.
        slots_.assign(std::bit_ceil(4 * (list_.size() + 1)), kFree);
        for (Region kept : list_) SlotOf(Pack(kept)) = Pack(kept);
    }
    std::uint64_t& slot = SlotOf(Pack(r));
    if (slot != kFree) return;
    slot = Pack(r);
    list_.push_back(r);
}

RegionMerge::RegionMerge(std::vector<Region> first, std::vector<Region> second)
    : first_(std::move(first)), second_(std::move(second)) {
    if (first_.empty() || second_.empty()) {
        const std::vector<Region>& named = first_.empty() ? second_ : first_;
        summary_ = {static_cast<long long>(named.size()), MostPairs(named)};
        return;
    }
    grouped_ = OneLetterSet(first_) && OneLetterSet(second_);
    if (!grouped_) {
        ForEachMerge([this](Region merged) {
            ++summary_.count;
            summary_.maxPairs = std::max(summary_.maxPairs, merged.pairCount());
        });
        return;
    }
    // On the shared letters a consistent region is fixed by its "+" letters alone.
    shared_ = first_.front().letters() & second_.front().letters();
    byShared_.reserve(second_.size());
    for (int i = 0; i < static_cast<int>(second_.size()); ++i) {
        byShared_.emplace_back(second_[i].pos & shared_, i);
    }
    std::sort(byShared_.begin(), byShared_.end());
    for (Region a : first_) {
        const auto [from, to] =
            std::equal_range(byShared_.begin(), byShared_.end(), std::pair{a.pos & shared_, 0},
                             [](const auto& x, const auto& y) { return x.first < y.first; });
        summary_.count += to - from;
    }
    if (summary_.count > 0) {
        summary_.maxPairs = MergeSigns(first_.front(), second_.front()).pairCount();
    }
}

template <typename F>
void RegionMerge::ForEachMerge(F&& f) const {
    if (!grouped_) {
        for (Region a : first_) {
            for (Region b : second_) {
                const Region merged = MergeSigns(a, b);
                if (!HasContradiction(merged)) f(merged);
            }
        }
        return;
    }
    for (Region a : first_) {
        const auto [from, to] =
            std::equal_range(byShared_.begin(), byShared_.end(), std::pair{a.pos & shared_, 0},
                             [](const auto& x, const auto& y) { return x.first < y.first; });
        for (auto it = from; it != to; ++it) f(MergeSigns(a, second_[it->second]));
    }
}

std::vector<Region> RegionMerge::Regions() const {
    if (first_.empty() || second_.empty()) return first_.empty() ? second_ : first_;
    std::vector<Region> merged;
    merged.reserve(static_cast<size_t>(summary_.count));
    ForEachMerge([&merged](Region r) { merged.push_back(r); });
    SortRegions(merged);
    return merged;
}

}  // namespace deducto

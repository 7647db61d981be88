// Region lists against their written forms: the integer key must order regions exactly as
// their sign-pair strings compare, and the merged candidates of a combination must be every
// agreeing pair of regions, found however the lists are shaped.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "truthtable/RegionList.h"

namespace deducto::testing {
namespace {

// Every consistent region over the letters of `letters`, each letter present.
std::vector<Region> AllOver(std::uint32_t letters) {
    std::vector<Region> all{Region{}};
    for (int b = 0; b < 26; ++b) {
        if (!(letters & (1u << b))) continue;
        std::vector<Region> grown;
        for (Region r : all) {
            grown.push_back(Region{r.pos | (1u << b), r.neg});
            grown.push_back(Region{r.pos, r.neg | (1u << b)});
        }
        all = std::move(grown);
    }
    return all;
}

std::vector<std::string> Written(const std::vector<Region>& regions) {
    std::vector<std::string> texts;
    for (Region r : regions) texts.push_back(RegionString(r));
    return texts;
}

Region RandomRegion(std::mt19937& rng, std::uint32_t letters) {
    Region r;
    for (int b = 0; b < 26; ++b) {
        if (!(letters & (1u << b))) continue;
        switch (rng() % 3) {
            case 0:
                r.pos |= 1u << b;
                break;
            case 1:
                r.neg |= 1u << b;
                break;
            default:
                break;
        }
    }
    return r;
}

TEST(RegionKey, OrdersRegionsAsTheirWrittenForms) {
    // Every region over five letters, of every length, against every other.
    std::vector<Region> regions;
    for (std::uint32_t letters = 0; letters < 32; ++letters) {
        for (Region r : AllOver(letters)) regions.push_back(r);
    }
    // And random ones over the whole alphabet, the longest included.
    std::mt19937 rng(7);
    for (int n = 0; n < 300; ++n) regions.push_back(RandomRegion(rng, (1u << 26) - 1));
    regions.push_back(Region{0, (1u << 26) - 1});
    regions.push_back(Region{(1u << 26) - 1, 0});
    for (Region a : regions) {
        for (Region b : regions) {
            ASSERT_EQ(RegionLess(a, b), RegionString(a) < RegionString(b))
                << RegionString(a) << " vs " << RegionString(b);
        }
    }
}

// The candidates by the literal rule: every pair, contradictory merges dropped, sorted by
// the written form.
std::vector<Region> EveryAgreeingPair(const std::vector<Region>& first,
                                      const std::vector<Region>& second) {
    if (first.empty() || second.empty()) return first.empty() ? second : first;
    std::vector<Region> merged;
    for (Region a : first) {
        for (Region b : second) {
            const Region m = MergeSigns(a, b);
            if (!HasContradiction(m)) merged.push_back(m);
        }
    }
    std::sort(merged.begin(), merged.end(),
              [](Region a, Region b) { return RegionString(a) < RegionString(b); });
    merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
    return merged;
}

struct MergeCase {
    const char* name;
    std::uint32_t first;   // letters of the first list's regions
    std::uint32_t second;  // 0: the second table does not name the individual
    unsigned keepOneIn;    // 1: every region over the letters; more: a random part of them
    bool mixed;            // the first list also holds regions over fewer letters
};

void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.name; }

class RegionMerges : public ::testing::TestWithParam<MergeCase> {};

TEST_P(RegionMerges, AreEveryAgreeingPair) {
    const MergeCase& c = GetParam();
    std::mt19937 rng(3);
    auto part = [&](std::vector<Region> all) {
        std::vector<Region> kept;
        for (Region r : all) {
            if (rng() % c.keepOneIn == 0) kept.push_back(r);
        }
        SortRegions(kept);
        return kept;
    };
    std::vector<Region> first = part(AllOver(c.first));
    const std::vector<Region> second = c.second ? part(AllOver(c.second)) : std::vector<Region>{};
    if (c.mixed) {
        for (Region r : AllOver(c.first & (c.first - 1))) first.push_back(r);
        SortRegions(first);
    }
    const RegionMerge merge(first, second);
    const std::vector<Region> expected = EveryAgreeingPair(first, second);
    EXPECT_EQ(Written(merge.Regions()), Written(expected));
    EXPECT_EQ(merge.summary().count, static_cast<long long>(expected.size()));
    int most = 0;
    for (Region r : expected) most = std::max(most, r.pairCount());
    EXPECT_EQ(merge.summary().maxPairs, most);
}

constexpr std::uint32_t kABC = 0b111;
INSTANTIATE_TEST_SUITE_P(Shapes, RegionMerges,
                         ::testing::Values(MergeCase{"SameLetters", kABC, kABC, 1, false},
                                           MergeCase{"Disjoint", kABC, 0b111000, 1, false},
                                           MergeCase{"Overlapping", 0b1111, 0b111100, 1, false},
                                           MergeCase{"Inside", 0b11111, 0b10100, 1, false},
                                           MergeCase{"PartOfEach", 0b111111, 0b1111110, 2, false},
                                           MergeCase{"OnlyFirstNamesIt", kABC, 0, 1, false},
                                           MergeCase{"MixedLengths", 0b1111, 0b111100, 1, true}),
                         [](const ::testing::TestParamInfo<MergeCase>& shape) {
                             return shape.param.name;
                         });

TEST(RegionSet, KeepsEachRegionOnceInWrittenOrder) {
    RegionSet set;
    std::vector<Region> all = AllOver(0b1011);
    for (int round = 0; round < 3; ++round) {
        for (auto it = all.rbegin(); it != all.rend(); ++it) set.Add(*it);
    }
    std::vector<std::string> expected = Written(all);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Written(std::move(set).Sorted()), expected);
}

}  // namespace
}  // namespace deducto::testing

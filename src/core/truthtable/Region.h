// Regions of the domain, written as sign pairs: "+P-Q" is "P and not Q". A region is kept
// as two letter sets (bit k stands for the letter 'A' + k), so the sign-pair routines are
// single mask operations; RegionString gives the written form in the canonical order
// (ascending letter, "+" before "-").
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace deducto {

inline constexpr int kMaxRegionPairs = 19;

struct Region {
    std::uint32_t pos = 0;  // letters the individual has
    std::uint32_t neg = 0;  // letters the individual lacks

    friend bool operator==(Region, Region) = default;
    [[nodiscard]] std::uint32_t letters() const { return pos | neg; }
    [[nodiscard]] int pairCount() const { return std::popcount(pos) + std::popcount(neg); }
};

inline constexpr std::uint32_t LetterBit(char upper) { return 1u << (upper - 'A'); }

// The union of the pairs of a and b.
inline Region MergeSigns(Region a, Region b) { return {a.pos | b.pos, a.neg | b.neg}; }

// True when every pair of b occurs in a (a lies inside b).
inline bool ContainsSigns(Region a, Region b) {
    return (b.pos & ~a.pos) == 0 && (b.neg & ~a.neg) == 0;
}

// True when some letter occurs with both signs.
inline bool HasContradiction(Region r) { return (r.pos & r.neg) != 0; }

// The region restricted to the given letters.
inline Region Restrict(Region r, std::uint32_t letters) {
    return {r.pos & letters, r.neg & letters};
}

// Calls f(sign, letter) for each pair in the canonical order.
template <typename F>
void ForEachPair(Region r, F&& f) {
    for (std::uint32_t rest = r.letters(); rest != 0; rest &= rest - 1) {
        const int b = std::countr_zero(rest);
        const std::uint32_t bit = 1u << b;
        if (r.pos & bit) f('+', static_cast<char>('A' + b));
        if (r.neg & bit) f('-', static_cast<char>('A' + b));
    }
}

[[nodiscard]] std::string RegionString(Region r);
// Writes the written form from `out` on (two characters a pair) and returns its end.
char* WriteRegionString(Region r, char* out);

// An integer that orders consistent regions exactly as their written forms compare
// character by character: the number of consistent regions whose written form sorts
// before this one's. Lists of regions are sorted by it.
[[nodiscard]] std::uint64_t RegionKey(Region r);
[[nodiscard]] inline bool RegionLess(Region a, Region b) { return RegionKey(a) < RegionKey(b); }

// The region as its letters only, a "'" after each negated letter and "&" between pairs
// (drawn as an intersection sign): "+P-Q" gives "P&Q'".
[[nodiscard]] std::string RegionLabel(Region r);

}  // namespace deducto

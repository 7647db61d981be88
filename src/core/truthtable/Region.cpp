#include "truthtable/Region.h"

#include <array>
#include <bit>
#include <cassert>

namespace deducto {

namespace {

constexpr int kLetters = 26;

// kPow3[m]: the number of consistent regions over m letters (each absent, "+" or "-").
constexpr std::array<std::uint64_t, kLetters + 1> kPow3 = [] {
    std::array<std::uint64_t, kLetters + 1> p{};
    p[0] = 1;
    for (int m = 1; m <= kLetters; ++m) p[m] = 3 * p[m - 1];
    return p;
}();

// The consistent regions that begin with one pair of a letter from `from` to `to` and
// continue with later letters only: the sum of 3^(25 - L) over those letters L.
std::uint64_t StartingWithin(int from, int to) {
    if (to < from) return 0;
    return (kPow3[kLetters - from] - kPow3[kLetters - 1 - to]) / 2;
}

}  // namespace

char* WriteRegionString(Region r, char* out) {
    ForEachPair(r, [&](char sign, char letter) {
        *out++ = sign;
        *out++ = letter;
    });
    return out;
}

std::string RegionString(Region r) {
    std::string text(2 * static_cast<size_t>(r.pairCount()), '\0');
    WriteRegionString(r, text.data());
    return text;
}

// The written form is a run of pairs, letters ascending; pairs compare by sign first
// ("+" before "-") and then by letter, and a form that is a prefix of another sorts first.
// So the forms before r are, at each of r's pairs: the form that stops just before it,
// and every form that agrees up to there and goes on with a smaller pair.
std::uint64_t RegionKey(Region r) {
    assert(!HasContradiction(r));
    std::uint64_t key = 0;
    int previous = -1;
    for (std::uint32_t rest = r.letters(); rest != 0; rest &= rest - 1) {
        const int letter = std::countr_zero(rest);
        key += 1;
        if ((r.neg >> letter) & 1u) key += StartingWithin(previous + 1, kLetters - 1);  // "+" pairs
        key += StartingWithin(previous + 1, letter - 1);  // same sign, smaller letter
        previous = letter;
    }
    return key;
}

std::string RegionLabel(Region r) {
    std::string label;
    bool first = true;
    ForEachPair(r, [&](char sign, char letter) {
        if (!first) label += '&';
        first = false;
        label += letter;
        if (sign == '-') label += '\'';
    });
    return label;
}

}  // namespace deducto

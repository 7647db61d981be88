// Spelling propositional rows ("TTFT..."): row i of the count-down over n letters is the
// assignment 2^n - 1 - i, highest letter first. Inline, because writers of whole tables
// spell up to 16384 rows per table.
#pragma once

#include <array>
#include <cstring>

namespace deducto::row_spelling {

inline constexpr int kMaxLetters = 14;

// kSpelled[v]: the letters "T" and "F" of the eight bits of v, highest first, as one
// 8-byte word.
inline constexpr auto kSpelled = [] {
    std::array<std::array<char, 8>, 256> spelled{};
    for (unsigned v = 0; v < spelled.size(); ++v) {
        for (int j = 0; j < 8; ++j) spelled[v][j] = (v >> (7 - j)) & 1u ? 'T' : 'F';
    }
    return spelled;
}();

// Row i over n letters (n <= 14), written from `out` on. Returns the end.
inline char* SpellRow(int n, unsigned i, char* out) {
    const unsigned assignment = (((1u << n) - 1) - i) << (16 - n);
    char spelled[16];
    std::memcpy(spelled, &kSpelled[assignment >> 8], 8);
    std::memcpy(spelled + 8, &kSpelled[assignment & 255u], 8);
    // Two overlapping copies of a fixed size cover the n letters exactly.
    if (n >= 8) {
        std::memcpy(out, spelled, 8);
        std::memcpy(out + n - 8, spelled + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(out, spelled, 4);
        std::memcpy(out + n - 4, spelled + n - 4, 4);
    } else {
        for (int j = 0; j < n; ++j) out[j] = spelled[j];
    }
    return out + n;
}

// The rows over n letters one after another from row 0. From eight letters on, a row is
// the spelling of its first n - 8 letters, which changes only every 256 rows, followed by
// that of its last eight: two word stores.
class Countdown {
public:
    explicit Countdown(int n) : n_(n) {
        if (n_ >= 8) {
            high_ = (1u << (n_ - 8)) - 1;
            SpellHigh();
        }
    }

    char* WriteNext(char* out) {
        if (n_ < 8) return SpellRow(n_, next_++, out);
        // The high word goes first: the low one overwrites what it spells past n - 8.
        std::memcpy(out, high_spelled_.data(), 8);
        std::memcpy(out + n_ - 8, &kSpelled[low_], 8);
        if (low_-- == 0) {
            low_ = 255;
            --high_;
            SpellHigh();
        }
        return out + n_;
    }

private:
    void SpellHigh() { high_spelled_ = kSpelled[(high_ << (16 - n_)) & 255u]; }

    int n_;
    unsigned next_ = 0;  // fewer than eight letters: the index of the next row
    unsigned high_ = 0;  // the assignment of the next row, split into n - 8 and 8 bits
    unsigned low_ = 255;
    std::array<char, 8> high_spelled_{};
};

}  // namespace deducto::row_spelling

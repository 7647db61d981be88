// The nine argument lines: line 0 is the conclusion, 1 to 8 the premises, everywhere (slots,
// controls, and the position of a line's character in a per-line string of flags).
#pragma once

#include <array>
#include <string>

namespace deducto {

inline constexpr int kLineCount = 9;
inline constexpr int kMaxPremises = kLineCount - 1;
// A per-line string of flags in which no line is marked ("N" for each of the nine lines).
inline constexpr const char* kNoLines = "NNNNNNNNN";

// The most characters (not bytes) one argument line holds, typed, pasted or read from a file.
inline constexpr int kMaxLineCharacters = 100;

// The order in which an argument is read, listed and drawn: premises 1 to 8, then the
// conclusion.
inline constexpr std::array<int, kLineCount> kReadingOrder = {1, 2, 3, 4, 5, 6, 7, 8, 0};

// The position of a line in the reading order, for sorting lines as an argument is read.
[[nodiscard]] constexpr int ReadingPosition(int line) { return line == 0 ? kLineCount : line; }

// "Premise k" or "Conclusion": how every report and window names a line.
[[nodiscard]] inline std::string LineName(int line) {
    return line == 0 ? std::string("Conclusion") : "Premise " + std::to_string(line);
}

}  // namespace deducto

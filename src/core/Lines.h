// The nine argument lines: line 0 is the conclusion, 1 to 8 the premises, everywhere (slots,
// controls, and the position of a line's character in a per-line string of flags).
#pragma once

namespace deducto {

inline constexpr int kLineCount = 9;
// A per-line string of flags in which no line is marked ("N" for each of the nine lines).
inline constexpr const char* kNoLines = "NNNNNNNNN";

}  // namespace deducto

// A token list read out in words, for screen readers and tooltips: "4x(Px7Qx)" becomes
// "for all x, ( P x implies Q x )".
#pragma once

#include <string>
#include <string_view>

#include "Mode.h"

namespace deducto {

// The token list (reading order, as the parser or the set-theory translator left it) of a
// formula typed in `mode`, in words separated by single spaces.
[[nodiscard]] std::string FormulaInWords(std::string_view tokenList, Mode mode);

}  // namespace deducto

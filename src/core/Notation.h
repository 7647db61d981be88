// Formulas and regions in logical notation as plain text, for a terminal or an exported table:
// the token codes become the usual symbols (¬ ∧ ∨ → ↔ ∀ ∃, and ∈ ∩ ∪ ⊆ ∅ ′ for set theory).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "truthtable/Region.h"

namespace deducto {

// A token list (tokens in reading order, as the parser or the set-theory translator left
// it) written in logical notation, with spaces around the binary operators.
[[nodiscard]] std::string DisplayFormula(std::string_view tokenList);

// A region as a label: "+P-Q" gives "P∩Q′".
[[nodiscard]] std::string DisplayRegion(Region region);

}  // namespace deducto

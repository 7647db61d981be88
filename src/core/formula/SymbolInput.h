// Logic symbols as students paste them from textbooks and web pages (¬ ∧ ∨ → ↔ ∀ ∃ ∈ ∩ ∪ ⊆ ∅
// and the ASCII stand-ins & | -> <->), rewritten into the keywords that the current mode
// reads, so that a line shows and stores only text the parser knows. A symbol that has no
// keyword in the mode is left as it is, for the parser to reject.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Mode.h"

namespace deducto {

struct SymbolReplacement {
    std::string text;  // UTF-8
    // For every character position of the input (0 to its length in characters), the
    // character position of the same place in `text`; a position inside a replaced symbol
    // maps to the end of its keyword.
    std::vector<int> positions;
    bool changed = false;
    [[nodiscard]] int MapPosition(int inputPosition) const;
};

// Replaces every symbol that has a keyword in `mode` by that keyword, with a space before
// and after it unless the text already has one there (or a parenthesis faces it).
[[nodiscard]] SymbolReplacement ReplaceSymbols(std::string_view text, Mode mode);

}  // namespace deducto

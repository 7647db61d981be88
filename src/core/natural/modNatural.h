// The controlled-English translator. (Filled in with the natural-language work.)
#pragma once

#include <string>
#include <string_view>

namespace deducto {

class Session;

struct Translation {
    std::string text;  // predicate-calculus text; empty when the sentence failed
    int errPos = 0;    // where the error mark goes in the typed sentence
};

// Translates the sentence typed on line `line` (0 the conclusion, 1 to 8 the premises).
[[nodiscard]] Translation TranslateSentence(std::string_view sentence, int line, Session& session);

}  // namespace deducto

// The natural-language term lexicon. (Filled in with the controlled-English translator.)
#pragma once

#include <string>

namespace deducto {

inline constexpr const char* kUpperLetterPoolStart = "XYZWTUVPQRSABCDEFGHIJKLMNO";
inline constexpr const char* kLowerLetterPoolStart = "yzwtuvpqrsabcdefghijklmno";

class Lexicon {
public:
    std::string UpperLetterPool = kUpperLetterPoolStart;
    std::string LowerLetterPool = kLowerLetterPoolStart;
};

}  // namespace deducto

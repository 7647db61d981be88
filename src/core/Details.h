// The cases in which a conclusion fails, written back in words: truth values of letters in
// propositional mode, small formulas in predicate and set-theory mode, English sentences
// in natural-language mode. The window draws these lines; the checker prints them.
#pragma once

#include <string>
#include <vector>

#include "Mode.h"

namespace deducto {

class Lexicon;
class UserPrompts;
class clsTruthTable;

inline constexpr const char* kDetailsHeading = "The conclusion is false in the following case(s):";
inline constexpr const char* kDetailsMore = "** and other cases not shown **";

// One case: the lines that describe it (one line except in natural-language mode).
using CaseText = std::vector<std::string>;

// Every 'F' row of the comparison table, in row order, in the layout of the table's mode.
// English cases name the terms of `lexicon`; a letter without an entry shows "impossible
// error" through `prompts`.
[[nodiscard]] std::vector<CaseText> DescribeFailingCases(const clsTruthTable& comparison,
                                                         const Lexicon& lexicon,
                                                         UserPrompts& prompts);

// Row `row` of `table` as one case, written in the layout of `layout` (the table's own mode
// for the details window; a predicate-type table may be written in another predicate layout).
[[nodiscard]] CaseText DescribeCase(const clsTruthTable& table, int row, Mode layout,
                                    const Lexicon& lexicon, UserPrompts& prompts);

}  // namespace deducto

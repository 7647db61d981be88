// A world's cells and individuals in the lexicon's words (natural-language mode), as the
// world window and the checker write them: "NUMBERS that are not REAL".
#pragma once

#include <string>
#include <vector>

#include "natural/modLangTerms.h"
#include "truthtable/Region.h"

namespace deducto {

// The things of one cell: the plural of its first class noun (or "things"), then what they
// are and are not, term by term in letter order.
[[nodiscard]] std::string CellWords(Region cell, const std::vector<LangTerm>& terms);

// An individual's name, or its letter when the lexicon has none.
[[nodiscard]] std::string IndividualWords(char letter, const std::vector<LangTerm>& terms);

}  // namespace deducto

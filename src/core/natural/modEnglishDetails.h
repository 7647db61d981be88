// Failing cases written in English from the term lexicon.
#pragma once

#include <string>

namespace deducto {

class Lexicon;
class UserPrompts;
class clsTruthTable;

// The English text of one cell of a comparison table: `column` is a term index of `table`,
// `row` a row index.
[[nodiscard]] std::string DescribeCellEnglish(const clsTruthTable& table, int row, int column,
                                              const Lexicon& lexicon, UserPrompts& prompts);

// The phrase for a lexicon letter: an article for class nouns, the singular in upper case.
// A letter without an entry shows "impossible error" and gives an empty phrase.
[[nodiscard]] std::string TermPhrase(char letter, const Lexicon& lexicon, UserPrompts& prompts);

}  // namespace deducto

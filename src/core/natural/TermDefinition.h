// Predefining terms from text, as the checker's "Term: <kind>: <text>" lines do, and listing
// the lexicon in plain lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "natural/modLangTerms.h"

namespace deducto {

struct TermDefinition {
    std::string letter;  // the term's letter; empty when it was not added
    std::string error;   // why not, in the lexicon's own words where it gives a reason
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Adds a term of kind "adjective", "specific noun", "class noun" or "predicate". `text` is
// its singular form (for a predicate the affirmative singular, "can fly"); the other forms
// are derived, unless `text` goes on to give them after " | " in the order TermLineText
// writes them ("man | men | non-man | non-men"). A term that is already defined with this
// form and kind is accepted as it is. Shows nothing; a refused term leaves `lexicon` as it was.
[[nodiscard]] TermDefinition DefineTerm(std::string_view kind, std::string_view text,
                                        Lexicon& lexicon);
// The same from a whole line "Term: <kind>: <text>"; the "Term:" may be left out.
[[nodiscard]] TermDefinition DefineTermFromLine(std::string_view line, Lexicon& lexicon);

// The text of a term's "Term:" line: its singular, followed by its other forms only when
// they are not the ones DefineTerm would derive, so that defining it again gives it back.
[[nodiscard]] std::string TermLineText(const LangTerm& term);

// One line per term, in lexicon order: its letter, its kind and its forms, for example
// "M  class noun: man | men | non-man | non-men".
[[nodiscard]] std::vector<std::string> LexiconListing(const std::vector<LangTerm>& terms);

}  // namespace deducto

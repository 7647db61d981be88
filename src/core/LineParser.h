// Reading one argument line, shared by the window and the checker: the text is translated
// for its mode and parsed (TranslateAndParse), then its truth table is built
// (BuildLineTable). The window brackets the second step with its processing frame.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Outcome.h"
#include "formula/modBuildPolish.h"

namespace deducto {

class Session;
class clsTruthTable;

inline constexpr const char* kErrorMark = " <-- ERROR ";

struct LineFormula {
    bool blank = false;       // the text was empty or spaces only: nothing was read
    std::string text;         // the typed text with every error mark removed
    std::string formulaText;  // what went to the parser (the translation, in the set-theory
                              // and natural-language modes)
    ParseResult parse;        // PolishStr has its double negations removed; in set-theory
                              // mode tokenList is the translator's list in set notation
    [[nodiscard]] bool ok() const { return parse.ok(); }
    // errPos cut back to the typed text's length, where the error mark goes.
    [[nodiscard]] int markPos() const;
    // The text with " <-- ERROR " inserted at markPos().
    [[nodiscard]] std::string MarkedText() const;
};

// Translates and parses line `line`. Messages of the parser and the translators go to the
// user through session.prompts(), in the order they arise.
[[nodiscard]] LineFormula TranslateAndParse(std::string_view text, int line, Session& session);

struct LineTable {
    Status status;
    std::shared_ptr<clsTruthTable> table;  // set when status is ok
};

// Builds the table of a parsed line, simplified when the options ask for it.
[[nodiscard]] LineTable BuildLineTable(std::string_view PolishStr, Session& session);

// Removes every occurrence of the error mark.
[[nodiscard]] std::string RemoveErrorMarks(std::string_view text);

}  // namespace deducto

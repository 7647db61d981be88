// The controlled-English translator: one sentence typed in natural-language mode becomes a
// formula of monadic predicate calculus, in the syntax the formula parser reads.
#pragma once

#include <string>
#include <string_view>

namespace deducto {

class Session;

struct Translation {
    std::string text;             // predicate-calculus text; empty when the sentence failed
    int errPos = 0;               // where the error mark goes: a byte offset into `sentence`
    std::string sentence;         // the typed text with its spacing normalised; after a success
                                  // the line shows this text
    std::string declinedRequest;  // after a failure: the request to define terms that the
                                  // user declined ("Please define the following terms: ...")
    [[nodiscard]] bool ok() const { return !text.empty(); }
};

// What the workflow around a translation tells it.
struct TranslationFlags {
    bool exampleLoading = false;  // a worked example is typing its lines
    bool reparsing = false;       // ReparseAll: the lexicon changed under translated lines
};

// Translates the sentence typed on line `line` (0 the conclusion, 1 to 8 the premises).
// Looks words up in session.lexicon and adds the terms it infers; asks the user through
// session.prompts() when a word must be defined or categorised; shows its own messages and,
// after a success, one remark per pronoun it resolved. Sets session.lineReparse[line] to 'N'.
// An empty or period-only sentence gives an empty text with errPos 0 and no message.
[[nodiscard]] Translation TranslateSentence(std::string_view sentence, int line, Session& session,
                                            TranslationFlags flags = {});

}  // namespace deducto

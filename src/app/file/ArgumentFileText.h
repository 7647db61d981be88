// An argument as the window keeps it in a file: the checker's "Key: value" format, read by
// the checker's own reader and held to what the window's lines can take, and written back
// so that reading what was written gives the same argument and the same text.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ArgumentFile.h"
#include "Lines.h"
#include "Mode.h"

namespace deducto {

class Lexicon;

struct ArgumentText {
    Mode mode = Mode::Propositional;
    // The comment and blank lines before the first key: a file's own description of itself,
    // kept so that saving does not lose it.
    std::vector<std::string> header;
    std::vector<cli::TermLine> terms;             // in lexicon order
    std::array<std::string, kLineCount> lines{};  // [0] the conclusion, as typed
    std::optional<Verdict> expected;              // a teacher's answer key, kept as it came
};

struct ReadArgumentText {
    ArgumentText argument;
    std::string error;  // "line N: ..." when the text is not an argument the window can hold
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file's content.
[[nodiscard]] ReadArgumentText ReadArgumentFile(std::string_view content);

// The file's content; every line ends with "\n".
[[nodiscard]] std::string WriteArgumentFile(const ArgumentText& argument);

// Every term of the lexicon, as Term lines in lexicon order.
[[nodiscard]] std::vector<cli::TermLine> LexiconTerms(const Lexicon& lexicon);

}  // namespace deducto

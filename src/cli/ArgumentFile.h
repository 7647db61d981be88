// Reading the checker's input: one "Key: value" a line, keys in any case, blank lines and
// "#" comments ignored.
//
//     Mode: propositional | predicate | set theory | natural language
//     Premise: <text>        (0 to 8, in order; an empty one leaves its slot empty)
//     Conclusion: <text>
//     Term: <kind>: <text>   (natural language only)
//     Expect: <verdict>      (the answer key, for grading)
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Mode.h"
#include "truthtable/modEvaluate.h"

namespace deducto::cli {

inline constexpr std::size_t kMaxInputBytes = 1 << 20;  // an argument is nine short lines
inline constexpr std::size_t kMaxLineBytes = 4096;
inline constexpr int kMaxPremises = 8;

struct InputLine {
    int index = 0;     // 0 the conclusion, 1 to 8 the premises
    std::string text;  // the value, spaces at both ends removed
    int fileLine = 0;  // 1-based line of the file, for messages
};

// A predefined natural-language term, kept in file order for the lexicon.
struct TermLine {
    std::string kind;  // "adjective", "specific noun", "class noun" or "predicate"
    std::string text;
    int fileLine = 0;
};

struct ArgumentFile {
    Mode mode = Mode::Propositional;
    std::vector<InputLine> lines;  // Premise and Conclusion lines in file order
    std::vector<TermLine> terms;
    std::optional<Verdict> expected;  // the verdict an Expect line names
};

struct ReadArgument {
    ArgumentFile argument;
    std::string error;  // empty when the input was read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads the whole input text. Every problem is one message naming the line it is on.
[[nodiscard]] ReadArgument ParseArgumentText(std::string_view content);

struct InputText {
    std::string text;
    std::string error;  // empty when the file was read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file, or standard input for "-", refusing more than kMaxInputBytes.
[[nodiscard]] InputText ReadInput(const std::string& path);

// Lower case with blanks trimmed and every run of them made one space, so that "Set  Theory"
// names the mode and "The conclusion is ALWAYS true" the verdict.
[[nodiscard]] std::string Normalised(std::string_view s);

// `text` made safe to quote in a message: printable ASCII only, at most 40 characters.
[[nodiscard]] std::string Quoted(std::string_view text);

}  // namespace deducto::cli

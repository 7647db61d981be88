// The argument file, read by the checker and opened and saved by the window: UTF-8 text, one
// "Key: value" a line, keys in any case, blank lines and "#" comments ignored.
//
//     Mode: propositional | predicate | set theory | natural language
//     Premise: <text>        (0 to 8, in order; an empty one leaves its slot empty)
//     Conclusion: <text>
//     Term: <kind>: <text>   (natural language only)
//     Expect: <verdict>      (the answer key, for grading)
//
// The comment and blank lines before the first key are the file's header: its description
// of itself, which the window keeps and writes back.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Lines.h"
#include "Mode.h"
#include "truthtable/modEvaluate.h"

namespace deducto {

class Lexicon;

// An argument is nine short lines: a larger file is not an argument file.
inline constexpr std::size_t kMaxInputBytes = 1 << 20;
// The most characters of one line of a file, whatever it holds (its line end aside).
inline constexpr std::size_t kMaxFileLineCharacters = 4096;

struct InputLine {
    int index = 0;     // 0 the conclusion, 1 to 8 the premises
    std::string text;  // the value, spaces at both ends removed, symbols read as keywords
    int fileLine = 0;  // 1-based line of the file, for messages
};

// A predefined natural-language term, kept in file order for the lexicon.
struct TermLine {
    std::string kind;  // as KindName spells it
    std::string text;  // the singular, then any forms given after " | "
    int fileLine = 0;
};

struct ArgumentFile {
    Mode mode = Mode::Propositional;
    std::vector<std::string> header;  // the lines before the first key, as they came
    std::vector<InputLine> lines;     // Premise and Conclusion lines in file order
    std::vector<TermLine> terms;
    std::optional<Verdict> expected;  // the verdict an Expect line names
};

struct ReadArgument {
    ArgumentFile argument;
    std::string error;  // empty when the input was read
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Whether a file without a Conclusion line is read: the checker has nothing to test in it,
// the window reopens the half-done work it saved.
enum class ConclusionNeed { Required, Optional };

// Reads a whole file's content. Every problem is one message naming the line it is on.
[[nodiscard]] ReadArgument ParseArgumentText(std::string_view content,
                                             ConclusionNeed need = ConclusionNeed::Required);

// An argument as the window holds it: a slot for each line.
struct ArgumentText {
    Mode mode = Mode::Propositional;
    std::vector<std::string> header;              // written back first
    std::vector<TermLine> terms;                  // in lexicon order
    std::array<std::string, kLineCount> lines{};  // [0] the conclusion, as typed
    std::optional<Verdict> expected;              // a teacher's answer key, kept as it came
};

struct ReadArgumentText {
    ArgumentText argument;
    std::string error;  // "line N: ..." when the text is not an argument the window can hold
    [[nodiscard]] bool ok() const { return error.empty(); }
};

// Reads a whole file's content as ParseArgumentText does, without needing a conclusion, and
// refuses a line longer than a line of the window holds.
[[nodiscard]] ReadArgumentText ReadArgumentFile(std::string_view content);

// The file's content, every line ending with "\n": reading it gives the same argument back.
// An empty conclusion writes no Conclusion line.
[[nodiscard]] std::string WriteArgumentFile(const ArgumentText& argument);

// Every term of the lexicon, as Term lines in lexicon order.
[[nodiscard]] std::vector<TermLine> LexiconTerms(const Lexicon& lexicon);

// A message about a line of a file: "line N: what".
[[nodiscard]] std::string AtLine(int fileLine, std::string_view what);

// A verdict by its short name or its full text, in any case and spacing, the final period
// optional; nullopt when `text` names none.
[[nodiscard]] std::optional<Verdict> VerdictNamed(std::string_view text);

// Lower case with blanks trimmed and every run of them made one space, so that "Set  Theory"
// names the mode and "The conclusion is ALWAYS true" the verdict.
[[nodiscard]] std::string Normalised(std::string_view s);

// `text` made safe to quote in a message: printable ASCII only, at most 40 characters.
[[nodiscard]] std::string Quoted(std::string_view text);

}  // namespace deducto

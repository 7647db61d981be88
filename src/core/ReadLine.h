// Reading one argument line, the one place where its rules live: the window (leaving a line,
// reparsing it, loading an example) and the checker both call ReadLine. It removes old error
// marks, tests for a blank line, translates the text for its mode, parses it, removes double
// negations, marks a failure in the text, builds and simplifies the line's truth table, and
// shows the messages that belong to reading the line, in the order they arise. What it leaves
// to the caller is drawing: colours, focus, buttons, pictures and the processing frame.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Outcome.h"
#include "formula/modBuildPolish.h"

namespace deducto {

class Computation;
class Session;
class clsTruthTable;
struct Options;

inline constexpr const char* kErrorMark = " <-- ERROR ";
inline constexpr const char* kSyntaxError = "Syntax error";
inline constexpr int kLongLine = 90;  // characters: a failing line this long also gets kSyntaxError

// Why a line is read.
enum class ReadKind {
    Edit,     // the user left the line after editing it, or an example typed it
    Reparse,  // the lexicon changed under a translated sentence (natural language only)
};

enum class LineResult {
    Blank,          // nothing but spaces: no table, no message
    Unchanged,      // a reparse found the same translation: the line keeps its table
    Built,          // the line's table was built and stored in its slot
    SyntaxError,    // the text could not be read; it carries the error mark
    Cancelled,      // "&Cancel" was pressed while the table was built; no table
    LimitReached,   // too long or deep to read (marked), or its table too large (unmarked)
    InternalError,  // a consistency check failed; the message was shown
};

struct LineOutcome {
    LineResult result = LineResult::Blank;
    std::string text;         // what the line shows now: without old marks, with the new one
                              // when `marked`; in natural language the normalised sentence
    bool marked = false;      // `text` carries " <-- ERROR "
    int markPos = 0;          // byte offset of the mark in `text`, at a character boundary
    std::string formulaText;  // what went to the parser (the translation in the worded modes)
    ParseResult parse;        // PolishStr without double negations; in set-theory mode
                              // tokenList is the translator's list in set notation
    std::string message;      // LimitReached, InternalError: what was shown about it;
                              // SyntaxError in natural language: the request to define
                              // terms that the user declined, when there was one

    [[nodiscard]] bool ok() const {
        return result == LineResult::Built || result == LineResult::Unchanged;
    }
    // The line could not be read at all (the error mark is in its text).
    [[nodiscard]] bool unread() const { return marked; }
    // The characters (not bytes) of `text` before the mark.
    [[nodiscard]] int markCharacter() const;
};

// What the caller does around building a table: the window shows its processing frame.
// `starting` runs before the build; `stopping` runs only when the build failed with a
// message (a limit or an internal fault), just before that message is shown. After a
// successful or cancelled build the caller closes the frame itself.
struct TableBuildHooks {
    std::function<void()> starting;
    std::function<void()> stopping;
};

// Reads line `line` (0 the conclusion) with the text `typed` as it stands in the box. Sets
// entriesMade for a non-blank edit, and updates the line's slot: its token list, and its
// table (released first, stored when built).
[[nodiscard]] LineOutcome ReadLine(std::string_view typed, int line, ReadKind kind,
                                   Session& session, const TableBuildHooks& hooks = {});

struct LineTable {
    Status status;
    std::shared_ptr<clsTruthTable> table;  // set when status is ok
};

// The last step of reading a line: the table of its Polish string in `mode`, simplified when
// the options ask for it. Public for the tests that build tables from Polish strings.
[[nodiscard]] LineTable BuildLineTable(std::string_view PolishStr, Mode mode,
                                       const Options& options, Computation& computation);

// Removes every occurrence of the error mark.
[[nodiscard]] std::string RemoveErrorMarks(std::string_view text);

}  // namespace deducto

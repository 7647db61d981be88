// The program-wide state of one Deducto session: the mode, the table options, the progress
// of the running computation, the nine argument lines and the natural-language lexicon, plus
// the two seams through which the engine reaches the user (questions) and the event loop
// (cooperative cancellation). The app, the checker and the tests each own one Session.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "Mode.h"
#include "natural/modLangTerms.h"

namespace deducto {

class clsTruthTable;
class CheckTermsModel;
class LanguageTermsModel;

// The engine's only way to ask the user anything. The app answers with real windows, the
// checker and the tests with scripted answers.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void ShowMessage(std::string_view text) = 0;             // OK only
    virtual bool Confirm(std::string_view text) = 0;                 // OK / Cancel
    virtual bool ConfirmTermWithUser(CheckTermsModel& dialog) = 0;   // true when accepted
    virtual bool EditLanguageTerms(LanguageTermsModel& window) = 0;  // true on Update
};

// Lets pending window events run during a long computation. The app's implementation
// rate-limits itself, so the engine may call it as often as it likes.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void ProcessPendingEvents() = 0;
};

struct Options {
    bool eliminateUnneeded = true;  // "&Eliminate Unneeded Columns"
    bool showFalseOnly = false;     // "Show &False Only"
    bool showTrueOnly = false;      // "Show &True Only"
    bool multiTable = false;        // "Allow &Multi-Table Display"
};

// What the progress display shows, and the cancellation flags it works with.
struct Progress {
    std::string progressText;
    long long progressCurrent = 0;
    long long progressTotal = 0;
    bool haltRequested = false;
    bool internalPropositional = false;  // while set, a halt request waits
};

inline constexpr int kLineCount = 9;  // line 0 is the conclusion, 1 to 8 the premises

struct ArgumentLine {
    std::string tokens;                          // token list of the last successful parse
    std::shared_ptr<const clsTruthTable> table;  // none when the line holds no formula
    bool changed = false;                        // text differs from what was last parsed
};

class Session {
public:
    Session(UserPrompts& prompts, EventPump& pump) : prompts_(prompts), pump_(pump) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Mode mode = Mode::Propositional;  // one value: two modes can never be set at once
    bool modePropositional() const { return mode == Mode::Propositional; }
    bool modePredicate() const { return mode == Mode::Predicate; }
    bool modeSetTheory() const { return mode == Mode::SetTheory; }
    bool modeNatural() const { return mode == Mode::Natural; }

    Options options;
    Progress progress;
    std::array<ArgumentLine, kLineCount> lines;
    std::string lineReparse = std::string(kLineCount, 'N');  // [k] belongs to line k
    bool entriesMade = false;
    bool exampleLoading = false;
    bool ReparseAll = false;
    Lexicon lexicon;

    UserPrompts& prompts() { return prompts_; }

    // Lets events run, then reports whether the running computation is to stop.
    bool CheckCancel() {
        pump_.ProcessPendingEvents();
        return progress.haltRequested && !progress.internalPropositional;
    }

    void ResetTables() {
        for (ArgumentLine& line : lines) line.table.reset();
    }
    void ResetTokens() {
        for (ArgumentLine& line : lines) line.tokens.clear();
    }

private:
    UserPrompts& prompts_;
    EventPump& pump_;
};

}  // namespace deducto

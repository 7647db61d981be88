// One Deducto session: what the program keeps between two user actions (the mode, the table
// options, the nine argument lines, which of them to read again, and the natural-language
// lexicon), the running computation, and the seam through which the engine asks the user
// its questions. The event loop is reached only through the computation's optional pump.
// The app, the checker and the tests each own one Session.
#pragma once

#include <string>

#include "ArgumentLine.h"
#include "Lines.h"
#include "Mode.h"
#include "Options.h"
#include "Progress.h"
#include "UserPrompts.h"
#include "natural/modLangTerms.h"

namespace deducto {

// Everything a session holds between two user actions; a new session has these values.
struct SessionState {
    Mode mode = Mode::Propositional;  // one value: two modes can never be set at once
    Options options;
    ArgumentLines lines;
    std::string lineReparse = kNoLines;  // [k] belongs to line k: 'N' or flagged
    bool entriesMade = false;            // a line was read since the lines were cleared
    bool exampleLoading = false;         // a worked example is typing its lines
    bool ReparseAll = false;             // the translated lines are being read again
    Lexicon lexicon;

    bool operator==(const SessionState&) const = default;
};

class Session : public SessionState {
public:
    // Without a pump a computation runs to its end unless haltRequested is set beforehand.
    explicit Session(UserPrompts& prompts, EventPump* pump = nullptr)
        : computation(pump), prompts_(prompts) {}
    Session(UserPrompts& prompts, EventPump& pump) : Session(prompts, &pump) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool modeNatural() const { return mode == Mode::Natural; }

    Computation computation;  // the running computation's progress and cancel check
    Progress& progress = computation.progress;

    UserPrompts& prompts() { return prompts_; }

    // Lets events run, then reports whether the running computation is to stop.
    [[nodiscard]] bool CheckCancel() { return computation.CheckCancel(); }

    // Back to the state of a new session, keeping the prompts and the pump.
    void Reset() {
        static_cast<SessionState&>(*this) = SessionState{};
        progress = Progress{};
    }
    void ResetTables() {
        for (ArgumentLine& line : lines) line.table.reset();
    }
    void ResetTokens() {
        for (ArgumentLine& line : lines) line.tokens.clear();
    }

private:
    UserPrompts& prompts_;
};

}  // namespace deducto

// The flags that one translation shares with the lexicon operations and the term dialogs it
// calls: whether it has failed, whether for want of a usable term, which line it reads, and
// whether its messages are suppressed. Made afresh for every translation.
#pragma once

#include <optional>
#include <string_view>

namespace deducto {

class UserPrompts;

class NatState {
public:
    explicit NatState(UserPrompts& prompts, std::optional<int> line = std::nullopt)
        : CurrentLine(line), prompts_(prompts) {}

    bool NatError = false;           // the current translation has failed
    bool TermProblem = false;        // ... for want of a usable term
    bool QuietMessages = false;      // a quiet retry: ShowNatMessage shows nothing
    bool CheckDialogOpen = false;    // the Check Language Terms dialog is open
    std::optional<int> CurrentLine;  // the line being translated (0 the conclusion)

    // Shows a message with an OK button unless QuietMessages is set.
    void ShowNatMessage(std::string_view message);
    UserPrompts& prompts() { return prompts_; }

private:
    UserPrompts& prompts_;
};

}  // namespace deducto

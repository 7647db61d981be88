// Stand-ins for the user and the event loop, for tests: they record every question and
// answer from a script, so no test ever waits for a person.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Session.h"

namespace deducto::testing {

class ScriptedPrompts : public UserPrompts {
public:
    std::vector<std::string> messages;  // every text shown, questions included
    int cancelOnQuestion = 0;           // 1-based Confirm call answered Cancel; 0 never
    int questions = 0;
    std::function<bool(CheckTermsModel&)> onCheckTerm;     // default: decline
    std::function<bool(LanguageTermsModel&)> onEditTerms;  // default: decline

    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    bool Confirm(std::string_view text) override {
        messages.emplace_back(text);
        return ++questions != cancelOnQuestion;
    }
    bool ConfirmTermWithUser(CheckTermsModel& dialog) override {
        return onCheckTerm ? onCheckTerm(dialog) : false;
    }
    bool EditLanguageTerms(LanguageTermsModel& window) override {
        return onEditTerms ? onEditTerms(window) : false;
    }
};

// Counts the times the engine lets events run; on the n-th it presses "&Cancel", and on
// every one it runs the test's script, which may press "&Cancel" or click a control as a user
// would during a computation.
class ScriptedPump : public EventPump {
public:
    explicit ScriptedPump(Progress* progress = nullptr) : progress_(progress) {}
    long long pumps = 0;
    long long cancelOnPump = 0;  // 0: never
    std::function<void(long long pump)> onPump;

    void Attach(Progress& progress) { progress_ = &progress; }
    void ProcessPendingEvents() override {
        if (++pumps == cancelOnPump && progress_ != nullptr) progress_->haltRequested = true;
        // A copy, so that the script may replace itself.
        if (const auto script = onPump) script(pumps);
    }

private:
    Progress* progress_;
};

// A session with scripted answers, ready for engine tests; window tests give it the script
// of their windows as `Prompts`.
template <typename Prompts = ScriptedPrompts>
struct BasicScriptedSession {
    Prompts prompts;
    ScriptedPump pump;
    Session session{prompts, pump};
    explicit BasicScriptedSession(Mode mode = Mode::Propositional) {
        session.mode = mode;
        pump.Attach(session.progress);
    }
};
using ScriptedSession = BasicScriptedSession<>;

}  // namespace deducto::testing

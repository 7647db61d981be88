// The window's own questions answered from a script as well, for the window tests: no test
// waits for a file dialog or a save question. Every question goes to the one list of
// messages, in the order asked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/ScriptedPrompts.h"
#include "ui/WindowPrompts.h"

namespace deducto::testing {

class ScriptedWindowPrompts : public ScriptedPrompts, public WindowPrompts {
public:
    SaveChoice saveAnswer = SaveChoice::Discard;  // to every "save first?" question
    std::vector<std::string> chosenFiles;         // answers to file questions, in turn
    std::vector<FileQuestion> fileQuestions;      // every file question asked
    std::string lastTitle;                        // of the last titled message

    void ShowTitledMessage(std::string_view title, std::string_view text) override {
        lastTitle = title;
        ShowMessage(text);
    }
    SaveChoice AskToSave(std::string_view text) override {
        messages.emplace_back(text);
        return saveAnswer;
    }
    // Takes the next scripted path; cancelled (empty) when the script has run out.
    std::string ChooseFile(FileQuestion question, std::string_view /*suggested*/) override {
        fileQuestions.push_back(question);
        if (fileQuestions.size() > chosenFiles.size()) return {};
        return chosenFiles[fileQuestions.size() - 1];
    }
};

// A session whose prompts answer the window's questions too, for tests of single windows.
using ScriptedWindowSession = BasicScriptedSession<ScriptedWindowPrompts>;

}  // namespace deducto::testing

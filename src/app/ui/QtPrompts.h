// The user's answers through real message boxes and file dialogs, and the event pump of the
// running program: the Qt side of the engine's two seams and of the window's own questions.
#pragma once

#include <QElapsedTimer>

class QMessageBox;

#include "Progress.h"
#include "UserPrompts.h"
#include "ui/WindowPrompts.h"

namespace deducto::ui {

// A message box is laid out for its text and buttons only, so a longer title would be cut
// to "..." in the title bar: the box is made at least as wide as its caption needs.
void WideEnoughForTitle(QMessageBox& box);

// Message boxes titled with the application's name: OK for messages, OK / Cancel for
// questions; file dialogs for file questions. Once silenced (the program is closing)
// messages are dropped, questions answered Cancel, changes discarded and no file chosen.
// The term windows belong to the natural-language windows, which answer the term questions
// in a class of their own built on this one.
class QtPrompts : public UserPrompts, public WindowPrompts {
public:
    void ShowMessage(std::string_view text) override;
    void ShowTitledMessage(std::string_view title, std::string_view text) override;
    bool Confirm(std::string_view text) override;
    SaveChoice AskToSave(std::string_view text) override;
    std::string ChooseFile(FileQuestion question, std::string_view suggested) override;

    void Silence() { silent_ = true; }
    [[nodiscard]] bool silenced() const { return silent_; }

private:
    bool silent_ = false;
};

// Lets the window system deliver pending events, at most every 30 ms however often the
// engine asks, so that a long computation keeps its speed while the window stays alive.
class QtEventPump : public EventPump {
public:
    void ProcessPendingEvents() override;

private:
    QElapsedTimer sinceLast_;
};

}  // namespace deducto::ui

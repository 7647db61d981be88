// A text box for one form of a term: terms are shown in upper case, so a lower-case letter
// turns into its capital as it is typed. At most 50 characters can be typed; a longer form
// the program derives is shown whole, never cut.
#pragma once

#include "ui/LineEdit.h"

namespace deducto {

inline constexpr int kTermTypingLimit = 50;

class TermTextBox : public ui::LineEdit {
    Q_OBJECT
public:
    explicit TermTextBox(QWidget* parent = nullptr);

    // Shows `text` unless the box already does (so the cursor stays where the user left it).
    void Show(const std::string& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace deducto

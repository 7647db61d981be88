// The "Argument Table" window: the premises and the conclusion side by side over the same
// rows, counterexamples in red, and the sentence that sums the table up.
#pragma once

#include <memory>

#include "presentation/PictureWindow.h"

namespace deducto {

class Session;
class WindowPrompts;
struct ArgumentTable;

class frmArgumentTable : public PictureWindow {
    Q_OBJECT
public:
    // Draws `table` (built with the session's lines) and sizes the window to it.
    frmArgumentTable(std::shared_ptr<const ArgumentTable> table, Session& session,
                     WindowPrompts& prompts, QWidget* parent = nullptr);

private:
    std::shared_ptr<const ArgumentTable> table_;
};

}  // namespace deducto

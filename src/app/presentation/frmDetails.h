// The "Evaluation Details" window: the cases in which the conclusion of the last
// evaluation fails, in words.
#pragma once

#include <memory>

#include "presentation/PictureWindow.h"

namespace deducto {

class Session;
class WindowPrompts;
class clsTruthTable;

class frmDetails : public PictureWindow {
    Q_OBJECT
public:
    // Describes the "F" rows of `comparisonTable` in the session's mode and draws them.
    // Export asks for its file through `prompts`.
    frmDetails(std::shared_ptr<const clsTruthTable> comparisonTable, Session& session,
               WindowPrompts& prompts, QWidget* parent = nullptr);

private:
    void cmdShowWorld_Click();

    std::shared_ptr<const clsTruthTable> comparisonTable_;
    Session& session_;
};

}  // namespace deducto

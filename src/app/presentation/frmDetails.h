// The "Evaluation Details" window: the cases in which the conclusion of the last
// evaluation fails, in words.
#pragma once

#include <QPoint>
#include <memory>
#include <vector>

#include "presentation/PictureWindow.h"

namespace deducto {

class Session;
class WindowPrompts;
class clsTruthTable;

// Said under the cases: how to see one as a world, the window having no other control.
inline constexpr const char* kDetailsWorldHint =
    "Double-click a case, or press W, to see it as a world.";

class frmDetails : public PictureWindow {
    Q_OBJECT
public:
    // Describes the "F" rows of `comparisonTable` in the session's mode and draws them.
    // Export asks for its file through `prompts`.
    frmDetails(std::shared_ptr<const clsTruthTable> comparisonTable, Session& session,
               WindowPrompts& prompts, QWidget* parent = nullptr);

    // The case (0-based) drawn at `at`, a point of the picture in pixels.
    [[nodiscard]] int CaseAt(QPoint at) const;

private:
    // Opens the world of case `index` of the list.
    void ShowWorld(int index);

    std::shared_ptr<const clsTruthTable> comparisonTable_;
    Session& session_;
    std::vector<int> caseTops_;  // of each case drawn, in twips
    QPoint lastPress_;           // where the picture was last pressed, for its context menu
};

}  // namespace deducto

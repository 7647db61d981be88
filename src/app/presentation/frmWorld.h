// The "World" window: the cases in which the conclusion fails, one at a time, each drawn
// as a world; "Previous" and "Next" step through them in the order of the details list.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "Session.h"
#include "presentation/PictureWindow.h"
#include "truthtable/FailingWorld.h"

class QPushButton;

namespace deducto {

class clsTruthTable;

class frmWorld : public PictureWindow {
    Q_OBJECT
public:
    // Takes what it draws from the session now: the lines may change while it is open.
    // Opens at case `firstCase` (0-based) of the details list.
    frmWorld(std::shared_ptr<const clsTruthTable> comparisonTable, const Session& session,
             QWidget* parent = nullptr, int firstCase = 0);
    // Shows one given world (an open branch of a truth tree), each line's value worked out
    // in it directly.
    frmWorld(World world, const Session& session, QWidget* parent = nullptr);

    [[nodiscard]] int caseShown() const { return index_; }  // 0-based
    [[nodiscard]] int caseCount() const { return cases_; }
    [[nodiscard]] const World* worldShown() const { return world_ ? &*world_ : nullptr; }

private:
    void LayOut();
    void ShowCase(int index);
    void cmdPrevious_Click();
    void cmdNext_Click();

    std::shared_ptr<const clsTruthTable> comparisonTable_;
    std::array<ArgumentLine, kLineCount> lines_;
    std::vector<LangTerm> terms_;
    std::array<LineFormula, kLineCount> formulas_;  // of lines_
    int cases_ = 0;                                 // the failing cases of the comparison
    int index_ = 0;
    std::optional<World> world_;
    QPushButton* cmdPrevious;
    QPushButton* cmdNext;
};

}  // namespace deducto

// The "Truth Tree" window: the argument's tree, built at once or one rule at a time
// ("Step", "Back", "Finish", also Right, Left and End), with "Show World" for the open branch
// chosen by a click on its end mark (the first open branch at the start).
#pragma once

#include <memory>
#include <vector>

#include "Session.h"
#include "presentation/DrawTree.h"
#include "presentation/PictureWindow.h"
#include "tree/TruthTree.h"

class QPushButton;

namespace deducto {

class WindowPrompts;

class frmTree : public PictureWindow {
    Q_OBJECT
public:
    // Opens on the finished tree of `input`; keeps what it needs from the session now.
    frmTree(TreeInput input, Session& session, WindowPrompts& prompts, QWidget* parent = nullptr);

    [[nodiscard]] const TruthTree& tree() const { return *tree_; }
    [[nodiscard]] int selectedLeaf() const { return selected_; }
    // Chooses the branch whose end mark is at `at` (twips in the picture); false if none.
    bool ChooseBranchAt(ui::TwipPoint at);

    QPushButton* cmdStep;
    QPushButton* cmdBack;
    QPushButton* cmdFinish;
    QPushButton* cmdShowWorld;

private:
    // The tree built anew up to `steps` rule applications; a negative number finishes it.
    void Build(int steps);
    void Redraw();
    void cmdStep_Click();
    void cmdBack_Click();
    void cmdFinish_Click();
    void cmdShowWorld_Click();
    void PrintPicture();

    TreeInput input_;
    Session& session_;
    std::unique_ptr<TruthTree> tree_;
    std::vector<LeafSpot> spots_;
    int selected_ = 0;  // an open, finished branch's leaf; 0 when there is none
};

}  // namespace deducto

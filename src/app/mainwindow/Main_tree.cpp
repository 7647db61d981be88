// "Show Truth Tree": the tree of the lines as they were last read.
#include "mainwindow/Main.h"
#include "presentation/frmTree.h"
#include "tree/TruthTree.h"

namespace deducto {

void Main::mnuShowTree_Click() {
    if (!session_.lines[0].table) {
        session_.prompts().ShowMessage(kTreeNeedsConclusion);
        return;
    }
    auto* window = new frmTree(TreeInputFromLines(session_.lines, session_.mode), session_,
                               windowPrompts_, this);
    window->PlaceAtPointer();
    window->ShowWindow(!session_.options.multiTable);
}

}  // namespace deducto

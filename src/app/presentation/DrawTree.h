// A truth tree drawn the way it is written on paper: each stretch of nodes without a
// branching as a column of numbered lines, the arms of a branching side by side under it,
// joined by lines, and each branch ending in "×" with its contradiction or "○" when open.
#pragma once

#include <vector>

#include "tree/TruthTree.h"
#include "ui/Canvas.h"

namespace deducto {

// Where a branch's end mark was drawn, so that a click can choose the branch.
struct LeafSpot {
    int leaf = 0;
    ui::TwipRect rect;
};

// Draws from `top` down; `selectedLeaf` is marked. Returns the size the drawing needs and,
// when `spots` is given, where each branch's end mark stands.
ui::TwipSize DrawTree(ui::Canvas& canvas, const TruthTree& tree, int top, int selectedLeaf,
                      std::vector<LeafSpot>* spots = nullptr);

}  // namespace deducto

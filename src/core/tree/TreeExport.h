// A truth tree written out for a terminal (numbered, indented lines) or for a LaTeX
// document (the forest package), and the words that describe an open branch's world.
#pragma once

#include <string>
#include <vector>

#include "tree/TruthTree.h"

namespace deducto {

// What a node's justification reads: "premise 1", "¬C", "∧ 3", "∀ 2, a".
[[nodiscard]] std::string Justification(const TreeNode& node);

// An open branch's world in one line: "p true, q false" or "a: P∩Q′; also P′∩Q′".
[[nodiscard]] std::string WorldSummary(const World& world);

// The tree as lines of text: each node numbered, with its formula, a tick when it was taken
// apart and its justification; the arms of a branching indented under it; each branch ends
// in "×" with the two nodes that contradict each other or "○" with its world. A tree that a
// limit stopped is its message alone.
[[nodiscard]] std::vector<std::string> TreeText(const TruthTree& tree);

// The tree for the forest package: \begin{forest} ... \end{forest}.
[[nodiscard]] std::string TreeLatex(const TruthTree& tree);

}  // namespace deducto

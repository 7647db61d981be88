#include "presentation/DrawTree.h"

#include <algorithm>
#include <map>
#include <string>

#include "tree/TreeExport.h"

namespace deducto {
namespace {

constexpr int kMargin = 200;    // around the whole drawing
constexpr int kArmGap = 400;    // between the arms of a branching
constexpr int kDrop = 300;      // the lines joining a stretch to its arms
constexpr int kLineSpace = 60;  // between two lines of a stretch
constexpr ui::Colour kOpenColour{0, 0, 192};
constexpr ui::Colour kSelectedColour{0, 128, 0};

class TreePainter {
public:
    TreePainter(ui::Canvas& canvas, const TruthTree& tree, int selected,
                std::vector<LeafSpot>* spots)
        : canvas_(canvas), tree_(tree), selected_(selected), spots_(spots) {
        for (TreeBranch& b : tree.Branches()) branches_[b.leaf] = std::move(b);
        lineHeight_ = canvas.TextHeight("Ag") + kLineSpace;
    }

    // The width of the subtree that starts a stretch at `id`.
    int Width(int id) {
        const auto known = widths_.find(id);
        if (known != widths_.end()) return known->second;
        int own = 0;
        for (const std::string& line : Lines(id)) own = std::max(own, canvas_.TextWidth(line));
        const std::vector<int>& arms = tree_.node(Last(id)).children;
        int below = 0;
        for (size_t i = 0; i < arms.size(); ++i) below += (i ? kArmGap : 0) + Width(arms[i]);
        return widths_[id] = std::max(own, below);
    }

    // The height of the subtree that starts a stretch at `id`.
    int Height(int id) const {
        int height = static_cast<int>(Lines(id).size()) * lineHeight_;
        int below = 0;
        for (const int arm : tree_.node(Last(id)).children) below = std::max(below, Height(arm));
        return height + (below > 0 ? kDrop + below : 0);
    }

    // Draws the subtree in the band from `left`, `Width(id)` wide; returns its bottom.
    int Draw(int id, int left, int y) {
        const int centre = left + Width(id) / 2;
        const std::vector<std::string> lines = Lines(id);
        const int last = Last(id);
        const bool leaf = tree_.node(last).children.empty();
        for (size_t i = 0; i < lines.size(); ++i) {
            const int width = canvas_.TextWidth(lines[i]);
            const bool mark = leaf && i + 1 == lines.size() && branches_.count(last) > 0;
            if (mark) {
                const TreeBranch& b = branches_.at(last);
                canvas_.ForeColor = b.closed            ? ui::kRed
                                    : last == selected_ ? kSelectedColour
                                                        : kOpenColour;
                if (spots_) {
                    spots_->push_back({last, {centre - width / 2, y, width, lineHeight_}});
                }
            }
            canvas_.PrintAt(centre - width / 2, y, lines[i]);
            canvas_.ForeColor = ui::kBlack;
            y += lineHeight_;
        }
        int bottom = y;
        const std::vector<int>& arms = tree_.node(last).children;
        int below = 0;
        for (size_t i = 0; i < arms.size(); ++i) below += (i ? kArmGap : 0) + Width(arms[i]);
        int armLeft = centre - below / 2;
        for (const int arm : arms) {
            const int armCentre = armLeft + Width(arm) / 2;
            canvas_.Line(centre, y, armCentre, y + kDrop - kLineSpace);
            bottom = std::max(bottom, Draw(arm, armLeft, y + kDrop));
            armLeft += Width(arm) + kArmGap;
        }
        return bottom;
    }

private:
    int Last(int id) const {
        while (tree_.node(id).children.size() == 1) id = tree_.node(id).children[0];
        return id;
    }

    std::vector<std::string> Lines(int id) const {
        std::vector<std::string> lines;
        for (int k = id;; k = tree_.node(k).children[0]) {
            const TreeNode& n = tree_.node(k);
            lines.push_back(std::to_string(n.id) + ".  " + LogicalText(*n.formula) +
                            (n.ticked ? " ✓" : "") + "    " + Justification(n));
            if (n.children.size() != 1) break;
        }
        const int last = Last(id);
        const auto branch = branches_.find(last);
        if (tree_.node(last).children.empty() && branch != branches_.end()) {
            const TreeBranch& b = branch->second;
            if (b.closed) {
                lines.push_back("×  " + std::to_string(b.contradiction[0]) + ", " +
                                std::to_string(b.contradiction[1]));
            } else if (b.finished) {
                lines.push_back(last == selected_ ? "○  open (chosen)" : "○  open");
            }
        }
        return lines;
    }

    ui::Canvas& canvas_;
    const TruthTree& tree_;
    int selected_;
    std::vector<LeafSpot>* spots_;
    std::map<int, TreeBranch> branches_;
    std::map<int, int> widths_;
    int lineHeight_ = 0;
};

}  // namespace

ui::TwipSize DrawTree(ui::Canvas& canvas, const TruthTree& tree, int top, int selectedLeaf,
                      std::vector<LeafSpot>* spots) {
    canvas.ForeColor = ui::kBlack;
    if (!tree.limitMessage().empty()) {
        canvas.PrintAt(kMargin, top + kMargin, tree.limitMessage());
        return {canvas.TextWidth(tree.limitMessage()) + 2 * kMargin,
                top + 2 * kMargin + canvas.TextHeight("Ag")};
    }
    if (tree.nodes().empty()) return {2 * kMargin, top + 2 * kMargin};
    TreePainter painter(canvas, tree, selectedLeaf, spots);
    const int width = painter.Width(1);
    const ui::TwipSize needed{width + 2 * kMargin, top + 2 * kMargin + painter.Height(1)};
    // Drawing outside the canvas is clipped, so it is sized first.
    canvas.GrowTo(needed);
    (void)painter.Draw(1, kMargin, top + kMargin);
    return needed;
}

}  // namespace deducto

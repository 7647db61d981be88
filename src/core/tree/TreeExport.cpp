#include "tree/TreeExport.h"

#include <map>

#include "Notation.h"

namespace deducto {

namespace {

// The nodes from `id` down to the next branching (or the leaf).
std::vector<int> Segment(const TruthTree& tree, int id) {
    std::vector<int> chain{id};
    while (tree.node(chain.back()).children.size() == 1) {
        chain.push_back(tree.node(chain.back()).children[0]);
    }
    return chain;
}

std::map<int, TreeBranch> BranchesByLeaf(const TruthTree& tree) {
    std::map<int, TreeBranch> byLeaf;
    for (TreeBranch& branch : tree.Branches()) byLeaf[branch.leaf] = std::move(branch);
    return byLeaf;
}

std::string LeafText(const TreeBranch& branch) {
    if (branch.closed) {
        return "× " + std::to_string(branch.contradiction[0]) + ", " +
               std::to_string(branch.contradiction[1]);
    }
    if (branch.world) return "○ " + WorldSummary(*branch.world);
    return "(not finished)";
}

void WriteText(const TruthTree& tree, int id, const std::string& indent,
               const std::map<int, TreeBranch>& branches, std::vector<std::string>& out) {
    const std::vector<int> chain = Segment(tree, id);
    for (const int k : chain) {
        const TreeNode& n = tree.node(k);
        out.push_back(indent + std::to_string(k) + ". " + LogicalText(*n.formula) +
                      (n.ticked ? " ✓" : "") + "   (" + Justification(n) + ")");
    }
    const TreeNode& last = tree.node(chain.back());
    if (last.children.empty()) {
        const auto branch = branches.find(last.id);
        if (branch != branches.end()) out.push_back(indent + LeafText(branch->second));
        return;
    }
    for (size_t i = 0; i < last.children.size(); ++i) {
        out.push_back(indent + (i == 0 ? "├─ left" : "└─ right"));
        WriteText(tree, last.children[i], indent + (i + 1 < last.children.size() ? "│  " : "   "),
                  branches, out);
    }
}

std::string LatexFormula(const std::string& text) {
    static const std::pair<const char*, const char*> kSymbols[] = {{"¬", "\\neg "},
                                                                   {"∧", "\\land"},
                                                                   {"∨", "\\lor"},
                                                                   {"→", "\\to"},
                                                                   {"↔", "\\leftrightarrow"},
                                                                   {"∀", "\\forall "},
                                                                   {"∃", "\\exists "},
                                                                   {"⊤", "\\top"},
                                                                   {"⊥", "\\bot"},
                                                                   {"∩", "\\cap "},
                                                                   {"′", "'"},
                                                                   {"×", "\\times"},
                                                                   {"○", "\\circ"},
                                                                   {"✓", "\\surd"}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        bool matched = false;
        for (const auto& [glyph, command] : kSymbols) {
            const std::string_view g(glyph);
            if (text.compare(i, g.size(), g) == 0) {
                out += command;
                i += g.size();
                matched = true;
                break;
            }
        }
        if (!matched) out += text[i++];
    }
    return out;
}

// The justification with the rule's symbol in math mode.
std::string LatexJustification(const TreeNode& n) {
    switch (n.rule) {
        case TreeRule::Premise:
        case TreeRule::NegatedConclusion:
        case TreeRule::Rewrite:
            return Justification(n);
        default: {
            std::string text =
                "$" + LatexFormula(RuleSymbol(n.rule)) + "$ " + std::to_string(n.from);
            if (n.individual) text += std::string(", ") + n.individual;
            return text;
        }
    }
}

void WriteLatex(const TruthTree& tree, int id, const std::map<int, TreeBranch>& branches,
                std::string& out, int depth) {
    const std::string pad(static_cast<size_t>(depth) * 2, ' ');
    const std::vector<int> chain = Segment(tree, id);
    out += pad + "[{";
    for (size_t i = 0; i < chain.size(); ++i) {
        const TreeNode& n = tree.node(chain[i]);
        if (i > 0) out += "\\\\ ";
        out += std::to_string(n.id) + ".\\ $" + LatexFormula(LogicalText(*n.formula)) + "$" +
               (n.ticked ? " $\\surd$" : "") + " \\quad {\\footnotesize " + LatexJustification(n) +
               "}";
    }
    const TreeNode& last = tree.node(chain.back());
    if (last.children.empty()) {
        const auto branch = branches.find(last.id);
        if (branch != branches.end()) {
            const TreeBranch& b = branch->second;
            out += "\\\\ ";
            if (b.closed) {
                out += "$\\times$ " + std::to_string(b.contradiction[0]) + ", " +
                       std::to_string(b.contradiction[1]);
            } else if (b.world) {
                out += "$\\bigcirc$";
            }
        }
        out += "}]\n";
        return;
    }
    out += "}\n";
    for (const int child : last.children) WriteLatex(tree, child, branches, out, depth + 1);
    out += pad + "]\n";
}

}  // namespace

std::string Justification(const TreeNode& node) {
    switch (node.rule) {
        case TreeRule::Premise:
            return "premise " + std::to_string(node.line);
        case TreeRule::NegatedConclusion:
            return "negated conclusion";
        case TreeRule::Rewrite:
            return "quantifiers moved inward, " + std::to_string(node.from);
        default: {
            std::string text = std::string(RuleSymbol(node.rule)) + " " + std::to_string(node.from);
            if (node.individual) text += std::string(", ") + node.individual;
            return text;
        }
    }
}

std::string WorldSummary(const World& world) {
    if (world.mode == Mode::Propositional) {
        std::string text;
        for (const char letter : world.letters) {
            if (!text.empty()) text += ", ";
            text += letter;
            text += world.trueLetters.find(letter) != std::string::npos ? " true" : " false";
        }
        return text.empty() ? "any case" : text;
    }
    if (world.inhabited.empty()) return "the empty world: nothing exists";
    std::string text;
    for (const Region cell : world.inhabited) {
        std::string names;
        for (const Individual& individual : world.individuals) {
            if (individual.cell == cell)
                names += (names.empty() ? "" : ", ") + std::string(1, individual.letter);
        }
        if (!text.empty()) text += "; ";
        text += DisplayRegion(cell) + (names.empty() ? " inhabited" : " holds " + names);
    }
    return text + "; nothing else exists";
}

std::vector<std::string> TreeText(const TruthTree& tree) {
    if (!tree.limitMessage().empty()) return {tree.limitMessage()};
    std::vector<std::string> out;
    if (tree.nodes().empty()) return out;
    WriteText(tree, 1, "", BranchesByLeaf(tree), out);
    return out;
}

std::string TreeLatex(const TruthTree& tree) {
    if (!tree.limitMessage().empty()) return "% " + tree.limitMessage() + "\n";
    std::string out = "\\begin{forest}\nfor tree={align=left, font=\\small}\n";
    if (!tree.nodes().empty()) WriteLatex(tree, 1, BranchesByLeaf(tree), out, 0);
    return out + "\\end{forest}\n";
}

}  // namespace deducto

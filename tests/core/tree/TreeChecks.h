// What every finished truth tree must show, whatever the argument: it is closed exactly when
// the engine's verdict says the conclusion follows, each closed branch holds a formula and
// its negation, and each open branch's world makes every premise true and the conclusion
// false when the lines are evaluated there directly.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/truthtable/ModelCheck.h"
#include "tree/TruthTree.h"
#include "truthtable/WorldEvaluation.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {

inline bool OnBranch(const TruthTree& tree, int leaf, int id) {
    for (int k = leaf; k != 0; k = tree.node(k).parent) {
        if (k == id) return true;
    }
    return false;
}

inline bool Follows(Verdict verdict) {
    return verdict == Verdict::AlwaysTrue || verdict == Verdict::PremisesFalse;
}

// A line's value in a world by the tests' own evaluator; the engine's direct evaluation
// (EvaluateInWorld) must agree. Set theory's universal set is left to the latter.
inline char ValueIn(const std::string& polish, Mode mode, const World& world) {
    const char engine = EvaluateInWorld(polish, mode, world);
    if (mode == Mode::SetTheory) return engine;
    const Formula f = FormulaFromPolish(polish, mode == Mode::Propositional);
    bool value = false;
    if (mode == Mode::Propositional) {
        value =
            f.EvalPropositional(std::set<char>(world.trueLetters.begin(), world.trueLetters.end()));
    } else {
        const auto kindOf = [&](Region cell) {
            std::uint32_t kind = 0;
            for (size_t k = 0; k < world.letters.size(); ++k) {
                if (cell.pos & LetterBit(world.letters[k])) kind |= 1u << k;
            }
            return kind;
        };
        Model model;
        for (const Region cell : world.inhabited) model.inhabited.push_back(kindOf(cell));
        for (const Individual& i : world.individuals) model.kindOf[i.letter - 'a'] = kindOf(i.cell);
        value = f.EvalMonadic(model, world.letters);
    }
    const char direct = value ? 'T' : 'F';
    return direct == engine ? direct : '?';
}

// Empty when the finished tree agrees with `verdict`; otherwise what is wrong.
inline std::string TreeFault(const TruthTree& tree, const TreeInput& input, Verdict verdict) {
    if (!tree.finished()) return "the tree did not finish: " + tree.limitMessage();
    if (tree.closed() != Follows(verdict)) {
        return std::string("closed ") + (tree.closed() ? "yes" : "no") + " but the verdict is " +
               VerdictText(verdict);
    }
    for (const TreeNode& n : tree.nodes()) {
        if (n.from != 0 && !OnBranch(tree, n.parent, n.from)) {
            return "node " + std::to_string(n.id) + " comes from a node not above it";
        }
    }
    for (const TreeBranch& branch : tree.Branches()) {
        const std::string where = "branch ending at " + std::to_string(branch.leaf) + ": ";
        if (branch.closed) {
            const auto [a, b] = branch.contradiction;
            if (!OnBranch(tree, branch.leaf, a) || !OnBranch(tree, branch.leaf, b)) {
                return where + "its contradiction is not on it";
            }
            const std::string& pa = tree.node(a).formula->polish;
            const std::string& pb = tree.node(b).formula->polish;
            const bool negates = pb == pa + "3" || pa == pb + "3";
            const bool falsum = a == b && tree.node(a).formula->kind == TreeFormula::False;
            if (!negates && !falsum) return where + pa + " and " + pb + " do not contradict";
            continue;
        }
        if (!branch.world) return where + "open but without a world";
        for (const auto& [index, polish] : input.premises) {
            if (ValueIn(polish, input.mode, *branch.world) != 'T') {
                return where + "premise " + std::to_string(index) + " is not true in its world";
            }
        }
        if (ValueIn(input.conclusion, input.mode, *branch.world) != 'F') {
            return where + "the conclusion is not false in its world";
        }
    }
    return {};
}

}  // namespace deducto::testing

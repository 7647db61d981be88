// The truth tree (semantic tableau) of an argument: the premises and the negated conclusion,
// taken apart by the textbook rules until every branch either holds a formula and its
// negation (closed: the argument is valid) or can be taken apart no further (open: its
// atoms and individuals make a world in which the premises hold and the conclusion fails).
//
// The order is fixed, so an argument always gives the same tree: on the leftmost branch
// still open, the first node from the top to which a rule applies, trying in turn a line's
// rewriting (quantifiers moved inward), the rules that do not branch, existentials (a new
// individual), universals (an individual of the branch not yet used for that node), and
// the rules that branch. A rule applied to a node extends every open branch below it.
//
// The semantics is the engine's: a universal speaks only of the individuals on its branch,
// so a branch without any is the empty world. Every line is first rewritten so that no
// quantifier lies inside another that it depends on (Miniscope.h); after that, instances
// only repeat formulas met before and a node that repeats one above it is left alone, so the
// tree always finishes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "ArgumentLine.h"
#include "Mode.h"
#include "Outcome.h"
#include "tree/TreeFormula.h"
#include "truthtable/World.h"

namespace deducto {

class Computation;

// Past this many nodes a tree is not built: its message says so, the verdict stands.
inline constexpr int kMaxTreeNodes = 5000;
inline constexpr const char* kTreeTooLarge =
    "The truth tree would have more than 5,000 nodes, too many to draw. The verdict comes "
    "from the truth tables as always.";
inline constexpr const char* kTreeLineTooLarge =
    "A line grows too long when its quantifiers are moved inward, so its truth tree is not "
    "drawn. The verdict comes from the truth tables as always.";
inline constexpr const char* kTreeOutOfLetters =
    "The truth tree needs more individuals than there are letters to name them, so it is "
    "not drawn. The verdict comes from the truth tables as always.";

inline constexpr const char* kTreeNeedsConclusion =
    "A truth tree starts from the conclusion: enter a conclusion first.";

enum class TreeRule {
    Premise,
    NegatedConclusion,
    Rewrite,         // the line with its quantifiers moved inward
    DoubleNegation,  // not not A: A
    And,             // A and B: A, B
    NotOr,           // not (A or B): not A, not B
    NotImplies,      // not (A implies B): A, not B
    NotForall,       // not forall x A: exists x not A
    NotExists,       // not exists x A: forall x not A
    Exists,          // exists x A: A for a new individual
    Forall,          // forall x A: A for an individual of the branch
    Or,              // A | B
    Implies,         // not A | B
    Iff,             // A, B | not A, not B
    NotAnd,          // not A | not B
    NotIff,          // A, not B | not A, B
};

// The rule's name in words, as the checker's JSON and the text list it: "not or".
[[nodiscard]] const char* RuleName(TreeRule rule);
// The rule as drawn beside a node: "¬∨".
[[nodiscard]] const char* RuleSymbol(TreeRule rule);

struct TreeNode {
    int id = 0;      // the node's number, from 1
    int parent = 0;  // 0 for the first node
    FormulaPtr formula;
    TreeRule rule = TreeRule::Premise;
    int from = 0;          // the node the rule took apart; 0 for the argument's lines
    int line = -1;         // Premise, NegatedConclusion: the line (0 the conclusion)
    char individual = 0;   // Exists, Forall: the individual of the instance
    bool ticked = false;   // taken apart for every branch below it
    bool repeats = false;  // the same formula stands above it on its branch: left alone
    std::vector<int> children;
};

struct TreeBranch {
    int leaf = 0;
    bool closed = false;
    std::array<int, 2> contradiction{};  // closed: a node and the one that negates it
    bool finished = false;               // open: no rule applies any more
    std::optional<World> world;          // open and finished: where the argument fails
};

// The argument's lines: premises in line order, then the conclusion. An empty Polish
// string is a line without a formula and is left out.
struct TreeInput {
    Mode mode = Mode::Propositional;
    std::vector<std::pair<int, std::string>> premises;  // line index and Polish string
    std::string conclusion;
};

// The input of the lines as the window holds them: each line that has a table.
[[nodiscard]] TreeInput TreeInputFromLines(const ArgumentLines& lines, Mode mode);

class TruthTree {
public:
    // The argument's lines, not yet taken apart.
    explicit TruthTree(const TreeInput& input);

    // One rule applied to one node; false once the tree is finished or stopped by a limit.
    bool Step();
    // Marks the branches no rule applies to any more as finished, and the tree when none is
    // left: what the next Step would find, shown at once when stepping by hand.
    void Settle();
    // Steps until the tree is finished, a limit stops it or the computation is cancelled.
    [[nodiscard]] Status Finish(Computation& computation);

    [[nodiscard]] const std::vector<TreeNode>& nodes() const { return nodes_; }
    [[nodiscard]] const TreeNode& node(int id) const { return nodes_[id - 1]; }
    // The branches from left to right.
    [[nodiscard]] std::vector<TreeBranch> Branches() const;
    [[nodiscard]] bool finished() const { return finished_; }
    [[nodiscard]] bool closed() const;  // finished with every branch closed
    [[nodiscard]] int steps() const { return steps_; }
    // Set when a limit stopped the tree: what the user is told instead of the tree.
    [[nodiscard]] const std::string& limitMessage() const { return limit_; }
    [[nodiscard]] Mode mode() const { return mode_; }

private:
    struct Leaf {
        bool closed = false;
        std::array<int, 2> contradiction{};
        bool finished = false;
    };
    struct Action {
        int node = 0;
        char individual = 0;  // Forall: the individual to use
    };

    int Add(int parent, FormulaPtr formula, TreeRule rule, int from, char individual = 0);
    [[nodiscard]] static std::size_t KeyOf(std::string_view polish);
    // The nearest node from `node` up whose formula is `polish` (its key `key`); 0 if none.
    [[nodiscard]] int Above(int node, std::size_t key, const std::string& polish) const;
    void Close(int leaf);
    std::vector<int> PathTo(int leaf) const;
    bool IsBelow(int leaf, int node) const;
    std::optional<Action> FindAction(int leaf) const;
    struct PathFacts {
        std::unordered_set<std::string_view> present;  // the formulas on the branch
        std::vector<char> individuals;                 // in the order they appear
    };
    [[nodiscard]] PathFacts FactsOf(const std::vector<int>& path) const;
    char ForallIndividual(const TreeNode& n, const PathFacts& facts) const;
    void Apply(const Action& action);
    void Extend(int leaf, const std::vector<std::vector<std::pair<FormulaPtr, TreeRule>>>& arms,
                int from, char individual);
    World WorldOf(int leaf) const;

    Mode mode_;
    std::vector<TreeNode> nodes_;
    std::vector<int> depth_;
    std::vector<int> parents_;               // by node id - 1, for walks up a branch
    std::vector<std::size_t> keys_;          // by node id - 1: the formula's hash
    std::vector<std::size_t> negationKeys_;  // ... and its negation's
    std::vector<Leaf> leafState_;            // by node id - 1
    std::vector<FormulaPtr> rewrites_;       // by node id - 1: a line's rewriting, if it needs one
    std::vector<int> frontier_;              // the leaves, left to right
    size_t cursor_ = 0;                      // the frontier's first leaf still to be worked on
    std::string letters_;                    // predicate or propositional letters, ascending
    unsigned named_ = 0;                     // the argument's individuals
    unsigned inputLetters_ = 0;              // every lower-case letter of the argument
    int steps_ = 0;
    bool finished_ = false;
    std::string limit_;
};

}  // namespace deducto

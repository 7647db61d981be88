#include "tree/TruthTree.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <utility>

#include "Progress.h"
#include "tree/Miniscope.h"

namespace deducto {

namespace {

using Arm = std::vector<std::pair<FormulaPtr, TreeRule>>;

unsigned Bit(char lower) { return 1u << (lower - 'a'); }

// The rule that takes f apart, and what it adds: one arm, or two for a branching rule.
// Quantifiers are handled apart, since their instances depend on the branch.
struct Decomposition {
    TreeRule rule;
    std::vector<Arm> arms;
};

std::optional<Decomposition> Decompose(const TreeFormula& f) {
    using K = TreeFormula::Kind;
    const auto one = [](TreeRule rule, Arm arm) { return Decomposition{rule, {std::move(arm)}}; };
    switch (f.kind) {
        case K::And:
            return one(TreeRule::And, {{f.a, TreeRule::And}, {f.b, TreeRule::And}});
        case K::Or:
            return Decomposition{TreeRule::Or, {{{f.a, TreeRule::Or}}, {{f.b, TreeRule::Or}}}};
        case K::Implies:
            return Decomposition{TreeRule::Implies,
                                 {{{MakeNot(f.a), TreeRule::Implies}}, {{f.b, TreeRule::Implies}}}};
        case K::Iff:
            return Decomposition{TreeRule::Iff,
                                 {{{f.a, TreeRule::Iff}, {f.b, TreeRule::Iff}},
                                  {{MakeNot(f.a), TreeRule::Iff}, {MakeNot(f.b), TreeRule::Iff}}}};
        case K::Not:
            break;
        default:
            return std::nullopt;
    }
    const TreeFormula& g = *f.a;
    switch (g.kind) {
        case K::Not:
            return one(TreeRule::DoubleNegation, {{g.a, TreeRule::DoubleNegation}});
        case K::Or:
            return one(TreeRule::NotOr,
                       {{MakeNot(g.a), TreeRule::NotOr}, {MakeNot(g.b), TreeRule::NotOr}});
        case K::Implies:
            return one(TreeRule::NotImplies,
                       {{g.a, TreeRule::NotImplies}, {MakeNot(g.b), TreeRule::NotImplies}});
        case K::And:
            return Decomposition{
                TreeRule::NotAnd,
                {{{MakeNot(g.a), TreeRule::NotAnd}}, {{MakeNot(g.b), TreeRule::NotAnd}}}};
        case K::Iff:
            return Decomposition{TreeRule::NotIff,
                                 {{{g.a, TreeRule::NotIff}, {MakeNot(g.b), TreeRule::NotIff}},
                                  {{MakeNot(g.a), TreeRule::NotIff}, {g.b, TreeRule::NotIff}}}};
        case K::Forall:
            return one(TreeRule::NotForall, {{MakeQuantifier(K::Exists, g.variable, MakeNot(g.a)),
                                              TreeRule::NotForall}});
        case K::Exists:
            return one(TreeRule::NotExists, {{MakeQuantifier(K::Forall, g.variable, MakeNot(g.a)),
                                              TreeRule::NotExists}});
        default:
            return std::nullopt;
    }
}

// The order in which rules are tried: rewriting, rules that do not branch, existentials,
// universals, rules that branch.
enum Stage { kRewrite, kStraight, kExists, kForall, kBranching, kStages };

int StageOf(const TreeFormula& f) {
    using K = TreeFormula::Kind;
    switch (f.kind) {
        case K::Exists:
            return kExists;
        case K::Forall:
            return kForall;
        case K::And:
            return kStraight;
        case K::Or:
        case K::Implies:
        case K::Iff:
            return kBranching;
        case K::Not:
            switch (f.a->kind) {
                case K::And:
                case K::Iff:
                    return kBranching;
                case K::Not:
                case K::Or:
                case K::Implies:
                case K::Forall:
                case K::Exists:
                    return kStraight;
                default:
                    return kStages;
            }
        default:
            return kStages;
    }
}

bool Contradicts(const TreeFormula& a, const TreeFormula& b) {
    const size_t n = a.polish.size();
    return (b.polish.size() == n + 1 && b.polish.back() == '3' &&
            b.polish.compare(0, n, a.polish) == 0);
}

bool IsFalse(const TreeFormula& f) {
    return f.kind == TreeFormula::False ||
           (f.kind == TreeFormula::Not && f.a->kind == TreeFormula::True);
}

}  // namespace

const char* RuleName(TreeRule rule) {
    switch (rule) {
        case TreeRule::Premise:
            return "premise";
        case TreeRule::NegatedConclusion:
            return "negated conclusion";
        case TreeRule::Rewrite:
            return "quantifiers moved inward";
        case TreeRule::DoubleNegation:
            return "double negation";
        case TreeRule::And:
            return "and";
        case TreeRule::NotOr:
            return "not or";
        case TreeRule::NotImplies:
            return "not implies";
        case TreeRule::NotForall:
            return "not forall";
        case TreeRule::NotExists:
            return "not exists";
        case TreeRule::Exists:
            return "exists";
        case TreeRule::Forall:
            return "forall";
        case TreeRule::Or:
            return "or";
        case TreeRule::Implies:
            return "implies";
        case TreeRule::Iff:
            return "iff";
        case TreeRule::NotAnd:
            return "not and";
        case TreeRule::NotIff:
            return "not iff";
    }
    return "";
}

const char* RuleSymbol(TreeRule rule) {
    switch (rule) {
        case TreeRule::Premise:
            return "P";
        case TreeRule::NegatedConclusion:
            return "¬C";
        case TreeRule::Rewrite:
            return "Q-in";
        case TreeRule::DoubleNegation:
            return "¬¬";
        case TreeRule::And:
            return "∧";
        case TreeRule::NotOr:
            return "¬∨";
        case TreeRule::NotImplies:
            return "¬→";
        case TreeRule::NotForall:
            return "¬∀";
        case TreeRule::NotExists:
            return "¬∃";
        case TreeRule::Exists:
            return "∃";
        case TreeRule::Forall:
            return "∀";
        case TreeRule::Or:
            return "∨";
        case TreeRule::Implies:
            return "→";
        case TreeRule::Iff:
            return "↔";
        case TreeRule::NotAnd:
            return "¬∧";
        case TreeRule::NotIff:
            return "¬↔";
    }
    return "";
}

TreeInput TreeInputFromLines(const ArgumentLines& lines, Mode mode) {
    TreeInput input;
    input.mode = mode;
    for (int k = 1; k < kLineCount; ++k) {
        if (lines[k].table) input.premises.emplace_back(k, lines[k].PolishStr);
    }
    if (lines[0].table) input.conclusion = lines[0].PolishStr;
    return input;
}

TruthTree::TruthTree(const TreeInput& input) : mode_(input.mode) {
    std::vector<std::pair<int, FormulaPtr>> lines;
    for (const auto& [index, polish] : input.premises) {
        if (polish.empty()) continue;
        if (FormulaPtr f = FormulaFromPolish(polish, mode_)) lines.emplace_back(index, f);
    }
    if (!input.conclusion.empty()) {
        if (FormulaPtr f = FormulaFromPolish(input.conclusion, mode_)) {
            lines.emplace_back(0, MakeNot(f));
        }
    }
    int parent = 0;
    for (const auto& [index, f] : lines) {
        CollectLetters(*f, letters_);
        named_ |= FreeLetters(*f);
        inputLetters_ |= AllLetters(*f);
        const int id =
            Add(parent, f, index == 0 ? TreeRule::NegatedConclusion : TreeRule::Premise, 0);
        nodes_[id - 1].line = index;
        parent = id;
        if (mode_ != Mode::Propositional) {
            const Rewriting rewriting = MoveQuantifiersInward(f);
            if (!rewriting.formula) {
                limit_ = kTreeLineTooLarge;
            } else if (rewriting.changed) {
                rewrites_[id - 1] = rewriting.formula;
            }
        }
    }
    std::sort(letters_.begin(), letters_.end());
    if (parent == 0) {
        finished_ = true;
        return;
    }
    frontier_.push_back(parent);
    for (int id = 1; id <= parent && !leafState_[parent - 1].closed; ++id) {
        const TreeFormula& f = *nodes_[id - 1].formula;
        if (IsFalse(f)) leafState_[parent - 1] = {true, {id, id}, false};
        for (int k = 1; k < id && !leafState_[parent - 1].closed; ++k) {
            const TreeFormula& m = *nodes_[k - 1].formula;
            if (Contradicts(m, f) || Contradicts(f, m)) {
                leafState_[parent - 1] = {true, {k, id}, false};
            }
        }
    }
}

int TruthTree::Add(int parent, FormulaPtr formula, TreeRule rule, int from, char individual) {
    TreeNode n;
    n.id = static_cast<int>(nodes_.size()) + 1;
    n.parent = parent;
    n.rule = rule;
    n.from = from;
    n.individual = individual;
    const std::size_t key = KeyOf(formula->polish);
    n.repeats = Above(parent, key, formula->polish) != 0;
    keys_.push_back(key);
    parents_.push_back(parent);
    negationKeys_.push_back(KeyOf(formula->polish + '3'));
    n.formula = std::move(formula);
    if (parent != 0) nodes_[parent - 1].children.push_back(n.id);
    depth_.push_back(parent == 0 ? 0 : depth_[parent - 1] + 1);
    nodes_.push_back(std::move(n));
    leafState_.emplace_back();
    rewrites_.emplace_back();
    return static_cast<int>(nodes_.size());
}

std::vector<int> TruthTree::PathTo(int leaf) const {
    std::vector<int> path;
    for (int k = leaf; k != 0; k = nodes_[k - 1].parent) path.push_back(k);
    std::reverse(path.begin(), path.end());
    return path;
}

bool TruthTree::IsBelow(int leaf, int node) const {
    int k = leaf;
    while (k != 0 && depth_[k - 1] > depth_[node - 1]) k = parents_[k - 1];
    return k == node;
}

// A branch's new node closes it when it negates a node above it, or is itself false.
void TruthTree::Close(int leaf) {
    const TreeNode& n = nodes_[leaf - 1];
    if (IsFalse(*n.formula)) {
        leafState_[leaf - 1] = {true, {leaf, leaf}, false};
        return;
    }
    // Compared by key first: the branch may hold thousands of nodes.
    const std::size_t key = keys_[leaf - 1];
    const std::size_t negation = negationKeys_[leaf - 1];
    for (int k = n.parent; k != 0; k = parents_[k - 1]) {
        if (keys_[k - 1] != negation && negationKeys_[k - 1] != key) continue;
        const TreeFormula& m = *nodes_[k - 1].formula;
        if (Contradicts(m, *n.formula) || Contradicts(*n.formula, m)) {
            leafState_[leaf - 1] = {true, {k, leaf}, false};
            return;
        }
    }
}

std::size_t TruthTree::KeyOf(std::string_view polish) {
    return std::hash<std::string_view>{}(polish);
}

int TruthTree::Above(int node, std::size_t key, const std::string& polish) const {
    for (int k = node; k != 0; k = parents_[k - 1]) {
        if (keys_[k - 1] == key && nodes_[k - 1].formula->polish == polish) return k;
    }
    return 0;
}

char TruthTree::ForallIndividual(const TreeNode& n, const PathFacts& facts) const {
    for (const char c : facts.individuals) {
        if (!facts.present.count(Instantiate(n.formula->a, n.formula->variable, c)->polish)) {
            return c;
        }
    }
    return 0;
}

TruthTree::PathFacts TruthTree::FactsOf(const std::vector<int>& path) const {
    PathFacts facts;
    unsigned seen = 0;
    for (const int k : path) {
        const TreeFormula& f = *nodes_[k - 1].formula;
        facts.present.insert(f.polish);
        const unsigned fresh = FreeLetters(f) & ~seen;
        for (int b = 0; b < 26; ++b) {
            if (fresh & (1u << b)) facts.individuals.push_back(static_cast<char>('a' + b));
        }
        seen |= fresh;
    }
    return facts;
}

std::optional<TruthTree::Action> TruthTree::FindAction(int leaf) const {
    // One pass down the branch notes the first node of each stage; universals are kept in
    // order, since whether one applies depends on the individuals of the branch.
    const std::vector<int> path = PathTo(leaf);
    std::array<int, kStages> first{};
    std::vector<int> universals;
    for (const int k : path) {
        const TreeNode& n = nodes_[k - 1];
        if (n.repeats) continue;
        if (rewrites_[k - 1]) {
            if (!n.ticked && first[kRewrite] == 0) first[kRewrite] = k;
            continue;
        }
        if (n.ticked) continue;
        const int stage = StageOf(*n.formula);
        if (stage == kForall) {
            universals.push_back(k);
        } else if (stage < kStages && first[stage] == 0) {
            first[stage] = k;
        }
    }
    for (const int stage : {kRewrite, kStraight, kExists}) {
        if (first[stage] != 0) return Action{first[stage], 0};
    }
    if (!universals.empty()) {
        const PathFacts facts = FactsOf(path);
        for (const int k : universals) {
            if (const char c = ForallIndividual(nodes_[k - 1], facts)) return Action{k, c};
        }
    }
    if (first[kBranching] != 0) return Action{first[kBranching], 0};
    return std::nullopt;
}

void TruthTree::Extend(int leaf, const std::vector<Arm>& arms, int from, char individual) {
    // What the branch holds already is not written again; a rule one of whose arms the
    // branch already holds is satisfied there and leaves the branch as it is.
    const auto onBranch = [&](const std::string& polish) {
        return Above(leaf, KeyOf(polish), polish) != 0;
    };
    std::vector<Arm> needed;
    for (const Arm& arm : arms) {
        Arm missing;
        for (const auto& entry : arm) {
            if (!onBranch(entry.first->polish)) missing.push_back(entry);
        }
        if (missing.empty()) return;
        needed.push_back(std::move(missing));
    }
    std::vector<int> leaves;
    for (const Arm& arm : needed) {
        int at = leaf;
        for (const auto& [formula, rule] : arm) {
            at = Add(at, formula, rule, from, individual);
            Close(at);
            if (leafState_[at - 1].closed) break;
        }
        leaves.push_back(at);
    }
    const auto where = std::find(frontier_.begin(), frontier_.end(), leaf);
    const auto at = frontier_.erase(where);
    frontier_.insert(at, leaves.begin(), leaves.end());
}

void TruthTree::Apply(const Action& action) {
    TreeNode& n = nodes_[action.node - 1];
    const FormulaPtr formula = n.formula;
    // The leaves below a node stand side by side in the frontier, around the branch that
    // asked for the rule.
    size_t first = cursor_;
    while (first > 0 && IsBelow(frontier_[first - 1], action.node)) --first;
    std::vector<int> targets;
    for (size_t i = first; i < frontier_.size() && IsBelow(frontier_[i], action.node); ++i) {
        const Leaf& state = leafState_[frontier_[i] - 1];
        if (!state.closed && !state.finished) targets.push_back(frontier_[i]);
    }
    if (const FormulaPtr& rewriting = rewrites_[action.node - 1]) {
        n.ticked = true;
        for (const int leaf : targets) {
            Extend(leaf, {Arm{{rewriting, TreeRule::Rewrite}}}, action.node, 0);
        }
        return;
    }
    if (formula->kind == TreeFormula::Exists) {
        // A letter new to every branch the instance goes on: not in the argument, above
        // the node, or below it.
        unsigned used = inputLetters_;
        for (const int k : PathTo(action.node)) used |= AllLetters(*nodes_[k - 1].formula);
        std::vector<int> below{action.node};
        while (!below.empty()) {
            const int k = below.back();
            below.pop_back();
            used |= AllLetters(*nodes_[k - 1].formula);
            for (const int child : nodes_[k - 1].children) below.push_back(child);
        }
        char fresh = 0;
        for (char c = 'a'; c <= 'z' && !fresh; ++c) {
            if (!(used & Bit(c))) fresh = c;
        }
        if (!fresh) {
            limit_ = kTreeOutOfLetters;
            return;
        }
        n.ticked = true;
        const FormulaPtr instance = Instantiate(formula->a, formula->variable, fresh);
        for (const int leaf : targets) {
            Extend(leaf, {Arm{{instance, TreeRule::Exists}}}, action.node, fresh);
        }
        return;
    }
    if (formula->kind == TreeFormula::Forall) {
        const FormulaPtr instance = Instantiate(formula->a, formula->variable, action.individual);
        for (const int leaf : targets) {
            const std::vector<int> path = PathTo(leaf);
            bool present = false;
            unsigned letters = 0;
            for (const int k : path) {
                present = present || nodes_[k - 1].formula->polish == instance->polish;
                letters |= FreeLetters(*nodes_[k - 1].formula);
            }
            if (present || !(letters & Bit(action.individual))) continue;
            Extend(leaf, {Arm{{instance, TreeRule::Forall}}}, action.node, action.individual);
        }
        return;
    }
    const std::optional<Decomposition> d = Decompose(*formula);
    n.ticked = true;
    for (const int leaf : targets) Extend(leaf, d->arms, action.node, 0);
}

bool TruthTree::Step() {
    if (finished_ || !limit_.empty()) return false;
    // Every leaf left of the cursor is closed or finished, and stays so.
    for (size_t i = cursor_; i < frontier_.size(); ++i) {
        const int leaf = frontier_[i];
        Leaf& state = leafState_[leaf - 1];
        if (state.closed || state.finished) continue;
        cursor_ = i;
        const std::optional<Action> action = FindAction(leaf);
        if (!action) {
            state.finished = true;
            continue;
        }
        Apply(*action);
        ++steps_;
        if (static_cast<int>(nodes_.size()) > kMaxTreeNodes) limit_ = kTreeTooLarge;
        return limit_.empty();
    }
    finished_ = true;
    return false;
}

void TruthTree::Settle() {
    if (finished_ || !limit_.empty()) return;
    bool left = false;
    for (const int leaf : frontier_) {
        Leaf& state = leafState_[leaf - 1];
        if (state.closed || state.finished) continue;
        if (FindAction(leaf)) {
            left = true;
        } else {
            state.finished = true;
        }
    }
    finished_ = !left;
}

Status TruthTree::Finish(Computation& computation) {
    while (Step()) {
        if (steps_ % 64 == 0 && computation.CheckCancel()) return Status::Cancelled();
    }
    if (!limit_.empty()) return Status::Limit(limit_);
    return {};
}

bool TruthTree::closed() const {
    if (!finished_) return false;
    return std::all_of(frontier_.begin(), frontier_.end(),
                       [&](int leaf) { return leafState_[leaf - 1].closed; });
}

World TruthTree::WorldOf(int leaf) const {
    World world;
    world.mode = mode_;
    world.letters = letters_;
    const std::vector<int> path = PathTo(leaf);
    if (mode_ == Mode::Propositional) {
        std::string fixed;
        for (const int k : path) {
            const TreeFormula& f = *nodes_[k - 1].formula;
            if (f.kind == TreeFormula::Atom) world.trueLetters += f.predicate;
            if (f.IsLiteral()) fixed += f.kind == TreeFormula::Not ? f.a->predicate : f.predicate;
        }
        std::sort(world.trueLetters.begin(), world.trueLetters.end());
        world.trueLetters.erase(std::unique(world.trueLetters.begin(), world.trueLetters.end()),
                                world.trueLetters.end());
        for (const char letter : letters_) {
            if (fixed.find(letter) == std::string::npos) world.openLetters += letter;
        }
        return world;
    }
    std::uint32_t all = 0;
    for (const char letter : letters_) all |= LetterBit(letter);
    std::array<std::uint32_t, 26> has{};
    unsigned present = 0;
    for (const int k : path) {
        const TreeFormula& f = *nodes_[k - 1].formula;
        present |= FreeLetters(f);
        if (f.kind == TreeFormula::Atom) has[f.variable - 'a'] |= LetterBit(f.predicate);
    }
    for (int b = 0; b < 26; ++b) {
        if (!(present & (1u << b))) continue;
        const Region cell{has[b], all & ~has[b]};
        if (!world.IsInhabited(cell)) world.inhabited.push_back(cell);
        if (named_ & (1u << b)) world.individuals.push_back({static_cast<char>('a' + b), cell});
    }
    std::sort(world.inhabited.begin(), world.inhabited.end(), RegionLess);
    return world;
}

std::vector<TreeBranch> TruthTree::Branches() const {
    std::vector<TreeBranch> branches;
    for (const int leaf : frontier_) {
        const Leaf& state = leafState_[leaf - 1];
        TreeBranch branch;
        branch.leaf = leaf;
        branch.closed = state.closed;
        branch.contradiction = state.contradiction;
        branch.finished = !state.closed && (state.finished || finished_);
        if (branch.finished) branch.world = WorldOf(leaf);
        branches.push_back(std::move(branch));
    }
    return branches;
}

}  // namespace deducto

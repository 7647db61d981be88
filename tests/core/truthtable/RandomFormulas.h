// Random formulas with a direct evaluator, as an oracle for the truth-table engine: the
// engine's tables and verdicts must agree with evaluating the formula in every model.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace deducto::testing {

struct Node {
    enum Kind { Atom, Not, And, Or, Implies, Iff, Forall, Exists } kind = Atom;
    char predicate = 0;  // propositional letter, or predicate letter of "Px"
    char variable = 0;   // "Px"'s variable, or the quantifier's
    int a = -1;
    int b = -1;
};

// A small model of monadic logic: which kinds of individual exist (a kind is the set of
// predicates it has, bit k for the k-th predicate letter) and the kind of each free letter.
struct Model {
    std::vector<std::uint32_t> inhabited;
    std::uint32_t kindOf[26] = {};  // by variable letter
};

class Formula {
public:
    std::vector<Node> nodes;
    int root = -1;

    // Fully parenthesised text the parser reads in either mode.
    std::string Text() const { return Text(root); }

    bool EvalPropositional(const std::set<char>& trueLetters) const {
        return EvalProp(root, trueLetters);
    }

    // A quantifier whose variable is not free in its body is idle (forall x Pa is Pa), as the
    // engine reads it.
    bool EvalMonadic(const Model& model, const std::string& predicates) const {
        std::uint32_t env[26];
        for (int i = 0; i < 26; ++i) env[i] = model.kindOf[i];
        return EvalPred(root, model, predicates, env);
    }

    bool HasQuantifier() const {
        for (const Node& n : nodes) {
            if (n.kind == Node::Forall || n.kind == Node::Exists) return true;
        }
        return false;
    }

    std::set<char> FreeVariables() const {
        std::set<char> free;
        CollectFree(root, std::set<char>{}, free);
        return free;
    }

private:
    std::string Text(int i) const {
        const Node& n = nodes[i];
        switch (n.kind) {
            case Node::Atom:
                return n.variable ? std::string{n.predicate, n.variable}
                                  : std::string(1, n.predicate);
            case Node::Not:
                return "not (" + Text(n.a) + ")";
            case Node::And:
                return "(" + Text(n.a) + ") and (" + Text(n.b) + ")";
            case Node::Or:
                return "(" + Text(n.a) + ") or (" + Text(n.b) + ")";
            case Node::Implies:
                return "(" + Text(n.a) + ") implies (" + Text(n.b) + ")";
            case Node::Iff:
                return "(" + Text(n.a) + ") iff (" + Text(n.b) + ")";
            case Node::Forall:
                return std::string("forall ") + n.variable + " (" + Text(n.a) + ")";
            case Node::Exists:
                return std::string("exists ") + n.variable + " (" + Text(n.a) + ")";
        }
        return {};
    }

    bool EvalProp(int i, const std::set<char>& t) const {
        const Node& n = nodes[i];
        switch (n.kind) {
            case Node::Atom:
                return t.count(n.predicate) > 0;
            case Node::Not:
                return !EvalProp(n.a, t);
            case Node::And:
                return EvalProp(n.a, t) && EvalProp(n.b, t);
            case Node::Or:
                return EvalProp(n.a, t) || EvalProp(n.b, t);
            case Node::Implies:
                return !EvalProp(n.a, t) || EvalProp(n.b, t);
            case Node::Iff:
                return EvalProp(n.a, t) == EvalProp(n.b, t);
            default:
                return false;
        }
    }

    bool IsFreeIn(int i, char v) const {
        const Node& n = nodes[i];
        if (n.kind == Node::Atom) return n.variable == v;
        if ((n.kind == Node::Forall || n.kind == Node::Exists) && n.variable == v) return false;
        return IsFreeIn(n.a, v) || (n.b >= 0 && IsFreeIn(n.b, v));
    }

    bool EvalPred(int i, const Model& m, const std::string& preds, std::uint32_t* env) const {
        const Node& n = nodes[i];
        switch (n.kind) {
            case Node::Atom: {
                const auto bit = 1u << preds.find(n.predicate);
                return (env[n.variable - 'a'] & bit) != 0;
            }
            case Node::Not:
                return !EvalPred(n.a, m, preds, env);
            case Node::And:
                return EvalPred(n.a, m, preds, env) && EvalPred(n.b, m, preds, env);
            case Node::Or:
                return EvalPred(n.a, m, preds, env) || EvalPred(n.b, m, preds, env);
            case Node::Implies:
                return !EvalPred(n.a, m, preds, env) || EvalPred(n.b, m, preds, env);
            case Node::Iff:
                return EvalPred(n.a, m, preds, env) == EvalPred(n.b, m, preds, env);
            case Node::Forall:
            case Node::Exists: {
                if (!IsFreeIn(n.a, n.variable)) return EvalPred(n.a, m, preds, env);
                const bool forall = n.kind == Node::Forall;
                const std::uint32_t saved = env[n.variable - 'a'];
                bool result = forall;
                for (std::uint32_t kind : m.inhabited) {
                    env[n.variable - 'a'] = kind;
                    if (EvalPred(n.a, m, preds, env) != forall) {
                        result = !forall;
                        break;
                    }
                }
                env[n.variable - 'a'] = saved;
                return result;
            }
        }
        return false;
    }

    void CollectFree(int i, std::set<char> bound, std::set<char>& free) const {
        const Node& n = nodes[i];
        if (n.kind == Node::Atom) {
            if (n.variable && !bound.count(n.variable)) free.insert(n.variable);
            return;
        }
        if (n.kind == Node::Forall || n.kind == Node::Exists) bound.insert(n.variable);
        CollectFree(n.a, bound, free);
        if (n.b >= 0) CollectFree(n.b, bound, free);
    }
};

class FormulaMaker {
public:
    FormulaMaker(unsigned seed, std::string letters, std::string variables)
        : rng_(seed), letters_(std::move(letters)), variables_(std::move(variables)) {}

    Formula Make(int depth) {
        Formula f;
        f.root = Grow(f, depth);
        return f;
    }

private:
    int Grow(Formula& f, int depth) {
        Node n;
        const int choice = depth <= 0 ? 0 : Pick(variables_.empty() ? 6 : 8);
        if (choice == 0) {
            n.kind = Node::Atom;
            n.predicate = letters_[Pick(static_cast<int>(letters_.size()))];
            if (!variables_.empty())
                n.variable = variables_[Pick(static_cast<int>(variables_.size()))];
        } else if (choice == 1) {
            n.kind = Node::Not;
            n.a = Grow(f, depth - 1);
        } else if (choice <= 5) {
            n.kind = static_cast<Node::Kind>(Node::And + choice - 2);
            n.a = Grow(f, depth - 1);
            n.b = Grow(f, depth - 1);
        } else {
            n.kind = choice == 6 ? Node::Forall : Node::Exists;
            n.variable = variables_[Pick(static_cast<int>(variables_.size()))];
            n.a = Grow(f, depth - 1);
        }
        f.nodes.push_back(n);
        return static_cast<int>(f.nodes.size()) - 1;
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::mt19937 rng_;
    std::string letters_;
    std::string variables_;
};

}  // namespace deducto::testing

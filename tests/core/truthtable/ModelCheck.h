// The verdict of an argument found by checking every model directly, as an oracle for the
// engine's verdicts; and formulas read back from Polish strings, so that typed arguments
// can be checked too.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "RandomFormulas.h"
#include "formula/Operators.h"
#include "truthtable/modEvaluate.h"

namespace deducto::testing {

// Every propositional assignment over the arguments' letters.
inline Verdict PropositionalVerdict(const std::vector<Formula>& premises, const Formula& conclusion,
                                    const std::string& letters) {
    bool someTrue = false;
    bool someFalse = false;
    for (std::uint32_t set = 0; set < (1u << letters.size()); ++set) {
        std::set<char> trueLetters;
        for (size_t k = 0; k < letters.size(); ++k) {
            if (set & (1u << k)) trueLetters.insert(letters[k]);
        }
        bool premisesHold = true;
        for (const Formula& p : premises) {
            premisesHold = premisesHold && p.EvalPropositional(trueLetters);
        }
        if (premisesHold) (conclusion.EvalPropositional(trueLetters) ? someTrue : someFalse) = true;
    }
    return VerdictFrom(someTrue, someFalse);
}

// Every model over `predicates`: each set of inhabited kinds, and each placing of the named
// individuals (free letters) among them; with none named, the empty domain counts too.
// Without quantifiers only the individuals' kinds matter, so only those are tried.
inline Verdict MonadicVerdict(const std::vector<Formula>& premises, const Formula& conclusion,
                              const std::string& predicates) {
    std::set<char> individuals = conclusion.FreeVariables();
    bool quantified = conclusion.HasQuantifier();
    for (const Formula& p : premises) {
        for (char v : p.FreeVariables()) individuals.insert(v);
        quantified = quantified || p.HasQuantifier();
    }
    const std::vector<char> named(individuals.begin(), individuals.end());
    const std::uint32_t kinds = 1u << predicates.size();
    bool someTrue = false;
    bool someFalse = false;
    auto check = [&](const Model& model) {
        bool premisesHold = true;
        for (const Formula& p : premises) {
            premisesHold = premisesHold && p.EvalMonadic(model, predicates);
        }
        if (premisesHold) {
            (conclusion.EvalMonadic(model, predicates) ? someTrue : someFalse) = true;
        }
    };
    if (!quantified) {
        std::vector<std::uint32_t> kindOf(named.size(), 0);
        while (true) {
            Model model;
            for (size_t i = 0; i < named.size(); ++i) {
                model.kindOf[named[i] - 'a'] = kindOf[i];
                model.inhabited.push_back(kindOf[i]);
            }
            check(model);
            size_t i = named.size();
            while (i > 0 && ++kindOf[i - 1] == kinds) kindOf[--i] = 0;
            if (i == 0) break;
        }
        return VerdictFrom(someTrue, someFalse);
    }
    for (std::uint64_t set = 0; set < (1ULL << kinds); ++set) {
        Model model;
        for (std::uint32_t k = 0; k < kinds; ++k) {
            if (set & (1ULL << k)) model.inhabited.push_back(k);
        }
        if (!named.empty() && model.inhabited.empty()) continue;
        std::vector<size_t> at(named.size(), 0);
        while (true) {
            for (size_t i = 0; i < named.size(); ++i) {
                model.kindOf[named[i] - 'a'] = model.inhabited[at[i]];
            }
            check(model);
            size_t i = named.size();
            while (i > 0 && ++at[i - 1] == model.inhabited.size()) at[--i] = 0;
            if (i == 0) break;
        }
    }
    return VerdictFrom(someTrue, someFalse);
}

// A formula from its Polish string: operands are a letter, or in the predicate modes a
// predicate letter and its variable; a quantifier is followed by its variable.
inline Formula FormulaFromPolish(const std::string& polish, bool propositional) {
    Formula f;
    std::vector<int> stack;
    auto add = [&](Node n) {
        f.nodes.push_back(n);
        stack.push_back(static_cast<int>(f.nodes.size()) - 1);
    };
    auto pop = [&] {
        const int top = stack.back();
        stack.pop_back();
        return top;
    };
    for (size_t i = 0; i < polish.size(); ++i) {
        const char c = polish[i];
        Node n;
        if (c == op::kNot) {
            n.kind = Node::Not;
            n.a = pop();
        } else if (op::IsQuantifier(c)) {
            n.kind = c == op::kForall ? Node::Forall : Node::Exists;
            n.variable = polish[++i];
            n.a = pop();
        } else if (op::IsBinary(c)) {
            n.kind = c == op::kAnd   ? Node::And
                     : c == op::kOr  ? Node::Or
                     : c == op::kIff ? Node::Iff
                                     : Node::Implies;
            n.b = pop();
            n.a = pop();
        } else {
            n.predicate = c;
            if (!propositional) n.variable = polish[++i];
        }
        add(n);
    }
    f.root = stack.empty() ? -1 : stack.back();
    return f;
}

}  // namespace deducto::testing

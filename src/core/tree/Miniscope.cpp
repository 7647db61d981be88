#include "tree/Miniscope.h"

#include <utility>
#include <vector>

namespace deducto {

namespace {

using Kind = TreeFormula::Kind;

// A literal over the leaves of a quantifier's body: the bound variable's atoms, and the
// largest parts in which the variable is not free.
struct Literal {
    FormulaPtr leaf;
    bool positive = true;
};
using Clause = std::vector<Literal>;  // a conjunction in a DNF, a disjunction in a CNF
using Form = std::vector<Clause>;

int Size(const TreeFormula& f) { return 1 + (f.a ? Size(*f.a) : 0) + (f.b ? Size(*f.b) : 0); }

bool IsConstant(const FormulaPtr& f, bool value) {
    return f->kind == (value ? TreeFormula::True : TreeFormula::False);
}

// Not, and the connectives, with the constants folded away.
FormulaPtr Negate(FormulaPtr a) {
    if (a->kind == TreeFormula::True || a->kind == TreeFormula::False) {
        return MakeConstant(a->kind == TreeFormula::False);
    }
    return MakeNot(std::move(a));
}

FormulaPtr Combine(Kind kind, FormulaPtr a, FormulaPtr b) {
    const bool aT = IsConstant(a, true), aF = IsConstant(a, false);
    const bool bT = IsConstant(b, true), bF = IsConstant(b, false);
    switch (kind) {
        case TreeFormula::And:
            if (aF || bF) return MakeConstant(false);
            if (aT) return b;
            if (bT) return a;
            break;
        case TreeFormula::Or:
            if (aT || bT) return MakeConstant(true);
            if (aF) return b;
            if (bF) return a;
            break;
        case TreeFormula::Implies:
            if (aF || bT) return MakeConstant(true);
            if (aT) return b;
            if (bF) return Negate(a);
            break;
        default:
            if (aT) return b;
            if (bT) return a;
            if (aF) return Negate(b);
            if (bF) return Negate(a);
            break;
    }
    return MakeBinary(kind, std::move(a), std::move(b));
}

// The line as the engine reads it, with idle quantifiers and set constants gone.
FormulaPtr AsRead(const FormulaPtr& f) {
    switch (f->kind) {
        case TreeFormula::True:
        case TreeFormula::False:
        case TreeFormula::Atom:
            return f;
        case TreeFormula::Not:
            return Negate(AsRead(f->a));
        case TreeFormula::Forall:
        case TreeFormula::Exists: {
            FormulaPtr body = AsRead(f->a);
            if (!IsFree(*body, f->variable)) return body;
            return MakeQuantifier(f->kind, f->variable, std::move(body));
        }
        default:
            return Combine(f->kind, AsRead(f->a), AsRead(f->b));
    }
}

class Normaliser {
public:
    explicit Normaliser(char variable) : variable_(variable) {}

    // The body as a disjunction of conjunctions (dnf) or a conjunction of disjunctions,
    // read with the given polarity.
    Form Normal(const FormulaPtr& f, bool positive, bool dnf) {
        if (!IsFree(*f, variable_) || f->kind == TreeFormula::Atom) {
            return Form{Clause{Literal{f, positive}}};
        }
        // "Or" under dnf (or "and" under cnf) just lists the parts side by side.
        switch (f->kind) {
            case TreeFormula::Not:
                return Normal(f->a, !positive, dnf);
            case TreeFormula::And:
            case TreeFormula::Or: {
                const bool isAnd = (f->kind == TreeFormula::And) == positive;
                return Join(Normal(f->a, positive, dnf), Normal(f->b, positive, dnf), isAnd != dnf);
            }
            case TreeFormula::Implies:  // not a, or b
                return Join(Normal(f->a, !positive, dnf), Normal(f->b, positive, dnf),
                            positive == dnf);
            case TreeFormula::Iff: {
                // Positive: (a and b) or (not a and not b); negative: (a and not b) or
                // (not a and b).
                const Form both = Join(Normal(f->a, true, dnf), Normal(f->b, positive, dnf), !dnf);
                const Form neither =
                    Join(Normal(f->a, false, dnf), Normal(f->b, !positive, dnf), !dnf);
                return Join(both, neither, dnf);
            }
            default:
                // Quantified parts never hold the variable free once their own body is
                // rewritten, so they were leaves above.
                return Form{Clause{Literal{f, positive}}};
        }
    }

    // Set once a form grew past the limit; the forms are then left short and thrown away.
    [[nodiscard]] bool tooLarge() const { return tooLarge_; }

private:
    // side by side: the clauses of both; otherwise every clause of a with every one of b.
    Form Join(Form a, Form b, bool sideBySide) {
        if (tooLarge_) return {};
        if (sideBySide) {
            for (Clause& c : b) a.push_back(std::move(c));
            Check(a);
            return a;
        }
        Form out;
        for (const Clause& x : a) {
            for (const Clause& y : b) {
                Clause c = x;
                for (const Literal& l : y) {
                    bool present = false;
                    for (const Literal& m : c) {
                        present = present ||
                                  (m.positive == l.positive && m.leaf->polish == l.leaf->polish);
                    }
                    if (!present) c.push_back(l);
                }
                out.push_back(std::move(c));
                Check(out);
                if (tooLarge_) return {};
            }
        }
        return out;
    }

    void Check(const Form& form) {
        size_t literals = 0;
        for (const Clause& c : form) literals += c.size();
        if (literals > static_cast<size_t>(kMaxRewrittenSize)) tooLarge_ = true;
    }

    char variable_;
    bool tooLarge_ = false;
};

FormulaPtr FromLiteral(const Literal& l) { return l.positive ? l.leaf : Negate(l.leaf); }

FormulaPtr JoinAll(const std::vector<FormulaPtr>& parts, Kind kind) {
    FormulaPtr out;
    for (const FormulaPtr& p : parts) out = out ? Combine(kind, out, p) : p;
    return out;
}

class Miniscoper {
public:
    [[nodiscard]] bool tooLarge() const { return tooLarge_; }

    // `outer`: the variables bound around f, as a letter mask.
    FormulaPtr Rewrite(const FormulaPtr& f, unsigned outer) {
        switch (f->kind) {
            case TreeFormula::True:
            case TreeFormula::False:
            case TreeFormula::Atom:
                return f;
            case TreeFormula::Not:
                return Negate(Rewrite(f->a, outer));
            case TreeFormula::Forall:
            case TreeFormula::Exists:
                return Quantifier(f->kind, f->variable,
                                  Rewrite(f->a, outer | (1u << (f->variable - 'a'))), outer);
            default:
                return Combine(f->kind, Rewrite(f->a, outer), Rewrite(f->b, outer));
        }
    }

private:
    FormulaPtr Quantifier(Kind kind, char v, FormulaPtr body, unsigned outer) {
        if (!IsFree(*body, v)) return body;
        if ((FreeLetters(*body) & outer & ~(1u << (v - 'a'))) == 0) {
            return MakeQuantifier(kind, v, std::move(body));
        }
        // Exists over a DNF: the parts without v leave each conjunction; for all over a CNF:
        // they leave each disjunction. A part with no v at all loses its quantifier: inside
        // another quantifier's scope something exists.
        const bool exists = kind == TreeFormula::Exists;
        const Kind inner = exists ? TreeFormula::And : TreeFormula::Or;
        Normaliser normaliser(v);
        const Form form = normaliser.Normal(body, true, exists);
        if (normaliser.tooLarge()) {
            tooLarge_ = true;
            return body;
        }
        std::vector<FormulaPtr> clauses;
        for (const Clause& clause : form) {
            std::vector<FormulaPtr> without;
            std::vector<FormulaPtr> with;
            for (const Literal& l : clause) {
                (IsFree(*l.leaf, v) ? with : without).push_back(FromLiteral(l));
            }
            if (!with.empty()) without.push_back(MakeQuantifier(kind, v, JoinAll(with, inner)));
            clauses.push_back(JoinAll(without, inner));
        }
        return JoinAll(clauses, exists ? TreeFormula::Or : TreeFormula::And);
    }

    bool tooLarge_ = false;
};

}  // namespace

Rewriting MoveQuantifiersInward(const FormulaPtr& line) {
    Rewriting out;
    Miniscoper miniscoper;
    out.formula = miniscoper.Rewrite(AsRead(line), 0);
    if (miniscoper.tooLarge() || Size(*out.formula) > kMaxRewrittenSize) {
        out.formula = nullptr;
        return out;
    }
    out.changed = out.formula->polish != line->polish;
    return out;
}

}  // namespace deducto

// The 24 sentence structures: recognising which one a rewritten sentence has, and joining
// the formulas of its clauses. Structures whose later clause opens with a pronoun bind it to
// the subject of the first clause and record a remark naming that antecedent.
#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

// F(A) as "exists x (" body ")" or "exists x ~(" body ")".
struct Body {
    std::string text;
    bool negated = false;
};

std::optional<Body> BodyOf(const std::string& formula) {
    for (const bool negated : {false, true}) {
        const std::string head = negated ? "exists x ~(" : "exists x (";
        if (formula.size() > head.size() && formula.compare(0, head.size(), head) == 0 &&
            formula.back() == ')') {
            return Body{formula.substr(head.size(), formula.size() - head.size() - 1), negated};
        }
    }
    return std::nullopt;
}

}  // namespace

SentenceType NaturalTranslator::ClassifySentence(int n) {
    using enum SentenceType;
    A = B = C = D = {};
    const auto fail = [this] {
        FailSilently();
        return None;
    };

    if (Word(1) != "if") {
        A.first = 1;
        int p = 0;
        for (int k = 2; k <= n && p == 0; ++k) {
            if (WordIs(k, {",", "if"})) p = k;
        }
        if (p == 0) {
            A.last = n;
            return typeC;
        }
        A.last = p - 1;
        if (Word(p) == "if") {
            if (!MatchPhrase("if and only if", p)) return fail();
            B = {p + 4, n};
            if (IsPersonalPronoun(B.first)) return IsSomePronoun(1) ? typeISCiffSPC : typeSCiffSPC;
            if (Word(B.first) == "they") return typePCiffPPC;
            return typeCiffC;
        }
        if (p > n - 1) return fail();
        const std::string connective = Word(p + 1);
        if (connective != "and" && connective != "or") return fail();
        const bool conjunction = connective == "and";
        B.first = p + 2;
        if (IsPersonalPronoun(B.first)) {
            B.last = n;
            if (!conjunction) return typeSCorSPC;
            return IsSomePronoun(1) ? typeISCandSPC : typeSCandSPC;
        }
        const int q = FindWord(",", B.first, n);
        if (q == 0) {
            B.last = n;
            return conjunction ? typeCandC : typeCorC;
        }
        if (Word(q + 1) != connective || q >= n) return fail();
        B.last = q - 1;
        C = {q + 2, n};
        return conjunction ? typeCandCandC : typeCorCorC;
    }

    A.first = 2;
    const int p = FindWord(",", 2, n);
    if (p == 0 || p > n - 1) return fail();
    A.last = p - 1;
    if (Word(p + 1) == "then") {
        const int t = p + 2;
        if (Word(t) != "either") {
            B = {t, n};
            if (IsPersonalPronoun(t)) return IsSomePronoun(2) ? typeISCimpSPC : typeSCimpSPC;
            if (Word(t) == "they") return typePCimpPPC;
            return typeCimpC;
        }
        if (t > n - 2) return fail();
        B.first = t + 1;
        const bool pronoun = IsPersonalPronoun(B.first);
        const bool they = Word(B.first) == "they";
        const int q = FindWord(",", B.first + 1, n);
        if (q == 0 || q > n - 2) return fail();
        B.last = q - 1;
        if (Word(q + 1) != "or") return fail();
        C = {q + 2, n};
        if (pronoun && !IsPersonalPronoun(C.first)) return fail();
        if (they && Word(C.first) != "they") return fail();
        if (pronoun) return IsSomePronoun(2) ? typeISCimpSPCorSPC : typeSCimpSPCorSPC;
        if (they) return typePCimpPPCorPPC;
        return typeCimpCorC;
    }
    if (WordIs(p + 1, {"and", "or"})) {
        const bool conjunction = Word(p + 1) == "and";
        B.first = p + 2;
        const int q = FindWord(",", B.first, n);
        if (q == 0 || q > n - 2) return fail();
        B.last = q - 1;
        if (Word(q + 1) != "then") return fail();
        const int t = q + 2;
        if (Word(t) != "either") {
            C = {t, n};
            return conjunction ? typeCandCimpC : typeCorCimpC;
        }
        if (t > n - 3) return fail();
        C.first = t + 1;
        const int r = FindWord(",", C.first, n);
        if (r == 0 || r > n - 2) return fail();
        C.last = r - 1;
        if (Word(r + 1) != "or") return fail();
        D = {r + 2, n};
        return conjunction ? typeCandCimpCorC : typeCorCimpCorC;
    }
    return fail();
}

std::string NaturalTranslator::SubjectHead() const {
    int k = clauseA.subjectEnd;
    while (k > clauseA.subjectStart) {
        const auto t = FindWordTerm(k);
        if (!t || lexicon_.Terms[*t].Kind != TermKind::Adjective ||
            lexicon_.Terms[*t].Singular.find(' ') == std::string::npos) {
            break;
        }
        --k;
    }
    return ToUpper(Word(k));
}

std::string NaturalTranslator::PronounPredicate(WordRange range, Number number) {
    const auto predicate = DescribePredicate(range.first + 1, range.last, number);
    if (!predicate) return {};
    return (NegFlag(range.first) ? "~" : "") + predicate->formula;
}

// The constant of clause A's subject, which must be a specific noun.
std::string NaturalTranslator::ConstantOfFirstWord() {
    const auto t = FindWordTerm(A.first);
    if (!t || lexicon_.Terms[*t].Kind != TermKind::SpecificNoun || lexicon_.Terms[*t].Letter == 0) {
        FailSilently();
        return {};
    }
    return std::string(1, lexicon_.Terms[*t].Letter);
}

void NaturalTranslator::AddRemark(int pronounWord, const std::string& subject) {
    Notes.push_back("The antecedent of \"" + ToUpper(Word(pronounWord)) + "\" is assumed to be \"" +
                    subject + ".\"");
}

std::string NaturalTranslator::TranslateByType(SentenceType type) {
    using enum SentenceType;
    sentenceType = type;
    openForm = false;
    // The formulas of the given clauses, A first; empty as soon as one fails.
    const auto clauses = [this](std::initializer_list<WordRange> ranges) {
        std::vector<std::string> out;
        for (const WordRange& range : ranges) {
            out.push_back(TranslateClause(range));
            if (out.size() == 1) clauseA = clause;
            if (nat.NatError) return std::vector<std::string>{};
        }
        return out;
    };
    const auto fa = [&]() -> std::string {
        std::string f = TranslateClause(A);
        clauseA = clause;
        return f;
    };
    // The body of F(A); a clause without the existential form ends the translation.
    const auto body = [this](const std::string& f) -> std::optional<Body> {
        auto b = BodyOf(f);
        if (!b) {
            if (!nat.QuietMessages) session_.prompts().ShowMessage("Impossible error");
            FailSilently();
        }
        return b;
    };
    const auto open = [](const Body& b, const char* quantifier) {
        return std::string(quantifier) + (b.negated ? " (~(" : " ((") + b.text + ") ";
    };
    const bool universalSubject = WordIs(A.first, {"any", "some"});

    std::string out;
    switch (type) {
        case None:
            FailSilently();
            return {};
        case typeC:
        case typeCandC:
        case typeCandCandC:
        case typeCorC:
        case typeCorCorC:
        case typeCiffC:
        case typeCimpC:
        case typeCandCimpC:
        case typeCorCimpC:
        case typeCimpCorC:
        case typeCandCimpCorC:
        case typeCorCimpCorC: {
            const bool two = type != typeC;
            const bool three = type == typeCandCandC || type == typeCorCorC ||
                               type == typeCandCimpC || type == typeCorCimpC ||
                               type == typeCimpCorC || type == typeCandCimpCorC ||
                               type == typeCorCimpCorC;
            const bool four = type == typeCandCimpCorC || type == typeCorCimpCorC;
            const std::vector<std::string> f = four    ? clauses({A, B, C, D})
                                               : three ? clauses({A, B, C})
                                               : two   ? clauses({A, B})
                                                       : clauses({A});
            if (nat.NatError) return {};
            switch (type) {
                case typeC:
                    out = f[0];
                    break;
                case typeCandC:
                    out = f[0] + " and " + f[1];
                    break;
                case typeCandCandC:
                    out = f[0] + " and " + f[1] + " and " + f[2];
                    break;
                case typeCorC:
                    out = f[0] + " or " + f[1];
                    break;
                case typeCorCorC:
                    out = f[0] + " or " + f[1] + " or " + f[2];
                    break;
                case typeCiffC:
                    out = f[0] + " iff " + f[1];
                    break;
                case typeCimpC:
                    out = f[0] + " implies " + f[1];
                    break;
                case typeCandCimpC:
                    out = f[0] + " and " + f[1] + " implies " + f[2];
                    break;
                case typeCorCimpC:
                    out = f[0] + " or " + f[1] + " implies " + f[2];
                    break;
                case typeCimpCorC:
                    out = f[0] + " implies " + f[1] + " or " + f[2];
                    break;
                case typeCandCimpCorC:
                    out = f[0] + " and " + f[1] + " implies " + f[2] + " or " + f[3];
                    break;
                default:
                    out = f[0] + " or " + f[1] + " implies " + f[2] + " or " + f[3];
                    break;
            }
            break;
        }
        case typeSCandSPC:
        case typeSCorSPC: {
            const std::string f = fa();
            if (nat.NatError) return {};
            if (type == typeSCandSPC && Word(A.first) == "some") {
                // The pronoun's predicate goes inside the existential.
                if (!body(f)) return {};
                const std::string ps = PronounPredicate(B, Number::Singular);
                if (nat.NatError) return {};
                out = f.substr(0, f.size() - 1) + " and " + ps + ")";
            } else {
                const std::string c = ConstantOfFirstWord();
                if (nat.NatError) return {};
                const std::string ps = PronounPredicate(B, Number::Singular);
                if (nat.NatError) return {};
                out = f + (type == typeSCandSPC ? " and " : " or ") + SubstituteConstant(ps, c[0]);
            }
            AddRemark(B.first, SubjectHead());
            break;
        }
        case typeISCandSPC:
        case typeISCimpSPC:
        case typeISCiffSPC: {
            const std::string f = fa();
            if (nat.NatError) return {};
            const auto b = body(f);
            if (!b) return {};
            const std::string ps = PronounPredicate(B, Number::Singular);
            if (nat.NatError) return {};
            const char* connective = type == typeISCandSPC   ? "and "
                                     : type == typeISCimpSPC ? "implies "
                                                             : "iff ";
            out = open(*b, type == typeISCandSPC ? "exists x" : "forall x") + connective + ps + ")";
            AddRemark(B.first, ToUpper(Word(type == typeISCimpSPC ? 2 : 1)));
            break;
        }
        case typeSCimpSPC:
        case typePCimpPPC:
        case typeSCimpSPCorSPC:
        case typePCimpPPCorPPC:
        case typeISCimpSPCorSPC: {
            const bool plural = type == typePCimpPPC || type == typePCimpPPCorPPC;
            const bool disjunction = type == typeSCimpSPCorSPC || type == typePCimpPPCorPPC ||
                                     type == typeISCimpSPCorSPC;
            const Number number = plural ? Number::Plural : Number::Singular;
            if (plural && !universalSubject) {
                FailSilently();
                return {};
            }
            const std::string f = fa();
            if (nat.NatError) return {};
            const bool constant = !plural && type != typeISCimpSPCorSPC && !universalSubject;
            if (constant) {
                const std::string c = ConstantOfFirstWord();
                if (nat.NatError) return {};
                const std::string pb = PronounPredicate(B, number);
                if (nat.NatError) return {};
                out = f + " implies " + SubstituteConstant(pb, c[0]);
                if (disjunction) {
                    const std::string pc = PronounPredicate(C, number);
                    if (nat.NatError) return {};
                    out += " or " + SubstituteConstant(pc, c[0]);
                }
            } else {
                const auto b = body(f);
                if (!b) return {};
                const std::string pb = PronounPredicate(B, number);
                if (nat.NatError) return {};
                out = open(*b, "forall x") + "implies " + pb;
                if (disjunction) {
                    const std::string pc = PronounPredicate(C, number);
                    if (nat.NatError) return {};
                    out += " or " + pc;
                }
                out += ")";
            }
            const std::string subject =
                type == typeISCimpSPCorSPC ? ToUpper(Word(2)) : SubjectHead();
            if (type != typeSCimpSPC || !flags_.exampleLoading) AddRemark(B.first, subject);
            if (disjunction && Word(C.first) != Word(B.first)) AddRemark(C.first, subject);
            break;
        }
        case typeSCiffSPC:
        case typePCiffPPC: {
            const Number number = type == typePCiffPPC ? Number::Plural : Number::Singular;
            const std::string f = fa();
            if (nat.NatError) return {};
            if (openForm) {
                // F(A) reads "forall x (D implies (P"; the pronoun's predicate completes it.
                const std::string ps = PronounPredicate(B, number);
                if (nat.NatError) return {};
                out = f + " iff " + ps + "))";
            } else {
                // A specific noun: the pronoun names the same individual.
                const std::string c = ConstantOfFirstWord();
                if (nat.NatError) return {};
                const std::string ps = PronounPredicate(B, number);
                if (nat.NatError) return {};
                out = f + " iff " + SubstituteConstant(ps, c[0]);
            }
            if (type != typeSCiffSPC || !flags_.exampleLoading) {
                AddRemark(B.first, SubjectHead());
            }
            break;
        }
    }
    if (out.size() == 4 && out.front() == '(' && out.back() == ')') out = out.substr(1, 2);
    return out;
}

}  // namespace deducto

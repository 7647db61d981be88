// The 24 sentence structures: recognising which one a rewritten sentence has, and joining
// the formulas of its clauses. Structures whose later clause opens with a pronoun bind it to
// the subject of the first clause and record a remark naming that antecedent.
#include <cassert>

#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

// F(A) as "exists x (" body ")" or "exists x ~(" body ")".
std::optional<FormulaBody> BodyOf(const std::string& formula) {
    for (const bool negated : {false, true}) {
        const std::string head = negated ? "exists x ~(" : "exists x (";
        if (formula.size() > head.size() && formula.compare(0, head.size(), head) == 0 &&
            formula.back() == ')') {
            return FormulaBody{formula.substr(head.size(), formula.size() - head.size() - 1),
                               negated};
        }
    }
    return std::nullopt;
}

}  // namespace

SentenceType NaturalTranslator::ClassifySentence(int n) {
    A = B = C = D = {};
    return Word(1) == "if" ? ClassifyConditional(n) : ClassifyStatement(n);
}

SentenceType NaturalTranslator::FailStructure() {
    FailSilently();
    return SentenceType::None;
}

// Words 1..n of a sentence not opening with "if": one clause, two or three joined by ", and"
// or ", or", or two joined by "if and only if". Sets A and, as the structure has them, B, C.
SentenceType NaturalTranslator::ClassifyStatement(int n) {
    using enum SentenceType;
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
        if (!MatchPhrase("if and only if", p)) return FailStructure();
        B = {p + 4, n};
        if (IsPersonalPronoun(B.first)) return IsSomePronoun(1) ? typeISCiffSPC : typeSCiffSPC;
        if (Word(B.first) == "they") return typePCiffPPC;
        return typeCiffC;
    }
    if (p > n - 1) return FailStructure();
    const std::string connective = Word(p + 1);
    if (connective != "and" && connective != "or") return FailStructure();
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
    if (Word(q + 1) != connective || q >= n) return FailStructure();
    B.last = q - 1;
    C = {q + 2, n};
    return conjunction ? typeCandCandC : typeCorCorC;
}

// Words 1..n of a sentence opening with "if": the antecedent A from word 2 to the first
// comma, then either "then" or a second antecedent joined by "and"/"or".
SentenceType NaturalTranslator::ClassifyConditional(int n) {
    A.first = 2;
    const int p = FindWord(",", 2, n);
    if (p == 0 || p > n - 1) return FailStructure();
    A.last = p - 1;
    if (Word(p + 1) == "then") return ClassifyConsequent(p + 2, n);
    if (WordIs(p + 1, {"and", "or"})) return ClassifyTwoAntecedents(p, n);
    return FailStructure();
}

// The consequent of "if A , then ..." from word t: one clause B, or "either B , or C" whose
// disjuncts both open with a pronoun, both with "they", or neither.
SentenceType NaturalTranslator::ClassifyConsequent(int t, int n) {
    using enum SentenceType;
    if (Word(t) != "either") {
        B = {t, n};
        if (IsPersonalPronoun(t)) return IsSomePronoun(2) ? typeISCimpSPC : typeSCimpSPC;
        if (Word(t) == "they") return typePCimpPPC;
        return typeCimpC;
    }
    if (t > n - 2) return FailStructure();
    B.first = t + 1;
    const bool pronoun = IsPersonalPronoun(B.first);
    const bool they = Word(B.first) == "they";
    const int q = FindWord(",", B.first + 1, n);
    if (q == 0 || q > n - 2) return FailStructure();
    B.last = q - 1;
    if (Word(q + 1) != "or") return FailStructure();
    C = {q + 2, n};
    if (pronoun && !IsPersonalPronoun(C.first)) return FailStructure();
    if (they && Word(C.first) != "they") return FailStructure();
    if (pronoun) return IsSomePronoun(2) ? typeISCimpSPCorSPC : typeSCimpSPCorSPC;
    if (they) return typePCimpPPCorPPC;
    return typeCimpCorC;
}

// "if A , and/or B , then C" or "... then either C , or D"; the comma after A is at p.
SentenceType NaturalTranslator::ClassifyTwoAntecedents(int p, int n) {
    using enum SentenceType;
    const bool conjunction = Word(p + 1) == "and";
    B.first = p + 2;
    const int q = FindWord(",", B.first, n);
    if (q == 0 || q > n - 2) return FailStructure();
    B.last = q - 1;
    if (Word(q + 1) != "then") return FailStructure();
    const int t = q + 2;
    if (Word(t) != "either") {
        C = {t, n};
        return conjunction ? typeCandCimpC : typeCorCimpC;
    }
    if (t > n - 3) return FailStructure();
    C.first = t + 1;
    const int r = FindWord(",", C.first, n);
    if (r == 0 || r > n - 2) return FailStructure();
    C.last = r - 1;
    if (Word(r + 1) != "or") return FailStructure();
    D = {r + 2, n};
    return conjunction ? typeCandCimpCorC : typeCorCimpCorC;
}

std::string NaturalTranslator::SubjectHead() const {
    return ToUpper(Word(HeadWord(clauseA.subjectStart, clauseA.subjectEnd)));
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
    std::string out;
    switch (type) {
        case None:
            FailSilently();
            return {};
        case typeSCandSPC:
        case typeSCorSPC:
            out = TranslateNameAndPronoun(type);
            break;
        case typeISCandSPC:
        case typeISCimpSPC:
        case typeISCiffSPC:
            out = TranslateSomeoneAndPronoun(type);
            break;
        case typeSCimpSPC:
        case typePCimpPPC:
        case typeSCimpSPCorSPC:
        case typePCimpPPCorPPC:
        case typeISCimpSPCorSPC:
            out = TranslatePronounConsequent(type);
            break;
        case typeSCiffSPC:
        case typePCiffPPC:
            out = TranslatePronounIff(type);
            break;
        default:
            out = JoinClauses(type);
            break;
    }
    if (out.size() == 4 && out.front() == '(' && out.back() == ')') out = out.substr(1, 2);
    return out;
}

namespace {

// The connectives between the clauses of a structure without pronouns, clause A first;
// nullopt for the pronoun structures.
std::optional<std::vector<const char*>> ClauseConnectives(SentenceType type) {
    using enum SentenceType;
    switch (type) {
        case typeC:
            return std::vector<const char*>{};
        case typeCandC:
            return std::vector{"and"};
        case typeCandCandC:
            return std::vector{"and", "and"};
        case typeCorC:
            return std::vector{"or"};
        case typeCorCorC:
            return std::vector{"or", "or"};
        case typeCiffC:
            return std::vector{"iff"};
        case typeCimpC:
            return std::vector{"implies"};
        case typeCandCimpC:
            return std::vector{"and", "implies"};
        case typeCorCimpC:
            return std::vector{"or", "implies"};
        case typeCimpCorC:
            return std::vector{"implies", "or"};
        case typeCandCimpCorC:
            return std::vector{"and", "implies", "or"};
        case typeCorCimpCorC:
            return std::vector{"or", "implies", "or"};
        default:
            return std::nullopt;
    }
}

// The quantified opening that takes F(A)'s body: "forall x ((" body ") ", or with "(~(" for
// a negated body.
std::string OpenQuantifier(const FormulaBody& b, const char* quantifier) {
    return std::string(quantifier) + (b.negated ? " (~(" : " ((") + b.text + ") ";
}

}  // namespace

// The structures without pronouns: each clause's formula, A first, joined by the structure's
// connectives with a space on each side. "" as soon as a clause fails.
std::string NaturalTranslator::JoinClauses(SentenceType type) {
    const auto connectives = ClauseConnectives(type);
    assert(connectives);
    const WordRange ranges[] = {A, B, C, D};
    std::string out;
    for (size_t i = 0; i <= connectives->size(); ++i) {
        const std::string f = TranslateClause(ranges[i]);
        if (i == 0) clauseA = clause;
        if (nat.NatError) return {};
        out += i == 0 ? f : " " + std::string((*connectives)[i - 1]) + " " + f;
    }
    return out;
}

std::string NaturalTranslator::FirstClauseFormula() {
    std::string f = TranslateClause(A);
    clauseA = clause;
    return f;
}

std::optional<FormulaBody> NaturalTranslator::BodyOfFirstClause(const std::string& formula) {
    auto b = BodyOf(formula);
    if (!b) {
        if (!nat.QuietMessages) session_.prompts().ShowMessage("Impossible error");
        FailSilently();
    }
    return b;
}

std::string NaturalTranslator::NamedPronounPredicate(WordRange range, Number number, char c) {
    const std::string p = PronounPredicate(range, number);
    if (nat.NatError) return {};
    return SubstituteConstant(p, c);
}

// "C , and he ..." and "C , or he ...": the pronoun names A's individual, or, after "some ...
// , and he ...", joins the existential.
std::string NaturalTranslator::TranslateNameAndPronoun(SentenceType type) {
    const bool conjunction = type == SentenceType::typeSCandSPC;
    const std::string f = FirstClauseFormula();
    if (nat.NatError) return {};
    std::string out;
    if (conjunction && Word(A.first) == "some") {
        // The pronoun's predicate goes inside the existential.
        if (!BodyOfFirstClause(f)) return {};
        const std::string ps = PronounPredicate(B, Number::Singular);
        if (nat.NatError) return {};
        out = f.substr(0, f.size() - 1) + " and " + ps + ")";
    } else {
        const std::string c = ConstantOfFirstWord();
        if (nat.NatError) return {};
        const std::string ps = NamedPronounPredicate(B, Number::Singular, c[0]);
        if (nat.NatError) return {};
        out = f + (conjunction ? " and " : " or ") + ps;
    }
    AddRemark(B.first, SubjectHead());
    return out;
}

// "someone ... , and he ...", "if someone ... , then he ..." and "someone ... if and only if
// he ...": one quantifier over A's body and the pronoun's predicate.
std::string NaturalTranslator::TranslateSomeoneAndPronoun(SentenceType type) {
    using enum SentenceType;
    const std::string f = FirstClauseFormula();
    if (nat.NatError) return {};
    const auto b = BodyOfFirstClause(f);
    if (!b) return {};
    const std::string ps = PronounPredicate(B, Number::Singular);
    if (nat.NatError) return {};
    const char* connective = type == typeISCandSPC   ? "and "
                             : type == typeISCimpSPC ? "implies "
                                                     : "iff ";
    const std::string out =
        OpenQuantifier(*b, type == typeISCandSPC ? "exists x" : "forall x") + connective + ps + ")";
    AddRemark(B.first, ToUpper(Word(type == typeISCimpSPC ? 2 : 1)));
    return out;
}

// "if C , then he/they ..." and "if C , then either he/they ... , or he/they ...": a named
// subject passes its constant to the pronouns; "any"/"some" subjects and someone put the
// whole conditional under one universal. Plural pronouns need an "any"/"some" subject.
std::string NaturalTranslator::TranslatePronounConsequent(SentenceType type) {
    using enum SentenceType;
    const bool plural = type == typePCimpPPC || type == typePCimpPPCorPPC;
    const bool disjunction =
        type == typeSCimpSPCorSPC || type == typePCimpPPCorPPC || type == typeISCimpSPCorSPC;
    const Number number = plural ? Number::Plural : Number::Singular;
    const bool universalSubject = WordIs(A.first, {"any", "some"});
    if (plural && !universalSubject) {
        FailSilently();
        return {};
    }
    const std::string f = FirstClauseFormula();
    if (nat.NatError) return {};
    std::string out;
    if (!plural && type != typeISCimpSPCorSPC && !universalSubject) {
        const std::string c = ConstantOfFirstWord();
        if (nat.NatError) return {};
        const std::string pb = NamedPronounPredicate(B, number, c[0]);
        if (nat.NatError) return {};
        out = f + " implies " + pb;
        if (disjunction) {
            const std::string pc = NamedPronounPredicate(C, number, c[0]);
            if (nat.NatError) return {};
            out += " or " + pc;
        }
    } else {
        const auto b = BodyOfFirstClause(f);
        if (!b) return {};
        const std::string pb = PronounPredicate(B, number);
        if (nat.NatError) return {};
        out = OpenQuantifier(*b, "forall x") + "implies " + pb;
        if (disjunction) {
            const std::string pc = PronounPredicate(C, number);
            if (nat.NatError) return {};
            out += " or " + pc;
        }
        out += ")";
    }
    const std::string subject = type == typeISCimpSPCorSPC ? ToUpper(Word(2)) : SubjectHead();
    if (type != typeSCimpSPC || !flags_.exampleLoading) AddRemark(B.first, subject);
    if (disjunction && Word(C.first) != Word(B.first)) AddRemark(C.first, subject);
    return out;
}

// "C if and only if he/they ...": the pronoun's predicate closes the open form that A's
// clause left, or, after a named subject, takes its constant.
std::string NaturalTranslator::TranslatePronounIff(SentenceType type) {
    const Number number = type == SentenceType::typePCiffPPC ? Number::Plural : Number::Singular;
    const std::string f = FirstClauseFormula();
    if (nat.NatError) return {};
    std::string out;
    if (openForm) {
        // F(A) reads "forall x (D implies (P"; the pronoun's predicate completes it.
        const std::string ps = PronounPredicate(B, number);
        if (nat.NatError) return {};
        out = f + " iff " + ps + "))";
    } else {
        // A specific noun: the pronoun names the same individual.
        const std::string c = ConstantOfFirstWord();
        if (nat.NatError) return {};
        const std::string ps = NamedPronounPredicate(B, number, c[0]);
        if (nat.NatError) return {};
        out = f + " iff " + ps;
    }
    if (type != SentenceType::typeSCiffSPC || !flags_.exampleLoading) {
        AddRemark(B.first, SubjectHead());
    }
    return out;
}

}  // namespace deducto

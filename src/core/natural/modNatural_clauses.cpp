// One clause at a time: which of the 14 clause kinds it is (from its quantifier phrase),
// where its subject, relative clause and predicate lie, and the formula in x it stands for.
#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

// The words of a phrase, one entry per word of the list ("no one" is one word).
using Phrase = std::initializer_list<std::string_view>;

}  // namespace

Quantifier NaturalTranslator::QuantifierOf(int k) const {
    const std::string& w = Word(k);
    if (w == "every") return Quantifier::Every;
    if (w == "all") return Quantifier::All;
    if (w == "some") return Quantifier::Some;
    if (w == "any") return Quantifier::Any;
    if (w == "no") return Quantifier::No;
    if (w == "a" || w == "an") return Quantifier::Article;
    return Quantifier::None;
}

std::string NaturalTranslator::TranslateClause(WordRange range) {
    const ClauseKind kind = AnalyseClause(range.first, range.last);
    if (nat.NatError) return {};
    if (kind == ClauseKind::None) {
        // A clause of no known shape has no formula: the sentence fails.
        FailSilently();
        return {};
    }
    std::string f = ClauseFormula(kind);
    if (nat.NatError) return {};
    return f;
}

ClauseKind NaturalTranslator::AnalyseClause(int from, int to) {
    using enum ClauseKind;
    clause = {};
    clause.negated = NegFlag(from);
    clause.predicateEnd = to;
    const auto fail = [this] {
        FailSilently();
        return None;
    };
    const auto match = [this](Phrase words, int at) {
        int k = at;
        for (std::string_view w : words) {
            if (Word(k++) != w) return false;
        }
        return k - 1 <= WordCount();
    };
    // Marks a relative clause opened at r that runs to `end`.
    const auto relative = [this](int r, int end) {
        clause.relativeWord = r;
        clause.relativeEnd = end;
        clause.predicateStart = r + 1;
    };
    if (from > to) return fail();

    if (Word(from) == "there") {
        const int p = from;
        int predicateStart = 0;
        if (match({"there", "is", "not", "anything", "that"}, p) ||
            match({"there", "is", "not", "anyone", "who"}, p) ||
            match({"there", "is", "not", "anybody", "who"}, p)) {
            predicateStart = p + 5;
        } else if (match({"there", "does", "not", "exist", "anything", "that"}, p) ||
                   match({"there", "does", "not", "exist", "anyone", "who"}, p) ||
                   match({"there", "does", "not", "exist", "anybody", "who"}, p)) {
            predicateStart = p + 6;
        } else if (match({"there", "is", "nothing", "that"}, p) ||
                   match({"there", "is", "nobody", "that"}, p) ||
                   match({"there", "is", "nobody", "who"}, p) ||
                   (match({"there", "is", "no one"}, p) && WordIs(p + 3, {"who", "that"}))) {
            predicateStart = p + 4;
        }
        if (predicateStart > 0) {
            if (predicateStart > to) return fail();
            clause.predicateStart = predicateStart;
            clause.number = Number::Singular;
            return clauseNEIR;
        }

        ClauseKind kind = None;
        int q = 0;
        const bool noNoun =
            match({"there", "is", "no"}, p) && !WordIs(p + 3, {"any"}) && !IsArticle(p + 3);
        if (match({"there", "is", "not"}, p) || noNoun) {
            kind = clauseNES;
            q = p + 3;
        } else if (match({"there", "does", "not", "exist"}, p)) {
            kind = clauseNES;
            q = p + 4;
        } else if (match({"there", "are", "no"}, p)) {
            kind = clauseNEP;
            q = p + 3;
        } else if (match({"there", "are", "not", "any"}, p)) {
            kind = clauseNEP;
            q = p + 4;
        } else if (match({"there", "do", "not", "exist", "any"}, p)) {
            kind = clauseNEP;
            q = p + 5;
        }
        if (kind != None) {
            if (WordIs(q, {"no", "any"}) || IsArticle(q)) ++q;
            if (kind == clauseNES && IsSomePronoun(q)) {
                if (!WordIs(q + 1, {"who", "that"}) || q + 2 > to) return fail();
                clause.predicateStart = q + 2;
                clause.number = Number::Singular;
                return clauseNEIR;
            }
            clause.number = kind == clauseNES ? Number::Singular : Number::Plural;
            clause.subjectStart = q;
            clause.subjectEnd = to;
            if (const int r = LastWhoThat(q, to)) {
                clause.subjectEnd = r - 1;
                relative(r, to);
                kind = kind == clauseNES ? clauseNESR : clauseNEPR;
            }
            if (clause.subjectStart > clause.subjectEnd) return fail();
            return kind;
        }

        if (WordIs(p + 1, {"is", "exists"})) {
            const int s = p + 2;
            clause.number = Number::Singular;
            if (IsSomePronoun(s) && WordIs(s + 1, {"who", "that"})) {
                if (s + 2 > to) return fail();
                clause.predicateStart = s + 2;
                return clauseEIR;
            }
            if (!IsArticle(s) && Word(s) != "some") return None;
            clause.subjectStart = s + 1;
            clause.subjectEnd = to;
            kind = clauseES;
            if (const int r = FindWhoThat(s + 1, to)) {
                clause.subjectEnd = r - 1;
                relative(r, to);
                kind = clauseESR;
            }
        } else if (WordIs(p + 1, {"are", "exist"})) {
            int s = p + 2;
            if (Word(s) == "some") ++s;
            clause.number = Number::Plural;
            clause.subjectStart = s;
            clause.subjectEnd = to;
            kind = clauseEP;
            if (const int r = FindWhoThat(s, to)) {
                clause.subjectEnd = r - 1;
                relative(r, to);
                kind = clauseEPR;
            }
        } else {
            return None;
        }
        if (clause.subjectStart > clause.subjectEnd) return fail();
        return kind;
    }

    if (WordIs(from, {"everyone", "everything", "everybody"})) {
        clause.number = Number::Singular;
        clause.predicateStart = from + 1;
        if (WordIs(from + 1, {"who", "that"})) {
            const auto end = FindRelativeEnd(from + 1, to, clause.number);
            if (!end) return fail();
            relative(from + 1, *end);
            clause.predicateStart = *end + 1;
        }
        if (clause.predicateStart > to) return fail();
        return clauseUS;
    }
    return AnalyseSubjectClause(from, to);
}

ClauseKind NaturalTranslator::AnalyseSubjectClause(int from, int to) {
    using enum ClauseKind;
    const auto fail = [this] {
        FailSilently();
        return None;
    };
    const auto failForTerms = [this] {
        nat.NatError = true;
        nat.TermProblem = true;
        return None;
    };
    const auto byNumber = [this] {
        return clause.number == Number::Singular ? clauseSS : clausePP;
    };

    // The predicate word: the first word that is a form of a predicate term.
    int predicateWord = 0;
    Number number = Number::Unknown;
    for (int k = from; k <= to && predicateWord == 0; ++k) {
        const auto t = FindWordTerm(k);
        if (t && lexicon_.Terms[*t].Kind == TermKind::Predicate) {
            predicateWord = k;
            number = lexicon_.FormNumber(Word(k), *t);
        }
    }
    if (predicateWord != 0 && number == Number::Unknown) {
        if (Word(from) == "all") number = Number::Plural;
        if (Word(from) == "every") number = Number::Singular;
    }

    // Existence stated at the end: "a philosopher exists", "unicorns do not exist".
    if (Word(to) == "exists") {
        clause.number = Number::Singular;
        clause.subjectStart = from + 1;
        clause.subjectEnd = to - 1;
        ClauseKind kind = None;
        if (IsArticle(from) || Word(from) == "some") {
            kind = clauseES;
        } else if (Word(from) == "no") {
            kind = clauseNES;
            if (const int r = FindWhoThat(from + 1, to - 1)) {
                clause.subjectEnd = r - 1;
                clause.relativeWord = r;
                clause.relativeEnd = to - 1;
                kind = clauseNESR;
            }
        } else {
            return fail();
        }
        if (clause.subjectStart > clause.subjectEnd) return fail();
        return kind;
    }
    if (to - 2 > from && MatchPhrase("does not exist", to - 2)) {
        if (!IsArticle(from)) return fail();
        clause.number = Number::Singular;
        clause.subjectStart = from + 1;
        clause.subjectEnd = to - 3;
        if (clause.subjectStart > clause.subjectEnd) return fail();
        return clauseNES;
    }
    if (to - 2 > from && MatchPhrase("do not exist", to - 2)) {
        clause.number = Number::Plural;
        clause.subjectStart = from;
        clause.subjectEnd = to - 3;
        return clauseNEP;
    }
    if (Word(to) == "exist") {
        clause.number = Number::Plural;
        const bool quantified = WordIs(from, {"some", "no"});
        clause.subjectStart = quantified ? from + 1 : from;
        clause.subjectEnd = to - 1;
        const bool negative = Word(from) == "no";
        ClauseKind kind = negative ? clauseNEP : clauseEP;
        if (const int r = FindWhoThat(clause.subjectStart, to - 1)) {
            clause.subjectEnd = r - 1;
            clause.relativeWord = r;
            clause.relativeEnd = to - 1;
            kind = negative ? clauseNEPR : clauseEPR;
        }
        if (clause.subjectStart > clause.subjectEnd) return fail();
        return kind;
    }

    if (WordIs(from, {"nothing", "no one", "nobody"})) {
        clause.number = Number::Singular;
        clause.predicateStart = from + 1;
        if (WordIs(from + 1, {"who", "that"})) {
            const auto end = FindRelativeEnd(from + 1, to, clause.number);
            if (!end) return fail();
            clause.relativeWord = from + 1;
            clause.relativeEnd = *end;
            clause.predicateStart = *end + 1;
        }
        if (clause.predicateStart > to) return fail();
        return clauseNEIR;
    }
    if (IsSomePronoun(from)) {
        if (from == to) return fail();
        clause.number = Number::Singular;
        clause.predicateStart = from + 1;
        return clauseIS;
    }

    clause.subjectStart = from;
    if (predicateWord != 0 && number != Number::Unknown) {
        clause.number = number;
        clause.subjectEnd = predicateWord - 1;
        clause.predicateStart = predicateWord;
        if (const int r = FindWhoThat(from + 1, predicateWord - 1)) {
            clause.subjectEnd = r - 1;
            const auto end = FindRelativeEnd(r, to, clause.number);
            if (!end) return failForTerms();
            clause.relativeWord = r;
            clause.relativeEnd = *end;
            clause.predicateStart = *end + 1;
        }
        if (clause.subjectStart > clause.subjectEnd || clause.predicateStart > to) return fail();
        return byNumber();
    }

    if (const auto t = FindWordTerm(from); t && lexicon_.Terms[*t].Kind == TermKind::SpecificNoun &&
                                           lexicon_.Terms[*t].Singular == Word(from)) {
        if (from == to) return fail();
        clause.number = Number::Singular;
        clause.subjectEnd = from;
        clause.predicateStart = from + 1;
        return clauseSS;
    }

    if (const int r = FindWhoThat(from + 1, to)) {
        clause.subjectEnd = r - 1;
        clause.number = Word(from) == "all"     ? Number::Plural
                        : Word(from) == "every" ? Number::Singular
                                                : Number::Unknown;
        const auto end = FindRelativeEnd(r, to, clause.number);
        if (!end) return fail();
        if (clause.number == Number::Unknown) return failForTerms();
        clause.relativeWord = r;
        clause.relativeEnd = *end;
        clause.predicateStart = *end + 1;
        if (clause.subjectStart > clause.subjectEnd || clause.predicateStart > to) return fail();
        return byNumber();
    }

    const std::string copula = LastCopula(from, to);
    if (!copula.empty()) {
        clause.number = copula == "is" ? Number::Singular : Number::Plural;
        clause.subjectEnd = copulaPos - 1;
        clause.predicateStart = copulaPos;
        clause.copula = copulaPos;
        if (clause.subjectStart > clause.subjectEnd) return fail();
        return byNumber();
    }

    // No copula: a subject and a one-word verb ("every man dies").
    const auto subject = SubjectRule(from, to);
    if (nat.NatError) return None;
    Number n = subject.number;
    if (n == Number::Unknown && LooksPlural(Word(to))) n = Number::Singular;
    if (n == Number::Unknown || subject.end != to - 1) return failForTerms();
    clause.number = n;
    clause.subjectEnd = subject.end;
    clause.predicateStart = to;
    // A lone word without a quantifier names an individual ("socrates dies").
    const bool name = subject.end == from && QuantifierOf(from) == Quantifier::None &&
                      n == Number::Singular && WordTermIndex(from).kind == WordKind::Undefined;
    AddWordTerm(subject.end, name ? TermKind::SpecificNoun : TermKind::ClassNoun, n, false);
    if (nat.NatError) return None;
    AddWordTerm(to, TermKind::Predicate, n, false);
    if (nat.NatError) return None;
    return byNumber();
}

NaturalTranslator::SubjectEnd NaturalTranslator::SubjectRule(int from, int to) {
    Number number = Number::Unknown;
    int k = from;
    if (Word(k) == "all") {
        number = Number::Plural;
        ++k;
    } else if (Word(k) == "every") {
        number = Number::Singular;
        ++k;
    } else if (Word(k) == "some") {
        ++k;
    }
    for (; k <= to; ++k) {
        const auto t = FindWordTerm(k);
        if (!t) return {k, number};  // a word that is not a term ends the subject
        const LangTerm& term = lexicon_.Terms[*t];
        switch (term.Kind) {
            case TermKind::Adjective:
                continue;
            case TermKind::SpecificNoun:
                if (k == from && number != Number::Plural) return {k, Number::Singular};
                FailSilently();
                return {k, number};
            case TermKind::ClassNoun: {
                const Number form = lexicon_.FormNumber(Word(k), *t);
                if (form != Number::Unknown && number != Number::Unknown && form != number) {
                    FailSilently();
                }
                return {k, number == Number::Unknown ? form : number};
            }
            case TermKind::Predicate:
                return {k, number};
        }
    }
    FailSilently();  // the subject ran to the end of the clause
    return {to, number};
}

std::string NaturalTranslator::ClauseFormula(ClauseKind kind) {
    using enum ClauseKind;
    const ClauseSlots slots = clause;
    const auto descriptor = [&] {
        int start = slots.subjectStart;
        if (QuantifierOf(start) != Quantifier::None) ++start;
        return SubjectDescriptor(start, slots.subjectEnd, slots.number);
    };
    // " and " R, or "" without a relative clause; nullopt on failure.
    const auto relativePart = [&]() -> std::optional<std::string> {
        if (slots.relativeWord == 0) return std::string();
        const auto r = DescribePredicate(slots.relativeWord + 1, slots.relativeEnd, slots.number);
        if (!r) return std::nullopt;
        return " and " + r->formula;
    };
    const auto predicate = [&] {
        return DescribePredicate(slots.predicateStart, slots.predicateEnd, slots.number);
    };

    std::string f;
    switch (kind) {
        case None:
            FailSilently();
            return {};
        case clauseSS:
        case clausePP: {
            const Quantifier q = QuantifierOf(slots.subjectStart);
            const bool plural = kind == clausePP;
            const bool openIff =
                sentenceType == (plural ? SentenceType::typePCiffPPC : SentenceType::typeSCiffSPC);
            const bool anyAllowed = plural ? sentenceType == SentenceType::typePCimpPPC ||
                                                 sentenceType == SentenceType::typePCimpPPCorPPC
                                           : sentenceType == SentenceType::typeSCimpSPC ||
                                                 sentenceType == SentenceType::typeSCimpSPCorSPC;
            const bool universal = q == (plural ? Quantifier::All : Quantifier::Every);
            const bool existential = q == Quantifier::Some || (q == Quantifier::Any && anyAllowed);

            const bool quantified =
                openIff ? q != Quantifier::None : universal || q == Quantifier::No || existential;
            if (!plural && !quantified) {
                // A subject without a quantifier names one individual.
                if (slots.subjectStart != slots.subjectEnd || slots.relativeWord != 0) {
                    if (q == Quantifier::None &&
                        AnyUndefinedWord(slots.subjectStart, slots.subjectEnd)) {
                        nat.TermProblem = true;  // perhaps a name still to be defined
                    }
                    FailSilently();
                    return {};
                }
                if (WordTermIndex(slots.subjectStart).kind == WordKind::Undefined) {
                    AddWordTerm(slots.subjectStart, TermKind::SpecificNoun, Number::Singular,
                                false);
                    if (nat.NatError) return {};
                }
                const auto t = FindWordTerm(slots.subjectStart);
                if (!t || lexicon_.Terms[*t].Kind != TermKind::SpecificNoun ||
                    lexicon_.Terms[*t].Letter == 0) {
                    FailSilently();
                    return {};
                }
                const auto p = predicate();
                if (!p) return {};
                f = SubstituteConstant(p->formula, lexicon_.Terms[*t].Letter);
                break;
            }
            if (plural && !universal && q != Quantifier::No && !existential && !openIff) {
                // "Men are mortal": all men or some men?
                if (!IsCoreWord(Word(slots.subjectStart))) {
                    nat.ShowNatMessage(
                        "Plural subject is ambiguous.  Please specify "
                        " \"all\" or \"some.\"");
                }
                FailSilently();
                return {};
            }
            const std::string d = descriptor();
            if (nat.NatError) return {};
            const auto r = relativePart();
            if (!r) return {};
            const auto p = predicate();
            if (!p) return {};
            if (p->negative && (universal || q == Quantifier::No)) {
                FailSilently();  // "every man is not perfect" is not accepted
                return {};
            }
            const std::string no = q == Quantifier::No ? "not " : "";
            if (openIff) {
                // The iff of the pronoun's clause closes this form.
                f = "forall x (" + d + *r + " implies (" + no + p->formula;
                openForm = true;
            } else if (universal || q == Quantifier::No) {
                f = "forall x ((" + d + *r + ") implies " + no + p->formula + ")";
                if (!plural) f = "(" + f + ")";
            } else {
                f = "exists x (" + d + *r + " and " + p->formula + ")";
            }
            break;
        }
        case clauseIS:
        case clauseEIR: {
            const auto p = predicate();
            if (!p) return {};
            f = "exists x " + p->formula;
            break;
        }
        case clauseUS: {
            const auto r = relativePart();
            if (!r) return {};
            const auto p = predicate();
            if (!p) return {};
            if (p->negative) {
                nat.ShowNatMessage(
                    "Universal pronouns must take "
                    "an affirmative predicate.");
                FailSilently();
                return {};
            }
            f = slots.relativeWord == 0
                    ? "forall x " + p->formula
                    : "forall x (" + r->substr(5) + " implies " + p->formula + ")";
            break;
        }
        case clauseES:
        case clauseEP:
        case clauseESR:
        case clauseEPR:
        case clauseNES:
        case clauseNEP:
        case clauseNESR:
        case clauseNEPR: {
            const std::string d = descriptor();
            if (nat.NatError) return {};
            const auto r = relativePart();
            if (!r) return {};
            const bool negative =
                kind == clauseNES || kind == clauseNEP || kind == clauseNESR || kind == clauseNEPR;
            f = (negative ? "not " : "") + ("exists x (" + d + *r + ")");
            break;
        }
        case clauseNEIR: {
            const auto r = relativePart();
            if (!r) return {};
            const auto p = predicate();
            if (!p) return {};
            f = slots.relativeWord == 0
                    ? "not exists x " + p->formula
                    : "not exists x (" + r->substr(5) + " and " + p->formula + ")";
            break;
        }
    }
    if (slots.negated) f = "~" + f;
    return f;
}

}  // namespace deducto

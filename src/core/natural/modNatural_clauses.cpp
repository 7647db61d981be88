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
    clause = {};
    clause.negated = NegFlag(from);
    clause.predicateEnd = to;
    if (from > to) return FailClause();
    if (Word(from) == "there") return AnalyseThereClause(from, to);
    if (WordIs(from, {"everyone", "everything", "everybody"})) {
        return PronounSubjectClause(from, to, ClauseKind::clauseUS);
    }
    return AnalyseSubjectClause(from, to);
}

// The small steps the clause analyses share.

ClauseKind NaturalTranslator::FailClause() {
    FailSilently();
    return ClauseKind::None;
}

ClauseKind NaturalTranslator::FailClauseForTerms() {
    nat.NatError = true;
    nat.TermProblem = true;
    return ClauseKind::None;
}

bool NaturalTranslator::MatchWords(Phrase words, int at) const {
    int k = at;
    for (std::string_view w : words) {
        if (Word(k++) != w) return false;
    }
    return k - 1 <= WordCount();
}

void NaturalTranslator::CutSubjectAtRelative(int r, int end) {
    clause.subjectEnd = r - 1;
    clause.relativeWord = r;
    clause.relativeEnd = end;
}

void NaturalTranslator::RelativeThenPredicate(int r, int end) {
    clause.relativeWord = r;
    clause.relativeEnd = end;
    clause.predicateStart = end + 1;
}

ClauseKind NaturalTranslator::NonEmptySubject(ClauseKind kind) {
    return clause.subjectStart > clause.subjectEnd ? FailClause() : kind;
}

ClauseKind NaturalTranslator::SubjectPredicateKind(int to) {
    if (clause.subjectStart > clause.subjectEnd || clause.predicateStart > to) return FailClause();
    return clause.number == Number::Singular ? ClauseKind::clauseSS : ClauseKind::clausePP;
}

// "everyone/everything/everybody ..." (clauseUS) and "nothing/no one/nobody ..."
// (clauseNEIR): a pronoun at `from`, an optional relative clause right after it, then the
// predicate.
ClauseKind NaturalTranslator::PronounSubjectClause(int from, int to, ClauseKind kind) {
    clause.number = Number::Singular;
    clause.predicateStart = from + 1;
    if (WordIs(from + 1, {"who", "that"})) {
        const auto end = FindRelativeEnd(from + 1, to, clause.number);
        if (!end) return FailClause();
        RelativeThenPredicate(from + 1, *end);
    }
    if (clause.predicateStart > to) return FailClause();
    return kind;
}

// The clauses that open with "there" (word p): "there is nothing that ...", "there is no
// ...", "there are ...", "there exists ...".
ClauseKind NaturalTranslator::AnalyseThereClause(int p, int to) {
    if (const int length = ThereIsNothingLength(p)) {
        if (p + length > to) return FailClause();
        clause.predicateStart = p + length;
        clause.number = Number::Singular;
        return ClauseKind::clauseNEIR;
    }
    int q = 0;
    if (const ClauseKind kind = ThereIsNoPhrase(p, q); kind != ClauseKind::None) {
        return AnalyseNonExistence(kind, q, to);
    }
    return AnalyseThereExists(p, to);
}

// The words of "there is nothing that", "there does not exist anyone who" and the like at
// p, relative word included; 0 when none of them stands there.
int NaturalTranslator::ThereIsNothingLength(int p) const {
    if (MatchWords({"there", "is", "not", "anything", "that"}, p) ||
        MatchWords({"there", "is", "not", "anyone", "who"}, p) ||
        MatchWords({"there", "is", "not", "anybody", "who"}, p)) {
        return 5;
    }
    if (MatchWords({"there", "does", "not", "exist", "anything", "that"}, p) ||
        MatchWords({"there", "does", "not", "exist", "anyone", "who"}, p) ||
        MatchWords({"there", "does", "not", "exist", "anybody", "who"}, p)) {
        return 6;
    }
    if (MatchWords({"there", "is", "nothing", "that"}, p) ||
        MatchWords({"there", "is", "nobody", "that"}, p) ||
        MatchWords({"there", "is", "nobody", "who"}, p) ||
        (MatchWords({"there", "is", "no one"}, p) && WordIs(p + 3, {"who", "that"}))) {
        return 4;
    }
    return 0;
}

// "there is not", "there is no", "there are not any" and the like at p: clauseNES or
// clauseNEP with q the word after the phrase; None (q untouched) when none stands there.
ClauseKind NaturalTranslator::ThereIsNoPhrase(int p, int& q) const {
    using enum ClauseKind;
    const bool noNoun =
        MatchWords({"there", "is", "no"}, p) && !WordIs(p + 3, {"any"}) && !IsArticle(p + 3);
    if (MatchWords({"there", "is", "not"}, p) || noNoun) {
        q = p + 3;
        return clauseNES;
    }
    if (MatchWords({"there", "does", "not", "exist"}, p)) {
        q = p + 4;
        return clauseNES;
    }
    if (MatchWords({"there", "are", "no"}, p)) {
        q = p + 3;
        return clauseNEP;
    }
    if (MatchWords({"there", "are", "not", "any"}, p)) {
        q = p + 4;
        return clauseNEP;
    }
    if (MatchWords({"there", "do", "not", "exist", "any"}, p)) {
        q = p + 5;
        return clauseNEP;
    }
    return None;
}

// After a "there is no" phrase of `kind` (clauseNES or clauseNEP), from word q: the subject
// to the end of the clause, cut at the last "who"/"that"; "there is not someone who ..." is
// clauseNEIR.
ClauseKind NaturalTranslator::AnalyseNonExistence(ClauseKind kind, int q, int to) {
    using enum ClauseKind;
    if (WordIs(q, {"no", "any"}) || IsArticle(q)) ++q;
    if (kind == clauseNES && IsSomePronoun(q)) {
        if (!WordIs(q + 1, {"who", "that"}) || q + 2 > to) return FailClause();
        clause.predicateStart = q + 2;
        clause.number = Number::Singular;
        return clauseNEIR;
    }
    clause.number = kind == clauseNES ? Number::Singular : Number::Plural;
    clause.subjectStart = q;
    clause.subjectEnd = to;
    if (const int r = LastWhoThat(q, to)) {
        CutSubjectAtRelative(r, to);
        clause.predicateStart = r + 1;
        kind = kind == clauseNES ? clauseNESR : clauseNEPR;
    }
    return NonEmptySubject(kind);
}

// "there is/exists a ...", "there is someone who ...", "there are/exist (some) ...": the
// subject to the end of the clause, cut at the first "who"/"that". None (no failure) for
// another word after "there", or "there is" without an article or "some".
ClauseKind NaturalTranslator::AnalyseThereExists(int p, int to) {
    using enum ClauseKind;
    ClauseKind kind = None;
    if (WordIs(p + 1, {"is", "exists"})) {
        const int s = p + 2;
        clause.number = Number::Singular;
        if (IsSomePronoun(s) && WordIs(s + 1, {"who", "that"})) {
            if (s + 2 > to) return FailClause();
            clause.predicateStart = s + 2;
            return clauseEIR;
        }
        if (!IsArticle(s) && Word(s) != "some") return None;
        clause.subjectStart = s + 1;
        clause.subjectEnd = to;
        kind = clauseES;
        if (const int r = FindWhoThat(s + 1, to)) {
            CutSubjectAtRelative(r, to);
            clause.predicateStart = r + 1;
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
            CutSubjectAtRelative(r, to);
            clause.predicateStart = r + 1;
            kind = clauseEPR;
        }
    } else {
        return None;
    }
    return NonEmptySubject(kind);
}

// A clause of a subject and a verb phrase, tried shape by shape in a fixed order: existence
// stated at the end, a pronoun subject, a known predicate word, a name, a relative clause,
// a copula, and last a one-word verb.
ClauseKind NaturalTranslator::AnalyseSubjectClause(int from, int to) {
    using enum ClauseKind;
    const PredicateWord predicate = FindPredicateWord(from, to);
    if (const auto kind = SingularExistenceAtEnd(from, to)) return *kind;
    if (const auto kind = PluralExistenceAtEnd(from, to)) return *kind;
    if (WordIs(from, {"nothing", "no one", "nobody"})) {
        return PronounSubjectClause(from, to, clauseNEIR);
    }
    if (IsSomePronoun(from)) {
        if (from == to) return FailClause();
        clause.number = Number::Singular;
        clause.predicateStart = from + 1;
        return clauseIS;
    }

    clause.subjectStart = from;
    if (predicate.word != 0 && predicate.number != Number::Unknown) {
        return SubjectBeforePredicateWord(from, to, predicate);
    }
    if (const auto t = FindWordTerm(from); t && lexicon_.Terms[*t].Kind == TermKind::SpecificNoun &&
                                           lexicon_.Terms[*t].Singular == Word(from)) {
        if (from == to) return FailClause();
        clause.number = Number::Singular;
        clause.subjectEnd = from;
        clause.predicateStart = from + 1;
        return clauseSS;
    }
    if (const int r = FindWhoThat(from + 1, to)) return QuantifiedSubjectWithRelative(from, r, to);
    const std::string copula = LastCopula(from, to);
    if (!copula.empty()) {
        clause.number = copula == "is" ? Number::Singular : Number::Plural;
        clause.subjectEnd = copulaPos - 1;
        clause.predicateStart = copulaPos;
        clause.copula = copulaPos;
        if (clause.subjectStart > clause.subjectEnd) return FailClause();
        return clause.number == Number::Singular ? clauseSS : clausePP;
    }
    return SubjectAndVerb(from, to);
}

// The first word in from..to that is a form of a predicate term, and the number its form
// gives (or "all"/"every" at `from` gives when the form does not); word 0 when none.
NaturalTranslator::PredicateWord NaturalTranslator::FindPredicateWord(int from, int to) const {
    PredicateWord out;
    for (int k = from; k <= to && out.word == 0; ++k) {
        const auto t = FindWordTerm(k);
        if (t && lexicon_.Terms[*t].Kind == TermKind::Predicate) {
            out.word = k;
            out.number = lexicon_.FormNumber(Word(k), *t);
        }
    }
    if (out.word != 0 && out.number == Number::Unknown) {
        if (Word(from) == "all") out.number = Number::Plural;
        if (Word(from) == "every") out.number = Number::Singular;
    }
    return out;
}

// "a philosopher exists", "no man who is wise exists", "a unicorn does not exist"; nullopt
// when the clause ends in neither.
std::optional<ClauseKind> NaturalTranslator::SingularExistenceAtEnd(int from, int to) {
    using enum ClauseKind;
    if (Word(to) == "exists") {
        clause.number = Number::Singular;
        clause.subjectStart = from + 1;
        clause.subjectEnd = to - 1;
        if (IsArticle(from) || Word(from) == "some") return NonEmptySubject(clauseES);
        if (Word(from) != "no") return FailClause();
        ClauseKind kind = clauseNES;
        if (const int r = FindWhoThat(from + 1, to - 1)) {
            CutSubjectAtRelative(r, to - 1);
            kind = clauseNESR;
        }
        return NonEmptySubject(kind);
    }
    if (to - 2 > from && MatchPhrase("does not exist", to - 2)) {
        if (!IsArticle(from)) return FailClause();
        clause.number = Number::Singular;
        clause.subjectStart = from + 1;
        clause.subjectEnd = to - 3;
        return NonEmptySubject(clauseNES);
    }
    return std::nullopt;
}

// "unicorns do not exist", "(some/no) philosophers (who ...) exist"; nullopt when the clause
// ends in neither.
std::optional<ClauseKind> NaturalTranslator::PluralExistenceAtEnd(int from, int to) {
    using enum ClauseKind;
    if (to - 2 > from && MatchPhrase("do not exist", to - 2)) {
        clause.number = Number::Plural;
        clause.subjectStart = from;
        clause.subjectEnd = to - 3;
        return clauseNEP;
    }
    if (Word(to) != "exist") return std::nullopt;
    clause.number = Number::Plural;
    const bool quantified = WordIs(from, {"some", "no"});
    clause.subjectStart = quantified ? from + 1 : from;
    clause.subjectEnd = to - 1;
    const bool negative = Word(from) == "no";
    ClauseKind kind = negative ? clauseNEP : clauseEP;
    if (const int r = FindWhoThat(clause.subjectStart, to - 1)) {
        CutSubjectAtRelative(r, to - 1);
        kind = negative ? clauseNEPR : clauseEPR;
    }
    return NonEmptySubject(kind);
}

// The subject from..predicate word - 1, cut at a "who"/"that" whose relative clause must end
// before the predicate; the predicate word's number decides the kind.
ClauseKind NaturalTranslator::SubjectBeforePredicateWord(int from, int to,
                                                         const PredicateWord& predicate) {
    clause.number = predicate.number;
    clause.subjectEnd = predicate.word - 1;
    clause.predicateStart = predicate.word;
    if (const int r = FindWhoThat(from + 1, predicate.word - 1)) {
        clause.subjectEnd = r - 1;
        const auto end = FindRelativeEnd(r, to, clause.number);
        if (!end) return FailClauseForTerms();
        RelativeThenPredicate(r, *end);
    }
    return SubjectPredicateKind(to);
}

// A subject cut at the relative word r; only "all" or "every" at its start can give the
// number.
ClauseKind NaturalTranslator::QuantifiedSubjectWithRelative(int from, int r, int to) {
    clause.subjectEnd = r - 1;
    clause.number = Word(from) == "all"     ? Number::Plural
                    : Word(from) == "every" ? Number::Singular
                                            : Number::Unknown;
    const auto end = FindRelativeEnd(r, to, clause.number);
    if (!end) return FailClause();
    if (clause.number == Number::Unknown) return FailClauseForTerms();
    RelativeThenPredicate(r, *end);
    return SubjectPredicateKind(to);
}

// No copula: a subject and a one-word verb ("every man dies"). Enters the subject's head as
// a class noun (or a lone unquantified new word as a name) and the verb as a predicate.
ClauseKind NaturalTranslator::SubjectAndVerb(int from, int to) {
    const auto subject = SubjectRule(from, to);
    if (nat.NatError) return ClauseKind::None;
    Number n = subject.number;
    if (n == Number::Unknown && LooksPlural(Word(to))) n = Number::Singular;
    if (n == Number::Unknown || subject.end != to - 1) return FailClauseForTerms();
    clause.number = n;
    clause.subjectEnd = subject.end;
    clause.predicateStart = to;
    // A lone word without a quantifier names an individual ("socrates dies").
    const bool name = subject.end == from && QuantifierOf(from) == Quantifier::None &&
                      n == Number::Singular && WordTermIndex(from).kind == WordKind::Undefined;
    AddWordTerm(subject.end, name ? TermKind::SpecificNoun : TermKind::ClassNoun, n, false);
    if (nat.NatError) return ClauseKind::None;
    AddWordTerm(to, TermKind::Predicate, n, false);
    if (nat.NatError) return ClauseKind::None;
    return n == Number::Singular ? ClauseKind::clauseSS : ClauseKind::clausePP;
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
    std::optional<std::string> f;
    switch (kind) {
        case None:
            FailSilently();
            return {};
        case clauseSS:
        case clausePP:
            f = SubjectClauseFormula(slots, kind == clausePP);
            break;
        case clauseIS:
        case clauseEIR:
            if (const auto p = SlotsPredicate(slots)) f = "exists x " + p->formula;
            break;
        case clauseUS:
            f = EveryoneFormula(slots);
            break;
        case clauseES:
        case clauseEP:
        case clauseESR:
        case clauseEPR:
        case clauseNES:
        case clauseNEP:
        case clauseNESR:
        case clauseNEPR:
            f = ExistenceFormula(slots, kind == clauseNES || kind == clauseNEP ||
                                            kind == clauseNESR || kind == clauseNEPR);
            break;
        case clauseNEIR:
            f = NobodyFormula(slots);
            break;
    }
    if (!f) return {};
    return slots.negated ? "~" + *f : *f;
}

// The pieces of a clause formula, read from its slots; each fails as DescribePredicate and
// SubjectDescriptor do.

std::string NaturalTranslator::SlotsDescriptor(const ClauseSlots& slots) {
    int start = slots.subjectStart;
    if (QuantifierOf(start) != Quantifier::None) ++start;
    return SubjectDescriptor(start, slots.subjectEnd, slots.number);
}

std::optional<std::string> NaturalTranslator::RelativeConjunct(const ClauseSlots& slots) {
    if (slots.relativeWord == 0) return std::string();
    const auto r = DescribePredicate(slots.relativeWord + 1, slots.relativeEnd, slots.number);
    if (!r) return std::nullopt;
    return " and " + r->formula;
}

std::optional<PredicateFormula> NaturalTranslator::SlotsPredicate(const ClauseSlots& slots) {
    return DescribePredicate(slots.predicateStart, slots.predicateEnd, slots.number);
}

// clauseSS and clausePP: how the subject's quantifier reads depends on the structure (an
// "any" subject is existential only where a pronoun follows, the iff structures leave an
// open form); an unquantified singular subject is a name.
std::optional<std::string> NaturalTranslator::SubjectClauseFormula(const ClauseSlots& slots,
                                                                   bool plural) {
    const Quantifier q = QuantifierOf(slots.subjectStart);
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
    if (!plural && !quantified) return NamedSubjectFormula(slots);
    if (plural && !universal && q != Quantifier::No && !existential && !openIff) {
        // "Men are mortal": all men or some men?
        if (!IsCoreWord(Word(slots.subjectStart))) {
            nat.ShowNatMessage(
                "Plural subject is ambiguous.  Please specify "
                " \"all\" or \"some.\"");
        }
        FailSilently();
        return std::nullopt;
    }
    return QuantifiedSubjectFormula(slots, plural, q, universal, openIff);
}

// A subject without a quantifier names one individual: one word, entered as a name when it
// is new, and the predicate takes its constant.
std::optional<std::string> NaturalTranslator::NamedSubjectFormula(const ClauseSlots& slots) {
    if (slots.subjectStart != slots.subjectEnd || slots.relativeWord != 0) {
        if (QuantifierOf(slots.subjectStart) == Quantifier::None &&
            AnyUndefinedWord(slots.subjectStart, slots.subjectEnd)) {
            nat.TermProblem = true;  // perhaps a name still to be defined
        }
        FailSilently();
        return std::nullopt;
    }
    if (WordTermIndex(slots.subjectStart).kind == WordKind::Undefined) {
        AddWordTerm(slots.subjectStart, TermKind::SpecificNoun, Number::Singular, false);
        if (nat.NatError) return std::nullopt;
    }
    const auto t = FindWordTerm(slots.subjectStart);
    if (!t || lexicon_.Terms[*t].Kind != TermKind::SpecificNoun || lexicon_.Terms[*t].Letter == 0) {
        FailSilently();
        return std::nullopt;
    }
    const auto p = SlotsPredicate(slots);
    if (!p) return std::nullopt;
    return SubstituteConstant(p->formula, lexicon_.Terms[*t].Letter);
}

// A quantified subject: universal and "no" subjects give an implication, the others an
// existential conjunction, and in an iff structure the open form its pronoun closes.
std::optional<std::string> NaturalTranslator::QuantifiedSubjectFormula(const ClauseSlots& slots,
                                                                       bool plural, Quantifier q,
                                                                       bool universal,
                                                                       bool openIff) {
    const std::string d = SlotsDescriptor(slots);
    if (nat.NatError) return std::nullopt;
    const auto r = RelativeConjunct(slots);
    if (!r) return std::nullopt;
    const auto p = SlotsPredicate(slots);
    if (!p) return std::nullopt;
    if (p->negative && (universal || q == Quantifier::No)) {
        FailSilently();  // "every man is not perfect" is not accepted
        return std::nullopt;
    }
    const std::string no = q == Quantifier::No ? "not " : "";
    if (openIff) {
        // The iff of the pronoun's clause closes this form.
        openForm = true;
        return "forall x (" + d + *r + " implies (" + no + p->formula;
    }
    if (universal || q == Quantifier::No) {
        const std::string f = "forall x ((" + d + *r + ") implies " + no + p->formula + ")";
        return plural ? f : "(" + f + ")";
    }
    return "exists x (" + d + *r + " and " + p->formula + ")";
}

// clauseUS: "everyone ..." with an affirmative predicate, its relative clause the
// antecedent.
std::optional<std::string> NaturalTranslator::EveryoneFormula(const ClauseSlots& slots) {
    const auto r = RelativeConjunct(slots);
    if (!r) return std::nullopt;
    const auto p = SlotsPredicate(slots);
    if (!p) return std::nullopt;
    if (p->negative) {
        nat.ShowNatMessage(
            "Universal pronouns must take "
            "an affirmative predicate.");
        FailSilently();
        return std::nullopt;
    }
    if (slots.relativeWord == 0) return "forall x " + p->formula;
    return "forall x (" + r->substr(5) + " implies " + p->formula + ")";
}

// The existence kinds: "exists x (D [and R])", after "not " when `negative`.
std::optional<std::string> NaturalTranslator::ExistenceFormula(const ClauseSlots& slots,
                                                               bool negative) {
    const std::string d = SlotsDescriptor(slots);
    if (nat.NatError) return std::nullopt;
    const auto r = RelativeConjunct(slots);
    if (!r) return std::nullopt;
    return (negative ? "not " : "") + ("exists x (" + d + *r + ")");
}

// clauseNEIR: "nothing ..." and "there is nobody who ...".
std::optional<std::string> NaturalTranslator::NobodyFormula(const ClauseSlots& slots) {
    const auto r = RelativeConjunct(slots);
    if (!r) return std::nullopt;
    const auto p = SlotsPredicate(slots);
    if (!p) return std::nullopt;
    if (slots.relativeWord == 0) return "not exists x " + p->formula;
    return "not exists x (" + r->substr(5) + " and " + p->formula + ")";
}

}  // namespace deducto

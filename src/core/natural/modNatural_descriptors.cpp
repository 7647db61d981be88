// The pieces of a clause as formulas in x: predicates ("is wise", "are not philosophers",
// "dies"), adjectival and class descriptors with their "both"/"either" groups, subjects,
// and relative clauses. New words met here become terms; where the position does not settle
// a word's kind, the user is asked.
#include "Session.h"
#include "natural/CheckTermsModel.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

// The letters, each with the variable, joined by "and"; bracketed when asked and needed.
std::string JoinLetters(const std::vector<std::string>& letters, bool bracket = true) {
    std::string out;
    for (const std::string& letter : letters) {
        if (!out.empty()) out += " and ";
        out += letter + "x";
    }
    return bracket && letters.size() > 1 ? "(" + out + ")" : out;
}

constexpr const char* kNotInAdjectival =
    "The word \"not\" is not permitted"
    " within an adjectival descriptor.";
constexpr const char* kNotInClass =
    "The word \"not\" is not permitted"
    " within a class descriptor.";
constexpr const char* kNotInEither =
    "The word \"not\" is not permitted"
    " within an adjectival or class descriptor.";

}  // namespace

std::optional<PredicateFormula> NaturalTranslator::DescribePredicate(int from, int to,
                                                                     Number number) {
    const auto fail = [this]() -> std::optional<PredicateFormula> {
        FailSilently();
        return std::nullopt;
    };
    if (from > to) return fail();

    if (WordIs(from, {"is", "are"})) {
        const bool plural = Word(from) == "are";
        if (number != (plural ? Number::Plural : Number::Singular)) return fail();
        int start = from + 1;
        const bool negative = Word(start) == "not";
        if (negative) ++start;
        const std::string opening = negative ? "~(" : "(";
        if (start > to) return fail();
        std::string descriptor;
        if (!plural) {
            int p = start;
            while (p <= to && WordIs(p, {"both", "either"})) ++p;
            if (p > to) return fail();
            descriptor =
                IsArticle(p) ? ClassDescriptor(start, to) : AdjectivalDescriptor(start, to);
        } else {
            InferDescriptorTerms(start, to);
            if (nat.NatError) return std::nullopt;
            descriptor = PluralClassDescriptor(start, to);
        }
        if (nat.NatError) return std::nullopt;
        return PredicateFormula{opening + descriptor + ")", negative};
    }

    // A verb phrase: one word, which the scanner joined when it is a multi-word form.
    if (from != to) {
        nat.NatError = true;
        nat.TermProblem = true;
        return std::nullopt;
    }
    if (WordTermIndex(from).kind == WordKind::Undefined) {
        AddWordTerm(from, TermKind::Predicate, number, false);
        if (nat.NatError) return std::nullopt;
    }
    const auto t = FindWordTerm(from);
    if (!t || lexicon_.Terms[*t].Kind != TermKind::Predicate) return fail();
    const LangTerm& term = lexicon_.Terms[*t];
    const std::string& w = Word(from);
    bool negative = false;
    if (number != Number::Plural && (w == term.Singular || w == term.NegSingular)) {
        negative = w != term.Singular;
    } else if (number != Number::Singular && (w == term.Plural || w == term.NegPlural)) {
        negative = w != term.Plural;
    } else {
        return fail();  // a predicate of the other number
    }
    return PredicateFormula{std::string(negative ? "(~" : "(") + term.Letter + "x)", negative};
}

std::string NaturalTranslator::AdjectivalDescriptor(int from, int to) {
    return Descriptor(from, to, DescriptorKind::Adjectival);
}

std::string NaturalTranslator::ClassDescriptor(int from, int to) {
    return Descriptor(from, to, DescriptorKind::Class);
}

std::string NaturalTranslator::PluralClassDescriptor(int from, int to) {
    return Descriptor(from, to, DescriptorKind::PluralClass);
}

void NaturalTranslator::ReportAmbiguous(int from, int to) {
    nat.ShowNatMessage("\"" + WordsText(from, to) + "\" is ambiguous.");
}

void NaturalTranslator::OpenGroups(int& p, int to, std::string& out) {
    while (p <= to && WordIs(p, {"both", "either"})) {
        groups_.push_back({true, Word(p) == "both", false, {}});
        out += " ((";
        ++p;
    }
}

bool NaturalTranslator::Connective(const std::string& word, std::string& out) {
    const auto own = [](const Group& g) { return g.both ? "and" : "or"; };
    // A group whose own connective has been read ends at a connective that does not go on
    // with it: "either wise or happy and rich" reads (wise or happy) and rich.
    while (groups_.back().isGroup && groups_.back().seenOwn && word != own(groups_.back())) {
        out += ")";
        groups_.pop_back();
    }
    Group& level = groups_.back();
    if (level.isGroup && !level.seenOwn) {
        if (word != own(level)) return false;  // "both wise or happy"
        out += ")";
        level.seenOwn = true;
    } else if (!level.lastConnective.empty() && level.lastConnective != word) {
        return false;  // "wise and happy or rich"
    }
    level.lastConnective = word;
    out += " " + word + " ";
    return true;
}

// Words are entered as they are read, so a descriptor that fails part way keeps the terms
// read before the fault, and the letters handed out later are the same as after a success.
std::string NaturalTranslator::Descriptor(int from, int to, DescriptorKind kind) {
    // In a class descriptor "not" is refused wherever it stands; in an adjectival one it is
    // refused after a connective, and where the first adjective belongs it is no adjective.
    for (int k = from; k <= to && kind != DescriptorKind::Adjectival; ++k) {
        if (Word(k) != "not") continue;
        nat.ShowNatMessage(kNotInClass);
        FailSilently();
        return {};
    }
    groups_.assign(1, Group{});
    std::string out;
    int p = from;
    OpenGroups(p, to, out);
    for (;;) {
        if (p > to) {  // a connective or group word with nothing after it
            FailSilently();
            return {};
        }
        int end = p;
        if (kind != DescriptorKind::Adjectival) {
            while (end < to && !WordIs(end + 1, {"and", "or"})) ++end;
        }
        out += PhraseFormula(p, end, kind);
        if (nat.NatError) return {};
        p = end + 1;
        if (p > to) break;
        if (!WordIs(p, {"and", "or"})) {
            // Two adjectives in a row: perhaps a multi-word term still to be defined.
            if (WordTermIndex(p).kind == WordKind::Undefined) nat.TermProblem = true;
            FailSilently();
            return {};
        }
        if (!Connective(Word(p), out)) {
            ReportAmbiguous(from, to);
            FailSilently();
            return {};
        }
        ++p;
        OpenGroups(p, to, out);
        if (kind == DescriptorKind::Adjectival && Word(p) == "not" && p <= to) {
            nat.ShowNatMessage(kNotInAdjectival);
            FailSilently();
            return {};
        }
    }
    while (groups_.size() > 1) {
        if (!groups_.back().seenOwn) {  // "both wise" without its "and"
            FailSilently();
            return {};
        }
        out += ")";
        groups_.pop_back();
    }
    return out;
}

std::string NaturalTranslator::PhraseFormula(int from, int to, DescriptorKind kind) {
    std::vector<std::string> letters;
    switch (kind) {
        case DescriptorKind::Adjectival:
            letters.push_back(AddWordTerm(from, TermKind::Adjective, Number::Unknown, false));
            break;
        case DescriptorKind::Class: {
            if (!IsArticle(from) || from == to) {
                FailSilently();
                return {};
            }
            const int head = HeadWord(from + 1, to);
            for (int k = from + 1; k <= to && !nat.NatError; ++k) {
                letters.push_back(
                    k == head ? AddWordTerm(k, TermKind::ClassNoun, Number::Singular, false)
                              : AddWordTerm(k, TermKind::Adjective, Number::Unknown, false));
            }
            break;
        }
        case DescriptorKind::PluralClass:
            for (int k = from; k <= to; ++k) {
                letters.push_back(WordTermLetter(k));
                if (letters.back().empty()) {
                    FailSilently();
                    return {};
                }
            }
            break;
    }
    if (nat.NatError) return {};
    return JoinLetters(letters);
}

std::string NaturalTranslator::SubjectDescriptor(int from, int to, Number number) {
    if (from > to) {
        FailSilently();
        return {};
    }
    const int head = HeadWord(from, to);
    // The walk starts at the subject's last word, so its noun is entered first.
    std::vector<std::string> letters(static_cast<size_t>(to - from + 1));
    for (int k = to; k >= from; --k) {
        letters[static_cast<size_t>(k - from)] =
            k == head ? AddWordTerm(k, TermKind::ClassNoun, number, false)
                      : AddWordTerm(k, TermKind::Adjective, Number::Unknown, false);
        if (nat.NatError) return {};
    }
    return JoinLetters(letters, false);  // every clause formula brackets its subject
}

bool NaturalTranslator::IsMultiWordAdjective(int k) const {
    const auto t = FindWordTerm(k);
    return t && lexicon_.Terms[*t].Kind == TermKind::Adjective &&
           lexicon_.Terms[*t].Singular.find(' ') != std::string::npos;
}

int NaturalTranslator::HeadWord(int lowest, int last) const {
    int k = last;
    while (k > lowest && IsMultiWordAdjective(k)) --k;
    return k;
}

void NaturalTranslator::InferDescriptorTerms(int from, int to) {
    bool severalParts = false;
    const std::vector<ContentWord> content = DescriptorContent(from, to, severalParts);
    if (content.empty()) {
        FailSilently();
        return;
    }
    const auto guess = GuessDescriptorShape(content);
    if (!guess) return;
    if (guess->shape == DescriptorShape::Adjectival) {
        for (const ContentWord& c : content) {
            if (!EnterDescriptorWord(c.k, TermKind::Adjective)) return;
        }
        return;
    }
    if (guess->shape == DescriptorShape::Class || severalParts) {
        EnterPluralClassTerms(content, guess->shape == DescriptorShape::Class);
        return;
    }
    AskDescriptorKinds(content, guess->proposal);
}

// The words of from..to other than "both", "either", "and", "or"; `severalParts` tells
// whether a connective follows a content word.
std::vector<NaturalTranslator::ContentWord> NaturalTranslator::DescriptorContent(
    int from, int to, bool& severalParts) const {
    std::vector<ContentWord> content;
    bool afterContent = false;
    for (int k = from; k <= to; ++k) {
        if (WordIs(k, {"both", "either"})) continue;
        if (WordIs(k, {"and", "or"})) {
            severalParts = severalParts || afterContent;
            afterContent = false;
            continue;
        }
        afterContent = true;
        content.push_back({k, k == to || WordIs(k + 1, {"and", "or"})});
    }
    return content;
}

// What the known terms among the content words say of the descriptor's shape, and the kind
// the forms of the undefined ones suggest. Fails (nullopt, nat.NatError set) on "not", on a
// name, verb, core word or singular class noun, and on a class noun after an adjective that
// ends a phrase.
std::optional<NaturalTranslator::DescriptorGuess> NaturalTranslator::GuessDescriptorShape(
    const std::vector<ContentWord>& content) {
    DescriptorGuess guess;
    for (const ContentWord& c : content) {
        const std::string& w = Word(c.k);
        if (w == "not") {
            nat.ShowNatMessage(kNotInEither);
            FailSilently();
            return std::nullopt;
        }
        const WordLookup lookup = WordTermIndex(c.k);
        if (lookup.kind == WordKind::Term) {
            const LangTerm& term = lexicon_.Terms[static_cast<size_t>(lookup.term)];
            if (term.Kind == TermKind::Adjective) {
                if (c.phraseEnd) guess.shape = DescriptorShape::Adjectival;
            } else if (term.Kind == TermKind::ClassNoun) {
                if ((w != term.Plural && w != term.CompPlural) ||
                    guess.shape == DescriptorShape::Adjectival) {
                    FailSilently();
                    return std::nullopt;
                }
                guess.shape = DescriptorShape::Class;
            } else {
                FailSilently();  // a name or a verb cannot describe
                return std::nullopt;
            }
        } else if (lookup.kind == WordKind::Undefined) {
            const KindProposal p =
                LooksPlural(w) ? KindProposal::ClassNoun : KindProposal::Adjective;
            if (guess.proposal == KindProposal::None) {
                guess.proposal = p;
            } else if (guess.proposal != p) {
                guess.proposal = KindProposal::Undecided;
            }
        } else {
            FailSilently();  // a core word or punctuation inside a descriptor
            return std::nullopt;
        }
    }
    return guess;
}

bool NaturalTranslator::EnterDescriptorWord(int k, TermKind kind) {
    if (kind == TermKind::ClassNoun) {
        AddWordTerm(k, TermKind::ClassNoun, Number::Plural, false);
    } else {
        AddWordTerm(k, TermKind::Adjective, Number::Unknown, false);
    }
    return !nat.NatError;
}

// A class descriptor, or one of several parts: a word that ends a phrase is a plural class
// noun (unless it is a multi-word adjective already), the words before it adjectives.
void NaturalTranslator::EnterPluralClassTerms(const std::vector<ContentWord>& content,
                                              bool classNounKnown) {
    for (const ContentWord& c : content) {
        const auto t = FindWordTerm(c.k);
        TermKind termKind = TermKind::Adjective;
        if (c.phraseEnd) {
            if (IsMultiWordAdjective(c.k)) continue;
            // Undefined words of a descriptor of several parts without a known class
            // noun keep the kind their form suggests ("wise and happy" are adjectives).
            const bool noun = classNounKnown || t || LooksPlural(Word(c.k));
            termKind = noun ? TermKind::ClassNoun : TermKind::Adjective;
        }
        if (!EnterDescriptorWord(c.k, termKind)) return;
    }
}

// Nothing settles the kinds: asks the user about each undefined word, suggesting `proposal`.
// A cancelled question ends the translation.
void NaturalTranslator::AskDescriptorKinds(const std::vector<ContentWord>& content,
                                           KindProposal proposal) {
    CheckTermsRequest request;
    request.TermQuery = proposal == KindProposal::Undecided || proposal == KindProposal::None
                            ? "Please categorize term."
                            : "Please confirm or modify.";
    request.CheckKinds = "AC";
    request.CheckNumber = "P";
    request.CheckSuggestion = proposal == KindProposal::Adjective   ? "A"
                              : proposal == KindProposal::ClassNoun ? "C"
                                                                    : "";
    for (const ContentWord& c : content) {
        if (WordTermIndex(c.k).kind != WordKind::Undefined) continue;
        request.TermUnderCheck = Word(c.k);
        CheckTermsModel dialog(lexicon_, nat, request);
        if (!ConfirmTermWithUser(dialog, nat)) {
            userCancelled = true;
            return;
        }
    }
}

std::optional<int> NaturalTranslator::FindRelativeEnd(int r, int to, Number& number) {
    const auto agree = [&](Number n) {
        if (n == Number::Unknown || n == number) return true;
        if (number == Number::Unknown) {
            number = n;
            return true;
        }
        FailSilently();
        return false;
    };
    const auto copulaNumber = [this](int k) {
        return Word(k) == "is" ? Number::Singular : Number::Plural;
    };
    if (WordIs(r + 1, {"is", "are"})) {  // "who is wise is happy"
        if (!agree(copulaNumber(r + 1))) return std::nullopt;
        const std::string copula = LastCopula(r + 3, to - 1);
        if (copula.empty()) return to - 1;
        if (copula == Word(r + 1)) return copulaPos - 1;
        FailSilently();
        return std::nullopt;
    }
    if (WordIs(r + 2, {"is", "are"})) {  // "who dies is mortal"
        if (!agree(copulaNumber(r + 2))) return std::nullopt;
        return r + 1;
    }
    if (to != r + 2) {  // only "who dies excels" is left: a verb, then the predicate
        FailSilently();
        if (AnyUndefinedWord(r + 1, to)) nat.TermProblem = true;
        return std::nullopt;
    }
    Number n = Number::Unknown;
    if (const auto t = FindWordTerm(r + 1)) {
        n = lexicon_.FormNumber(Word(r + 1), *t);
    } else if (const auto t2 = FindWordTerm(r + 2)) {
        n = lexicon_.FormNumber(Word(r + 2), *t2);
    } else if (WordTermIndex(r + 1).kind == WordKind::Undefined && LooksPlural(Word(r + 1))) {
        n = Number::Singular;
    }
    if (!agree(n)) return std::nullopt;
    return r + 1;
}

}  // namespace deducto

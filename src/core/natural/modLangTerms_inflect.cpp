// English word forms: plural and singular of nouns, the numbers and polarities of
// predicates, complements with "non-", spacing, and the core words that are never terms.
#include <algorithm>

#include "natural/modLangTerms.h"

namespace deducto {

namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool StartsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

// Replaces every occurrence of `from`, scanning left to right without overlap.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

// Applies `inflect` to the first word and keeps the rest from its space; "" when the first
// word cannot be inflected.
template <typename Inflect>
std::string InflectFirstWord(std::string_view text, Inflect inflect) {
    const size_t space = text.find(' ');
    if (space == std::string_view::npos) return inflect(text);
    const std::string first = inflect(text.substr(0, space));
    if (first.empty()) return {};
    return first + std::string(text.substr(space));
}

}  // namespace

const std::vector<std::string_view>& CoreWords() {
    static const std::vector<std::string_view> words = {"a",
                                                        "an",
                                                        "and",
                                                        "any",
                                                        "all",
                                                        "anybody",
                                                        "anyone",
                                                        "anything",
                                                        "are",
                                                        "aren't",
                                                        "both",
                                                        "but",
                                                        "consequently",
                                                        "do",
                                                        "does",
                                                        "either",
                                                        "else",
                                                        "every",
                                                        "everybody",
                                                        "everybody's",
                                                        "everyone",
                                                        "everyone's",
                                                        "everything",
                                                        "everything's",
                                                        "exist",
                                                        "exists",
                                                        "he",
                                                        "he or she",
                                                        "he's",
                                                        "hence",
                                                        "however",
                                                        "if",
                                                        "is",
                                                        "isn't",
                                                        "it",
                                                        "it is not true that",
                                                        "it is true that",
                                                        "it's",
                                                        "no",
                                                        "no one",
                                                        "no one's",
                                                        "nobody",
                                                        "nobody's",
                                                        "nevertheless",
                                                        "not",
                                                        "nothing",
                                                        "nothing's",
                                                        "only if",
                                                        "or",
                                                        "otherwise",
                                                        "she",
                                                        "she's",
                                                        "some",
                                                        "somebody",
                                                        "somebody's",
                                                        "someone",
                                                        "someone's",
                                                        "something",
                                                        "something's",
                                                        "that",
                                                        "that's",
                                                        "then",
                                                        "there",
                                                        "therefore",
                                                        "they",
                                                        "they're",
                                                        "thus",
                                                        "unless",
                                                        "whatever",
                                                        "whenever",
                                                        "who",
                                                        "whoever",
                                                        "yet",
                                                        ";"};
    return words;
}

bool IsCoreWord(std::string_view text) {
    const auto& words = CoreWords();
    return std::find(words.begin(), words.end(), text) != words.end();
}

std::string NounPlural(std::string_view singular) {
    const std::string s(singular);
    if (s.size() < 3) return {};
    if (EndsWith(s, "ss") || EndsWith(s, "sh") || EndsWith(s, "ch") || EndsWith(s, "x")) {
        return s + "es";
    }
    if (EndsWith(s, "y") && !EndsWith(s, "ay") && !EndsWith(s, "ey") && !EndsWith(s, "oy") &&
        !EndsWith(s, "uy")) {
        return s.substr(0, s.size() - 1) + "ies";
    }
    if (EndsWith(s, "man")) return s.substr(0, s.size() - 3) + "men";
    if (EndsWith(s, "s")) return {};  // a single "s": no plural can be formed
    return s + "s";
}

std::string NounSingular(std::string_view plural) {
    const std::string s(plural);
    if (s.size() < 3) return {};
    if (EndsWith(s, "ies") && s.size() >= 5) return s.substr(0, s.size() - 3) + "y";
    if (EndsWith(s, "sses") || EndsWith(s, "shes") || EndsWith(s, "ches") || EndsWith(s, "xes")) {
        return s.substr(0, s.size() - 2);
    }
    if (EndsWith(s, "men")) return s.substr(0, s.size() - 3) + "man";
    if (EndsWith(s, "s")) return s.substr(0, s.size() - 1);
    return {};
}

std::optional<size_t> ModalPrefix(std::string_view text) {
    static constexpr std::string_view kModals[] = {"should ", "could ", "would ", "might ",
                                                   "shall ",  "ought ", "will ",  "must ",
                                                   "can ",    "may "};
    for (std::string_view modal : kModals) {
        if (StartsWith(text, modal)) return modal.size();
    }
    return std::nullopt;
}

std::string PredicatePlural(std::string_view singular) {
    std::string s(singular);
    if (StartsWith(s, "is ")) return "are " + s.substr(3);
    if (StartsWith(s, "has ")) return "have " + s.substr(4);
    if (StartsWith(s, "does ")) return "do " + s.substr(5);
    if (StartsWith(s, "was ")) return "were " + s.substr(4);
    if (ModalPrefix(s) || StartsWith(s, "cannot ")) return s;
    return InflectFirstWord(s, NounSingular);
}

std::string PredicateSingular(std::string_view plural) {
    std::string s(plural);
    if (StartsWith(s, "are ")) return "is " + s.substr(4);
    if (StartsWith(s, "have ")) return "has " + s.substr(5);
    if (StartsWith(s, "do ")) return "does " + s.substr(3);
    if (StartsWith(s, "were ")) return "was " + s.substr(5);
    if (ModalPrefix(s) || StartsWith(s, "cannot ")) return s;
    // A first word that cannot be inflected gives no form at all, rather than the rest of
    // the text with a leading space.
    return InflectFirstWord(s, NounPlural);
}

std::string NegatePredicate(std::string_view affirmative) {
    const std::string s(affirmative);
    std::string out;
    if (StartsWith(s, "is ")) {
        out = "is not " + s.substr(3);
    } else if (StartsWith(s, "has ")) {
        out = "does not have " + s.substr(4);
    } else if (StartsWith(s, "can ")) {
        out = "cannot " + s.substr(4);
    } else if (StartsWith(s, "was ")) {
        out = "was not " + s.substr(4);
    } else if (StartsWith(s, "does ")) {
        out = "does not do " + s.substr(5);
    } else if (const auto modal = ModalPrefix(s)) {
        out = s.substr(0, *modal) + "not " + s.substr(*modal);
    } else {
        const size_t space = s.find(' ');
        const std::string first = s.substr(0, space);
        if (!EndsWith(first, "s")) return {};
        const std::string bare = NounSingular(first);
        if (bare.empty()) return {};
        out = "does not " + bare + (space == std::string::npos ? "" : s.substr(space));
    }
    return ReplaceAll(out, " some", " any");
}

std::string AffirmPredicate(std::string_view negative) {
    const std::string s(negative);
    std::string out;
    if (StartsWith(s, "does not have ")) {
        out = "has " + s.substr(14);
    } else if (StartsWith(s, "do not ")) {
        out = s.substr(7);
    } else if (StartsWith(s, "does not ")) {
        const std::string rest = s.substr(9);
        const size_t space = rest.find(' ');
        const std::string verb = NounPlural(rest.substr(0, space));
        if (verb.empty()) return {};
        out = verb + (space == std::string::npos ? "" : rest.substr(space));
    } else if (StartsWith(s, "cannot ")) {
        out = "can " + s.substr(7);
    } else {
        std::string padded = s + " ";
        if (const size_t p = padded.find(" not "); p != std::string::npos) {
            padded.erase(p + 1, 4);  // the word "not" and its space
        } else if (const size_t q = padded.find(" no "); q != std::string::npos) {
            padded.replace(q + 1, 3, "some ");
        } else {
            return {};
        }
        out = padded.substr(0, padded.size() - 1);
    }
    return ReplaceAll(out, " any", " some");
}

std::string ComplementOf(std::string_view text) {
    if (StartsWith(text, "non-")) return std::string(text.substr(4));
    if (StartsWith(text, "non")) return std::string(text.substr(3));
    if (text.empty()) return {};
    return "non-" + std::string(text);
}

}  // namespace deducto

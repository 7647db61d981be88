// The word list of a sentence: the scanner that cuts the text into words (joining the
// words of multi-word term forms), the list operations, and the rewriting of connectives,
// contractions and set phrases into a small canonical vocabulary.
#include <algorithm>
#include <cassert>
#include <initializer_list>

#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

namespace {

const std::string kEmpty;

bool IsWordEnd(const std::string& text, size_t index) {
    return index < text.size() && (text[index] == ' ' || text[index] == ',');
}

bool EndsPlainWord(char c) { return c == ' ' || c == ',' || c == ';' || c == '.'; }

bool IsWhoThat(const std::string& word) { return word == "that" || word == "who"; }

}  // namespace

void NaturalTranslator::SetSentence(std::string_view text) {
    SentenceText = NormaliseSpacing(text);
}

const std::string& NaturalTranslator::Word(int k) const {
    return k >= 1 && k <= WordCount() ? words_[static_cast<size_t>(k - 1)] : kEmpty;
}

std::string& NaturalTranslator::WordAt(int k) {
    assert(k >= 1 && k <= WordCount());
    return words_[static_cast<size_t>(k - 1)];
}

bool NaturalTranslator::NegFlag(int k) const {
    return k >= 1 && k <= kMaxWords && negFlag_[static_cast<size_t>(k - 1)];
}

std::string NaturalTranslator::WordsText(int first, int last) const {
    std::string out;
    for (int k = first; k <= last; ++k) {
        if (k > first) out += ' ';
        out += Word(k);
    }
    return out;
}

bool NaturalTranslator::WordIs(int k, std::initializer_list<std::string_view> options) const {
    const std::string& w = Word(k);
    for (std::string_view option : options) {
        if (w == option) return true;
    }
    return false;
}

void NaturalTranslator::ScanSentence() {
    words_.clear();
    std::string text = SentenceText;
    if (!text.empty() && text.back() == '.') {
        text.back() = ' ';
    } else {
        text += ' ';
    }
    text = ToLower(text);
    const std::string padded = text + ' ';
    const int length = static_cast<int>(text.size());

    ScanPos = 1;
    while (ScanPos <= length) {
        const size_t at = static_cast<size_t>(ScanPos - 1);
        if (text[at] == ' ') {
            ++ScanPos;
            continue;
        }
        if (WordCount() == kMaxWords) {
            // The list is full: stop before this word rather than write past the list.
            if (!overflowShown_) session_.prompts().ShowMessage(kSentenceTooLong);
            overflowShown_ = true;
            nat.NatError = true;
            return;
        }
        std::string& word = words_.emplace_back();

        bool found = false;
        for (LangTerm& term : lexicon_.Terms) {
            for (const std::string* form : term.ScanOrder()) {
                if (form->empty() || text.compare(at, form->size(), *form) != 0 ||
                    !IsWordEnd(text, at + form->size())) {
                    continue;
                }
                word = *form;
                ScanPos += static_cast<int>(form->size());
                term.LineUse[line_] = 'Y';
                found = true;
                break;
            }
            if (found) break;
        }
        if (!found) {
            const char c = text[at];
            if (c == ',' || c == '.' || c == ';') {
                word = std::string(1, c);
                ++ScanPos;
            } else if (padded.compare(at, 10, "he or she ") == 0) {
                word = "he or she";
                ScanPos += 9;
            } else if (padded.compare(at, 7, "no one ") == 0) {
                word = "no one";
                ScanPos += 6;
            } else {
                size_t end = at;
                while (end < text.size() && !EndsPlainWord(text[end])) ++end;
                word = text.substr(at, end - at);
                ScanPos = static_cast<int>(end) + 1;
                // While every line is read again after a change of the lexicon, a word that
                // is neither a term form nor a core word is not inferred afresh.
                if (flags_.reparsing && !IsCoreWord(word)) {
                    nat.NatError = true;
                    return;
                }
            }
        }
        wordEnd_[words_.size() - 1] = ScanPos;
    }
    RewriteConnectives();
}

void NaturalTranslator::DeleteWords(int at, int n) {
    if (n == 0) n = 1;
    if (at < 1 || at > WordCount()) return;
    n = std::min(n, WordCount() - at + 1);
    const auto first = words_.begin() + (at - 1);
    words_.erase(first, first + n);
}

bool NaturalTranslator::InsertWord(std::string word, int at) {
    if (WordCount() == kMaxWords) {
        if (!overflowShown_) session_.prompts().ShowMessage(kSentenceTooLong);
        overflowShown_ = true;
        nat.NatError = true;
        return false;
    }
    at = std::clamp(at, 1, WordCount() + 1);
    words_.insert(words_.begin() + (at - 1), std::move(word));
    return true;
}

bool NaturalTranslator::InsertWords(std::initializer_list<const char*> words, int at) {
    for (const char* w : words) {
        if (!InsertWord(w, at++)) return false;
    }
    return true;
}

// The searches below take and give 1-based positions (0 for "none") and walk the list by
// its 0-based index i, position i + 1.

int NaturalTranslator::FindWord(std::string_view word, int from, int to) const {
    if (to == 0) to = WordCount();
    for (int i = std::max(from, 1) - 1; i < std::min(to, WordCount()); ++i) {
        if (words_[static_cast<size_t>(i)] == word) return i + 1;
    }
    return 0;
}

int NaturalTranslator::FindWhoThat(int from, int to) const {
    if (to == 0) to = WordCount();
    for (int i = std::max(from, 1) - 1; i < std::min(to, WordCount()); ++i) {
        if (IsWhoThat(words_[static_cast<size_t>(i)])) return i + 1;
    }
    return 0;
}

int NaturalTranslator::LastWhoThat(int from, int to) const {
    if (to == 0) to = from;
    for (int i = std::min(to, WordCount()) - 1; i >= std::max(from, 1) - 1; --i) {
        if (IsWhoThat(words_[static_cast<size_t>(i)])) return i + 1;
    }
    return 0;
}

bool NaturalTranslator::MatchPhrase(std::string_view phrase, int at) const {
    int k = at;
    size_t start = 0;
    while (start <= phrase.size()) {
        size_t space = phrase.find(' ', start);
        if (space == std::string_view::npos) space = phrase.size();
        if (k < 1 || k > WordCount() || Word(k) != phrase.substr(start, space - start)) {
            return false;
        }
        ++k;
        start = space + 1;
    }
    return true;
}

bool NaturalTranslator::IsArticle(int k) const { return WordIs(k, {"a", "an"}); }

bool NaturalTranslator::IsSomePronoun(int k) const {
    return WordIs(k, {"someone", "something", "somebody"});
}

bool NaturalTranslator::IsPersonalPronoun(int k) const {
    return WordIs(k, {"she", "he", "he or she", "it"});
}

std::string NaturalTranslator::LastCopula(int from, int to) {
    for (int i = std::min(to, WordCount()) - 1; i >= std::max(from, 1) - 1; --i) {
        const std::string& w = words_[static_cast<size_t>(i)];
        if (w == "is" || w == "are") {
            copulaPos = i + 1;
            return w;
        }
    }
    copulaPos = 0;
    return {};
}

// The rewriting walks the list with a 1-based position I, as its rules are stated; each rule
// sees the list as the rules before it left it. A rule that cannot insert a word (the list
// is full) or meets a conditional without its comma sets nat.NatError and ends the pass.
void NaturalTranslator::RewriteConnectives() {
    for (int I = 1; I <= WordCount() && !nat.NatError; ++I) {
        DropLogicFreeWords(I);
        if (!RewriteJoiners(I) || !ExpandContraction(I) || !CompleteLeadingIf(I) ||
            !RewriteOnlyIf(I) || !RewriteTrailingIf(I) || !RewriteNotEvery(I)) {
            return;
        }
    }
    if (nat.NatError) return;
    ReadIndefiniteAntecedent();
    ApplySentenceNegations();
}

bool NaturalTranslator::FirstCommaAfter(int i) const {
    const int p = FindWord(",", 1, 0);
    return p == 0 || p > i;
}

// Inference and contrast markers, a leading "either" and "or else": words that carry no
// logic. Expects I within the list; may shorten it.
void NaturalTranslator::DropLogicFreeWords(int I) {
    if (WordIs(I, {"hence", "therefore", "thus", "consequently", "nevertheless"})) {
        DeleteWords(I, 1);
        if (I == 1 && Word(I) == ",") DeleteWords(I, 1);
    }
    if (I == 1 && Word(I) == "either") {
        const int p = FindWord(",", 2, 0);
        if (p > 0 && Word(p + 1) == "or") DeleteWords(1, 1);
    }
    if (WordIs(I, {"otherwise", "else"}) && Word(I - 1) == "or") DeleteWords(I, 1);
    if (WordIs(I, {"yet", "but"})) {
        if (I == 1) {
            DeleteWords(I, 1);
        } else if (Word(I - 1) == ",") {
            WordAt(I) = "and";
        }
    }
}

// ";", "whenever", "whoever"/"whatever" and "unless" become the canonical ", and", "if",
// "everything that" and ", or". False when a word could not be inserted.
bool NaturalTranslator::RewriteJoiners(int I) {
    if (Word(I) == ";") {
        WordAt(I) = ",";
        if (!InsertWord("and", I + 1)) return false;
        if (Word(I + 2) == "however") {
            DeleteWords(I + 2, 1);
            if (Word(I + 2) == ",") DeleteWords(I + 2, 1);
        }
    }
    if (Word(I) == "whenever") WordAt(I) = "if";
    if (WordIs(I, {"whoever", "whatever"}) && (I == 1 || Word(I - 1) == ",")) {
        WordAt(I) = "everything";
        if (!InsertWord("that", I + 1)) return false;
    }
    if (Word(I) == "unless") {
        WordAt(I) = "or";
        if (Word(I - 1) != "," && !InsertWord(",", I)) return false;
    }
    return true;
}

// "isn't", "he's", "no one's", "they're" and the like become two words. False when a word
// could not be inserted.
bool NaturalTranslator::ExpandContraction(int I) {
    if (Word(I) == "aren't" || Word(I) == "isn't") {
        WordAt(I) = Word(I) == "aren't" ? "are" : "is";
        return InsertWord("not", I + 1);
    }
    if (WordIs(I, {"he's", "it's", "she's", "that's", "nothing's", "nobody's", "everything's",
                   "everyone's", "everybody's", "something's", "someone's", "somebody's",
                   "there's"})) {
        WordAt(I).resize(WordAt(I).size() - 2);
        return InsertWord("is", I + 1);
    }
    if (Word(I) == "no" && Word(I + 1) == "one's") {
        WordAt(I) = "no one";
        WordAt(I + 1) = "is";
        return true;
    }
    if (Word(I) == "they're") {
        WordAt(I) = "they";
        return InsertWord("are", I + 1);
    }
    return true;
}

// A leading conditional needs its comma, and "then" after it (after the comma that ends a
// second antecedent joined by "and"/"or"). False with nat.NatError when a comma is missing
// or "then" could not be inserted.
bool NaturalTranslator::CompleteLeadingIf(int I) {
    if (I != 1 || Word(1) != "if") return true;
    int p = FindWord(",", 2, 0);
    if (p == 0) {
        nat.NatError = true;
        return false;
    }
    if (Word(p + 1) == "then") return true;
    if (WordIs(p + 1, {"and", "or"})) {
        p = FindWord(",", p + 2, 0);
        if (p == 0) {
            nat.NatError = true;
            return false;
        }
    }
    return Word(p + 1) == "then" || InsertWord("then", p + 1);
}

// "B only if A" reads "if B , then A"; I moves onto "then". False when "if" could not be
// inserted.
bool NaturalTranslator::RewriteOnlyIf(int& I) {
    if (!MatchPhrase("only if", I) || I <= 1 || Word(I - 1) == "and" || !FirstCommaAfter(I)) {
        return true;
    }
    if (!InsertWord("if", 1)) return false;
    WordAt(I + 1) = ",";
    WordAt(I + 2) = "then";
    I += 2;
    return true;
}

// "B if A" reads "B , or it is not true that A"; I moves onto "that". False when the words
// could not be inserted.
bool NaturalTranslator::RewriteTrailingIf(int& I) {
    if (Word(I) != "if" || I <= 1 || Word(I - 1) == "only" || Word(I + 1) == "and" ||
        !FirstCommaAfter(I)) {
        return true;
    }
    WordAt(I) = ",";
    if (!InsertWords({"or", "it", "is", "not", "true", "that"}, I + 1)) return false;
    I += 6;
    return true;
}

// "not every ..." reads "it is not true that every ..."; I moves onto "that". False when the
// words could not be inserted.
bool NaturalTranslator::RewriteNotEvery(int& I) {
    if (Word(I) != "not" ||
        !WordIs(I + 1, {"every", "all", "everything", "everyone", "everybody"})) {
        return true;
    }
    WordAt(I) = "it";
    if (!InsertWords({"is", "not", "true", "that"}, I + 1)) return false;
    I += 4;
    return true;
}

// "If a man is wise, then he ..." speaks of any man: the article becomes "some".
void NaturalTranslator::ReadIndefiniteAntecedent() {
    if (Word(1) != "if" || !IsArticle(2)) return;
    const int p = FindWord(",", 4, 0);
    if (p > 0 && Word(p + 1) == "then") {
        const int q = Word(p + 2) == "either" ? p + 3 : p + 2;
        if (IsPersonalPronoun(q)) WordAt(2) = "some";
    }
}

// Deletes "it is true that" and "it is not true that"; the latter flips the negation flag of
// the position where its clause now begins. The flags belong to positions, not to words.
void NaturalTranslator::ApplySentenceNegations() {
    negFlag_.fill(false);
    int I = 1;
    while (I <= WordCount()) {
        if (MatchPhrase("it is true that", I)) {
            DeleteWords(I, 4);
        } else if (MatchPhrase("it is not true that", I)) {
            DeleteWords(I, 5);
            negFlag_[static_cast<size_t>(I - 1)] = !negFlag_[static_cast<size_t>(I - 1)];
        } else {
            ++I;
        }
    }
}

}  // namespace deducto

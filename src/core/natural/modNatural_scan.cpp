// The word list of a sentence: the scanner that cuts the text into words (joining the
// words of multi-word term forms), the list operations, and the rewriting of connectives,
// contractions and set phrases into a small canonical vocabulary.
#include <algorithm>
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

}  // namespace

void NaturalTranslator::SetSentence(std::string_view text) {
    SentenceText = NormaliseSpacing(text);
}

const std::string& NaturalTranslator::Word(int k) const {
    return k >= 1 && k <= wordCount_ ? words_[k] : kEmpty;
}

bool NaturalTranslator::NegFlag(int k) const { return k >= 1 && k <= kMaxWords && negFlag_[k]; }

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
    wordCount_ = 0;
    for (std::string& w : words_) w.clear();
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
        if (wordCount_ == kMaxWords) {
            // The list is full: stop before this word rather than write past the list.
            if (!overflowShown_) session_.prompts().ShowMessage(kSentenceTooLong);
            overflowShown_ = true;
            nat.NatError = true;
            return;
        }
        ++wordCount_;
        std::string& word = words_[wordCount_];

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
        wordEnd_[wordCount_] = ScanPos;
    }
    RewriteConnectives();
}

void NaturalTranslator::DeleteWords(int at, int n) {
    if (n == 0) n = 1;
    if (at < 1 || at > wordCount_) return;
    n = std::min(n, wordCount_ - at + 1);
    for (int k = at; k + n <= wordCount_; ++k) words_[k] = words_[k + n];
    for (int k = wordCount_ - n + 1; k <= wordCount_; ++k) words_[k].clear();
    wordCount_ -= n;
}

bool NaturalTranslator::InsertWord(std::string word, int at) {
    if (wordCount_ == kMaxWords) {
        if (!overflowShown_) session_.prompts().ShowMessage(kSentenceTooLong);
        overflowShown_ = true;
        nat.NatError = true;
        return false;
    }
    at = std::clamp(at, 1, wordCount_ + 1);
    for (int k = wordCount_; k >= at; --k) words_[k + 1] = words_[k];
    words_[at] = std::move(word);
    ++wordCount_;
    return true;
}

int NaturalTranslator::FindWord(std::string_view word, int from, int to) const {
    if (to == 0) to = wordCount_;
    for (int k = std::max(from, 1); k <= std::min(to, wordCount_); ++k) {
        if (words_[k] == word) return k;
    }
    return 0;
}

int NaturalTranslator::FindWhoThat(int from, int to) const {
    if (to == 0) to = wordCount_;
    for (int k = std::max(from, 1); k <= std::min(to, wordCount_); ++k) {
        if (words_[k] == "that" || words_[k] == "who") return k;
    }
    return 0;
}

int NaturalTranslator::LastWhoThat(int from, int to) const {
    if (to == 0) to = from;
    for (int k = std::min(to, wordCount_); k >= std::max(from, 1); --k) {
        if (words_[k] == "that" || words_[k] == "who") return k;
    }
    return 0;
}

bool NaturalTranslator::MatchPhrase(std::string_view phrase, int at) const {
    int k = at;
    size_t start = 0;
    while (start <= phrase.size()) {
        size_t space = phrase.find(' ', start);
        if (space == std::string_view::npos) space = phrase.size();
        if (k < 1 || k > wordCount_ || words_[k] != phrase.substr(start, space - start)) {
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
    for (int k = std::min(to, wordCount_); k >= std::max(from, 1); --k) {
        if (words_[k] == "is" || words_[k] == "are") {
            copulaPos = k;
            return words_[k];
        }
    }
    copulaPos = 0;
    return {};
}

void NaturalTranslator::RewriteConnectives() {
    // The sentence's first comma lies after position i, or there is none.
    const auto firstCommaAfter = [this](int i) {
        const int p = FindWord(",", 1, 0);
        return p == 0 || p > i;
    };
    for (int I = 1; I <= wordCount_ && !nat.NatError; ++I) {
        // Inference and contrast markers carry no logic.
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
                words_[I] = "and";
            }
        }
        if (Word(I) == ";") {
            words_[I] = ",";
            if (!InsertWord("and", I + 1)) return;
            if (Word(I + 2) == "however") {
                DeleteWords(I + 2, 1);
                if (Word(I + 2) == ",") DeleteWords(I + 2, 1);
            }
        }
        if (Word(I) == "whenever") words_[I] = "if";
        if (WordIs(I, {"whoever", "whatever"}) && (I == 1 || Word(I - 1) == ",")) {
            words_[I] = "everything";
            if (!InsertWord("that", I + 1)) return;
        }
        if (Word(I) == "unless") {
            words_[I] = "or";
            if (Word(I - 1) != "," && !InsertWord(",", I)) return;
        }

        // Contractions.
        if (Word(I) == "aren't" || Word(I) == "isn't") {
            words_[I] = Word(I) == "aren't" ? "are" : "is";
            if (!InsertWord("not", I + 1)) return;
        } else if (WordIs(I, {"he's", "it's", "she's", "that's", "nothing's", "nobody's",
                              "everything's", "everyone's", "everybody's", "something's",
                              "someone's", "somebody's", "there's"})) {
            words_[I].resize(words_[I].size() - 2);
            if (!InsertWord("is", I + 1)) return;
        } else if (Word(I) == "no" && Word(I + 1) == "one's") {
            words_[I] = "no one";
            words_[I + 1] = "is";
        } else if (Word(I) == "they're") {
            words_[I] = "they";
            if (!InsertWord("are", I + 1)) return;
        }

        // A leading conditional needs its comma, and "then" after it.
        if (I == 1 && Word(1) == "if") {
            int p = FindWord(",", 2, 0);
            if (p == 0) {
                nat.NatError = true;
                return;
            }
            if (Word(p + 1) != "then") {
                if (WordIs(p + 1, {"and", "or"})) {
                    p = FindWord(",", p + 2, 0);
                    if (p == 0) {
                        nat.NatError = true;
                        return;
                    }
                }
                if (Word(p + 1) != "then" && !InsertWord("then", p + 1)) return;
            }
        }
        // "B only if A" reads "if B , then A".
        if (MatchPhrase("only if", I) && I > 1 && Word(I - 1) != "and" && firstCommaAfter(I)) {
            if (!InsertWord("if", 1)) return;
            words_[I + 1] = ",";
            words_[I + 2] = "then";
            I += 2;
        }
        // "B if A" reads "B , or it is not true that A".
        if (Word(I) == "if" && I > 1 && Word(I - 1) != "only" && Word(I + 1) != "and" &&
            firstCommaAfter(I)) {
            words_[I] = ",";
            int at = I + 1;
            for (const char* w : {"or", "it", "is", "not", "true", "that"}) {
                if (!InsertWord(w, at++)) return;
            }
            I += 6;
        }
        if (Word(I) == "not" &&
            WordIs(I + 1, {"every", "all", "everything", "everyone", "everybody"})) {
            words_[I] = "it";
            int at = I + 1;
            for (const char* w : {"is", "not", "true", "that"}) {
                if (!InsertWord(w, at++)) return;
            }
            I += 4;
        }
    }
    if (nat.NatError) return;

    // "If a man is wise, then he ..." speaks of any man.
    if (Word(1) == "if" && IsArticle(2)) {
        const int p = FindWord(",", 4, 0);
        if (p > 0 && Word(p + 1) == "then") {
            const int q = Word(p + 2) == "either" ? p + 3 : p + 2;
            if (IsPersonalPronoun(q)) words_[2] = "some";
        }
    }

    negFlag_.fill(false);
    int I = 1;
    while (I <= wordCount_) {
        if (MatchPhrase("it is true that", I)) {
            DeleteWords(I, 4);
        } else if (MatchPhrase("it is not true that", I)) {
            DeleteWords(I, 5);
            negFlag_[I] = !negFlag_[I];
        } else {
            ++I;
        }
    }
}

}  // namespace deducto

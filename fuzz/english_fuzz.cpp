// Feeds the English translator sentences of 1 to 70 words, drawn from its own vocabulary and
// from random bytes, over a lexicon of predefined terms, with every answer a user could give
// to the questions it asks (the Check Language Terms dialog, the Language Terms window, the
// confirmations), and only those: a dialog is driven through the controls it shows. After every
// step the lexicon must hold: each term has exactly one letter of the right case, no letter is both
// given to a term and still free, and no form is one that the lexicon's own rules refuse. A
// translation must be a formula the parser reads.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "Session.h"
#include "formula/modBuildPolish.h"
#include "natural/CheckTermsModel.h"
#include "natural/LanguageTermsModel.h"
#include "natural/TermDefinition.h"
#include "natural/modNatural.h"

namespace {

using namespace deducto;

constexpr const char* kVocabulary[] = {
    "a",
    "an",
    "all",
    "every",
    "some",
    "no",
    "any",
    "is",
    "are",
    "not",
    "isn't",
    "aren't",
    "and",
    "or",
    "if",
    "then",
    "only",
    "unless",
    "iff",
    "both",
    "either",
    "who",
    "that",
    "there",
    "exist",
    "exists",
    "does",
    "do",
    "it",
    "he",
    "she",
    "he or she",
    "they",
    "someone",
    "something",
    "somebody",
    "everyone",
    "everything",
    "nobody",
    "nothing",
    "no one",
    "whoever",
    "whatever",
    "whenever",
    "hence",
    "therefore",
    "yet",
    "but",
    "however",
    "otherwise",
    "else",
    "it is not true that",
    "it is true that",
    "he's",
    "nobody's",
    "no one's",
    "they're",
    ",",
    ".",
    ";",
    "socrates",
    "plato",
    "man",
    "men",
    "philosopher",
    "philosophers",
    "greek",
    "wise",
    "mortal",
    "dies",
    "die",
    "will die",
    "non-greek",
    "nonwise",
    "bus",
    "sheep",
    "épique",
    "Épique",
    "ÿ",
    "p:",
    "x",
};
constexpr const char* kKinds[] = {"adjective", "specific noun", "class noun", "predicate"};

class FuzzedPrompts : public UserPrompts {
public:
    explicit FuzzedPrompts(FuzzedDataProvider& data) : data_(data) {}

    void ShowMessage(std::string_view) override {}
    bool Confirm(std::string_view) override { return data_.ConsumeBool(); }

    bool ConfirmTermWithUser(CheckTermsModel& dialog) override {
        for (int step = 0; step < 8 && !dialog.closed(); ++step) {
            switch (data_.ConsumeIntegralInRange(0, 4)) {
                case 0:
                    return dialog.AcceptSuggestion();
                case 1:
                    dialog.cmdCancel_Click();
                    return false;
                case 2: {
                    // The dialog has two tick boxes, and a click turns one over.
                    const int box = data_.ConsumeIntegralInRange(0, 1);
                    dialog.chkTerm_Click(box, !dialog.chkValue(box));
                    break;
                }
                case 3: {
                    // Only a form box on show can be typed into.
                    const int box = data_.ConsumeIntegralInRange(0, 2);
                    if (!dialog.formVisible(box)) break;
                    dialog.txtAltTerm_Change(box, Word());
                    dialog.txtAltTerm_LostFocus(box);
                    break;
                }
                default:
                    if (dialog.cmdOK_Click()) return dialog.TermsAccepted();
            }
        }
        if (!dialog.closed()) dialog.cmdCancel_Click();
        return dialog.TermsAccepted();
    }

    bool EditLanguageTerms(LanguageTermsModel& window) override {
        for (int step = 0; step < 12 && !window.closed(); ++step) {
            switch (data_.ConsumeIntegralInRange(0, 4)) {
                case 0:
                    if (window.boxCount() > 0) {
                        window.Enter(data_.ConsumeIntegralInRange(0, window.boxCount() - 1),
                                     Word());
                    }
                    break;
                case 1:
                    window.AddTerm(
                        static_cast<TermKind>(data_.PickValueInArray({'A', 'C', 'P', 'S'})));
                    break;
                case 2:
                    if (window.cmdUpdate_Click()) return window.TermsAccepted();
                    break;
                case 3:
                    if (window.cmdCancel_Click()) return window.TermsAccepted();
                    break;
                default:
                    window.Close();
            }
        }
        window.Close();
        return window.TermsAccepted();
    }

    // A word of the vocabulary, or a few random bytes.
    std::string Word() {
        if (data_.ConsumeIntegralInRange(0, 3) == 0) return data_.ConsumeRandomLengthString(12);
        return data_.PickValueInArray(kVocabulary);
    }

private:
    FuzzedDataProvider& data_;
};

bool RefusedByTheLexicon(const std::string& form) {
    return form.find('.') != std::string::npos || form == "," || form == ";" || IsCoreWord(form);
}

void CheckLexicon(const Lexicon& lexicon) {
    int specific = 0;
    for (const LangTerm& term : lexicon.Terms) {
        const bool isSpecific = term.Kind == TermKind::SpecificNoun;
        specific += isSpecific ? 1 : 0;
        const char letter = term.Letter;
        if (isSpecific) {
            FUZZ_CHECK(letter >= 'a' && letter <= 'z' && letter != 'x');
        } else {
            FUZZ_CHECK(letter >= 'A' && letter <= 'Z');
        }
        FUZZ_CHECK(lexicon.FindLetter(letter).has_value());
        const std::string& pool = isSpecific ? lexicon.LowerLetterPool : lexicon.UpperLetterPool;
        FUZZ_CHECK(pool.find(letter) == std::string::npos);
        for (const std::string* form : term.ScanOrder()) {
            FUZZ_CHECK(form->empty() || !RefusedByTheLexicon(*form));
        }
    }
    for (const LangTerm& a : lexicon.Terms) {
        int same = 0;
        for (const LangTerm& b : lexicon.Terms) same += a.Letter == b.Letter ? 1 : 0;
        FUZZ_CHECK(same == 1);
    }
    FUZZ_CHECK(specific <= kMaxSpecificNouns);
    FUZZ_CHECK(lexicon.TermCount() - specific <= kMaxOtherTerms);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedPrompts prompts(data);
    Session session(prompts);
    session.mode = Mode::Natural;

    const int predefined = data.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < predefined; ++i) {
        const char* kind = data.PickValueInArray(kKinds);
        (void)DefineTerm(kind, prompts.Word(), session.lexicon);
        CheckLexicon(session.lexicon);
    }
    const int sentences = data.ConsumeIntegralInRange(1, 4);
    for (int s = 0; s < sentences && data.remaining_bytes() > 0; ++s) {
        const int words = data.ConsumeIntegralInRange(1, 70);
        std::string sentence;
        for (int w = 0; w < words; ++w) sentence += (w > 0 ? " " : "") + prompts.Word();
        const int line = data.ConsumeIntegralInRange(0, 8);
        const TranslationFlags flags{data.ConsumeBool(), data.ConsumeBool()};
        const Translation t = TranslateSentence(sentence, line, session, flags);
        CheckLexicon(session.lexicon);
        // The scan reads the sentence with a space after it, and may stop just past that.
        FUZZ_CHECK(t.errPos >= 0 && static_cast<size_t>(t.errPos) <= t.sentence.size() + 2);
        if (t.ok()) FUZZ_CHECK(BuildPolish(t.text, Mode::Natural).ok());
    }
    return 0;
}

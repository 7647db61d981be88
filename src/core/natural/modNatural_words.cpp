// The words of the sentence as the lexicon sees them: which term a word is, its letter,
// and entering a word as a new term.
#include "Outcome.h"
#include "Session.h"
#include "natural/NaturalTranslator.h"

namespace deducto {

std::optional<int> NaturalTranslator::FindWordTerm(int k) const {
    return lexicon_.FindTerm(Word(k));
}

WordLookup NaturalTranslator::WordTermIndex(int k) const {
    const std::string& w = Word(k);
    if (w == "," || w == ".") return {WordKind::Punctuation, -1};
    if (IsCoreWord(w) || (w == "only" && Word(k + 1) == "if")) return {WordKind::Core, -1};
    if (const auto term = lexicon_.FindTerm(w)) return {WordKind::Term, *term};
    return {WordKind::Undefined, -1};
}

std::string NaturalTranslator::WordTermLetter(int k) {
    const std::string& w = Word(k);
    if (const auto i = lexicon_.FindTerm(w)) {
        const LangTerm& t = lexicon_.Terms[*i];
        if (w == t.Singular || w == t.Plural || w == t.CompSingular || w == t.CompPlural) {
            std::string letter = lexicon_.LetterText(*i, w);
            if (!letter.empty()) return letter;
        }
    }
    session_.prompts().ShowMessage(kImpossibleError);
    return {};
}

bool NaturalTranslator::AnyUndefinedWord(int first, int last) const {
    for (int k = first; k <= last; ++k) {
        if (WordTermIndex(k).kind == WordKind::Undefined) return true;
    }
    return false;
}

std::string NaturalTranslator::AddWordTerm(int k, TermKind kind, Number number, bool negative) {
    const AddedTerm added = lexicon_.AddTerm(Word(k), kind, number, negative, nat.CurrentLine);
    NoteRefusal(added, nat);
    return added.letter;
}

bool NaturalTranslator::RequestTermDefinitions(int n) {
    std::vector<std::string> undefined;
    for (int i = 1; i <= n; ++i) {
        if (WordTermIndex(i).kind != WordKind::Undefined) continue;
        bool earlier = false;
        for (int j = 1; j < i && !earlier; ++j) earlier = Word(j) == Word(i);
        if (earlier) continue;
        // A word the lexicon would refuse is not offered for definition: the sentence fails
        // and says why.
        if (const auto problem = TermTextProblem(Word(i))) {
            nat.ShowNatMessage(*problem);
            return false;
        }
        undefined.push_back(Word(i));
    }
    const bool accepted = deducto::RequestTermDefinitions(undefined, session_);
    if (!accepted && !undefined.empty()) declinedRequest = DefinitionRequest(undefined);
    return accepted;
}

bool LooksPlural(std::string_view word) {
    if (word.size() < 3) return false;
    const auto endsWith = [word](std::string_view tail) {
        return word.size() >= tail.size() && word.substr(word.size() - tail.size()) == tail;
    };
    return !endsWith("ss") && (endsWith("s") || endsWith("men"));
}

std::string SubstituteConstant(std::string_view formula, char constant) {
    std::string out(formula);
    for (size_t i = 1; i < out.size(); ++i) {
        if (out[i] == 'x' && out[i - 1] >= 'A' && out[i - 1] <= 'Z') out[i] = constant;
    }
    return out;
}

}  // namespace deducto

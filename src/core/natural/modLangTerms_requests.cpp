// The questions about terms that a translation may ask: define these words, supply the
// missing forms, or confirm one word's kind. Each opens its window modally through the
// session's prompts.
#include "Session.h"
#include "natural/CheckTermsModel.h"
#include "natural/LanguageTermsModel.h"
#include "natural/modLangTerms.h"

namespace deducto {

std::string DefinitionRequest(const std::vector<std::string>& undefinedWords) {
    std::string query = "Please define the following terms: ";
    for (const std::string& word : undefinedWords) query += " " + ToUpper(word);
    return query + ".";
}

bool RequestTermDefinitions(const std::vector<std::string>& undefinedWords, Session& session) {
    if (undefinedWords.empty()) return false;
    LanguageTermsModel window(session, DefinitionRequest(undefinedWords));
    session.prompts().EditLanguageTerms(window);
    return window.TermsAccepted();
}

bool RequestMissingForms(Session& session) {
    bool missing = false;
    // Every term is filled, so derivable forms appear even when another term lacks one.
    for (int i = 0; i < session.lexicon.TermCount(); ++i) {
        missing = session.lexicon.FillTermForms(i) || missing;
    }
    if (!missing) return false;
    LanguageTermsModel window(session, "Please provide missing term variant(s).");
    session.prompts().EditLanguageTerms(window);
    return !window.TermsAccepted();
}

bool ConfirmTermWithUser(CheckTermsModel& dialog, NatState& nat) {
    nat.prompts().ConfirmTermWithUser(dialog);
    if (!dialog.TermsAccepted()) nat.NatError = true;
    return dialog.TermsAccepted();
}

}  // namespace deducto

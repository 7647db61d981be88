// A natural-language session for tests, with terms defined in one line each and a
// scripted user that can be told how to answer the term windows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "Session.h"
#include "natural/CheckTermsModel.h"
#include "natural/LanguageTermsModel.h"
#include "natural/NaturalTranslator.h"
#include "natural/TermDefinition.h"
#include "natural/modNatural.h"
#include "support/ScriptedPrompts.h"

namespace deducto::testing {

class NaturalTest : public ::testing::Test {
protected:
    ScriptedSession s{Mode::Natural};
    Session& session = s.session;
    Lexicon& lexicon = s.session.lexicon;
    std::vector<std::string>& messages = s.prompts.messages;
    TranslationFlags flags;  // what the workflow tells each translation

    // Defines a term ("class noun", "man") and returns its letter.
    std::string Define(std::string_view kind, std::string_view text) {
        const TermDefinition d = DefineTerm(kind, text, session.lexicon);
        EXPECT_TRUE(d.ok()) << d.error;
        return d.letter;
    }
    // The user of the Check Language Terms dialog takes every suggestion.
    void AcceptSuggestions() {
        s.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    }
    Translation Translate(std::string_view sentence, int line = 1) {
        return TranslateSentence(sentence, line, session, flags);
    }
    // The letter of the term that has `form`.
    char LetterOf(std::string_view form) {
        const auto i = lexicon.FindTerm(form);
        EXPECT_TRUE(i.has_value()) << form;
        return i ? lexicon.Terms[static_cast<size_t>(*i)].Letter : '?';
    }
};

}  // namespace deducto::testing

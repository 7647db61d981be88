// The program's answers to every question: message boxes for messages and confirmations,
// and the term windows for the questions about terms, each shown modally over the active
// window.
#pragma once

#include "ui/QtPrompts.h"

namespace deducto {

class TermWindowPrompts : public ui::QtPrompts {
public:
    bool ConfirmTermWithUser(CheckTermsModel& dialog) override;
    bool EditLanguageTerms(LanguageTermsModel& window) override;
};

}  // namespace deducto

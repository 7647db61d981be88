// TermWindowPrompts: nothing more is shown once the program is closing.
#include "natural/TermWindowPrompts.h"

#include "natural/frmCheckTerms.h"
#include "natural/frmLanguageTerms.h"

namespace deducto {

bool TermWindowPrompts::ConfirmTermWithUser(CheckTermsModel& dialog) {
    return !silenced() && ShowCheckTermsDialog(dialog);
}

bool TermWindowPrompts::EditLanguageTerms(LanguageTermsModel& window) {
    return !silenced() && ShowLanguageTermsWindow(window);
}

}  // namespace deducto

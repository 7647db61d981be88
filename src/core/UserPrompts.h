// The questions the engine may put to the user.
#pragma once

#include <string_view>

namespace deducto {

class CheckTermsModel;
class LanguageTermsModel;

// The engine's only way to ask the user anything. The app answers with real windows, the
// checker and the tests with scripted answers. The window's own questions (which file, save
// first?) are the app's, behind a seam of its own.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual void ShowMessage(std::string_view text) = 0;             // OK only
    virtual bool Confirm(std::string_view text) = 0;                 // OK / Cancel
    virtual bool ConfirmTermWithUser(CheckTermsModel& dialog) = 0;   // true when accepted
    virtual bool EditLanguageTerms(LanguageTermsModel& window) = 0;  // true on Update
};

}  // namespace deducto

// The rules of the Check Language Terms dialog, which asks the user whether one new word is
// an adjective or a plural class noun and shows its other forms for correction. The window
// binds its controls to this model; tests and the checker drive the model directly.
//
// Boxes are 0-based here: check box 0 is chkTerm1, form box 0 is txtAltTerm1.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "natural/NatState.h"
#include "natural/modLangTerms.h"

namespace deducto {

inline constexpr const char* kPluralClassNoun = "plural class noun";
inline constexpr const char* kAdjectiveCaption = "adjective";

// What the translator asks.
struct CheckTermsRequest {
    std::string TermQuery;          // "Please categorize term." or "Please confirm or modify."
    std::string TermUnderCheck;     // the word, lower case, as in the sentence
    std::string CheckKinds = "AC";  // the kind offered by each check box
    std::string CheckNumber = "P";  // "P": the word stands where a plural noun may stand
    std::string CheckSuggestion;    // "A", "C", or "" for none
};

class CheckTermsModel {
public:
    // Sets the dialog up (its load): ticks the suggested kind and shows its derived forms.
    CheckTermsModel(Lexicon& lexicon, NatState& nat, CheckTermsRequest request);
    ~CheckTermsModel();  // the dialog unloads
    CheckTermsModel(const CheckTermsModel&) = delete;
    CheckTermsModel& operator=(const CheckTermsModel&) = delete;

    // What the dialog shows.
    [[nodiscard]] const CheckTermsRequest& request() const { return request_; }
    [[nodiscard]] const std::string& lblQueryMessage() const { return request_.TermQuery; }
    [[nodiscard]] std::string lblTerm() const { return ToUpper(request_.TermUnderCheck); }
    [[nodiscard]] const std::string& chkCaption(int i) const { return checkCaption_[i]; }
    [[nodiscard]] bool chkValue(int i) const { return checked_[i]; }
    [[nodiscard]] const std::string& lblAltTerm(int i) const { return formCaption_[i]; }
    [[nodiscard]] bool formVisible(int i) const { return formVisible_[i]; }
    [[nodiscard]] const std::string& txtAltTerm(int i) const { return form_[i]; }
    // The form box that should take the focus now, once.
    [[nodiscard]] std::optional<int> TakeFocusRequest();

    // Events. A check box reports the value the click left it with.
    void chkTerm_Click(int i, bool ticked);
    // The user changed the text of form box i (shown in upper case from now on).
    void txtAltTerm_Change(int i, std::string_view text);
    void txtAltTerm_LostFocus(int i);
    // Records the term; true when the dialog closes. Messages go to the user.
    bool cmdOK_Click();
    void cmdCancel_Click();

    // A user who agrees with everything: ticks the suggested kind (an adjective when there
    // is none) and presses OK, or Cancel when the term cannot be recorded as shown.
    bool AcceptSuggestion();

    [[nodiscard]] bool TermsAccepted() const { return accepted_; }
    [[nodiscard]] bool closed() const { return closed_; }

private:
    void SetChecked(int i, bool ticked);
    void ComplementLayout();
    void PluralLayout();
    [[nodiscard]] bool PluralTicked() const;

    Lexicon& lexicon_;
    NatState& nat_;
    CheckTermsRequest request_;
    bool loading_ = false;
    bool edited_ = false;
    bool accepted_ = false;
    bool closed_ = false;
    std::optional<int> focus_;
    std::array<std::string, 2> checkCaption_{"plural noun", "plural noun"};
    std::array<bool, 2> checked_{};
    std::array<std::string, 3> formCaption_;
    std::array<bool, 3> formVisible_{true, true, true};
    std::array<std::string, 3> form_;
};

}  // namespace deducto

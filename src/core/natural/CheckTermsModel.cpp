#include "natural/CheckTermsModel.h"

#include <cassert>

#include "Session.h"
#include "text/Spacing.h"

namespace deducto {

CheckTermsModel::CheckTermsModel(Lexicon& lexicon, NatState& nat, CheckTermsRequest request)
    : lexicon_(lexicon), nat_(nat), request_(std::move(request)) {
    loading_ = true;
    nat_.CheckDialogOpen = true;
    form_[0].clear();
    for (int i = 0; i < 2 && i < static_cast<int>(request_.CheckKinds.size()); ++i) {
        const char kind = request_.CheckKinds[static_cast<size_t>(i)];
        const bool ticked = request_.CheckSuggestion == std::string(1, kind);
        if (kind == 'C' && request_.CheckNumber == "P") {
            checkCaption_[i] = kPluralClassNoun;
            SetChecked(i, ticked);
        } else if (kind == 'A') {
            checkCaption_[i] = kAdjectiveCaption;
            SetChecked(i, ticked);
        }
    }
    loading_ = false;
}

CheckTermsModel::~CheckTermsModel() { nat_.CheckDialogOpen = false; }

std::optional<int> CheckTermsModel::TakeFocusRequest() {
    std::optional<int> focus = focus_;
    focus_.reset();
    return focus;
}

// A box set by the program raises its click only when its value changes.
void CheckTermsModel::SetChecked(int i, bool ticked) {
    if (checked_[i] == ticked) return;
    chkTerm_Click(i, ticked);
}

void CheckTermsModel::chkTerm_Click(int i, bool ticked) {
    assert(i == 0 || i == 1);  // the dialog has two tick boxes
    checked_[i] = ticked;
    if (!ticked) return;  // clearing a box changes nothing else
    SetChecked(1 - i, false);
    for (std::string& form : form_) form.clear();
    if (checkCaption_[i] == kAdjectiveCaption) {
        ComplementLayout();
    } else if (checkCaption_[i] == kPluralClassNoun) {
        PluralLayout();
    }
    if (!loading_) focus_ = 0;
}

void CheckTermsModel::ComplementLayout() {
    formCaption_[0] = "complement:";
    if (loading_ || Trim(form_[0]).empty()) {
        form_[0] = ToUpper(ComplementOf(request_.TermUnderCheck));
    }
    formVisible_[1] = formVisible_[2] = false;
}

void CheckTermsModel::PluralLayout() {
    formCaption_ = {"s:", "comp. s.:", "comp. pl.:"};
    const std::string& w = request_.TermUnderCheck;
    if (loading_ || Trim(form_[0]).empty()) form_[0] = ToUpper(NounSingular(w));
    if (loading_ || Trim(form_[1]).empty()) form_[1] = ToUpper(ComplementOf(NounSingular(w)));
    if (loading_ || Trim(form_[2]).empty()) form_[2] = ToUpper(ComplementOf(w));
    formVisible_[1] = formVisible_[2] = true;
}

void CheckTermsModel::txtAltTerm_Change(int i, std::string_view text) {
    form_[i] = ToUpper(text);
    edited_ = true;
}

void CheckTermsModel::txtAltTerm_LostFocus(int i) {
    if (!edited_) return;
    form_[i] = ToUpper(Trim(form_[i]));
    if (form_[i].empty() || !checked_[1] || checkCaption_[1] != kPluralClassNoun) return;
    const auto fill = [this](int box, const std::string& value) {
        if (form_[box].empty()) form_[box] = ToUpper(value);
    };
    const auto lower = [this](int box) { return ToLower(form_[box]); };
    switch (i) {
        case 0:  // singular
            fill(1, ComplementOf(lower(0)));
            fill(2, NounPlural(lower(1)));
            break;
        case 1:  // complementary singular
            fill(0, ComplementOf(lower(1)));
            fill(2, NounPlural(lower(1)));
            break;
        default:  // complementary plural
            fill(1, NounSingular(lower(2)));
            fill(0, ComplementOf(lower(1)));
            break;
    }
}

bool CheckTermsModel::PluralTicked() const {
    for (int i = 0; i < 2; ++i) {
        if (checked_[i] && checkCaption_[i] == kPluralClassNoun) return true;
    }
    return false;
}

bool CheckTermsModel::cmdOK_Click() {
    for (std::string& form : form_) form = NormaliseSpacing(form);
    const std::string word = "\"" + ToUpper(request_.TermUnderCheck) + "\"";
    const bool plural = PluralTicked();
    std::string message;
    if (plural) {
        if (form_[0].empty()) {
            message = "Missing singular form for " + word;
        } else if (form_[1].empty()) {
            message = "Missing complementary singular form for " + word;
        } else if (form_[2].empty()) {
            message = "Missing complementary plural form for " + word;
        }
    } else {
        const bool adjective = (checked_[0] && checkCaption_[0] == kAdjectiveCaption) ||
                               (checked_[1] && checkCaption_[1] == kAdjectiveCaption);
        if (adjective && form_[0].empty()) message = "Missing complementary form for " + word;
    }
    if (!message.empty()) {
        nat_.prompts().ShowMessage(message);
        return false;
    }
    // A refusal on an earlier OK is not held against this one.
    nat_.NatError = false;
    nat_.TermProblem = false;
    const AddedTerm added =
        plural ? lexicon_.AddTerm(request_.TermUnderCheck, TermKind::ClassNoun, Number::Plural,
                                  false, nat_.CurrentLine,
                                  {ToLower(form_[0]), ToLower(form_[1]), ToLower(form_[2])})
               : lexicon_.AddTerm(request_.TermUnderCheck, TermKind::Adjective, Number::Unknown,
                                  false, nat_.CurrentLine, {"", ToLower(form_[0]), ""});
    NoteRefusal(added, nat_);
    if (!added.ok()) return false;
    accepted_ = true;
    closed_ = true;
    return true;
}

void CheckTermsModel::cmdCancel_Click() {
    nat_.NatError = true;
    closed_ = true;
}

bool CheckTermsModel::AcceptSuggestion() {
    if (!checked_[0] && !checked_[1]) {
        const char wanted = request_.CheckSuggestion.empty() ? 'A' : request_.CheckSuggestion[0];
        const size_t box = request_.CheckKinds.find(wanted);
        if (box < 2) chkTerm_Click(static_cast<int>(box), true);
    }
    if (!cmdOK_Click()) cmdCancel_Click();
    return accepted_;
}

}  // namespace deducto

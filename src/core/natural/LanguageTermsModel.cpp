#include "natural/LanguageTermsModel.h"

#include "Session.h"

namespace deducto {

namespace {

struct FormSlot {
    std::string LangTerm::*field;
    char number;  // 'S', 'P' or ' '
    bool negative;
    const char* label;
};

// The boxes of one term in table order.
std::vector<FormSlot> SlotsOf(TermKind kind) {
    switch (kind) {
        case TermKind::Adjective:
            return {{&LangTerm::Singular, ' ', false, ""},
                    {&LangTerm::CompSingular, ' ', true, ""}};
        case TermKind::SpecificNoun:
            return {{&LangTerm::Singular, ' ', false, ""}};
        case TermKind::ClassNoun:
            return {{&LangTerm::Singular, 'S', false, "s."},
                    {&LangTerm::Plural, 'P', false, "pl."},
                    {&LangTerm::CompSingular, 'S', true, "s."},
                    {&LangTerm::CompPlural, 'P', true, "pl."}};
        case TermKind::Predicate:
            return {{&LangTerm::Singular, 'S', false, "aff. s."},
                    {&LangTerm::NegSingular, 'S', true, "neg. s."},
                    {&LangTerm::Plural, 'P', false, "aff. pl."},
                    {&LangTerm::NegPlural, 'P', true, "neg. pl."}};
    }
    return {};
}

std::string EntryNumber(int entry) {
    std::string digits = std::to_string(entry + 1);
    return std::string(3 - std::min<size_t>(3, digits.size()), '0') + digits;
}

}  // namespace

LanguageTermsModel::LanguageTermsModel(Session& session, std::string TermQuery)
    : session_(session), TermQuery_(std::move(TermQuery)) {
    const Lexicon& lexicon = session_.lexicon;
    for (TermKind kind :
         {TermKind::Adjective, TermKind::SpecificNoun, TermKind::ClassNoun, TermKind::Predicate}) {
        for (int e = 0; e < lexicon.TermCount(); ++e) {
            if (lexicon.Terms[static_cast<size_t>(e)].Kind == kind) {
                AddBoxes(kind, e, &lexicon.Terms[static_cast<size_t>(e)]);
            }
        }
    }
    nextEntry_ = lexicon.TermCount();
    specificEnabled_ = specificNouns_ < kMaxSpecificNouns;
    othersEnabled_ = nextEntry_ - specificNouns_ < kMaxOtherTerms;
}

void LanguageTermsModel::AddBoxes(TermKind kind, int entry, const LangTerm* term) {
    terms_.push_back({kind, entry, boxCount()});
    for (const FormSlot& slot : SlotsOf(kind)) {
        TermBox box;
        box.TermTag =
            EntryNumber(entry) + KindLetter(kind) + slot.number + (slot.negative ? 'N' : 'A');
        box.text = term != nullptr ? ToUpper(term->*slot.field) : std::string();
        box.label = slot.label;
        box.term = termCount() - 1;
        boxes_.push_back(std::move(box));
    }
    if (kind == TermKind::SpecificNoun) ++specificNouns_;
}

bool LanguageTermsModel::AddEnabled(TermKind kind) const {
    return kind == TermKind::SpecificNoun ? specificEnabled_ : othersEnabled_;
}

std::optional<int> LanguageTermsModel::AddTerm(TermKind kind) {
    if (!AddEnabled(kind)) return std::nullopt;
    const int first = boxCount();
    AddBoxes(kind, nextEntry_, nullptr);
    ++nextEntry_;
    // Once disabled, an add command stays so while the window lives.
    if (specificNouns_ >= kMaxSpecificNouns) specificEnabled_ = false;
    if (nextEntry_ - specificNouns_ >= kMaxOtherTerms) othersEnabled_ = false;
    return first;
}

void LanguageTermsModel::txtValue_Change(int i, std::string_view text) {
    boxes_[static_cast<size_t>(i)].text = ToUpper(text);
    typed_ = true;
}

TermBox& LanguageTermsModel::FormBox(int term, int form) {
    return boxes_[static_cast<size_t>(firstBox(term)) + static_cast<size_t>(form)];
}

std::string LanguageTermsModel::Lower(int term, int form) const {
    return ToLower(boxes_[static_cast<size_t>(firstBox(term)) + static_cast<size_t>(form)].text);
}

void LanguageTermsModel::txtValue_LostFocus(int i) {
    if (!typed_) return;
    TermBox& left = boxes_[static_cast<size_t>(i)];
    left.text = NormaliseSpacing(left.text);
    if (left.text.empty()) return;
    const int term = left.term;
    const int form = i - firstBox(term);
    // Fills form `target` of the term when it is empty; sources are read at that moment.
    const auto fill = [&](int target, auto derive, int source) {
        std::string& text = FormBox(term, target).text;
        text = NormaliseSpacing(text);
        if (text.empty()) text = ToUpper(derive(Lower(term, source)));
    };
    const auto comp = [](const std::string& s) { return ComplementOf(s); };
    const auto nounPlural = [](const std::string& s) { return NounPlural(s); };
    const auto nounSingular = [](const std::string& s) { return NounSingular(s); };
    const auto predPlural = [](const std::string& s) { return PredicatePlural(s); };
    const auto predSingular = [](const std::string& s) { return PredicateSingular(s); };
    const auto negate = [](const std::string& s) { return NegatePredicate(s); };
    const auto affirm = [](const std::string& s) { return AffirmPredicate(s); };
    switch (termKind(term)) {
        case TermKind::Adjective:
            fill(1 - form, comp, form);
            break;
        case TermKind::SpecificNoun:
            break;
        case TermKind::ClassNoun:  // singular, plural, comp. singular, comp. plural
            if (form == 0) {
                fill(1, nounPlural, 0), fill(2, comp, 0), fill(3, comp, 1);
            } else if (form == 1) {
                fill(0, nounSingular, 1), fill(3, comp, 1), fill(2, comp, 0);
            } else if (form == 2) {
                fill(3, nounPlural, 2), fill(0, comp, 2), fill(1, nounPlural, 0);
            } else {
                fill(2, nounSingular, 3), fill(1, comp, 3), fill(0, comp, 2);
            }
            break;
        case TermKind::Predicate:  // aff. singular, neg. singular, aff. plural, neg. plural
            if (form == 0) {
                fill(1, negate, 0), fill(2, predPlural, 0), fill(3, predPlural, 1);
            } else if (form == 1) {
                fill(0, affirm, 1), fill(2, predPlural, 0), fill(3, predPlural, 1);
            } else if (form == 2) {
                fill(0, predSingular, 2), fill(1, negate, 0), fill(3, predPlural, 1);
            } else {
                fill(1, predSingular, 3), fill(0, affirm, 1), fill(2, affirm, 3);
            }
            break;
    }
}

void LanguageTermsModel::Enter(int i, std::string_view text) {
    txtValue_Change(i, text);
    txtValue_LostFocus(i);
}

bool LanguageTermsModel::cmdUpdate_Click() {
    Lexicon& lexicon = session_.lexicon;
    UserPrompts& prompts = session_.prompts();

    std::vector<TermTexts> table;
    for (int t = 0; t < termCount(); ++t) {
        TermTexts texts{termKind(t), {}};
        for (int f = 0; f < FormCount(termKind(t)); ++f) {
            texts.forms.push_back(FormBox(t, f).text);
        }
        table.push_back(std::move(texts));
    }
    const std::optional<std::string> problem = ValidateTermTexts(table);
    for (int t = 0; t < termCount(); ++t) {
        for (int f = 0; f < FormCount(termKind(t)); ++f) {
            FormBox(t, f).text =
                ToUpper(table[static_cast<size_t>(t)].forms[static_cast<size_t>(f)]);
        }
    }
    if (problem) {
        prompts.ShowMessage(*problem);
        return false;
    }

    // Lines that used a form that changed are translated again.
    const int oldCount = lexicon.TermCount();
    for (int t = 0; t < termCount(); ++t) {
        const TermRow& row = terms_[static_cast<size_t>(t)];
        if (row.entry >= oldCount) continue;
        const LangTerm& old = lexicon.Terms[static_cast<size_t>(row.entry)];
        const std::vector<FormSlot> slots = SlotsOf(row.kind);
        for (size_t f = 0; f < slots.size(); ++f) {
            if (Lower(t, static_cast<int>(f)) == old.*slots[f].field) continue;
            for (size_t p = 0; p < old.LineUse.size() && p < session_.lineReparse.size(); ++p) {
                if (old.LineUse[p] == 'Y') session_.lineReparse[p] = 'Y';
            }
        }
    }

    std::vector<LangTerm> entries(static_cast<size_t>(nextEntry_));
    for (int e = 0; e < oldCount; ++e)
        entries[static_cast<size_t>(e)] = lexicon.Terms[static_cast<size_t>(e)];
    for (int t = 0; t < termCount(); ++t) {
        const TermRow& row = terms_[static_cast<size_t>(t)];
        LangTerm& entry = entries[static_cast<size_t>(row.entry)];
        entry.Kind = row.kind;
        const std::vector<FormSlot> slots = SlotsOf(row.kind);
        for (size_t f = 0; f < slots.size(); ++f)
            entry.*slots[f].field = Lower(t, static_cast<int>(f));
        if (!entry.Singular.empty() && entry.Letter == 0) {
            if (const auto letter = lexicon.AssignTermLetter(row.kind, entry.Singular)) {
                entry.Letter = *letter;
            } else {
                prompts.ShowMessage(TermLimitMessage(row.kind));
                prompts.ShowMessage("Impossible Error");
            }
        }
    }
    // Terms whose forms were all emptied are deleted; their letters become free again.
    std::vector<LangTerm> kept;
    for (LangTerm& entry : entries) {
        if (entry.Singular.empty()) {
            lexicon.ReturnLetter(entry.Kind, entry.Letter);
        } else {
            kept.push_back(std::move(entry));
        }
    }
    lexicon.Terms = std::move(kept);
    lexicon.TermsShownCount = lexicon.TermCount();
    accepted_ = true;
    closed_ = true;
    return true;
}

bool LanguageTermsModel::cmdCancel_Click() {
    if (!session_.prompts().Confirm(kUndoEntriesQuestion)) return false;
    closed_ = true;
    return true;
}

}  // namespace deducto

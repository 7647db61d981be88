// The rules of the Language Terms window, in which the user sees and edits the whole
// lexicon: one text box per form, grouped by term, the add commands, the forms filled in when
// a box is left, and Update (check, flag changed lines, write back) or Cancel. The window
// binds its controls to this model; tests and the checker drive the model directly.
//
// Boxes are numbered from 0 in table order: adjectives, specific nouns, class nouns and
// predicates as loaded, then the terms added here. A term's boxes are consecutive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "natural/modLangTerms.h"

namespace deducto {

class Session;

inline constexpr const char* kUndoEntriesQuestion =
    "This action will undo any entries already made on this screen.";

struct TermBox {
    std::string TermTag;  // entry number (3 digits, from 001), kind, number, 'A' or 'N'
    std::string text;     // in upper case, as shown
    std::string label;    // the caption beside the box ("s.", "aff. pl.", ...), or ""
    int term = 0;         // which term of the table (0-based, table order)
};

class LanguageTermsModel {
public:
    // Loads the table from session.lexicon. `TermQuery` is the request shown at the top
    // ("" for none).
    LanguageTermsModel(Session& session, std::string TermQuery);

    [[nodiscard]] const std::string& TermQuery() const { return TermQuery_; }
    [[nodiscard]] int boxCount() const { return static_cast<int>(boxes_.size()); }
    [[nodiscard]] const TermBox& box(int i) const { return boxes_[static_cast<size_t>(i)]; }
    [[nodiscard]] int termCount() const { return static_cast<int>(terms_.size()); }
    [[nodiscard]] TermKind termKind(int term) const {
        return terms_[static_cast<size_t>(term)].kind;
    }
    [[nodiscard]] int firstBox(int term) const {
        return terms_[static_cast<size_t>(term)].firstBox;
    }

    // Whether the add command for a kind is still offered (the lexicon's limits).
    [[nodiscard]] bool AddEnabled(TermKind kind) const;
    // Adds an empty term of `kind`; its first box, which takes the focus. nullopt when the
    // command is disabled.
    std::optional<int> AddTerm(TermKind kind);

    // The user changed the text of box i (shown in upper case from now on).
    void txtValue_Change(int i, std::string_view text);
    // Leaving box i fills the empty forms of its term that can be derived from it.
    void txtValue_LostFocus(int i);
    // Types `text` into box i and leaves it.
    void Enter(int i, std::string_view text);

    // Checks the table and writes it into the lexicon; true when the window closes.
    bool cmdUpdate_Click();
    // Asks whether to undo the entries; true when the window closes.
    bool cmdCancel_Click();
    // The window's close box: the table is discarded without a question.
    void Close() { closed_ = true; }

    [[nodiscard]] bool TermsAccepted() const { return accepted_; }
    [[nodiscard]] bool closed() const { return closed_; }

private:
    struct TermRow {
        TermKind kind;
        int entry;  // 0-based lexicon index; entries from TermCount() on are new
        int firstBox;
    };
    void AddBoxes(TermKind kind, int entry, const LangTerm* term);
    TermBox& FormBox(int term, int form);
    [[nodiscard]] std::string Lower(int term, int form) const;

    Session& session_;
    std::string TermQuery_;
    std::vector<TermBox> boxes_;
    std::vector<TermRow> terms_;
    int nextEntry_ = 0;
    int specificNouns_ = 0;
    bool specificEnabled_ = true;
    bool othersEnabled_ = true;
    bool typed_ = false;
    bool accepted_ = false;
    bool closed_ = false;
};

}  // namespace deducto

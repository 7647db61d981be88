// DrawTermsPanel: headings and the entry layouts of the four kinds.
#include "natural/TermsPanel.h"

#include <string>

namespace deducto {
namespace {

inline constexpr int kNameX = 600;
inline constexpr int kWrapX = 800;       // where forms go when the name is too long
inline constexpr int kLongNameX = 3000;  // forms starting beyond this move down a line
inline constexpr int kEntryStep = 300;
inline constexpr int kFormStep = 200;

struct Section {
    TermKind kind;
    const char* heading;
};
constexpr Section kSections[] = {{TermKind::Adjective, "ADJECTIVES"},
                                 {TermKind::SpecificNoun, "SPECIFIC NOUNS"},
                                 {TermKind::ClassNoun, "CLASS NOUNS"},
                                 {TermKind::Predicate, "PREDICATES"}};

class EntryWriter {
public:
    EntryWriter(ui::Canvas& canvas, int& y) : canvas_(canvas), y_(y) {}

    void Write(const LangTerm& term, bool isNew) {
        y_ += kEntryStep;
        canvas_.Font.bold = false;
        canvas_.PrintAt(0, y_, std::string(1, term.Letter));
        canvas_.Font.bold = isNew;
        const std::string name = ToUpper(term.Singular);
        canvas_.PrintAt(kNameX, y_, name);
        if (term.Kind == TermKind::SpecificNoun) return;
        int x1 = kNameX + canvas_.TextWidth(name + " ");
        if (x1 > kLongNameX) {
            x1 = kWrapX;
            y_ += kFormStep;
        }
        switch (term.Kind) {
            case TermKind::Adjective:
                canvas_.PrintAt(x1, y_, "c. " + ToUpper(term.CompSingular));
                return;
            case TermKind::ClassNoun: {
                const int x2 = PluralAt(x1, term);
                y_ += kFormStep;
                canvas_.PrintAt(x2 - Width("c. "), y_, "c. " + ToUpper(term.CompSingular));
                y_ += kFormStep;
                canvas_.PrintAt(std::max(kNameX, x2 - Width("pl. c. ")), y_,
                                "pl. c. " + ToUpper(term.CompPlural));
                return;
            }
            case TermKind::Predicate: {
                const int x2 = PluralAt(x1, term);
                y_ += kFormStep;
                canvas_.PrintAt(std::max(kNameX, x2 - Width("neg. s. ")), y_, "neg. s.");
                canvas_.PrintAt(x2, y_, ToUpper(term.NegSingular));
                y_ += kFormStep;
                canvas_.PrintAt(x2 - Width("neg. pl. "), y_, "neg. pl.");
                canvas_.PrintAt(x2, y_, ToUpper(term.NegPlural));
                return;
            }
            case TermKind::SpecificNoun:
                return;
        }
    }

private:
    // "pl." at x1 and the plural after it; where the column of forms starts.
    int PluralAt(int x1, const LangTerm& term) {
        canvas_.PrintAt(x1, y_, "pl.");
        const int x2 = x1 + Width("pl. ");
        canvas_.PrintAt(x2, y_, ToUpper(term.Plural));
        return x2;
    }
    int Width(const char* text) const { return canvas_.TextWidth(text); }

    ui::Canvas& canvas_;
    int& y_;
};

}  // namespace

int DrawTermsPanel(ui::Canvas& canvas, const Lexicon& lexicon) {
    canvas.GrowTo({20000, 20000});
    canvas.SetBackColor(ui::kLightCyan);
    canvas.ForeColor = ui::kBlack;
    canvas.Font = ui::FontSpec{ui::kSansSerif, 14, true, false};
    canvas.PrintAt(0, 100, "TERMS:");
    int y = 700;
    EntryWriter writer(canvas, y);
    for (const Section& section : kSections) {
        canvas.Font = ui::FontSpec{ui::kSansSerif, 10, false, true};
        canvas.PrintAt(300, y, section.heading);
        canvas.Font = ui::FontSpec{ui::kSansSerif, 8, false, false};
        for (int e = 0; e < lexicon.TermCount(); ++e) {
            const LangTerm& term = lexicon.Terms[static_cast<size_t>(e)];
            if (term.Kind == section.kind) writer.Write(term, e >= lexicon.TermsShownCount);
        }
        y += 400;
    }
    canvas.Font = ui::FontSpec{};
    return y;
}

}  // namespace deducto

// DrawSyntaxPanel: the panel's frame and title.
#include "reference/SyntaxPanel.h"

namespace deducto {
namespace {

struct Title {
    const char* text;
    int x;
};

Title TitleOf(Mode mode) {
    switch (mode) {
        case Mode::Propositional:
            return {"SYNTAX (propositional calculus)", 500};
        case Mode::Predicate:
            return {"SYNTAX (monadic predicate calculus)", 100};
        case Mode::SetTheory:
            return {"SYNTAX (elementary set theory)", 300};
        case Mode::Natural:
            break;
    }
    return {"SYNTAX (natural language)", 600};
}

}  // namespace

void DrawSyntaxPanel(ui::Canvas& canvas, Mode mode) {
    canvas.GrowTo(kPanelSize);
    canvas.SetBackColor(ui::kLightCyan);
    canvas.ForeColor = ui::kBlack;
    canvas.Font = ui::FontSpec{ui::kSansSerif, 14, true, false};
    const Title title = TitleOf(mode);
    canvas.PrintAt(title.x, 100, title.text);
    canvas.Font = ui::FontSpec{};
}

}  // namespace deducto

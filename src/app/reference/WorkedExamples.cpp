// The examples' texts.
#include "reference/WorkedExamples.h"

namespace deducto {
namespace {

const WorkedExample kPropositional{
    Mode::Propositional,
    "Propositional Calculus Example",
    800,
    "WEATHER FORECAST",
    1400,
    {"(r and k) implies p", "k iff (t and a)", "s or not t", "(not p) implies u",
     "(s implies c) and (c implies s)", "a and not c", "r"},
    "u",
    {}};

const WorkedExample kPredicate{
    Mode::Predicate,
    "Predicate Calculus Example",
    1150,
    "THE SINGLE-SEX CLASSROOM",
    800,
    {"forall x (Ax or Bx)", "forall x (Ax implies Mx) or forall x (Ax implies Fx)",
     "forall x (Bx implies Mx) iff forall x (Ax implies Fx)", "Fm and Wm",
     "not exists x exists y (Wx and Wy and Mx and Fy)", "exists w (Ww and Aw)",
     "forall x (Mx implies not Fx)"},
    "forall x (Bx implies Mx)",
    {}};

const WorkedExample kSetTheory{
    Mode::SetTheory,
    "Set Theory Example",
    1550,
    "QUADRILATERALS",
    1600,
    {"P intersection T = nullset", "H subset P and exists h (h belongs H and h belongs R')",
     "S = H.R", "f belongs S"},
    "not f belongs T",
    {}};

// The two multi-word terms cannot be inferred from the sentences, so the example defines
// them; the others are defined too, in the order the sentences would introduce them.
const WorkedExample kNatural{
    Mode::Natural,
    "Natural Language Example",
    800,
    "THE SQUARE ROOT OF -1",
    800,
    {"No imaginary numbers are real, and every imaginary number is complex.",
     "A number is rational if and only if it can be expressed as a fraction of two integers.",
     "The square root of -1 is an imaginary number.",
     "There exist real numbers that are not rational.",
     "If any number is both complex and rational, then it is real."},
    "The square root of -1 cannot be expressed as a fraction of two integers.",
    {{"predicate", "can be expressed as a fraction of two integers"},
     {"specific noun", "the square root of -1"},
     {"adjective", "imaginary"},
     {"class noun", "number"},
     {"adjective", "real"},
     {"adjective", "complex"},
     {"adjective", "rational"}}};

}  // namespace

const WorkedExample& ExampleFor(Mode mode) {
    switch (mode) {
        case Mode::Propositional:
            return kPropositional;
        case Mode::Predicate:
            return kPredicate;
        case Mode::SetTheory:
            return kSetTheory;
        case Mode::Natural:
            break;
    }
    return kNatural;
}

void DrawExampleProblem(ui::Canvas& canvas, const WorkedExample& example) {
    canvas.SetBackColor(ui::kWhite);
    canvas.ForeColor = ui::kBlack;
    canvas.Font = ui::FontSpec{ui::kSansSerif, 14, true, false};
    canvas.PrintAt(example.titleX, 100, example.title);
    canvas.PrintAt(example.headingX, 500, example.heading);
    canvas.Font = ui::FontSpec{};
}

}  // namespace deducto

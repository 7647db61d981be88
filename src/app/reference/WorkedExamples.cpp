// The examples' word problems and arguments, and the drawing of a problem.
#include "reference/WorkedExamples.h"

#include "reference/SyntaxPanel.h"

namespace deducto {
namespace {

inline constexpr double kTitleSize = 14;
inline constexpr double kBodySize = 10;
inline constexpr int kBodyTop = 1000;
inline constexpr int kLineStep = 240;
inline constexpr int kGap = 160;  // room before a new part of the problem

constexpr Emphasis B = Emphasis::Bold;
constexpr Emphasis U = Emphasis::Underline;

ProblemLine Conclusion(const char* sentence) {
    return {200, {{"Conclusion to test:  ", B}, {sentence}}, kGap};
}

const WorkedExample kPropositional{
    Mode::Propositional,
    "Propositional Calculus Example",
    800,
    "WEATHER FORECAST",
    1400,
    {
        {200, {{"1.  If the weatherman predicts rain"}, {" and he is knowledgeable,"}}},
        {430, {{"then there is a high probability of rain."}}},
        {200, {{"2.  The weatherman is knowledgeable if and "}, {"only if he is"}}},
        {430, {{"well-trained and he has access to "}, {"good radar data."}}},
        {200, {{"3.  Either the weatherman went to "}, {"meteorology school, or else"}}},
        {430, {{"he is not well-trained."}}},
        {200, {{"4.  I can leave my umbrella at home "}, {"if there is not a high"}}},
        {430, {{"probability of rain."}}},
        {200, {{"5.  If the weatherman went to "}, {"meteorology school, he has"}}},
        {430, {{"meteorological credentials, and vice versa."}}},
        {200, {{"6.  The weatherman has access to good "}, {"radar data, but he"}}},
        {430, {{"does not have meteorological credentials."}}},
        {200, {{"7.  The weatherman is in fact "}, {"predicting rain."}}},
        Conclusion("I can leave my umbrella at home."),
        {200, {{"r = \"the weatherman predicts rain\""}}, kGap},
        {200, {{"k = \"the weatherman is knowledgeable\""}}},
        {200, {{"p = \"there is a high probability of rain\""}}},
        {200, {{"t = \"the weatherman is well-trained\""}}},
        {200, {{"a = \"the weatherman has access "}}},
        {520, {{"to good radar data\""}}},
        {200, {{"s = \"the weatherman went "}}},
        {520, {{"to meteorology school\""}}},
        {200, {{"c = \"the weatherman has "}}},
        {520, {{"meteorological credentials\""}}},
        {200, {{"u = \"I can leave my umbrella at home\""}}},
        {200, {{"The conclusion does not "}, {"follow.  The Details window tells us that"}}, kGap},
        {200, {{"it does not follow when r is "}, {"true but k is false--that is, when the"}}},
        {200, {{"weatherman predicts rain but "}, {"he is not knowledgeable.  If in"}}},
        {200, {{"Premise 1 the word \"implies\" is replaced by \"iff\" and the Evaluate"}}},
        {200, {{"Conclusion button is clicked "}, {"again, then the program tells us that"}}},
        {200, {{"the conclusion is always true."}}},
    },
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
    {
        {200, {{"1.  Everyone in this problem is"}, {" in Classroom A or Classroom B."}}},
        {200, {{"2.  Either everyone in classroom "}, {"A is male, or everyone there"}}},
        {430, {{"is female."}}},
        {200, {{"3.  Everyone in Classroom B is "}, {"male if and only if everyone in"}}},
        {430, {{"Classroom A is female."}}},
        {200, {{"4.  Mary, who is female, is a "}, {"member of the woodwind section of"}}},
        {430, {{"the orchestra."}}},
        {200, {{"5.  No two members of the "}, {"woodwind section are opposite in sex."}}},
        {200, {{"6.  Someone in the woodwind "}, {"section is in Classroom A."}}},
        {200, {{"7.  No one is both male and female."}}},
        Conclusion("Everyone in classroom B is male."),
        {200, {{"CONSTANT:  m = Mary"}}, kGap},
        {200, {{"PREDICATES:"}}, kGap},
        {600, {{"A = \"is in Classroom A\""}}},
        {600, {{"B = \"is in Classroom B\""}}},
        {600, {{"M = \"is male\""}}},
        {600, {{"F = \"is female\""}}},
        {600, {{"W = \"is a member of the woodwind "}}},
        {920, {{"section of the orchestra\""}}},
        {200, {{"See solution at left."}}, kGap},
    },
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
    {
        {200, {{"1.  No parallelograms are trapezoids."}}},
        {200, {{"2.  All rhombuses are "}, {"parallelograms, but some rhombuses are not"}}},
        {430, {{"rectangles."}}},
        {200, {{"3.  The set of all squares is the "}, {"intersection of the set of all "}}},
        {430, {{"rhombuses and the set of all rectangles."}}},
        {200, {{"4.  Figure ABCD is a square."}}},
        Conclusion("Figure ABCD is not a trapezoid."),
        {200, {{"CONSTANT:  f = Figure ABCD"}}, kGap + 160, Figure::LabelledSquare},
        {200, {{"SETS:"}}, kGap + 120},
        {600, {{"P = set of all parallelograms"}}, 120, Figure::Parallelogram},
        {600, {{"T = set of all trapezoids"}}, 160, Figure::Trapezoid},
        {600, {{"R = set of all rectangles"}}, 160, Figure::Rectangle},
        {600, {{"H = set of all rhombuses"}}, 200, Figure::Rhombus},
        {600, {{"S = set of all squares"}}, 200, Figure::Square},
        {200, {{"See one possible solution at left."}, {"  (Some premises can be"}}, kGap + 160},
        {200, {{"expressed in more than one way.)"}}},
    },
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
    {
        {200, {{"The argument is shown at left."}, {"  The following two multi-word terms"}}},
        {200, {{"were predefined using the "}, {"Natural Language Terms screen:"}}},
        {400, {{"Specific Noun", U}, {":  the square root of  -1"}}, 80},
        {400, {{"Predicate", U}, {":  can be expressed as a fraction"}, {" of two integers"}}},
        {200, {{"All other terms were inferred "}, {"by Deducto as the premises and"}}, 80},
        {200, {{"conclusion were typed into the "}, {"text boxes.  When the Evaluate"}}},
        {200, {{"Conclusion button was clicked, "}, {"it was determined that the"}}},
        {200, {{"conclusion is true, "}, {"based on the premises."}}},
        {200, {{"Notice that the argument would "}, {"not be valid if Premise 3 were"}}, kGap},
        {200,
         {{"changed to read simply, "}, {"\"The square root of  -1 is imaginary.\""}, {"  In"}}},
        {200, {{"that case, Deducto could not "}, {"conclude that the square root of  -1 is"}}},
        // One line in the telling, two on the screen: it would run past the picture.
        {200, {{"a number at all.  In fact, you "}, {"can type, \"If something is imaginary,"}}},
        {200,
         {{"then it is a number,\""}, {" into the "}, {"Conclusion text box.  If you then click"}}},
        {200, {{"Evaluate Conclusion, the program "}, {"will determine that the conclusion"}}},
        {200, {{"does not follow."}}},
    },
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

void Polygon(ui::Canvas& canvas, std::initializer_list<ui::TwipPoint> corners) {
    const ui::TwipPoint* previous = std::data(corners) + corners.size() - 1;
    for (const ui::TwipPoint& corner : corners) {
        canvas.Line(previous->x, previous->y, corner.x, corner.y);
        previous = &corner;
    }
}

// Draws `figure` beside the line of text whose top is at y.
void DrawFigure(ui::Canvas& canvas, Figure figure, int y) {
    const int top = y - 60;
    const int bottom = y + 240;
    switch (figure) {
        case Figure::None:
            return;
        case Figure::LabelledSquare:
            Polygon(canvas, {{4000, y - 20}, {4200, y - 20}, {4200, y + 180}, {4000, y + 180}});
            canvas.Font = ui::FontSpec{ui::kSansSerif, 8, false, false};
            canvas.PrintAt(3860, y - 200, "A");
            canvas.PrintAt(4240, y - 200, "B");
            canvas.PrintAt(4240, y + 140, "C");
            canvas.PrintAt(3860, y + 140, "D");
            canvas.Font = ui::FontSpec{ui::kSansSerif, kBodySize, false, false};
            return;
        case Figure::Parallelogram:
            Polygon(canvas, {{4000, bottom}, {4500, bottom}, {4700, top}, {4200, top}});
            return;
        case Figure::Trapezoid:
            Polygon(canvas, {{4000, bottom}, {4700, bottom}, {4500, top}, {4200, top}});
            return;
        case Figure::Rectangle:
            Polygon(canvas, {{4000, top}, {4700, top}, {4700, bottom}, {4000, bottom}});
            return;
        case Figure::Rhombus:
            Polygon(canvas,
                    {{4000, y + 90}, {4350, top - 90}, {4700, y + 90}, {4350, bottom + 90}});
            return;
        case Figure::Square:
            Polygon(canvas,
                    {{4200, top - 40}, {4540, top - 40}, {4540, bottom + 40}, {4200, bottom + 40}});
            return;
    }
}

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
    canvas.GrowTo(kPanelSize);
    canvas.SetBackColor(ui::kWhite);
    canvas.ForeColor = ui::kBlack;
    canvas.Font = ui::FontSpec{ui::kSansSerif, kTitleSize, true, false};
    canvas.PrintAt(example.titleX, 100, example.title);
    canvas.PrintAt(example.headingX, 500, example.heading);
    int y = kBodyTop - kLineStep;
    for (const ProblemLine& line : example.problem) {
        y += kLineStep + line.extraAbove;
        PrintPieces(canvas, line.x, y, line.pieces, kBodySize);
        DrawFigure(canvas, line.figure, y);
    }
    canvas.Font = ui::FontSpec{};
}

}  // namespace deducto

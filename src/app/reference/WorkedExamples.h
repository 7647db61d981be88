// The worked example of each mode: a word problem drawn into the main window's large
// picture, and the argument that solves it, which the main window types into its lines and
// evaluates.
#pragma once

#include <string>
#include <vector>

#include "Mode.h"
#include "reference/PanelText.h"
#include "ui/Canvas.h"

namespace deducto {

// A term the example defines before its sentences are typed.
struct ExampleTerm {
    const char* kind;  // "adjective", "specific noun", "class noun" or "predicate"
    const char* text;  // its singular form
};

// The small drawings beside the lines of the set-theory problem.
enum class Figure { None, LabelledSquare, Parallelogram, Trapezoid, Rectangle, Rhombus, Square };

// One line of a word problem: pieces printed from x; lines follow at a fixed step, some
// with extra room above (a new part of the problem, or a figure taller than the text).
struct ProblemLine {
    int x;
    std::vector<Piece> pieces;
    int extraAbove = 0;
    Figure figure = Figure::None;
};

struct WorkedExample {
    Mode mode;
    const char* title;
    int titleX;
    const char* heading;
    int headingX;
    std::vector<ProblemLine> problem;
    std::vector<std::string> premises;  // premise 1 first
    std::string conclusion;
    std::vector<ExampleTerm> terms;  // natural language: the lexicon the example starts from
};

// The example of `mode`.
[[nodiscard]] const WorkedExample& ExampleFor(Mode mode);

// Clears `canvas` to white and draws the word problem of `example`.
void DrawExampleProblem(ui::Canvas& canvas, const WorkedExample& example);

}  // namespace deducto

// The worked example of each mode: a word problem and the argument that solves it, which
// the main window types into its lines and evaluates.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Mode.h"
#include "ui/Canvas.h"

namespace deducto {

// A term the example defines before its sentences are typed.
struct ExampleTerm {
    const char* kind;  // "adjective", "specific noun", "class noun" or "predicate"
    const char* text;  // its singular form
};

struct WorkedExample {
    Mode mode;
    const char* title;
    int titleX;
    const char* heading;
    int headingX;
    std::vector<std::string> premises;  // premise 1 first
    std::string conclusion;
    std::vector<ExampleTerm> terms;  // natural language: the lexicon the example starts from
};

// The example of `mode`.
[[nodiscard]] const WorkedExample& ExampleFor(Mode mode);

// Clears `canvas` to white and draws the problem of `example`: for now its title and
// heading; the full word problem comes with the help material.
void DrawExampleProblem(ui::Canvas& canvas, const WorkedExample& example);

}  // namespace deducto

#include "presentation/DrawWorld.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Lines.h"
#include "natural/WorldWords.h"
#include "presentation/DrawFormula.h"
#include "presentation/VennLayout.h"

namespace deducto {

namespace {

constexpr int kLeft = 200;
constexpr int kLineHeight = 260;
constexpr int kHatchSpacing = 90;  // between the shading's diagonal lines
constexpr int kHatchStep = 15;     // sampling along them
constexpr int kOutlineSteps = 120;
constexpr const char* kInhabitedMark = "×";

// The cell of a diagram region: inside shape i means having the i-th predicate.
Region CellOfRegion(int region, const std::string& letters) {
    const int n = static_cast<int>(letters.size());
    Region cell;
    for (int i = 0; i < n; ++i) {
        ((region >> (n - 1 - i)) & 1 ? cell.pos : cell.neg) |= LetterBit(letters[i]);
    }
    return cell;
}

std::string CellLabel(Region cell, const WorldPicture& picture) {
    if (picture.world->mode == Mode::Natural) return CellWords(cell, *picture.terms);
    std::string label;
    ForEachPair(cell, [&](char sign, char letter) {
        if (!label.empty()) label += " ∩ ";
        label += letter;
        if (sign == '-') label += "′";
    });
    return label;
}

std::string IndividualsIn(Region cell, const World& world) {
    std::string names;
    for (const Individual& individual : world.individuals) {
        if (individual.cell != cell) continue;
        if (!names.empty()) names += ", ";
        names += individual.letter;
    }
    return names;
}

void DrawOutline(ui::Canvas& canvas, const Ellipse& shape) {
    ui::TwipPoint last = shape.PointAt(0);
    for (int step = 1; step <= kOutlineSteps; ++step) {
        const ui::TwipPoint next = shape.PointAt(step * 2 * std::numbers::pi / kOutlineSteps);
        canvas.Line(last.x, last.y, next.x, next.y);
        last = next;
    }
}

// Diagonal hatching over every point whose region is empty.
void ShadeEmpty(ui::Canvas& canvas, const VennLayout& layout, const std::vector<bool>& empty) {
    const ui::TwipRect& f = layout.frame;
    canvas.ForeColor = kShading;
    for (int start = -f.height; start < f.width; start += kHatchSpacing) {
        int runFrom = -1;
        int x = 0;
        int y = 0;
        for (int t = 0; t <= f.height; t += kHatchStep) {
            x = f.left + start + t;
            y = f.top + f.height - t;
            const int region = layout.RegionAt(x, y);
            const bool shaded = x >= f.left && region >= 0 && empty[region];
            if (shaded && runFrom < 0) runFrom = t;
            if (!shaded && runFrom >= 0) {
                canvas.Line(f.left + start + runFrom, f.top + f.height - runFrom, x - kHatchStep,
                            y + kHatchStep);
                runFrom = -1;
            }
        }
        if (runFrom >= 0) canvas.Line(f.left + start + runFrom, f.top + f.height - runFrom, x, y);
    }
    canvas.ForeColor = ui::kBlack;
}

void PrintCentred(ui::Canvas& canvas, int x, int y, const std::string& text) {
    canvas.PrintAt(x - canvas.TextWidth(text) / 2, y - canvas.TextHeight(text) / 2, text);
}

ui::TwipSize DrawDiagram(ui::Canvas& canvas, const WorldPicture& picture, int top) {
    const World& world = *picture.world;
    const int n = static_cast<int>(world.letters.size());
    const VennLayout layout = MakeVennLayout(n, {kLeft, top});
    std::vector<bool> empty(1u << n);
    for (int region = 0; region < (1 << n); ++region) {
        empty[region] = !world.IsInhabited(CellOfRegion(region, world.letters));
    }
    ShadeEmpty(canvas, layout, empty);
    const ui::TwipRect& f = layout.frame;
    canvas.Line(f.left, f.top, f.left + f.width, f.top);
    canvas.Line(f.left + f.width, f.top, f.left + f.width, f.top + f.height);
    canvas.Line(f.left + f.width, f.top + f.height, f.left, f.top + f.height);
    canvas.Line(f.left, f.top + f.height, f.left, f.top);
    for (const Ellipse& shape : layout.shapes) DrawOutline(canvas, shape);
    canvas.Font.bold = true;
    for (int i = 0; i < n; ++i) {
        PrintCentred(canvas, layout.names[i].x, layout.names[i].y,
                     std::string(1, world.letters[i]));
    }
    canvas.Font.bold = false;
    const std::vector<ui::TwipPoint> centres = layout.RegionCentres();
    for (int region = 0; region < (1 << n); ++region) {
        if (empty[region]) continue;
        const ui::TwipPoint at = centres[region];
        PrintCentred(canvas, at.x, at.y - 60, kInhabitedMark);
        const std::string names = IndividualsIn(CellOfRegion(region, world.letters), world);
        if (!names.empty()) PrintCentred(canvas, at.x, at.y + 130, names);
    }
    return {f.left + f.width, f.top + f.height};
}

// Beyond four predicates: the inhabited regions one a line, the rest said at once.
ui::TwipSize DrawRegionList(ui::Canvas& canvas, const WorldPicture& picture, int top) {
    const World& world = *picture.world;
    int y = top;
    int width = 0;
    const auto print = [&](const std::string& text) {
        canvas.PrintAt(kLeft, y, text);
        width = std::max(width, kLeft + canvas.TextWidth(text));
        y += kLineHeight;
    };
    for (const Region cell : world.inhabited) {
        const std::string names = IndividualsIn(cell, world);
        print(CellLabel(cell, picture) + ": " +
              (names.empty() ? std::string("inhabited") : "inhabited by " + names));
    }
    print("every other region: none");
    return {width, y};
}

ui::TwipSize DrawLetterValues(ui::Canvas& canvas, const World& world, int top) {
    constexpr int kColumn = 360;
    int x = kLeft;
    canvas.Font.bold = true;
    for (const char letter : world.letters) {
        PrintCentred(canvas, x + kColumn / 2, top + 100, std::string(1, letter));
        x += kColumn;
    }
    canvas.Font.bold = false;
    canvas.Line(kLeft, top + 240, x, top + 240);
    x = kLeft;
    for (const char letter : world.letters) {
        const bool open = world.openLetters.find(letter) != std::string::npos;
        const bool isTrue = world.trueLetters.find(letter) != std::string::npos;
        if (open) canvas.ForeColor = kShading;
        PrintCentred(canvas, x + kColumn / 2, top + 380, isTrue ? "T" : "F");
        canvas.ForeColor = ui::kBlack;
        x += kColumn;
    }
    int bottom = top + 520;
    if (!world.openLetters.empty()) {
        canvas.ForeColor = kShading;
        canvas.PrintAt(kLeft, bottom, "grey: either value, the case does not depend on it");
        canvas.ForeColor = ui::kBlack;
        bottom += kLineHeight;
    }
    return {x, bottom};
}

// Every line with its value, then in natural language what the letters stand for.
ui::TwipSize DrawLines(ui::Canvas& canvas, const WorldPicture& picture, int left, int top) {
    int y = top;
    int width = left;
    for (const WorldLineShown& line : picture.lines) {
        canvas.ForeColor = line.value == 'T' ? ui::kBlack : ui::kRed;
        canvas.Font.bold = true;
        canvas.PrintAt(left, y, std::string(1, line.value));
        canvas.Font.bold = false;
        canvas.ForeColor = ui::kBlack;
        canvas.PrintAt(left + 240, y, LineName(line.index) + ":");
        canvas.CurrentX = left + 1300;
        canvas.CurrentY = y;
        width = std::max(width, DrawFormula(canvas, line.tokens, "", picture.world->mode));
        y += kLineHeight;
    }
    if (picture.world->mode == Mode::Natural && picture.terms != nullptr) {
        y += kLineHeight / 2;
        std::string letters = picture.world->letters;
        for (const Individual& individual : picture.world->individuals)
            letters += individual.letter;
        for (const char letter : letters) {
            const std::string text =
                std::string(1, letter) + ": " + IndividualWords(letter, *picture.terms);
            canvas.PrintAt(left, y, text);
            width = std::max(width, left + canvas.TextWidth(text));
            y += kLineHeight;
        }
    }
    return {width, y};
}

}  // namespace

ui::TwipSize DrawWorld(ui::Canvas& canvas, const WorldPicture& picture, int top) {
    const World& world = *picture.world;
    canvas.Font.name = ui::kSansSerif;
    canvas.Font.bold = true;
    const std::string heading = "Case " + std::to_string(picture.caseNumber) + " of " +
                                std::to_string(picture.cases) +
                                ": every premise is true and the conclusion is false";
    canvas.PrintAt(kLeft, top, heading);
    canvas.Font.bold = false;
    const int body = top + 400;
    ui::TwipSize drawn;
    const bool diagram = world.mode != Mode::Propositional &&
                         static_cast<int>(world.letters.size()) <= kMaxVennPredicates &&
                         !world.letters.empty();
    if (world.mode == Mode::Propositional) {
        drawn = DrawLetterValues(canvas, world, body);
    } else if (diagram) {
        drawn = DrawDiagram(canvas, picture, body);
    } else {
        drawn = DrawRegionList(canvas, picture, body);
    }
    // Beside a diagram, below a table or a list.
    const bool beside = diagram;
    const ui::TwipSize lines = DrawLines(canvas, picture, beside ? drawn.width + 500 : kLeft,
                                         beside ? body : drawn.height + 200);
    canvas.SetDragCursor();
    const int width = std::max({drawn.width, lines.width, kLeft + canvas.TextWidth(heading)});
    return {width + 400, std::max(drawn.height, lines.height) + 400};
}

}  // namespace deducto

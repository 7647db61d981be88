// The line-art symbols.
#include "presentation/Glyphs.h"

#include <numbers>
#include <string>

#include "ui/Fonts.h"

namespace deducto {
namespace {

inline constexpr double kPi = std::numbers::pi;

void DrawArrowHead(ui::Canvas& canvas, int tipX, int y, int direction) {
    canvas.Line(tipX, y + 100, tipX - 60 * direction, y + 59);
    canvas.Line(tipX, y + 100, tipX - 60 * direction, y + 140);
}

}  // namespace

void DrawAndSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x + 50, y, x, y + 200);
    canvas.Line(x + 50, y, x + 100, y + 200);
}

void DrawOrSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x, y, x + 50, y + 200);
    canvas.Line(x + 100, y, x + 50, y + 200);
}

void DrawIffSign(ui::Canvas& canvas, int x, int y) {
    for (int dy : {60, 100, 140}) canvas.Line(x, y + dy, x + 120, y + dy);
}

void DrawDoubleArrowSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x, y + 100, x + 200, y + 100);
    DrawArrowHead(canvas, x, y, -1);
    DrawArrowHead(canvas, x + 200, y, 1);
}

void DrawImpliesSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x, y + 100, x + 120, y + 100);
    DrawArrowHead(canvas, x + 120, y, 1);
}

void DrawExistsSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x + 110, y + 40, x + 110, y + 150);
    for (int dy : {40, 100, 150}) canvas.Line(x + 10, y + dy, x + 110, y + dy);
}

void DrawForAllSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x, y, x + 60, y + 200);
    canvas.Line(x + 60, y + 200, x + 120, y);
    canvas.Line(x + 24, y + 80, x + 96, y + 80);
}

void DrawUnionSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x + 20, y + 30, x + 20, y + 120);
    canvas.Line(x + 120, y + 30, x + 120, y + 120);
    canvas.Arc(x + 70, y + 120, 50, kPi, 2 * kPi);
}

void DrawSubsetSign(ui::Canvas& canvas, int x, int y) {
    canvas.Line(x + 50, y + 35, x + 140, y + 35);
    canvas.Line(x + 50, y + 115, x + 140, y + 115);
    canvas.Arc(x + 50, y + 75, 40, kPi / 2, 3 * kPi / 2);
}

void DrawSubsetOrEqualSign(ui::Canvas& canvas, int x, int y) {
    DrawSubsetSign(canvas, x, y);
    canvas.Line(x + 10, y + 150, x + 140, y + 150);
}

void DrawIntersectionSign(ui::Canvas& canvas, int x, int y) {
    const ui::Colour colour = canvas.ForeColor;
    canvas.ForeColor = ui::kBlack;
    canvas.Line(x + 20, y + 80, x + 20, y + 170);
    canvas.Line(x + 120, y + 80, x + 120, y + 170);
    canvas.Arc(x + 70, y + 80, 50, 0, kPi);
    canvas.ForeColor = colour;
}

int PrintMembershipSign(ui::Canvas& canvas, int x, int y) {
    const std::string face = canvas.Font.name;
    canvas.Font.name = ui::kSymbolFont;
    canvas.PrintAt(x, y, ui::kMembershipSign);
    const int width = canvas.TextWidth(ui::kMembershipSign);
    canvas.Font.name = face;
    return width;
}

}  // namespace deducto

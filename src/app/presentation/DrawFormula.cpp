// DrawFormula: one glyph per token character.
#include "presentation/DrawFormula.h"

#include <algorithm>
#include <numbers>
#include <string>

#include "ui/Fonts.h"

namespace deducto {
namespace {

inline constexpr int kAdvance = 140;  // the common step after every token
inline constexpr int kGap = 20;       // least room after a printed character
inline constexpr double kPi = std::numbers::pi;

// Prints one character and returns the advance it needs.
int PrintGlyph(ui::Canvas& canvas, int x, int y, std::string_view glyph) {
    canvas.PrintAt(x, y, glyph);
    return std::max(kAdvance, canvas.TextWidth(glyph) + kGap);
}

// Draws token character `c` at (x, y); returns how far the pen moves.
int DrawGlyph(ui::Canvas& canvas, char c, int x, int y, Mode mode) {
    switch (c) {
        case '1':  // and
            canvas.Line(x + 50, y, x, y + 200);
            canvas.Line(x + 50, y, x + 100, y + 200);
            return kAdvance;
        case '2':  // or
            canvas.Line(x, y, x + 50, y + 200);
            canvas.Line(x + 100, y, x + 50, y + 200);
            return kAdvance;
        case '3':  // not
            canvas.PrintAt(x, y + 50, "~");
            return kAdvance;
        case '6':  // if and only if
            for (int dy : {60, 100, 140}) canvas.Line(x, y + dy, x + 120, y + dy);
            return kAdvance;
        case '7':  // implies
            canvas.Line(x, y + 100, x + 120, y + 100);
            canvas.Line(x + 120, y + 100, x + 60, y + 59);
            canvas.Line(x + 120, y + 100, x + 60, y + 140);
            return kAdvance;
        case '5':  // there exists
            canvas.Line(x + 110, y + 40, x + 110, y + 150);
            for (int dy : {40, 100, 150}) canvas.Line(x + 10, y + dy, x + 110, y + dy);
            return kAdvance;
        case '4':  // for all
            canvas.Line(x, y, x + 60, y + 200);
            canvas.Line(x + 60, y + 200, x + 120, y);
            canvas.Line(x + 24, y + 80, x + 96, y + 80);
            return kAdvance + 20;
        case '@': {  // belongs to
            const std::string face = canvas.Font.name;
            canvas.Font.name = ui::kSymbolFont;
            const int advance = PrintGlyph(canvas, x, y, ui::kMembershipSign);
            canvas.Font.name = face;
            return advance;
        }
        case '.':  // intersection
            DrawIntersectionSign(canvas, x, y);
            return kAdvance + 20;
        case '+':  // union
            canvas.Line(x + 20, y + 30, x + 20, y + 120);
            canvas.Line(x + 120, y + 30, x + 120, y + 120);
            canvas.Arc(x + 70, y + 120, 50, kPi, 2 * kPi);
            return kAdvance + 20;
        case '<':  // subset or equal
            canvas.Line(x + 50, y + 35, x + 140, y + 35);
            canvas.Line(x + 50, y + 115, x + 140, y + 115);
            canvas.Arc(x + 50, y + 75, 40, kPi / 2, 3 * kPi / 2);
            canvas.Line(x + 10, y + 150, x + 140, y + 150);
            return kAdvance + 40;
        case '0': {  // the empty set: an O struck through
            // The stroke reaches 75 twips either side of the O's centre, so a narrow O is
            // moved right to keep the stroke clear of the glyph before it.
            const int width = canvas.TextWidth("O");
            const int left = x + std::max(0, 75 - width / 2);
            canvas.PrintAt(left, y, "O");
            const int cx = left + width / 2;
            const int cy = y + canvas.TextHeight("O") / 2 + 10;
            canvas.Line(cx - 75, cy + 75, cx + 75, cy - 75);
            return std::max(kAdvance, std::max(left + width, cx + 75) - x + kGap);
        }
        case 'U':
            if (mode == Mode::SetTheory) {  // the universal set
                const ui::FontSpec font = canvas.Font;
                canvas.Font.name = ui::kDecorativeFont;
                canvas.Font.size = 9;
                const int advance = PrintGlyph(canvas, x, y, "U");
                canvas.Font = font;
                return advance;
            }
            [[fallthrough]];
        default:
            return PrintGlyph(canvas, x, y, std::string_view(&c, 1));
    }
}

}  // namespace

void DrawIntersectionSign(ui::Canvas& canvas, int x, int y) {
    const ui::Colour colour = canvas.ForeColor;
    canvas.ForeColor = ui::kBlack;
    canvas.Line(x + 20, y + 80, x + 20, y + 170);
    canvas.Line(x + 120, y + 80, x + 120, y + 170);
    canvas.Arc(x + 70, y + 80, 50, 0, kPi);
    canvas.ForeColor = colour;
}

int DrawFormula(ui::Canvas& canvas, std::string_view tokenList, std::string_view message,
                Mode mode) {
    int x = canvas.CurrentX;
    const int y = canvas.CurrentY;
    canvas.Font.name = ui::kSansSerif;
    for (char c : tokenList) x += DrawGlyph(canvas, c, x, y, mode);
    if (!message.empty()) {
        x += 280;
        canvas.ForeColor = ui::kRed;
        canvas.PrintAt(x, y, message);
        canvas.ForeColor = ui::kBlack;
        x = canvas.CurrentX;
    }
    canvas.CurrentX = x;
    canvas.CurrentY = y;
    return x;
}

}  // namespace deducto

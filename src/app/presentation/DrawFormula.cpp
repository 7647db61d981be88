// DrawFormula: one glyph per token character.
#include "presentation/DrawFormula.h"

#include <algorithm>
#include <string>

#include "presentation/Glyphs.h"

namespace deducto {
namespace {

inline constexpr int kAdvance = 140;  // the common step after every token
inline constexpr int kGap = 20;       // least room after a printed character

// Prints one character and returns the advance it needs.
int PrintGlyph(ui::Canvas& canvas, int x, int y, std::string_view glyph) {
    canvas.PrintAt(x, y, glyph);
    return std::max(kAdvance, canvas.TextWidth(glyph) + kGap);
}

// Draws token character `c` at (x, y); returns how far the pen moves.
int DrawGlyph(ui::Canvas& canvas, char c, int x, int y, Mode mode) {
    switch (c) {
        case '1':  // and
            DrawAndSign(canvas, x, y);
            return kAdvance;
        case '2':  // or
            DrawOrSign(canvas, x, y);
            return kAdvance;
        case '3':  // not
            canvas.PrintAt(x, y + 50, "~");
            return kAdvance;
        case '6':  // if and only if
            DrawIffSign(canvas, x, y);
            return kAdvance;
        case '7':  // implies
            DrawImpliesSign(canvas, x, y);
            return kAdvance;
        case '5':  // there exists
            DrawExistsSign(canvas, x, y);
            return kAdvance;
        case '4':  // for all
            DrawForAllSign(canvas, x, y);
            return kAdvance + 20;
        case '@':  // belongs to
            return std::max(kAdvance, PrintMembershipSign(canvas, x, y) + kGap);
        case '.':  // intersection
            DrawIntersectionSign(canvas, x, y);
            return kAdvance + 20;
        case '+':  // union
            DrawUnionSign(canvas, x, y);
            return kAdvance + 20;
        case '<':  // subset or equal
            DrawSubsetOrEqualSign(canvas, x, y);
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

// DrawFormula: one glyph per token character.
#include "presentation/DrawFormula.h"

#include <algorithm>
#include <string>

#include "presentation/Glyphs.h"
#include "ui/Fonts.h"

namespace deducto {
namespace {

inline constexpr int kAdvance = 140;  // the least step after every token
inline constexpr int kGap = 30;       // least clear room between the ink of two glyphs
inline constexpr double kPi = std::numbers::pi;

// A canvas that draws nothing and records how far what would be drawn reaches across,
// measured with the fonts of the canvas it stands in for. A glyph is measured on it before it
// is drawn, so its advance comes from its real ink.
class InkMeasure : public ui::Canvas {
public:
    explicit InkMeasure(ui::Canvas& target) : target_(target) { Font = target.Font; }

    [[nodiscard]] bool empty() const { return left_ > right_; }
    [[nodiscard]] ui::InkSpan span() const { return {left_, right_}; }

    [[nodiscard]] ui::TwipSize Size() const override { return target_.Size(); }
    void GrowTo(ui::TwipSize) override {}
    [[nodiscard]] ui::Colour BackColor() const override { return target_.BackColor(); }
    void SetBackColor(ui::Colour) override {}
    void Cls() override {}
    void Print(std::string_view text) override {
        const ui::InkSpan ink = TextInk(text);
        if (ink.right > ink.left) Add(CurrentX + ink.left, CurrentX + ink.right);
        CurrentX += TextWidth(text);
    }
    [[nodiscard]] int TextWidth(std::string_view text) const override {
        return WithFont([&] { return target_.TextWidth(text); });
    }
    [[nodiscard]] int TextHeight(std::string_view text) const override {
        return WithFont([&] { return target_.TextHeight(text); });
    }
    [[nodiscard]] ui::InkSpan TextInk(std::string_view text) const override {
        return WithFont([&] { return target_.TextInk(text); });
    }
    [[nodiscard]] int LineReach() const override { return target_.LineReach(); }
    [[nodiscard]] int PixelWidth() const override { return target_.PixelWidth(); }
    void Line(int x1, int, int x2, int) override {
        Add(std::min(x1, x2) - LineReach(), std::max(x1, x2) + LineReach());
    }
    void Arc(int cx, int, int radius, double, double) override {
        // Every arc drawn here is a half circle that reaches both sides of its centre.
        Add(cx - radius - LineReach(), cx + radius + LineReach());
    }
    void SetDragCursor() override {}

private:
    template <typename Measure>
    auto WithFont(Measure measure) const -> decltype(measure()) {
        const ui::FontSpec kept = target_.Font;
        target_.Font = Font;
        const auto result = measure();
        target_.Font = kept;
        return result;
    }
    void Add(int left, int right) {
        left_ = std::min(left_, left);
        right_ = std::max(right_, right);
    }

    ui::Canvas& target_;
    int left_ = 1 << 30;
    int right_ = -(1 << 30);
};

// Prints one character; returns its advance width.
int PrintGlyph(ui::Canvas& canvas, int x, int y, std::string_view glyph) {
    canvas.PrintAt(x, y, glyph);
    return canvas.TextWidth(glyph);
}

// Draws token character `c` with its pen at (x, y); returns the advance width of any text
// it printed (0 for line art). The step to the next glyph comes from the ink.
int DrawGlyph(ui::Canvas& canvas, char c, int x, int y, Mode mode) {
    switch (c) {
        case '1':  // and
            DrawAndSign(canvas, x, y);
            return 0;
        case '2':  // or
            DrawOrSign(canvas, x, y);
            return 0;
        case '3':  // not
            canvas.PrintAt(x, y + 50, "~");
            return canvas.TextWidth("~");
        case '6':  // if and only if
            DrawIffSign(canvas, x, y);
            return 0;
        case '7':  // implies
            DrawImpliesSign(canvas, x, y);
            return 0;
        case '5':  // there exists
            DrawExistsSign(canvas, x, y);
            return 0;
        case '4':  // for all
            DrawForAllSign(canvas, x, y);
            return 0;
        case '@': {  // belongs to
            const std::string face = canvas.Font.name;
            canvas.Font.name = ui::kSymbolFont;
            const int advance = PrintGlyph(canvas, x, y, ui::kMembershipSign);
            canvas.Font.name = face;
            return advance;
        }
        case '.':  // intersection
            DrawIntersectionSign(canvas, x, y);
            return 0;
        case '+':  // union
            DrawUnionSign(canvas, x, y);
            return 0;
        case '<':  // subset or equal
            DrawSubsetOrEqualSign(canvas, x, y);
            return 0;
        case '0': {  // the empty set: an O struck through
            // The stroke reaches 75 twips either side of the O's centre, so a narrow O is
            // moved right to keep the stroke from starting before the pen.
            const int width = canvas.TextWidth("O");
            const int left = x + std::max(0, 75 - width / 2);
            canvas.PrintAt(left, y, "O");
            const int cx = left + width / 2;
            const int cy = y + canvas.TextHeight("O") / 2 + 10;
            canvas.Line(cx - 75, cy + 75, cx + 75, cy - 75);
            return std::max(left + width, cx + 75) - x;
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

// Lays glyphs out one after another: each goes at the common step after the one before
// (or the width of its text plus a little), moved further right only when its ink would
// otherwise come within a clear gap of the ink before it.
class GlyphRow {
public:
    GlyphRow(ui::Canvas& canvas, int x, int y, Mode mode)
        : canvas_(canvas), x_(x), y_(y), mode_(mode) {}

    void Draw(char c) {
        InkMeasure measure(canvas_);
        const int width = DrawGlyph(measure, c, 0, y_, mode_);
        int pen = x_;
        if (!measure.empty()) {
            const ui::InkSpan ink = measure.span();
            if (inked_) pen = std::max(pen, inkEnd_ + kGap - ink.left);
            inkEnd_ = pen + ink.right;
            inked_ = true;
        }
        DrawGlyph(canvas_, c, pen, y_, mode_);
        x_ = pen + std::max(kAdvance, width + kGap);
    }

    // Where the pen stands after the last glyph, clear of its ink.
    [[nodiscard]] int end() const { return inked_ ? std::max(x_, inkEnd_ + kGap) : x_; }

private:
    ui::Canvas& canvas_;
    int x_;
    const int y_;
    const Mode mode_;
    bool inked_ = false;  // a glyph with ink has been drawn
    int inkEnd_ = 0;      // where its ink ends
};

}  // namespace

int DrawFormula(ui::Canvas& canvas, std::string_view tokenList, std::string_view message,
                Mode mode) {
    int x = canvas.CurrentX;
    const int y = canvas.CurrentY;
    canvas.Font.name = ui::kSansSerif;
    GlyphRow row(canvas, x, y, mode);
    for (char c : tokenList) row.Draw(c);
    x = row.end();
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

// A drawing surface addressed in twips, with a current position, a fore colour and a font,
// on which the truth tables, details and formulas are drawn. The drawing routines know only
// this interface; PictureBox implements it on a window.
#pragma once

#include <string>
#include <string_view>

#include "ui/Twips.h"

namespace deducto::ui {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(Colour, Colour) = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kLightCyan{192, 255, 255};    // the main window and its pictures
inline constexpr Colour kLightOrange{255, 224, 192};  // the processing frame

inline constexpr const char* kSansSerif = "MS Sans Serif";    // the default face everywhere
inline constexpr const char* kSymbolFont = "Symbol";          // the membership sign
inline constexpr const char* kDecorativeFont = "Harrington";  // the universal set
inline constexpr double kDefaultFontSize = 8.25;

// A font as the drawings name it; the fonts module maps the name onto an installed face.
struct FontSpec {
    std::string name = kSansSerif;
    double size = kDefaultFontSize;  // points
    bool bold = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Where a drawing leaves ink across the page, in twips: from `left` to `right`.
struct InkSpan {
    int left = 0;
    int right = 0;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // Where the next Print starts (the top-left corner of its text), in twips.
    int CurrentX = 0;
    int CurrentY = 0;
    Colour ForeColor = kBlack;  // text and lines
    FontSpec Font;

    // The drawable area; drawing beyond it is clipped.
    [[nodiscard]] virtual TwipSize Size() const = 0;
    // Enlarges the drawable area to at least `size`; never shrinks it.
    virtual void GrowTo(TwipSize size) = 0;
    [[nodiscard]] virtual Colour BackColor() const = 0;
    // Sets the background and clears the drawing, as Cls does.
    virtual void SetBackColor(Colour colour) = 0;
    // Clears the drawing to the background and moves the current position to (0, 0).
    virtual void Cls() = 0;
    // Prints at the current position, then moves CurrentX past the text (CurrentY stays).
    virtual void Print(std::string_view text) = 0;
    [[nodiscard]] virtual int TextWidth(std::string_view text) const = 0;
    [[nodiscard]] virtual int TextHeight(std::string_view text) const = 0;
    // The ink of `text` printed at x = 0 in the current font, widened by what smoothing
    // may add around it.
    [[nodiscard]] virtual InkSpan TextInk(std::string_view text) const = 0;
    // How far a line's ink reaches beyond its end points, smoothing included.
    [[nodiscard]] virtual int LineReach() const = 0;
    // The width of one screen pixel.
    [[nodiscard]] virtual int PixelWidth() const = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // An arc of a circle, counter-clockwise as seen on screen from `startAngle` to `endAngle`
    // (radians, 0 pointing right): 0 to pi is the upper half.
    virtual void Arc(int cx, int cy, int radius, double startAngle, double endAngle) = 0;
    // Shows the cursor that tells the user the picture can be dragged.
    virtual void SetDragCursor() = 0;

    void PrintAt(int x, int y, std::string_view text) {
        CurrentX = x;
        CurrentY = y;
        Print(text);
    }
};

}  // namespace deducto::ui

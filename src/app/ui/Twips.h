// Positions and sizes in twips (1/1440 inch), the unit every layout of the program is written
// in, and their one conversion to and from the device-independent pixels of the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace deducto::ui {

inline constexpr int kTwipsPerInch = 1440;

struct TwipPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(TwipPoint, TwipPoint) = default;
};

struct TwipSize {
    int width = 0;
    int height = 0;
    friend bool operator==(TwipSize, TwipSize) = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Logical dots per inch of a screen, separately across and down.
struct Dpi {
    double x = 96.0;
    double y = 96.0;
};

// The logical DPI of the screen the widget is on (of the primary screen before it is shown),
// times the layout scale of the window it belongs to.
[[nodiscard]] Dpi DpiOf(const QWidget& widget);

// Draws `widget` and every control inside it (up to, not into, other windows) at `scale`
// times its size in twips: a layout larger than the screen is shrunk to fit it this way.
// Set before the controls are placed.
void SetLayoutScale(QWidget& widget, double scale);
[[nodiscard]] double LayoutScale(const QWidget& widget);

[[nodiscard]] double ToPixelsF(int twips, double dpi);
[[nodiscard]] int ToPixels(int twips, double dpi);
[[nodiscard]] int ToTwips(double pixels, double dpi);

[[nodiscard]] QPoint ToPixels(TwipPoint p, Dpi dpi);
[[nodiscard]] QSize ToPixels(TwipSize s, Dpi dpi);
[[nodiscard]] QRect ToPixels(const TwipRect& r, Dpi dpi);
[[nodiscard]] TwipPoint ToTwips(QPoint p, Dpi dpi);
[[nodiscard]] TwipSize ToTwips(QSize s, Dpi dpi);

// Shorthands for the screen a widget is on.
[[nodiscard]] QPoint ToPixels(TwipPoint p, const QWidget& on);
[[nodiscard]] QSize ToPixels(TwipSize s, const QWidget& on);
[[nodiscard]] QRect ToPixels(const TwipRect& r, const QWidget& on);
[[nodiscard]] TwipPoint ToTwips(QPoint p, const QWidget& on);
[[nodiscard]] TwipSize ToTwips(QSize s, const QWidget& on);

// Places a widget at a rectangle given in twips of its parent.
void SetTwipGeometry(QWidget& widget, const TwipRect& r);

}  // namespace deducto::ui

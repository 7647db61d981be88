// Twips to pixels and back, from the screen's logical DPI.
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace deducto::ui {

namespace {

constexpr const char* kLayoutScale = "deductoLayoutScale";

Dpi ScreenDpi(const QWidget& widget) {
    // A widget that has never been shown still reports the DPI of the screen it will open on.
    const int x = widget.logicalDpiX();
    const int y = widget.logicalDpiY();
    if (x > 0 && y > 0) return {static_cast<double>(x), static_cast<double>(y)};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    }
    return {};
}

}  // namespace

void SetLayoutScale(QWidget& widget, double scale) { widget.setProperty(kLayoutScale, scale); }

double LayoutScale(const QWidget& widget) {
    for (const QWidget* w = &widget; w != nullptr; w = w->parentWidget()) {
        const QVariant scale = w->property(kLayoutScale);
        if (scale.isValid()) return scale.toDouble();
        if (w->isWindow()) break;  // a window of its own keeps its own scale
    }
    return 1.0;
}

Dpi DpiOf(const QWidget& widget) {
    const Dpi screen = ScreenDpi(widget);
    const double scale = LayoutScale(widget);
    return {screen.x * scale, screen.y * scale};
}

double ToPixelsF(int twips, double dpi) { return twips * dpi / kTwipsPerInch; }

int ToPixels(int twips, double dpi) { return static_cast<int>(std::lround(ToPixelsF(twips, dpi))); }

int ToTwips(double pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi));
}

QPoint ToPixels(TwipPoint p, Dpi dpi) { return {ToPixels(p.x, dpi.x), ToPixels(p.y, dpi.y)}; }

QSize ToPixels(TwipSize s, Dpi dpi) {
    return {ToPixels(s.width, dpi.x), ToPixels(s.height, dpi.y)};
}

QRect ToPixels(const TwipRect& r, Dpi dpi) {
    // Converting the edges, not the extent, keeps neighbouring controls from overlapping.
    const int left = ToPixels(r.left, dpi.x);
    const int top = ToPixels(r.top, dpi.y);
    const int right = ToPixels(r.left + r.width, dpi.x);
    const int bottom = ToPixels(r.top + r.height, dpi.y);
    return {left, top, right - left, bottom - top};
}

TwipPoint ToTwips(QPoint p, Dpi dpi) { return {ToTwips(p.x(), dpi.x), ToTwips(p.y(), dpi.y)}; }

TwipSize ToTwips(QSize s, Dpi dpi) {
    return {ToTwips(s.width(), dpi.x), ToTwips(s.height(), dpi.y)};
}

QPoint ToPixels(TwipPoint p, const QWidget& on) { return ToPixels(p, DpiOf(on)); }
QSize ToPixels(TwipSize s, const QWidget& on) { return ToPixels(s, DpiOf(on)); }
QRect ToPixels(const TwipRect& r, const QWidget& on) { return ToPixels(r, DpiOf(on)); }
TwipPoint ToTwips(QPoint p, const QWidget& on) { return ToTwips(p, DpiOf(on)); }
TwipSize ToTwips(QSize s, const QWidget& on) { return ToTwips(s, DpiOf(on)); }

void SetTwipGeometry(QWidget& widget, const TwipRect& r) {
    widget.setGeometry(ToPixels(r, widget));
}

}  // namespace deducto::ui

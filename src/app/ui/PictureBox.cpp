// PictureBox: drawing into a retained image, addressed in twips.
#include "ui/PictureBox.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/Fonts.h"

namespace deducto::ui {
namespace {

QColor ToQColor(Colour c) { return QColor(c.red, c.green, c.blue); }

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on a picture must leave the focus where the user was typing.
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::SetDescription(const QString& text) {
    setToolTip(text);
    setAccessibleDescription(text);
}

TwipSize PictureBox::Size() const {
    const TwipSize measured = ToTwips(size(), *this);
    const QSize askedPixels = ToPixels(asked_, *this);
    return {askedPixels.width() == width() ? asked_.width : measured.width,
            askedPixels.height() == height() ? asked_.height : measured.height};
}

void PictureBox::GrowTo(TwipSize wanted) {
    const TwipSize now = Size();
    if (wanted.width <= now.width && wanted.height <= now.height) return;
    asked_ = {std::max(wanted.width, now.width), std::max(wanted.height, now.height)};
    resize(ToPixels(asked_, *this).expandedTo(size()));
    EnsureImage();
}

void PictureBox::SetBackColor(Colour colour) {
    back_ = colour;
    Cls();
}

void PictureBox::Cls() {
    EnsureImage();
    image_.fill(ToQColor(back_));
    textRuns_.clear();
    lineRuns_.clear();
    arcRuns_.clear();
    if (!toolTip().isEmpty() || !accessibleDescription().isEmpty()) SetDescription({});
    CurrentX = 0;
    CurrentY = 0;
    update();
}

void PictureBox::EnsureImage() {
    const qreal ratio = image_.isNull() ? devicePixelRatioF() : image_.devicePixelRatio();
    const QSize wanted(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    if (!image_.isNull() && wanted.width() <= image_.width() &&
        wanted.height() <= image_.height()) {
        return;
    }
    QImage grown(wanted.expandedTo(image_.size()), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(ToQColor(back_));
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(grown);
}

QPointF PictureBox::ToImage(int x, int y) const {
    const Dpi dpi = DpiOf(*this);
    return {ToPixelsF(x, dpi.x), ToPixelsF(y, dpi.y)};
}

QFont PictureBox::CurrentFont() const { return MapFont(Font, DpiOf(*this).y); }

void PictureBox::Print(std::string_view text) {
    EnsureImage();
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font);
    const QString qtext = ToQString(text);
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(ToQColor(ForeColor));
        const QPointF topLeft = ToImage(CurrentX, CurrentY);
        painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), qtext);
    }
    textRuns_.push_back({std::string(text), {CurrentX, CurrentY}, Font, ForeColor});
    CurrentX += TextWidth(text);
    update();
}

int PictureBox::TextWidth(std::string_view text) const {
    const QFontMetricsF metrics(CurrentFont());
    return ToTwips(metrics.horizontalAdvance(ToQString(text)), DpiOf(*this).x);
}

InkSpan PictureBox::TextInk(std::string_view text) const {
    const QRectF ink = QFontMetricsF(CurrentFont()).tightBoundingRect(ToQString(text));
    const double x = DpiOf(*this).x;
    // Smoothed text may tint one pixel beyond its outline on either side.
    return {ToTwips(ink.left() - 1.0, x), ToTwips(ink.right() + 1.0, x)};
}

int PictureBox::LineReach() const { return ToTwips(LinePen().widthF() / 2 + 1.0, DpiOf(*this).x); }

int PictureBox::PixelWidth() const { return std::max(1, ToTwips(1.0, DpiOf(*this).x)); }

QPen PictureBox::LinePen() const {
    // One pixel at 96 dots per inch, growing with the screen's resolution as type does.
    const double width = std::max(1.0, DpiOf(*this).y / 96.0);
    QPen pen(ToQColor(ForeColor), width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPointF PictureBox::OnPixels(int x, int y) const {
    // Snapped to whole device pixels, so that upright and level strokes are not smeared
    // over two rows by the smoothing.
    const qreal ratio = image_.isNull() ? devicePixelRatioF() : image_.devicePixelRatio();
    const QPointF at = ToImage(x, y) * ratio;
    return QPointF(std::round(at.x()), std::round(at.y())) / ratio + LineOffset();
}

QPointF PictureBox::LineOffset() const {
    // A line an odd number of device pixels wide sits on pixel centres, an even one between
    // them, so that straight strokes stay crisp under smoothing.
    const qreal ratio = image_.isNull() ? devicePixelRatioF() : image_.devicePixelRatio();
    const auto devicePixels = static_cast<long>(std::lround(LinePen().widthF() * ratio));
    const double half = devicePixels % 2 == 1 ? 0.5 / ratio : 0.0;
    return {half, half};
}

int PictureBox::TextHeight(std::string_view) const {
    const QFontMetricsF metrics(CurrentFont());
    return ToTwips(metrics.height(), DpiOf(*this).y);
}

void PictureBox::Line(int x1, int y1, int x2, int y2) {
    EnsureImage();
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(LinePen());
        painter.drawLine(OnPixels(x1, y1), OnPixels(x2, y2));
    }
    lineRuns_.push_back({x1, y1, x2, y2, ForeColor});
    update();
}

void PictureBox::Arc(int cx, int cy, int radius, double startAngle, double endAngle) {
    EnsureImage();
    {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(LinePen());
        const Dpi dpi = DpiOf(*this);
        const QPointF centre = OnPixels(cx, cy);
        const double rx = ToPixelsF(radius, dpi.x);
        const double ry = ToPixelsF(radius, dpi.y);
        const QRectF box(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
        // Qt counts angles in sixteenths of a degree, counter-clockwise on screen.
        const double toSixteenths = 180.0 / std::numbers::pi * 16.0;
        const double span = endAngle >= startAngle ? endAngle - startAngle
                                                   : endAngle - startAngle + 2 * std::numbers::pi;
        painter.drawArc(box, static_cast<int>(std::lround(startAngle * toSixteenths)),
                        static_cast<int>(std::lround(span * toSixteenths)));
    }
    arcRuns_.push_back({cx, cy, radius, startAngle, endAngle});
    update();
}

void PictureBox::SetDragCursor() {
    dragCursor_ = true;
    setCursor(Qt::OpenHandCursor);
}

Colour PictureBox::PixelAt(TwipPoint p) const {
    // Lines sit on pixel centres, so a point belongs to the pixel it rounds to.
    const QPointF at = ToImage(p.x, p.y) * image_.devicePixelRatio();
    const int x = static_cast<int>(std::lround(at.x()));
    const int y = static_cast<int>(std::lround(at.y()));
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return back_;
    const QColor c = image_.pixelColor(x, y);
    return {c.red(), c.green(), c.blue()};
}

void PictureBox::paintEvent(QPaintEvent* event) {
    EnsureImage();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = image_.devicePixelRatio();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                        area.height() * ratio);
    painter.drawImage(QRectF(area), image_, source);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    EnsureImage();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (dragCursor_) setCursor(Qt::ClosedHandCursor);
    emit mousePressed(event->position().toPoint());
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    emit doubleClicked(event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (dragCursor_) setCursor(Qt::OpenHandCursor);
    emit mouseReleased(event->position().toPoint());
}

}  // namespace deducto::ui

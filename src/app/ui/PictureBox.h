// A picture control: a Canvas kept in an image that survives repaints, the widget only
// copying it to the screen. The image grows with the widget (checked on every drawing call,
// since drawing often happens before a window is first shown) and never shrinks. It records
// what it printed and the lines it drew, so tests can read a drawing back, and reports mouse
// presses, moves, releases and double clicks for the windows that scroll by dragging.
#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace deducto::ui {

// One Print call: the text, where it started and how it looked.
struct TextRun {
    std::string text;
    TwipPoint at;
    FontSpec font;
    Colour colour;
};

struct LineRun {
    int x1, y1, x2, y2;
    Colour colour;
};

struct ArcRun {
    int cx, cy, radius;
    double startAngle, endAngle;
};

class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    [[nodiscard]] TwipSize Size() const override;
    void GrowTo(TwipSize size) override;
    [[nodiscard]] Colour BackColor() const override { return back_; }
    void SetBackColor(Colour colour) override;
    void Cls() override;
    void Print(std::string_view text) override;
    [[nodiscard]] int TextWidth(std::string_view text) const override;
    [[nodiscard]] int TextHeight(std::string_view text) const override;
    [[nodiscard]] InkSpan TextInk(std::string_view text) const override;
    [[nodiscard]] int LineReach() const override;
    [[nodiscard]] int PixelWidth() const override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Arc(int cx, int cy, int radius, double startAngle, double endAngle) override;
    void SetDragCursor() override;

    // What the drawing says in words, shown as its tooltip and given to screen readers as
    // its description; Cls clears it with the drawing.
    void SetDescription(const QString& text);

    // What has been drawn since the last Cls, in drawing order.
    [[nodiscard]] const std::vector<TextRun>& textRuns() const { return textRuns_; }
    [[nodiscard]] const std::vector<LineRun>& lineRuns() const { return lineRuns_; }
    [[nodiscard]] const std::vector<ArcRun>& arcRuns() const { return arcRuns_; }
    // The kept image (device pixels).
    [[nodiscard]] const QImage& image() const { return image_; }
    // The colour of the kept image at a point given in twips.
    [[nodiscard]] Colour PixelAt(TwipPoint p) const;

signals:
    // Pointer positions in pixels relative to the picture.
    void mousePressed(QPoint at);
    void mouseMoved(QPoint at);
    void mouseReleased(QPoint at);
    void doubleClicked(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void EnsureImage();
    [[nodiscard]] QPointF ToImage(int x, int y) const;
    [[nodiscard]] QFont CurrentFont() const;
    // Lines and arcs as thick as the strokes of the text beside them, smoothed like it.
    [[nodiscard]] QPen LinePen() const;
    // Where a line of that pen is placed so that it covers whole pixels when it can.
    [[nodiscard]] QPointF LineOffset() const;
    [[nodiscard]] QPointF OnPixels(int x, int y) const;

    QImage image_;
    // The size last asked for in twips, kept exact while the widget still has the pixel size
    // it was given for it (pixels round twips off).
    TwipSize asked_;
    Colour back_ = kWhite;
    bool dragCursor_ = false;
    std::vector<TextRun> textRuns_;
    std::vector<LineRun> lineRuns_;
    std::vector<ArcRun> arcRuns_;
};

}  // namespace deducto::ui

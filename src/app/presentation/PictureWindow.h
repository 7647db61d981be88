// What the truth-table and details windows share: one picture, `picBox`, that may be larger
// than the window and is scrolled by dragging it; the window opens at the mouse pointer,
// sized to its drawing within the screen, and the picture grows with the window.
#pragma once

#include <QDialog>
#include <QPoint>
#include <string>
#include <vector>

#include "ui/PictureBox.h"

namespace deducto {

inline constexpr int kMaxFitTwips = 20000;  // the picture grows with the window up to this
inline constexpr int kDragThresholdTwips = 10;

// What a window's frame adds to its client size (an allowance before it is first shown).
[[nodiscard]] QSize FrameAllowance(const QWidget& window);
// Where `window` goes to be near `at` with its whole frame inside `area`.
[[nodiscard]] QPoint KeptOnScreen(const QWidget& window, QPoint at, const QRect& area);

class PictureWindow : public QDialog {
    Q_OBJECT
public:
    ui::PictureBox* picBox;

    // Puts the window's top-left corner at the mouse pointer, kept on the screen.
    void PlaceAtPointer();
    // Sizes the window to `needed`, as far as the screen allows.
    void FitToDrawing(ui::TwipSize needed);
    // Shows the window modal (returning when it is closed) or modeless. The window deletes
    // itself when closed either way.
    void ShowWindow(bool modal);

protected:
    PictureWindow(const QString& caption, QWidget* parent);
    // Tells screen readers what the picture shows: `name`, and the drawing as lines of text.
    void DescribePicture(const QString& name, const std::vector<std::string>& lines);
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitPicture();
    // The width the window needs to show its whole caption.
    [[nodiscard]] int TitleWidth() const;
    void picBox_MouseDown(QPoint at);
    void picBox_MouseMove(QPoint at);
    void picBox_MouseUp(QPoint at);

    bool dragging_ = false;
    QPoint dragStart_;  // pointer position in the picture at the press, in pixels
};

}  // namespace deducto

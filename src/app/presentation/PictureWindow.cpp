// PictureWindow: placement, growth of the picture, and drag scrolling.
#include "presentation/PictureWindow.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace deducto {
namespace {

QRect AvailableScreenArea(const QWidget& window, QPoint at) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

QSize FrameAllowance(const QWidget& window) {
    // Once shown, the window manager's frame is known; before that a title bar and borders
    // are allowed for, so that the frame, not only the client area, stays on the screen.
    const QSize known = window.frameGeometry().size() - window.size();
    return known.height() > 0 ? known : QSize(16, 40);
}

QPoint KeptOnScreen(const QWidget& window, QPoint at, const QRect& area) {
    const QSize whole = window.size() + FrameAllowance(window);
    return {std::max(area.left(), std::min(at.x(), area.right() + 1 - whole.width())),
            std::max(area.top(), std::min(at.y(), area.bottom() + 1 - whole.height()))};
}

PictureWindow::PictureWindow(const QString& caption, QWidget* parent)
    : QDialog(parent), picBox(new ui::PictureBox(this)) {
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    picBox->setObjectName(QStringLiteral("picBox"));
    picBox->move(0, 0);
    connect(picBox, &ui::PictureBox::mousePressed, this, &PictureWindow::picBox_MouseDown);
    connect(picBox, &ui::PictureBox::mouseMoved, this, &PictureWindow::picBox_MouseMove);
    connect(picBox, &ui::PictureBox::mouseReleased, this, &PictureWindow::picBox_MouseUp);
}

void PictureWindow::PlaceAtPointer() {
    const QPoint at = QCursor::pos();
    move(KeptOnScreen(*this, at, AvailableScreenArea(*this, at)));
}

void PictureWindow::FitToDrawing(ui::TwipSize needed) {
    // The drawing may ask for more than any screen holds (a table of thousands of rows):
    // the window stops at the screen and the rest is reached by dragging.
    const QRect area = AvailableScreenArea(*this, pos());
    const QSize wanted = ui::ToPixels(
        ui::TwipSize{std::clamp(needed.width, 0, 1 << 24), std::clamp(needed.height, 0, 1 << 24)},
        *this);
    const QSize frame = FrameAllowance(*this);
    resize(std::clamp(std::max(wanted.width(), TitleWidth()), 100,
                      std::max(100, area.width() - frame.width())),
           std::clamp(wanted.height(), 50, std::max(50, area.height() - frame.height())));
    move(KeptOnScreen(*this, pos(), area));
    FitPicture();
}

int PictureWindow::TitleWidth() const {
    // The caption in the title bar's face, with room for the window's icon and its three
    // buttons, so that the caption is never cut down to its first and last letters.
    constexpr int kDecorations = 150;  // pixels
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    return metrics.horizontalAdvance(windowTitle()) + kDecorations;
}

void PictureWindow::DescribePicture(const QString& name, const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    picBox->setAccessibleName(name);
    picBox->setAccessibleDescription(text.join(QLatin1Char('\n')));
}

void PictureWindow::ShowWindow(bool modal) {
    if (modal) {
        exec();
    } else {
        show();
    }
}

void PictureWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FitPicture();
}

void PictureWindow::FitPicture() {
    // The picture only grows, so its edge never comes inside the window.
    const ui::TwipSize window = ui::ToTwips(size(), *this);
    const ui::TwipPoint at = ui::ToTwips(picBox->pos(), *this);
    const ui::TwipSize picture = picBox->Size();
    ui::TwipSize wanted = picture;
    if (at.x + picture.width < window.width) {
        wanted.width = std::min(window.width - at.x, kMaxFitTwips);
    }
    if (at.y + picture.height < window.height) {
        wanted.height = std::min(window.height - at.y, kMaxFitTwips);
    }
    picBox->GrowTo(wanted);
}

void PictureWindow::picBox_MouseDown(QPoint at) {
    dragging_ = true;
    dragStart_ = at;
}

void PictureWindow::picBox_MouseMove(QPoint at) {
    if (!dragging_) return;
    const ui::Dpi dpi = ui::DpiOf(*this);
    const int dx = at.x() - dragStart_.x();
    const int dy = at.y() - dragStart_.y();
    if (std::abs(ui::ToTwips(dx, dpi.x)) <= kDragThresholdTwips &&
        std::abs(ui::ToTwips(dy, dpi.y)) <= kDragThresholdTwips) {
        return;
    }
    // The picture follows the pointer but its edges stop at the window's edges.
    const QRect picture = picBox->geometry();
    const int x = std::clamp(picture.x() + dx, std::min(0, width() - picture.width()), 0);
    const int y = std::clamp(picture.y() + dy, std::min(0, height() - picture.height()), 0);
    picBox->move(x, y);
}

void PictureWindow::picBox_MouseUp(QPoint) { dragging_ = false; }

}  // namespace deducto

// dlgHelp, LaunchHelp and the About box.
#include "reference/Help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <string>

#include "DeductoVersion.h"
#include "presentation/PictureWindow.h"
#include "ui/Twips.h"
#include "ui/WindowPrompts.h"

namespace deducto {
namespace {

inline constexpr ui::TwipSize kHelpClientSize{8175, 5535};
inline constexpr const char* kAboutTitle = "About Deducto";

}  // namespace

dlgHelp::dlgHelp(const QString& address, QWidget* parent)
    : QDialog(parent), WebBrowser1(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("dlgHelp"));
    setWindowTitle(QString::fromLatin1(kHelpCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenLinks(true);
    WebBrowser1->setOpenExternalLinks(false);
    WebBrowser1->installEventFilter(this);
    WebBrowser1->viewport()->installEventFilter(this);
    resize(ui::ToPixels(kHelpClientSize, *this));
    WebBrowser1->setGeometry(rect());
    WebBrowser1->setSource(QUrl(address));
}

bool dlgHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Form_KeyDown(static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void dlgHelp::keyPressEvent(QKeyEvent* event) {
    // Escape would close a dialog; this window closes only on F3 or as any window does.
    if (!Form_KeyDown(event->key()) && event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
    }
}

bool dlgHelp::Form_KeyDown(int key) {
    if (key == Qt::Key_F3) {
        close();
        return true;
    }
    if (key == Qt::Key_F12) {
        // The main window is asked first: it may hold unsaved work, and when the user keeps
        // it nothing at all is closed. Closing it ends the program.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(window) != nullptr && window->isVisible() &&
                !window->close()) {
                return true;
            }
        }
        QApplication::closeAllWindows();
        return true;
    }
    return false;
}

void dlgHelp::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The browser fills the window; a direction squeezed to nothing keeps its last extent.
    QRect area = WebBrowser1->geometry();
    if (height() > 0) area.setHeight(height());
    if (width() > 0) area.setWidth(width());
    area.moveTopLeft({0, 0});
    WebBrowser1->setGeometry(area);
}

dlgHelp* LaunchHelp(std::string_view anchor) {
    const std::string address = std::string(HelpPageAddress) + kHelpPage + std::string(anchor);
    auto* window = new dlgHelp(QString::fromStdString(address));
    // A second window opens down and to the right of the newest one, as desktop programs
    // cascade their windows, so that it does not hide the first; always inside the screen.
    static QPointer<dlgHelp> newest;
    if (newest != nullptr && newest->isVisible()) {
        const int step = window->fontMetrics().height() * 2;
        const QRect area = newest->screen()->availableGeometry();
        const QSize whole = window->size() + FrameAllowance(*window);
        QPoint at = newest->pos() + QPoint(step, step);
        if (at.x() + whole.width() > area.right() + 1) at.setX(area.left());
        if (at.y() + whole.height() > area.bottom() + 1) at.setY(area.top());
        window->move(at);
    }
    newest = window;
    if (QApplication::activeModalWidget() != nullptr) {
        window->setWindowModality(Qt::ApplicationModal);
        window->exec();
        return nullptr;
    }
    window->show();
    return window;
}

void ShowAbout(WindowPrompts& prompts) {
    prompts.ShowTitledMessage(kAboutTitle,
                              std::string("Deducto\r\nThe Inferator\r\n\r\nVersion ") + kVersion +
                                  "\r\n\r\nA teaching tool for elementary logic: it tests whether "
                                  "a conclusion\r\nfollows from its premises, in propositional "
                                  "and monadic predicate\r\ncalculus, elementary set theory and "
                                  "controlled English.");
}

}  // namespace deducto

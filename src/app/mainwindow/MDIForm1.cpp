// MDIForm1: sizing rules and the end of the program.
#include "mainwindow/MDIForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QUrl>

#include "Session.h"
#include "mainwindow/Main.h"

namespace deducto {

MDIForm1::MDIForm1(Session& session, WindowPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), session_(session), Main_(new Main(session, prompts)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    menuBar()->addMenu(Main_->mnuFile);
    menuBar()->addMenu(Main_->mnuTruthTableOptions);
    menuBar()->addMenu(Main_->mnuNaturalLanguage);
    menuBar()->addMenu(Main_->mnuHelp);
    // Scroll bars appear only when the frame is smaller than the main window.
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("mdiArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(Main_);
    area->setWidgetResizable(false);
    // A click on a picture or the window's background must not move the focus to the
    // scrolling frame, where typed text would go nowhere.
    area->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(area);
    connect(Main_, &Main::windowSizeChanged, this, &MDIForm1::FitToMain);
    connect(Main_, &Main::exitRequested, this, &MDIForm1::EndProgram);
    connect(Main_, &Main::captionChanged, this, [this] { setWindowTitle(Main_->FileCaption()); });
    setAcceptDrops(true);
    MDIForm_Load();
}

QSize MDIForm1::FullSize() const {
    // Once laid out, what the frame adds is measured: at a fractional scale the menu bar's
    // hint and its real height differ by a pixel or two, enough to bring both scroll bars.
    const QWidget* area = centralWidget();
    const QSize chrome = isVisible() && area != nullptr && area->height() > 0
                             ? size() - area->size()
                             : QSize(0, menuBar()->sizeHint().height());
    return Main_->size() + chrome.expandedTo(QSize(0, 0));
}

void MDIForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The first layout may measure the menu bar differently from its hint.
    QTimer::singleShot(0, this, [this] { FitToMain(); });
}

void MDIForm1::MDIForm_Load() {
    resize(FullSize());
    const QScreen* screen = this->screen();
    if (screen != nullptr) {
        const QSize available = screen->availableGeometry().size();
        if (FullSize().width() > available.width() || FullSize().height() > available.height()) {
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
}

void MDIForm1::FitToMain() {
    if (!isMaximized()) resize(FullSize());
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isMaximized()) return;
    // Smaller is allowed (scroll bars); larger than the main window is cut back.
    const QSize limit = FullSize();
    if (width() > limit.width() || height() > limit.height()) resize(size().boundedTo(limit));
}

void MDIForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Main_->Form_Activate();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!ending_ && !Main_->MaybeSaveChanges()) {
        event->ignore();
        return;
    }
    EndProgram();
    event->accept();
}

namespace {
// The first local file of a drag, or an empty string.
QString DroppedFile(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
    }
    return {};
}
}  // namespace

void MDIForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    Main_->OpenArgumentFile(path);
}

void MDIForm1::EndProgram() {
    // Any computation in progress is abandoned: it sees the halt at its next check and
    // unwinds without showing anything, while the event loop ends.
    session_.progress.haltRequested = true;
    if (ending_) return;
    ending_ = true;
    emit closing();
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace deducto

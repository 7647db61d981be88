#include "ui/DesktopPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace deducto::ui {

namespace {

constexpr const char* kGeometryKey = "window/geometry";

}  // namespace

QIcon ApplicationIcon() {
    const QString id = QString::fromLatin1(kDesktopId);
    QIcon bundled;
    // Rendered from the SVG at build time: Qt reads SVG only with its SVG module installed.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        bundled.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(id), QSize(size, size));
    }
    if (QImageReader::supportedImageFormats().contains("svg")) {
        bundled.addFile(QStringLiteral(":/icons/scalable/%1.svg").arg(id));
    }
    return QIcon::fromTheme(id, bundled);
}

QString ExamplesFolder() {
    const QString folder = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                           QStringLiteral("/../share/deducto/examples"));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QRect WithinScreen(QRect saved, QRect available) {
    saved.setSize(saved.size().boundedTo(available.size()));
    if (saved.right() > available.right()) saved.moveRight(available.right());
    if (saved.bottom() > available.bottom()) saved.moveBottom(available.bottom());
    if (saved.left() < available.left()) saved.moveLeft(available.left());
    if (saved.top() < available.top()) saved.moveTop(available.top());
    return saved;
}

void SavePlacement(const QWidget& window, QSettings& settings) {
    settings.setValue(QString::fromLatin1(kGeometryKey), window.saveGeometry());
}

bool RestorePlacement(QWidget& window, const QSettings& settings) {
    const QByteArray saved = settings.value(QString::fromLatin1(kGeometryKey)).toByteArray();
    if (saved.isEmpty() || !window.restoreGeometry(saved)) return false;
    if (window.isMaximized() || window.isFullScreen()) return true;
    // The screen the window was on, or the nearest one when that screen is gone.
    const QRect frame = window.frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return true;
    const QRect placed = WithinScreen(frame, screen->availableGeometry());
    const QSize border = frame.size() - window.size();
    window.resize(placed.size() - border);
    window.move(placed.topLeft());
    return true;
}

}  // namespace deducto::ui

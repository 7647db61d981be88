// QtPrompts and QtEventPump.
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace deducto::ui {
namespace {

inline constexpr qint64 kPumpIntervalMs = 30;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Ask(std::string_view text, QMessageBox::StandardButtons buttons,
        const QString& title = QApplication::applicationName()) {
    QMessageBox box(QMessageBox::NoIcon, title, ToQString(text), buttons,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    if (buttons & QMessageBox::Cancel) box.setEscapeButton(QMessageBox::Cancel);
    return box.exec();
}

}  // namespace

void QtPrompts::ShowMessage(std::string_view text) {
    if (silent_) return;
    Ask(text, QMessageBox::Ok);
}

void QtPrompts::ShowTitledMessage(std::string_view title, std::string_view text) {
    if (silent_) return;
    Ask(text, QMessageBox::Ok, ToQString(title));
}

bool QtPrompts::Confirm(std::string_view text) {
    if (silent_) return false;
    return Ask(text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtEventPump::ProcessPendingEvents() {
    if (sinceLast_.isValid() && sinceLast_.elapsed() < kPumpIntervalMs) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceLast_.start();
}

}  // namespace deducto::ui

// QtPrompts and QtEventPump.
#include "ui/QtPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include "ui/DesktopPlace.h"

namespace deducto::ui {

void WideEnoughForTitle(QMessageBox& box) {
    constexpr int kDecorations = 150;  // pixels: the window's icon and its buttons
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    const int wanted = metrics.horizontalAdvance(box.windowTitle()) + kDecorations;
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr || box.sizeHint().width() >= wanted) return;
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

namespace {

inline constexpr qint64 kPumpIntervalMs = 30;

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Ask(std::string_view text, QMessageBox::StandardButtons buttons,
        const QString& title = QApplication::applicationName()) {
    QMessageBox box(QMessageBox::NoIcon, title, ToQString(text), buttons,
                    QApplication::activeWindow());
    WideEnoughForTitle(box);
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

SaveChoice QtPrompts::AskToSave(std::string_view text) {
    if (silent_) return SaveChoice::Discard;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQString(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    WideEnoughForTitle(box);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

std::string QtPrompts::ChooseFile(FileQuestion question, std::string_view suggested) {
    if (silent_) return {};
    static constexpr const char* kArguments = "Deducto arguments (*.deducto);;All files (*)";
    QWidget* parent = QApplication::activeWindow();
    const QString start = ToQString(suggested);
    QString path;
    switch (question) {
        case FileQuestion::OpenArgument:
            // With no argument open yet, the dialog starts among the worked examples.
            path = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"),
                                                start.isEmpty() ? ExamplesFolder() : start,
                                                QString::fromLatin1(kArguments));
            break;
        case FileQuestion::SaveArgument:
            path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save As"), start,
                                                QString::fromLatin1(kArguments));
            break;
        case FileQuestion::ExportTable:
            // The format follows the name's ending, so the filters only help to pick one.
            path = QFileDialog::getSaveFileName(
                parent, QStringLiteral("Export"), start,
                QStringLiteral("Plain text (*.txt);;CSV (*.csv);;Markdown (*.md);;LaTeX (*.tex)"));
            break;
        case FileQuestion::ExportPdf:
            path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export as PDF"), start,
                                                QStringLiteral("PDF (*.pdf)"));
            break;
    }
    return path.toStdString();
}

void QtEventPump::ProcessPendingEvents() {
    if (sinceLast_.isValid() && sinceLast_.elapsed() < kPumpIntervalMs) return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    sinceLast_.start();
}

}  // namespace deducto::ui

// TermTextBox: typing in capitals.
#include "natural/TermTextBox.h"

#include <QKeyEvent>

namespace deducto {

TermTextBox::TermTextBox(QWidget* parent) : ui::LineEdit(parent) {
    SetTypingLimit(kTermTypingLimit, QString());
}

void TermTextBox::Show(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (this->text() == shown) return;
    setText(shown);
    // A form longer than the box shows its beginning until the user works in it.
    if (!hasFocus()) setCursorPosition(0);
}

void TermTextBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0] >= QLatin1Char('a') && typed[0] <= QLatin1Char('z')) {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), typed.toUpper(),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        ui::LineEdit::keyPressEvent(&upper);
        event->setAccepted(upper.isAccepted());
        return;
    }
    ui::LineEdit::keyPressEvent(event);
}

}  // namespace deducto

// LineEdit: key, edit and focus notifications, and the typing limit.
#include "ui/LineEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <utility>

namespace deducto::ui {
namespace {

// Characters as the user sees them: a surrogate pair is one character, not two.
qsizetype CharacterCount(QStringView text) {
    qsizetype count = 0;
    for (const QChar c : text) {
        if (!c.isLowSurrogate()) ++count;
    }
    return count;
}

// Refuses an edit that makes the text longer than the limit; edits that shorten it always
// pass, so a text longer than the limit (with marks) can still be corrected. The box has
// already taken the new text when it asks, so the old length is kept by the box itself.
}  // namespace

class TypingLimitValidator : public QValidator {
public:
    explicit TypingLimitValidator(LineEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int&) const override {
        const int limit = box_->typingLimit();
        const qsizetype length = CharacterCount(input);
        if (limit <= 0 || length <= box_->acceptedLength()) return Acceptable;
        const QString& uncounted = box_->uncountedText();
        qsizetype counted = length;
        if (!uncounted.isEmpty()) counted -= input.count(uncounted) * CharacterCount(uncounted);
        if (counted <= limit) return Acceptable;
        box_->NoteRefusal();
        return Invalid;
    }

private:
    LineEdit* box_;
};

LineEdit::LineEdit(QWidget* parent) : QLineEdit(parent) {
    // QLineEdit's own maximum length would also cut text the program sets, such as a line
    // with the error mark inserted, so the limit is a validator instead.
    setValidator(new TypingLimitValidator(this));
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { acceptedLength_ = CharacterCount(text); });
    // Connected before anyone else can be, so that listeners see the rewritten text.
    connect(this, &QLineEdit::textEdited, this, &LineEdit::RewriteInput);
}

void LineEdit::RewriteInput() {
    if (!rewrite_) return;
    QString now = text();
    int cursor = cursorPosition();
    const int spaceAt = std::exchange(autoSpace_, -1);
    if (spaceAt > 0 && cursor == spaceAt + 1 && now.size() > spaceAt && now[spaceAt] == u' ' &&
        now[spaceAt - 1] == u' ') {
        now.remove(spaceAt, 1);
        cursor = spaceAt;
    }
    const Rewritten rewritten = rewrite_(now, cursor);
    if (rewritten.text == text()) return;
    setText(rewritten.text);
    setCursorPosition(rewritten.cursor);
    if (rewritten.text != now && rewritten.cursor > 0 &&
        rewritten.text[rewritten.cursor - 1] == u' ') {
        autoSpace_ = rewritten.cursor;
    }
}

void LineEdit::setText(const QString& text) {
    const bool writing = std::exchange(programWriting_, true);
    QLineEdit::setText(text);
    programWriting_ = writing;
}

void LineEdit::NoteRefusal() {
    if (programWriting_ || std::exchange(refusalPending_, true)) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            refusalPending_ = false;
            emit limitRefused();
        },
        Qt::QueuedConnection);
}

void LineEdit::SetTypingLimit(int limit, const QString& uncounted) {
    limit_ = limit;
    uncounted_ = uncounted;
}

void LineEdit::SetTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

QColor LineEdit::textColour() const { return palette().color(QPalette::Text); }

void LineEdit::keyPressEvent(QKeyEvent* event) {
    // Before the key acts, as the handlers expect (the verdict goes before the text changes).
    emit keyDown(event->key());
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    lastKeyChangedText_ = text() != before;
}

void LineEdit::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    emit keyUp(event->key());
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
        case Qt::ActiveWindowFocusReason:  // a message box or another window came up
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            return;
        default:
            emit lostFocus();
    }
}

}  // namespace deducto::ui

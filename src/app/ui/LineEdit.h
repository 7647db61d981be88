// A one-line text box that reports key presses and releases, edits, and the loss of focus
// to another control of the same window (not a switch to another window or a menu), and
// that limits what the user types without ever cutting text the program writes into it.
#pragma once

#include <QLineEdit>
#include <QString>
#include <functional>
#include <utility>

namespace deducto::ui {

class LineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LineEdit(QWidget* parent = nullptr);

    // The user may type at most `limit` characters, not counting occurrences of `uncounted`
    // (a mark the program inserts). The program itself may set any text.
    void SetTypingLimit(int limit, const QString& uncounted);
    [[nodiscard]] int typingLimit() const { return limit_; }
    [[nodiscard]] const QString& uncountedText() const { return uncounted_; }
    // The length of the text before the edit being validated, in characters.
    [[nodiscard]] qsizetype acceptedLength() const { return acceptedLength_; }
    // Whether the last key pressed changed the text (a key refused by the limit did not).
    [[nodiscard]] bool lastKeyChangedText() const { return lastKeyChangedText_; }

    // What the user types or pastes is passed through `rewrite` (given the text and the
    // cursor position, it returns the text to show and the cursor's new position); the
    // program's own setText is not.
    struct Rewritten {
        QString text;
        int cursor = 0;
    };
    using Rewrite = std::function<Rewritten(const QString& text, int cursor)>;
    void SetInputRewrite(Rewrite rewrite) { rewrite_ = std::move(rewrite); }

    // The program's own text, never refused or reported against the limit. (Hides
    // QLineEdit::setText for callers that know the box as a LineEdit.)
    void setText(const QString& text);

    // The text colour (normal or failed).
    void SetTextColour(const QColor& colour);
    [[nodiscard]] QColor textColour() const;

signals:
    void keyDown(int key);
    void keyUp(int key);
    void lostFocus();
    // Typing or pasting was refused because the text would pass the limit. Sent once the
    // edit is over, so a message shown for it does not interrupt the box.
    void limitRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class TypingLimitValidator;
    void RewriteInput();
    void NoteRefusal();

    int limit_ = 0;  // 0: no limit
    qsizetype acceptedLength_ = 0;
    QString uncounted_;
    Rewrite rewrite_;
    // Where a rewrite left a space before the cursor: a space typed next is not doubled.
    int autoSpace_ = -1;
    bool lastKeyChangedText_ = false;
    bool refusalPending_ = false;
    bool programWriting_ = false;
};

}  // namespace deducto::ui

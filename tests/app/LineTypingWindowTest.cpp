// Typing and pasting into a line say what happened: a character beyond the limit is refused
// with a message and starts nothing, a paste that would pass it likewise, and a pasted tab
// becomes a space as a pasted line break does.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <memory>

#include "AppTestSupport.h"

using namespace deducto;

namespace {

// A line of exactly 100 characters in the mode's own words, without a full stop.
QString FullLine(bool natural) {
    QString text = natural ? QStringLiteral("Socrates is poor") : QStringLiteral("p");
    while (text.size() < kMaxLineCharacters) {
        text += natural ? QStringLiteral(" and smart") : QStringLiteral(" or p");
    }
    return text.left(kMaxLineCharacters);
}

}  // namespace

class LineTypingWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;

    [[nodiscard]] long TimesSaid(const char* text) const {
        const auto& messages = app_->prompts.messages;
        return std::count(messages.begin(), messages.end(), std::string(text));
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        QVERIFY(app_->Show());
    }
    void cleanup() { app_.reset(); }

    void theCharacterBeyondTheLimitIsRefusedAndSaysSo_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<char>("key");
        QTest::newRow("propositional, a letter") << "optPropositional" << 'q';
        // The full stop that would end the sentence: no translation, no new term.
        QTest::newRow("natural language, the full stop") << "optNatural" << '.';
    }
    void theCharacterBeyondTheLimitIsRefusedAndSaysSo() {
        QFETCH(QString, mode);
        QFETCH(char, key);
        app_->SelectMode(qPrintable(mode));
        const QString full = FullLine(mode == QLatin1String("optNatural"));
        ui::LineEdit* box = app_->Box(1);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, full);
        QCOMPARE(box->text(), full);
        QCOMPARE(TimesSaid(kLineTooLong), 0L);
        QTest::keyClick(box, key);
        QCOMPARE(box->text(), full);
        QTRY_COMPARE(TimesSaid(kLineTooLong), 1L);
        QVERIFY(box->isEnabled());
        QVERIFY(box->hasFocus());
        QCOMPARE(app_->session.lexicon.TermCount(), 0);
        QVERIFY(app_->session.lines[1].tokens.empty());
    }

    void pastingPastTheLimitSaysSo() {
        app_->SelectMode("optPropositional");
        ui::LineEdit* box = app_->Box(1);
        box->setFocus(Qt::MouseFocusReason);
        const QString typed = FullLine(false).left(95);
        QTest::keyClicks(box, typed);
        QGuiApplication::clipboard()->setText(QStringLiteral(" and q and r"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), typed);
        QTRY_COMPARE(TimesSaid(kLineTooLong), 1L);
        // A paste that fits goes in without a word.
        QGuiApplication::clipboard()->setText(QStringLiteral(" or q"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), typed + QStringLiteral(" or q"));
        QTest::qWait(10);
        QCOMPARE(TimesSaid(kLineTooLong), 1L);
    }

    void pastedTabsAndLineBreaksBecomeSpaces_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tab") << QStringLiteral("p\tor q") << QStringLiteral("p or q");
        QTest::newRow("two tabs") << QStringLiteral("p\tand\tq") << QStringLiteral("p and q");
        QTest::newRow("line break") << QStringLiteral("p\nor q") << QStringLiteral("p or q");
        QTest::newRow("Windows line break")
            << QStringLiteral("p\r\nor q") << QStringLiteral("p or q");
    }
    void pastedTabsAndLineBreaksBecomeSpaces() {
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        app_->SelectMode("optPropositional");
        ui::LineEdit* box = app_->Box(1);
        box->setFocus(Qt::MouseFocusReason);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), shown);
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(app_->session.lines[1].table != nullptr);
        QCOMPARE(box->textColour(), QColor(Qt::black));
    }
};

QTEST_MAIN(LineTypingWindowTest)
#include "LineTypingWindowTest.moc"

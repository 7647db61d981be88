// The main window by keyboard and screen reader: symbols typed or pasted into the lines, the
// error mark after a rewrite, formulas and verdicts as the accessibility layer reports them,
// truth tables as text, Enter, Ctrl+T, Esc and Tab, pictures that take no focus, and a mode
// click whose release a message box took.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "presentation/frmTruthTable.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

// Scripted answers, with a hook that runs while a message is on show.
class HookedPrompts : public testing::ScriptedWindowPrompts {
public:
    std::function<void()> duringMessage;
    void ShowMessage(std::string_view text) override {
        ScriptedPrompts::ShowMessage(text);
        if (const auto hook = std::exchange(duringMessage, nullptr)) hook();
    }
};

QString Description(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

}  // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<HookedPrompts>> app_;
    Main* main_ = nullptr;

    ui::LineEdit* Box(int line) { return app_->Box(line); }
    ui::PictureBox* Picture(int line) { return app_->Picture(line); }
    QRadioButton* Option(const char* name) { return app_->Option(name); }
    void Type(int line, const QString& text, bool leave = true) {
        ui::LineEdit* box = Box(line);
        box->setFocus(Qt::MouseFocusReason);
        testing::TypeKeys(box, text);
        if (leave) QTest::keyClick(box, Qt::Key_Tab);
    }
    frmTruthTable* OpenTable() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* table = qobject_cast<frmTruthTable*>(w); table && table->isVisible()) {
                return table;
            }
        }
        return nullptr;
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<HookedPrompts>>();
        main_ = app_->main();
        QVERIFY(app_->Show());
    }
    void cleanup() { app_.reset(); }

    void symbolsBecomeTheKeywordsOfTheMode_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed wedge") << "optPropositional"
                                     << "p\u2227q" << false << "p and q";
        QTest::newRow("pasted arrows")
            << "optPropositional"
            << "\u00AC(p\u2192q)\u2194r" << true << "not (p implies q) iff r";
        QTest::newRow("quantifier") << "optPredicate"
                                    << "\u2200x(Px\u2192Qx)" << true << "forall x(Px implies Qx)";
        QTest::newRow("sets") << "optSetTheory"
                              << "A\u2229\u2205=\u2205" << false
                              << "A intersection nullset = nullset ";
    }
    void symbolsBecomeTheKeywordsOfTheMode() {
        QFETCH(QString, option);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        Option(qPrintable(option))->click();
        ui::LineEdit* box = Box(1);
        box->setFocus(Qt::MouseFocusReason);
        if (pasted) {
            QApplication::clipboard()->setText(typed);
            box->paste();
        } else {
            testing::TypeKeys(box, typed);
        }
        QCOMPARE(box->text(), shown);
        QCOMPARE(box->cursorPosition(), static_cast<int>(shown.size()));
    }

    void theErrorMarkLandsAfterTheRightCharacter_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("marked");
        QTest::newRow("doubled wedge") << "p \u2227 \u2227 q"
                                       << "p and and <-- ERROR  q";
        QTest::newRow("unknown symbol") << "p \u2227 \u2200x"
                                        << "p and \u2200 <-- ERROR x";
    }
    void theErrorMarkLandsAfterTheRightCharacter() {
        QFETCH(QString, typed);
        QFETCH(QString, marked);
        Option("optPropositional")->click();
        Type(1, typed);
        QCOMPARE(Box(1)->text(), marked);
    }

    void theStatusPictureSaysTheFormulaAndTheWholeWarning() {
        Option("optPredicate")->click();
        Type(1, "forall x Px and exists x Qx");
        const QString expected = QStringLiteral(
            "for all x, P x and there exists x such that Q x. "
            "Meaning of variable x is scope-dependent.");
        QCOMPARE(Picture(1)->toolTip(), expected);
        QCOMPARE(Description(Picture(1)), expected);
        QVERIFY(
            !QAccessible::queryAccessibleInterface(Picture(1))->text(QAccessible::Name).isEmpty());
        Type(1, " and");  // fails: nothing is drawn, so nothing is described
        QCOMPARE(Picture(1)->toolTip(), QString());
        QCOMPARE(Description(Picture(1)), QString());
    }

    void theVerdictIsReadAsTheLabelsName() {
        Option("optPropositional")->click();
        Type(1, "p");
        Type(0, "p or q", false);
        QTest::keyClick(Box(0), Qt::Key_Return);  // Enter in the conclusion evaluates
        auto* verdict = Find<QLabel>(main_, "lblEvaluation");
        QCOMPARE(verdict->text(), QStringLiteral("The conclusion is always true."));
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(verdict);
        QCOMPARE(read->text(QAccessible::Name), verdict->text());
        QCOMPARE(read->text(QAccessible::Description), QStringLiteral("Verdict"));
    }

    void controlTOpensTheFocusedLinesTableAndEscapeClosesIt() {
        Option("optPropositional")->click();
        main_->findChild<QAction*>(QStringLiteral("mnuMultitable"))->trigger();  // modeless
        Type(2, "p and q", false);  // still in the line, not yet parsed
        QTest::keyClick(Box(2), Qt::Key_T, Qt::ControlModifier);
        QPointer<frmTruthTable> table = OpenTable();
        QVERIFY(table != nullptr);
        // The rows as text: the heading, then one line per row.
        const QStringList rows = Description(table->picBox).split(QLatin1Char('\n'));
        QCOMPARE(rows, (QStringList{"p q | p and q", "T T | T", "T F | F", "F T | F", "F F | F"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(table->picBox)->text(QAccessible::Name),
                 QStringLiteral("Truth table"));
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table));
        QTest::keyClick(table, Qt::Key_Escape);
        QTRY_VERIFY(table.isNull());
    }

    void tabWalksDownTheLinesToTheEvaluation() {
        Option("optPropositional")->click();
        Box(8)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Box(8), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Box(0));
        QTest::keyClicks(Box(0), "p");
        QTest::keyClick(Box(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QStringLiteral("cmdEvaluateConclusion"));
    }

    void clickingAPictureLeavesTheFocusInTheLine() {
        Option("optPropositional")->click();
        Type(1, "p", false);
        QTest::mouseClick(Picture(1), Qt::LeftButton);
        QVERIFY(Box(1)->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), " or q");
        QCOMPARE(Box(1)->text(), QStringLiteral("p or q"));
    }

    void aModeClickCutShortByAMessageIsCarriedOut() {
        Option("optPropositional")->click();
        Type(1, "(p", false);
        QRadioButton* predicate = Option("optPredicate");
        // The message that leaving the line brings up takes the button's release, as a
        // modal box does.
        app_->prompts.duringMessage = [predicate] {
            QTest::mouseRelease(predicate, Qt::LeftButton);
        };
        QTest::mousePress(predicate, Qt::LeftButton);
        QTRY_COMPARE(app_->session.mode, Mode::Predicate);
        QVERIFY(predicate->isChecked());
        QVERIFY(!predicate->isDown());
        QCOMPARE(app_->prompts.messages.front(), std::string("Missing right parenthesis"));
    }
};

QTEST_MAIN(KeyboardAccessTest)
#include "KeyboardAccessTest.moc"

// The main window driven through its controls, found by name: line entry and parsing, the
// error mark, modes, evaluation, cancellation, requests made during a computation, the
// option menus, CLEAR/RESTART and the worked examples.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>

#include "AppTestSupport.h"
#include "Details.h"
#include "ReadLine.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "natural/CheckTermsModel.h"
#include "natural/TermDefinition.h"
#include "presentation/PictureWindow.h"
#include "presentation/frmDetails.h"
#include "presentation/frmTruthTable.h"
#include "reference/WorkedExamples.h"
#include "truthtable/modEvaluate.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"
#include "ui/QtPrompts.h"

using namespace deducto;
using deducto::testing::Find;

Q_DECLARE_METATYPE(deducto::Mode)

namespace {

std::string Joined(const std::vector<ui::TextRun>& runs) {
    std::string all;
    for (const ui::TextRun& run : runs) all += run.text;
    return all;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;
    MDIForm1* frame_ = nullptr;
    Main* main_ = nullptr;

    Session& session() { return app_->session; }
    testing::ScriptedWindowPrompts& prompts() { return app_->prompts; }
    ui::LineEdit* Box(int line) { return app_->Box(line); }
    QPushButton* TableButton(int line) { return app_->TableButton(line); }
    ui::PictureBox* Picture(int line) { return app_->Picture(line); }
    QPushButton* Button(const char* name) { return app_->Button(name); }
    QRadioButton* Option(const char* name) { return app_->Option(name); }
    QAction* Menu(const char* name) { return app_->Menu(name); }
    QString VerdictShown() { return app_->VerdictShown(); }

    // Types into a line as the user does, then leaves it with Tab.
    void Type(int line, const QString& text) {
        ui::LineEdit* box = Box(line);
        box->setFocus(Qt::MouseFocusReason);
        testing::TypeKeys(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    // Types a sentence in natural-language mode: its full stop leaves the line.
    void TypeSentence(int line, const QString& text) {
        ui::LineEdit* box = Box(line);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box, text);
    }
    void SelectMode(const char* option) { app_->SelectMode(option); }
    void EnterArgument(const QStringList& premises, const QString& conclusion) {
        for (int k = 0; k < premises.size(); ++k) Type(k + 1, premises[k]);
        Type(0, conclusion);
    }
    // Runs `check` on the modal window that `action` opens, then closes that window.
    template <typename Window, typename Check>
    void OnModal(const std::function<void()>& action, Check check) {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            seen = true;
            check(*window);
            window->close();
        });
        action();
        QVERIFY(seen);
    }

    // The two multi-word terms of the square-root example cannot be inferred; the
    // natural-language tests define them (and the rest) as the example does.
    [[nodiscard]] bool DefineExampleTerms() {
        for (const ExampleTerm& term : ExampleFor(Mode::Natural).terms) {
            if (!DefineTerm(term.kind, term.text, session().lexicon).ok()) return false;
        }
        return true;
    }
    // The user ticks the kind the program suggests for each new word.
    void AcceptSuggestedTerms() {
        prompts().onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        frame_ = app_->frame();
        main_ = app_->main();
        QVERIFY(app_->Show());
    }
    void cleanup() { app_.reset(); }

    void startsInNaturalLanguageWithItsButtons() {
        QCOMPARE(session().mode, Mode::Natural);
        QVERIFY(Option("optNatural")->isChecked());
        QVERIFY(!Option("optPropositional")->isChecked());
        QCOMPARE(Button("cmdToggle")->text(), QStringLiteral("Show Terms"));
        for (const char* name : {"cmdToggle", "cmdUpdateTerms", "cmdNatSyntaxHelp"}) {
            QVERIFY2(!Button(name)->isHidden(), name);
        }
        QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        QVERIFY(Button("cmdDetails")->isHidden());
        QVERIFY(session().options.eliminateUnneeded);
        QVERIFY(Menu("mnuEliminateUnneededVariables")->isChecked());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Deducto - the Inferator"));
    }

    void leavingALineParsesAndDrawsIt_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");  // the characters printed, glyphs drawn aside
        QTest::newRow("propositional") << "optPropositional"
                                       << "(r and k) implies p"
                                       << "(rk)p";
        QTest::newRow("predicate") << "optPredicate"
                                   << "forall x (Px implies Qx)"
                                   << "x(PxQx)";
        QTest::newRow("set theory") << "optSetTheory"
                                    << "f belongs S"
                                    << "f\u2208S";
    }
    void leavingALineParsesAndDrawsIt() {
        QFETCH(QString, option);
        QFETCH(QString, text);
        QFETCH(QString, printed);
        SelectMode(option.toLatin1().constData());
        Type(1, text);
        QVERIFY(session().lines[1].table != nullptr);
        QVERIFY(!session().lines[1].tokens.empty());
        QVERIFY(TableButton(1)->isEnabled());
        QVERIFY(session().entriesMade);
        QCOMPARE(Box(1)->textColour(), QColor(Qt::black));
        const auto& runs = Picture(1)->textRuns();
        QCOMPARE(QString::fromStdString(Joined(runs)), printed);
        QVERIFY(runs.front().at.x >= 10);
        for (const ui::TextRun& run : runs) QCOMPARE(run.at.y, 40);
        QVERIFY(prompts().messages.empty());
    }

    void leavingWithoutTypingDoesNotParseAgain() {
        SelectMode("optPropositional");
        Type(1, "p and q");
        const auto table = session().lines[1].table;
        Box(1)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Box(1), Qt::Key_Tab);  // no key pressed in the line before leaving
        QCOMPARE(session().lines[1].table, table);
    }

    void aFailingLineIsMarkedInRed_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("missing operand") << 1 << "p and and q"
                                         << "p and and <-- ERROR  q" << QStringList{};
        QTest::newRow("error past the end")
            << 0 << "(p"
            << "(p <-- ERROR " << QStringList{"Missing right parenthesis"};
        QTest::newRow("a character of two bytes")
            << 1 << QString::fromUtf8("p and \xC3\xA9")
            << QString::fromUtf8("p and \xC3\xA9 <-- ERROR ") << QStringList{"Invalid character"};
        // From 90 characters on a failing line also gets "Syntax error".
        const QString start = QString("p and ").repeated(14) + "and";
        QTest::newRow("89 characters")
            << 2 << start + " q" << start + " <-- ERROR  q" << QStringList{};
        QTest::newRow("90 characters")
            << 2 << start + "  q" << start + " <-- ERROR   q" << QStringList{"Syntax error"};
    }
    void aFailingLineIsMarkedInRed() {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, marked);
        QFETCH(QStringList, messages);
        SelectMode("optPropositional");
        Type(line, text);
        QCOMPARE(Box(line)->text(), marked);
        QCOMPARE(Box(line)->textColour(), QColor(Qt::red));
        QCOMPARE(QApplication::focusWidget(), Box(line));
        QVERIFY(!TableButton(line)->isEnabled());
        QVERIFY(session().lines[line].table == nullptr);
        if (line == 0) QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        QStringList shown;
        for (const std::string& m : prompts().messages) shown << QString::fromStdString(m);
        QCOMPARE(shown, messages);

        // Corrected, the mark goes and the line parses.
        Box(line)->selectAll();
        Type(line, "p or q");
        QCOMPARE(Box(line)->text(), QStringLiteral("p or q"));
        QCOMPARE(Box(line)->textColour(), QColor(Qt::black));
        QVERIFY(session().lines[line].table != nullptr);
    }

    void aFullLineKeepsAllItsTextWhenMarked() {
        // A line of the full 100 characters gets the mark inserted without losing its end.
        SelectMode("optPropositional");
        const QString text = QString("p and ").repeated(16) + "q or";  // 100 characters
        Type(3, text);
        QCOMPARE(Box(3)->text().remove(QString::fromLatin1(kErrorMark)), text);
        QCOMPARE(Box(3)->text().size(), 100 + qsizetype(std::strlen(kErrorMark)));
        // Typing more into it is refused, deleting is not.
        Box(3)->setFocus(Qt::MouseFocusReason);
        Box(3)->end(false);
        QTest::keyClicks(Box(3), "x");
        QVERIFY(!Box(3)->text().endsWith('x'));
        QTest::keyClick(Box(3), Qt::Key_Backspace);
        QCOMPARE(Box(3)->text().size(), 110);
    }

    void typingStopsAtOneHundredCharacters() {
        Box(4)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(Box(4), QString(105, 'p'));
        QCOMPARE(Box(4)->text(), QString(100, 'p'));
    }

    // The limit counts characters: an accented letter or one outside the Basic Multilingual
    // Plane (two UTF-16 units) is one character of the hundred.
    void typingLimitCountsCharacters_data() {
        QTest::addColumn<QString>("character");
        QTest::newRow("ascii") << QStringLiteral("p");
        QTest::newRow("latin-1") << QStringLiteral("\u00e9");
        QTest::newRow("astral") << QString::fromUcs4(U"\U0001D45D");
    }
    void typingLimitCountsCharacters() {
        QFETCH(QString, character);
        Box(4)->setFocus(Qt::MouseFocusReason);
        for (int i = 0; i < 101; ++i) Box(4)->insert(character);
        QCOMPARE(Box(4)->text(), character.repeated(100));
    }

    void aBlankLineDisablesItsButtons() {
        SelectMode("optPropositional");
        Type(0, "p");
        QVERIFY(Button("cmdEvaluateConclusion")->isEnabled());
        QVERIFY(TableButton(0)->isEnabled());
        Box(0)->selectAll();
        Type(0, "   ");
        QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        QVERIFY(!TableButton(0)->isEnabled());
        QVERIFY(session().lines[0].table == nullptr);
        QVERIFY(prompts().messages.empty());
    }

    void spacesAloneMakeNoEntry() {
        SelectMode("optPropositional");
        Type(2, "   ");
        QVERIFY(!session().entriesMade);
        QVERIFY(!TableButton(2)->isEnabled());
        SelectMode("optPredicate");  // nothing to confirm
        QVERIFY(prompts().messages.empty());
        QCOMPARE(session().mode, Mode::Predicate);
    }

    void typingInTheConclusionEnablesEvaluation() {
        SelectMode("optPropositional");
        Box(0)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(Box(0), "p");
        QVERIFY(Button("cmdEvaluateConclusion")->isEnabled());
        QVERIFY(TableButton(0)->isEnabled());
    }

    void modeChangeAsksOnceEntriesWereMade_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<Mode>("toMode");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("premise");
        QTest::newRow("to propositional") << "optPredicate"
                                          << "optPropositional" << Mode::Propositional
                                          << "This change will clear any entries already made."
                                          << "Pa or Qa";
        QTest::newRow("to set theory") << "optPropositional"
                                       << "optSetTheory" << Mode::SetTheory
                                       << "This change will clear any entries already made"
                                       << "p or q";
    }
    void modeChangeAsksOnceEntriesWereMade() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(Mode, toMode);
        QFETCH(QString, question);
        QFETCH(QString, premise);
        SelectMode(from.toLatin1().constData());
        const Mode fromMode = session().mode;
        Type(1, premise);
        Type(0, premise);
        const auto table = session().lines[1].table;
        QVERIFY(table != nullptr);

        prompts().cancelOnQuestion = 1;
        SelectMode(to.toLatin1().constData());
        QCOMPARE(prompts().messages, (std::vector<std::string>{question.toStdString()}));
        QCOMPARE(session().mode, fromMode);
        QVERIFY(Option(from.toLatin1().constData())->isChecked());
        QVERIFY(!Option(to.toLatin1().constData())->isChecked());
        QCOMPARE(Box(1)->text(), premise);
        QCOMPARE(session().lines[1].table, table);
        QVERIFY(Button("cmdEvaluateConclusion")->isEnabled());

        SelectMode(to.toLatin1().constData());  // answered OK this time
        QCOMPARE(session().mode, toMode);
        QVERIFY(Box(1)->text().isEmpty());
        QVERIFY(session().lines[1].table == nullptr);
        QVERIFY(session().lines[1].tokens.empty());
        QVERIFY(!session().entriesMade);
        QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        for (const char* name : {"cmdToggle", "cmdUpdateTerms", "cmdNatSyntaxHelp"}) {
            QVERIFY2(Button(name)->isHidden(), name);
        }
        frame_->activateWindow();  // activation shows them only in natural language
        QVERIFY(Button("cmdUpdateTerms")->isHidden());
    }

    void evaluationShowsTheVerdict_data() {
        QTest::addColumn<QStringList>("premises");
        QTest::addColumn<QString>("conclusion");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("why");
        QTest::newRow("follows") << QStringList{"p", "p implies q", "r"} << "q"
                                 << QString(VerdictText(Verdict::AlwaysTrue))
                                 << "It follows from premises 1 and 2 alone.";
        QTest::newRow("does not follow")
            << QStringList{"p"} << "q" << QString(VerdictText(Verdict::DoesNotFollow)) << "";
        QTest::newRow("inconsistent premises")
            << QStringList{"p", "not p"} << "q" << QString(VerdictText(Verdict::PremisesFalse))
            << "Every premise is needed.";
        QTest::newRow("always false")
            << QStringList{"p"} << "q and not q" << QString(VerdictText(Verdict::AlwaysFalse))
            << "It is false without any premise.";
        QTest::newRow("no premises")
            << QStringList{} << "q or not q" << QString(VerdictText(Verdict::AlwaysTrue))
            << "It is true without any premise.";
    }
    void evaluationShowsTheVerdict() {
        QFETCH(QStringList, premises);
        QFETCH(QString, conclusion);
        QFETCH(QString, verdict);
        QFETCH(QString, why);
        SelectMode("optPropositional");
        EnterArgument(premises, conclusion);
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(VerdictShown(), verdict);
        QCOMPARE(Find<QLabel>(main_, "lblWhy")->text(), why);
        QCOMPARE(Button("cmdDetails")->isHidden(),
                 verdict != QString(VerdictText(Verdict::DoesNotFollow)));
        QVERIFY(!Find<QGroupBox>(main_, "frameProcessing")->isVisible());

        // Any key in any line takes the verdict away.
        Box(5)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(Box(5), Qt::Key_Space);
        QVERIFY(VerdictShown().isEmpty());
        QVERIFY(Find<QLabel>(main_, "lblWhy")->text().isEmpty());
        QVERIFY(Button("cmdDetails")->isHidden());
    }

    void detailsListTheFailingCase() {
        SelectMode("optPropositional");
        EnterArgument({"p or q"}, "q");
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::DoesNotFollow)));
        OnModal<frmDetails>([this] { Button("cmdDetails")->click(); },
                            [](frmDetails& window) {
                                QCOMPARE(window.windowTitle(),
                                         QStringLiteral("Evaluation Details"));
                                const auto& runs = window.picBox->textRuns();
                                QCOMPARE(runs.size(), size_t{3});
                                QCOMPARE(runs[0].text, std::string(kDetailsHeading));
                                QCOMPARE(runs[1].text, std::string(">> p is true, q is false"));
                                QCOMPARE(runs[2].text, std::string(kDetailsWorldHint));
                            });
    }

    void cancelDuringEvaluationRestoresTheControls() {
        SelectMode("optPropositional");
        EnterArgument({"p implies q", "q implies r", "", "r implies s"}, "p implies s");
        // Count the chances to cancel that one evaluation has, then cancel at each of them.
        const long long before = app_->pump.pumps;
        Button("cmdEvaluateConclusion")->click();
        const long long chances = app_->pump.pumps - before;
        QVERIFY(chances >= 3);
        for (long long n = 1; n <= chances; ++n) {
            prompts().messages.clear();
            Box(6)->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(Box(6), Qt::Key_Space);  // clears the verdict
            Box(6)->clear();
            Button("cmdEvaluateConclusion")->setFocus();
            const long long start = app_->pump.pumps;
            bool lockedDuring = false;
            app_->pump.onPump = [&, n](long long pump) {
                if (pump - start != n) return;
                lockedDuring = !Box(1)->isEnabled() && !Button("cmdClear")->isEnabled() &&
                               Find<QTimer>(main_, "Timer1")->isActive();
                session().progress.haltRequested = true;
            };
            Button("cmdEvaluateConclusion")->click();
            app_->pump.onPump = nullptr;
            QVERIFY2(lockedDuring, qPrintable(QString("pump %1").arg(n)));
            QCOMPARE(prompts().messages, std::vector<std::string>{kProcessCanceled});
            QVERIFY(VerdictShown().isEmpty());
            QVERIFY(Button("cmdDetails")->isHidden());
            QVERIFY(!session().progress.haltRequested);
            QVERIFY(!Find<QTimer>(main_, "Timer1")->isActive());
            QVERIFY(!Find<QGroupBox>(main_, "frameProcessing")->isVisible());
            for (int line = 0; line < kLineCount; ++line) {
                QVERIFY(Box(line)->isEnabled());
                const bool hasTable = line <= 2 || line == 4;
                QCOMPARE(TableButton(line)->isEnabled(), hasTable);
            }
            for (const char* name : {"cmdClear", "cmdShowExample"}) {
                QVERIFY(Button(name)->isEnabled());
            }
            for (const char* name :
                 {"optPropositional", "optPredicate", "optSetTheory", "optNatural"}) {
                QVERIFY(Option(name)->isEnabled());
            }
            for (const char* name :
                 {"mnuPropExample", "mnuPredExample", "mnuSetExample", "mnuNatExample"}) {
                QVERIFY(Menu(name)->isEnabled());
            }
        }
    }

    void cancelWhileALineIsBuiltLeavesItWithoutTable() {
        SelectMode("optPropositional");
        app_->pump.onPump = [this](long long) { session().progress.haltRequested = true; };
        Type(2, "p implies q");
        app_->pump.onPump = nullptr;
        QCOMPARE(prompts().messages, std::vector<std::string>{kProcessCanceled});
        QVERIFY(session().lines[2].table == nullptr);
        QCOMPARE(Box(2)->text(), QStringLiteral("p implies q"));  // no error mark
        QCOMPARE(Box(2)->textColour(), QColor(Qt::red));
        QVERIFY(!TableButton(2)->isEnabled());
        QVERIFY(!session().progress.haltRequested);
    }

    // Eight premises, each an "or" of the same nine predicates of one individual: "&Cancel"
    // pressed at the evaluation's first chance stops it within a few more.
    void cancelStopsAHardPredicateArgumentAtOnce() {
        SelectMode("optPredicate");
        EnterArgument({"not Ca or Da or Ba or Aa or not Ia or Ha or Ga or Fa or not Ea",
                       "Fa or Ga or Ea or not Ba or Da or Ha or Ia or not Ca or Aa",
                       "Ea or Ga or not Ha or Ca or Ia or Ba or not Fa or Aa or Da",
                       "Ga or not Ia or Aa or Da or Fa or not Ea or Ha or Ba or Ca",
                       "not Ha or Ca or Da or Ea or not Fa or Ga or Ba or Ia or not Aa",
                       "Ca or Aa or Ea or not Ha or Ga or Fa or Ba or not Ia or Da",
                       "Da or Ea or not Ia or Aa or Ca or Ha or not Ba or Ga or Fa",
                       "Ga or not Da or Ba or Ea or Ha or not Ca or Ia or Fa or Aa"},
                      "Aa or not Ba");
        prompts().messages.clear();
        long long cancelledAt = 0;
        app_->pump.onPump = [&](long long pump) {
            if (cancelledAt != 0) return;
            cancelledAt = pump;
            session().progress.haltRequested = true;
        };
        const long long start = app_->pump.pumps;
        Button("cmdEvaluateConclusion")->click();
        app_->pump.onPump = nullptr;
        QCOMPARE(cancelledAt, start + 1);
        QVERIFY2(app_->pump.pumps - cancelledAt <= 3,
                 qPrintable(QString("%1 more pumps").arg(app_->pump.pumps - cancelledAt)));
        QCOMPARE(prompts().messages, std::vector<std::string>{kProcessCanceled});
        QVERIFY(VerdictShown().isEmpty());
    }

    void requestsDuringAComputationAreCarriedOutAfterIt_data() {
        QTest::addColumn<bool>("askTable");
        QTest::addColumn<bool>("askEvaluation");
        QTest::newRow("truth table") << true << false;
        QTest::newRow("evaluation") << false << true;
        QTest::newRow("both: the table first") << true << true;
    }
    void requestsDuringAComputationAreCarriedOutAfterIt() {
        QFETCH(bool, askTable);
        QFETCH(bool, askEvaluation);
        SelectMode("optPropositional");
        Menu("mnuMultitable")->trigger();  // truth-table windows open without blocking
        Type(1, "p");
        bool openedDuring = false;
        app_->pump.onPump = [&](long long) {
            app_->pump.onPump = nullptr;
            if (askTable) TableButton(1)->click();
            if (askEvaluation) Button("cmdEvaluateConclusion")->click();
            openedDuring =
                !testing::OpenWindows<frmTruthTable>().isEmpty() || !VerdictShown().isEmpty();
        };
        Type(0, "p or q");  // the conclusion's table is being built when the clicks come
        QVERIFY(!openedDuring);
        QCOMPARE(testing::OpenWindows<frmTruthTable>().size(), askTable ? 1 : 0);
        // With both, the evaluation waits for the end of the next computation.
        QCOMPARE(VerdictShown().isEmpty(), askTable || !askEvaluation);
        if (askTable && askEvaluation) {
            Type(2, "q");
            QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::AlwaysTrue)));
        }
    }

    void aLineLeftDuringAComputationIsParsedAfterIt() {
        SelectMode("optPropositional");
        bool parsedInside = true;
        app_->pump.onPump = [&](long long) {
            app_->pump.onPump = nullptr;
            // Meanwhile the user types into line 2 and leaves it.
            Box(2)->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(Box(2), "q or r");
            Box(3)->setFocus(Qt::TabFocusReason);
            parsedInside = session().lines[2].table != nullptr;
        };
        Type(1, "p");
        QVERIFY(!parsedInside);
        QVERIFY(session().lines[1].table != nullptr);
        QVERIFY(session().lines[2].table != nullptr);
        QVERIFY(TableButton(2)->isEnabled());
        QVERIFY(!Find<QTimer>(main_, "Timer1")->isActive());
    }

    void progressShowsDotsOrAPercentage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("total");
        QTest::addColumn<QStringList>("captions");  // after each tick
        QTest::newRow("dots") << "Combining premises" << 0 << 0
                              << QStringList{"Combining premises...", "Combining premises",
                                             "Combining premises.", "Combining premises..",
                                             "Combining premises..."};
        QTest::newRow("percentage") << "Evaluating combinations" << 25 << 200
                                    << QStringList{"Evaluating combinations (12.50%)"};
        QTest::newRow("building, just enough rows")
            << "Building combinations" << 1 << 101 << QStringList{"Building combinations (0.99%)"};
        QTest::newRow("too few rows for a percentage")
            << "Evaluating combinations" << 50 << 100
            << QStringList{"Evaluating combinations...", "Evaluating combinations"};
    }
    void progressShowsDotsOrAPercentage() {
        QFETCH(QString, text);
        QFETCH(int, current);
        QFETCH(int, total);
        QFETCH(QStringList, captions);
        SelectMode("optPropositional");
        auto* timer = Find<QTimer>(main_, "Timer1");
        auto* label = Find<QLabel>(main_, "labelProcessing");
        QStringList shown;
        app_->pump.onPump = [&](long long) {
            app_->pump.onPump = nullptr;
            QCOMPARE(label->text(), QStringLiteral("Calculating"));
            QVERIFY(Find<QGroupBox>(main_, "frameProcessing")->isVisible());
            for (Step step : {Step::CombiningPremises, Step::BuildingCombinations,
                              Step::EvaluatingCombinations}) {
                if (text == StepText(step)) session().progress.step = step;
            }
            session().progress.progressCurrent = current;
            session().progress.progressTotal = total;
            timer->setInterval(0);  // tick at once instead of twice a second
            for (int pass = 0; pass < 1000 && shown.size() < captions.size(); ++pass) {
                const QString before = label->text();
                QCoreApplication::processEvents();
                if (label->text() != before || text == before) shown << label->text();
            }
        };
        Type(1, "p or q");
        QCOMPARE(shown, captions);
    }

    void optionMenusToggle_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QList<bool>>("flags");  // eliminate, false only, true only, multi
        QTest::newRow("start") << QStringList{} << QList<bool>{true, false, false, false};
        QTest::newRow("eliminate off") << QStringList{"mnuEliminateUnneededVariables"}
                                       << QList<bool>{false, false, false, false};
        QTest::newRow("false only")
            << QStringList{"mnuShowFalseOnly"} << QList<bool>{true, true, false, false};
        QTest::newRow("true only replaces false only")
            << QStringList{"mnuShowFalseOnly", "mnuShowTrueOnly"}
            << QList<bool>{true, false, true, false};
        QTest::newRow("false only replaces true only")
            << QStringList{"mnuShowTrueOnly", "mnuShowFalseOnly"}
            << QList<bool>{true, true, false, false};
        QTest::newRow("false only off again") << QStringList{"mnuShowFalseOnly", "mnuShowFalseOnly"}
                                              << QList<bool>{true, false, false, false};
        QTest::newRow("multi-table")
            << QStringList{"mnuMultitable"} << QList<bool>{true, false, false, true};
    }
    void optionMenusToggle() {
        QFETCH(QStringList, clicks);
        QFETCH(QList<bool>, flags);
        for (const QString& name : clicks) Menu(name.toLatin1().constData())->trigger();
        const Options& options = session().options;
        QCOMPARE((QList<bool>{options.eliminateUnneeded, options.showFalseOnly,
                              options.showTrueOnly, options.multiTable}),
                 flags);
        QCOMPARE(
            (QList<bool>{Menu("mnuEliminateUnneededVariables")->isChecked(),
                         Menu("mnuShowFalseOnly")->isChecked(),
                         Menu("mnuShowTrueOnly")->isChecked(), Menu("mnuMultitable")->isChecked()}),
            flags);
    }

    void eliminatingColumnsAppliesToTablesBuiltAfterwards() {
        SelectMode("optPropositional");
        Type(1, "p or (q and not q)");
        QCOMPARE(session().lines[1].table->nbrTerms(), 1);
        Menu("mnuEliminateUnneededVariables")->trigger();
        QCOMPARE(session().lines[1].table->nbrTerms(), 1);  // nothing is recomputed
        Type(2, "p or (q and not q)");
        QCOMPARE(session().lines[2].table->nbrTerms(), 2);
    }

    void clearRestartEmptiesTheArgumentOnly() {
        SelectMode("optPropositional");
        EnterArgument({"p"}, "q");
        Button("cmdEvaluateConclusion")->click();
        Menu("mnuShowTrueOnly")->trigger();
        Button("cmdClear")->click();
        for (int line = 0; line < kLineCount; ++line) {
            QVERIFY(Box(line)->text().isEmpty());
            QVERIFY(session().lines[line].table == nullptr);
            QVERIFY(session().lines[line].tokens.empty());
            QVERIFY(!TableButton(line)->isEnabled());
            QVERIFY(Picture(line)->textRuns().empty());
        }
        QVERIFY(VerdictShown().isEmpty());
        QVERIFY(Button("cmdDetails")->isHidden());
        QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        QVERIFY(!session().entriesMade);
        QCOMPARE(session().mode, Mode::Propositional);
        QVERIFY(session().options.showTrueOnly);
        QCOMPARE(QApplication::focusWidget(), Box(1));
    }

    void clearAllTermsAsksFirstAndReparsesOnlyInNaturalLanguage() {
        SelectMode("optPropositional");
        Type(1, "p");
        prompts().cancelOnQuestion = 1;
        Menu("mnuClearTerms")->trigger();
        QCOMPARE(prompts().messages,
                 std::vector<std::string>{"Are you sure you want to clear all terms permanently?"});
        QCOMPARE(session().lineReparse, std::string(kLineCount, 'N'));
        Menu("mnuClearTerms")->trigger();  // OK: line 1 is marked, but not reparsed here
        QCOMPARE(prompts().messages.size(), size_t{2});
        QCOMPARE(session().lineReparse, std::string("NTNNNNNNN"));
        QVERIFY(session().lines[1].table != nullptr);
    }

    void theFrameNeverGrowsBeyondTheMainWindow() {
        const QSize full = main_->size() + QSize(0, frame_->menuBar()->height());
        const QSize screen = frame_->screen()->availableGeometry().size();
        QCOMPARE(frame_->isMaximized(),
                 full.width() > screen.width() || full.height() > screen.height());
        frame_->showNormal();
        frame_->resize(full + QSize(400, 300));
        QCOMPARE(frame_->size(), full);
        frame_->resize(300, 200);
        QCOMPARE(frame_->size(), QSize(300, 200));
    }

    void exitHaltsAndCloses() {
        Menu("mnuExit")->trigger();
        QVERIFY(session().progress.haltRequested);
        QVERIFY(!frame_->isVisible());
    }

    void theExampleMenuTypesAndEvaluatesTheArgument_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("premises");
        QTest::newRow("propositional") << "mnuPropExample" << Mode::Propositional << 7;
        QTest::newRow("predicate") << "mnuPredExample" << Mode::Predicate << 7;
        QTest::newRow("set theory") << "mnuSetExample" << Mode::SetTheory << 4;
    }
    void theExampleMenuTypesAndEvaluatesTheArgument() {
        QFETCH(QString, menu);
        QFETCH(Mode, mode);
        QFETCH(int, premises);
        Type(1, "anything");  // unsaved: cleared after the save question
        Menu(menu.toLatin1().constData())->trigger();
        QCOMPARE(prompts().messages.back(),
                 std::string("Save the changes to the argument before closing?"));
        QCOMPARE(session().mode, mode);
        for (int line = 0; line <= premises; ++line) {
            QVERIFY2(session().lines[line].table != nullptr, qPrintable(Box(line)->text()));
        }
        QVERIFY(!VerdictShown().isEmpty());
        QCOMPARE(QApplication::focusWidget(), Button("cmdEvaluateConclusion"));
    }

    void theWeatherForecastDoesNotFollowInOneCase() {
        Menu("mnuPropExample")->trigger();
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::DoesNotFollow)));
        OnModal<frmDetails>([this] { Button("cmdDetails")->click(); },
                            [](frmDetails& window) {
                                const auto& runs = window.picBox->textRuns();
                                QCOMPARE(runs.size(), size_t{3});  // and the world hint
                                // One case, over every letter: all of them matter once premises are
                                // false elsewhere.
                                const QString line = QString::fromStdString(runs[1].text);
                                QVERIFY2(line.startsWith(">> ") && line.contains("k is false") &&
                                             line.contains("r is true"),
                                         qPrintable(line));
                            });
    }

    void aSentenceIsTranslatedWhenItsLineIsLeft_data() {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("printed");  // "" for a sentence that fails
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("specific noun") << "The square root of -1 is an imaginary number."
                                       << "((ItNt))" << QStringList{};
        QTest::newRow("pronoun, with its remark")
            << "A number is rational if and only if it can be expressed as a fraction of two "
               "integers."
            << "x(Nx((Yx)(Cx)))"
            << QStringList{"The antecedent of \"IT\" is assumed to be \"NUMBER.\""};
        QTest::newRow("no predicate") << "The square root of -1 is."
                                      << "" << QStringList{};
    }
    void aSentenceIsTranslatedWhenItsLineIsLeft() {
        QFETCH(QString, sentence);
        QFETCH(QString, printed);
        QFETCH(QStringList, messages);
        QVERIFY(DefineExampleTerms());
        TypeSentence(3, "The square root of -1 is complex.");  // a formula the line may lose
        QVERIFY(session().lines[3].table != nullptr);
        prompts().messages.clear();

        Box(3)->selectAll();
        TypeSentence(3, sentence);
        QStringList shown;
        for (const std::string& m : prompts().messages) shown << QString::fromStdString(m);
        QCOMPARE(shown, messages);
        const bool ok = !printed.isEmpty();
        QCOMPARE(session().lines[3].table != nullptr, ok);
        QCOMPARE(session().lines[3].tokens.empty(), !ok);
        QCOMPARE(TableButton(3)->isEnabled(), ok);
        QCOMPARE(QString::fromStdString(Joined(Picture(3)->textRuns())), printed);
        if (ok) {
            QCOMPARE(Box(3)->text(), sentence);
            QCOMPARE(Box(3)->textColour(), QColor(Qt::black));
        } else {
            QCOMPARE(Box(3)->text(), sentence + QString::fromLatin1(kErrorMark));
            QCOMPARE(Box(3)->textColour(), QColor(Qt::red));
            QCOMPARE(QApplication::focusWidget(), Box(3));
        }
    }

    void theFullStopKeyEndsASentence_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsedAtTheStop");
        QTest::newRow("natural language") << "optNatural"
                                          << "The square root of -1 is imaginary." << true;
        // Elsewhere a full stop is part of the formula (an intersection in set theory).
        QTest::newRow("set theory") << "optSetTheory"
                                    << "S = H.R" << false;
    }
    void theFullStopKeyEndsASentence() {
        QFETCH(QString, option);
        QFETCH(QString, text);
        QFETCH(bool, parsedAtTheStop);
        QVERIFY(DefineExampleTerms());
        SelectMode(option.toLatin1().constData());
        Box(2)->setFocus(Qt::MouseFocusReason);
        const qsizetype stop = text.indexOf('.');
        QTest::keyClicks(Box(2), text.left(stop));
        QVERIFY(session().lines[2].table == nullptr);
        QTest::keyClick(Box(2), Qt::Key_Period);
        QCOMPARE(session().lines[2].table != nullptr, parsedAtTheStop);
        QVERIFY(Box(2)->isEnabled());  // enabled again once the parse has ended
        QCOMPARE(QApplication::focusWidget() == Box(2), !parsedAtTheStop);
        if (parsedAtTheStop) QCOMPARE(Box(2)->text(), text);
    }

    void theTermsPanelIsRefreshedWhenTheLexiconGrows() {
        QSignalSpy refreshed(main_, &Main::termsPanelShown);
        AcceptSuggestedTerms();
        TypeSentence(1, "Socrates is a philosopher.");  // two new terms
        QCOMPARE(refreshed.count(), 1);
        Button("cmdToggle")->click();  // back to the syntax panel
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowTerms));
        TypeSentence(2, "Socrates is a philosopher.");  // nothing new
        QCOMPARE(refreshed.count(), 1);
        TypeSentence(3, "All philosophers are mortal.");  // one more
        QCOMPARE(refreshed.count(), 2);
        TypeSentence(0, "Socrates is mortal.");  // the panel is on show
        QCOMPARE(refreshed.count(), 3);
        // A worked example fills the lexicon without redrawing the panel line by line.
        Menu("mnuNatExample")->trigger();
        QCOMPARE(refreshed.count(), 3);
    }

    void clearAllTermsReparsesConclusionFirst() {
        AcceptSuggestedTerms();
        TypeSentence(2, "All philosophers are mortal.");
        TypeSentence(1, "  Socrates is a philosopher.");  // spaces the translator drops
        TypeSentence(0, "Socrates is mortal.");
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::AlwaysTrue)));
        prompts().messages.clear();

        Menu("mnuClearTerms")->trigger();
        QCOMPARE(prompts().messages,
                 (std::vector<std::string>{"Are you sure you want to clear all terms permanently?",
                                           "Reparsing Conclusion", "Reparsing Premise 1",
                                           "Reparsing Premise 2"}));
        QCOMPARE(session().lexicon.TermCount(), 0);
        QCOMPARE(session().lineReparse, std::string(kLineCount, 'N'));
        QVERIFY(VerdictShown().isEmpty());
        // Without terms no sentence reads any more: each line is marked, in the sentence as
        // the translator normalised it, and keeps no table of its old formula.
        QCOMPARE(Box(1)->text(), QStringLiteral("Socrates <-- ERROR  is a philosopher."));
        for (int line : {0, 1, 2}) {
            QCOMPARE(Box(line)->textColour(), QColor(Qt::red));
            QVERIFY(session().lines[line].table == nullptr);
            QVERIFY(session().lines[line].tokens.empty());
            QVERIFY(!TableButton(line)->isEnabled());
        }
        QVERIFY(!Button("cmdEvaluateConclusion")->isEnabled());
        TypeSentence(4, "Plato is a philosopher.");  // its computation ends enabling table buttons
        QVERIFY(session().lines[4].table != nullptr);
        for (int line : {0, 1, 2}) QVERIFY(!TableButton(line)->isEnabled());
    }

    void aReparseRebuildsALineWhoseBuildWasCancelled() {
        AcceptSuggestedTerms();
        app_->pump.onPump = [this](long long) { session().progress.haltRequested = true; };
        TypeSentence(1, "Socrates is mortal.");
        app_->pump.onPump = nullptr;
        QCOMPARE(prompts().messages, std::vector<std::string>{kProcessCanceled});
        QVERIFY(session().lines[1].table == nullptr);
        QCOMPARE(session().lines[1].tokens, std::string("Ms"));  // as its translation reads

        session().lineReparse[1] = 'T';  // as when one of its terms is corrected
        TypeSentence(2, "Socrates is mortal.");
        QCOMPARE(prompts().messages.back(), std::string("Reparsing Premise 1"));
        QVERIFY(session().lines[1].table != nullptr);
        QVERIFY(TableButton(1)->isEnabled());
        QCOMPARE(Box(1)->textColour(), QColor(Qt::black));
    }

    void theNaturalLanguageExampleFollowsUntilPremiseThreeIsWeakened() {
        Menu("mnuNatExample")->trigger();
        QVERIFY(prompts().messages.empty());  // no question, and no remarks while loading
        QCOMPARE(session().mode, Mode::Natural);
        QCOMPARE(session().lexicon.TermCount(), 7);
        for (int line = 0; line <= 5; ++line) {
            QVERIFY2(session().lines[line].table != nullptr, qPrintable(Box(line)->text()));
        }
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::AlwaysTrue)));
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        QVERIFY(!Button("cmdUpdateTerms")->isHidden());

        Box(3)->setFocus(Qt::MouseFocusReason);
        Box(3)->selectAll();
        TypeSentence(3, "The square root of -1 is imaginary.");
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::DoesNotFollow)));
        OnModal<frmDetails>(
            [this] { Button("cmdDetails")->click(); },
            [](frmDetails& window) {
                auto lines = testing::PrintedLines(*window.picBox, 300);
                QCOMPARE(lines.rbegin()->second, std::string(kDetailsWorldHint));
                lines.erase(std::prev(lines.end()));
                QVERIFY(lines.size() >= 2);
                // One case over several lines: each further column on a line of its own.
                QVERIFY(lines.begin()->second.rfind(">> there ", 0) == 0);
                for (auto it = std::next(lines.begin()); it != lines.end(); ++it) {
                    QVERIFY2(it->second.rfind("     and ", 0) == 0, it->second.c_str());
                }
                for (auto it = lines.begin(); std::next(it) != lines.end(); ++it) {
                    QVERIFY2(it->second.back() == ',', it->second.c_str());
                }
                QCOMPARE(lines.rbegin()->second,
                         std::string("     and THE SQUARE ROOT OF -1 is CAN BE EXPRESSED AS A "
                                     "FRACTION OF TWO INTEGERS and THE SQUARE ROOT OF -1 is "
                                     "IMAGINARY"));
            });
    }

    void theNaturalLanguageExampleAsksAboutTermsAndEntries_data() {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<bool>("term");
        QTest::addColumn<QString>("question");  // "" when nothing is asked
        QTest::newRow("nothing to lose") << false << false << "";
        // Terms defined in natural language are unsaved work: the save question comes first.
        QTest::newRow("terms") << false << true
                               << "Save the changes to the argument before closing?";
        QTest::newRow("entries and terms")
            << true << true << "Save the changes to the argument before closing?";
    }
    void theNaturalLanguageExampleAsksAboutTermsAndEntries() {
        QFETCH(bool, entry);
        QFETCH(bool, term);
        QFETCH(QString, question);
        if (term) QVERIFY(DefineTerm("adjective", "wise", session().lexicon).ok());
        if (entry) {
            Box(1)->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(Box(1), "Something");
        }
        prompts().cancelOnQuestion = 1;
        prompts().saveAnswer = SaveChoice::Cancel;
        Menu("mnuNatExample")->trigger();
        if (question.isEmpty()) {
            QVERIFY(prompts().questions == 0);
            QCOMPARE(session().lexicon.TermCount(), 7);
            return;
        }
        // Cancelled: nothing changes.
        QCOMPARE(prompts().messages, std::vector<std::string>{question.toStdString()});
        QCOMPARE(session().lexicon.TermCount(), 1);
        QCOMPARE(Box(1)->text().isEmpty(), !entry);
        prompts().saveAnswer = SaveChoice::Discard;
        Menu("mnuNatExample")->trigger();  // answered Discard
        QCOMPARE(session().lexicon.FindTerm("wise"), std::nullopt);
        QCOMPARE(session().lexicon.TermCount(), 7);
        QCOMPARE(VerdictShown(), QString(VerdictText(Verdict::AlwaysTrue)));
    }

    void showTruthTableOpensTheLinesTable() {
        SelectMode("optPropositional");
        Type(1, "p implies q");
        OnModal<frmTruthTable>([this] { TableButton(1)->click(); },
                               [](frmTruthTable& window) {
                                   QCOMPARE(window.windowTitle(), QStringLiteral("Truth Table"));
                                   QVERIFY(!window.picBox->textRuns().empty());
                               });
    }

    // A scope warning is read whole without hovering: after a short formula, on a row of
    // its own under a long one, never over the next line's box or the evaluate button.
    void scopeWarningsAreReadableWithoutHovering_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("below");
        const QString longOne = QStringLiteral(
            "exists x (Px and Qx and Rx and not Sx and Tx) and exists x (Px and not Qx and Sx)");
        QTest::newRow("premise, short formula")
            << 1 << QStringLiteral("forall x Px and exists x Qx") << false;
        QTest::newRow("premise, long formula") << 1 << longOne << true;
        QTest::newRow("last premise, long formula") << 8 << longOne << true;
        QTest::newRow("conclusion, long formula") << 0 << longOne << true;
    }
    void scopeWarningsAreReadableWithoutHovering() {
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(bool, below);
        QVERIFY(app_->Show());
        Option("optPredicate")->click();
        Type(line, typed);
        ui::PictureBox& picture = *Picture(line);
        const std::string warning = "Meaning of variable x is scope-dependent.";
        const auto& runs = picture.textRuns();
        const auto found = std::find_if(
            runs.begin(), runs.end(), [&](const ui::TextRun& run) { return run.text == warning; });
        QVERIFY(found != runs.end());
        QCOMPARE(found->at.y > 100, below);
        const QRect drawn =
            ui::ToPixels(ui::TwipRect{found->at.x, found->at.y, picture.TextWidth(warning),
                                      picture.TextHeight(warning)},
                         picture);
        QVERIFY2(picture.rect().contains(drawn), "the warning is cut off");
        const QRect onMain = drawn.translated(picture.pos());
        for (QWidget* other : main_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == &picture || !other->isVisible()) continue;
            QVERIFY2(!other->geometry().intersects(onMain), qPrintable(other->objectName()));
        }
        // Edited back to a formula without a warning, the picture is one row again.
        Box(line)->setFocus(Qt::MouseFocusReason);
        Box(line)->selectAll();
        Type(line, QStringLiteral("Pa"));
        QCOMPARE(picture.height(), ui::ToPixels(LinePictureRect(line, false), *main_).height());
    }

    // A message box is at least as wide as its title needs, so the title is never cut.
    void messageBoxesAreWideEnoughForTheirTitle_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("syntax error, short text") << QString::fromLatin1(kSyntaxError) << "x";
        QTest::newRow("long title") << QStringLiteral("Save the changes to the argument") << "?";
    }
    void messageBoxesAreWideEnoughForTheirTitle() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
        ui::WideEnoughForTitle(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
        QVERIFY(box.width() >= metrics.horizontalAdvance(title) + 150);
    }

    // "Add/Correct Terms" is drawn in the window's face, never squeezed, on every panel.
    void theAddCorrectTermsCaptionIsNotSqueezed() {
        QVERIFY(app_->Show());
        Option("optNatural")->click();
        QPushButton* button = Button("cmdUpdateTerms");
        const auto check = [&] {
            QVERIFY(button->isVisible());
            QCOMPARE(button->font().stretch(), main_->font().stretch());
            QVERIFY(button->width() >= button->sizeHint().width());
        };
        check();
        Button("cmdToggle")->click();  // the terms panel
        check();
        Menu("mnuNatExample")->trigger();
        check();
    }

    // A window opened with the pointer near the screen's bottom-right corner lies inside
    // the screen's available area, frame and all.
    void windowsOpenedNearTheCornerStayOnTheScreen() {
        QVERIFY(app_->Show());
        SelectMode("optPropositional");
        Menu("mnuMultitable")->trigger();
        Type(1, QStringLiteral("a or b or c or d or e or f"));
        const QRect area = frame_->screen()->availableGeometry();
        QCursor::setPos(area.bottomRight() - QPoint(3, 3));
        TableButton(1)->click();
        const auto windows = testing::OpenWindows<frmTruthTable>();
        QCOMPARE(windows.size(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(windows.front()));
        const QRect whole(windows.front()->pos(),
                          windows.front()->size() + FrameAllowance(*windows.front()));
        QVERIFY2(area.contains(whole), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(whole.x())
                                                      .arg(whole.y())
                                                      .arg(whole.width())
                                                      .arg(whole.height())));
        QVERIFY(area.contains(windows.front()->frameGeometry()));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"

// "Show Every Step" and the "Argument Table" window, through the main window's menu: the
// step columns and their headings, the counterexample rows in red, the sentence under the
// table, and the row limit.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "AppTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "presentation/DrawTruthTable.h"
#include "presentation/frmArgumentTable.h"
#include "presentation/frmTruthTable.h"
#include "truthtable/ArgumentTable.h"

using namespace deducto;

class StepTableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;

    QAction* Menu(const char* name) { return app_->Menu(name); }
    void Type(int line, const QString& text) {
        ui::LineEdit* box = app_->Box(line);
        box->setFocus(Qt::MouseFocusReason);
        testing::TypeKeys(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    // Opens windows without blocking, so the test can read them.
    template <typename Window>
    Window* OpenedBy(const std::function<void()>& action) {
        action();
        const QList<Window*> open = testing::OpenWindows<Window>();
        return open.isEmpty() ? nullptr : open.back();
    }
    // Every text the picture printed, in order.
    static QStringList Texts(const ui::PictureBox& picture) {
        QStringList texts;
        for (const ui::TextRun& run : picture.textRuns()) {
            texts << QString::fromStdString(run.text);
        }
        return texts;
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        QVERIFY(app_->Show());
        Menu("mnuMultitable")->trigger();
    }
    void cleanup() { app_.reset(); }

    void showEveryStepIsOffAtStart() {
        QVERIFY(Menu("mnuShowEverySteps")->isCheckable());
        QVERIFY(!Menu("mnuShowEverySteps")->isChecked());
        QVERIFY(!app_->session.options.showSteps);
        QCOMPARE(Menu("mnuShowEverySteps")->text(), QStringLiteral("Show Every &Step"));
    }

    void stepColumnsFollowTheMenu_data() {
        QTest::addColumn<bool>("steps");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QStringList>("cells");  // the first row's cells, left to right
        QTest::newRow("off: the design's table") << false << "optPropositional"
                                                 << "p and not q" << QStringList{"T", "T", "F"};
        QTest::newRow("on: every letter and step")
            << true << "optPropositional"
            << "p and not q" << QStringList{"T", "T", "F", "F"};
        QTest::newRow("on: predicate worlds")
            << true << "optPredicate"
            << "Pa or exists x Qx" << QStringList{"1", "P", "T", "T", "T"};
    }
    void stepColumnsFollowTheMenu() {
        QFETCH(bool, steps);
        QFETCH(QString, mode);
        QFETCH(QString, formula);
        QFETCH(QStringList, cells);
        app_->SelectMode(mode.toLatin1().constData());
        if (steps) Menu("mnuShowEverySteps")->trigger();
        QCOMPARE(app_->session.options.showSteps, steps);
        Type(0, formula);
        auto* window = OpenedBy<frmTruthTable>([this] { app_->TableButton(0)->click(); });
        QVERIFY(window != nullptr);
        const auto* picture = window->findChild<ui::PictureBox*>(QStringLiteral("picBox"));
        // The first row of cells, under the headings (whose negation signs sit lower).
        const std::map<int, std::string> lines = testing::PrintedLines(*picture, 400);
        QVERIFY(!lines.empty());
        std::vector<std::string> first;
        const int firstY = lines.begin()->first;
        for (const ui::TextRun& run : picture->textRuns()) {
            if (run.at.y == firstY) first.push_back(run.text);
        }
        QStringList got;
        for (const std::string& cell : first) got << QString::fromStdString(cell);
        QCOMPARE(got, cells);
    }

    void argumentTableShowsCounterexamplesInRed() {
        app_->SelectMode("optPropositional");
        Type(1, "p or q");
        Type(0, "p");
        auto* window = OpenedBy<frmArgumentTable>([this] { Menu("mnuArgumentTable")->trigger(); });
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Argument Table"));
        const auto* picture = window->findChild<ui::PictureBox*>(QStringLiteral("picBox"));
        const QStringList texts = Texts(*picture);
        QVERIFY(texts.contains(QStringLiteral("Premise 1")));
        QVERIFY(texts.contains(QStringLiteral("Conclusion")));
        QVERIFY(texts.contains(QStringLiteral(
            "In 1 of the 3 rows where all premises are true the conclusion is false.")));
        // Row FT (p false, q true) is the counterexample: every one of its cells is red.
        int red = 0;
        for (const ui::TextRun& run : picture->textRuns()) {
            if (run.colour == ui::kRed) {
                ++red;
                QVERIFY(run.text == "F" || run.text == "T" || run.text == "counterexample");
            }
        }
        QCOMPARE(red, 5);  // p, q, premise, conclusion, mark
        QVERIFY(texts.contains(QStringLiteral("counterexample")));
    }

    void argumentTableWithoutConclusionSaysSo() {
        app_->SelectMode("optPropositional");
        Menu("mnuArgumentTable")->trigger();
        QVERIFY(testing::OpenWindows<frmArgumentTable>().isEmpty());
        QCOMPARE(QString::fromStdString(app_->prompts.messages.back()),
                 QStringLiteral("Enter a conclusion to see the argument table."));
    }

    void bigStepTablesStopAtOneHundredRows() {
        app_->SelectMode("optPropositional");
        Menu("mnuShowEverySteps")->trigger();
        Type(0, "a and b and c and d and e and f and g and h and i and j and k and l and m and n");
        auto* window = OpenedBy<frmTruthTable>([this] { app_->TableButton(0)->click(); });
        QVERIFY(window != nullptr);
        QCOMPARE(QString::fromStdString(app_->prompts.messages.back()), QString(kTableTooLarge));
        const auto* picture = window->findChild<ui::PictureBox*>(QStringLiteral("picBox"));
        // Headings, 100 rows, and the legend of the headings too wide to stand over a column.
        const std::map<int, std::string> lines = testing::PrintedLines(*picture, 0);
        QVERIFY(lines.size() >= 101);
        QVERIFY(lines.rbegin()->second.rfind("(", 0) == 0);
    }
};

QTEST_MAIN(StepTableWindowTest)
#include "StepTableWindowTest.moc"

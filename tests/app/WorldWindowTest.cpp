// The world window: opened from the details, stepping through the failing cases, and the
// diagram's regions for one to four predicates.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "AppTestSupport.h"
#include "presentation/VennLayout.h"
#include "presentation/frmDetails.h"
#include "presentation/frmWorld.h"
#include "truthtable/modEvaluate.h"

using namespace deducto;

class WorldWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ScriptedWindowSession> app_;
    Session& session() { return app_->session; }

    std::shared_ptr<const clsTruthTable> Compare(Mode mode, const QStringList& premises,
                                                 const QString& conclusion) {
        session().mode = mode;
        return testing::CompareArgument(session(), premises, conclusion);
    }

    static int Printed(const frmWorld& window, const std::string& text) {
        const auto& runs = window.picBox->textRuns();
        return static_cast<int>(std::count_if(runs.begin(), runs.end(),
                                              [&](const auto& run) { return run.text == text; }));
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::ScriptedWindowSession>();
    }
    void cleanup() {
        testing::DeleteAllWindows();
        app_.reset();
    }

    // Nothing covers the drawing: the world is reached from the picture itself, at the case
    // double-clicked, or by W and the picture's menu.
    void detailsOpenTheWorld_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("clickedCase");
        QTest::addColumn<int>("shownCase");
        QTest::addColumn<QString>("trueLetters");
        QTest::newRow("double-click the first case") << "double-click" << 0 << 0 << "p";
        QTest::newRow("double-click the second case") << "double-click" << 1 << 1 << "q";
        QTest::newRow("W after a click on the second case") << "W" << 1 << 1 << "q";
        QTest::newRow("the picture's menu item") << "menu" << -1 << 0 << "p";
    }
    void detailsOpenTheWorld() {
        QFETCH(QString, how);
        QFETCH(int, clickedCase);
        QFETCH(int, shownCase);
        QFETCH(QString, trueLetters);
        frmDetails details(Compare(Mode::Propositional, {"p or q"}, "p and q"), session(),
                           app_->prompts);
        QVERIFY(details.findChildren<QPushButton*>().isEmpty());
        QVERIFY(testing::ShowActive(details));
        const auto lines = testing::PrintedLines(*details.picBox, 300);
        QCOMPARE(lines.rbegin()->second, std::string(kDetailsWorldHint));
        // Case k is the k-th line under the heading, each one line high.
        const auto caseLine = std::next(lines.begin(), std::max(clickedCase, 0));
        const QPoint onCase = ui::ToPixels(ui::TwipPoint{600, caseLine->first + 60}, details);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* world = qobject_cast<frmWorld*>(QApplication::activeModalWidget());
            QVERIFY(world != nullptr);
            seen = true;
            QCOMPARE(world->caseShown(), shownCase);
            QCOMPARE(world->worldShown()->trueLetters, trueLetters.toStdString());
            world->close();
        });
        if (how == QLatin1String("double-click")) {
            QTest::mouseDClick(details.picBox, Qt::LeftButton, {}, onCase);
        } else if (how == QLatin1String("W")) {
            QTest::mouseClick(details.picBox, Qt::LeftButton, {}, onCase);
            QTest::keyClick(&details, Qt::Key_W);
        } else {
            auto* action = details.picBox->findChild<QAction*>(QStringLiteral("mnuShowWorld"));
            QVERIFY(action == nullptr);  // the window owns it; the picture lists it
            bool listed = false;
            for (QAction* item : details.picBox->actions()) {
                if (item->objectName() != QLatin1String("mnuShowWorld")) continue;
                listed = true;
                QCOMPARE(item->text(), QStringLiteral("Show &World"));
                item->trigger();
            }
            QVERIFY(listed);
        }
        QVERIFY(seen);
    }

    // The cases come in the order of the details list, and the arrows stop at both ends.
    void arrowsStepThroughTheCases() {
        frmWorld window(Compare(Mode::Propositional, {"p or q"}, "p and q"), session());
        auto* previous = window.findChild<QPushButton*>(QStringLiteral("cmdPrevious"));
        auto* next = window.findChild<QPushButton*>(QStringLiteral("cmdNext"));
        QCOMPARE(window.caseCount(), 2);
        QVERIFY(!previous->isEnabled());
        QCOMPARE(window.worldShown()->trueLetters, std::string("p"));
        QCOMPARE(Printed(window, "Case 1 of 2: every premise is true and the conclusion is false"),
                 1);
        next->click();
        QCOMPARE(window.caseShown(), 1);
        QCOMPARE(window.worldShown()->trueLetters, std::string("q"));
        QVERIFY(!next->isEnabled());
        previous->click();
        QCOMPARE(window.caseShown(), 0);
    }

    // Every inhabited cell gets one mark, each line its value.
    void diagramMarksTheInhabitedRegions() {
        frmWorld window(Compare(Mode::Predicate, {"forall x (Px implies Qx)", "Pa or Rb"}, "Qa"),
                        session());
        const World* world = window.worldShown();
        QVERIFY(world != nullptr);
        QCOMPARE(world->letters, std::string("PQR"));
        QCOMPARE(Printed(window, "×"), static_cast<int>(world->inhabited.size()));
        QCOMPARE(Printed(window, "T"), 2);
        QCOMPARE(Printed(window, "F"), 1);
    }

    // A line whose formula does not give its table's value is a fault: the window says so
    // instead of drawing a world that is no counterexample.
    void aWorldThatDoesNotFitIsNotDrawn() {
        const auto comparison = Compare(Mode::Propositional, {"p or q"}, "p and q");
        session().lines[1].PolishStr = "pq1";  // "p and q": false where p alone is true
        frmWorld window(comparison, session());
        QCOMPARE(window.caseCount(), 2);
        QVERIFY(window.worldShown() == nullptr);
        QCOMPARE(Printed(window, "Impossible error: the failing case does not fit Premise 1."), 1);
        QCOMPARE(Printed(window, "T"), 0);
    }

    void everyRegionHasRoom_data() {
        QTest::addColumn<int>("predicates");
        for (int n = 1; n <= kMaxVennPredicates; ++n) {
            QTest::newRow(std::to_string(n).c_str()) << n;
        }
    }
    // Each region of the diagram exists, and its centre lies in it, clear of the outlines.
    void everyRegionHasRoom() {
        QFETCH(int, predicates);
        const VennLayout layout = MakeVennLayout(predicates, {200, 200});
        QCOMPARE(static_cast<int>(layout.shapes.size()), predicates);
        const std::vector<ui::TwipPoint> centres = layout.RegionCentres();
        QCOMPARE(static_cast<int>(centres.size()), 1 << predicates);
        for (int region = 0; region < (1 << predicates); ++region) {
            const ui::TwipPoint at = centres[region];
            QCOMPARE(layout.RegionAt(at.x, at.y), region);
            for (const Ellipse& shape : layout.shapes) QVERIFY(shape.Distance(at.x, at.y) > 150);
        }
        for (const ui::TwipPoint name : layout.names) QCOMPARE(layout.RegionAt(name.x, name.y), 0);
    }
};

QTEST_MAIN(WorldWindowTest)
#include "WorldWindowTest.moc"

// The world window: opened from the details, stepping through the failing cases, and the
// diagram's regions for one to four predicates.
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

    void detailsOpenTheWorld() {
        frmDetails details(Compare(Mode::Propositional, {"p or q"}, "q"), session(), app_->prompts);
        auto* show = details.findChild<QPushButton*>(QStringLiteral("cmdShowWorld"));
        QVERIFY(show != nullptr);
        QCOMPARE(show->text(), QStringLiteral("Show World"));
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* world = qobject_cast<frmWorld*>(QApplication::activeModalWidget());
            QVERIFY(world != nullptr);
            seen = true;
            QCOMPARE(world->worldShown()->trueLetters, std::string("p"));
            world->close();
        });
        show->click();
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

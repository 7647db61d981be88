// The truth-tree window: Step, Back and Finish by button and by key, the open branch's world,
// and the menu command that opens the window.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "mainwindow/Main.h"
#include "presentation/frmTree.h"
#include "presentation/frmWorld.h"
#include "tree/TreeExport.h"
#include "truthtable/WorldEvaluation.h"

using namespace deducto;

class TreeWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ScriptedWindowSession> app_;
    Session& session() { return app_->session; }

    TreeInput Read(Mode mode, const QStringList& premises, const QString& conclusion) {
        session().mode = mode;
        (void)testing::CompareArgument(session(), premises, conclusion);
        return TreeInputFromLines(session().lines, mode);
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

    // The window opens on the finished tree; Back and Step walk one rule at a time, and
    // Finish returns to the whole tree.
    void stepBackAndFinish() {
        frmTree window(Read(Mode::Propositional, {"p implies q", "q implies r"}, "p implies r"),
                       session(), app_->prompts);
        const int all = window.tree().steps();
        const std::vector<std::string> whole = TreeText(window.tree());
        QVERIFY(window.tree().closed());
        QVERIFY(!window.cmdStep->isEnabled());
        QVERIFY(!window.cmdFinish->isEnabled());
        window.cmdBack->click();
        QCOMPARE(window.tree().steps(), all - 1);
        QVERIFY(!window.tree().finished());
        QVERIFY(window.cmdStep->isEnabled());
        window.cmdBack->click();
        QCOMPARE(window.tree().steps(), all - 2);
        window.cmdStep->click();
        QCOMPARE(window.tree().steps(), all - 1);
        window.cmdFinish->click();
        QCOMPARE(window.tree().steps(), all);
        QVERIFY(window.tree().finished());
        QCOMPARE(TreeText(window.tree()), whole);
        // Back to the start: the lines alone, nothing taken apart.
        for (int k = 0; k < all; ++k) window.cmdBack->click();
        QCOMPARE(window.tree().steps(), 0);
        QCOMPARE(static_cast<int>(window.tree().nodes().size()), 3);
        QVERIFY(!window.cmdBack->isEnabled());
    }

    void keysStepBackAndFinish() {
        frmTree window(Read(Mode::Predicate, {"forall x (Px implies Qx)", "Pa"}, "Qa"), session(),
                       app_->prompts);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const int all = window.tree().steps();
        QTest::keyClick(&window, Qt::Key_Left);
        QCOMPARE(window.tree().steps(), all - 1);
        QTest::keyClick(&window, Qt::Key_Left);
        QTest::keyClick(&window, Qt::Key_Right);
        QCOMPARE(window.tree().steps(), all - 1);
        QTest::keyClick(&window, Qt::Key_End);
        QVERIFY(window.tree().finished());
    }

    // The open branch's world opens in the world window, where every premise is true and the
    // conclusion false.
    void openBranchShowsItsWorld() {
        const TreeInput input =
            Read(Mode::Predicate, {"exists x Px", "exists x Qx"}, "exists x (Px and Qx)");
        frmTree window(input, session(), app_->prompts);
        QVERIFY(!window.tree().closed());
        QVERIFY(window.selectedLeaf() != 0);
        QVERIFY(window.cmdShowWorld->isEnabled());
        window.cmdShowWorld->click();
        const auto worlds = window.findChildren<frmWorld*>();
        QCOMPARE(worlds.size(), 1);
        const World* world = worlds[0]->worldShown();
        QVERIFY(world != nullptr);
        QCOMPARE(static_cast<int>(world->inhabited.size()), 2);
        for (const auto& [index, polish] : input.premises) {
            QCOMPARE(EvaluateInWorld(polish, input.mode, *world), 'T');
        }
        QCOMPARE(EvaluateInWorld(input.conclusion, input.mode, *world), 'F');
    }

    // A closed tree has no world to show; neither has a tree stepped back before any branch
    // was finished.
    void closedTreeHasNoWorld() {
        frmTree window(Read(Mode::Propositional, {"p"}, "p or q"), session(), app_->prompts);
        QVERIFY(window.tree().closed());
        QVERIFY(!window.cmdShowWorld->isEnabled());
        QCOMPARE(window.selectedLeaf(), 0);
    }

    void menuOpensTheTree() {
        testing::MainWindowFixture<> fixture;
        fixture.Menu("mnuShowTree")->trigger();  // no conclusion yet
        QCOMPARE(fixture.prompts.messages.size(), size_t{1});
        QCOMPARE(fixture.prompts.messages.back(), std::string(kTreeNeedsConclusion));
        fixture.SelectMode("optPropositional");
        QVERIFY(testing::CompareArgument(fixture.session, {"p"}, "p") != nullptr);
        fixture.session.options.multiTable = true;  // modeless, so the test goes on
        fixture.Menu("mnuShowTree")->trigger();
        const auto trees = fixture.main()->findChildren<frmTree*>();
        QCOMPARE(trees.size(), 1);
        QVERIFY(trees[0]->tree().closed());
        QCOMPARE(fixture.Menu("mnuShowTree")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    }
};

QTEST_MAIN(TreeWindowTest)
#include "TreeWindowTest.moc"

// The "Evaluation Details" window: the layout of the cases, the limit of the picture, and
// the cases of a real evaluation in each mode.
#include <QApplication>
#include <QTest>

#include "AppTestSupport.h"
#include "presentation/DrawDetails.h"
#include "presentation/frmDetails.h"
#include "truthtable/modEvaluate.h"

using namespace deducto;
using deducto::testing::PrintedLines;

Q_DECLARE_METATYPE(deducto::Mode)

class DetailsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ScriptedWindowSession> app_;
    Session& session() { return app_->session; }

    // Evaluates an argument the way the main window reads its lines.
    std::shared_ptr<const clsTruthTable> Compare(const QStringList& premises,
                                                 const QString& conclusion) {
        return testing::CompareArgument(session(), premises, conclusion);
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

    void listsEachLineOfEachCase() {
        ui::PictureBox picture;
        picture.GrowTo({21880, 13195});
        const std::vector<CaseText> cases = {
            {">> there exists someone/something that is a PHILOSOPHER,",
             "     and SOCRATES is MORTAL"},
            {">> p is true"}};
        const ui::TwipSize needed = DrawDetails(picture, cases);
        const auto& runs = picture.textRuns();
        QCOMPARE(runs.size(), size_t{4});
        QCOMPARE(runs[0].text, std::string(kDetailsHeading));
        QCOMPARE(runs[0].at, (ui::TwipPoint{100, 100}));
        QVERIFY(runs[0].font.bold);
        const ui::TwipPoint expected[] = {{400, 300}, {400, 500}, {400, 700}};
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(runs[i].at, expected[i - 1]);
            QVERIFY(!runs[i].font.bold);
        }
        QCOMPARE(needed.height, 700 + 200 + 600);
        int widest = picture.TextWidth(kDetailsHeading) + 500;
        for (int i = 1; i <= 3; ++i) {
            widest = std::max(widest, 400 + picture.TextWidth(runs[i].text) + 300);
        }
        QCOMPARE(needed.width, widest);
    }

    void casesBeyondThePictureAreSummedUp_data() {
        QTest::addColumn<int>("cases");
        QTest::addColumn<int>("listed");
        // A picture 13195 high lists cases from y 300 in steps of 200 while y <= 12895.
        QTest::newRow("all fit") << 63 << 63;
        QTest::newRow("one too many") << 64 << 63;
        QTest::newRow("many") << 500 << 63;
    }
    void casesBeyondThePictureAreSummedUp() {
        QFETCH(int, cases);
        QFETCH(int, listed);
        ui::PictureBox picture;
        picture.GrowTo({21880, 13195});
        QCOMPARE(picture.Size().height, 13195);
        std::vector<CaseText> all;
        for (int i = 0; i < cases; ++i) all.push_back({">> case " + std::to_string(i)});
        const ui::TwipSize needed = DrawDetails(picture, all);
        const auto& runs = picture.textRuns();
        const bool more = cases > listed;
        QCOMPARE(static_cast<int>(runs.size()), 1 + listed + (more ? 1 : 0));
        QCOMPARE(runs.back().text,
                 more ? std::string(kDetailsMore) : ">> case " + std::to_string(listed - 1));
        QVERIFY(needed.height >= runs.back().at.y + 200);
    }

    void aWindowWithoutCasesStillShowsItsHeading() {
        ui::PictureBox picture;
        picture.GrowTo({21880, 13195});
        QVERIFY(DrawDetails(picture, {}).height >= 300);
    }

    void describesTheFailingCasesOfAnEvaluation_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QStringList>("premises");
        QTest::addColumn<QString>("conclusion");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("propositional")
            << Mode::Propositional << QStringList{"p or q"} << "q"
            << QStringList{">> p is true, q is false", kDetailsWorldHint};
        QTest::newRow("predicate") << Mode::Predicate << QStringList{"Pa"} << "Qa"
                                   << QStringList{">> (Pa and not Qa) is true", kDetailsWorldHint};
    }
    void describesTheFailingCasesOfAnEvaluation() {
        QFETCH(Mode, mode);
        QFETCH(QStringList, premises);
        QFETCH(QString, conclusion);
        QFETCH(QStringList, lines);
        session().mode = mode;
        const auto comparison = Compare(premises, conclusion);
        QVERIFY(comparison != nullptr);
        auto* window = new frmDetails(comparison, session(), app_->prompts);
        QCOMPARE(window->windowTitle(), QStringLiteral("Evaluation Details"));
        QStringList printed;
        for (const auto& [y, text] : PrintedLines(*window->picBox, 300)) {
            printed << QString::fromStdString(text);
        }
        QCOMPARE(printed, lines);
        // The window is as large as the drawing asks, and the picture reaches beyond it.
        QVERIFY(window->picBox->width() > window->width());
        QVERIFY(window->picBox->height() > window->height());
    }

    // Cases far longer than the picture first made (they differ only at their ends): it
    // grows to the widest line, every line is drawn whole, and nothing lies over the drawing.
    void pictureIsAsWideAsItsWidestLine() {
        std::vector<CaseText> cases;
        for (int i = 0; i < 9; ++i) {
            std::string line = ">>";
            for (int k = 0; k < 40; ++k) line += " (Px and Qx)";
            cases.push_back({line + " and case " + std::to_string(i) + " ends here"});
        }
        ui::PictureBox picture;
        picture.GrowTo({21880, 13195});
        const ui::TwipSize needed = DrawDetails(picture, cases);
        int widest = 0;
        for (const ui::TextRun& run : picture.textRuns()) {
            widest = std::max(widest, run.at.x + picture.TextWidth(run.text));
        }
        QVERIFY2(widest > 21880, "the cases are to be wider than the picture first made");
        QVERIFY(needed.width > widest);
        QVERIFY(picture.Size().width >= needed.width);
        // The last character of the last case is ink in the kept image.
        const ui::TextRun& last = picture.textRuns().back();
        const int end = last.at.x + picture.TextWidth(last.text);
        bool ink = false;
        for (int x = end - 80; x < end && !ink; x += 5) {
            for (int y = last.at.y; y < last.at.y + 180 && !ink; y += 5) {
                ink = picture.PixelAt({x, y}) != picture.BackColor();
            }
        }
        QVERIFY(ink);
    }

    void nothingCoversTheDrawing() {
        const auto comparison = Compare({"p or q"}, "p and q");
        auto* window = new frmDetails(comparison, session(), app_->prompts);
        QVERIFY(testing::ShowActive(*window));
        for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(child == window->picBox, qPrintable(child->objectName()));
        }
        // The hint under the cases is inside the window as it opens.
        const ui::TextRun& hint = window->picBox->textRuns().back();
        QCOMPARE(hint.text, std::string(kDetailsWorldHint));
        const QRect drawn = ui::ToPixels(
            ui::TwipRect{hint.at.x, hint.at.y, window->picBox->TextWidth(hint.text), 200}, *window);
        QVERIFY(window->rect().contains(drawn));
    }

    // Under the line saying there are more cases, the hint has a line of its own, whole.
    void theWorldHintFollowsTheLastLineDrawn() {
        const auto comparison =
            Compare({"a or b or c or d or e or f or g"}, "a and b and c and d and e and f and g");
        auto* window = new frmDetails(comparison, session(), app_->prompts);
        const auto& runs = window->picBox->textRuns();
        QVERIFY(runs.size() >= 3);
        const ui::TextRun& more = runs[runs.size() - 2];
        const ui::TextRun& hint = runs.back();
        QCOMPARE(more.text, std::string(kDetailsMore));
        QCOMPARE(hint.text, std::string(kDetailsWorldHint));
        QCOMPARE(hint.at.y, more.at.y + 200);
        QVERIFY(hint.at.y + 200 <= window->picBox->Size().height);
    }
};

QTEST_MAIN(DetailsWindowTest)
#include "DetailsWindowTest.moc"

// The "Truth Table" window: the cells of both layouts, the row filters, the 100-row limit,
// tables far larger than a screen, and scrolling by dragging.
#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QTest>
#include <map>
#include <vector>

#include "AppTestSupport.h"
#include "presentation/DrawTruthTable.h"
#include "presentation/frmTruthTable.h"

using namespace deducto;
using deducto::testing::PrintedLines;
using deducto::testing::TableOf;

Q_DECLARE_METATYPE(deducto::Mode)

namespace {

inline constexpr int kFirstRowY = 400;

// The rows drawn, each as the texts of its cells run together.
QStringList DrawnRows(const ui::PictureBox& picture) {
    QStringList rows;
    for (const auto& [y, text] : PrintedLines(picture, kFirstRowY)) {
        rows << QString::fromStdString(text);
    }
    return rows;
}

// The rule left of the value column: the vertical line from the header down.
const ui::LineRun& ColumnRule(const ui::PictureBox& picture) {
    const ui::LineRun* rule = nullptr;
    for (const ui::LineRun& line : picture.lineRuns()) {
        if (line.x1 == line.x2 && line.y1 == 100 && (rule == nullptr || line.y2 > rule->y2)) {
            rule = &line;
        }
    }
    return *rule;
}

}  // namespace

class TruthTableWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::ScriptedWindowSession> app_;
    Session& session() { return app_->session; }

    // Opens the window (not shown) on the table of `text`.
    frmTruthTable* Open(const QString& text, bool simplify = true) {
        const testing::BuiltTable built = TableOf(text.toStdString(), session(), simplify);
        if (!built.table) return nullptr;
        return new frmTruthTable(built.table, built.tokens, session(), app_->prompts);
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

    void drawsTheCellsOfSmallTables_data() {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("falseOnly");
        QTest::addColumn<bool>("trueOnly");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QStringList>("rows");
        const auto P = Mode::Propositional;
        // Simplified as lines are by default, except where the row says "kept".
        QTest::newRow("implication") << P << "p implies q" << false << false << "pq"
                                     << QStringList{"TTT", "TFF", "FTT", "FFT"};
        QTest::newRow("false only")
            << P << "p implies q" << true << false << "pq" << QStringList{"TFF"};
        QTest::newRow("true only")
            << P << "p implies q" << false << true << "pq" << QStringList{"TTT", "FTT", "FFT"};
        QTest::newRow("true only, never true, kept")
            << P << "p and not p" << false << true << "p" << QStringList{};
        QTest::newRow("upper case first")
            << P << "q or Q" << false << false << "Qq" << QStringList{"TTT", "TFT", "FTT", "FFF"};
        QTest::newRow("an individual")
            << Mode::Predicate << "Pa" << false << false << "a" << QStringList{"PT", "P'F"};
        QTest::newRow("a region") << Mode::Predicate << "exists x Px" << false << false << "P"
                                  << QStringList{"1T", "0F"};
    }
    void drawsTheCellsOfSmallTables() {
        QFETCH(Mode, mode);
        QFETCH(QString, formula);
        QFETCH(bool, falseOnly);
        QFETCH(bool, trueOnly);
        QFETCH(QString, header);
        QFETCH(QStringList, rows);
        session().mode = mode;
        session().options.showFalseOnly = falseOnly;
        session().options.showTrueOnly = trueOnly;
        const bool simplify = !QByteArray(QTest::currentDataTag()).endsWith("kept");
        frmTruthTable* window = Open(formula, simplify);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Truth Table"));
        const auto lines = PrintedLines(*window->picBox);
        // The header: the terms, then the formula in bold.
        QVERIFY(QString::fromStdString(lines.at(100)).startsWith(header));
        QCOMPARE(DrawnRows(*window->picBox), rows);
        QVERIFY(app_->prompts.messages.empty());
        // Sized for every row of the table, shown or not.
        QCOMPARE(window->height(),
                 ui::ToPixels(900 + 200 * TableOf(formula.toStdString(), session(), simplify)
                                              .table->nbrTruthCombos(),
                              ui::DpiOf(*window).y));
    }

    void aTableWithoutTermsSaysWhatItAlwaysIs_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("text");
        QTest::newRow("true") << "p or not p" << kTrueInAllCases;
        QTest::newRow("false") << "p and not p" << kFalseInAllCases;
    }
    void aTableWithoutTermsSaysWhatItAlwaysIs() {
        QFETCH(QString, formula);
        QFETCH(QString, text);
        frmTruthTable* window = Open(formula);
        QVERIFY(window != nullptr);
        QCOMPARE(window->picBox->textRuns().size(), size_t{1});
        QCOMPARE(QString::fromStdString(window->picBox->textRuns()[0].text), text);
        // The window's own size in twips, widened to show the whole caption.
        const QSize tabled = ui::ToPixels(ui::TwipSize{2500, 800}, *window);
        QCOMPARE(window->height(), tabled.height());
        QVERIFY(window->width() >= tabled.width());
        const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
        QVERIFY(window->width() > title.horizontalAdvance(window->windowTitle()) + 100);
    }

    void stopsAfterOneHundredShownRows_data() {
        // Over seven letters (128 rows, not simplified): 100 and 101 rows are true.
        const QString hundred = "a or b or (c and d and e) or (f and not f) or (g and not g)";
        const QString hundredAndOne =
            hundred + " or (not a and not b and not c and not d and not e and not f and not g)";
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("trueOnly");
        QTest::addColumn<bool>("told");
        QTest::newRow("100 shown") << hundred << true << false;
        QTest::newRow("101 shown") << hundredAndOne << true << true;
        QTest::newRow("128 shown") << hundred << false << true;
    }
    void stopsAfterOneHundredShownRows() {
        QFETCH(QString, formula);
        QFETCH(bool, trueOnly);
        QFETCH(bool, told);
        session().options.showTrueOnly = trueOnly;
        frmTruthTable* window = Open(formula, false);
        QVERIFY(window != nullptr);
        const QStringList rows = DrawnRows(*window->picBox);
        QCOMPARE(rows.size(), 100);
        QCOMPARE(rows.front(), QStringLiteral("TTTTTTTT"));
        QCOMPARE(app_->prompts.messages,
                 told ? std::vector<std::string>{kTableTooLarge} : std::vector<std::string>{});
        // The last row drawn lies inside the picture.
        const int lastY = PrintedLines(*window->picBox, kFirstRowY).rbegin()->first;
        QVERIFY(lastY + 200 <= window->picBox->Size().height);
        // The column rule reaches the last row drawn, and is drawn there.
        const ui::LineRun& rule = ColumnRule(*window->picBox);
        QVERIFY(rule.y2 >= lastY + 200);
        const ui::Colour ink = window->picBox->PixelAt({rule.x1, lastY + 150});
        QVERIFY(ink != window->picBox->BackColor());
    }

    void tablesLargerThanTheScreenOpenWithinIt_data() {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("rows");
        QTest::newRow("256 rows") << "a and b and c and d and e and f and g and h" << 256;
        QTest::newRow("16384 rows")
            << "a and b and c and d and e and f and g and h and i and j and k and l and m and n"
            << 16384;
    }
    void tablesLargerThanTheScreenOpenWithinIt() {
        QFETCH(QString, formula);
        QFETCH(int, rows);
        frmTruthTable* window = Open(formula);
        QVERIFY(window != nullptr);
        const QRect screen = QApplication::primaryScreen()->availableGeometry();
        QVERIFY(window->height() <= screen.height());
        QVERIFY(window->width() <= screen.width());
        QCOMPARE(DrawnRows(*window->picBox).size(), 100);
        QCOMPARE(window->picBox->textRuns().back().at.y, kFirstRowY + 99 * 200);
        // The column rule runs the full height the table would need.
        QCOMPARE(ColumnRule(*window->picBox).y2, kFirstRowY + 200 * rows);
        // The picture holds the rows that were drawn, and no more than it must.
        QVERIFY(window->picBox->Size().height >= kFirstRowY + 100 * 200);
        QVERIFY(window->picBox->Size().height <= kMaxPictureTwips + 15);
    }

    void predicateColumnsAreAsWideAsTheirWidestCell() {
        session().mode = Mode::Predicate;
        frmTruthTable* window = Open("Pa and not Qa and Ra");
        QVERIFY(window != nullptr);
        const ui::PictureBox& picture = *window->picBox;
        // The value column is the last text of each row; every cell ends before its rule.
        const int rule = ColumnRule(picture).x1;
        for (const ui::TextRun& run : picture.textRuns()) {
            if (run.at.y < kFirstRowY || run.at.x > rule) continue;
            QVERIFY2(run.at.x + picture.TextWidth(run.text) < rule, run.text.c_str());
        }
        for (const ui::LineRun& line : picture.lineRuns()) {
            if (line.y1 >= kFirstRowY && line.x1 == line.x2) QVERIFY(line.x1 < rule);
        }
        QVERIFY(DrawnRows(picture).contains(QStringLiteral("PQ'RT")));
    }

    void narrowLettersStillGetRoomForTheirCells() {
        // Fourteen letters, several of them narrower than a "T": every cell keeps clear of
        // the next one, and the last keeps clear of the rule.
        session().mode = Mode::Propositional;
        frmTruthTable* window =
            Open("i or j or l or f or t or r or I or a or b or c or d or e or g or h");
        QVERIFY(window != nullptr);
        ui::PictureBox& picture = *window->picBox;
        const int rule = ColumnRule(picture).x1;
        std::map<int, std::vector<const ui::TextRun*>> rows;
        for (const ui::TextRun& run : picture.textRuns()) {
            if (run.at.y >= kFirstRowY && run.at.x < rule) rows[run.at.y].push_back(&run);
        }
        QCOMPARE(rows.size(), size_t{100});
        const int gap = 2 * picture.PixelWidth();
        picture.Font.bold = false;  // rows are plain
        for (const auto& [y, cells] : rows) {
            QCOMPARE(cells.size(), size_t{14});
            for (size_t j = 0; j < cells.size(); ++j) {
                const int inkEnd = cells[j]->at.x + picture.TextInk(cells[j]->text).right;
                const int next = j + 1 < cells.size()
                                     ? cells[j + 1]->at.x + picture.TextInk(cells[j + 1]->text).left
                                     : rule;
                QVERIFY2(inkEnd + gap <= next,
                         qPrintable(QString("row %1, column %2").arg(y).arg(j)));
            }
        }
    }

    void draggingStopsAtTheEdges() {
        frmTruthTable* window = Open("a and b and c and d and e and f");  // 64 rows
        QVERIFY(window != nullptr);
        window->resize(300, 200);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        ui::PictureBox* picture = window->picBox;
        QVERIFY(picture->width() > window->width());
        QVERIFY(picture->height() > window->height());

        auto drag = [&](QPoint by) {
            const QPoint start(100, 100);
            QTest::mousePress(picture, Qt::LeftButton, {}, start);
            QTest::mouseMove(picture, start + by);
            QTest::mouseRelease(picture, Qt::LeftButton, {}, start + by);
        };
        drag({-40, -30});
        QCOMPARE(picture->pos(), QPoint(-40, -30));
        drag({-5000, -5000});  // far past the far corner: the picture's edges stop there
        QCOMPARE(picture->geometry().right() + 1, window->width());
        QCOMPARE(picture->geometry().bottom() + 1, window->height());
        drag({5000, 5000});
        QCOMPARE(picture->pos(), QPoint(0, 0));

        // Without a button held, moving does nothing.
        QTest::mouseMove(picture, QPoint(10, 10));
        QTest::mouseMove(picture, QPoint(200, 150));
        QCOMPARE(picture->pos(), QPoint(0, 0));
    }

    void thePictureGrowsWithTheWindowButNeverShrinks() {
        frmTruthTable* window = Open("p or q");
        QVERIFY(window != nullptr);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(ui::ToPixels(ui::TwipSize{15000, 25000}, *window));
        QCOMPARE(window->picBox->Size().width, 15000);
        QVERIFY(std::abs(window->picBox->Size().height - 20000) <= 15);  // the most it grows
        window->resize(100, 100);
        QVERIFY(window->picBox->Size().width >= 15000);
    }
};

QTEST_MAIN(TruthTableWindowTest)
#include "TruthTableWindowTest.moc"

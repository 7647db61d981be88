// The drawing layer under the windows: formulas in logical notation, the picture control's
// kept image, the font mapping and the line entry box.
#include <QFontMetrics>
#include <QRandomGenerator>
#include <QTest>
#include <optional>

#include "AppTestSupport.h"
#include "presentation/DrawFormula.h"
#include "ui/Fonts.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

using namespace deducto;

Q_DECLARE_METATYPE(deducto::Mode)

namespace {

// The horizontal extent of everything drawn on a picture.
std::pair<int, int> Extent(const ui::PictureBox& picture) {
    int left = 1 << 30;
    int right = -(1 << 30);
    for (const ui::TextRun& run : picture.textRuns()) {
        ui::PictureBox measure;
        measure.Font = run.font;
        left = std::min(left, run.at.x);
        right = std::max(right, run.at.x + measure.TextWidth(run.text));
    }
    for (const ui::LineRun& line : picture.lineRuns()) {
        left = std::min({left, line.x1, line.x2});
        right = std::max({right, line.x1, line.x2});
    }
    for (const ui::ArcRun& arc : picture.arcRuns()) {
        left = std::min(left, arc.cx - arc.radius);
        right = std::max(right, arc.cx + arc.radius);
    }
    return {left, right};
}

// The formula drawn on a fresh picture, as it is in a status line or a table heading.
QImage Drawn(std::string_view tokens, bool bold) {
    ui::PictureBox picture;
    picture.GrowTo({6000, 500});
    picture.SetBackColor(ui::kLightCyan);
    picture.Font.bold = bold;
    picture.CurrentX = 10;
    picture.CurrentY = 40;
    DrawFormula(picture, tokens, "", Mode::SetTheory);
    return picture.image();
}

// The first and last pixel columns in which two drawings differ; empty when they do not.
std::optional<std::pair<int, int>> ChangedColumns(const QImage& before, const QImage& after) {
    std::optional<std::pair<int, int>> span;
    for (int x = 0; x < after.width(); ++x) {
        for (int y = 0; y < after.height(); ++y) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            span = span ? std::pair{span->first, x} : std::pair{x, x};
            break;
        }
    }
    return span;
}

}  // namespace

class FormulaDrawingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::FailOnPainterWarnings(); }

    void everyGlyphStaysWithinItsAdvance_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<Mode>("mode");
        for (const char* token : {"1", "2", "3", "4", "5", "6", "7", "@", ".", "+", "<", "0", "(",
                                  ")", "P", "x", "W", "m"}) {
            QTest::newRow(token) << token << Mode::SetTheory;
        }
        QTest::newRow("U, universal set") << "U" << Mode::SetTheory;
        QTest::newRow("U, a letter") << "U" << Mode::Predicate;
    }
    void everyGlyphStaysWithinItsAdvance() {
        QFETCH(QString, token);
        QFETCH(Mode, mode);
        ui::PictureBox picture;
        picture.GrowTo({4000, 1000});
        picture.Font.bold = true;  // the widest case: table headings are bold
        picture.CurrentX = 1000;
        picture.CurrentY = 100;
        const int end = DrawFormula(picture, token.toStdString(), "", mode);
        const auto [left, right] = Extent(picture);
        QVERIFY(end - 1000 >= 140);
        QVERIFY2(left >= 1000, qPrintable(QString::number(left)));
        QVERIFY2(right <= end, qPrintable(QString("%1 > %2").arg(right).arg(end)));
        QCOMPARE(picture.CurrentX, end);
        QCOMPARE(picture.CurrentY, 100);
        QCOMPARE(picture.Font.name, std::string(ui::kSansSerif));
        QVERIFY(picture.Font.bold);
    }

    void neighbouringGlyphsNeverShareAColumnOfInk_data() {
        QTest::addColumn<QString>("tokens");
        QTest::addColumn<bool>("bold");
        // The pairs users saw touch, then random lists of every kind of token.
        QTest::newRow("empty set before equals") << "A.0=0" << false;
        QTest::newRow("or before for all") << "p24xPx" << true;
        QTest::newRow("implies before a letter") << "p7q7W" << false;
        QTest::newRow("a chain of ands") << "a1b1c1d1e1f1g1h1i1j1k1l1m1n" << true;
        const QString alphabet = QStringLiteral("1234567@.+<0U()'=-PQWxyimfj");
        QRandomGenerator random(20240);
        for (int list = 0; list < 40; ++list) {
            QString tokens;
            const int length = 2 + random.bounded(10);
            for (int k = 0; k < length; ++k) tokens += alphabet[random.bounded(alphabet.size())];
            QTest::newRow(qPrintable(QStringLiteral("random %1 ").arg(list) + tokens))
                << tokens << (list % 2 == 0);
        }
    }
    void neighbouringGlyphsNeverShareAColumnOfInk() {
        QFETCH(QString, tokens);
        QFETCH(bool, bold);
        // Glyphs neither overlap nor touch. Each glyph's ink is what drawing it adds to the formula
        // so far; glyphs already drawn never move when more follow.
        const std::string list = tokens.toStdString();
        QImage before = Drawn("", bold);
        int previousEnd = -1;  // the last column of the glyph before; -1 before the first
        for (size_t k = 1; k <= list.size(); ++k) {
            const QImage after = Drawn(std::string_view(list).substr(0, k), bold);
            const auto ink = ChangedColumns(before, after);
            QVERIFY2(ink.has_value(), qPrintable(QString("glyph %1 left no ink").arg(k)));
            if (previousEnd >= 0) {
                QVERIFY2(ink->first > previousEnd + 1,  // a clear column between
                         qPrintable(QStringLiteral("glyph %1 (%2) reaches column %3, the one "
                                                   "before it ends at %4")
                                        .arg(k)
                                        .arg(QChar(list[k - 1]))
                                        .arg(ink->first)
                                        .arg(previousEnd)));
            }
            previousEnd = ink->second;
            before = after;
        }
    }

    void glyphsAreDrawnWhereTheirTokensStand() {
        ui::PictureBox picture;
        picture.GrowTo({4000, 1000});
        picture.CurrentX = 100;
        picture.CurrentY = 100;
        DrawFormula(picture, "(p1q)", "", Mode::Propositional);
        QStringList printed;
        for (const ui::TextRun& run : picture.textRuns()) printed << run.text.c_str();
        QCOMPARE(printed, (QStringList{"(", "p", "q", ")"}));
        // The "and" wedge: two strokes meeting at the top, between p and q.
        const auto& runs = picture.textRuns();
        QCOMPARE(picture.lineRuns().size(), size_t{2});
        const ui::LineRun& stroke = picture.lineRuns()[0];
        QVERIFY(stroke.x1 > runs[1].at.x && stroke.x1 < runs[2].at.x);
        const ui::TwipPoint middle{(stroke.x1 + stroke.x2) / 2, (stroke.y1 + stroke.y2) / 2};
        // Smoothed, a slanted stroke is dark on the pixel it crosses or on a neighbour.
        const int px = picture.PixelWidth();
        bool dark = false;
        for (int dx : {-px, 0, px}) {
            const ui::Colour c = picture.PixelAt({middle.x + dx, middle.y});
            dark = dark || c.red + c.green + c.blue < 3 * 128;
        }
        QVERIFY(dark);
    }

    void aWarningFollowsTheFormulaInRed() {
        ui::PictureBox picture;
        picture.GrowTo({6000, 1000});
        picture.CurrentX = 10;
        picture.CurrentY = 40;
        const int end = DrawFormula(picture, "Pa", "", Mode::Predicate);
        picture.Cls();
        picture.CurrentX = 10;
        picture.CurrentY = 40;
        DrawFormula(picture, "Pa", "Free variable", Mode::Predicate);
        const ui::TextRun& warning = picture.textRuns().back();
        QCOMPARE(warning.text, std::string("Free variable"));
        QCOMPARE(warning.at, (ui::TwipPoint{end + 280, 40}));
        QCOMPARE(warning.colour, ui::kRed);
        QCOMPARE(picture.ForeColor, ui::kBlack);
        QCOMPARE(picture.CurrentX, end + 280 + picture.TextWidth("Free variable"));
    }

    void nothingToDrawLeavesThePositionAlone() {
        ui::PictureBox picture;
        picture.CurrentX = 123;
        picture.CurrentY = 45;
        QCOMPARE(DrawFormula(picture, "", "", Mode::Propositional), 123);
        QCOMPARE(picture.CurrentY, 45);
        QVERIFY(picture.textRuns().empty());
    }

    void specialSymbolsComeFromFacesThatHaveThem_data() {
        QTest::addColumn<QString>("token");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("printed");
        QTest::newRow("membership") << "@" << Mode::SetTheory << ui::kSymbolFont << "\u2208";
        QTest::newRow("universal set") << "U" << Mode::SetTheory << ui::kDecorativeFont << "U";
        QTest::newRow("letter U") << "U" << Mode::Predicate << ui::kSansSerif << "U";
    }
    void specialSymbolsComeFromFacesThatHaveThem() {
        QFETCH(QString, token);
        QFETCH(Mode, mode);
        QFETCH(QString, face);
        QFETCH(QString, printed);
        ui::PictureBox picture;
        DrawFormula(picture, token.toStdString(), "", mode);
        QCOMPARE(picture.textRuns().size(), size_t{1});
        const ui::TextRun& run = picture.textRuns()[0];
        QCOMPARE(QString::fromStdString(run.font.name), face);
        QCOMPARE(QString::fromStdString(run.text), printed);
        const QFont font = ui::MapFont(run.font, 96);
        QVERIFY(!font.family().isEmpty());
        QVERIFY(QFontMetrics(font).inFont(printed.at(0)));
    }

    void thePictureKeepsItsDrawingAsItGrows() {
        QWidget window;
        ui::PictureBox picture(&window);
        picture.SetBackColor(ui::kLightCyan);
        picture.GrowTo({3000, 1500});
        picture.Line(100, 100, 2000, 100);
        QCOMPARE(picture.PixelAt({1000, 100}), ui::kBlack);
        QCOMPARE(picture.PixelAt({1000, 700}), ui::kLightCyan);
        const QSize before = picture.image().size();
        picture.GrowTo({9000, 6000});
        QVERIFY(picture.image().width() > before.width());
        QCOMPARE(picture.PixelAt({1000, 100}), ui::kBlack);
        QCOMPARE(picture.PixelAt({8000, 5000}), ui::kLightCyan);
        picture.resize(10, 10);  // shrinking the control keeps the image
        QVERIFY(picture.image().width() >= ui::ToPixels(9000, ui::DpiOf(picture).x));
        QCOMPARE(picture.PixelAt({1000, 100}), ui::kBlack);
        picture.Cls();
        QCOMPARE(picture.PixelAt({1000, 100}), ui::kLightCyan);
        QVERIFY(picture.lineRuns().empty());
    }

    void printedTextIsRecordedWithItsLook() {
        ui::PictureBox picture;
        picture.GrowTo({3000, 1000});
        picture.Font = ui::FontSpec{ui::kSansSerif, 14, true, true};
        picture.ForeColor = ui::kRed;
        picture.PrintAt(200, 300, "TERMS:");
        const ui::TextRun& run = picture.textRuns().at(0);
        QCOMPARE(run.at, (ui::TwipPoint{200, 300}));
        QVERIFY(run.font.bold && run.font.underline);
        QCOMPARE(run.font.size, 14.0);
        QCOMPARE(run.colour, ui::kRed);
        QCOMPARE(picture.CurrentX, 200 + picture.TextWidth("TERMS:"));
        QVERIFY(picture.TextWidth("TERMS:") > 0);
    }
};

QTEST_MAIN(FormulaDrawingTest)
#include "FormulaDrawingTest.moc"

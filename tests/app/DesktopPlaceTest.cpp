// The program's place on a desktop: the window comes back where it was and always on a screen,
// and the icon is there at every size even where no icon theme has it.
#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "ui/DesktopPlace.h"

using namespace deducto;

class DesktopPlaceTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;

    [[nodiscard]] QString SettingsFile() const {
        return folder_.filePath(QStringLiteral("s.conf"));
    }

private slots:
    void aSavedFrameComesBackOnTheScreen_data() {
        QTest::addColumn<QRect>("saved");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("inside stays") << QRect(100, 50, 400, 300) << QRect(100, 50, 400, 300);
        QTest::newRow("past the right edge")
            << QRect(900, 50, 400, 300) << QRect(600, 50, 400, 300);
        QTest::newRow("above and left") << QRect(-300, -20, 400, 300) << QRect(0, 0, 400, 300);
        QTest::newRow("on a screen that is gone")
            << QRect(2500, 1900, 400, 300) << QRect(600, 500, 400, 300);
        QTest::newRow("larger than the screen")
            << QRect(-10, 10, 1600, 1200) << QRect(0, 0, 1000, 800);
    }
    void aSavedFrameComesBackOnTheScreen() {
        QFETCH(QRect, saved);
        QFETCH(QRect, expected);
        QCOMPARE(ui::WithinScreen(saved, QRect(0, 0, 1000, 800)), expected);
    }

    // Saved where it was, restored there; saved on a screen that has gone, restored on one
    // that is here.
    void theFrameIsRestoredWhereItWas_data() {
        QTest::addColumn<QPoint>("moveTo");
        QTest::addColumn<bool>("samePlace");
        QTest::newRow("on screen") << QPoint(120, 90) << true;
        QTest::newRow("off every screen") << QPoint(9000, 7000) << false;
    }
    void theFrameIsRestoredWhereItWas() {
        QFETCH(QPoint, moveTo);
        QFETCH(bool, samePlace);
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        settings.clear();
        {
            testing::MainWindowFixture<> app;
            app.frame()->move(moveTo);
            app.frame()->show();
            QVERIFY(QTest::qWaitForWindowExposed(app.frame()));
            ui::SavePlacement(*app.frame(), settings);
        }
        testing::MainWindowFixture<> app;
        QVERIFY(ui::RestorePlacement(*app.frame(), settings));
        app.frame()->show();
        QVERIFY(QTest::qWaitForWindowExposed(app.frame()));
        // Within a few pixels: the frame around the window is the window system's, its width
        // known only once the window is shown.
        const QRect available =
            QGuiApplication::primaryScreen()->availableGeometry().adjusted(-4, -4, 4, 4);
        const QRect placed = app.frame()->geometry();
        QVERIFY2(available.contains(placed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                            .arg(placed.x())
                                                            .arg(placed.y())
                                                            .arg(placed.width())
                                                            .arg(placed.height())));
        if (samePlace) {
            QVERIFY((app.frame()->pos() - moveTo).manhattanLength() <= 8);
        }
    }

    void nothingSavedLeavesTheFrameAlone() {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        settings.clear();
        testing::MainWindowFixture<> app;
        const QRect before = app.frame()->geometry();
        QVERIFY(!ui::RestorePlacement(*app.frame(), settings));
        QCOMPARE(app.frame()->geometry(), before);
    }

    // The offscreen platform has no icon theme: the icon built into the program stands in.
    void theIconHasEverySizeWithoutATheme() {
        const QIcon icon = ui::ApplicationIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        }
    }
};

QTEST_MAIN(DesktopPlaceTest)
#include "DesktopPlaceTest.moc"

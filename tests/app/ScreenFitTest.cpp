// The main window on screens of different resolutions (run once per screen, see
// CMakeLists.txt): as designed when it fits, shrunk as a whole when it does not, and always
// with every control in view and its text readable.
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "ui/PictureBox.h"

using namespace deducto;
using deducto::testing::Find;

class ScreenFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;
    MDIForm1* frame_ = nullptr;
    Main* main_ = nullptr;

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        frame_ = app_->frame();
        main_ = app_->main();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_));
    }
    void cleanup() { app_.reset(); }

    void everyControlIsInViewWithoutScrolling() {
        const QRect screen = frame_->screen()->availableGeometry();
        QVERIFY(!frame_->isMaximized());
        QVERIFY(screen.contains(frame_->frameGeometry()));
        auto* area = Find<QScrollArea>(frame_, "mdiArea");
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(!area->verticalScrollBar()->isVisible());
        const QRect view(area->viewport()->mapTo(frame_, QPoint(0, 0)), area->viewport()->size());
        for (QWidget* control : main_->findChildren<QWidget*>()) {
            // The reference picture is larger than any window by design.
            if (!control->isVisibleTo(main_) || control->objectName() == "picBoxSyntax") continue;
            const QRect at(control->mapTo(frame_, QPoint(0, 0)), control->size());
            QVERIFY2(view.contains(at), qPrintable(control->objectName()));
        }
    }

    void aWorkedExampleStillFits() {
        main_->findChild<QAction*>(QStringLiteral("mnuPropExample"))->trigger();
        // The frame follows the taller window once the window system has resized it.
        QTRY_VERIFY(!Find<QScrollArea>(frame_, "mdiArea")->verticalScrollBar()->isVisible());
        QVERIFY(frame_->screen()->availableGeometry().contains(frame_->frameGeometry()));
    }

    void theLayoutShrinksOnlyAsFarAsTextStaysReadable() {
        const double dpi = frame_->screen()->logicalDotsPerInchY();
        const QSize design = ui::ToPixels(
            ui::TwipSize{kMainSize.width, kMainSize.height + kWhyHeight}, ui::Dpi{dpi, dpi});
        const QSize shown = main_->size();
        const double scale = static_cast<double>(shown.width()) / design.width();
        QVERIFY(scale <= 1.0 + 1e-9);
        // Uniform: across and down alike, to the pixel.
        QVERIFY(std::abs(shown.height() - design.height() * scale) <= 1.0);
        const QSize tallest = ui::ToPixels(
            ui::TwipSize{kExampleSize.width, kExampleSize.height + kWhyHeight}, ui::Dpi{dpi, dpi});
        if (tallest.width() + 16 <= frame_->screen()->availableGeometry().width() &&
            tallest.height() + 72 <= frame_->screen()->availableGeometry().height()) {
            QCOMPARE(shown, design);  // fits as designed: nothing shrinks
        }
        for (const char* name : {"cmdEvaluateConclusion", "cmdUpdateTerms", "cmdClear"}) {
            QVERIFY2(QFontInfo(Find<QPushButton>(main_, name)->font()).pixelSize() >= 9, name);
        }
        // Drawings follow the layout: a status picture measures text at the window's scale.
        ui::PictureBox* picture = Find<ui::PictureBox>(main_, "picBox1");
        QVERIFY(std::abs(picture->Size().width - 7575) <= picture->PixelWidth());
        qInfo("layout scale %.3f, main window %dx%d", scale, shown.width(), shown.height());
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"

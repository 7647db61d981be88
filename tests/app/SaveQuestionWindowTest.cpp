// Every command that would replace or end unsaved work asks the one save question first;
// Cancel leaves the lines, the file and every window as they were. A half-done argument
// saves and opens again, and a cleared argument saves without the old file's comments.
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "AppTestSupport.h"
#include "reference/Help.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

constexpr const char* kAskToSave = "Save the changes to the argument before closing?";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The ways a user replaces or ends the argument on show.
enum class Command { New, Open, OpenRecent, Drop, Example, HelpF12, CloseFrame };

}  // namespace

Q_DECLARE_METATYPE(Command)

class SaveQuestionWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;
    QTemporaryDir dir_;
    QTemporaryDir settingsDir_;

    QString OtherFile() {
        const QString path = dir_.filePath(QStringLiteral("other.deducto"));
        WriteAll(path, "# another argument\nMode: propositional\nConclusion: q or not q\n");
        return path;
    }

    // Carries out `command` as a user would: keys, menus, a drop, a button, a help window.
    void Run(Command command) {
        MDIForm1* frame = app_->frame();
        switch (command) {
            case Command::New:
                QTest::keyClick(frame, Qt::Key_N, Qt::ControlModifier);
                return;
            case Command::Open:
                app_->prompts.chosenFiles = {OtherFile().toStdString()};
                QTest::keyClick(frame, Qt::Key_O, Qt::ControlModifier);
                return;
            case Command::OpenRecent: {
                QSettings().setValue(QStringLiteral("recentFiles"), QStringList{OtherFile()});
                auto* recent = Find<QMenu>(app_->main(), "mnuRecent");
                emit recent->aboutToShow();
                recent->actions().value(0)->trigger();
                return;
            }
            case Command::Drop: {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(OtherFile())});
                QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(frame, &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(frame, &drop);
                return;
            }
            case Command::Example:
                app_->Button("cmdShowExample")->click();
                return;
            case Command::HelpF12: {
                dlgHelp* help = LaunchHelp(kHelpContents);
                QVERIFY(help != nullptr);
                QTest::keyClick(help->WebBrowser1, Qt::Key_F12);
                return;
            }
            case Command::CloseFrame:
                frame->close();
                return;
        }
    }

private slots:
    void initTestCase() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        QVERIFY(app_->Show());
        app_->SelectMode("optPropositional");
    }
    void cleanup() { app_.reset(); }

    void everyCommandAsksAndCancelKeepsTheWork_data() {
        QTest::addColumn<Command>("command");
        QTest::newRow("File New by Ctrl+N") << Command::New;
        QTest::newRow("File Open by Ctrl+O") << Command::Open;
        QTest::newRow("Open Recent") << Command::OpenRecent;
        QTest::newRow("dropped file") << Command::Drop;
        QTest::newRow("worked example") << Command::Example;
        QTest::newRow("F12 in a help window") << Command::HelpF12;
        QTest::newRow("closing the frame") << Command::CloseFrame;
    }
    void everyCommandAsksAndCancelKeepsTheWork() {
        QFETCH(Command, command);
        testing::TypeKeys(app_->Box(1), QStringLiteral("p implies q"));
        QTest::keyClick(app_->Box(1), Qt::Key_Tab);
        testing::TypeKeys(app_->Box(0), QStringLiteral("q"));
        const QString title = app_->frame()->windowTitle();
        app_->prompts.saveAnswer = SaveChoice::Cancel;
        Run(command);
        QVERIFY(!app_->prompts.messages.empty());
        QCOMPARE(app_->prompts.messages.back(), std::string(kAskToSave));
        QCOMPARE(app_->Box(1)->text(), QStringLiteral("p implies q"));
        QCOMPARE(app_->Box(0)->text(), QStringLiteral("q"));
        QVERIFY(app_->main()->modified());
        QCOMPARE(app_->frame()->windowTitle(), title);
        QVERIFY(app_->frame()->isVisible());
        QVERIFY(app_->prompts.fileQuestions.size() <= 1);  // only Open's own question
    }

    // Discarding lets the command go on, with no second question about the entries.
    void discardCarriesOnWithoutAnotherQuestion_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("conclusion");
        QTest::newRow("File New") << Command::New << QString();
        QTest::newRow("File Open") << Command::Open << QStringLiteral("q or not q");
        QTest::newRow("dropped file") << Command::Drop << QStringLiteral("q or not q");
    }
    void discardCarriesOnWithoutAnotherQuestion() {
        QFETCH(Command, command);
        QFETCH(QString, conclusion);
        testing::TypeKeys(app_->Box(0), QStringLiteral("p"));
        app_->prompts.saveAnswer = SaveChoice::Discard;
        Run(command);
        QCOMPARE(app_->Box(0)->text(), conclusion);
        std::vector<std::string> questions;
        for (const std::string& message : app_->prompts.messages) {
            if (message.find("clear") != std::string::npos || message == kAskToSave) {
                questions.push_back(message);
            }
        }
        QCOMPARE(questions, std::vector<std::string>{kAskToSave});
    }

    // Premises without a conclusion are saved as they are and open again.
    void halfDoneWorkSavesAndOpensAgain() {
        const QString path = dir_.filePath(QStringLiteral("half.deducto"));
        testing::TypeKeys(app_->Box(1), QStringLiteral("p implies q"));
        app_->prompts.chosenFiles = {path.toStdString()};
        QTest::keyClick(app_->frame(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ReadAll(path), QByteArray("Mode: propositional\nPremise: p implies q\n"));
        QVERIFY(!app_->main()->modified());
        QTest::keyClick(app_->frame(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(app_->Box(1)->text().isEmpty());
        QVERIFY(app_->main()->OpenArgumentFile(path));
        QCOMPARE(app_->Box(1)->text(), QStringLiteral("p implies q"));
        QVERIFY(app_->Box(0)->text().isEmpty());
    }

    // After CLEAR/RESTART the argument is a new one: no old name, comments or answer key.
    void clearedArgumentSavesAsANewOne() {
        const QString old = dir_.filePath(QStringLiteral("old.deducto"));
        WriteAll(old,
                 "# the teacher's comment\nMode: propositional\n"
                 "Expect: The conclusion is always true.\n"
                 "Conclusion: p or not p\n");
        QVERIFY(app_->main()->OpenArgumentFile(old));
        app_->Button("cmdClear")->click();
        testing::TypeKeys(app_->Box(0), QStringLiteral("r"));
        const QString fresh = dir_.filePath(QStringLiteral("fresh.deducto"));
        app_->prompts.chosenFiles = {fresh.toStdString()};
        QTest::keyClick(app_->frame(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(app_->prompts.fileQuestions.size(), size_t{1});
        QCOMPARE(ReadAll(fresh), QByteArray("Mode: propositional\nConclusion: r\n"));
        QVERIFY(ReadAll(old).startsWith("# the teacher's comment\n"));
    }
};

QTEST_MAIN(SaveQuestionWindowTest)
#include "SaveQuestionWindowTest.moc"

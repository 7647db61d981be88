// Argument files in the window: what opens saves back byte for byte, a file the window
// cannot hold is refused with its line named and nothing changed, tables export in every
// format, the argument exports as a PDF, and closing asks before unsaved work is lost.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "ReadLine.h"
#include "file/ArgumentFile.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "presentation/frmTruthTable.h"
#include "ui/LineEdit.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// RFC 4180 records: fields split at commas outside quotes, "" inside quotes one quote.
QList<QStringList> ReadCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
        } else if (c == u'\n') {
            record << field;
            field.clear();
            records << record;
            record.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    return records;
}

// An argument file of exactly `size` bytes: a conclusion, then comment lines to fill it.
QByteArray FileOfSize(qsizetype size) {
    QByteArray bytes("Mode: propositional\nConclusion: p\n");
    const QByteArray comment = "# " + QByteArray(97, 'x') + "\n";
    while (bytes.size() + comment.size() <= size) bytes += comment;
    if (bytes.size() < size) bytes += "#" + QByteArray(size - bytes.size() - 1, 'x');
    return bytes;
}

constexpr const char* kEveryTermKind =
    "# Every kind of term.\n"
    "Mode: natural language\n"
    "Term: adjective: wise\n"
    "Term: specific noun: socrates\n"
    "Term: class noun: philosopher\n"
    "Term: predicate: is mortal\n"
    "Term: class noun: datum | dataset | non-datum | non-dataset\n"
    "Expect: The conclusion is always true.\n"
    "Premise: All philosophers are wise.\n"
    "Premise: Socrates is a philosopher.\n"
    "Premise: Every philosopher is mortal.\n"
    "Conclusion: Socrates is mortal.\n";

constexpr const char* kGapInPremises =
    "Mode: propositional\n"
    "Premise: p implies q\n"
    "Premise:\n"
    "Premise: p\n"
    "Conclusion: q\n";

}  // namespace

class ArgumentFileWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Recent files go to a settings file of the test's own, not the user's.
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        frame_ = app_->frame();
        main_ = app_->main();
    }
    void cleanup() { app_.reset(); }

    void openThenSaveGivesTheSameFile_data() {
        QTest::addColumn<QString>("path");
        const QDir samples(QStringLiteral(DEDUCTO_SAMPLES_DIR));
        for (const QString& name : samples.entryList({QStringLiteral("*.deducto")}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << samples.filePath(name);
        }
        WriteAll(dir_.filePath(QStringLiteral("terms.deducto")), kEveryTermKind);
        QTest::newRow("every term kind") << dir_.filePath(QStringLiteral("terms.deducto"));
        WriteAll(dir_.filePath(QStringLiteral("gap.deducto")), kGapInPremises);
        QTest::newRow("empty premise kept") << dir_.filePath(QStringLiteral("gap.deducto"));
    }
    void openThenSaveGivesTheSameFile() {
        QFETCH(QString, path);
        QVERIFY(main_->OpenArgumentFile(path));
        QVERIFY(!Find<QLabel>(main_, "lblEvaluation")->text().isEmpty());
        QVERIFY(!main_->modified());
        QCOMPARE(frame_->windowTitle(),
                 QFileInfo(path).fileName() + QStringLiteral(" - Deducto - the Inferator"));
        const QString copy = dir_.filePath(QStringLiteral("copy.deducto"));
        app_->prompts.chosenFiles = {copy.toStdString()};
        Find<QAction>(main_, "mnuSaveAs")->trigger();
        QCOMPARE(QString::fromUtf8(ReadAll(copy)), QString::fromUtf8(ReadAll(path)));
    }

    void badFileIsRefusedAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray premise = "Premise: p\n";
        QTest::newRow("not UTF-8") << QByteArray("Mode: propositional\nConclusion: p \xff q\n")
                                   << QStringLiteral("bad.deducto: line 2: not UTF-8 text");
        QTest::newRow("unknown key")
            << QByteArray("Mode: propositional\nAnswer: yes\nConclusion: p\n")
            << QStringLiteral("bad.deducto: line 2: unknown key \"Answer\"");
        QTest::newRow("nine premises")
            << premise.repeated(9) + "Conclusion: p\n"
            << QStringLiteral("bad.deducto: line 9: more than 8 premises");
        QTest::newRow("not UTF-8 after a byte order mark")
            << QByteArray("\xEF\xBB\xBF# Title\r\n# Caf\xE9\r\nConclusion: p\r\n")
            << QStringLiteral("bad.deducto: line 2: not UTF-8 text");
        QTest::newRow("101 characters")
            << "Premise: " + QByteArray(101, 'p') + "\nConclusion: p\n"
            << QStringLiteral("bad.deducto: line 1: longer than 100 characters");
        QTest::newRow("101 characters, not bytes")
            << "Conclusion: p\nPremise: " + QByteArray("\xC3\xA9").repeated(101) + "\n"
            << QStringLiteral("bad.deducto: line 2: longer than 100 characters");
        QTest::newRow("one byte too large")
            << FileOfSize(static_cast<qsizetype>(kMaxInputBytes) + 1)
            << QStringLiteral("bad.deducto: too large for an argument file");
        QTest::newRow("refused term")
            << QByteArray("Mode: natural language\nTerm: adjective: all\nConclusion: x\n")
            << QStringLiteral("bad.deducto: line 2: ");
    }
    void badFileIsRefusedAndChangesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Find<QRadioButton>(main_, "optPropositional")->click();
        auto* premise = Find<ui::LineEdit>(main_, "txtCondition1");
        premise->setText(QStringLiteral("p and q"));
        const QString path = dir_.filePath(QStringLiteral("bad.deducto"));
        WriteAll(path, content);
        app_->prompts.messages.clear();
        QVERIFY(!main_->OpenArgumentFile(path));
        QCOMPARE(app_->prompts.messages.size(), size_t{1});
        const QString shown = QString::fromStdString(app_->prompts.messages[0]);
        QVERIFY2(shown.startsWith(QStringLiteral("Cannot open ") + message), qPrintable(shown));
        QCOMPARE(premise->text(), QStringLiteral("p and q"));
        QCOMPARE(app_->session.mode, Mode::Propositional);
        QVERIFY(Find<QRadioButton>(main_, "optPropositional")->isChecked());
    }

    void fileAtTheSizeLimitOpens() {
        const QString path = dir_.filePath(QStringLiteral("large.deducto"));
        WriteAll(path, FileOfSize(static_cast<qsizetype>(kMaxInputBytes)));
        QVERIFY(main_->OpenArgumentFile(path));
        QCOMPARE(Find<ui::LineEdit>(main_, "txtConclusion")->text(), QStringLiteral("p"));
    }

    void missingFileIsNamed() {
        QVERIFY(!main_->OpenArgumentFile(dir_.filePath(QStringLiteral("none.deducto"))));
        QCOMPARE(app_->prompts.messages.size(), size_t{1});
        QVERIFY(QString::fromStdString(app_->prompts.messages[0])
                    .startsWith(QStringLiteral("Cannot open none.deducto: ")));
    }

    void saveReplacesTheFileAndRemembersIt() {
        const QString path = dir_.filePath(QStringLiteral("saved.deducto"));
        WriteAll(path, "old contents\n");
        Find<QRadioButton>(main_, "optPropositional")->click();
        Find<ui::LineEdit>(main_, "txtConclusion")->setText(QStringLiteral("p or not p"));
        QVERIFY(main_->modified());
        QVERIFY(frame_->windowTitle().startsWith(QStringLiteral("Untitled*")));
        app_->prompts.chosenFiles = {dir_.filePath(QStringLiteral("saved")).toStdString()};
        Find<QAction>(main_, "mnuSave")->trigger();  // no name yet: asks for one
        QCOMPARE(ReadAll(path), QByteArray("Mode: propositional\nConclusion: p or not p\n"));
        QVERIFY(!main_->modified());
        QCOMPARE(QSettings().value(QStringLiteral("recentFiles")).toStringList().value(0),
                 QFileInfo(path).absoluteFilePath());
        // A line with an error mark is saved as typed.
        Find<ui::LineEdit>(main_, "txtConclusion")
            ->setText(QStringLiteral("p or") + QString::fromLatin1(kErrorMark));
        Find<QAction>(main_, "mnuSave")->trigger();
        QCOMPARE(ReadAll(path), QByteArray("Mode: propositional\nConclusion: p or\n"));
    }

    void closingAsksBeforeLosingChanges_data() {
        QTest::addColumn<SaveChoice>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save") << SaveChoice::Save << true << true;
        QTest::newRow("discard") << SaveChoice::Discard << true << false;
        QTest::newRow("cancel") << SaveChoice::Cancel << false << false;
    }
    void closingAsksBeforeLosingChanges() {
        QFETCH(SaveChoice, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        const QString path = dir_.filePath(QStringLiteral("close.deducto"));
        QFile::remove(path);
        frame_->show();
        Find<ui::LineEdit>(main_, "txtConclusion")->setText(QStringLiteral("p"));
        app_->prompts.saveAnswer = answer;
        app_->prompts.chosenFiles = {path.toStdString()};
        QCOMPARE(frame_->close(), closes);
        QCOMPARE(QFile::exists(path), saved);
        QVERIFY(app_->prompts.messages.back().find("before closing?") != std::string::npos);
    }

    void truthTableExportsInEveryFormat() {
        const QString path = dir_.filePath(QStringLiteral("table.deducto"));
        WriteAll(path, "Mode: propositional\nConclusion: p implies q\n");
        QVERIFY(main_->OpenArgumentFile(path));
        auto* window =
            new frmTruthTable(app_->session.lines[0].table, app_->session.lines[0].tokens,
                              app_->session, app_->prompts);
        const auto exported = [&](const char* name) {
            const QString file = dir_.filePath(QString::fromLatin1(name));
            app_->prompts.chosenFiles.push_back(file.toStdString());
            Find<QAction>(window, "mnuExportTable")->trigger();
            return QString::fromUtf8(ReadAll(file));
        };
        const QList<QStringList> csv = ReadCsv(exported("t.csv"));
        QCOMPARE(csv.size(), 5);  // the headings and four rows
        QCOMPARE(csv[0], (QStringList{"p", "q", "p → q"}));
        int falseRows = 0;
        for (const QStringList& row : csv.mid(1)) {
            QCOMPARE(row.size(), 3);
            falseRows += row[2] == u'F';
            QCOMPARE(row[2] == u'F', row[0] == u'T' && row[1] == u'F');
        }
        QCOMPARE(falseRows, 1);
        const QStringList markdown = exported("t.md").split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(markdown.size(), 6);  // headings, rule, four rows
        for (const QString& row : markdown) QCOMPARE(row.count(u'|'), 4);
        const QString latex = exported("t.tex");
        QVERIFY(latex.contains(QStringLiteral("\\begin{tabular}")));
        QCOMPARE(latex.count(QStringLiteral("\\\\")), 5);
        QVERIFY(exported("t.txt").contains(QStringLiteral("p → q")));
        delete window;
    }

    void argumentExportsAsPdf() {
        QVERIFY(main_->OpenArgumentFile(QStringLiteral(DEDUCTO_SAMPLES_DIR) +
                                        QStringLiteral("/propositional_example.deducto")));
        const QString pdf = dir_.filePath(QStringLiteral("argument.pdf"));
        app_->prompts.chosenFiles = {pdf.toStdString()};
        Find<QAction>(main_, "mnuExport")->trigger();
        const QByteArray bytes = ReadAll(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("%%EOF"));
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                    bytes.count("/Type /Page/") >=
                1);
    }

private:
    QTemporaryDir dir_;
    QTemporaryDir settingsDir_;
    std::unique_ptr<testing::MainWindowFixture<>> app_;
    MDIForm1* frame_ = nullptr;
    Main* main_ = nullptr;
};

QTEST_MAIN(ArgumentFileWindowTest)
#include "ArgumentFileWindowTest.moc"

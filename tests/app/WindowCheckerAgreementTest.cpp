// The window and the checker read arguments through the same engine steps, so they must
// agree on every argument file we have: the worked examples and, when the benchmark
// workloads lie beside the repository, every benchmark argument. For each one the window is
// given the lines as a user would type them (and leave them), and the two are compared line
// by line (text shown, token list, truth table), on every message, and on the verdict.
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "AppTestSupport.h"
#include "RunCheck.h"
#include "file/ArgumentFile.h"
#include "file/ReadInput.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "natural/CheckTermsModel.h"
#include "natural/TermDefinition.h"
#include "truthtable/clsTruthTable.h"
#include "ui/LineEdit.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

// Every row and value of a table, so two tables compare as one string.
std::string TableText(const clsTruthTable* table) {
    if (table == nullptr) return "(none)";
    std::string text;
    for (int j = 0; j < table->nbrTerms(); ++j) text += table->Term(j) + " ";
    for (int i = 0; i < table->nbrTruthCombos(); ++i) {
        text += "\n" + table->TruthCombo(i) + " " + table->TruthValue(i);
    }
    return text;
}

const char* OptionName(Mode mode) {
    switch (mode) {
        case Mode::Propositional:
            return "optPropositional";
        case Mode::Predicate:
            return "optPredicate";
        case Mode::SetTheory:
            return "optSetTheory";
        case Mode::Natural:
            return "optNatural";
    }
    return "";
}

QStringList ArgumentFiles() {
    QStringList files;
    for (const QString& folder : {QStringLiteral(DEDUCTO_SAMPLES_DIR),
                                  QStringLiteral(DEDUCTO_SOURCE_DIR "/../shared/bench")}) {
        QDirIterator it(folder, {QStringLiteral("*.txt"), QStringLiteral("*.deducto")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) files << it.next();
    }
    files.sort();
    return files;
}

}  // namespace

class WindowCheckerAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::FailOnPainterWarnings(); }
    void cleanup() { testing::DeleteAllWindows(); }

    void windowAndCheckerAgree_data() {
        QTest::addColumn<QString>("path");
        const QStringList files = ArgumentFiles();
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            QTest::newRow(QDir(QStringLiteral(DEDUCTO_SOURCE_DIR "/.."))
                              .relativeFilePath(file)
                              .toUtf8()
                              .constData())
                << file;
        }
    }
    void windowAndCheckerAgree() {
        QFETCH(QString, path);
        const InputText input = ReadInput(path.toStdString());
        QVERIFY(input.ok());
        const ReadArgument read = ParseArgumentText(input.text);
        QVERIFY2(read.ok(), read.error.c_str());
        const ArgumentFile& argument = read.argument;
        const cli::CheckReport report = cli::RunCheck(argument, Options{});

        // The window, answering the term questions as the checker does.
        testing::MainWindowFixture<> app;
        app.prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
        Main* main = app.main();
        QVERIFY(app.Show());
        Find<QRadioButton>(main, OptionName(argument.mode))->click();
        QCOMPARE(app.session.mode, argument.mode);
        app.prompts.messages.clear();
        for (const TermLine& term : argument.terms) {
            const TermDefinition added = DefineTerm(term.kind, term.text, app.session.lexicon);
            QVERIFY2(added.ok(), added.error.c_str());
        }

        // Premises in slot order, then the conclusion, each typed and left.
        std::vector<const cli::LineReport*> order;
        for (const cli::LineReport& line : report.lines) order.push_back(&line);
        std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
            return ReadingPosition(a->input.index) < ReadingPosition(b->input.index);
        });
        std::vector<std::string> checkerMessages;
        for (const cli::LineReport* line : order) {
            const int k = line->input.index;
            ui::LineEdit* box = app.Box(k);
            box->setFocus(Qt::MouseFocusReason);
            box->setText(QString::fromStdString(line->input.text));
            QTest::keyClick(box, Qt::Key_End);  // a key press: the line was edited
            if (box->hasFocus()) QTest::keyClick(box, Qt::Key_Tab);

            QCOMPARE(box->text().toStdString(), line->outcome.text);
            const ArgumentLine& slot = app.session.lines[k];
            if (line->outcome.ok()) QCOMPARE(slot.tokens, line->outcome.parse.tokenList);
            QCOMPARE(TableText(slot.table.get()), TableText(line->table.get()));
            checkerMessages.insert(checkerMessages.end(), line->messages.begin(),
                                   line->messages.end());
        }
        QCOMPARE(app.prompts.messages, checkerMessages);

        // The window evaluates the lines that hold a formula; the checker only a whole argument.
        if (report.result != cli::RunResult::Evaluated) return;
        Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
        QCOMPARE(Find<QLabel>(main, "lblEvaluation")->text().toStdString(),
                 std::string(VerdictText(report.verdict)));
    }
};

QTEST_MAIN(WindowCheckerAgreementTest)
#include "WindowCheckerAgreementTest.moc"

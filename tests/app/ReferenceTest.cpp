// The reference material of the main window, driven through its controls: the syntax panel
// of each mode, the worked examples, the help window and the About box; and the help
// document, whose example sentences must all translate.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "AppTestSupport.h"
#include "formula/modBuildPolish.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "natural/CheckTermsModel.h"
#include "natural/TermDefinition.h"
#include "natural/modNatural.h"
#include "reference/Help.h"
#include "reference/SyntaxPanel.h"
#include "truthtable/modEvaluate.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"
#include "ui/Twips.h"

using namespace deducto;
using deducto::testing::Find;

Q_DECLARE_METATYPE(deducto::Mode)
Q_DECLARE_METATYPE(deducto::Verdict)

namespace {

const ui::TextRun* RunOf(const ui::PictureBox& picture, std::string_view text) {
    for (const ui::TextRun& run : picture.textRuns()) {
        if (run.text == text) return &run;
    }
    return nullptr;
}

// Whether anything other than the background was painted inside the rectangle.
bool InkIn(const ui::PictureBox& picture, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; y += 10) {
        for (int x = left; x <= right; x += 10) {
            if (picture.PixelAt({x, y}) != picture.BackColor()) return true;
        }
    }
    return false;
}

bool HasLine(const ui::PictureBox& picture, int x1, int y1, int x2, int y2) {
    for (const ui::LineRun& line : picture.lineRuns()) {
        if (line.x1 == x1 && line.y1 == y1 && line.x2 == x2 && line.y2 == y2) return true;
    }
    return false;
}

QString HelpDocument() {
    QFile file(QString::fromLatin1(HelpPageAddress).mid(3) + QString::fromLatin1(kHelpPage));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class ReferenceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<>> app_;
    MDIForm1* frame_ = nullptr;
    Main* main_ = nullptr;

    Session& session() { return app_->session; }
    testing::ScriptedWindowPrompts& prompts() { return app_->prompts; }
    ui::PictureBox& Panel() { return *Find<ui::PictureBox>(main_, "picBoxSyntax"); }
    QPushButton* Button(const char* name) { return app_->Button(name); }
    QAction* Menu(const char* name) { return app_->Menu(name); }
    ui::LineEdit* Box(int line) { return app_->Box(line); }
    QString VerdictShown() { return app_->VerdictShown(); }
    void SelectMode(const QString& option) { app_->SelectMode(option.toLatin1().constData()); }
    ui::TwipRect TwipsOf(const QWidget& widget) {
        const ui::TwipPoint at = ui::ToTwips(widget.pos(), *main_);
        const ui::TwipSize size = ui::ToTwips(widget.size(), *main_);
        return {at.x, at.y, size.width, size.height};
    }
    QList<dlgHelp*> HelpWindows() { return testing::OpenWindows<dlgHelp>(); }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::MainWindowFixture<>>();
        frame_ = app_->frame();
        main_ = app_->main();
        QVERIFY(app_->Show());
        prompts().onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    }
    void cleanup() { app_.reset(); }

    // Syntax panels.
    void eachPanelHasItsTitleTableAndSymbols_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("titleX");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("symbolRow");  // an operator whose notation draws a symbol
        QTest::newRow("propositional")
            << "optPropositional"
            << "SYNTAX (propositional calculus)" << 500 << "Basic operands:  "
            << "<op1> and <op2>";
        QTest::newRow("predicate")
            << "optPredicate"
            << "SYNTAX (monadic predicate calculus)" << 100 << "Predicate expression:  "
            << "forall <var><exp>";
        QTest::newRow("set theory") << "optSetTheory"
                                    << "SYNTAX (elementary set theory)" << 300 << "Set Operators:"
                                    << "<set1> intersection <set2>";
        QTest::newRow("natural language")
            << "optNatural"
            << "SYNTAX (natural language)" << 600 << "Example (in accepted syntax):"
            << "";
    }
    void eachPanelHasItsTitleTableAndSymbols() {
        QFETCH(QString, option);
        QFETCH(QString, title);
        QFETCH(int, titleX);
        QFETCH(QString, heading);
        QFETCH(QString, symbolRow);
        SelectMode(option == "optNatural" ? "optPropositional" : "optNatural");
        SelectMode(option);
        const ui::PictureBox& panel = Panel();
        QCOMPARE(panel.BackColor(), ui::kLightCyan);
        QCOMPARE(panel.Size(), kPanelSize);
        const ui::TextRun* titleRun = RunOf(panel, title.toStdString());
        QVERIFY(titleRun != nullptr);
        QCOMPARE(titleRun->at, (ui::TwipPoint{titleX, 100}));
        QVERIFY(titleRun->font.bold && titleRun->font.size == 14);
        const ui::TextRun* headingRun = RunOf(panel, heading.toStdString());
        QVERIFY(headingRun != nullptr);
        QVERIFY(headingRun->font.bold);
        if (symbolRow.isEmpty()) return;

        // The table's frame, and the footnote under it.
        const ui::TextRun* header = RunOf(panel, "Operator");
        QVERIFY(header != nullptr);
        QVERIFY(HasLine(panel, 200, header->at.y - 50, 5500, header->at.y - 50) ||
                HasLine(panel, 200, header->at.y - 25, 5500, header->at.y - 25));
        QVERIFY(RunOf(panel, "Precedence*") != nullptr);
        QVERIFY(RunOf(panel, "*Precedence can be overridden by") != nullptr);
        // The symbol stands between the placeholders of its row's notation.
        const ui::TextRun* row = RunOf(panel, symbolRow.toStdString());
        QVERIFY(row != nullptr);
        const ui::TextRun* after = nullptr;
        for (const ui::TextRun& run : panel.textRuns()) {
            // The notation column ends where the precedence column begins.
            const bool inNotation = run.at.x > row->at.x + 1500 && run.at.x < 3800;
            if (run.at.y == row->at.y && inNotation &&
                (after == nullptr || run.at.x > after->at.x)) {
                after = &run;
            }
        }
        QVERIFY(after != nullptr);
        QVERIFY(InkIn(panel, after->at.x - 200, row->at.y + 20, after->at.x - 40, row->at.y + 180));
    }

    void thePropositionalTableIsRuledAtItsPlaces() {
        SelectMode("optPropositional");
        for (int y : {1500, 1900, 2800, 3300, 3800, 4700}) {
            QVERIFY2(HasLine(Panel(), 200, y, 5500, y), qPrintable(QString::number(y)));
            QVERIFY(Panel().PixelAt({2600, y}) == ui::kBlack);
        }
        // One cell for the two rows of precedence 1: no rule between them.
        QVERIFY(Panel().PixelAt({2600, 4250}) == ui::kLightCyan);
        for (int x : {3800, 5500}) QVERIFY(HasLine(Panel(), x, 1500, x, 4700));
        QCOMPARE(RunOf(Panel(), "1")->at.x, 4650);
    }

    void theNaturalPanelPlacesItsButtonsInItsText() {
        SelectMode("optPropositional");
        SelectMode("optNatural");
        const ui::TextRun* line = RunOf(Panel(), "document:");
        QVERIFY(line != nullptr);
        const ui::TwipRect panel = TwipsOf(Panel());
        const ui::TwipRect help = TwipsOf(*Button("cmdNatSyntaxHelp"));
        QVERIFY(!Button("cmdNatSyntaxHelp")->isHidden());
        // At the end of its line, and across it.
        QVERIFY(help.left > panel.left + line->at.x + 600);
        QVERIFY(help.left < panel.left + line->at.x + 1200);
        QVERIFY(help.top < line->at.y + 100 && help.top + help.height > line->at.y + 100);
        // Where the design puts it, grown to the left as far as its caption needs.
        const ui::TwipRect update = TwipsOf(*Button("cmdUpdateTerms"));
        QVERIFY(std::abs(update.left + update.width - (13800 + 1215)) <= 15);
        QVERIFY(update.left <= 13800 + 15);
        const ui::TextRun* term = RunOf(Panel(), "has a mind");
        QVERIFY(term != nullptr && term->font.underline);
    }

    void switchingModesRepeatedlyLeavesOnePanel() {
        const char* options[] = {"optPropositional", "optPredicate", "optSetTheory", "optNatural"};
        std::map<std::string, size_t> firstCount;
        for (int round = 0; round < 2; ++round) {
            for (const char* option : options) {
                SelectMode(option);
                int titles = 0;
                for (const ui::TextRun& run : Panel().textRuns()) titles += run.font.size == 14;
                QCOMPARE(titles, 1);
                const size_t runs = Panel().textRuns().size();
                if (round == 0) firstCount[option] = runs;
                QCOMPARE(runs, firstCount[option]);
            }
        }
    }

    // Worked examples.
    void everyExampleEndsWithItsVerdict_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("from");  // the mode the user was in
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("title");
        const struct {
            const char* name;
            const char* menu;
            Mode mode;
            Verdict verdict;
            const char* title;
        } examples[] = {{"propositional", "mnuPropExample", Mode::Propositional,
                         Verdict::DoesNotFollow, "Propositional Calculus Example"},
                        {"predicate", "mnuPredExample", Mode::Predicate, Verdict::AlwaysTrue,
                         "Predicate Calculus Example"},
                        {"set theory", "mnuSetExample", Mode::SetTheory, Verdict::AlwaysTrue,
                         "Set Theory Example"},
                        {"natural language", "mnuNatExample", Mode::Natural, Verdict::AlwaysTrue,
                         "Natural Language Example"}};
        for (const auto& e : examples) {
            for (const char* from : {"optNatural", "optPredicate"}) {
                QTest::addRow("%s from %s", e.name, from)
                    << e.menu << from << e.mode << e.verdict << e.title;
            }
        }
    }
    void everyExampleEndsWithItsVerdict() {
        QFETCH(QString, menu);
        QFETCH(QString, from);
        QFETCH(Mode, mode);
        QFETCH(Verdict, verdict);
        QFETCH(QString, title);
        SelectMode(from);
        Menu(menu.toLatin1().constData())->trigger();
        QVERIFY(prompts().questions == 0);  // nothing to lose, so nothing asked
        QCOMPARE(session().mode, mode);
        QCOMPARE(VerdictShown(), QString(VerdictText(verdict)));
        // The problem stays on show, on white, instead of the mode's panel.
        QCOMPARE(Panel().BackColor(), ui::kWhite);
        QCOMPARE(Panel().PixelAt({10, 10}), ui::kWhite);
        QVERIFY(RunOf(Panel(), title.toStdString()) != nullptr);
        const ui::TextRun* label = RunOf(Panel(), "Conclusion to test:  ");
        if (mode != Mode::Natural) {
            QVERIFY(label != nullptr && label->font.bold);
            QCOMPARE(label->at.x, 200);
        }
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        QCOMPARE(QApplication::focusWidget(), Button("cmdEvaluateConclusion"));
    }

    void theQuadrilateralsAreDrawnBesideTheirSets() {
        Menu("mnuSetExample")->trigger();
        for (const char* set :
             {"P = set of all parallelograms", "T = set of all trapezoids",
              "R = set of all rectangles", "H = set of all rhombuses", "S = set of all squares"}) {
            const ui::TextRun* run = RunOf(Panel(), set);
            QVERIFY2(run != nullptr, set);
            QVERIFY2(InkIn(Panel(), 3950, run->at.y - 150, 4750, run->at.y + 350), set);
        }
        const ui::TextRun* constant = RunOf(Panel(), "CONSTANT:  f = Figure ABCD");
        QVERIFY(constant != nullptr);
        for (const char* corner : {"A", "B", "C", "D"}) {
            const ui::TextRun* run = RunOf(Panel(), corner);
            QVERIFY(run != nullptr && run->at.x > 3800 && run->at.x < 4300);
        }
    }

    void cancellingTheConfirmationChangesNothing_data() {
        QTest::addColumn<QString>("menu");
        QTest::newRow("propositional") << "mnuPropExample";
        QTest::newRow("predicate") << "mnuPredExample";
        QTest::newRow("set theory") << "mnuSetExample";
        QTest::newRow("natural language") << "mnuNatExample";
    }
    void cancellingTheConfirmationChangesNothing() {
        QFETCH(QString, menu);
        QVERIFY(DefineTerm("adjective", "wise", session().lexicon).ok());
        Box(2)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(Box(2), "Something");
        const size_t runs = Panel().textRuns().size();
        prompts().saveAnswer = SaveChoice::Cancel;  // the typed line is unsaved work
        Menu(menu.toLatin1().constData())->trigger();
        QCOMPARE(prompts().messages.back(),
                 std::string("Save the changes to the argument before closing?"));
        QCOMPARE(session().mode, Mode::Natural);
        QCOMPARE(Box(2)->text(), QStringLiteral("Something"));
        QCOMPARE(session().lexicon.TermCount(), 1);
        QCOMPARE(Panel().textRuns().size(), runs);
        QVERIFY(RunOf(Panel(), "SYNTAX (natural language)") != nullptr);
        QVERIFY(!Button("cmdNatSyntaxHelp")->isHidden());
    }

    void theHelpButtonStaysHiddenOverTheProblemOnActivation() {
        Menu("mnuNatExample")->trigger();
        main_->Form_Activate();
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        QVERIFY(!Button("cmdUpdateTerms")->isHidden());
        // Back to the syntax panel, and the button returns with it.
        SelectMode("optPropositional");
        main_->Form_Activate();
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        SelectMode("optNatural");
        main_->Form_Activate();
        QVERIFY(!Button("cmdNatSyntaxHelp")->isHidden());
    }

    // Help and About.
    void helpOpensAtItsAnchor_data() {
        QTest::addColumn<bool>("fromButton");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("contents") << false << "";
        QTest::newRow("natural-language sentences") << true << "NSSentences";
    }
    void helpOpensAtItsAnchor() {
        QFETCH(bool, fromButton);
        QFETCH(QString, fragment);
        if (fromButton) {
            Button("cmdNatSyntaxHelp")->click();
        } else {
            Menu("mnuContents")->trigger();
        }
        QCOMPARE(HelpWindows().size(), 1);
        dlgHelp* help = HelpWindows().front();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->windowTitle(), QStringLiteral("Deducto Help"));
        QCOMPARE(help->WebBrowser1->source().fragment(), fragment);
        QVERIFY(help->WebBrowser1->toPlainText().contains("Natural-language sentences"));
        QCOMPARE(help->WebBrowser1->verticalScrollBar()->value() > 0, !fragment.isEmpty());
        QCOMPARE(help->WebBrowser1->geometry(), help->rect());
    }

    void twoRequestsGiveTwoWindowsAndF3ClosesOne() {
        Menu("mnuContents")->trigger();
        Menu("mnuContents")->trigger();
        QCOMPARE(HelpWindows().size(), 2);
        dlgHelp* first = HelpWindows().front();
        QTest::keyClick(first->WebBrowser1, Qt::Key_Escape);  // not one of its keys
        QTest::keyClick(first->WebBrowser1, Qt::Key_F1);
        QCOMPARE(HelpWindows().size(), 2);
        QTest::keyClick(first->WebBrowser1, Qt::Key_F3);
        QTRY_COMPARE(HelpWindows().size(), 1);
        QVERIFY(frame_->isVisible());
    }

    void f12InHelpEndsTheProgram() {
        Menu("mnuContents")->trigger();
        QTest::keyClick(HelpWindows().front()->WebBrowser1, Qt::Key_F12);
        QVERIFY(!frame_->isVisible());
        QVERIFY(session().progress.haltRequested);
        QVERIFY(HelpWindows().isEmpty());
    }

    // A second help window is offset from the first, both inside the screen.
    void aSecondHelpWindowIsOffsetFromTheFirst() {
        dlgHelp* first = LaunchHelp(kHelpContents);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        dlgHelp* second = LaunchHelp(kHelpNaturalSentences);
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QVERIFY(second->pos().x() > first->pos().x());
        QVERIFY(second->pos().y() > first->pos().y());
        QVERIFY(second->screen()->availableGeometry().contains(second->frameGeometry()));
    }

    void helpIsModalWhileAModalWindowIsOpen() {
        QDialog modal(main_);
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            QTimer::singleShot(0, this, [&] {
                auto* help = qobject_cast<dlgHelp*>(QApplication::activeModalWidget());
                QVERIFY(help != nullptr);
                seen = true;
                help->close();
            });
            QVERIFY(LaunchHelp(kHelpNaturalSentences) == nullptr);  // after it was closed
            modal.close();
        });
        modal.exec();
        QVERIFY(seen);
    }

    void aboutNamesTheProgram() {
        Menu("mnuAbout")->trigger();
        QCOMPARE(prompts().lastTitle, std::string("About Deducto"));
        QVERIFY(prompts().messages.back().rfind("Deducto\r\nThe Inferator\r\n", 0) == 0);
    }

    // What a stuck student needs is in the help.
    void theHelpCoversWhatStudentsAsk_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("section") << "<h2>When a sentence is not understood</h2>";
        QTest::newRow("relating verb") << "Socrates loves Plato.";
        QTest::newRow("multi-word term") << "<i>will die</i> is <b>one</b> predicate";
        QTest::newRow("some-iff read universally")
            << "<code>&forall;x(Ax &rarr; ((Hx) &harr; (Fx)))</code>";
        QTest::newRow("File menu") << "<h2>The File menu: saving and opening arguments</h2>";
        QTest::newRow("world view") << "<h2>The World window</h2>";
        QTest::newRow("line limit") << "A line holds at most 100 characters.";
    }
    void theHelpCoversWhatStudentsAsk() {
        QFETCH(QString, text);
        QVERIFY2(HelpDocument().contains(text), qPrintable(text));
    }

    // The help document.
    void everyLinkOfTheHelpLeadsToAnAnchor() {
        const QString html = HelpDocument();
        QVERIFY(html.contains("<a name=\"NSSentences\">"));
        int links = 0;
        for (const auto& m : QRegularExpression("href=\"#(\\w+)\"").globalMatch(html)) {
            ++links;
            QVERIFY2(html.contains("<a name=\"" + m.captured(1) + "\">"),
                     qPrintable(m.captured(1)));
        }
        QVERIFY(links >= 10);
    }

    // Each example of the help, on its own from an empty lexicon, as a student would type it:
    // the kinds the program suggests are accepted, and the terms the line names predefined.
    void everyExampleSentenceOfTheHelpTranslates() {
        const QString html = HelpDocument();
        const QRegularExpression example("<span class=\"ex\">(.*?)</span>");
        const QRegularExpression predefined("<span class=\"pre\">Predefine: (.*?)</span>");
        int sentences = 0;
        for (const QString& line : html.split('\n')) {
            const QString terms = predefined.match(line).captured(1);
            for (const auto& m : example.globalMatch(line)) {
                ++sentences;
                testing::ScriptedSession fresh(Mode::Natural);
                fresh.prompts.onCheckTerm = [](CheckTermsModel& dialog) {
                    return dialog.AcceptSuggestion();
                };
                for (const QString& term : terms.split("; ", Qt::SkipEmptyParts)) {
                    const qsizetype colon = term.indexOf(": ");
                    QVERIFY(DefineTerm(term.left(colon).toStdString(),
                                       term.mid(colon + 2).toStdString(), fresh.session.lexicon)
                                .ok());
                }
                const std::string sentence = m.captured(1).toStdString();
                const Translation t = TranslateSentence(sentence, 1, fresh.session);
                QVERIFY2(t.ok(), sentence.c_str());
                QVERIFY2(BuildPolish(t.text, Mode::Natural).ok(), (sentence + t.text).c_str());
                for (const std::string& message : fresh.prompts.messages) {
                    QVERIFY2(message.rfind("The antecedent of ", 0) == 0, message.c_str());
                }
            }
        }
        QVERIFY(sentences >= 60);
    }
};

QTEST_MAIN(ReferenceTest)
#include "ReferenceTest.moc"

// Natural language in the main window: the terms panel and its commands, sentences whose
// new words are asked about in the term windows, the reparse after the terms are edited, and
// the square-root argument typed by hand.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "TermWindowTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "natural/TermDefinition.h"
#include "natural/TermTextBox.h"
#include "natural/TermsPanel.h"
#include "presentation/frmDetails.h"
#include "truthtable/modEvaluate.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

// Ticks the kind a word is meant to have and presses OK.
void Answer(frmCheckTerms& d, bool pluralNoun) {
    QCheckBox* box = Find<QCheckBox>(&d, pluralNoun ? "chkTerm2" : "chkTerm1");
    if (!box->isChecked()) QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QTest::keyClick(&d, Qt::Key_Return);
}

}  // namespace

class NaturalLanguageWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::MainWindowFixture<testing::TermWindowScript>> app_;
    Main* main_ = nullptr;
    QStringList asked_;  // the words the Check Language Terms dialog asked about

    Lexicon& lexicon() { return app_->session.lexicon; }
    void Define(const char* kind, const std::string& text) {
        QVERIFY2(DefineTerm(kind, text, app_->session.lexicon).ok(), text.c_str());
    }
    ui::LineEdit* Box(int line) { return app_->Box(line); }
    QPushButton* Button(const char* name) { return app_->Button(name); }
    ui::PictureBox* Panel() { return Find<ui::PictureBox>(main_, "picBoxSyntax"); }
    QString Verdict() { return app_->VerdictShown(); }
    // Types a sentence into a line, replacing its text; its full stop leaves the line.
    void TypeSentence(int line, const QString& text) {
        Box(line)->setFocus(Qt::MouseFocusReason);
        Box(line)->selectAll();
        QTest::keyClicks(Box(line), text);
    }
    // Answers every Check Language Terms question: the words in `pluralNouns` are plural
    // class nouns, all others adjectives.
    void AnswerChecks(const QStringList& pluralNouns) {
        app_->prompts.onCheckDialog = [this, pluralNouns](frmCheckTerms& d) {
            const QString word = Find<QLabel>(&d, "lblTerm")->text();
            asked_ << word;
            Answer(d, pluralNouns.contains(word));
        };
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        asked_.clear();
        app_ = std::make_unique<testing::MainWindowFixture<testing::TermWindowScript>>();
        main_ = app_->main();
        QVERIFY(app_->Show());
    }
    void cleanup() { app_.reset(); }

    void theSquareRootArgumentTypedByHand() {
        // The two multi-word terms cannot be inferred: they are defined in the Language
        // Terms window first.
        app_->prompts.onTermsWindow = [](frmLanguageTerms& w) {
            QTest::mouseClick(Find<QPushButton>(&w, "cmdAddSpecific"), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(), "the square root of -1");
            QTest::mouseClick(Find<QPushButton>(&w, "cmdAddPredicate"), Qt::LeftButton);
            QTest::keyClicks(QApplication::focusWidget(),
                             "can be expressed as a fraction of two integers");
            QTest::mouseClick(Find<QPushButton>(&w, "cmdUpdate"), Qt::LeftButton);
        };
        Button("cmdUpdateTerms")->click();
        QCOMPARE(lexicon().TermCount(), 2);
        QCOMPARE(lexicon().Terms[1].NegSingular,
                 std::string("cannot be expressed as a fraction of two integers"));
        AnswerChecks({});
        const QStringList premises{
            "No imaginary numbers are real, and every imaginary number is complex.",
            "A number is rational if and only if it can be expressed as a fraction of two "
            "integers.",
            "The square root of -1 is an imaginary number.",
            "There exist real numbers that are not rational.",
            "If any number is both complex and rational, then it is real."};
        for (int k = 0; k < premises.size(); ++k) {
            TypeSentence(k + 1, premises[k]);
            QVERIFY2(app_->session.lines[k + 1].table != nullptr, qPrintable(Box(k + 1)->text()));
        }
        TypeSentence(0, "The square root of -1 cannot be expressed as a fraction of two integers.");
        QVERIFY(app_->session.lines[0].table != nullptr);
        QCOMPARE(asked_, QStringList{"REAL"});
        QCOMPARE(app_->prompts.messages,
                 std::vector<std::string>(2,
                                          "The antecedent of \"IT\" is assumed to be "
                                          "\"NUMBER.\""));
        QCOMPARE(lexicon().TermCount(), 7);
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(Verdict(), QString(VerdictText(Verdict::AlwaysTrue)));

        TypeSentence(3, "The square root of -1 is imaginary.");
        Button("cmdEvaluateConclusion")->click();
        QCOMPARE(Verdict(), QString(VerdictText(Verdict::DoesNotFollow)));
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<frmDetails*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            seen = true;
            std::string all;
            for (const ui::TextRun& run : window->picBox->textRuns()) all += run.text;
            QVERIFY2(all.find("THE SQUARE ROOT OF -1 is IMAGINARY") != std::string::npos,
                     all.c_str());
            window->close();
        });
        Button("cmdDetails")->click();
        QVERIFY(seen);
    }

    void newWordsAreAskedAboutThenTheSentenceTranslates_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("answered") << false;
        QTest::newRow("cancelled") << true;
    }
    void newWordsAreAskedAboutThenTheSentenceTranslates() {
        QFETCH(bool, cancel);
        AnswerChecks({});
        if (cancel) {
            app_->prompts.onCheckDialog = [](frmCheckTerms& d) {
                QTest::mouseClick(Find<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
            };
        }
        TypeSentence(1, "Some philosophers are wise.");
        QCOMPARE(app_->prompts.checkDialogs, 1);
        QCOMPARE(app_->session.lines[1].table != nullptr, !cancel);
        QCOMPARE(lexicon().FindTerm("wise").has_value(), !cancel);
        if (cancel) {
            QVERIFY(Box(1)->text().contains(QString::fromLatin1(kErrorMark)));
            return;
        }
        QCOMPARE(asked_, QStringList{"WISE"});
        QCOMPARE(lexicon().Terms[*lexicon().FindTerm("wise")].Kind, TermKind::Adjective);
        // The terms panel comes up with the new terms in bold.
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowSyntax));
    }

    void theEmptyPanelShowsItsHeadings() {
        Button("cmdToggle")->click();
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowSyntax));
        QCOMPARE(testing::PrintedLines(*Panel()),
                 (std::map<int, std::string>{{100, "TERMS:"},
                                             {700, "ADJECTIVES"},
                                             {1100, "SPECIFIC NOUNS"},
                                             {1500, "CLASS NOUNS"},
                                             {1900, "PREDICATES"}}));
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        QVERIFY(!Button("cmdUpdateTerms")->isHidden());
        main_->Form_Activate();  // back from another window: the listing stays uncovered
        QVERIFY(Button("cmdNatSyntaxHelp")->isHidden());
        Button("cmdToggle")->click();
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowTerms));
        QVERIFY(testing::PrintedLines(*Panel()).count(700) == 0);
    }

    // The name runs of the panel, each with whether it is bold.
    std::map<std::string, bool> NamesShown() {
        std::map<std::string, bool> names;
        for (const ui::TextRun& run : Panel()->textRuns()) {
            if (run.at.x == 600 && run.font.size == 8) names[run.text] = run.font.bold;
        }
        return names;
    }
    // The run that printed `text`; an empty run at (-1, -1) when none did.
    ui::TextRun Run(const std::string& text) {
        for (const ui::TextRun& run : Panel()->textRuns()) {
            if (run.text == text) return run;
        }
        qWarning("not printed: %s", text.c_str());
        return {"", {-1, -1}, {}, {}};
    }
    int Width(const ui::TextRun& in, const std::string& text) {
        Panel()->Font = in.font;
        return Panel()->TextWidth(text);
    }

    void eachKindHasItsEntryLayout() {
        Define("adjective", "wise");
        Define("class noun", "philosopher");
        Define("class noun", "greek philosopher of the old world");
        Define("predicate", "is mortal");
        Button("cmdToggle")->click();
        const ui::TextRun name = Run("WISE");
        QVERIFY(name.font.bold);
        QVERIFY(!Run("W").font.bold);
        QCOMPARE(Run("W").at, (ui::TwipPoint{0, name.at.y}));
        QCOMPARE(Run("c. NON-WISE").at.x, 600 + Width(name, "WISE "));
        // Class noun: the forms in one column after "pl.", their labels to their left.
        const ui::TextRun plural = Run("PHILOSOPHERS");
        QCOMPARE(plural.at.x,
                 600 + Width(Run("PHILOSOPHER"), "PHILOSOPHER ") + Width(plural, "pl. "));
        QCOMPARE(Run("c. NON-PHILOSOPHER").at,
                 (ui::TwipPoint{plural.at.x - Width(plural, "c. "), plural.at.y + 200}));
        QCOMPARE(Run("pl. c. NON-PHILOSOPHERS").at.y, plural.at.y + 400);
        // A long name moves its forms to the next line.
        const ui::TextRun longName = Run("GREEK PHILOSOPHER OF THE OLD WORLD");
        const ui::TextRun longPlural = Run("GREEK PHILOSOPHER OF THE OLD WORLDS");
        QCOMPARE(longPlural.at,
                 (ui::TwipPoint{800 + Width(longPlural, "pl. "), longName.at.y + 200}));
        const ui::TextRun negative = Run("IS NOT MORTAL");
        const ui::TextRun negativePlural = Run("ARE NOT MORTAL");
        QCOMPARE(negative.at.x, Run("ARE MORTAL").at.x);
        QCOMPARE(negativePlural.at.x, negative.at.x);
        QCOMPARE(Run("neg. pl.").at.x + Width(negative, "neg. pl. "), negative.at.x);
        // Drawn again, nothing is new.
        Button("cmdToggle")->click();
        Button("cmdToggle")->click();
        for (const auto& [text, bold] : NamesShown()) QVERIFY2(!bold, text.c_str());
    }

    void onlyTermsAddedSinceTheLastDrawingAreBold() {
        Define("class noun", "philosopher");
        Button("cmdToggle")->click();
        AnswerChecks({});
        TypeSentence(1, "Some philosophers are wise.");
        QCOMPARE(NamesShown(),
                 (std::map<std::string, bool>{{"PHILOSOPHER", false}, {"WISE", true}}));
    }

    // Terms are kept in lower case and the panel shows them in upper case, in every script
    // whose case is mapped: accented Greek letters and final sigma, and Cyrillic.
    void termsOfEveryScriptAreShownInUpperCase_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Latin") << "adjective" << QStringLiteral("Zo\u00eb")
                               << QStringList{QStringLiteral("ZO\u00cb"),
                                              QStringLiteral("c. NON-ZO\u00cb")};
        QTest::newRow("Greek") << "specific noun" << QStringLiteral("\u0396\u03b5\u03cd\u03c2")
                               << QStringList{QStringLiteral("\u0396\u0395\u038e\u03a3")};
        QTest::newRow("Cyrillic")
            << "adjective" << QStringLiteral("\u0437\u0435\u043b\u0451\u043d\u044b\u0439")
            << QStringList{QStringLiteral("\u0417\u0415\u041b\u0401\u041d\u042b\u0419"),
                           QStringLiteral("c. NON-\u0417\u0415\u041b\u0401\u041d\u042b\u0419")};
    }
    void termsOfEveryScriptAreShownInUpperCase() {
        QFETCH(QString, kind);
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        Define(kind.toStdString().c_str(), typed.toStdString());
        Button("cmdToggle")->click();
        QStringList printed;
        for (const ui::TextRun& run : Panel()->textRuns()) {
            printed << QString::fromStdString(run.text);
        }
        for (const QString& text : shown) QVERIFY2(printed.contains(text), qPrintable(text));
        QVERIFY(!printed.contains(typed));
    }

    void acceptingTheTermsLeavesTheSyntaxPanel() {
        Define("adjective", "wise");
        app_->prompts.onTermsWindow = [](frmLanguageTerms& w) {
            QTest::mouseClick(Find<QPushButton>(&w, "cmdUpdate"), Qt::LeftButton);
        };
        Find<QAction>(main_, "mnuShowTerms")->trigger();
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowTerms));
        const auto& runs = Panel()->textRuns();
        QVERIFY(std::none_of(runs.begin(), runs.end(),
                             [](const ui::TextRun& run) { return run.text == "TERMS:"; }));
        Button("cmdToggle")->click();
        QCOMPARE(NamesShown(), (std::map<std::string, bool>{{"WISE", false}}));
    }

    void aLongListingEnlargesTheWindow() {
        for (char c = 'a'; c < 'a' + 12; ++c) {
            Define("class noun", std::string("cat") + c + 'o');
        }
        Button("cmdToggle")->click();
        const int height = ui::ToTwips(main_->size(), *main_).height;
        int lowest = 0;
        for (const ui::TextRun& run : Panel()->textRuns()) lowest = std::max(lowest, run.at.y);
        QVERIFY(lowest + 400 >= kTermsPanelGrowFrom);
        QVERIFY(height >= 13000);
    }

    void correctingATermReparsesTheLinesThatUseIt() {
        AnswerChecks({});
        TypeSentence(1, "Socrates is a philosopher.");
        TypeSentence(2, "Plato is wise.");
        TypeSentence(3, "All philosophers are mortal.");
        Box(4)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(Box(4), "Aristotle is a philosopher");  // not yet left
        app_->prompts.messages.clear();
        QStringList tableShown;
        app_->prompts.onTermsWindow = [&](frmLanguageTerms& w) {
            for (TermTextBox* box : w.findChildren<TermTextBox*>()) {
                if (box->isVisible()) tableShown << box->text();
            }
            TermTextBox* complement = nullptr;
            for (TermTextBox* box : w.findChildren<TermTextBox*>()) {
                if (box->text() == "NON-PHILOSOPHER") complement = box;
            }
            QVERIFY(complement != nullptr);
            complement->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(complement, "S");
            QTest::mouseClick(Find<QPushButton>(&w, "cmdUpdate"), Qt::LeftButton);
        };
        Find<QAction>(main_, "mnuShowTerms")->trigger();
        QVERIFY(tableShown.contains("ARISTOTLE"));  // the line was read before the window opened
        QCOMPARE(app_->prompts.messages,
                 (std::vector<std::string>{"Reparsing Premise 1", "Reparsing Premise 3",
                                           "Reparsing Premise 4"}));
        QCOMPARE(app_->session.lineReparse, std::string(kLineCount, 'N'));
        for (int line : {1, 2, 3, 4}) QVERIFY(app_->session.lines[line].table != nullptr);
    }

    // The panel shows the lexicon as it is once "Clear All Terms" has emptied it.
    void thePanelFollowsClearAllTerms() {
        app_->SelectMode("optNatural");
        Define("adjective", "wise");
        Define("specific noun", "socrates");
        Button("cmdToggle")->click();
        QCOMPARE(NamesShown().size(), size_t{2});
        Find<QAction>(main_, "mnuClearTerms")->trigger();
        QCOMPARE(lexicon().TermCount(), 0);
        QVERIFY(NamesShown().empty());
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowSyntax));
    }

    // The toggle names what a click will show, also after CLEAR/RESTART put the syntax back.
    void theToggleNamesWhatAClickShows() {
        app_->SelectMode("optNatural");
        Define("adjective", "wise");
        Button("cmdToggle")->click();
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowSyntax));
        Button("cmdClear")->click();
        QCOMPARE(Button("cmdToggle")->text(), QString::fromLatin1(kShowTerms));
        QVERIFY(NamesShown().empty());  // the syntax is on show
        Button("cmdToggle")->click();
        QCOMPARE(NamesShown().count("WISE"), size_t{1});
    }
};

QTEST_MAIN(NaturalLanguageWindowTest)
#include "NaturalLanguageWindowTest.moc"

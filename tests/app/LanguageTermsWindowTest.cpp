// The Language Terms window driven through its controls: the columns and their places, the
// add buttons and their limits, the fills on leaving a box, Update (checks, changed lines,
// deletion), Cancel and the close box, and a full table reached by scrolling and by Tab.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "AppTestSupport.h"
#include "TermWindowTestSupport.h"
#include "natural/LanguageTermsModel.h"
#include "natural/TermDefinition.h"
#include "natural/TermTextBox.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

TermTextBox* Box(frmLanguageTerms& w, int i) {
    return Find<TermTextBox>(&w, ("txtValue" + std::to_string(i)).c_str());
}
QPushButton* Button(frmLanguageTerms& w, const char* name) { return Find<QPushButton>(&w, name); }
int TopOf(QWidget* widget) { return ui::ToTwips(widget->pos(), *widget).y; }
// Places compare to the pixel a twip position falls in.
bool Near(int twips, int wanted) { return std::abs(twips - wanted) <= 15; }

void Click(frmLanguageTerms& w, const char* name) {
    QTest::mouseClick(Button(w, name), Qt::LeftButton);
}
// Types into box i, replacing its text, and leaves it with Tab.
void Enter(frmLanguageTerms& w, int i, const char* text) {
    TermTextBox* box = Box(w, i);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(text));
    QTest::keyClick(box, Qt::Key_Tab);
}
QStringList Texts(frmLanguageTerms& w, int first, int count) {
    QStringList texts;
    for (int i = first; i < first + count; ++i) texts << Box(w, i)->text();
    return texts;
}

}  // namespace

class LanguageTermsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::BasicScriptedSession<testing::TermWindowScript>> app_;

    Lexicon& lexicon() { return app_->session.lexicon; }
    bool Edit(const std::string& query, const std::function<void(frmLanguageTerms&)>& script) {
        LanguageTermsModel model(app_->session, query);
        app_->prompts.onTermsWindow = script;
        return app_->prompts.EditLanguageTerms(model);
    }
    void Define(const char* kind, const std::string& text) {
        QVERIFY2(DefineTerm(kind, text, app_->session.lexicon).ok(), text.c_str());
    }
    void DefineOneOfEach() {
        Define("adjective", "wise");
        Define("specific noun", "socrates");
        Define("class noun", "philosopher");
        Define("predicate", "is mortal");
    }

private slots:
    void init() {
        testing::FailOnPainterWarnings();
        app_ = std::make_unique<testing::BasicScriptedSession<testing::TermWindowScript>>();
    }
    void cleanup() {
        testing::DeleteAllWindows();
        app_.reset();
    }

    void theColumnsStartBelowTheQuery_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("terms");
        QTest::addColumn<int>("headingTop");  // lblAdjectives
        QTest::addColumn<QList<int>>("buttonTops");
        QTest::newRow("empty, no query")
            << "" << false << 640 << QList<int>{1170, 1170, 1170, 1170};
        QTest::newRow("a request") << "Please define the following terms:  GREEK WISE." << true
                                   << 960 << QList<int>{2130, 1850, 2690, 2130};
    }
    void theColumnsStartBelowTheQuery() {
        QFETCH(QString, query);
        QFETCH(bool, terms);
        QFETCH(int, headingTop);
        QFETCH(QList<int>, buttonTops);
        if (terms) DefineOneOfEach();
        const bool accepted = Edit(query.toStdString(), [&](frmLanguageTerms& w) {
            QCOMPARE(w.windowTitle(), QStringLiteral("Language Terms"));
            auto* lblQuery = Find<QLabel>(&w, "lblQuery");
            QCOMPARE(lblQuery->isHidden(), query.isEmpty());
            QCOMPARE(lblQuery->text(), query);
            QVERIFY(Near(TopOf(Find<QLabel>(&w, "lblAdjectives")), headingTop));
            const char* buttons[] = {"cmdAddAdjective", "cmdAddSpecific", "cmdAddClass",
                                     "cmdAddPredicate"};
            for (int c = 0; c < 4; ++c) QVERIFY(Near(TopOf(Button(w, buttons[c])), buttonTops[c]));
            if (!terms) {
                QVERIFY(Box(w, 0)->isHidden());
                Click(w, "cmdUpdate");
                return;
            }
            // Adjective, its complement; the name; four class noun forms; four predicate forms.
            const int lefts[] = {120, 120, 2160, 4440, 4440, 4440, 4440, 6960, 9600, 6960, 9600};
            const int tops[] = {1440, 1720, 1440, 1440, 1720, 2000, 2280, 1440, 1440, 1720, 1720};
            for (int i = 0; i < 11; ++i) {
                const ui::TwipPoint at = ui::ToTwips(Box(w, i)->pos(), w);
                QVERIFY(Near(at.x, lefts[i]) && Near(at.y, tops[i]));
            }
            QCOMPARE(Texts(w, 7, 4),
                     (QStringList{"IS MORTAL", "IS NOT MORTAL", "ARE MORTAL", "ARE NOT MORTAL"}));
            QCOMPARE(QApplication::focusWidget(), Box(w, 0));
            QCOMPARE(Find<QLabel>(&w, "lblVar4")->text(), QStringLiteral("aff. s."));
            w.close();
        });
        QCOMPARE(accepted, !terms);
    }

    void aNewTermIsFilledInFromOneForm_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("forms");
        QTest::newRow("adjective") << "cmdAddAdjective"
                                   << "wise" << QStringList{"WISE", "NON-WISE"};
        QTest::newRow("class noun")
            << "cmdAddClass"
            << "PHILOSOPHER"
            << QStringList{"PHILOSOPHER", "PHILOSOPHERS", "NON-PHILOSOPHER", "NON-PHILOSOPHERS"};
        QTest::newRow("predicate")
            << "cmdAddPredicate"
            << "IS MORTAL"
            << QStringList{"IS MORTAL", "IS NOT MORTAL", "ARE MORTAL", "ARE NOT MORTAL"};
    }
    void aNewTermIsFilledInFromOneForm() {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QStringList, forms);
        Define("adjective", "tall");  // an earlier term keeps its boxes and letter
        QVERIFY(Edit("", [&](frmLanguageTerms& w) {
            Click(w, button.toLatin1().constData());
            QCOMPARE(QApplication::focusWidget(), Box(w, 2));  // the new term's first box
            Enter(w, 2, typed.toLatin1().constData());
            QCOMPARE(Texts(w, 2, static_cast<int>(forms.size())), forms);
            Click(w, "cmdUpdate");
        }));
        QCOMPARE(lexicon().TermCount(), 2);
        const LangTerm& added = lexicon().Terms[1];
        QCOMPARE(QString::fromStdString(added.Singular), forms[0].toLower());
        QCOMPARE(added.Letter, forms[0] == "WISE" ? 'W' : forms[0][0].toLatin1());
        QCOMPARE(lexicon().Terms[0].Letter, 'T');
        QCOMPARE(lexicon().TermsShownCount, 2);
    }

    void theAddButtonsStopAtTheLexiconsLimits() {
        QVERIFY(!Edit("", [](frmLanguageTerms& w) {
            for (int k = 1; k <= 25; ++k) {
                QVERIFY(Button(w, "cmdAddSpecific")->isEnabled());
                Click(w, "cmdAddSpecific");
            }
            QVERIFY(!Button(w, "cmdAddSpecific")->isEnabled());
            const char* others[] = {"cmdAddAdjective", "cmdAddClass", "cmdAddPredicate"};
            for (int k = 0; k < 26; ++k) {
                QVERIFY(Button(w, "cmdAddAdjective")->isEnabled());
                Click(w, others[k % 3]);
            }
            for (const char* name : others) QVERIFY(!Button(w, name)->isEnabled());
            w.close();
        }));
    }

    void cancelAsksBeforeDroppingTheEntries() {
        Define("adjective", "wise");
        const Lexicon before = lexicon();
        app_->prompts.cancelOnQuestion = 1;
        bool stayedOpen = false;
        QVERIFY(!Edit("", [&](frmLanguageTerms& w) {
            Click(w, "cmdAddSpecific");
            Enter(w, 2, "plato");
            Enter(w, 0, "foolish");
            Click(w, "cmdCancel");  // answered Cancel
            stayedOpen = w.isVisible();
            QCOMPARE(Box(w, 2)->text(), QStringLiteral("PLATO"));
            QTest::keyClick(&w, Qt::Key_Escape);  // answered OK
        }));
        QVERIFY(stayedOpen);
        QCOMPARE(app_->prompts.messages,
                 (std::vector<std::string>{kUndoEntriesQuestion, kUndoEntriesQuestion}));
        QCOMPARE(lexicon().TermCount(), 1);
        QCOMPARE(lexicon().Terms[0].Singular, before.Terms[0].Singular);
        QCOMPARE(lexicon().UpperLetterPool, before.UpperLetterPool);
        QCOMPARE(lexicon().LowerLetterPool, before.LowerLetterPool);
    }

    void aFullTableIsReachedByScrollingAndByTab() {
        for (char c = 'a'; c < 'a' + 25; ++c) Define("specific noun", std::string("person") + c);
        for (char c = 'a'; c < 'a' + 26; ++c) Define("class noun", std::string("cat") + c + 'o');
        QCOMPARE(lexicon().TermCount(), 51);
        QVERIFY(!Edit("", [](frmLanguageTerms& w) {
            auto* v = Find<QScrollBar>(&w, "VScroll1");
            auto* h = Find<QScrollBar>(&w, "HScroll1");
            QVERIFY(v->isVisible());
            QVERIFY(h->isVisible());  // the window is narrower than the table
            QVERIFY(!Button(w, "cmdAddSpecific")->isEnabled());
            const int canvas = ui::ToTwips(Find<QWidget>(&w, "Picture1")->size(), w).height;
            QCOMPARE(canvas, w.contentHeight());
            const int hTop = ui::ToTwips(h->pos(), w).y;
            QCOMPARE(v->maximum(), canvas - hTop);
            QCOMPARE(v->singleStep(), v->maximum() / 16 + 1);
            QCOMPARE(v->pageStep(), v->maximum() / 4 + 1);
            const QRect view(0, 0, v->x(), h->y());
            const int boxes = 25 + 26 * 4;
            for (int i = 0; i < boxes; ++i) {
                QWidget* box = Box(w, i);
                QCOMPARE(QApplication::focusWidget(), box);
                const QRect shown(box->mapTo(&w, QPoint(0, 0)), box->size());
                QVERIFY2(view.contains(shown), qPrintable(box->objectName()));
                QTest::keyClick(box, Qt::Key_Tab);
            }
            // Every add button is disabled at the limits, so Tab comes round to Update.
            QCOMPARE(QApplication::focusWidget(), Button(w, "cmdUpdate"));
            v->setValue(v->maximum());  // the lowest add button comes into view
            QVERIFY(view.contains(QRect(Button(w, "cmdAddClass")->mapTo(&w, QPoint(0, 0)),
                                        Button(w, "cmdAddClass")->size())));
            w.close();
        }));
    }
};

QTEST_MAIN(LanguageTermsWindowTest)
#include "LanguageTermsWindowTest.moc"

// The Check Language Terms dialog driven through its controls: the layouts of the kinds it
// offers, the pair of check boxes, typing and the fills on leaving a box, OK's checks, and
// the ways it closes.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
#include "TermWindowTestSupport.h"
#include "natural/CheckTermsModel.h"

using namespace deducto;
using deducto::testing::Find;

namespace {

QString Text(frmCheckTerms& d, const char* name) { return Find<QLineEdit>(&d, name)->text(); }
bool Shown(frmCheckTerms& d, const char* name) { return !Find<QWidget>(&d, name)->isHidden(); }

void ClickBox(frmCheckTerms& d, const char* name) {
    QCheckBox* box = Find<QCheckBox>(&d, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void Retype(frmCheckTerms& d, const char* name, const char* text) {
    QLineEdit* box = Find<QLineEdit>(&d, name);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromLatin1(text));
}

}  // namespace

class CheckTermsWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<testing::BasicScriptedSession<testing::TermWindowScript>> app_;

    // Asks about `word` with the given suggestion; `script` acts on the dialog.
    bool Ask(const char* word, const char* suggestion,
             const std::function<void(frmCheckTerms&)>& script) {
        NatState nat(app_->prompts);
        CheckTermsRequest request;
        request.TermQuery =
            *suggestion != 0 ? "Please confirm or modify." : "Please categorize term.";
        request.TermUnderCheck = word;
        request.CheckSuggestion = suggestion;
        CheckTermsModel model(app_->session.lexicon, nat, request);
        app_->prompts.onCheckDialog = script;
        return ConfirmTermWithUser(model, nat);
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

    void theSuggestedKindShowsItsLayout_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<QStringList>("forms");  // the form boxes on show
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("plural class noun")
            << "philosophers"
            << "C" << QStringList{"PHILOSOPHER", "NON-PHILOSOPHER", "NON-PHILOSOPHERS"}
            << QStringList{"s:", "comp. s.:", "comp. pl.:"};
        QTest::newRow("adjective") << "wise"
                                   << "A" << QStringList{"NON-WISE"} << QStringList{"complement:"};
        QTest::newRow("no suggestion") << "wise"
                                       << "" << QStringList{"", "", ""} << QStringList{"", "", ""};
    }
    void theSuggestedKindShowsItsLayout() {
        QFETCH(QString, word);
        QFETCH(QString, suggestion);
        QFETCH(QStringList, forms);
        QFETCH(QStringList, captions);
        Ask(word.toLatin1().constData(), suggestion.toLatin1().constData(), [&](frmCheckTerms& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Check Language Terms"));
            QCOMPARE(ui::ToTwips(d.size(), d), (ui::TwipSize{9930, 3600}));
            QCOMPARE(Find<QLabel>(&d, "lblTerm")->text(), word.toUpper());
            QVERIFY(Find<QLabel>(&d, "lblTerm")->font().underline());
            QVERIFY(Find<QLabel>(&d, "lblQueryMessage")->font().bold());
            QCOMPARE(Find<QCheckBox>(&d, "chkTerm1")->text(), QStringLiteral("adjective"));
            QCOMPARE(Find<QCheckBox>(&d, "chkTerm2")->text(), QStringLiteral("plural class noun"));
            QCOMPARE(Find<QCheckBox>(&d, "chkTerm1")->isChecked(), suggestion == "A");
            QCOMPARE(Find<QCheckBox>(&d, "chkTerm2")->isChecked(), suggestion == "C");
            for (int i = 0; i < 3; ++i) {
                const std::string k = std::to_string(i + 1);
                const bool shown = i < forms.size();
                QCOMPARE(Shown(d, ("txtAltTerm" + k).c_str()), shown);
                QCOMPARE(Shown(d, ("lblAltTerm" + k).c_str()), shown);
                if (!shown) continue;
                QCOMPARE(Text(d, ("txtAltTerm" + k).c_str()), forms[i]);
                QCOMPARE(Find<QLabel>(&d, ("lblAltTerm" + k).c_str())->text(), captions[i]);
                const QRect at = Find<QWidget>(&d, ("txtAltTerm" + k).c_str())->geometry();
                QCOMPARE(ui::ToTwips(at.topLeft(), d), (ui::TwipPoint{5880, 1440 + 480 * i}));
            }
        });
    }

    void theCheckBoxesActAsAPair() {
        Ask("philosophers", "C", [](frmCheckTerms& d) {
            ClickBox(d, "chkTerm1");  // the other kind: boxes cleared and refilled
            QVERIFY(!Find<QCheckBox>(&d, "chkTerm2")->isChecked());
            QCOMPARE(Text(d, "txtAltTerm1"), QStringLiteral("NON-PHILOSOPHERS"));
            QVERIFY(!Shown(d, "txtAltTerm2"));
            QCOMPARE(QApplication::focusWidget(), Find<QWidget>(&d, "txtAltTerm1"));
            ClickBox(d, "chkTerm1");  // cleared: nothing else changes
            QVERIFY(!Find<QCheckBox>(&d, "chkTerm1")->isChecked());
            QVERIFY(!Find<QCheckBox>(&d, "chkTerm2")->isChecked());
            QCOMPARE(Text(d, "txtAltTerm1"), QStringLiteral("NON-PHILOSOPHERS"));
            ClickBox(d, "chkTerm2");
            QCOMPARE(Text(d, "txtAltTerm1"), QStringLiteral("PHILOSOPHER"));
            QCOMPARE(Text(d, "txtAltTerm3"), QStringLiteral("NON-PHILOSOPHERS"));
        });
    }

    void leavingTheSingularFillsTheComplements() {
        const bool accepted = Ask("dogs", "C", [](frmCheckTerms& d) {
            Retype(d, "txtAltTerm2", "");
            Retype(d, "txtAltTerm3", "");
            Retype(d, "txtAltTerm1", "dog");
            QCOMPARE(Text(d, "txtAltTerm1"), QStringLiteral("DOG"));  // typed in capitals
            QTest::keyClick(Find<QWidget>(&d, "txtAltTerm1"), Qt::Key_Tab);
            QCOMPARE(Text(d, "txtAltTerm2"), QStringLiteral("NON-DOG"));
            QCOMPARE(Text(d, "txtAltTerm3"), QStringLiteral("NON-DOGS"));
            QTest::mouseClick(Find<QPushButton>(&d, "cmdOK"), Qt::LeftButton);
        });
        QVERIFY(accepted);
        const LangTerm& dog = app_->session.lexicon.Terms.at(0);
        QCOMPARE(dog.Plural, std::string("dogs"));
        QCOMPARE(dog.CompPlural, std::string("non-dogs"));
    }

    void okRefusesAMissingFormAndStaysOpen_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<QString>("emptied");  // "" for none
        QTest::addColumn<QString>("message");
        QTest::newRow("no singular derivable") << "sheep"
                                               << "C"
                                               << ""
                                               << "Missing singular form for \"SHEEP\"";
        QTest::newRow("complementary plural") << "dogs"
                                              << "C"
                                              << "txtAltTerm3"
                                              << "Missing complementary plural form for \"DOGS\"";
        QTest::newRow("complement") << "wise"
                                    << "A"
                                    << "txtAltTerm1"
                                    << "Missing complementary form for \"WISE\"";
    }
    void okRefusesAMissingFormAndStaysOpen() {
        QFETCH(QString, word);
        QFETCH(QString, suggestion);
        QFETCH(QString, emptied);
        QFETCH(QString, message);
        bool stayedOpen = false;
        const bool accepted = Ask(word.toLatin1().constData(), suggestion.toLatin1().constData(),
                                  [&](frmCheckTerms& d) {
                                      if (!emptied.isEmpty()) {
                                          Retype(d, emptied.toLatin1().constData(), "   ");
                                      }
                                      QTest::keyClick(&d, Qt::Key_Return);  // Enter is OK
                                      stayedOpen = d.isVisible();
                                  });
        QVERIFY(stayedOpen);
        QVERIFY(!accepted);
        QCOMPARE(app_->prompts.messages, std::vector<std::string>{message.toStdString()});
        QCOMPARE(app_->session.lexicon.TermCount(), 0);
    }

    void cancelAndTheCloseBoxFailTheTranslation_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancelAndTheCloseBoxFailTheTranslation() {
        QFETCH(bool, closeBox);
        bool open = false;
        NatState nat(app_->prompts);
        CheckTermsRequest request{"Please confirm or modify.", "wise", "AC", "P", "A"};
        {
            CheckTermsModel model(app_->session.lexicon, nat, request);
            app_->prompts.onCheckDialog = [&](frmCheckTerms& d) {
                open = nat.CheckDialogOpen;
                if (closeBox) {
                    d.close();
                } else {
                    QTest::mouseClick(Find<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
                }
            };
            QVERIFY(!ConfirmTermWithUser(model, nat));
        }
        QVERIFY(open);
        QVERIFY(nat.NatError);
        QVERIFY(!nat.CheckDialogOpen);
        QCOMPARE(app_->session.lexicon.TermCount(), 0);
        QVERIFY(app_->prompts.messages.empty());
    }
};

QTEST_MAIN(CheckTermsWindowTest)
#include "CheckTermsWindowTest.moc"

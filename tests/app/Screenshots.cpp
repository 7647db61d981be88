// Saves pictures of the program for a person to look at: the main window with the
// propositional worked example typed by hand and evaluated, truth-table windows and the
// details window, the other examples, natural language in English with its term windows and
// the terms panel, the processing frame of a running evaluation, the four syntax panels, the
// four worked examples from a clean start, the help window at the natural-language sentences,
// a fourteen-letter table and set symbols as a student pastes them.
// Usage: deducto_screenshots [folder]
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "AppTestSupport.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "natural/CheckTermsModel.h"
#include "natural/LanguageTermsModel.h"
#include "natural/frmCheckTerms.h"
#include "natural/frmLanguageTerms.h"
#include "presentation/frmArgumentTable.h"
#include "presentation/frmTree.h"
#include "presentation/frmTruthTable.h"
#include "presentation/frmWorld.h"
#include "reference/Help.h"
#include "ui/QtPrompts.h"

using namespace deducto;

namespace {

// Messages are printed instead of waiting for a click.
class PrintedPrompts : public testing::ScriptedWindowPrompts {
public:
    void ShowMessage(std::string_view text) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
        ScriptedPrompts::ShowMessage(text);
    }
};

// The program's own event pump, with a hook that runs once inside a computation.
class HookedPump : public ui::QtEventPump {
public:
    std::function<void()> onPump;
    void ProcessPendingEvents() override {
        if (const auto hook = onPump) hook();
        QtEventPump::ProcessPendingEvents();
    }
};

void Save(QWidget* widget, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!widget->grab().save(path)) std::fprintf(stderr, "could not save %s\n", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
}

// Without a window manager a closed window does not hand the activation back.
void Reactivate(QWidget* frame) {
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame)) std::fprintf(stderr, "window not active\n");
}

void Type(QWidget* box, const char* text) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(box, QString::fromLatin1(text));
    QTest::keyClick(box, Qt::Key_Tab);
}

// Grabs the modal window that `click` opens, then closes it.
void SaveModal(QAbstractButton* button, const QDir& folder, const char* name) {
    if (!button->isVisible()) {
        std::fprintf(stderr, "%s: %s is not on show\n", name, qPrintable(button->objectName()));
        return;
    }
    QTimer::singleShot(300, [&folder, name] {
        if (QWidget* window = QApplication::activeModalWidget()) {
            Save(window, folder, name);
            window->close();
        }
    });
    button->click();
    Reactivate(button->window());
}

// Opens the details, then their world, grabs the world and closes both.
void SaveWorld(QAbstractButton* details, const QDir& folder, const char* name) {
    if (!details->isVisible()) {
        std::fprintf(stderr, "%s: %s is not on show\n", name, qPrintable(details->objectName()));
        return;
    }
    QTimer::singleShot(300, [&folder, name] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) return;
        QTimer::singleShot(300, [&folder, name] {
            if (QWidget* world = QApplication::activeModalWidget()) {
                Save(world, folder, name);
                world->close();
            }
        });
        for (QAction* action : window->actions()) {
            if (action->objectName() == QLatin1String("mnuShowWorld")) action->trigger();
        }
        window->close();
    });
    details->click();
    Reactivate(details->window());
}

void SaveTruthTable(Main* main, int line, const QDir& folder, const char* name) {
    auto* button =
        testing::Find<QPushButton>(main, ("cmdTruthTable" + std::to_string(line)).c_str());
    button->click();
    QApplication::processEvents();
    for (auto* window : testing::OpenWindows<frmTruthTable>()) {
        Save(window, folder, name);
        window->close();
    }
    Reactivate(main->window());
}

// Shows a term window over `model` without blocking, saves it and closes it; `scrolled`
// first moves both scroll bars to their ends.
template <typename Window, typename Model>
void ShowUnblocked(const QDir& folder, const char* name, Model& model, bool scrolled = false) {
    Window window(model);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fprintf(stderr, "%s not exposed\n", name);
    if (scrolled) {
        for (auto* bar : window.template findChildren<QScrollBar*>()) bar->setValue(bar->maximum());
    }
    QApplication::processEvents();
    Save(&window, folder, name);
    window.close();
}

}  // namespace

// Types an argument, evaluates it and saves its truth tree; with `world`, also the world of
// the tree's first open branch.
void SaveTree(Main* main, const char* mode, const std::vector<const char*>& premises,
              const char* conclusion, const QDir& folder, const char* name,
              const char* world = nullptr) {
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, mode)->click();
    for (size_t k = 0; k < premises.size(); ++k) {
        Type(testing::Find<QLineEdit>(main, ("txtCondition" + std::to_string(k + 1)).c_str()),
             premises[k]);
    }
    Type(testing::Find<QLineEdit>(main, "txtConclusion"), conclusion);
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();
    testing::Find<QAction>(main, "mnuShowTree")->trigger();
    for (frmTree* tree : main->findChildren<frmTree*>()) {
        if (!QTest::qWaitForWindowExposed(tree)) continue;
        Save(tree, folder, name);
        if (world != nullptr && tree->cmdShowWorld->isEnabled()) {
            tree->cmdShowWorld->click();
            for (frmWorld* shown : tree->findChildren<frmWorld*>()) {
                if (QTest::qWaitForWindowExposed(shown)) Save(shown, folder, world);
                shown->close();
            }
        }
        tree->close();
    }
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deducto"));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral("/tmp/deducto-shots"));
    QDir().mkpath(folder.path());

    PrintedPrompts prompts;
    HookedPump pump;
    Session session(prompts, pump);
    MDIForm1 frame(session, prompts);
    frame.show();
    frame.activateWindow();
    if (!QTest::qWaitForWindowExposed(&frame)) std::fprintf(stderr, "window not exposed\n");
    Main* main = frame.mainWindow();
    Save(&frame, folder, "01-start.png");

    testing::Find<QRadioButton>(main, "optPropositional")->click();
    const char* premises[] = {"(r and k) implies p",
                              "k iff (t and a)",
                              "s or not t",
                              "(not p) implies u",
                              "(s implies c) and (c implies s)",
                              "a and not c",
                              "r"};
    for (int k = 1; k <= 7; ++k) {
        Type(testing::Find<QLineEdit>(main, ("txtCondition" + std::to_string(k)).c_str()),
             premises[k - 1]);
    }
    Type(testing::Find<QLineEdit>(main, "txtConclusion"), "u");
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();
    Save(&frame, folder, "02-propositional-evaluated.png");

    session.options.multiTable = true;  // truth-table windows open without blocking
    SaveTruthTable(main, 1, folder, "03-truth-table.png");
    SaveModal(testing::Find<QPushButton>(main, "cmdDetails"), folder, "04-details.png");
    SaveWorld(testing::Find<QPushButton>(main, "cmdDetails"), folder,
              "04b-propositional-world.png");

    // A failing line, marked in place.
    Type(testing::Find<QLineEdit>(main, "txtCondition8"), "p and and q");
    Save(&frame, folder, "05-error-mark.png");

    // The predicate example, its truth tables and its details.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPredicate")->click();
    const char* predicate[] = {"forall x (Ax or Bx)", "Fm and Wm", "exists w (Ww and Aw)"};
    for (int k = 1; k <= 3; ++k) {
        Type(testing::Find<QLineEdit>(main, ("txtCondition" + std::to_string(k)).c_str()),
             predicate[k - 1]);
    }
    Type(testing::Find<QLineEdit>(main, "txtConclusion"), "exists x (Bx and not Wx)");
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();
    Save(&frame, folder, "06-predicate-evaluated.png");
    SaveTruthTable(main, 1, folder, "07-predicate-truth-table.png");
    SaveTruthTable(main, 0, folder, "08-predicate-conclusion-table.png");
    SaveTruthTable(main, 2, folder, "08b-predicate-individuals-table.png");
    SaveModal(testing::Find<QPushButton>(main, "cmdDetails"), folder, "09-predicate-details.png");
    SaveWorld(testing::Find<QPushButton>(main, "cmdDetails"), folder,
              "09b-world-four-predicates.png");

    // A world of three predicates and two individuals.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    Type(testing::Find<QLineEdit>(main, "txtCondition1"), "forall x (Px implies Qx)");
    Type(testing::Find<QLineEdit>(main, "txtCondition2"), "Pa or Rb");
    Type(testing::Find<QLineEdit>(main, "txtConclusion"), "Qa");
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();
    SaveWorld(testing::Find<QPushButton>(main, "cmdDetails"), folder,
              "09c-world-three-predicates.png");

    // The set-theory example, loaded from the Help menu.
    if (auto* example = main->findChild<QAction*>(QStringLiteral("mnuSetExample"))) {
        example->trigger();
        QApplication::processEvents();
        Save(&frame, folder, "10-set-theory-example.png");
        SaveTruthTable(main, 3, folder, "11-set-theory-truth-table.png");
    }

    // The natural-language example, then its premise 3 weakened so that the conclusion no
    // longer follows, with the details in English.
    prompts.onCheckTerm = [](CheckTermsModel& dialog) { return dialog.AcceptSuggestion(); };
    if (auto* example = main->findChild<QAction*>(QStringLiteral("mnuNatExample"))) {
        example->trigger();
        QApplication::processEvents();
        Save(&frame, folder, "12-natural-example.png");
        auto* premise3 = testing::Find<QLineEdit>(main, "txtCondition3");
        premise3->setFocus(Qt::MouseFocusReason);
        premise3->selectAll();
        Type(premise3, "The square root of -1 is imaginary.");
        testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
        QApplication::processEvents();
        Save(&frame, folder, "13-natural-evaluated.png");
        SaveModal(testing::Find<QPushButton>(main, "cmdDetails"), folder, "14-natural-details.png");
        SaveWorld(testing::Find<QPushButton>(main, "cmdDetails"), folder, "14b-natural-world.png");
        SaveTruthTable(main, 1, folder, "15-natural-truth-table.png");

        // The term windows over the example's lexicon, which uses every column.
        LanguageTermsModel table(session, "");
        ShowUnblocked<frmLanguageTerms>(folder, "17-language-terms.png", table);
        LanguageTermsModel request(session, "Please define the following terms:  EVEN.");
        ShowUnblocked<frmLanguageTerms>(folder, "18-language-terms-query.png", request, true);
        NatState nat(prompts);
        CheckTermsModel plural(session.lexicon, nat,
                               {"Please confirm or modify.", "philosophers", "AC", "P", "C"});
        ShowUnblocked<frmCheckTerms>(folder, "19-check-terms-plural.png", plural);
        CheckTermsModel complement(session.lexicon, nat,
                                   {"Please confirm or modify.", "wise", "AC", "P", "A"});
        ShowUnblocked<frmCheckTerms>(folder, "20-check-terms-complement.png", complement);

        // The terms panel: drawn once, then a sentence with a new word shows it in bold.
        auto* toggle = testing::Find<QPushButton>(main, "cmdToggle");
        toggle->click();
        Type(testing::Find<QLineEdit>(main, "txtCondition6"), "Some numbers are even.");
        QApplication::processEvents();
        Save(&frame, folder, "21-terms-panel.png");
    }

    // The other worked examples as the Help menu loads them.
    for (const auto& [action, name] : {std::pair{"mnuPropExample", "17-propositional-example.png"},
                                       std::pair{"mnuPredExample", "18-predicate-example.png"}}) {
        if (auto* example = main->findChild<QAction*>(QString::fromLatin1(action))) {
            example->trigger();
            QApplication::processEvents();
            Save(&frame, folder, name);
        }
    }

    // A table of fourteen letters, narrow ones among them, and set symbols typed as a
    // student pastes them.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPropositional")->click();
    Type(testing::Find<QLineEdit>(main, "txtCondition1"),
         "i or j or l or f or t or r or I or a or b or c or d or e or g or h");
    Type(testing::Find<QLineEdit>(main, "txtCondition2"), "a and b and c and d and e and f");
    Save(&frame, folder, "19-fourteen-letters-main.png");
    SaveTruthTable(main, 1, folder, "20-fourteen-letters-table.png");
    testing::Find<QRadioButton>(main, "optSetTheory")->click();
    auto* symbols = testing::Find<QLineEdit>(main, "txtCondition1");
    symbols->setFocus(Qt::MouseFocusReason);
    symbols->insert(QStringLiteral("A \u2229 \u2205 = \u2205"));
    QTest::keyClick(symbols, Qt::Key_Tab);
    Type(testing::Find<QLineEdit>(main, "txtCondition2"), "x belongs (A union B)' or A subset U");
    Save(&frame, folder, "21-set-symbols.png");
    SaveTruthTable(main, 2, folder, "22-set-symbols-table.png");

    // The processing frame, caught while an evaluation runs.
    pump.onPump = [&frame, &folder, &pump] {
        pump.onPump = nullptr;
        Save(&frame, folder, "16-processing.png");
    };
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();

    // The syntax panels, one per mode.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    const std::pair<const char*, const char*> panels[] = {
        {"optPropositional", "22-panel-propositional.png"},
        {"optPredicate", "23-panel-predicate.png"},
        {"optSetTheory", "24-panel-set-theory.png"},
        {"optNatural", "25-panel-natural.png"}};
    for (const auto& [option, name] : panels) {
        testing::Find<QRadioButton>(main, option)->click();
        QApplication::processEvents();
        Save(&frame, folder, name);
    }

    // The worked examples, each from a clean start, then the window activated again.
    const std::pair<const char*, const char*> examples[] = {
        {"mnuPropExample", "26-example-propositional.png"},
        {"mnuPredExample", "27-example-predicate.png"},
        {"mnuSetExample", "28-example-set-theory.png"},
        {"mnuNatExample", "29-example-natural.png"}};
    for (const auto& [menu, name] : examples) {
        testing::Find<QPushButton>(main, "cmdClear")->click();
        session.lexicon.Clear();
        main->findChild<QAction*>(QString::fromLatin1(menu))->trigger();
        QApplication::processEvents();
        Reactivate(&frame);
        Save(&frame, folder, name);
    }

    // A predicate argument whose failing cases are far wider than the details window, the
    // picture dragged to their ends, and a scope warning on its own row under a long formula.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPredicate")->click();
    Type(testing::Find<QLineEdit>(main, "txtCondition1"),
         "exists x (Px and Qx and Rx and not Sx and Tx) and exists x (Px and not Qx and Sx)");
    Type(testing::Find<QLineEdit>(main, "txtCondition2"),
         "Pa and Qa and not Ra and Sa and Ta or Pb and not Qb and Rb and Sb and not Tb");
    Type(testing::Find<QLineEdit>(main, "txtConclusion"),
         "forall x (Px implies Sx) or exists x (Qx and not Px and Rx and Tx)");
    testing::Find<QPushButton>(main, "cmdEvaluateConclusion")->click();
    QApplication::processEvents();
    Save(&frame, folder, "31-scope-warnings-below.png");
    SaveModal(testing::Find<QPushButton>(main, "cmdDetails"), folder,
              "32-details-long-predicate.png");
    QTimer::singleShot(300, [&folder] {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr) return;
        auto* picture = window->findChild<QWidget*>(QStringLiteral("picBox"));
        const QPoint start(window->width() - 5, 20);
        QTest::mousePress(picture, Qt::LeftButton, {}, start);
        QTest::mouseMove(picture, start - QPoint(picture->width(), 0));
        QTest::mouseRelease(picture, Qt::LeftButton, {}, start - QPoint(picture->width(), 0));
        Save(window, folder, "33-details-long-predicate-dragged.png");
        window->close();
    });
    testing::Find<QPushButton>(main, "cmdDetails")->click();
    Reactivate(&frame);

    // A message box whose title is longer than its text, laid out as the program's are.
    {
        QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kSyntaxError),
                        QStringLiteral("Missing )"), QMessageBox::Ok, &frame);
        ui::WideEnoughForTitle(box);
        box.show();
        if (QTest::qWaitForWindowExposed(&box)) Save(&box, folder, "34-message-box-title.png");
        std::printf("message box %dx%d\n", box.width(), box.height());
        box.close();
        Reactivate(&frame);
    }
    // Truth trees: a closed propositional one, an open predicate one with its world, and
    // nested quantifiers moved inward.
    session.options.multiTable = true;
    SaveTree(main, "optPropositional", {"p implies q", "q implies r", "p or s"}, "r or s", folder,
             "40-tree-propositional-closed.png");
    SaveTree(main, "optPredicate", {"exists x Px", "exists x Qx"}, "exists x (Px and Qx)", folder,
             "41-tree-predicate-open.png", "42-tree-predicate-world.png");
    SaveTree(main, "optPredicate", {"exists x Px", "forall x exists y (Px implies Qy)"},
             "exists y Qy", folder, "43-tree-nested-quantifiers.png");

    // The help window, opened from the natural-language panel's button.
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPropositional")->click();
    testing::Find<QRadioButton>(main, "optNatural")->click();
    testing::Find<QPushButton>(main, "cmdNatSyntaxHelp")->click();
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<dlgHelp*>(window)) {
            if (QTest::qWaitForWindowExposed(help)) Save(help, folder, "30-help-sentences.png");
            help->close();
        }
    }
    if (dlgHelp* help = LaunchHelp("#NSNotUnderstood")) {
        if (QTest::qWaitForWindowExposed(help)) Save(help, folder, "35-help-not-understood.png");
        help->close();
    }

    // Every step of a line, in both kinds of table, and the argument table with its
    // counterexamples in red.
    Reactivate(&frame);
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPropositional")->click();
    main->findChild<QAction*>(QStringLiteral("mnuShowEverySteps"))->trigger();
    Type(testing::Find<QLineEdit>(main, "txtCondition1"), "p implies (q or not r)");
    Type(testing::Find<QLineEdit>(main, "txtCondition2"), "not (q and r)");
    Type(testing::Find<QLineEdit>(main, "txtConclusion"), "(p or not q) implies not r");
    SaveTruthTable(main, 0, folder, "36-steps-propositional.png");
    main->findChild<QAction*>(QStringLiteral("mnuArgumentTable"))->trigger();
    QApplication::processEvents();
    for (auto* window : testing::OpenWindows<frmArgumentTable>()) {
        Save(window, folder, "37-argument-table.png");
        window->close();
    }
    Reactivate(&frame);
    testing::Find<QPushButton>(main, "cmdClear")->click();
    testing::Find<QRadioButton>(main, "optPredicate")->click();
    Type(testing::Find<QLineEdit>(main, "txtConclusion"),
         "forall x (Px implies Qx) or (Pa and not exists y Qy)");
    SaveTruthTable(main, 0, folder, "38-steps-predicate.png");
    return 0;
}

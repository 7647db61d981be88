// Helpers for the window tests: the main window over a scripted session, and lookups of
// controls by name.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ReadLine.h"
#include "formula/modBuildPolish.h"
#include "mainwindow/MDIForm1.h"
#include "mainwindow/Main.h"
#include "support/ScriptedWindowPrompts.h"
#include "truthtable/clsTruthTable.h"
#include "truthtable/modEvaluate.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

namespace deducto::testing {

// Called from every window test's init(): a painter misused anywhere fails the test.
inline void FailOnPainterWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter")));
}

// Deletes every top-level window but `keep`. A window deleted with its parent is skipped.
inline void DeleteWindowsBut(const QWidget* keep) {
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != keep) windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) delete window.data();
}

// Called from cleanup(): no window of one test survives into the next.
inline void DeleteAllWindows() { DeleteWindowsBut(nullptr); }

template <typename T>
T* Find(const QObject* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

// The text box of line `line` (0 the conclusion) in the main window `main`.
template <typename Box>
Box* LineBox(const QObject* main, int line) {
    return Find<Box>(main,
                     line == 0 ? "txtConclusion" : ("txtCondition" + std::to_string(line)).c_str());
}

// Types `text` into `widget` key by key. ASCII characters are real key clicks; the others
// have no key here and arrive as key events that carry only their text.
inline void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Shows a frame window and waits until it is the active one, as the user's window would be.
[[nodiscard]] inline bool ShowActive(QWidget& frame) {
    frame.show();
    frame.activateWindow();
    return QTest::qWaitForWindowActive(&frame);
}

// Every open top-level window of one class.
template <typename T>
QList<T*> OpenWindows() {
    QList<T*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window != nullptr && window->isVisible()) {
            found.append(window);
        }
    }
    return found;
}

// The main window over a scripted session, made in a test's init() and dropped in its
// cleanup() with every window the test left open. `Prompts` is ScriptedWindowPrompts or a
// script derived from it. The frame is not shown until the test asks: some tests drive the window
// before it is on screen, or wait for it in their own way.
template <typename Prompts = ScriptedWindowPrompts>
class MainWindowFixture {
public:
    Prompts prompts;
    ScriptedPump pump;
    Session session{prompts, pump};

    MainWindowFixture() : frame_(std::make_unique<MDIForm1>(session, prompts)) {
        pump.Attach(session.progress);
    }
    ~MainWindowFixture() {
        // The windows it opened go first: they may still refer to the main window.
        DeleteWindowsBut(frame_.get());
        frame_.reset();
    }
    MainWindowFixture(const MainWindowFixture&) = delete;
    MainWindowFixture& operator=(const MainWindowFixture&) = delete;

    [[nodiscard]] MDIForm1* frame() const { return frame_.get(); }
    [[nodiscard]] Main* main() const { return frame_->mainWindow(); }
    // Shows the frame and waits until it is the active window, as the user's would be.
    [[nodiscard]] bool Show() { return ShowActive(*frame_); }

    [[nodiscard]] ui::LineEdit* Box(int line) const { return LineBox<ui::LineEdit>(main(), line); }
    [[nodiscard]] ui::PictureBox* Picture(int line) const {
        return Find<ui::PictureBox>(main(), ("picBox" + std::to_string(line)).c_str());
    }
    [[nodiscard]] QPushButton* TableButton(int line) const {
        return Find<QPushButton>(main(), ("cmdTruthTable" + std::to_string(line)).c_str());
    }
    [[nodiscard]] QPushButton* Button(const char* name) const {
        return Find<QPushButton>(main(), name);
    }
    [[nodiscard]] QRadioButton* Option(const char* name) const {
        return Find<QRadioButton>(main(), name);
    }
    [[nodiscard]] QAction* Menu(const char* name) const { return Find<QAction>(main(), name); }
    [[nodiscard]] QString VerdictShown() const {
        return Find<QLabel>(main(), "lblEvaluation")->text();
    }
    void SelectMode(const char* option) const { Option(option)->click(); }

private:
    std::unique_ptr<MDIForm1> frame_;
};

// The table of a typed formula as a line would build it (without simplification unless
// asked), with its token list; no table when it does not parse or build.
struct BuiltTable {
    std::shared_ptr<const clsTruthTable> table;
    std::string tokens;
};
inline BuiltTable TableOf(std::string_view text, Session& session, bool simplify = false) {
    const ParseResult parse = BuildPolish(text, session.mode);
    if (!parse.ok()) return {};
    auto table = std::make_shared<clsTruthTable>(session.mode);
    if (!table->generateFromPolish(RemoveDoubleNegations(parse.PolishStr), session.computation)
             .ok())
        return {};
    if (simplify && !table->Simplify(session.computation).ok()) return {};
    return {table, parse.tokenList};
}

// Reads the premises (lines 1 to n) and then the conclusion as the window does, in the
// session's mode, and evaluates them: the comparison table, or none when a line fails.
inline std::shared_ptr<const clsTruthTable> CompareArgument(Session& session,
                                                            const QStringList& premises,
                                                            const QString& conclusion) {
    for (int k = 1; k <= premises.size() + 1; ++k) {
        const int line = k % (static_cast<int>(premises.size()) + 1);  // the conclusion last
        const QString& text = line == 0 ? conclusion : premises[line - 1];
        const LineOutcome read = ReadLine(text.toStdString(), line, ReadKind::Edit, session);
        if (read.result != LineResult::Built) return nullptr;
    }
    return EvaluateArgument(session.lines, session.mode, session.computation).comparisonTable;
}

// The text printed on each line of a picture at or below `fromY`, left to right, keyed by y.
inline std::map<int, std::string> PrintedLines(const ui::PictureBox& picture, int fromY = 0) {
    std::map<int, std::vector<const ui::TextRun*>> byY;
    for (const ui::TextRun& run : picture.textRuns()) {
        if (run.at.y >= fromY) byY[run.at.y].push_back(&run);
    }
    std::map<int, std::string> lines;
    for (auto& [y, runs] : byY) {
        std::stable_sort(runs.begin(), runs.end(), [](const ui::TextRun* a, const ui::TextRun* b) {
            return a->at.x < b->at.x;
        });
        for (const ui::TextRun* run : runs) lines[y] += run->text;
    }
    return lines;
}

}  // namespace deducto::testing

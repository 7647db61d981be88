// Helpers for the window tests: a session whose event pump runs a script, and lookups of
// controls by name.
#pragma once

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>

#include "support/ScriptedWindowPrompts.h"

namespace deducto::testing {

// An event pump that counts its calls and hands each to a script: the script can press
// "&Cancel" (set haltRequested) or click a control, as a user would during a computation.
class ScriptPump : public EventPump {
public:
    long long pumps = 0;
    std::function<void(long long pump)> onPump;

    void ProcessPendingEvents() override {
        ++pumps;
        // A copy, so the script may replace itself.
        if (const auto script = onPump) script(pumps);
    }
};

struct AppSession {
    ScriptedWindowPrompts prompts;
    ScriptPump pump;
    Session session{prompts, pump};
};

// Called from every window test's init(): a painter misused anywhere fails the test.
inline void FailOnPainterWarnings() {
    QTest::failOnWarning(QRegularExpression(QStringLiteral("QPainter")));
}

// Called from cleanup(): no window of one test survives into the next.
inline void DeleteAllWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) delete window;
}

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

}  // namespace deducto::testing

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ReadLine.h"
#include "formula/modBuildPolish.h"
#include "truthtable/clsTruthTable.h"
#include "truthtable/modEvaluate.h"
#include "ui/PictureBox.h"

namespace deducto::testing {

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

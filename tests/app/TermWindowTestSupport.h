// Prompts for window tests that open the real term windows: messages and confirmations are
// answered from the script of ScriptedWindowPrompts, and once a term window is up a test's script
// acts on it as the user would. A window the script leaves open is closed by its close box.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "natural/frmCheckTerms.h"
#include "natural/frmLanguageTerms.h"
#include "support/ScriptedWindowPrompts.h"

namespace deducto::testing {

class TermWindowScript : public ScriptedWindowPrompts {
public:
    std::function<void(frmCheckTerms&)> onCheckDialog;
    std::function<void(frmLanguageTerms&)> onTermsWindow;
    int checkDialogs = 0;
    int termsWindows = 0;

    bool ConfirmTermWithUser(CheckTermsModel& dialog) override {
        ++checkDialogs;
        WhenShown<frmCheckTerms>(onCheckDialog);
        const Reactivation back;
        return ShowCheckTermsDialog(dialog);
    }
    bool EditLanguageTerms(LanguageTermsModel& window) override {
        ++termsWindows;
        WhenShown<frmLanguageTerms>(onTermsWindow);
        const Reactivation back;
        return ShowLanguageTermsWindow(window);
    }

private:
    // Without a window manager a closed window does not hand the activation back.
    struct Reactivation {
        QWidget* before = QApplication::activeWindow();
        ~Reactivation() {
            if (before != nullptr) QApplication::setActiveWindow(before);
        }
    };
    template <typename Window>
    static void WhenShown(const std::function<void(Window&)>& script) {
        QTimer::singleShot(0, [script] {
            Window* window = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* candidate = qobject_cast<Window*>(widget);
                if (candidate != nullptr && candidate->isVisible()) window = candidate;
            }
            if (window == nullptr) return WhenShown(script);  // not up yet
            // Without a window manager a new window is not made active by itself.
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window)) qWarning("term window not active");
            if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
            if (script) script(*window);
            if (window->isVisible()) window->close();
        });
    }
};

}  // namespace deducto::testing

// The help window and the About box. The help is a document bundled with the program,
// shown in a browser widget that follows its links and anchors, so it works offline.
#pragma once

#include <QDialog>
#include <string_view>

class QTextBrowser;

namespace deducto {

class WindowPrompts;

// Where the bundled help lives; the page and an anchor are appended to it.
inline constexpr const char* HelpPageAddress = "qrc:/help/";
inline constexpr const char* kHelpPage = "Deducto/DeductoHelp.html";
inline constexpr const char* kHelpContents = "";
inline constexpr const char* kHelpNaturalSentences = "#NSSentences";
inline constexpr const char* kHelpCaption = "Deducto Help";

// One help window, showing the page at the address it was made with. F3 closes it, F12
// ends the whole program; it sees those keys before its browser does.
class dlgHelp : public QDialog {
    Q_OBJECT
public:
    explicit dlgHelp(const QString& address, QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Whether `key` was one of the window's own keys.
    bool Form_KeyDown(int key);
};

// Opens a new help window at `anchor` ("" for the contents). Each request gets a window of
// its own; earlier ones stay open. While a modal window of the program is open a modeless
// window could not be used, so the help is then shown modally and this returns once it is
// closed, with nullptr; otherwise it returns the new window.
dlgHelp* LaunchHelp(std::string_view anchor);

// The About box: the program's names, its version and what it is.
void ShowAbout(WindowPrompts& prompts);

}  // namespace deducto

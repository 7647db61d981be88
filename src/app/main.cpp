// Deducto: a desktop teaching tool for elementary logic. One session, the frame window with
// the main window in it, and the event loop.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "DeductoVersion.h"
#include "Session.h"
#include "mainwindow/MDIForm1.h"
#include "natural/TermWindowPrompts.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("deducto %s\n", deducto::kVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Deducto"));
    deducto::TermWindowPrompts prompts;
    deducto::ui::QtEventPump pump;
    deducto::Session session(prompts, pump);
    deducto::MDIForm1 frame(session);
    QObject::connect(&frame, &deducto::MDIForm1::closing, [&prompts] { prompts.Silence(); });
    frame.show();
    return QApplication::exec();
}

// Deducto: a desktop teaching tool for elementary logic. One session, the frame window with
// the main window in it, and the event loop.
#include "mainwindow/Main.h"

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
    deducto::MDIForm1 frame(session, prompts);
    QObject::connect(&frame, &deducto::MDIForm1::closing, [&prompts] { prompts.Silence(); });
    frame.show();
    // "deducto FILE", as a file manager starts it for a double-clicked argument.
    if (const QStringList args = QApplication::arguments(); args.size() > 1) {
        frame.mainWindow()->OpenArgumentFile(args[1]);
    }
    return QApplication::exec();
}

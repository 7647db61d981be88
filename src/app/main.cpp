// Deducto: a desktop teaching tool for elementary logic. One session, the frame window with
// the main window in it, and the event loop.
#include "mainwindow/Main.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "DeductoVersion.h"
#include "Session.h"
#include "WindowUsage.h"
#include "mainwindow/MDIForm1.h"
#include "natural/TermWindowPrompts.h"
#include "ui/DesktopPlace.h"

namespace {

// Text for a terminal; a failed write is an error even here.
int Print(const std::string& text) {
    std::cout << text;
    std::cout.flush();
    if (std::cout.good()) return 0;
    std::cerr << "deducto: cannot write to standard output\n";
    return 1;
}

int Refuse(const std::string& error) {
    std::cerr << "deducto: " << error << "\nTry 'deducto --help'.\n";
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    using deducto::ParseWindowCommandLine;
    // --help, --version and unknown long options are answered before Qt starts, so that
    // they work without a display. Qt's own options (-platform, -style...) are known only to
    // Qt: an unknown option of one dash is refused once Qt has taken those out.
    const auto early = ParseWindowCommandLine(argc, argv, deducto::QtOptions::StillThere);
    if (!early.error.empty()) return Refuse(early.error);
    if (early.help || early.version) {
        return Print(early.help ? deducto::WindowHelpText()
                                : std::string("deducto ") + deducto::kVersion + '\n');
    }
    QApplication app(argc, argv);
    // Settings go to ~/.config/deducto/Deducto.conf; the desktop file name lets a task bar
    // match the window with its launcher and icon.
    QApplication::setOrganizationName(QStringLiteral("deducto"));
    QApplication::setOrganizationDomain(QStringLiteral("deducto.org"));
    QApplication::setApplicationName(QStringLiteral("Deducto"));
    QApplication::setApplicationVersion(QString::fromLatin1(deducto::kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(deducto::ui::kDesktopId));
    QApplication::setWindowIcon(deducto::ui::ApplicationIcon());

    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments()) args.push_back(arg.toStdString());
    std::vector<const char*> remaining;
    for (const std::string& arg : args) remaining.push_back(arg.c_str());
    const auto command =
        ParseWindowCommandLine(static_cast<int>(remaining.size()), remaining.data());
    if (!command.error.empty()) return Refuse(command.error);

    deducto::TermWindowPrompts prompts;
    deducto::ui::QtEventPump pump;
    deducto::Session session(prompts, pump);
    deducto::MDIForm1 frame(session, prompts);
    QObject::connect(&frame, &deducto::MDIForm1::closing, [&prompts, &frame] {
        QSettings settings;
        deducto::ui::SavePlacement(frame, settings);
        prompts.Silence();
    });
    {
        const QSettings settings;
        deducto::ui::RestorePlacement(frame, settings);
    }
    frame.show();
    // "deducto FILE", as a file manager starts it for a double-clicked argument. The window
    // holds one argument: the files after the first are named, not opened.
    if (!command.files.empty()) {
        frame.mainWindow()->OpenArgumentFile(QString::fromStdString(command.files.front()));
    }
    if (command.files.size() > 1) {
        const std::string note = deducto::FilesNotOpened(command.files);
        std::cerr << "deducto: " << note << '\n';
        QTimer::singleShot(0, &frame, [&prompts, note] { prompts.ShowMessage(note); });
    }
    return QApplication::exec();
}

// What the window program `deducto` answers on its command line, written once: rendered as
// its --help text and as its manual page deducto(1). No Qt here, so that both work without a
// display.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace deducto {

// What the window's command line asks for.
struct WindowCommandLine {
    bool help = false;
    bool version = false;
    std::string error;               // an unknown option; empty when all was understood
    std::vector<std::string> files;  // argument files to open, in the order given
};

// Whether Qt's own options (-platform, -style...) may still be among the arguments: before
// Qt has read and removed them, an unknown option of one dash is left to Qt.
enum class QtOptions { StillThere, Removed };

// Reads the arguments after the program's name. "--" ends the options; "-" alone is a file
// name like any other (the window has no standard input to read).
[[nodiscard]] WindowCommandLine ParseWindowCommandLine(int argc, const char* const* argv,
                                                       QtOptions qt = QtOptions::Removed);

// The --help text of `deducto`, wrapped for an 80-column terminal.
[[nodiscard]] std::string WindowHelpText();

// The manual page deducto(1) in roff (man) markup.
[[nodiscard]] std::string WindowManPage(std::string_view version);

// The note shown when more files were named than the window opens: it holds one argument.
[[nodiscard]] std::string FilesNotOpened(const std::vector<std::string>& files);

}  // namespace deducto

// The questions only the window asks: which file to open or write, whether to save first,
// and a message under a title of its own. The engine never asks these; its questions go
// through the session's UserPrompts.
#pragma once

#include <string>
#include <string_view>

namespace deducto {

// What kind of file a file question asks for.
enum class FileQuestion { OpenArgument, SaveArgument, ExportTable, ExportPdf };
// The three answers to "save your changes first?".
enum class SaveChoice { Save, Discard, Cancel };

class WindowPrompts {
public:
    virtual ~WindowPrompts() = default;
    // A message under `title` instead of the program's name; OK only.
    virtual void ShowTitledMessage(std::string_view title, std::string_view text) = 0;
    virtual SaveChoice AskToSave(std::string_view text) = 0;
    // A path, empty when cancelled; `suggested` is the path the question starts from.
    virtual std::string ChooseFile(FileQuestion question, std::string_view suggested) = 0;
};

}  // namespace deducto

// "Copy" and "Export..." for a window that shows a table: the table goes to the clipboard as
// plain text, or to a file whose name's ending picks the format.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "truthtable/TableExport.h"

class QWidget;

namespace deducto {

class UserPrompts;
class WindowPrompts;

// The table in `format`, as the window shows it but with all its rows.
using TableWriter = std::function<std::string(TableFormat format)>;

// Puts both actions in `picture`'s context menu; Ctrl+C copies while `window` is active.
// Export asks for the file through `files`; a file it cannot write is told through `prompts`.
void AddTableExport(QWidget& window, QWidget& picture, TableWriter table, UserPrompts& prompts,
                    WindowPrompts& files);

// ".csv", ".md", ".tex" give their formats; anything else plain text.
[[nodiscard]] TableFormat FormatForPath(const QString& path);

}  // namespace deducto

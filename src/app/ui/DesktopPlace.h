// What ties the running program to the desktop it was installed on: its icon, the folder of
// the worked examples, and where its window was when it last ended.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QRect>
#include <QString>

class QSettings;
class QWidget;

namespace deducto::ui {

// The id of the desktop entry, the icon and the metainfo.
inline constexpr const char* kDesktopId = "org.deducto.Deducto";

// The icon of the installed icon theme; the copies built into the program when the theme has
// none (run from the build folder, or installed where no theme looks).
[[nodiscard]] QIcon ApplicationIcon();

// The installed worked examples, found beside the program (PREFIX/bin/deducto looks in
// PREFIX/share/deducto/examples); empty when there are none.
[[nodiscard]] QString ExamplesFolder();

// `saved` (a window's frame) moved and cut to lie within `available` (a screen's free area):
// a window saved on a screen that is gone, or was larger, comes back where it can be seen.
[[nodiscard]] QRect WithinScreen(QRect saved, QRect available);

// Saves the window's placement, and restores it on a screen that exists now; a window never
// placed before keeps its own. Restoring returns false when nothing was saved.
void SavePlacement(const QWidget& window, QSettings& settings);
bool RestorePlacement(QWidget& window, const QSettings& settings);

}  // namespace deducto::ui

// The "Truth Table" window: one line's truth table, drawn once when the window opens.
#pragma once

#include <memory>
#include <string>

#include "presentation/PictureWindow.h"

namespace deducto {

class Session;
class WindowPrompts;
class clsTruthTable;

class frmTruthTable : public PictureWindow {
    Q_OBJECT
public:
    // Draws `table` headed by `tokenList`, with the session's row filters, and sizes the
    // window to the drawing. Export asks for its file through `prompts`.
    // With "Show Every Step" on and the line's Polish string given, the window shows the
    // line's step table instead.
    frmTruthTable(std::shared_ptr<const clsTruthTable> table, std::string tokenList,
                  Session& session, WindowPrompts& prompts, QWidget* parent = nullptr,
                  const std::string& PolishStr = {});

private:
    std::shared_ptr<const clsTruthTable> displayTable_;
};

}  // namespace deducto

// PrintPieces and PrintLabelled.
#include "reference/PanelText.h"

namespace deducto {

int PrintPieces(ui::Canvas& canvas, int x, int y, const std::vector<Piece>& pieces, double size) {
    canvas.CurrentX = x;
    canvas.CurrentY = y;
    for (const Piece& piece : pieces) {
        canvas.Font = ui::FontSpec{ui::kSansSerif, size, piece.emphasis == Emphasis::Bold,
                                   piece.emphasis == Emphasis::Underline};
        canvas.Print(piece.text);
    }
    canvas.Font = ui::FontSpec{ui::kSansSerif, size, false, false};
    return canvas.CurrentX;
}

int PrintLabelled(ui::Canvas& canvas, int x, int y, const std::string& label,
                  const std::string& value, double size) {
    return PrintPieces(canvas, x, y, {{label + "  ", Emphasis::Bold}, {value}}, size);
}

}  // namespace deducto

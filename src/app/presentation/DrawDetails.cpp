// DrawDetails: heading, case lines, and the size they need.
#include "presentation/DrawDetails.h"

#include <algorithm>

namespace deducto {
namespace {

inline constexpr int kCaseX = 400;
inline constexpr int kLineHeight = 200;

}  // namespace

ui::TwipSize DrawDetails(ui::Canvas& canvas, const std::vector<CaseText>& cases) {
    canvas.Font.name = ui::kSansSerif;
    canvas.Font.bold = true;
    canvas.PrintAt(100, 100, kDetailsHeading);
    int width = canvas.TextWidth(kDetailsHeading) + 500;
    canvas.Font.bold = false;
    // Room for the heading even when there is no case to list.
    int height = 900;
    int y = 300;
    for (const CaseText& lines : cases) {
        if (canvas.Size().height - 300 < y) {
            canvas.PrintAt(kCaseX, y, kDetailsMore);
            height = std::max(height, y + 600);
            break;
        }
        for (const std::string& line : lines) {
            canvas.PrintAt(kCaseX, y, line);
            y += kLineHeight;
            width = std::max(width, kCaseX + canvas.TextWidth(line) + 300);
            height = std::max(height, y + 600);
        }
    }
    canvas.SetDragCursor();
    return {width, height};
}

}  // namespace deducto

// DrawDetails: heading, case lines, and the size they need.
#include "presentation/DrawDetails.h"

#include <algorithm>

namespace deducto {
namespace {

inline constexpr int kCaseX = 400;
inline constexpr int kLineHeight = 200;

}  // namespace

ui::TwipSize DrawDetails(ui::Canvas& canvas, const std::vector<CaseText>& cases,
                         std::vector<int>* caseTops) {
    canvas.Font.name = ui::kSansSerif;
    canvas.Font.bold = true;
    int width = canvas.TextWidth(kDetailsHeading) + 500;
    canvas.Font.bold = false;
    // Measured before anything is drawn: a line beyond the canvas would be cut, so the canvas
    // first grows to the widest line it is to hold.
    const int bottom = canvas.Size().height - 300;
    int y = 300;
    for (const CaseText& lines : cases) {
        if (bottom < y) break;
        for (const std::string& line : lines) {
            width = std::max(width, kCaseX + canvas.TextWidth(line) + 300);
            y += kLineHeight;
        }
    }
    if (width > canvas.Size().width) canvas.GrowTo({width, canvas.Size().height});

    canvas.Font.bold = true;
    canvas.PrintAt(100, 100, kDetailsHeading);
    canvas.Font.bold = false;
    // Room for the heading even when there is no case to list.
    int height = 900;
    y = 300;
    for (const CaseText& lines : cases) {
        if (bottom < y) {
            canvas.PrintAt(kCaseX, y, kDetailsMore);
            width = std::max(width, kCaseX + canvas.TextWidth(kDetailsMore) + 300);
            height = std::max(height, y + 600);
            break;
        }
        if (caseTops != nullptr) caseTops->push_back(y);
        for (const std::string& line : lines) {
            canvas.PrintAt(kCaseX, y, line);
            y += kLineHeight;
            height = std::max(height, y + 600);
        }
    }
    canvas.SetDragCursor();
    return {width, height};
}

}  // namespace deducto

// DrawStepTable: column widths from the headings and cells, the captions, the rules, the
// rows (red for counterexamples) and the legend of numbered headings.
#include "presentation/DrawStepTable.h"

#include <algorithm>

#include "Notation.h"
#include "presentation/DrawFormula.h"
#include "presentation/DrawTruthTable.h"
#include "truthtable/Region.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {
namespace {

using Kind = ShownStepColumn::Kind;

constexpr int kCaptionY = 100;
constexpr int kRowHeight = 200;
constexpr int kGap = 160;  // between columns
constexpr int kRuleRoom = 120;

// A cell as the truth-table window draws it: regions with "&" for the intersection sign.
std::string DrawnCell(const ShownSteps& shown, const ShownStepColumn& column, int row) {
    if (column.kind == Kind::Region) {
        return RegionLabel(shown.rows->worlds->LocalRegion(row, column.index));
    }
    std::string cell;
    AppendCell(shown, column, row, cell);
    return cell;
}

// A heading drawn at (x, y); returns where it ends.
int DrawColumnHeading(ui::Canvas& canvas, const ShownStepColumn& column, int x, int y, Mode mode,
                      const std::string& number) {
    if (!number.empty()) {
        canvas.PrintAt(x, y, number);
        return x + canvas.TextWidth(number);
    }
    switch (column.kind) {
        case Kind::Step:
            canvas.CurrentX = x;
            canvas.CurrentY = y;
            return DrawFormula(canvas, column.tokenList, "", mode);
        default:
            canvas.PrintAt(x, y, column.heading);
            return x + canvas.TextWidth(column.heading);
    }
}

}  // namespace

ui::TwipSize DrawStepTable(ui::Canvas& canvas, const ShownSteps& shown, Mode mode,
                           UserPrompts& prompts, std::vector<std::string>* text) {
    canvas.Font.name = ui::kSansSerif;
    const bool captions = std::any_of(shown.columns.begin(), shown.columns.end(),
                                      [](const ShownStepColumn& c) { return !c.caption.empty(); });
    const int headingY = captions ? kCaptionY + kRowHeight : kCaptionY;
    const int ruleY = headingY + 250;
    const int firstRowY = ruleY + 50;
    const int shownRows = std::min<int>(static_cast<int>(shown.shownRows.size()), kMaxShownRows);

    // Widths: a heading measured by drawing it off the picture, the cells of the drawn rows.
    const std::size_t n = shown.columns.size();
    std::vector<int> widths(n, 0);
    std::vector<std::string> numbers(n);
    std::vector<std::string> legend;
    for (std::size_t c = 0; c < n; ++c) {
        const ShownStepColumn& column = shown.columns[c];
        canvas.Font.bold = column.main;
        int heading = 0;
        if (column.kind == Kind::Step) {
            canvas.CurrentX = 0;
            canvas.CurrentY = -10000;  // measured, not seen
            heading = DrawFormula(canvas, column.tokenList, "", mode);
        } else if (column.kind == Kind::Flag) {
            heading =
                LabelWidth(canvas, RegionLabel(shown.rows->worlds->InternalRegion(column.index)));
        } else {
            heading = canvas.TextWidth(column.heading);
        }
        if (heading > kMaxHeadingTwips) {
            numbers[c] = "(" + std::to_string(legend.size() + 1) + ")";
            legend.push_back(numbers[c] + "  " + column.heading);
            heading = canvas.TextWidth(numbers[c]);
        }
        canvas.Font.bold = false;
        widths[c] = std::max({heading, canvas.TextWidth(column.caption), canvas.TextWidth("T")});
        for (int k = 0; k < shownRows; ++k) {
            const std::string cell =
                DrawnCell(shown, column, shown.shownRows[static_cast<std::size_t>(k)]);
            widths[c] = std::max(widths[c], column.kind == Kind::Region ? LabelWidth(canvas, cell)
                                                                        : canvas.TextWidth(cell));
        }
    }
    std::vector<int> xs(n, 0);
    int x = 100;
    for (std::size_t c = 0; c < n; ++c) {
        if (c > 0) x += kGap + (shown.columns[c].rule > 0 ? kRuleRoom : 0);
        xs[c] = x;
        x += widths[c];
    }
    const int right = x + 100;
    const int tableBottom = firstRowY + kRowHeight * shownRows;
    const int legendHeight =
        legend.empty() ? 0 : 150 + kRowHeight * static_cast<int>(legend.size());
    const ui::TwipSize needed{std::min(right + 300, kMaxPictureTwips),
                              std::min(tableBottom + legendHeight + 500, kMaxPictureTwips)};
    canvas.GrowTo(needed);

    // Captions, headings and rules.
    std::vector<std::string> lines;
    std::string headingLine;
    for (std::size_t c = 0; c < n; ++c) {
        const ShownStepColumn& column = shown.columns[c];
        if (!column.caption.empty()) canvas.PrintAt(xs[c], kCaptionY, column.caption);
        canvas.Font.bold = column.main;
        if (column.kind == Kind::Flag && numbers[c].empty()) {
            int at = xs[c];
            DrawRegionLabel(canvas, at, headingY,
                            RegionLabel(shown.rows->worlds->InternalRegion(column.index)));
        } else {
            DrawColumnHeading(canvas, column, xs[c], headingY, mode, numbers[c]);
        }
        canvas.Font.bold = false;
        if (column.rule > 0) {
            const int ruleX = xs[c] - (kGap + kRuleRoom) / 2;
            canvas.Line(ruleX, kCaptionY, ruleX, tableBottom);
            if (column.rule == 2) canvas.Line(ruleX + 30, kCaptionY, ruleX + 30, tableBottom);
        }
        headingLine += (column.caption.empty() ? "" : column.caption + ": ") + column.heading + " ";
    }
    canvas.Line(100, ruleY, right, ruleY);
    lines.push_back(headingLine);

    // Rows: at most 100, counterexamples in red.
    if (static_cast<int>(shown.shownRows.size()) > kMaxShownRows)
        prompts.ShowMessage(kTableTooLarge);
    for (int k = 0; k < shownRows; ++k) {
        const int row = shown.shownRows[static_cast<std::size_t>(k)];
        const int y = firstRowY + kRowHeight * k;
        const bool red = shown.argument != nullptr && shown.argument->Counterexample(row);
        canvas.ForeColor = red ? ui::kRed : ui::kBlack;
        std::string line;
        for (std::size_t c = 0; c < n; ++c) {
            const ShownStepColumn& column = shown.columns[c];
            const std::string cell = DrawnCell(shown, column, row);
            canvas.Font.bold = column.main;
            if (column.kind == Kind::Region) {
                int at = xs[c];
                DrawRegionLabel(canvas, at, y, cell);
            } else {
                canvas.PrintAt(xs[c], y, cell);
            }
            canvas.Font.bold = false;
            line += cell + " ";
        }
        lines.push_back(line);
    }
    canvas.ForeColor = ui::kBlack;

    // The legend of numbered headings, then (in an argument table) the sentence.
    int y = tableBottom + 150;
    for (const std::string& entry : legend) {
        canvas.PrintAt(100, y, entry);
        lines.push_back(entry);
        y += kRowHeight;
    }
    if (shown.argument != nullptr) {
        canvas.Font.bold = true;
        canvas.PrintAt(100, y + 100, shown.argument->sentence);
        canvas.Font.bold = false;
        lines.push_back(shown.argument->sentence);
        const int sentenceRight = 100 + canvas.TextWidth(shown.argument->sentence) + 300;
        canvas.GrowTo({std::min(sentenceRight, kMaxPictureTwips), 0});
        if (text != nullptr) *text = lines;
        canvas.SetDragCursor();
        return {std::max(needed.width, std::min(sentenceRight, kMaxPictureTwips)),
                std::min(needed.height + 400, kMaxPictureTwips)};
    }
    if (text != nullptr) *text = lines;
    canvas.SetDragCursor();
    return needed;
}

}  // namespace deducto

// DrawTruthTable: the two layouts, the row filters and the size rules.
#include "presentation/DrawTruthTable.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "formula/FormulaWords.h"
#include "presentation/DrawFormula.h"
#include "truthtable/Region.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {
namespace {

inline constexpr int kSignWidth = 160;  // the intersection sign in a region label
inline constexpr int kHeaderY = 100;
inline constexpr int kRuleY = 350;
inline constexpr int kFirstRowY = 400;
inline constexpr int kRowHeight = 200;

bool RowShown(char value, const Options& options) {
    return (value == 'T' && !options.showFalseOnly) || (value == 'F' && !options.showTrueOnly);
}

// The height every row of the table would need, and the end of the column rule.
int NeededHeight(const clsTruthTable& table) { return 900 + kRowHeight * table.nbrTruthCombos(); }
int RuleEnd(const clsTruthTable& table) { return kFirstRowY + kRowHeight * table.nbrTruthCombos(); }

// Makes the picture big enough for what will be drawn (at most 100 rows), capped.
void GrowForDrawing(ui::Canvas& canvas, ui::TwipSize needed) {
    canvas.GrowTo(
        {std::min(needed.width, kMaxPictureTwips), std::min(needed.height, kMaxPictureTwips)});
}

// Draws the formula heading in bold at x; returns the width the window needs.
int DrawHeading(ui::Canvas& canvas, int x, std::string_view tokenList, Mode mode) {
    // Widen the picture first so a long formula is not cut off (no glyph is wider than this).
    constexpr int kWidestGlyph = 250;
    const long long wanted = x + 300 + kWidestGlyph * static_cast<long long>(tokenList.size());
    canvas.GrowTo({static_cast<int>(std::min<long long>(wanted, kMaxPictureTwips)), 0});
    canvas.Font.bold = true;
    canvas.CurrentX = x;
    canvas.CurrentY = kHeaderY;
    const int after = DrawFormula(canvas, tokenList, "", mode);
    canvas.Font.bold = false;
    canvas.Line(100, kRuleY, after + 100, kRuleY);
    return after + 300;
}

// The drawing written out as text, one line per row: the cells, then the value after a bar.
// Region labels read with the intersection sign.
class TextLines {
public:
    explicit TextLines(std::vector<std::string>* lines) : lines_(lines) {}
    void Add(const std::vector<std::string>& cells, const std::string& value) {
        if (lines_ == nullptr) return;
        std::string line;
        for (const std::string& cell : cells) {
            for (const char c : cell) line += c == '&' ? std::string("\u2229") : std::string(1, c);
            line += ' ';
        }
        lines_->push_back(line + "| " + value);
    }

private:
    std::vector<std::string>* lines_;
};

// The wider of two texts in the plain face the rows are printed in.
int PlainTextWidth(ui::Canvas& canvas, std::string_view a, std::string_view b) {
    const bool bold = canvas.Font.bold;
    canvas.Font.bold = false;
    const int width = std::max(canvas.TextWidth(a), canvas.TextWidth(b));
    canvas.Font.bold = bold;
    return width;
}

// Calls draw(row, y) for each shown row, up to the limit.
template <typename DrawRow>
void DrawRows(const clsTruthTable& table, const Options& options, UserPrompts& prompts,
              DrawRow drawRow) {
    int y = kFirstRowY;
    int shown = 0;
    for (int row = 0; row < table.nbrTruthCombos(); ++row) {
        if (!RowShown(table.TruthValue(row), options)) continue;
        if (++shown > kMaxShownRows) {
            prompts.ShowMessage(kTableTooLarge);
            return;
        }
        drawRow(row, y);
        y += kRowHeight;
    }
}

ui::TwipSize DrawPropositional(ui::Canvas& canvas, const clsTruthTable& table,
                               std::string_view tokenList, const Options& options,
                               UserPrompts& prompts, TextLines& text) {
    // A column is as wide as its heading and never narrower than its widest cell, each
    // with room after it: under a narrow letter a "T" would otherwise run into the next.
    const int cellWidth = PlainTextWidth(canvas, "T", "F");
    std::vector<int> columnX;
    int x = 100;
    for (int j = 0; j < table.nbrTerms(); ++j) {
        columnX.push_back(x);
        canvas.PrintAt(x, kHeaderY, table.Term(j));
        x += std::max(canvas.TextWidth(table.Term(j)), cellWidth) + 100;
    }
    const int valueX = x + 100;
    std::vector<std::string> headers;
    for (int j = 0; j < table.nbrTerms(); ++j) headers.push_back(table.Term(j));
    text.Add(headers, FormulaInWords(tokenList, Mode::Propositional));
    const ui::TwipSize needed{DrawHeading(canvas, valueX, tokenList, Mode::Propositional),
                              NeededHeight(table)};
    // Grown first: a rule longer than the picture would be cut short.
    GrowForDrawing(canvas, needed);
    canvas.Line(valueX - 150, kHeaderY, valueX - 150, RuleEnd(table));

    DrawRows(table, options, prompts, [&](int row, int y) {
        const std::string combo = table.TruthCombo(row);
        std::vector<std::string> cells;
        for (int j = 0; j < table.nbrTerms() && j < static_cast<int>(combo.size()); ++j) {
            canvas.PrintAt(columnX[j], y, std::string_view(&combo[j], 1));
            cells.emplace_back(1, combo[j]);
        }
        const char value = table.TruthValue(row);
        canvas.PrintAt(valueX, y, std::string_view(&value, 1));
        text.Add(cells, std::string(1, value));
    });
    return needed;
}

ui::TwipSize DrawPredicate(ui::Canvas& canvas, const clsTruthTable& table,
                           std::string_view tokenList, Mode mode, const Options& options,
                           UserPrompts& prompts, TextLines& text) {
    const int internal = table.nbrIntTerms();
    const int terms = table.nbrTerms();
    // Cell texts repeat endlessly over the rows; measure each once.
    std::unordered_map<std::string, int> measured;
    auto width = [&](const std::string& label) {
        auto it = measured.find(label);
        if (it == measured.end()) it = measured.emplace(label, LabelWidth(canvas, label)).first;
        return it->second;
    };
    auto cell = [&](int row, int j) -> std::string {
        if (j < internal) return table.Inhabited(row, j) ? "1" : "0";
        return RegionLabel(table.LocalRegion(row, j - internal));
    };

    std::vector<std::string> headers;
    std::vector<int> columnWidth;
    for (int j = 0; j < terms; ++j) {
        headers.push_back(j < internal ? RegionLabel(table.InternalRegion(j)) : table.Term(j));
        columnWidth.push_back(width(headers.back()) + 100);
    }
    for (int row = 0; row < table.nbrTruthCombos(); ++row) {
        for (int j = 0; j < terms; ++j) {
            // Local cells are drawn with their intersection signs, so they are measured
            // that way too; otherwise a wide label would run into the next column.
            const int w = width(cell(row, j));
            if (w + 100 > columnWidth[j]) columnWidth[j] = w + 160;
        }
    }
    std::vector<int> columnX;
    int x = 100;
    for (int j = 0; j < terms; ++j) {
        columnX.push_back(x);
        x += columnWidth[j];
    }
    const int valueX = x + 100;

    for (int j = 0; j < terms; ++j) {
        int at = columnX[j];
        if (j < internal) {
            DrawRegionLabel(canvas, at, kHeaderY, headers[j]);
        } else {
            canvas.PrintAt(at, kHeaderY, headers[j]);
        }
    }
    text.Add(headers, FormulaInWords(tokenList, mode));
    const ui::TwipSize needed{DrawHeading(canvas, valueX, tokenList, mode), NeededHeight(table)};
    GrowForDrawing(canvas, needed);
    canvas.Line(valueX - 100, kHeaderY, valueX - 100, RuleEnd(table));

    DrawRows(table, options, prompts, [&](int row, int y) {
        std::vector<std::string> cells;
        for (int j = 0; j < terms; ++j) {
            int at = columnX[j];
            cells.push_back(cell(row, j));
            if (j < internal) {
                canvas.PrintAt(at, y, cells.back());
            } else {
                DrawRegionLabel(canvas, at, y, cells.back());
            }
        }
        const char value = table.TruthValue(row);
        canvas.PrintAt(valueX, y, std::string_view(&value, 1));
        text.Add(cells, std::string(1, value));
    });
    return needed;
}

}  // namespace

int LabelWidth(const ui::Canvas& canvas, std::string_view label) {
    int width = 0;
    for (const char& c : label) {
        width += c == '&' ? kSignWidth : canvas.TextWidth(std::string_view(&c, 1));
    }
    return width;
}

void DrawRegionLabel(ui::Canvas& canvas, int& x, int y, std::string_view label) {
    size_t start = 0;
    for (size_t i = 0; i <= label.size(); ++i) {
        if (i < label.size() && label[i] != '&') continue;
        const std::string_view pending = label.substr(start, i - start);
        if (!pending.empty()) {
            canvas.PrintAt(x, y, pending);
            x += canvas.TextWidth(pending);
        }
        if (i < label.size()) {
            DrawIntersectionSign(canvas, x, y);
            x += kSignWidth;
        }
        start = i + 1;
    }
}

ui::TwipSize DrawTruthTable(ui::Canvas& canvas, const clsTruthTable& table,
                            std::string_view tokenList, Mode mode, const Options& options,
                            UserPrompts& prompts, std::vector<std::string>* text) {
    TextLines lines(text);
    canvas.Font.name = ui::kSansSerif;
    canvas.Font.bold = true;
    if (mode != Mode::Propositional) canvas.GrowTo({20000, 10000});
    if (table.nbrTerms() == 0) {
        const bool alwaysTrue = table.nbrTruthCombos() > 0 && table.TruthValue(0) == 'T';
        canvas.Print(alwaysTrue ? kTrueInAllCases : kFalseInAllCases);
        if (text != nullptr) text->push_back(alwaysTrue ? kTrueInAllCases : kFalseInAllCases);
        canvas.Font.bold = false;
        return {2500, 800};
    }
    const ui::TwipSize needed =
        mode == Mode::Propositional
            ? DrawPropositional(canvas, table, tokenList, options, prompts, lines)
            : DrawPredicate(canvas, table, tokenList, mode, options, prompts, lines);
    canvas.SetDragCursor();
    return needed;
}

}  // namespace deducto

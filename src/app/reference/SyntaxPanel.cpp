// The four syntax panels: propositional and predicate calculus share their operator table,
// set theory adds its set operators and statements, natural language lists sentences.
#include "reference/SyntaxPanel.h"

#include <string>
#include <vector>

#include "presentation/Glyphs.h"
#include "reference/PanelText.h"

namespace deducto {
namespace {

inline constexpr double kTitleSize = 14;
inline constexpr double kHeadingSize = 12;
inline constexpr double kBodySize = 10;
inline constexpr double kCellSize = 8;
inline constexpr int kSymbolGap = 60;  // room either side of a drawn symbol

enum class Symbol {
    None,
    And,
    Or,
    DoubleArrow,
    Implies,
    ForAll,
    Exists,
    Intersection,
    Union,
    Membership,
    Subset
};

// Draws `symbol` with its top-left corner at (x, y); returns its width.
int DrawSymbol(ui::Canvas& canvas, Symbol symbol, int x, int y) {
    switch (symbol) {
        case Symbol::None:
            return 0;
        case Symbol::And:
            DrawAndSign(canvas, x, y);
            return 100;
        case Symbol::Or:
            DrawOrSign(canvas, x, y);
            return 100;
        case Symbol::DoubleArrow:
            DrawDoubleArrowSign(canvas, x, y);
            return 200;
        case Symbol::Implies:
            DrawImpliesSign(canvas, x, y);
            return 120;
        case Symbol::ForAll:
            DrawForAllSign(canvas, x, y);
            return 120;
        case Symbol::Exists:
            DrawExistsSign(canvas, x, y);
            return 120;
        case Symbol::Intersection:
            DrawIntersectionSign(canvas, x, y);
            return 160;
        case Symbol::Union:
            DrawUnionSign(canvas, x, y);
            return 140;
        case Symbol::Membership:
            return PrintMembershipSign(canvas, x, y);
        case Symbol::Subset:
            DrawSubsetSign(canvas, x, y);
            return 140;
    }
    return 0;
}

// A notation cell: printed placeholders around one drawn symbol.
struct Notation {
    const char* before = "";
    Symbol symbol = Symbol::None;
    const char* after = "";
};

void DrawNotation(ui::Canvas& canvas, int x, int y, const Notation& notation) {
    canvas.PrintAt(x, y, notation.before);
    if (notation.symbol == Symbol::None) return;
    x = canvas.CurrentX + (*notation.before != '\0' ? kSymbolGap : 0);
    x += DrawSymbol(canvas, notation.symbol, x, y) + kSymbolGap;
    canvas.PrintAt(x, y, notation.after);
}

struct OperatorRow {
    const char* written;
    Notation notation;
};

// Rows that share one precedence share one cell: no rule runs between them.
struct PrecedenceCell {
    const char* precedence;
    std::vector<OperatorRow> rows;
};

struct TableShape {
    int left, notationRule, precedenceRule, right, precedenceX;
    int headerHeight, rowHeight, extraRowHeight;  // a cell is rowHeight + extra per more row
};

// The operator column is wider than the 1400 twips the layout was first drawn with: the
// installed face sets "<op1> implies <op2>" wider than that at 8 points.
inline constexpr TableShape kLogicalTable{200, 1850, 3800, 5500, 4650, 400, 500, 400};
inline constexpr TableShape kCompactTable{200, 1850, 3800, 5500, 4650, 350, 400, 250};
inline constexpr TableShape kSetTable{200, 2300, 4100, 5500, 4750, 350, 400, 250};

// Draws a ruled operator table from `top`; returns its bottom.
int DrawOperatorTable(ui::Canvas& canvas, int top, const TableShape& shape, const char* notation,
                      const std::vector<PrecedenceCell>& cells) {
    canvas.Font = ui::FontSpec{ui::kSansSerif, kCellSize, true, false};
    const int headerY = top + (shape.headerHeight - 300) / 2;
    canvas.PrintAt(shape.left + 100, headerY, "Operator");
    canvas.PrintAt(shape.notationRule + 100, headerY, notation);
    canvas.PrintAt(shape.precedenceRule + 100, headerY, "Precedence*");
    canvas.Font = ui::FontSpec{ui::kSansSerif, kCellSize, false, false};

    std::vector<int> rules{top, top + shape.headerHeight};
    for (const PrecedenceCell& cell : cells) {
        const int cellTop = rules.back();
        const int rowCount = static_cast<int>(cell.rows.size());
        const int height = shape.rowHeight + shape.extraRowHeight * (rowCount - 1);
        const int firstY = cellTop + (shape.rowHeight - 200) / 2;
        for (int i = 0; i < rowCount; ++i) {
            const int y = firstY + shape.extraRowHeight * i;
            canvas.PrintAt(shape.left + 100, y, cell.rows[i].written);
            DrawNotation(canvas, shape.notationRule + 100, y, cell.rows[i].notation);
        }
        canvas.PrintAt(shape.precedenceX, cellTop + (height - 200) / 2, cell.precedence);
        rules.push_back(cellTop + height);
    }
    for (int y : rules) canvas.Line(shape.left, y, shape.right, y);
    for (int x : {shape.left, shape.notationRule, shape.precedenceRule, shape.right}) {
        canvas.Line(x, top, x, rules.back());
    }
    return rules.back();
}

const std::vector<PrecedenceCell>& ConnectiveCells() {
    static const std::vector<PrecedenceCell> cells{
        {"4", {{"not <op>", {"~<op>"}}, {"~<op>", {"~<op>"}}}},
        {"3", {{"<op1> and <op2>", {"<op1>", Symbol::And, "<op2>"}}}},
        {"2", {{"<op1> or <op2>", {"<op1>", Symbol::Or, "<op2>"}}}},
        {"1",
         {{"<op1> iff <op2>", {"<op1>", Symbol::DoubleArrow, "<op2>"}},
          {"<op1> implies <op2>", {"<op1>", Symbol::Implies, "<op2>"}}}}};
    return cells;
}

// The connectives with the two quantifiers added to the highest precedence.
std::vector<PrecedenceCell> QuantifierCells() {
    std::vector<PrecedenceCell> cells = ConnectiveCells();
    auto& first = cells.front().rows;
    first.insert(first.begin(), {{"forall <var><exp>", {"", Symbol::ForAll, "<var><exp>"}},
                                 {"exists <var><exp>", {"", Symbol::Exists, "<var><exp>"}}});
    return cells;
}

void PrintTitle(ui::Canvas& canvas, int x, const char* title) {
    canvas.Font = ui::FontSpec{ui::kSansSerif, kTitleSize, true, false};
    canvas.PrintAt(x, 100, title);
}

void PrintHeading(ui::Canvas& canvas, int x, int y, const char* heading) {
    canvas.Font = ui::FontSpec{ui::kSansSerif, kHeadingSize, true, false};
    canvas.PrintAt(x, y, heading);
}

void PrintFootnote(ui::Canvas& canvas, int y) {
    PrintPieces(canvas, 200, y, {{"*Precedence can be overridden by"}, {" parentheses."}}, 10);
}

void DrawPropositional(ui::Canvas& canvas) {
    PrintTitle(canvas, 500, "SYNTAX (propositional calculus)");
    PrintLabelled(canvas, 200, 800, "Basic operands:", "single letters (a-z, A-Z)", kBodySize);
    DrawOperatorTable(canvas, 1500, kLogicalTable, "Logical Notation", ConnectiveCells());
    PrintFootnote(canvas, 4800);
}

// The operands of the predicate-type modes, one label and its value per line.
int PrintObjects(ui::Canvas& canvas, int y) {
    constexpr int kStep = 240;
    PrintLabelled(canvas, 200, y, "Objects (variables or constants):", "single", kBodySize);
    PrintPieces(canvas, 200, y += kStep, {{"lowercase letters (a-z)"}}, kBodySize);
    return y + kStep;
}

void DrawPredicate(ui::Canvas& canvas) {
    constexpr int kStep = 240;
    PrintTitle(canvas, 100, "SYNTAX (monadic predicate calculus)");
    int y = PrintObjects(canvas, 800);
    PrintLabelled(canvas, 200, y, "Predicates:", "single uppercase letters (A-Z)", kBodySize);
    PrintLabelled(canvas, 200, y += kStep, "Predicate expression:", "predicate followed by",
                  kBodySize);
    PrintPieces(canvas, 200, y += kStep,
                {{"one object with no intervening"}, {" spaces, e. g., "}, {"\"Px\""}}, kBodySize);
    const int bottom =
        DrawOperatorTable(canvas, y + 450, kLogicalTable, "Logical Notation", QuantifierCells());
    PrintFootnote(canvas, bottom + 100);
}

void DrawSetTheory(ui::Canvas& canvas) {
    constexpr int kStep = 230;
    PrintTitle(canvas, 300, "SYNTAX (elementary set theory)");
    int y = PrintObjects(canvas, 700);
    PrintLabelled(canvas, 200, y, "Sets:", "single uppercase letters (A-Z).", kBodySize);
    PrintPieces(canvas, 200, y += kStep,
                {{"U represents", Emphasis::Bold},
                 {"  the universal set.  The "},
                 {"nullset is represented by"}},
                kBodySize);
    PrintPieces(canvas, 200, y += kStep, {{"\"nullset\""}, {" or numeric 0."}}, kBodySize);

    PrintHeading(canvas, 200, y += 300, "Set Operators:");
    const std::vector<PrecedenceCell> setCells{
        {"3", {{"<set>'", {"<set>'"}}}},
        {"2",
         {{"<set1> intersection <set2>", {"<set1>", Symbol::Intersection, "<set2>"}},
          {"<set1> . <set2>", {}}}},
        {"1",
         {{"<set1> union <set2>", {"<set1>", Symbol::Union, "<set2>"}}, {"<set1> + <set2>", {}}}}};
    y = DrawOperatorTable(canvas, y + 320, kSetTable, "Symbolic Notation", setCells);

    PrintHeading(canvas, 200, y += 120, "Basic Statements:");
    const std::pair<const char*, Notation> statements[] = {
        {"<obj> belongs <set>", {"<obj>", Symbol::Membership, "<set>"}},
        {"<set> subset <set>", {"<set>", Symbol::Subset, "<set>"}},
        {"<set> = <set>", {"<set> = <set>"}}};
    y += 300;
    for (const auto& [written, notation] : statements) {
        canvas.Font = ui::FontSpec{ui::kSansSerif, kCellSize, false, false};
        canvas.PrintAt(300, y, written);
        DrawNotation(canvas, 2400, y, notation);
        y += 220;
    }

    PrintHeading(canvas, 200, y += 60, "Logical Operators:");
    const int bottom =
        DrawOperatorTable(canvas, y + 320, kCompactTable, "Logical Notation", QuantifierCells());
    PrintFootnote(canvas, bottom + 60);
}

// The natural-language panel: one list of lines, each a row of pieces at its x. A line
// may leave extra room above it; the "Help" button stands at the end of one line.
struct TextLine {
    int x;
    std::vector<Piece> pieces;
    int extraAbove = 0;
    bool helpAfter = false;
    // A second column on the same line, at secondX.
    int secondX = 0;
    std::vector<Piece> second = {};
};

std::vector<TextLine> NaturalLines() {
    const Emphasis B = Emphasis::Bold;
    const Emphasis U = Emphasis::Underline;
    return {
        {0, {{"Terms (other than core English words)"}, {" can be defined by clicking"}}},
        {0, {{"Add/Correct Terms", B}, {" or will be inferred by the "}, {"program where"}}},
        {0, {{"possible.  Multi-word terms must be "}, {"predefined.  There are four types"}}},
        {0, {{"of terms:  adjectives, specific "}, {"nouns, class nouns, and predicates."}}},
        {0, {{"Example (in accepted syntax):", B}}, 100},
        {200, {{"Socrates is a philosopher."}}},
        {200, {{"All philosophers are mortal."}}},
        {200, {{"If someone is mortal, then he "}, {"or she will die."}}},
        {200, {{"Therefore Socrates will die."}}},
        {200,
         {{"Adjective", U}, {": mortal"}},
         100,
         false,
         2800,
         {{"Specific noun", U}, {": Socrates"}}},
        {200,
         {{"Class noun", U}, {": philosopher"}},
         0,
         false,
         2800,
         {{"Predicate", U}, {": will die (predefined)"}}},
        {0, {{"Other accepted sentence structures "}, {"are described in the Help"}}, 100},
        {0, {{"document:"}}, 0, true},
        {0, {{"Additional examples of accepted syntax", B}, {" (underlined terms"}}, 200},
        {0, {{"must be predefined)"}, {":", B}}},
        {200, {{"Some Greek philosophers are wise."}}},
        {200, {{"Socrates is wise, or Plato is mistaken."}}},
        {200, {{"Epimenides is correct, and all "}, {"Cretans are liars."}}},
        {200, {{"No Cretans are honest."}}},
        {200, {{"Some non-Cretans are not honest."}}},
        {200, {{"Every multicelled organism is a "}, {"plant or an animal."}}},
        {200, {{"An animal is human if and only if "}, {"it is a rational animal."}}},
        {200, {{"Any animal "}, {"has a mind", U}, {" only if it is rational."}}},
        {200, {{"All men "}, {"have minds", U}, {", but some men "}, {"do not think", U}, {"."}}},
        {200, {{"There are some animals that "}, {"are not rational."}}},
        {200, {{"Everyone who dies is mortal."}}},
        {200, {{"Nothing is both an animal and a plant."}}},
        {200, {{"If something is not a rational "}, {"animal, then it is not human."}}},
        {200, {{"Not everything that is plausible is true."}}},
        {200, {{"Not every king is a philosopher; "}, {"however, every wise king is a"}}},
        {400, {{"philosopher."}}},
        {200, {{"Every bright student who studies excels."}}},
        {200, {{"Athens is lost if there are no "}, {"brave warriors."}}},
        {200, {{"Diogenes is not satisfied unless "}, {"there exists an honest man."}}},
        {200, {{"Every nonzero real number is either "}, {"rational or both irrational"}}},
        {400, {{"and either positive or negative."}}},
    };
}

PanelButtons DrawNatural(ui::Canvas& canvas) {
    constexpr int kStep = 215;
    constexpr int kHelpHeight = 375;
    PrintTitle(canvas, 600, "SYNTAX (natural language)");
    PanelButtons buttons;
    int y = 560 - kStep;
    for (const TextLine& line : NaturalLines()) {
        y += kStep + line.extraAbove;
        if (line.helpAfter) y += 60;  // the button is taller than a line
        const int end = PrintPieces(canvas, line.x, y, line.pieces, kBodySize);
        if (!line.second.empty()) PrintPieces(canvas, line.secondX, y, line.second, kBodySize);
        if (line.helpAfter) {
            buttons.help = ui::TwipPoint{end + 120, y + 100 - kHelpHeight / 2};
            y += 80;
        }
    }
    return buttons;
}

}  // namespace

PanelButtons DrawSyntaxPanel(ui::Canvas& canvas, Mode mode) {
    canvas.GrowTo(kPanelSize);
    canvas.SetBackColor(ui::kLightCyan);
    canvas.ForeColor = ui::kBlack;
    PanelButtons buttons;
    switch (mode) {
        case Mode::Propositional:
            DrawPropositional(canvas);
            break;
        case Mode::Predicate:
            DrawPredicate(canvas);
            break;
        case Mode::SetTheory:
            DrawSetTheory(canvas);
            break;
        case Mode::Natural:
            buttons = DrawNatural(canvas);
            break;
    }
    canvas.Font = ui::FontSpec{};
    return buttons;
}

}  // namespace deducto

#include "truthtable/FailingWorld.h"

#include <string>
#include <vector>

#include "truthtable/WorldEvaluation.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

FailingWorldResult FailingWorld(const std::array<LineFormula, kLineCount>& lines,
                                const clsTruthTable& comparison, int caseIndex) {
    FailingWorldResult result;
    const std::vector<int> rows = FailingRows(comparison);
    result.cases = static_cast<int>(rows.size());
    if (caseIndex < 0 || caseIndex >= result.cases) return result;

    std::vector<const clsTruthTable*> tables{&comparison};
    for (const LineFormula& line : lines) tables.push_back(line.table);
    const Mode mode = comparison.mode();
    std::optional<World> world = WorldFromRow(comparison, rows[caseIndex], FrameOf(tables, mode));
    if (!world) {
        result.status =
            Status::Internal(std::string(kImpossibleError) + ": no world fits the failing case.");
        return result;
    }
    // The table and the formula must agree, the premises hold and the conclusion fail.
    for (const int k : kReadingOrder) {
        const LineFormula& line = lines[k];
        if (line.table == nullptr) continue;
        const char fromTable = ValueInWorld(*line.table, *world);
        const char direct = EvaluateInWorld(line.PolishStr, mode, *world);
        if (fromTable != direct || direct != (k == 0 ? 'F' : 'T')) {
            result.values = {};
            result.status =
                Status::Internal(std::string(kImpossibleError) +
                                 ": the failing case does not fit " + LineName(k) + ".");
            return result;
        }
        result.values[k] = direct;
    }
    result.world = std::move(world);
    return result;
}

}  // namespace deducto

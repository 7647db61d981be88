// frmTruthTable: the picture set up as the window's background, then the drawing.
#include "presentation/frmTruthTable.h"

#include "Session.h"
#include "presentation/DrawStepTable.h"
#include "presentation/DrawTruthTable.h"
#include "presentation/TableExportActions.h"
#include "truthtable/StepExport.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

frmTruthTable::frmTruthTable(std::shared_ptr<const clsTruthTable> table, std::string tokenList,
                             Session& session, WindowPrompts& prompts, QWidget* parent,
                             const std::string& PolishStr)
    : PictureWindow(QStringLiteral("Truth Table"), parent), displayTable_(std::move(table)) {
    setObjectName(QStringLiteral("frmTruthTable"));
    resize(ui::ToPixels(ui::TwipSize{8880, 3195}, *this));
    picBox->GrowTo({10000, 20000});
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
    if (session.options.showSteps && !PolishStr.empty()) {
        auto steps = std::make_shared<const StepTable>(
            BuildStepTable(PolishStr, tokenList, displayTable_->mode(), session.computation));
        if (steps->status.ok()) {
            std::vector<std::string> rows;
            const ui::TwipSize needed =
                DrawStepTable(*picBox, StepTableShown(*steps, session.options),
                              displayTable_->mode(), session.prompts(), &rows);
            FitToDrawing(needed);
            DescribePicture(QStringLiteral("Truth table"), rows);
            AddTableExport(
                *this, *picBox,
                [steps, options = session.options](TableFormat format) {
                    return ExportStepTable(*steps, options, format);
                },
                session.prompts(), prompts);
            return;
        }
        // Too large or cancelled: the line's own table still shows.
        if (!steps->status.message.empty()) session.prompts().ShowMessage(steps->status.message);
    }
    // Drawn in the mode the table was built in: its layout depends on how its rows are made.
    std::vector<std::string> rows;
    const ui::TwipSize needed =
        DrawTruthTable(*picBox, *displayTable_, tokenList, displayTable_->mode(), session.options,
                       session.prompts(), &rows);
    FitToDrawing(needed);
    DescribePicture(QStringLiteral("Truth table"), rows);
    // The filters in force when the window opened, as the drawing used them.
    AddTableExport(
        *this, *picBox,
        [table = displayTable_, tokenList, options = session.options](TableFormat format) {
            return ExportTable(*table, tokenList, options, format);
        },
        session.prompts(), prompts);
}

}  // namespace deducto

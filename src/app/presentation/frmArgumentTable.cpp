// frmArgumentTable: the drawing and the export of an argument table.
#include "presentation/frmArgumentTable.h"

#include "Session.h"
#include "presentation/DrawStepTable.h"
#include "presentation/TableExportActions.h"
#include "truthtable/StepExport.h"

namespace deducto {

frmArgumentTable::frmArgumentTable(std::shared_ptr<const ArgumentTable> table, Session& session,
                                   WindowPrompts& prompts, QWidget* parent)
    : PictureWindow(QStringLiteral("Argument Table"), parent), table_(std::move(table)) {
    setObjectName(QStringLiteral("frmArgumentTable"));
    resize(ui::ToPixels(ui::TwipSize{8880, 3195}, *this));
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
    std::vector<std::string> rows;
    const ui::TwipSize needed = DrawStepTable(*picBox, ArgumentTableShown(*table_),
                                              table_->rows.mode, session.prompts(), &rows);
    FitToDrawing(needed);
    DescribePicture(QStringLiteral("Argument table"), rows);
    AddTableExport(
        *this, *picBox,
        [table = table_](TableFormat format) { return ExportArgumentTable(*table, format); },
        session.prompts(), prompts);
}

}  // namespace deducto

// frmTruthTable: the picture set up as the window's background, then the drawing.
#include "presentation/frmTruthTable.h"

#include "Session.h"
#include "presentation/DrawTruthTable.h"
#include "presentation/TableExportActions.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {

frmTruthTable::frmTruthTable(std::shared_ptr<const clsTruthTable> table, std::string tokenList,
                             Session& session, WindowPrompts& prompts, QWidget* parent)
    : PictureWindow(QStringLiteral("Truth Table"), parent), displayTable_(std::move(table)) {
    setObjectName(QStringLiteral("frmTruthTable"));
    resize(ui::ToPixels(ui::TwipSize{8880, 3195}, *this));
    picBox->GrowTo({10000, 20000});
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
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

// frmDetails: a picture well beyond the window, so that many cases can be listed.
#include "presentation/frmDetails.h"

#include <QPushButton>

#include "Details.h"
#include "Session.h"
#include "presentation/DrawDetails.h"
#include "presentation/TableExportActions.h"
#include "presentation/frmWorld.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {
namespace {

inline constexpr ui::TwipSize kClientSize{11880, 3195};
inline constexpr int kPictureMargin = 10000;  // how much larger than the window the picture is

}  // namespace

frmDetails::frmDetails(std::shared_ptr<const clsTruthTable> comparisonTable, Session& session,
                       WindowPrompts& prompts, QWidget* parent)
    : PictureWindow(QStringLiteral("Evaluation Details"), parent),
      comparisonTable_(std::move(comparisonTable)),
      session_(session) {
    setObjectName(QStringLiteral("frmDetails"));
    resize(ui::ToPixels(kClientSize, *this));
    picBox->GrowTo({kClientSize.width + kPictureMargin, kClientSize.height + kPictureMargin});
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
    const std::vector<CaseText> cases =
        DescribeFailingCases(*comparisonTable_, session.lexicon, session.prompts());
    const ui::TwipSize needed = DrawDetails(*picBox, cases);
    FitToDrawing(needed);
    std::vector<std::string> lines;
    for (const ui::TextRun& run : picBox->textRuns()) lines.push_back(run.text);
    DescribePicture(QStringLiteral("Evaluation details"), lines);

    // Kept at the window's top-right corner, above the picture that is dragged beneath it.
    auto* cmdShowWorld = new QPushButton(QStringLiteral("Show World"), this);
    cmdShowWorld->setObjectName(QStringLiteral("cmdShowWorld"));
    const ui::TwipSize client = ui::ToTwips(size(), *this);
    ui::SetTwipGeometry(*cmdShowWorld, {std::max(0, client.width - 1400), 60, 1300, 360});
    cmdShowWorld->raise();
    connect(cmdShowWorld, &QPushButton::clicked, this, &frmDetails::cmdShowWorld_Click);

    // In words as listed here, or as the comparison table's failing rows for a spreadsheet
    // or a document, headed by the argument the table tests.
    std::string argument;
    for (int line = 1; line < kLineCount; ++line) {
        const std::string& tokens = session.lines[line].tokens;
        if (tokens.empty()) continue;
        argument += (argument.empty() ? "(" : "1(") + tokens + ")";
    }
    argument =
        (argument.empty() ? "" : "(" + argument + ")7") + "(" + session.lines[0].tokens + ")";
    Options failing = session.options;
    failing.showFalseOnly = true;
    failing.showTrueOnly = false;
    AddTableExport(
        *this, *picBox,
        [table = comparisonTable_, cases, argument, failing](TableFormat format) {
            if (format != TableFormat::Text) return ExportTable(*table, argument, failing, format);
            std::string text = std::string(kDetailsHeading) + '\n';
            for (const CaseText& found : cases) {
                for (const std::string& line : found) text += line + '\n';
            }
            return text;
        },
        session.prompts(), prompts);
}

void frmDetails::cmdShowWorld_Click() {
    auto* window = new frmWorld(comparisonTable_, session_, this);
    window->PlaceAtPointer();
    window->ShowWindow(true);
}

}  // namespace deducto

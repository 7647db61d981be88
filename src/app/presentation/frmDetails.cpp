// frmDetails: a picture well beyond the window, so that many cases can be listed.
#include "presentation/frmDetails.h"

#include "Details.h"
#include "Session.h"
#include "presentation/DrawDetails.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {
namespace {

inline constexpr ui::TwipSize kClientSize{11880, 3195};
inline constexpr int kPictureMargin = 10000;  // how much larger than the window the picture is

}  // namespace

frmDetails::frmDetails(std::shared_ptr<const clsTruthTable> comparisonTable, Session& session,
                       QWidget* parent)
    : PictureWindow(QStringLiteral("Evaluation Details"), parent),
      comparisonTable_(std::move(comparisonTable)) {
    setObjectName(QStringLiteral("frmDetails"));
    resize(ui::ToPixels(kClientSize, *this));
    picBox->GrowTo({kClientSize.width + kPictureMargin, kClientSize.height + kPictureMargin});
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
    const std::vector<CaseText> cases = DescribeFailingCases(*comparisonTable_, session);
    const ui::TwipSize needed = DrawDetails(*picBox, cases);
    FitToDrawing(needed);
    std::vector<std::string> lines;
    for (const ui::TextRun& run : picBox->textRuns()) lines.push_back(run.text);
    DescribePicture(QStringLiteral("Evaluation details"), lines);
}

}  // namespace deducto

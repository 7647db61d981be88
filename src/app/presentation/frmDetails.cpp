// frmDetails: a picture well beyond the window, so that many cases can be listed.
#include "presentation/frmDetails.h"

#include <QAction>

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
    // Long cases differ in their last words: the picture grows to the widest line, so that
    // dragging reaches the end of every one.
    ui::TwipSize needed = DrawDetails(*picBox, cases, &caseTops_);
    if (!cases.empty()) {
        // One line's gap under the last line drawn (a case or the line saying there are more).
        const int hintY = needed.height - 400;
        picBox->GrowTo({picBox->Size().width, hintY + 300});
        picBox->PrintAt(400, hintY, kDetailsWorldHint);
        needed.width = std::max(needed.width, 400 + picBox->TextWidth(kDetailsWorldHint) + 300);
        needed.height = std::max(needed.height, hintY + 600);
    }
    FitToDrawing(needed);
    std::vector<std::string> lines;
    for (const ui::TextRun& run : picBox->textRuns()) lines.push_back(run.text);
    DescribePicture(QStringLiteral("Evaluation details"), lines);

    // The world of a case is reached without a control over the drawing: by double-clicking
    // the case, from the picture's menu, or by W (the case last clicked, else the first).
    connect(picBox, &ui::PictureBox::doubleClicked, this,
            [this](QPoint at) { ShowWorld(CaseAt(at)); });
    connect(picBox, &ui::PictureBox::mousePressed, this, [this](QPoint at) { lastPress_ = at; });
    lastPress_ = QPoint(0, 0);

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
    auto* showWorld = new QAction(QStringLiteral("Show &World"), this);
    showWorld->setObjectName(QStringLiteral("mnuShowWorld"));
    showWorld->setShortcut(QKeySequence(Qt::Key_W));
    showWorld->setShortcutContext(Qt::WindowShortcut);
    showWorld->setEnabled(!cases.empty());
    connect(showWorld, &QAction::triggered, this, [this] { ShowWorld(CaseAt(lastPress_)); });
    addAction(showWorld);
    picBox->addAction(showWorld);
}

int frmDetails::CaseAt(QPoint at) const {
    const int y = ui::ToTwips(at.y(), ui::DpiOf(*this).y);
    int index = 0;
    for (int i = 0; i < static_cast<int>(caseTops_.size()); ++i) {
        if (caseTops_[static_cast<size_t>(i)] <= y) index = i;
    }
    return index;
}

void frmDetails::ShowWorld(int index) {
    if (caseTops_.empty()) return;
    auto* window = new frmWorld(comparisonTable_, session_, this, index);
    window->PlaceAtPointer();
    window->ShowWindow(true);
}

}  // namespace deducto

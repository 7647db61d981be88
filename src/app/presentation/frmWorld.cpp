#include "presentation/frmWorld.h"

#include <QPushButton>

#include "presentation/DrawWorld.h"
#include "truthtable/WorldEvaluation.h"
#include "truthtable/clsTruthTable.h"

namespace deducto {
namespace {

inline constexpr int kButtonsHeight = 500;  // the strip the buttons take above the drawing
inline constexpr ui::TwipSize kPictureSize{30000, 12000};
inline constexpr int kMessageLeft = 200;  // where the drawing's text starts

}  // namespace

// The two buttons over the picture, which takes the window's own background.
void frmWorld::LayOut() {
    setObjectName(QStringLiteral("frmWorld"));
    cmdPrevious->setObjectName(QStringLiteral("cmdPrevious"));
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    ui::SetTwipGeometry(*cmdPrevious, {100, 60, 1000, 360});
    ui::SetTwipGeometry(*cmdNext, {1150, 60, 1000, 360});
    picBox->GrowTo(kPictureSize);
    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
}

frmWorld::frmWorld(std::shared_ptr<const clsTruthTable> comparisonTable, const Session& session,
                   QWidget* parent, int firstCase)
    : PictureWindow(QStringLiteral("World"), parent),
      comparisonTable_(std::move(comparisonTable)),
      lines_(session.lines),
      terms_(session.lexicon.Terms),
      cmdPrevious(new QPushButton(QStringLiteral("Previous"), this)),
      cmdNext(new QPushButton(QStringLiteral("Next"), this)) {
    LayOut();
    connect(cmdPrevious, &QPushButton::clicked, this, &frmWorld::cmdPrevious_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmWorld::cmdNext_Click);

    for (int k = 0; k < kLineCount; ++k)
        formulas_[k] = {lines_[k].PolishStr, lines_[k].table.get()};
    cases_ = static_cast<int>(FailingRows(*comparisonTable_).size());
    ShowCase(firstCase);
}

frmWorld::frmWorld(World world, const Session& session, QWidget* parent)
    : PictureWindow(QStringLiteral("World"), parent),
      lines_(session.lines),
      terms_(session.lexicon.Terms),
      cases_(1),
      world_(std::move(world)),
      cmdPrevious(new QPushButton(QStringLiteral("Previous"), this)),
      cmdNext(new QPushButton(QStringLiteral("Next"), this)) {
    LayOut();
    cmdPrevious->setEnabled(false);
    cmdNext->setEnabled(false);
    WorldPicture picture;
    picture.world = &*world_;
    picture.terms = &terms_;
    for (const int k : kReadingOrder) {
        if (!lines_[k].table) continue;
        const char value = EvaluateInWorld(lines_[k].PolishStr, world_->mode, *world_);
        picture.lines.push_back({k, lines_[k].tokens, value});
    }
    FitToDrawing(DrawWorld(*picBox, picture, kButtonsHeight + 100));
    cmdPrevious->raise();
    cmdNext->raise();
}

void frmWorld::ShowCase(int index) {
    index_ = std::clamp(index, 0, std::max(0, caseCount() - 1));
    cmdPrevious->setEnabled(index_ > 0);
    cmdNext->setEnabled(index_ + 1 < caseCount());
    picBox->Cls();
    world_.reset();
    if (caseCount() == 0) return;
    FailingWorldResult failing = FailingWorld(formulas_, *comparisonTable_, index_);
    if (!failing.status.ok()) {
        picBox->ForeColor = ui::kRed;
        picBox->PrintAt(kMessageLeft, kButtonsHeight + 100, failing.status.message);
        picBox->ForeColor = ui::kBlack;
        return;
    }
    if (!failing.world) return;
    world_ = std::move(failing.world);
    WorldPicture picture;
    picture.world = &*world_;
    picture.terms = &terms_;
    picture.caseNumber = index_ + 1;
    picture.cases = caseCount();
    for (const int k : kReadingOrder) {
        if (lines_[k].table) picture.lines.push_back({k, lines_[k].tokens, failing.values[k]});
    }
    const ui::TwipSize needed = DrawWorld(*picBox, picture, kButtonsHeight + 100);
    if (!isVisible()) FitToDrawing(needed);
    cmdPrevious->raise();
    cmdNext->raise();
}

void frmWorld::cmdPrevious_Click() { ShowCase(index_ - 1); }

void frmWorld::cmdNext_Click() { ShowCase(index_ + 1); }

}  // namespace deducto

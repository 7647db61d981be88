#include "presentation/frmTree.h"

#include <QAction>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

#include "Progress.h"
#include "presentation/TableExportActions.h"
#include "presentation/frmWorld.h"
#include "tree/TreeExport.h"

namespace deducto {
namespace {

constexpr int kButtonsHeight = 500;  // the strip the buttons take above the drawing
constexpr int kButtonsWidth = 4800;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

}  // namespace

frmTree::frmTree(TreeInput input, Session& session, WindowPrompts& prompts, QWidget* parent)
    : PictureWindow(QStringLiteral("Truth Tree"), parent),
      cmdStep(new QPushButton(QStringLiteral("&Step"), this)),
      cmdBack(new QPushButton(QStringLiteral("&Back"), this)),
      cmdFinish(new QPushButton(QStringLiteral("&Finish"), this)),
      cmdShowWorld(new QPushButton(QStringLiteral("Show &World"), this)),
      input_(std::move(input)),
      session_(session) {
    setObjectName(QStringLiteral("frmTree"));
    cmdStep->setObjectName(QStringLiteral("cmdStep"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdFinish->setObjectName(QStringLiteral("cmdFinish"));
    cmdShowWorld->setObjectName(QStringLiteral("cmdShowWorld"));
    ui::SetTwipGeometry(*cmdStep, {100, 60, 900, 360});
    ui::SetTwipGeometry(*cmdBack, {1050, 60, 900, 360});
    ui::SetTwipGeometry(*cmdFinish, {2000, 60, 900, 360});
    ui::SetTwipGeometry(*cmdShowWorld, {3050, 60, 1200, 360});
    connect(cmdStep, &QPushButton::clicked, this, &frmTree::cmdStep_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmTree::cmdBack_Click);
    connect(cmdFinish, &QPushButton::clicked, this, &frmTree::cmdFinish_Click);
    connect(cmdShowWorld, &QPushButton::clicked, this, &frmTree::cmdShowWorld_Click);
    const auto key = [this](const char* name, QKeySequence keys, void (frmTree::*slot)()) {
        auto* action = new QAction(QString::fromLatin1(name), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    key("keyStep", Qt::Key_Right, &frmTree::cmdStep_Click);
    key("keyBack", Qt::Key_Left, &frmTree::cmdBack_Click);
    key("keyFinish", Qt::Key_End, &frmTree::cmdFinish_Click);

    const QColor background = palette().color(QPalette::Window);
    picBox->SetBackColor({background.red(), background.green(), background.blue()});
    connect(picBox, &ui::PictureBox::mousePressed, this, [this](QPoint at) {
        if (ChooseBranchAt(ui::ToTwips(at, ui::DpiOf(*this)))) Redraw();
    });
    AddTableExport(
        *this, *picBox,
        [this](TableFormat format) {
            return format == TableFormat::Latex ? TreeLatex(*tree_) : Joined(TreeText(*tree_));
        },
        session.prompts(), prompts);
    auto* print = new QAction(QStringLiteral("Print..."), this);
    print->setObjectName(QStringLiteral("mnuPrintTree"));
    connect(print, &QAction::triggered, this, &frmTree::PrintPicture);
    picBox->addAction(print);

    Build(-1);
    resize(ui::ToPixels(ui::TwipSize{8000, 5000}, *this));
    Redraw();
    // Wide enough for the buttons, however small the tree.
    const ui::TwipSize drawn = picBox->Size();
    FitToDrawing({std::max(drawn.width, kButtonsWidth), drawn.height});
}

void frmTree::Build(int steps) {
    tree_ = std::make_unique<TruthTree>(input_);
    if (steps < 0) {
        Computation computation;
        (void)tree_->Finish(computation);  // a limit leaves its message in the tree
    } else {
        while (tree_->steps() < steps && tree_->Step()) {
        }
        tree_->Settle();
    }
    selected_ = 0;
    for (const TreeBranch& branch : tree_->Branches()) {
        if (branch.world) {
            selected_ = branch.leaf;
            break;
        }
    }
}

void frmTree::Redraw() {
    picBox->Cls();
    spots_.clear();
    const ui::TwipSize needed = DrawTree(*picBox, *tree_, kButtonsHeight, selected_, &spots_);
    picBox->GrowTo(needed);
    DescribePicture(QStringLiteral("Truth tree"), TreeText(*tree_));
    const bool limited = !tree_->limitMessage().empty();
    cmdStep->setEnabled(!tree_->finished() && !limited);
    cmdFinish->setEnabled(!tree_->finished() && !limited);
    cmdBack->setEnabled(tree_->steps() > 0 && !limited);
    cmdShowWorld->setEnabled(selected_ != 0);
    for (QPushButton* button : {cmdStep, cmdBack, cmdFinish, cmdShowWorld}) button->raise();
}

bool frmTree::ChooseBranchAt(ui::TwipPoint at) {
    for (const LeafSpot& spot : spots_) {
        const ui::TwipRect& r = spot.rect;
        if (at.x < r.left || at.x > r.left + r.width || at.y < r.top || at.y > r.top + r.height) {
            continue;
        }
        for (const TreeBranch& branch : tree_->Branches()) {
            if (branch.leaf == spot.leaf && branch.world) {
                selected_ = spot.leaf;
                return true;
            }
        }
    }
    return false;
}

void frmTree::cmdStep_Click() {
    if (tree_->finished() || !tree_->limitMessage().empty()) return;
    const int leafBefore = selected_;
    (void)tree_->Step();
    tree_->Settle();
    selected_ = leafBefore;
    bool stillOpen = false;
    for (const TreeBranch& branch : tree_->Branches()) {
        if (branch.world && branch.leaf == selected_) stillOpen = true;
    }
    if (!stillOpen) {
        selected_ = 0;
        for (const TreeBranch& branch : tree_->Branches()) {
            if (branch.world) {
                selected_ = branch.leaf;
                break;
            }
        }
    }
    Redraw();
}

void frmTree::cmdBack_Click() {
    if (tree_->steps() == 0) return;
    Build(tree_->steps() - 1);
    Redraw();
}

void frmTree::cmdFinish_Click() {
    Build(-1);
    Redraw();
}

void frmTree::cmdShowWorld_Click() {
    for (const TreeBranch& branch : tree_->Branches()) {
        if (branch.leaf != selected_ || !branch.world) continue;
        auto* window = new frmWorld(*branch.world, session_, this);
        window->PlaceAtPointer();
        window->ShowWindow(false);
        return;
    }
}

void frmTree::PrintPicture() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QPixmap picture = picBox->grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
}

}  // namespace deducto

// frmLanguageTerms: the columns, the pools of boxes and labels, and the scroll bars.
#include "natural/frmLanguageTerms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "natural/LanguageTermsModel.h"
#include "natural/TermTextBox.h"
#include "ui/Fonts.h"

namespace deducto {
namespace {

inline constexpr ui::TwipSize kClientSize{11880, 4305};
inline constexpr int kQueryRowTop = 1440;
inline constexpr int kPlainRowTop = 1120;  // without a query line everything moves up 320
inline constexpr int kQueryShift = kQueryRowTop - kPlainRowTop;
inline constexpr int kBarThickness = 255;
inline constexpr int kBoxWidth = 1935;
inline constexpr int kNegativeBoxWidth = 2200;
inline constexpr int kBoxHeight = 285;
inline constexpr int kRowStep = 280;
inline constexpr int kButtonGap = 50;     // between a column's last row and its add button
inline constexpr int kRoomBelow = 1500;   // canvas kept below the lowest add button
inline constexpr int kPreparedBoxes = 5;  // boxes and labels made before any is needed
inline constexpr int kPreparedLabels = 3;

struct ColumnLayout {
    const char* heading;
    const char* headingName;
    ui::TwipRect headingPlace;  // with a query line
    const char* button;
    const char* buttonName;
    int buttonLeft;
    int buttonWidth;
    int termHeight;  // from one term's first row to the next term's
};

constexpr std::array<ColumnLayout, 4> kColumnLayouts{{
    {"ADJECTIVES / COMPLEMENTS",
     "lblAdjectives",
     {600, 960, 1575, 375},
     "Add &Adjective",
     "cmdAddAdjective",
     480,
     1215,
     640},
    {"SPECIFIC NOUNS",
     "lblSpecificNouns",
     {2400, 1150, 1695, 255},
     "Add &Specific Noun",
     "cmdAddSpecific",
     2280,
     1695,
     360},
    {"CLASS NOUNS / COMPLEMENTS",
     "lblClassNouns",
     {4680, 960, 1575, 375},
     "Add &Class Noun",
     "cmdAddClass",
     4560,
     1695,
     1200},
    {"- - - - - - - - - - - - - - - - PREDICATES - - - - - - - - - - - - - -",
     "lblPredicates",
     {6960, 1150, 4935, 255},
     "Add &Predicate",
     "cmdAddPredicate",
     7320,
     1215,
     640},
}};

constexpr std::array<TermKind, 4> kColumnKinds{TermKind::Adjective, TermKind::SpecificNoun,
                                               TermKind::ClassNoun, TermKind::Predicate};

int ColumnOf(TermKind kind) {
    return static_cast<int>(std::find(kColumnKinds.begin(), kColumnKinds.end(), kind) -
                            kColumnKinds.begin());
}

struct FormPlace {
    ui::TwipRect box;
    int labelLeft;  // 0: no label
};

// Form f of a term of `kind` whose first row is at `top`.
FormPlace PlaceOfForm(TermKind kind, int f, int top, bool added) {
    switch (kind) {
        case TermKind::Adjective:
            return {{120, top + kRowStep * f, kBoxWidth, kBoxHeight}, 0};
        case TermKind::SpecificNoun:
            return {{2160, top, kBoxWidth, kBoxHeight}, 0};
        case TermKind::ClassNoun:
            return {{4440, top + kRowStep * f, kBoxWidth, kBoxHeight}, 4200};
        case TermKind::Predicate:
            break;
    }
    // Affirmative singular, negative singular, affirmative plural, negative plural.
    const bool negative = f % 2 == 1;
    const int row = top + kRowStep * (f / 2);
    if (negative) return {{9600, row, kNegativeBoxWidth, kBoxHeight}, 9000};
    return {{6960, row, kBoxWidth, kBoxHeight}, added ? 6450 : 6480};
}

QFont WindowFont(const QWidget& on, bool bold) {
    return ui::MapFont(ui::FontSpec{ui::kSansSerif, ui::kDefaultFontSize, bold, false},
                       ui::DpiOf(on).y);
}

// A scroll bar's steps: a sixteenth and a quarter of its range, at least one twip.
void SetSteps(QScrollBar* bar, int max) {
    bar->setRange(0, std::max(0, max));
    bar->setSingleStep(std::abs(max / 16) + 1);
    bar->setPageStep(std::abs(max / 4) + 1);
}

}  // namespace

frmLanguageTerms::frmLanguageTerms(LanguageTermsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("frmLanguageTerms"));
    setWindowTitle(QStringLiteral("Language Terms"));
    setFont(WindowFont(*this, false));
    resize(ui::ToPixels(kClientSize, *this));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    cmdUpdate = new QPushButton(QStringLiteral("&Update"), Picture1);
    cmdUpdate->setObjectName(QStringLiteral("cmdUpdate"));
    ui::SetTwipGeometry(*cmdUpdate, {120, 120, 1095, 375});
    cmdUpdate->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), Picture1);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    ui::SetTwipGeometry(*cmdCancel, {1560, 120, 1095, 375});
    lblQuery = new QLabel(Picture1);
    lblQuery->setObjectName(QStringLiteral("lblQuery"));
    ui::SetTwipGeometry(*lblQuery, {105, 600, 11415, 255});
    for (int c = 0; c < kColumns; ++c) {
        const ColumnLayout& layout = kColumnLayouts[static_cast<size_t>(c)];
        heading_[c] = new QLabel(QString::fromLatin1(layout.heading), Picture1);
        heading_[c]->setObjectName(QString::fromLatin1(layout.headingName));
        heading_[c]->setFont(WindowFont(*this, true));
        heading_[c]->setWordWrap(true);
        heading_[c]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        cmdAdd_[c] = new QPushButton(QString::fromLatin1(layout.button), Picture1);
        cmdAdd_[c]->setObjectName(QString::fromLatin1(layout.buttonName));
        cmdAdd_[c]->setAutoDefault(false);
        const TermKind kind = kColumnKinds[static_cast<size_t>(c)];
        connect(cmdAdd_[c], &QPushButton::clicked, this, [this, kind] { cmdAdd_Click(kind); });
    }
    cmdCancel->setAutoDefault(false);
    for (int i = 0; i < kPreparedBoxes; ++i) AddTermBox(i)->hide();
    for (int k = 0; k < kPreparedLabels; ++k) AddFormLabel(k)->hide();

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    HScroll1->hide();
    VScroll1->hide();
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmLanguageTerms::MoveCanvas);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmLanguageTerms::MoveCanvas);
    connect(cmdUpdate, &QPushButton::clicked, this, &frmLanguageTerms::cmdUpdate_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLanguageTerms::cmdCancel_Click);
    // A control that takes the focus (Tab, an add) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { ScrollTo(now); });

    Form_Load();
}

void frmLanguageTerms::Form_Load() {
    const bool query = !model_.TermQuery().empty();
    lblQuery->setText(QString::fromStdString(model_.TermQuery()));
    lblQuery->setVisible(query);
    const int shift = query ? 0 : kQueryShift;
    for (int c = 0; c < kColumns; ++c) {
        ui::TwipRect place = kColumnLayouts[static_cast<size_t>(c)].headingPlace;
        place.top -= shift;
        ui::SetTwipGeometry(*heading_[c], place);
    }
    nextRowTop_.fill(query ? kQueryRowTop : kPlainRowTop);
    loadedTerms_ = model_.termCount();
    // The model lists the terms column by column, so each column's terms are consecutive
    // and in entry order.
    for (int t = 0; t < model_.termCount(); ++t) LayOutTerm(t);
    for (int c = 0; c < kColumns; ++c) PlaceAddButton(static_cast<Column>(c));
    UpdateAddButtons();
    Picture1->setGeometry(
        ui::ToPixels(ui::TwipRect{0, 0, kTermsContentWidth, contentHeight_}, *this));
    SetTabOrder();
}

void frmLanguageTerms::LayOutTerm(int t) {
    const TermKind kind = model_.termKind(t);
    const int column = ColumnOf(kind);
    const int top = nextRowTop_[static_cast<size_t>(column)];
    nextRowTop_[static_cast<size_t>(column)] +=
        kColumnLayouts[static_cast<size_t>(column)].termHeight;
    const int first = model_.firstBox(t);
    for (int f = 0; f < FormCount(kind); ++f) {
        const int i = first + f;
        const FormPlace place = PlaceOfForm(kind, f, top, t >= loadedTerms_);
        TermTextBox* box = AddTermBox(i);
        ui::SetTwipGeometry(*box, place.box);
        box->Show(model_.box(i).text);
        box->show();
        if (place.labelLeft == 0) continue;
        QLabel* label = AddFormLabel(labelsUsed_++);
        label->setText(QString::fromStdString(model_.box(i).label));
        ui::SetTwipGeometry(*label, {place.labelLeft, place.box.top, 615, 255});
        label->show();
        label->lower();  // under its box, which it overlaps
    }
}

TermTextBox* frmLanguageTerms::AddTermBox(int i) {
    while (static_cast<int>(txtValue_.size()) <= i) {
        const int k = static_cast<int>(txtValue_.size());
        auto* box = new TermTextBox(Picture1);
        box->setObjectName(QStringLiteral("txtValue%1").arg(k));
        connect(box, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { txtValue_Change(k, text); });
        connect(box, &ui::LineEdit::lostFocus, this, [this, k] { txtValue_LostFocus(k); });
        txtValue_.push_back(box);
    }
    return txtValue_[static_cast<size_t>(i)];
}

QLabel* frmLanguageTerms::AddFormLabel(int k) {
    while (static_cast<int>(lblVar_.size()) <= k) {
        auto* label = new QLabel(Picture1);
        label->setObjectName(QStringLiteral("lblVar%1").arg(lblVar_.size()));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        lblVar_.push_back(label);
    }
    return lblVar_[static_cast<size_t>(k)];
}

void frmLanguageTerms::PlaceAddButton(Column column) {
    const ColumnLayout& layout = kColumnLayouts[static_cast<size_t>(column)];
    const int top = nextRowTop_[static_cast<size_t>(column)] + kButtonGap;
    ui::SetTwipGeometry(*cmdAdd_[column], {layout.buttonLeft, top, layout.buttonWidth, 375});
    // The canvas only grows: a shorter column never hides the rows of a longer one.
    contentHeight_ = std::max(contentHeight_, top + kRoomBelow);
}

void frmLanguageTerms::UpdateAddButtons() {
    for (int c = 0; c < kColumns; ++c) {
        cmdAdd_[c]->setEnabled(model_.AddEnabled(kColumnKinds[static_cast<size_t>(c)]));
    }
}

void frmLanguageTerms::SetTabOrder() {
    std::vector<QWidget*> order{cmdUpdate, cmdCancel};
    for (int i = 0; i < model_.boxCount(); ++i) order.push_back(txtValue_[static_cast<size_t>(i)]);
    for (QPushButton* button : cmdAdd_) order.push_back(button);
    for (size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void frmLanguageTerms::cmdAdd_Click(TermKind kind) {
    const std::optional<int> first = model_.AddTerm(kind);
    if (!first) return;
    LayOutTerm(model_.termCount() - 1);
    PlaceAddButton(static_cast<Column>(ColumnOf(kind)));
    UpdateAddButtons();
    SetTabOrder();
    const ui::TwipSize canvas = canvasSize();
    if (canvas.height < contentHeight_) {
        Picture1->resize(ui::ToPixels(ui::TwipSize{canvas.width, contentHeight_}, *this));
        CheckScrollBars();
    }
    txtValue_[static_cast<size_t>(*first)]->setFocus(Qt::OtherFocusReason);
}

void frmLanguageTerms::txtValue_Change(int i, const QString& text) {
    model_.txtValue_Change(i, text.toStdString());
    txtValue_[static_cast<size_t>(i)]->Show(model_.box(i).text);
}

void frmLanguageTerms::txtValue_LostFocus(int i) {
    model_.txtValue_LostFocus(i);
    RefreshTerm(i);
}

void frmLanguageTerms::RefreshTerm(int i) {
    const int term = model_.box(i).term;
    const int first = model_.firstBox(term);
    for (int f = 0; f < FormCount(model_.termKind(term)); ++f) {
        txtValue_[static_cast<size_t>(first + f)]->Show(model_.box(first + f).text);
    }
}

void frmLanguageTerms::cmdUpdate_Click() {
    const bool closes = model_.cmdUpdate_Click();
    // The check writes every text back with its spacing tidied, accepted or not.
    for (int i = 0; i < model_.boxCount(); ++i) {
        txtValue_[static_cast<size_t>(i)]->Show(model_.box(i).text);
    }
    if (closes) accept();
}

void frmLanguageTerms::cmdCancel_Click() {
    if (model_.cmdCancel_Click()) reject();
}

bool frmLanguageTerms::Run() {
    exec();
    return model_.TermsAccepted();
}

void frmLanguageTerms::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) Form_Activate();
}

void frmLanguageTerms::Form_Activate() {
    activated_ = true;
    if (model_.boxCount() > 0) txtValue_[0]->setFocus(Qt::OtherFocusReason);
    CheckScrollBars();
}

void frmLanguageTerms::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    CheckScrollBars();
}

void frmLanguageTerms::closeEvent(QCloseEvent* event) {
    // The close box discards the table without asking.
    model_.Close();
    QDialog::closeEvent(event);
}

void frmLanguageTerms::keyPressEvent(QKeyEvent* event) {
    // Escape answers as Cancel does, with its question: edits are not lost by a slip.
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmLanguageTerms::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = VScroll1->isVisible() ? VScroll1 : HScroll1;
    if (!bar->isVisible()) return QDialog::wheelEvent(event);
    QApplication::sendEvent(bar, event);
}

ui::TwipSize frmLanguageTerms::canvasSize() const { return ui::ToTwips(Picture1->size(), *this); }

void frmLanguageTerms::CheckScrollBars() { PositionScrollBars(); }

void frmLanguageTerms::PositionScrollBars() {
    const ui::TwipSize inner = ui::ToTwips(size(), *this);
    const ui::TwipSize canvas = canvasSize();
    const int W = inner.width;
    const int H = inner.height;
    int hTop = canvas.width > W ? H - kBarThickness : H;
    int vLeft = W;
    if (canvas.height > hTop) {
        vLeft = W - kBarThickness;
        if (canvas.width > vLeft) hTop = H - kBarThickness;
    }
    // A bar is on show exactly when the canvas reaches under it, so every part of the
    // canvas can be scrolled to.
    HScroll1->setVisible(hTop < H);
    VScroll1->setVisible(vLeft < W);
    ui::SetTwipGeometry(*HScroll1, {0, hTop, W, kBarThickness});
    ui::SetTwipGeometry(*VScroll1, {vLeft, 0, kBarThickness, hTop > 0 ? hTop : H});
    SetSteps(HScroll1, HScroll1->isVisible() ? canvas.width - vLeft : 0);
    SetSteps(VScroll1, VScroll1->isVisible() ? canvas.height - hTop : 0);
    HScroll1->raise();
    VScroll1->raise();
    MoveCanvas();
}

void frmLanguageTerms::MoveCanvas() {
    Picture1->move(ui::ToPixels(ui::TwipPoint{-HScroll1->value(), -VScroll1->value()}, *this));
}

void frmLanguageTerms::ScrollTo(QWidget* control) {
    if (control == nullptr || !Picture1->isAncestorOf(control)) return;
    // Where the control stands on the canvas.
    const ui::TwipPoint at = ui::ToTwips(control->pos(), *this);
    const ui::TwipSize extent = ui::ToTwips(control->size(), *this);
    const ui::TwipSize inner = ui::ToTwips(size(), *this);
    const int viewWidth = VScroll1->isVisible() ? inner.width - kBarThickness : inner.width;
    const int viewHeight = HScroll1->isVisible() ? inner.height - kBarThickness : inner.height;
    const auto follow = [](QScrollBar* bar, int start, int length, int view) {
        if (!bar->isVisible()) return;
        if (start < bar->value()) {
            bar->setValue(start);
        } else if (start + length > bar->value() + view) {
            bar->setValue(start + length - view);
        }
    };
    follow(HScroll1, at.x, extent.width, viewWidth);
    follow(VScroll1, at.y, extent.height, viewHeight);
}

bool ShowLanguageTermsWindow(LanguageTermsModel& model) {
    frmLanguageTerms window(model, QApplication::activeWindow());
    return window.Run();
}

}  // namespace deducto

// frmCheckTerms: the controls at their places, bound to the model.
#include "natural/frmCheckTerms.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "natural/CheckTermsModel.h"
#include "natural/TermTextBox.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace deducto {
namespace {

inline constexpr ui::TwipSize kClientSize{9930, 3600};

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const ui::TwipRect& at) {
    widget->setObjectName(QString::fromLatin1(name));
    ui::SetTwipGeometry(*widget, at);
    return widget;
}

QFont DialogFont(const QWidget& on, bool bold, bool underline) {
    return ui::MapFont(ui::FontSpec{ui::kSansSerif, ui::kDefaultFontSize, bold, underline},
                       ui::DpiOf(on).y);
}

}  // namespace

frmCheckTerms::frmCheckTerms(CheckTermsModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("frmCheckTerms"));
    setWindowTitle(QStringLiteral("Check Language Terms"));
    setFont(DialogFont(*this, false, false));
    setFixedSize(ui::ToPixels(kClientSize, *this));

    lblQueryMessage = Place(new QLabel(this), "lblQueryMessage", {0, 240, 5295, 255});
    lblQueryMessage->setFont(DialogFont(*this, true, false));
    lblTerm = Place(new QLabel(this), "lblTerm", {120, 960, 4695, 255});
    lblTerm->setFont(DialogFont(*this, false, true));
    chkTerm_[0] = Place(new QCheckBox(this), "chkTerm1", {120, 1440, 1935, 315});
    chkTerm_[1] = Place(new QCheckBox(this), "chkTerm2", {2160, 1440, 1695, 255});
    for (int i = 0; i < 3; ++i) {
        const int top = 1440 + 480 * i;
        const std::string k = std::to_string(i + 1);
        lblAltTerm_[i] =
            Place(new QLabel(this), ("lblAltTerm" + k).c_str(), {3960, top, 1815, 255});
        lblAltTerm_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtAltTerm_[i] =
            Place(new TermTextBox(this), ("txtAltTerm" + k).c_str(), {5880, top, 3975, 375});
    }
    cmdOK = Place(new QPushButton(QStringLiteral("OK"), this), "cmdOK", {5880, 3000, 1215, 375});
    cmdCancel = Place(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel",
                      {7680, 3000, 1215, 375});
    cmdOK->setDefault(true);
    // Only OK answers Enter, wherever the focus is.
    cmdCancel->setAutoDefault(false);

    for (int i = 0; i < 2; ++i) {
        connect(chkTerm_[i], &QCheckBox::clicked, this,
                [this, i](bool ticked) { chkTerm_Click(i, ticked); });
    }
    for (int i = 0; i < 3; ++i) {
        connect(txtAltTerm_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { txtAltTerm_Change(i, text); });
        connect(txtAltTerm_[i], &ui::LineEdit::lostFocus, this,
                [this, i] { txtAltTerm_LostFocus(i); });
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmCheckTerms::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCheckTerms::cmdCancel_Click);

    lblQueryMessage->setText(QString::fromStdString(model_.lblQueryMessage()));
    lblTerm->setText(QString::fromStdString(model_.lblTerm()));
    Refresh();
    (void)model_.TakeFocusRequest();  // the load itself moves no focus
}

bool frmCheckTerms::Run() {
    exec();
    return model_.TermsAccepted();
}

void frmCheckTerms::Refresh() {
    for (int i = 0; i < 2; ++i) {
        chkTerm_[i]->setText(QString::fromStdString(model_.chkCaption(i)));
        chkTerm_[i]->setChecked(model_.chkValue(i));
    }
    for (int i = 0; i < 3; ++i) {
        lblAltTerm_[i]->setText(QString::fromStdString(model_.lblAltTerm(i)));
        lblAltTerm_[i]->setVisible(model_.formVisible(i));
        txtAltTerm_[i]->setVisible(model_.formVisible(i));
        txtAltTerm_[i]->Show(model_.txtAltTerm(i));
    }
    if (const std::optional<int> focus = model_.TakeFocusRequest()) {
        txtAltTerm_[*focus]->setFocus(Qt::OtherFocusReason);
    }
}

void frmCheckTerms::chkTerm_Click(int i, bool ticked) {
    model_.chkTerm_Click(i, ticked);
    Refresh();
}

void frmCheckTerms::txtAltTerm_Change(int i, const QString& text) {
    model_.txtAltTerm_Change(i, text.toStdString());
    Refresh();
}

void frmCheckTerms::txtAltTerm_LostFocus(int i) {
    model_.txtAltTerm_LostFocus(i);
    Refresh();
}

void frmCheckTerms::cmdOK_Click() {
    const bool closes = model_.cmdOK_Click();
    Refresh();  // OK tidies the spacing of the forms even when it refuses them
    if (closes) accept();
}

void frmCheckTerms::cmdCancel_Click() {
    model_.cmdCancel_Click();
    reject();
}

void frmCheckTerms::keyPressEvent(QKeyEvent* event) {
    // Escape answers as Cancel does.
    if (event->key() == Qt::Key_Escape) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool ShowCheckTermsDialog(CheckTermsModel& model) {
    frmCheckTerms dialog(model, QApplication::activeWindow());
    return dialog.Run();
}

}  // namespace deducto

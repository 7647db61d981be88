// The "Check Language Terms" dialog: asks whether one new word is an adjective or a plural
// class noun, shows the forms derived for the kind ticked and lets the user correct them.
// Every rule lives in CheckTermsModel; the dialog shows the model and passes the user's
// actions on to it.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace deducto {

class CheckTermsModel;
class TermTextBox;

class frmCheckTerms : public QDialog {
    Q_OBJECT
public:
    frmCheckTerms(CheckTermsModel& model, QWidget* parent = nullptr);

    // Shows the dialog modally; true when the term was recorded.
    bool Run();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void chkTerm_Click(int i, bool ticked);
    void txtAltTerm_Change(int i, const QString& text);
    void txtAltTerm_LostFocus(int i);
    void cmdOK_Click();
    void cmdCancel_Click();
    // Brings every control up to the model.
    void Refresh();

    CheckTermsModel& model_;
    QLabel* lblQueryMessage;
    QLabel* lblTerm;
    std::array<QCheckBox*, 2> chkTerm_{};
    std::array<QLabel*, 3> lblAltTerm_{};
    std::array<TermTextBox*, 3> txtAltTerm_{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// Opens the dialog for `model` over the active window.
bool ShowCheckTermsDialog(CheckTermsModel& model);

}  // namespace deducto

// The "Language Terms" window: the whole lexicon as a table of text boxes in four columns
// (adjectives, specific nouns, class nouns, predicates), one box per form, with a button per
// column that adds a term, and Update or Cancel. The table lies on a canvas that two scroll
// bars move when the window is smaller than the table. Every rule lives in
// LanguageTermsModel; the window places the model's boxes and passes the user's actions on.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "natural/modLangTerms.h"
#include "ui/Twips.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace deducto {

class LanguageTermsModel;
class TermTextBox;

inline constexpr int kTermsContentWidth = 12000;
inline constexpr int kTermsMinContentHeight = 4710;

class frmLanguageTerms : public QDialog {
    Q_OBJECT
public:
    frmLanguageTerms(LanguageTermsModel& model, QWidget* parent = nullptr);

    // Shows the window modally; true when the table was accepted.
    bool Run();

    [[nodiscard]] int contentHeight() const { return contentHeight_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    enum Column { kAdjectives, kSpecificNouns, kClassNouns, kPredicates, kColumns };

    void Form_Load();
    void Form_Activate();
    // Places the boxes and labels of table term t at the next free row of its column.
    void LayOutTerm(int t);
    TermTextBox* AddTermBox(int i);
    QLabel* AddFormLabel(int k);
    void PlaceAddButton(Column column);
    void UpdateAddButtons();
    void SetTabOrder();
    void cmdAdd_Click(TermKind kind);
    void txtValue_Change(int i, const QString& text);
    void txtValue_LostFocus(int i);
    // Shows the model's texts of every box of the term that box i belongs to.
    void RefreshTerm(int i);
    void cmdUpdate_Click();
    void cmdCancel_Click();
    void CheckScrollBars();
    void PositionScrollBars();
    void ScrollTo(QWidget* control);
    void MoveCanvas();
    [[nodiscard]] ui::TwipSize canvasSize() const;

    LanguageTermsModel& model_;
    QWidget* Picture1;
    QPushButton* cmdUpdate;
    QPushButton* cmdCancel;
    QLabel* lblQuery;
    std::array<QLabel*, kColumns> heading_{};
    std::array<QPushButton*, kColumns> cmdAdd_{};
    QScrollBar* HScroll1;
    QScrollBar* VScroll1;
    std::vector<TermTextBox*> txtValue_;  // the pool of boxes; box i shows model box i
    std::vector<QLabel*> lblVar_;         // the pool of form labels
    std::array<int, kColumns> nextRowTop_{};
    int loadedTerms_ = 0;  // the terms of the table that were in the lexicon at load
    int labelsUsed_ = 0;
    int contentHeight_ = kTermsMinContentHeight;
    bool activated_ = false;
};

// Opens the window for `model` over the active window.
bool ShowLanguageTermsWindow(LanguageTermsModel& model);

}  // namespace deducto

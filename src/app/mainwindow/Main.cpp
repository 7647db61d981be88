// Main: its controls and menus, start-up, and the four modes.
#include "mainwindow/Main.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "ReadLine.h"
#include "formula/FormulaWords.h"
#include "formula/SymbolInput.h"
#include "reference/SyntaxPanel.h"
#include "truthtable/clsTruthTable.h"
#include "ui/Fonts.h"
#include "ui/LineEdit.h"
#include "ui/PictureBox.h"

namespace deducto {
namespace {

inline constexpr const char* kShowTruthTable = "Show Truth Table";
inline constexpr int kConclusionY = 7800;

// Premise k (1 to 8) sits at this height; the conclusion at kConclusionY.
int LineY(int line) { return line == 0 ? kConclusionY : 1080 + 840 * (line - 1); }

}  // namespace

ui::TwipRect LinePictureRect(int line, bool warningBelow) {
    ui::TwipRect picture = line == 0 ? ui::TwipRect{1320, 8160, 7720, 255}
                                     : ui::TwipRect{1320, LineY(line) + 360, 7575, 255};
    if (warningBelow) picture.height += kWarningRowHeight;
    return picture;
}

namespace {

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, const ui::TwipRect& at, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    ui::SetTwipGeometry(*widget, at);
    return widget;
}

void SetBackground(QWidget* widget, ui::Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A frame drawn as a plain rule with its caption set into the top line, so the rule runs
// above the controls placed near the frame's top instead of through them (some styles draw
// the caption above the rule, pushing the rule down into the frame).
void SetFrameStyle(QGroupBox* frame, ui::Colour colour) {
    const QString back =
        QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
    const QString name = frame->objectName();
    frame->setStyleSheet(
        QStringLiteral("QGroupBox#%1 { background-color: %2; border: 1px solid rgb(160, 160, 160);"
                       " margin-top: 0.5em; }"
                       "QGroupBox#%1::title { subcontrol-origin: margin; left: 6px;"
                       " padding: 0px 2px; background-color: %2; }")
            .arg(name, back));
    // A style sheet stops the window's font from reaching the frame and what it holds.
    const QFont font = frame->parentWidget()->font();
    frame->setFont(font);
    for (QWidget* child : frame->findChildren<QWidget*>()) {
        if (!child->testAttribute(Qt::WA_SetFont)) child->setFont(font);
    }
}

QFont SansSerif(const QWidget& on, double size, bool bold) {
    return ui::MapFont(ui::FontSpec{ui::kSansSerif, size, bold, false}, ui::DpiOf(on).y);
}

// Narrows a button's caption, as little as needed, when the face is wider than the one the
// layout was made for; the button keeps its place and size.
void FitCaption(QPushButton* button) {
    constexpr int kMargin = 10;  // the style's room around a caption, in pixels
    QFont font = button->font();
    for (int stretch = 95; stretch >= 75; stretch -= 5) {
        if (QFontMetrics(font).horizontalAdvance(button->text()) + kMargin <= button->width()) {
            break;
        }
        font.setStretch(stretch);
        button->setFont(font);
    }
}

// The same for an option button, whose mark and its spacing (fixed by the style, whatever
// the layout's scale) share the width with the caption.
void FitCaption(QRadioButton* option) {
    QFont font = option->font();
    for (int stretch = 95; stretch >= 75 && option->sizeHint().width() > option->width();
         stretch -= 5) {
        font.setStretch(stretch);
        option->setFont(font);
    }
}

QAction* MakeAction(QObject* parent, QMenu* menu, const char* name, const char* caption,
                    bool checkable = false) {
    auto* action = new QAction(QString::fromUtf8(caption), parent);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(checkable);
    menu->addAction(action);
    return action;
}

// The line as the mode reads it: pasted or typed symbols become keywords, and the cursor
// stays after what was typed. Qt counts UTF-16 units, the engine characters.
ui::LineEdit::Rewritten ReadSymbols(const QString& text, int cursor, Mode mode) {
    const SymbolReplacement replaced = ReplaceSymbols(text.toStdString(), mode);
    if (!replaced.changed) return {text, cursor};
    const QString shown = QString::fromStdString(replaced.text);
    const auto before = static_cast<int>(text.left(cursor).toUcs4().size());
    const QList<uint> characters = shown.toUcs4();
    const auto after = static_cast<qsizetype>(replaced.MapPosition(before));
    const QString head =
        QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()),
                          std::min(after, characters.size()));
    return {shown, static_cast<int>(head.size())};
}

// How much the window's layout must shrink so that it and its frame fit on `screen`: 1 when
// it fits as designed, never so little that the smallest text becomes unreadable.
double ScaleToFit(const QScreen* screen, const QWidget& window) {
    if (screen == nullptr) return 1.0;
    // The frame's borders, title bar and menu bar around the window.
    constexpr QSize kFrameAllowance(16, 72);
    // The layout's 8-point text stays at least this many pixels high.
    constexpr double kReadablePixels = 9.0;
    const double dpiY = ui::DpiOf(window).y;
    // The tallest the window becomes: with a worked example on show, and the line under the
    // verdict.
    const QSize design =
        ui::ToPixels(ui::TwipSize{std::max(kMainSize.width, kExampleSize.width),
                                  std::max(kMainSize.height, kExampleSize.height) + kWhyHeight},
                     ui::DpiOf(window));
    const QSize room = screen->availableGeometry().size() - kFrameAllowance;
    const double fit = std::min({1.0, static_cast<double>(room.width()) / design.width(),
                                 static_cast<double>(room.height()) / design.height()});
    const double readable = kReadablePixels / (ui::kDefaultFontSize * dpiY / 72.0);
    return std::clamp(fit, std::min(1.0, readable), 1.0);
}

}  // namespace

Main::Main(Session& session, WindowPrompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), windowPrompts_(prompts) {
    setObjectName(QStringLiteral("Main"));
    // Decided before anything is placed: every position and font follows from it.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    ui::SetLayoutScale(*this, ScaleToFit(screen, *this));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFont(SansSerif(*this, ui::kDefaultFontSize, false));
    SetBackground(this, ui::kLightCyan);
    CreateControls();
    CreateMenus();
    Form_Load();
    MarkSaved();  // the empty argument of a new session has nothing to lose
}

Main::~Main() = default;

void Main::CreateControls() {
    cmdClear = Make<QPushButton>(this, "cmdClear", {120, 120, 1575, 495}, "CLEAR/RESTART");

    Frame1 = Make<QGroupBox>(this, "Frame1", {1920, 0, 4335, 975}, "Modes");
    // As tall as the other options: 195 twips clip the descenders of the caption.
    optPropositional = Make<QRadioButton>(Frame1, "optPropositional", {120, 240, 1935, 255},
                                          "Propositional Calculus");
    optPredicate =
        Make<QRadioButton>(Frame1, "optPredicate", {2520, 240, 1695, 255}, "Predicate Calculus");
    optSetTheory = Make<QRadioButton>(Frame1, "optSetTheory", {120, 600, 1935, 255}, "Set Theory");
    optNatural =
        Make<QRadioButton>(Frame1, "optNatural", {2520, 600, 1695, 255}, "Natural Language");
    SetFrameStyle(Frame1, ui::kLightCyan);

    cmdShowExample =
        Make<QPushButton>(this, "cmdShowExample", {6360, 120, 1215, 495}, "Show Example");
    cmdToggle = Make<QPushButton>(this, "cmdToggle", {7680, 120, 1215, 495}, kShowTerms);

    // The text boxes come first so that Tab walks from line to line.
    for (const int line : kReadingOrder) {
        const std::string name =
            line == 0 ? "txtConclusion" : "txtCondition" + std::to_string(line);
        txt_[line] = Make<ui::LineEdit>(this, name.c_str(), {1320, LineY(line), 6015, 375});
        txt_[line]->SetTypingLimit(kMaxLineCharacters, QString::fromLatin1(kErrorMark));
        txt_[line]->SetInputRewrite([this](const QString& text, int cursor) {
            // Pasted line breaks and tabs are spaces: the line is one line of text.
            const auto pairs = static_cast<int>(text.left(cursor).count(QStringLiteral("\r\n")));
            QString spaced = text;
            spaced.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            for (const QChar c : {u'\t', u'\r', u'\n'}) spaced.replace(c, QLatin1Char(' '));
            return ReadSymbols(spaced, cursor - pairs, session_.mode);
        });
    }
    for (int line = 0; line < kLineCount; ++line) {
        const int y = LineY(line);
        const std::string k = std::to_string(line);
        const std::string caption = LineName(line) + ":";
        const std::string label = line == 0 ? "lblConclusion" : "lblPremise" + k;
        lbl_[line] =
            Make<QLabel>(this, label.c_str(), {240, y, 975, 255}, QString::fromStdString(caption));
        cmdTruthTable_[line] = Make<QPushButton>(this, ("cmdTruthTable" + k).c_str(),
                                                 {7440, y, 1455, 375}, kShowTruthTable);
        cmdTruthTable_[line]->setEnabled(false);
        picBox_[line] =
            Make<ui::PictureBox>(this, ("picBox" + k).c_str(), LinePictureRect(line, false));
        picBox_[line]->SetBackColor(ui::kLightCyan);
    }

    cmdEvaluateConclusion = Make<QPushButton>(this, "cmdEvaluateConclusion", {240, 8520, 2175, 495},
                                              "EVALUATE CONCLUSION");
    cmdEvaluateConclusion->setEnabled(false);
    lblEvaluation = Make<QLabel>(this, "lblEvaluation", {2520, 8640, 5999, 400});
    lblEvaluation->setFont(SansSerif(*this, ui::kDefaultFontSize, true));
    lblEvaluation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEvaluation->setWordWrap(true);
    SetBackground(lblEvaluation, ui::kLightCyan);
    lblWhy = Make<QLabel>(this, "lblWhy", {2520, 9040, 5999, kWhyHeight});
    lblWhy->setFont(SansSerif(*this, ui::kDefaultFontSize, false));
    SetBackground(lblWhy, ui::kLightCyan);
    cmdDetails = Make<QPushButton>(this, "cmdDetails", {8000, 8520, 855, 495}, "Details");
    cmdDetails->hide();

    picBoxSyntax = Make<ui::PictureBox>(this, "picBoxSyntax", {9120, 0, 20000, 20000});
    picBoxSyntax->SetBackColor(ui::kLightCyan);
    cmdUpdateTerms =
        Make<QPushButton>(this, "cmdUpdateTerms", {11040, 120, 1215, 495}, "Add/Correct Terms");
    cmdNatSyntaxHelp = Make<QPushButton>(this, "cmdNatSyntaxHelp", {11040, 840, 855, 375}, "Help");
    // The panel buttons stand on the picture.
    cmdUpdateTerms->raise();
    cmdNatSyntaxHelp->raise();

    frameProcessing =
        Make<QGroupBox>(this, "frameProcessing", {3120, 6960, 4215, 1335}, "calculating");
    labelProcessing =
        Make<QLabel>(frameProcessing, "labelProcessing", {120, 195, 4000, 495}, "Calculating...");
    labelProcessing->setFont(SansSerif(*this, 9.75, true));
    labelProcessing->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdHalt = Make<QPushButton>(frameProcessing, "cmdHalt", {1680, 840, 855, 375}, "&Cancel");
    SetFrameStyle(frameProcessing, ui::kLightOrange);
    frameProcessing->hide();
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button != cmdUpdateTerms) FitCaption(button);
    }
    for (QRadioButton* option : Frame1->findChildren<QRadioButton*>()) FitCaption(option);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);

    // Identical controls share one handler, told which line they belong to.
    for (int line = 0; line < kLineCount; ++line) {
        ui::LineEdit* text = txt_[line];
        connect(text, &ui::LineEdit::keyDown, this, [this, line] { txt_KeyDown(line); });
        connect(text, &ui::LineEdit::textEdited, this, [this, line] { txt_KeyDown(line); });
        connect(text, &ui::LineEdit::keyUp, this, [this, line](int key) { txt_KeyUp(line, key); });
        connect(text, &ui::LineEdit::limitRefused, this,
                [this] { session_.prompts().ShowMessage(kLineTooLong); });
        connect(text, &ui::LineEdit::lostFocus, this, [this, line] {
            QWidget* next = QApplication::focusWidget();
            txt_LostFocus(line);
            CompleteInterruptedClick(next);
        });
        connect(cmdTruthTable_[line], &QPushButton::clicked, this,
                [this, line] { cmdTruthTable_Click(line); });
    }
    const std::pair<QRadioButton*, Mode> options[] = {{optPropositional, Mode::Propositional},
                                                      {optPredicate, Mode::Predicate},
                                                      {optSetTheory, Mode::SetTheory},
                                                      {optNatural, Mode::Natural}};
    for (const auto& [button, mode] : options) {
        connect(button, &QRadioButton::toggled, this, [this, mode = mode](bool checked) {
            if (checked) opt_Click(mode);
        });
    }
    connect(cmdEvaluateConclusion, &QPushButton::clicked, this, &Main::cmdEvaluateConclusion_Click);
    connect(cmdDetails, &QPushButton::clicked, this, &Main::cmdDetails_Click);
    connect(cmdHalt, &QPushButton::clicked, this, &Main::cmdHalt_Click);
    connect(Timer1, &QTimer::timeout, this, &Main::Timer1_Timer);
    connect(cmdClear, &QPushButton::clicked, this, &Main::cmdClear_Click);
    connect(cmdShowExample, &QPushButton::clicked, this, &Main::cmdShowExample_Click);
    connect(cmdToggle, &QPushButton::clicked, this, &Main::cmdToggle_Click);
    connect(cmdUpdateTerms, &QPushButton::clicked, this, &Main::mnuShowTerms_Click);
    connect(cmdNatSyntaxHelp, &QPushButton::clicked, this, &Main::cmdNatSyntaxHelp_Click);
    connect(txt_[0], &QLineEdit::returnPressed, this, &Main::txtConclusion_Return);
    SetAccessibleNames();
    SetTabOrder();
    CreateShortcuts();
}

void Main::SetAccessibleNames() {
    for (int line = 0; line < kLineCount; ++line) {
        const QString name = QString::fromStdString(LineName(line));
        lbl_[line]->setBuddy(txt_[line]);
        txt_[line]->setAccessibleName(name);
        cmdTruthTable_[line]->setAccessibleDescription(QStringLiteral("Truth table of ") + name);
        picBox_[line]->setAccessibleName(name + QStringLiteral(" as a formula"));
    }
    picBoxSyntax->setAccessibleName(QStringLiteral("Syntax reference"));
    lblEvaluation->setAccessibleDescription(QStringLiteral("Verdict"));
    labelProcessing->setAccessibleDescription(QStringLiteral("Progress"));
}

void Main::SetTabOrder() {
    // Down the lines, then what acts on them, then the rest of the window.
    std::vector<QWidget*> order(txt_.begin() + 1, txt_.end());
    order.push_back(txt_[0]);
    order.push_back(cmdEvaluateConclusion);
    order.push_back(cmdDetails);
    order.insert(order.end(), cmdTruthTable_.begin() + 1, cmdTruthTable_.end());
    order.push_back(cmdTruthTable_[0]);
    for (QWidget* w : std::initializer_list<QWidget*>{
             cmdClear, optPropositional, optPredicate, optSetTheory, optNatural, cmdShowExample,
             cmdToggle, cmdUpdateTerms, cmdNatSyntaxHelp, cmdHalt}) {
        order.push_back(w);
    }
    for (size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
}

void Main::CreateShortcuts() {
    auto* truthTable = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    truthTable->setObjectName(QStringLiteral("shortcutTruthTable"));
    truthTable->setContext(Qt::WindowShortcut);
    connect(truthTable, &QShortcut::activated, this, &Main::OpenFocusedLineTable);
}

void Main::txtConclusion_Return() {
    // Enter in the conclusion reads it, as leaving it would, and then evaluates.
    txt_LostFocus(0);
    if (cmdEvaluateConclusion->isEnabled() && !processing()) cmdEvaluateConclusion_Click();
}

void Main::OpenFocusedLineTable() {
    for (int line = 0; line < kLineCount; ++line) {
        if (!txt_[line]->hasFocus()) continue;
        txt_LostFocus(line);  // the table must be of the text as it stands
        if (cmdTruthTable_[line]->isEnabled()) cmdTruthTable_Click(line);
        return;
    }
}

void Main::DescribeLineFormula(int line, std::string_view scopeWarning) {
    // The picture is too narrow for a long warning: its whole text is in the description.
    std::string words = FormulaInWords(session_.lines[line].tokens, session_.mode);
    if (!scopeWarning.empty()) words += ". " + std::string(scopeWarning);
    picBox_[line]->SetDescription(QString::fromStdString(words));
}

void Main::AnnounceVerdict() {
    QAccessibleEvent changed(lblEvaluation, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(lblEvaluation, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Main::CompleteInterruptedClick(QWidget* clicked) {
    QRadioButton* option = nullptr;
    for (QRadioButton* o : {optPropositional, optPredicate, optSetTheory, optNatural}) {
        if (o == clicked) option = o;
    }
    if (option == nullptr) return;
    // Checked once the press that moved the focus has reached the button: if the mouse is
    // already up, its release went to a message box and the button would stay held.
    QTimer::singleShot(0, this, [option] {
        if (!option->isDown() || QGuiApplication::mouseButtons() != Qt::NoButton) return;
        option->setDown(false);
        option->setChecked(true);
    });
}

void Main::CreateMenus() {
    CreateFileMenu();
    mnuTruthTableOptions = new QMenu(QStringLiteral("&Truth Table Options"), this);
    mnuTruthTableOptions->setObjectName(QStringLiteral("mnuTruthTableOptions"));
    mnuEliminateUnneededVariables =
        MakeAction(this, mnuTruthTableOptions, "mnuEliminateUnneededVariables",
                   "&Eliminate Unneeded Columns", true);
    mnuShowFalseOnly =
        MakeAction(this, mnuTruthTableOptions, "mnuShowFalseOnly", "Show &False Only", true);
    mnuShowTrueOnly =
        MakeAction(this, mnuTruthTableOptions, "mnuShowTrueOnly", "Show &True Only", true);
    mnuMultitable =
        MakeAction(this, mnuTruthTableOptions, "mnuMultitable", "Allow &Multi-Table Display", true);
    mnuShowEverySteps =
        MakeAction(this, mnuTruthTableOptions, "mnuShowEverySteps", "Show Every &Step", true);
    mnuTruthTableOptions->addSeparator();
    mnuArgumentTable =
        MakeAction(this, mnuTruthTableOptions, "mnuArgumentTable", "&Argument Table...");
    mnuArgumentTable->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    mnuShowTree = MakeAction(this, mnuTruthTableOptions, "mnuShowTree", "Show Truth T&ree...");
    mnuShowTree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));

    mnuNaturalLanguage = new QMenu(QStringLiteral("&Natural Language"), this);
    mnuNaturalLanguage->setObjectName(QStringLiteral("mnuNaturalLanguage"));
    mnuShowTerms = MakeAction(this, mnuNaturalLanguage, "mnuShowTerms", "Show/Update Terms");
    mnuClearTerms = MakeAction(this, mnuNaturalLanguage, "mnuClearTerms", "Clear All Terms");

    mnuHelp = new QMenu(QStringLiteral("&Help"), this);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = MakeAction(this, mnuHelp, "mnuContents", "&Contents...");
    mnuHelp->addSeparator();
    mnuPropExample = MakeAction(this, mnuHelp, "mnuPropExample", "Propositional Calculus Example");
    mnuPredExample = MakeAction(this, mnuHelp, "mnuPredExample", "Predicate Calculus Example");
    mnuSetExample = MakeAction(this, mnuHelp, "mnuSetExample", "Set Theory Example");
    mnuNatExample = MakeAction(this, mnuHelp, "mnuNatExample", "Natural Language Example");
    mnuHelp->addSeparator();
    mnuAbout = MakeAction(this, mnuHelp, "mnuAbout", "&About Deducto...");
    mnuExit = MakeAction(this, mnuHelp, "mnuExit", "E&xit");

    connect(mnuEliminateUnneededVariables, &QAction::triggered, this,
            &Main::mnuEliminateUnneededVariables_Click);
    connect(mnuShowFalseOnly, &QAction::triggered, this, &Main::mnuShowFalseOnly_Click);
    connect(mnuShowTrueOnly, &QAction::triggered, this, &Main::mnuShowTrueOnly_Click);
    connect(mnuMultitable, &QAction::triggered, this, &Main::mnuMultitable_Click);
    connect(mnuShowEverySteps, &QAction::triggered, this, &Main::mnuShowEverySteps_Click);
    connect(mnuArgumentTable, &QAction::triggered, this, &Main::mnuArgumentTable_Click);
    connect(mnuShowTree, &QAction::triggered, this, &Main::mnuShowTree_Click);
    connect(mnuShowTerms, &QAction::triggered, this, &Main::mnuShowTerms_Click);
    connect(mnuClearTerms, &QAction::triggered, this, &Main::mnuClearTerms_Click);
    connect(mnuContents, &QAction::triggered, this, &Main::mnuContents_Click);
    connect(mnuPropExample, &QAction::triggered, this,
            [this] { LoadExample(Mode::Propositional); });
    connect(mnuPredExample, &QAction::triggered, this, [this] { LoadExample(Mode::Predicate); });
    connect(mnuSetExample, &QAction::triggered, this, [this] { LoadExample(Mode::SetTheory); });
    connect(mnuNatExample, &QAction::triggered, this, [this] { LoadExample(Mode::Natural); });
    connect(mnuAbout, &QAction::triggered, this, &Main::mnuAbout_Click);
    connect(mnuExit, &QAction::triggered, this, &Main::mnuExit_Click);
}

void Main::Form_Load() {
    session_.Reset();
    pendingTruthTable_.reset();
    pendingEvaluation_ = false;
    mnuEliminateUnneededVariables->setChecked(session_.options.eliminateUnneeded);

    {
        // The option of the starting mode shows as selected without running the mode change.
        const QSignalBlocker quiet(optPropositional);
        optPropositional->setChecked(true);
    }
    ShowModePanel();
    SetWindowSize(kMainSize);
    optNatural->setChecked(true);
}

void Main::SetWindowSize(ui::TwipSize size) {
    resize(ui::ToPixels(ui::TwipSize{size.width, size.height + kWhyHeight}, *this));
    emit windowSizeChanged();
}

void Main::Form_Activate() {
    if (!session_.modeNatural()) return;
    cmdUpdateTerms->show();
    // "Help" belongs to the syntax panel's text: over a word problem or the terms listing
    // it would stand on their text instead.
    const bool syntaxOnShow = !exampleOnShow_ && cmdToggle->text() == QLatin1String(kShowTerms);
    cmdNatSyntaxHelp->setVisible(syntaxOnShow);
}

QRadioButton* Main::OptionFor(Mode mode) const {
    switch (mode) {
        case Mode::Propositional:
            return optPropositional;
        case Mode::Predicate:
            return optPredicate;
        case Mode::SetTheory:
            return optSetTheory;
        case Mode::Natural:
            break;
    }
    return optNatural;
}

void Main::opt_Click(Mode mode) {
    if (mode == session_.mode) return;
    if (session_.entriesMade) {
        const char* question = mode == Mode::Propositional
                                   ? "This change will clear any entries already made."
                                   : "This change will clear any entries already made";
        if (!session_.prompts().Confirm(question)) {
            OptionFor(session_.mode)->setChecked(true);
            return;
        }
        cmdClear_Click();
    }
    session_.mode = mode;
    if (!session_.exampleLoading) ShowModePanel();
    const bool natural = mode == Mode::Natural;
    if (natural) cmdToggle->setText(kShowTerms);
    cmdToggle->setVisible(natural);
    cmdUpdateTerms->setVisible(natural);
    cmdNatSyntaxHelp->setVisible(natural);
    if (txt_[1]->isVisible()) txt_[1]->setFocus();
}

void Main::PlaceUpdateTerms(int left) {
    // Its caption is drawn in the window's own face, not squeezed: the button grows to the
    // left, keeping its right edge, as far as the caption needs.
    constexpr ui::TwipRect kDesigned{0, 120, 1215, 495};
    ui::SetTwipGeometry(*cmdUpdateTerms, {left, kDesigned.top, kDesigned.width, kDesigned.height});
    const QRect designed = cmdUpdateTerms->geometry();
    const int width = std::max(designed.width(), cmdUpdateTerms->sizeHint().width());
    cmdUpdateTerms->setGeometry(designed.right() + 1 - width, designed.y(), width,
                                designed.height());
}

void Main::ShowModePanel() {
    const PanelButtons buttons = DrawSyntaxPanel(*picBoxSyntax, session_.mode);
    exampleOnShow_ = false;
    // The syntax is on show: a click on the toggle shows the terms.
    cmdToggle->setText(QString::fromLatin1(kShowTerms));
    // The natural-language panel keeps its left part for text and refers to both buttons.
    if (buttons.help) {
        const ui::TwipPoint panel = ui::ToTwips(picBoxSyntax->pos(), *this);
        ui::SetTwipGeometry(*cmdNatSyntaxHelp,
                            {panel.x + buttons.help->x, panel.y + buttons.help->y, 855, 375});
        PlaceUpdateTerms(13800);
        cmdUpdateTerms->show();
        cmdNatSyntaxHelp->show();
    }
}

}  // namespace deducto

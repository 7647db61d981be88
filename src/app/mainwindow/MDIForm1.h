// The frame window: holds the main window and shows its menus. It opens at the main
// window's size (maximised when that does not fit the screen) and never grows beyond it.
#pragma once

#include <QMainWindow>

namespace deducto {

class Main;
class Session;
class WindowPrompts;

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    MDIForm1(Session& session, WindowPrompts& prompts, QWidget* parent = nullptr);

    [[nodiscard]] Main* mainWindow() const { return Main_; }

signals:
    // The program is ending: nothing more is to be shown.
    void closing();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A file dropped on the window is opened as an argument.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void MDIForm_Load();
    void FitToMain();
    [[nodiscard]] QSize FullSize() const;
    void EndProgram();

    Session& session_;
    Main* Main_;
    bool ending_ = false;
};

}  // namespace deducto

// The main window: the seven pages of the worksheet on a tab widget bound to SSTab1, the
// loading window and the bundle plot window, and the print host the program prints through
// (a print preview, see print_preview.h). The commands' keys and the menu bar come from the
// command table (Ctrl+P prints the span report, Ctrl+N starts a new worksheet). A span file
// dropped on the window opens as "Open" opens a chosen file. A timer keeps the status bar's
// " (modified)" and the recovery files of the worksheet and the pole line up to date. "Pole
// Line..." (Ctrl+L) opens the pole line window. Closing it (also by choosing the "EXIT" page)
// asks about an unsaved pole line and worksheet, closes the other windows, removes the
// recovery files and ends the program.
#pragma once

#include <QMainWindow>

#include "forms/program.h"

class QTimer;

namespace cn3::qt {

class LineWindow;
class LoadingDialog;
class PlotWindow;

class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);
    // Stops listening to the application's focus changes before the widgets go: their
    // destruction moves the focus, and the window is no MainWindow any more by then.
    ~MainWindow() override;

    QTabWidget* pages() const { return pages_; }
    LoadingDialog* loadingWindow() const { return loading_; }
    PlotWindow* plotWindow() const { return plot_; }
    // The "Pole Line" window, made when it first opens (Ctrl+L); null until then.
    LineWindow* lineWindow() const { return line_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void showTips();
    // Opens at the preferred size, or as much of it as the screen's available area holds,
    // inside that area; on a screen smaller than the window's smallest size the pages scroll.
    void fitToScreen();

    static constexpr QSize kPreferredSize{1024, 720};

    Program& program_;
    bool shownOnce_ = false;
    QTabWidget* pages_;
    LoadingDialog* loading_;
    PlotWindow* plot_;
    LineWindow* line_ = nullptr;
    QTimer* keeper_;
    QMetaObject::Connection focusWatch_;
};

}  // namespace cn3::qt

// The "Pole Line" window, not modal: the line session's controls (line/line_form.h) as
// widgets. Left, the pole grid (typed into, with rows pasted from a spreadsheet) with its row
// buttons, the default clearance and how the strand is pulled up; right, the headline, what is
// wrong in red, the span results and the notes; under them the line's profile and the
// stringing chart; the file and print buttons at the foot and the file's name in the status
// bar. Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Shift+S and Ctrl+P work in it as on its buttons; Escape
// and the title bar close it as "Close" does, after the question for an unsaved line.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "forms/program.h"
#include "line/line_session.h"

class QStatusBar;

namespace cn3::qt {

class QtDialogs;

class LineWindow : public QWidget {
  public:
    // The session is made here: after start-up, so that it follows the worksheet's events.
    explicit LineWindow(Program& program, QWidget* parent = nullptr);
    ~LineWindow() override;

    line::LineSession& session() { return *session_; }
    // Shows and raises the window, working the line out when the worksheet changed meanwhile.
    void open();
    // Hides the window without a question (the exit path has asked it).
    void dismiss();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab go round the controls in one set order.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showTips();

    std::vector<QWidget*> tabOrder_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<line::LineSession> session_;
    bool placed_ = false;
};

}  // namespace cn3::qt

// A clear frame around the control that has the keyboard, in every window of the program, from
// start-up on: a see-through widget laid over the control's parent and drawn in the highlight
// colour just outside the control. It follows the focus and the control's moves, resizes and
// hiding; it takes no click and moves no control. Styles draw their own focus marks faintly or
// only after a key was pressed; this one is always there.
#pragma once

#include <QPointer>
#include <QWidget>

namespace cn3::qt {

class FocusRing : public QWidget {
  public:
    // Installs the one ring of the application (again: nothing more).
    static void install();
    // The control the ring is drawn around; null while none has the keyboard.
    static QWidget* target();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FocusRing();
    void follow(QWidget* control);
    void place();

    QPointer<QWidget> target_;
};

}  // namespace cn3::qt

#include "qt/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace cn3::qt {

namespace {

constexpr int kOutside = 3;  // pixels between the control and the ring's outer edge
QPointer<FocusRing> theRing;

}  // namespace

FocusRing::FocusRing() {
    setObjectName(QStringLiteral("qt_focus_ring"));  // "qt_": not one of the program's controls
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::install() {
    if (theRing) return;
    theRing = new FocusRing;
    QObject::connect(qApp, &QApplication::focusChanged, theRing.data(),
                     [](QWidget*, QWidget* now) {
                         if (theRing) theRing->follow(now);
                     });
    QObject::connect(qApp, &QApplication::aboutToQuit, theRing.data(), [] { delete theRing; });
    theRing->follow(QApplication::focusWidget());
}

QWidget* FocusRing::target() {
    return theRing && theRing->isVisible() ? theRing->target_.data() : nullptr;
}

void FocusRing::follow(QWidget* control) {
    if (target_) target_->removeEventFilter(this);
    target_ = control;
    if (!control || control->isWindow() || !control->parentWidget()) {
        setParent(nullptr);
        hide();
        return;
    }
    control->installEventFilter(this);
    setParent(control->parentWidget());
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-kOutside, -kOutside, kOutside, kOutside));
    raise();
    show();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                place();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
}

}  // namespace cn3::qt

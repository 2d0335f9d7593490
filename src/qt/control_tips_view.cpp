#include "qt/control_tips_view.h"

#include <QLabel>

#include "qt/qt_text.h"

namespace cn3::qt {

void ShowControlTips(QWidget* mainArea, QWidget* loadingWindow, QWidget* plotWindow,
                     const Units& units) {
    ShowControlTips(TipWindow::Main, mainArea, units);
    ShowControlTips(TipWindow::Loading, loadingWindow, units);
    ShowControlTips(TipWindow::Plot, plotWindow, units);
}

void ShowControlTips(TipWindow which, QWidget* window, const Units& units) {
    if (!window) return;
    for (const ControlTip& tip : ControlTips()) {
        if (tip.window != which) continue;
        const QString name = toQ(tip.control);
        auto* control = window->findChild<QWidget*>(name);
        if (!control) continue;
        control->setToolTip(toQ(TipText(units, tip)));
        if (auto* unit = window->findChild<QLabel*>(QStringLiteral("Unit_") + name))
            unit->setText(toQ(UnitBeside(units, tip)));
    }
}

}  // namespace cn3::qt

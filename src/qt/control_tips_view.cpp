#include "qt/control_tips_view.h"

#include <QLabel>

#include "app/control_tips.h"
#include "qt/qt_text.h"

namespace cn3::qt {

void ShowControlTips(QWidget* mainArea, QWidget* loadingWindow, QWidget* plotWindow,
                     const Units& units) {
    for (const ControlTip& tip : ControlTips()) {
        QWidget* window = tip.window == TipWindow::Main      ? mainArea
                          : tip.window == TipWindow::Loading ? loadingWindow
                                                             : plotWindow;
        if (!window) continue;
        const QString name = toQ(tip.control);
        auto* control = window->findChild<QWidget*>(name);
        if (!control) continue;
        control->setToolTip(toQ(TipText(units, tip)));
        if (auto* unit = window->findChild<QLabel*>(QStringLiteral("Unit_") + name))
            unit->setText(toQ(UnitBeside(units, tip)));
    }
}

}  // namespace cn3::qt

#include "qt/plot_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "qt/bind.h"
#include "qt/guarded.h"
#include "qt/picture_view.h"
#include "qt/qt_text.h"

namespace cn3::qt {

PlotWindow::PlotWindow(PlotForm& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form) {
    setObjectName(QStringLiteral("PlotWindow"));
    setWindowTitle(toQ(form.Title.caption()));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int side = qRound(5.0 * (screen ? screen->logicalDotsPerInchY() : 96.0));

    auto* outer = new QVBoxLayout(this);
    auto* picture = new PictureView(form.Picture, side, side);
    picture->setObjectName(QStringLiteral("Picture"));
    outer->addWidget(picture);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* close = new QPushButton;
    close->setObjectName(QStringLiteral("Command1"));
    bindTo(form.Command1, close);
    row->addWidget(close);
    outer->addLayout(row);

    // Esc closes the plot as its "Close" button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("CloseShortcut"));
    connect(escape, &QShortcut::activated, this, [this] { RunGuarded([&] { form_.Command1.click(); }); });

    form.onShownChanged = [this] {
        if (form_.shown()) {
            show();
            raise();
        } else if (isVisible()) {
            hide();
        }
    };
}

void PlotWindow::closeEvent(QCloseEvent* event) {
    if (form_.shown()) RunGuarded([&] { form_.hide(); });
    event->accept();
}

}  // namespace cn3::qt

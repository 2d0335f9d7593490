#include "qt/picture_view.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "qt/bind.h"

namespace cn3::qt {

PictureView::PictureView(ui::PictureBox& model, int widthPx, int heightPx, QWidget* parent)
    : QWidget(parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    surface_ = std::make_shared<ImageSurface>(widthPx, heightPx, dpi, ratio);
    setFixedSize(widthPx, heightPx);
    model.setSurface(surface_);

    QPointer<PictureView> self(this);
    model.observe([self, &model] {
        if (!self) return;
        applyVisible(self, model.visible());
        self->update();
    });
    applyVisible(this, model.visible());
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_->image());
}

}  // namespace cn3::qt

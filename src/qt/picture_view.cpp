#include "qt/picture_view.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QtMath>
#include <algorithm>

#include "qt/bind.h"

namespace cn3::qt {

PictureView::PictureView(ui::PictureBox& model, int widthPx, int heightPx, QWidget* parent)
    : QWidget(parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    dpi_ = screen ? screen->logicalDotsPerInchY() : 96.0;
    const double ratio = screen ? screen->devicePixelRatio() : 1.0;
    surface_ = std::make_shared<ImageSurface>(widthPx, heightPx, dpi_, ratio);
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

void PictureView::setScaledToFit(double widthTwips, double heightTwips) {
    fitWidthTwips_ = widthTwips;
    fitHeightTwips_ = heightTwips;
    setMinimumSize(qCeil(widthTwips * dpi_ / ui::kTwipsPerInch),
                   qCeil(heightTwips * dpi_ / ui::kTwipsPerInch));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitWidthTwips_ <= 0 || fitHeightTwips_ <= 0) return;
    const double fitWidth = fitWidthTwips_ * dpi_ / ui::kTwipsPerInch;
    const double fitHeight = fitHeightTwips_ * dpi_ / ui::kTwipsPerInch;
    const double zoom = std::max(1.0, std::min(width() / fitWidth, height() / fitHeight));
    surface_->setView(width(), height(), zoom);
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), surface_->image());
}

}  // namespace cn3::qt

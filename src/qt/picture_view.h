// A drawing area on screen: installs an image surface into its PictureBox model and shows the
// image whenever the model says the drawing is finished. The area has a fixed size, or grows
// with its place in the window and shows its drawing scaled to fill it (setScaledToFit).
#pragma once

#include <QWidget>
#include <memory>

#include "qt/qt_surface.h"
#include "ui/picture_box.h"

namespace cn3::qt {

class PictureView : public QWidget {
  public:
    // The area is widthPx x heightPx logical pixels, at the screen's logical DPI.
    PictureView(ui::PictureBox& model, int widthPx, int heightPx, QWidget* parent = nullptr);
    ImageSurface& surface() { return *surface_; }

    // From now on the area takes whatever room the layout gives it, never less than the layout
    // of the drawing (widthTwips x heightTwips, at the zoom of 1), and shows the drawing at the
    // largest zoom at which that layout fits both its width and its height.
    void setScaledToFit(double widthTwips, double heightTwips);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::shared_ptr<ImageSurface> surface_;
    double dpi_;
    double fitWidthTwips_ = 0;
    double fitHeightTwips_ = 0;
};

}  // namespace cn3::qt

// A drawing area on screen: installs an image surface of a fixed size into its PictureBox
// model and shows the image whenever the model says the drawing is finished.
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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::shared_ptr<ImageSurface> surface_;
};

}  // namespace cn3::qt

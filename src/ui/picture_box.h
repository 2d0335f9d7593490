// A drawing area on a window. It draws through the Surface it is given: the Qt view installs
// one that paints on screen; until then (and in tests) it records.
#pragma once

#include <memory>

#include "ui/control.h"
#include "ui/recording_surface.h"

namespace cn3::ui {

class PictureBox : public Control {
  public:
    PictureBox() : surface_(std::make_shared<RecordingSurface>()) {}
    Surface& surface() { return *surface_; }
    void setSurface(std::shared_ptr<Surface> s) {
        surface_ = std::move(s);
        notify();
    }
    // Tells the view that drawing is finished and the area should be shown again.
    void refresh() { notify(); }

  private:
    std::shared_ptr<Surface> surface_;
};

}  // namespace cn3::ui

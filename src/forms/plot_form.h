// The bundle plot window ("Cable Bundle Plot") as control models: its drawing area and the
// "Close" button. The view shows it (not modally) when `shown` turns on.
#pragma once

#include <functional>

#include "ui/controls.h"
#include "ui/picture_box.h"

namespace cn3 {

class PlotForm {
  public:
    ui::Label Title{"Cable Bundle Plot"};
    ui::PictureBox Picture;  // the whole drawing area of the window
    ui::Button Command1{"Close"};

    bool shown() const { return shown_; }
    void show() {
        shown_ = true;
        Picture.refresh();
        if (onShownChanged) onShownChanged();
    }
    void hide() {
        shown_ = false;
        if (onShownChanged) onShownChanged();
    }
    std::function<void()> onShownChanged;

  private:
    bool shown_ = false;
};

}  // namespace cn3

// The bundle plot window ("Cable Bundle Plot") as control models: its drawing area and the
// "Close" button. The view shows it (not modally) when `shown` turns on.
#pragma once

#include "ui/controls.h"
#include "ui/picture_box.h"

namespace cn3 {

class PlotForm : public ui::WindowShown {
  public:
    ui::Label Title{"Cable Bundle Plot"};
    ui::PictureBox Picture;  // the whole drawing area of the window
    ui::Button Command1{"Close"};

    // The drawing is shown again with the window.
    void show() {
        Picture.refresh();
        WindowShown::show();
    }
};

}  // namespace cn3

// The loading window ("Set Ice / Wind Loadings") as control models: the district option
// buttons, the two user-loading tick boxes, the 25 cells (cell = 5 * row + column) and the
// save and close buttons. Its cells and boxes are the loading state the results and span
// files read.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "ui/controls.h"

namespace cn3 {

class LoadingForm {
  public:
    LoadingForm();

    ui::Label Title{"Set Ice / Wind Loadings"};
    ui::Frame Frame1{"Select Load For Rule 251"};
    ui::OptionGroup Option1{{"Heavy", "Medium", "Light"}, 2};
    std::array<ui::CheckBox, 2> Check1{ui::CheckBox{"User Loading1"},
                                       ui::CheckBox{"User Loading2"}};
    ui::Label Heading{"Rule          Temperature   Ice Thickness   Wind      Constant"};
    std::array<ui::Label, 4> UnitLabels;  // under the heading, one per value column
    ui::Label Hint{"Click on any field below to change."};
    std::array<ui::Label, 25> Cells;  // LoadingGrid
    ui::Button SaveButton{"Save above values"};
    ui::Button CloseButton{"Close"};

    // Whether the window is showing.
    bool shown = false;
    // Set by the view: shows the window modally and returns when it is closed.
    std::function<void()> runModal;
    // Set by the view: closes a modal run.
    std::function<void()> closeModal;
};

}  // namespace cn3

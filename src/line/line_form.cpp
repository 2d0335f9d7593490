#include "line/line_form.h"

namespace cn3::line {

LineForm::LineForm() {
    Poles.setCols(pole_column::kCount);
    Poles.setRows(1);
    Poles.setFixedRows(1);
    Poles.setRowHeight(0, 480);  // headings of two lines
    Poles.setColWidth(pole_column::kId, 1100);
    for (int c = pole_column::kGround; c < pole_column::kCount; ++c) {
        Poles.setColWidth(c, 1300);
        Poles.setColAlignment(c, ui::Align::Right);
    }
    for (ui::Grid* grid : {&Results, &Stringing}) {
        grid->setFixedRows(1);
        grid->setFixedCols(1);
    }
    StatusFileName.setCaption("Untitled");
}

}  // namespace cn3::line

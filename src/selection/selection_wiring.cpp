#include "selection/selection.h"
#include "selection/user_cables.h"

namespace cn3 {

void WireSelectionEvents(Program& program) {
    MainForm& form = program.main;
    Program* p = &program;
    form.SSTab1.onClick = [p](int previousTab) { SSTab1_Click(*p, previousTab); };
    form.SSTab2.onClick = [p](int) { SSTab2_Click(*p); };
    form.Grid1.onClick = [p] { grid1_Click(*p); };
    form.Grid2.onClick = [p] { Grid2_Click(*p); };
    form.Text5.onChange = [p] { Text5_Change(*p); };
    form.Command1.onClick = [p] { Command1_Click(*p); };
    form.Command4.onClick = [p] { Command4_Click(*p); };
}

}  // namespace cn3

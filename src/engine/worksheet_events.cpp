#include "engine/worksheet_events.h"

#include "engine/recompute.h"
#include "engine/span_inputs.h"

namespace cn3 {

void Text9_Change(Program& program, int) {
    Recompute(program);
}

void Option1_Click(Program& program) {
    Recompute(program);
}

void Check1_Click(Program& program, int index) {
    if (index == 0) {
        const bool on = program.main.Check1[0].checked();
        program.main.Text9[entry::kPointDistance].setVisible(on);
        program.main.Label2[entry::kPointDistance].setVisible(on);
    }
    Recompute(program);
}

// Only shows or hides the temperature table and the clearance entry; the table is kept
// up to date whether it shows or not.
void Check2_Click(Program& program) {
    const bool on = program.main.Check2.checked();
    program.main.GridTemp.setVisible(on);
    program.main.Label2[entry::kClearance].setVisible(on);
    program.main.Text9[entry::kClearance].setVisible(on);
}

void ShowInstalledTemperature(Program& program) {
    program.main.Label1.setCaption(
        "Installed Temperature " +
        program.units.toDisplay(unit::kTemperature,
                                static_cast<float>(program.main.HScroll1.value()), "###0.#;;"));
}

void HScroll1_Change(Program& program) {
    program.worksheetEdited = 1;
    ShowInstalledTemperature(program);
    Recompute(program);
}

void Command5_Click(Program& program) {
    program.loading.shown = true;
    if (program.loading.runModal) program.loading.runModal();
    Recompute(program);
}

}  // namespace cn3

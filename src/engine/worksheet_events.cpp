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

void HScroll1_Change(Program& program) {
    program.worksheetEdited = 1;
    program.main.Label1.setCaption(
        "Installed Temperature " +
        program.units.toDisplay(unit::kTemperature,
                                static_cast<float>(program.main.HScroll1.value()), "###0.#;;"));
    Recompute(program);
}

void Command5_Click(Program& program) {
    program.loading.shown = true;
    if (program.loading.runModal) program.loading.runModal();
    Recompute(program);
}

void WireWorksheetEvents(Program& program) {
    auto& main = program.main;
    for (int i = 0; i < static_cast<int>(main.Text9.size()); ++i)
        main.Text9[static_cast<size_t>(i)].onChange = [&program, i] { Text9_Change(program, i); };
    main.Option1.onClick = [&program](int) { Option1_Click(program); };
    for (int i = 0; i < static_cast<int>(main.Check1.size()); ++i)
        main.Check1[static_cast<size_t>(i)].onClick = [&program, i] { Check1_Click(program, i); };
    main.Check2.onClick = [&program] { Check2_Click(program); };
    main.HScroll1.onChange = [&program] { HScroll1_Change(program); };
    main.Command5.onClick = [&program] { Command5_Click(program); };
}

}  // namespace cn3

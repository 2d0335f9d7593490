#include "files/new_worksheet.h"

#include <filesystem>

#include "engine/span_charts.h"
#include "files/worksheet_state.h"

namespace cn3 {

void NewWorksheet(Program& program) {
    MainForm& main = program.main;
    program.spanRecord.fixedDiameterFlag = 0;
    program.worksheetEdited = 0;

    main.Option1.select(1);  // "Percent"

    while (main.Grid2.rows() > 2) main.Grid2.removeItem(1);
    const int bundleRow = main.Grid2.rows() - 1;
    for (int col = main.Grid2.cols() - 1; col >= 2; --col) main.Grid2.setText(bundleRow, col, "");

    main.Label4.setCaption("");
    ClearSolutionCharts(program);
    main.StatusMessage.setCaption("");
    main.ResultsNote.setCaption("");
    main.Command1.setVisible(false);
    main.Command3.setEnabled(true);
    SetCurrentFileName(program, UntitledPath(program));

    main.SSTab1.setTab(page::kCables);
    main.SSTab2.setTab(family::kStrand);
    // The results are gone with the cables; whoever follows them (the pole line) hears of it.
    program.onRecomputed();
}

std::string UntitledPath(const Program& program) {
    return (std::filesystem::path(program.dataFolder) / "Untitled.cn3").string();
}

void SetCurrentFileName(Program& program, std::string path) {
    program.main.CommonDialog1.fileName = std::move(path);
    ShowFileState(program);
}

}  // namespace cn3

#include "app/start_up.h"

#include <ctime>

#include "app/wire_events.h"
#include "core/number_format.h"
#include "files/worksheet_state.h"

namespace cn3 {

void FinishStartUp(Program& program) {
    MainForm& main = program.main;
    main.SSTab1.setCaptionFontSize(8);
    main.SSTab2.setCaptionFontSize(8);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    main.Text2.setText(FormatDateMmDdYy(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

bool StartProgram(Program& program, FirstRun firstRun) {
    WireEvents(program);
    LoadSettings(program, firstRun);
    if (!LoadCatalogue(program)) return false;
    FinishStartUp(program);
    NoteWorksheetUnchanged(program);  // the started worksheet is the one not yet changed
    return true;
}

}  // namespace cn3

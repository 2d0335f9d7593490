#include "app/wire_events.h"

#include "app/loading_window.h"
#include "bundle/bundle_plot.h"
#include "engine/worksheet_events.h"
#include "selection/selection.h"

namespace cn3 {

void WireEvents(Program& program) {
    WireLoadingEvents(program);

    // Choosing the "EXIT" page closes the main window. The selection's page rules replace
    // this handler with their own, which end the same way on that page.
    program.main.SSTab1.onClick = [&program](int /*previousTab*/) {
        if (program.main.SSTab1.tab() == page::kExit && program.main.requestClose)
            program.main.requestClose();
    };

    WireWorksheetEvents(program);
    WireSelectionEvents(program);
    WireBundleEvents(program);
}

}  // namespace cn3

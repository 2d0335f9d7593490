#include "app/unit_system.h"

#include <algorithm>

#include "app/grid_setup.h"
#include "app/load_settings.h"
#include "engine/worksheet_events.h"
#include "loading/loading_window.h"
#include "selection/family_listing.h"

namespace cn3 {

void ShowUnitSystem(Program& program) {
    MainForm& main = program.main;
    const bool metric = program.units.metricUnits != 0;
    main.Title.setCaption(WindowTitle(metric));

    const auto& headings = program.catalogueHeadings[metric ? 1 : 0];
    std::copy(headings.begin(), headings.end(), program.cables.rows[0].begin());
    for (int col = 0; col < kCatalogueColumns; ++col)
        main.Grid1.setText(0, col, headings[static_cast<size_t>(col)]);
    FillCatalogueGrid(program, main.SSTab2.tab());
    WriteSelectedHeadings(program);
    WriteTemperatureHeadings(program);
    ShowInstalledTemperature(program);
    ShowLoadingUnitLabels(program);
}

}  // namespace cn3

#include "engine_fixture.h"

#include <cmath>

#include "core/loading_table.h"

namespace cn3::test {

namespace {

void AddCable(CableTable& table, int row, const std::string& name, const std::string& diameter,
              const std::string& alpha, const std::string& weight, const std::string& stiffness,
              const std::string& strength) {
    auto& r = table.rows.at(static_cast<size_t>(row));
    r[field::kName] = name;
    r[field::kDiameter] = diameter;
    r[field::kThermalCoefficient] = alpha;
    r[field::kWeightPerLength] = weight;
    r[field::kAxialStiffness] = stiffness;
    r[field::kRatedBreakingStrength] = strength;
}

}  // namespace

EngineTest::EngineTest() {
    program.dialogs = &dialogs;
    program.pi = 4.0 * std::atan(1.0);

    auto& u = program.units.table;
    u[0] = {"", "", 1.0f, 0.0f};
    u[1] = {"F", "C", 0.5555556f, 32.0f};
    u[2] = {"lbs", "N", 4.448222f, 0.0f};
    u[3] = {"in", "mm", 25.4f, 0.0f};
    u[4] = {"ft", "m", 0.3048f, 0.0f};
    u[7] = {"psf", "Pa", 47.88026f, 0.0f};
    u[8] = {"lb/ft", "kg/m", 1.488164f, 0.0f};
    u[9] = {"lb/ft", "N/m", 14.5939f, 0.0f};

    auto& c = program.cables;
    AddCable(c, 1, "1/4 EHS", "0.25", "0.0000064", "0.121", "1200000", "6650");
    AddCable(c, 2, "3/8 EHS", "0.36", "0.0000064", "0.273", "2700000", "15400");
    AddCable(c, 3, "P 500", "0.50", "0", "0.080", "0", "0");
    AddCable(c, 4, "P 750", "0.75", "0", "0.160", "0", "0");
    AddCable(c, 5, "LX 540 AM", "0.70", "0.0000070", "0.250", "900000", "5000");
    AddCable(c, 6, "RG6 VM", "0.30", "0.0000090", "0.040", "50000", "300");
    AddCable(c, 7, "XYZ 1", "0.60", "0.0000065", "0.200", "800000", "4000");
    AddCable(c, 8, "BAD EHS", "0.50", "0.0000064", "0.517", "", "26900");
    c.userSeparatorRow = c.lastCableRow = 9;
    c.rows[9][field::kName] = "User Defined\n\rCables";

    program.loadings = {LoadingRecord{"Heavy        ", 0.0f, 0.5f, 4.0f, 0.31f},
                        LoadingRecord{"Medium       ", 15.0f, 0.25f, 4.0f, 0.22f},
                        LoadingRecord{"Light        ", 30.0f, 0.0f, 9.0f, 0.05f},
                        LoadingRecord{"Extreme Wind ", 60.0f, 0.0f, 21.0f, 0.0f},
                        LoadingRecord{"Never Shown  ", 90.0f, 1.0f, 0.0f, 0.0f},
                        LoadingRecord{"Hot Summer   ", 120.0f, 0.0f, 0.0f, 0.0f},
                        LoadingRecord{"Glaze        ", 32.0f, 0.75f, 2.0f, 0.1f}};
    program.selectedDistrict = 0;

    const float kinds[11] = {1, 8, 7, 8, 4, 2, 0, 4, 4, 4, 0};
    const char* formats[11] = {"##0", "#0.000", "#0.0", "#0.000", "##0.00", "##,##0",
                               "#0.00", "##0.00", "##0.00", "##0.00", "#0.0"};
    for (int k = 0; k < 11; ++k) {
        program.loadingResults.at(0, k) = kinds[k];
        program.loadingResults.formats.at(static_cast<size_t>(k)) = formats[k];
    }

    program.main.Grid2.setCols(4);
    program.main.GridTemp.setCols(5);
    program.main.HScroll1.setRange(-40, 140);
    program.main.HScroll1.setValue(60);
    program.worksheetEdited = 1;
}

void EngineTest::select(std::initializer_list<std::string> names, const std::string& bundleCell) {
    auto& grid = program.main.Grid2;
    grid.setRows(static_cast<int>(names.size()) + 2);
    int row = 1;
    for (const auto& name : names) grid.setText(row++, 1, name);
    grid.setText(row, 2, bundleCell);
}

void EngineTest::entries(const std::string& span, const std::string& sag, const std::string& point,
                         const std::string& clearance, const std::string& creep) {
    auto& t = program.main.Text9;
    t[0].setText(span);
    t[1].setText(sag);
    t[2].setText(point);
    t[3].setText(clearance);
    t[4].setText(creep);
}

}  // namespace cn3::test

// A worksheet for the span computation tests: a small unit table (English and metric), a
// handful of cables, the seven loadings, the results' unit kinds and patterns, scripted
// dialogs and the selected-cables grid, with the worksheet already edited.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "forms/program.h"
#include "support/scripted_dialogs.h"

namespace cn3::test {

// L + 8D^2/(3L) = S0 (1 + w L^2 / (8 D EA)), solved for D by Newton's method in double.
inline double HandSag(double L, double S0, double w, double EA, double D) {
    for (int i = 0; i < 200; ++i)
        D -= (L + 8 * D * D / (3 * L) - S0 * (1 + w * L * L / (8 * D * EA))) /
             (16 * D / (3 * L) + S0 * w * L * L / (8 * D * D * EA));
    return D;
}

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        program.dialogs = &dialogs;
        auto& u = program.units.table;
        u[0] = {"", "", 1.0f, 0.0f};          u[1] = {"F", "C", 0.5555556f, 32.0f};
        u[2] = {"lbs", "N", 4.448222f, 0.0f}; u[3] = {"in", "mm", 25.4f, 0.0f};
        u[4] = {"ft", "m", 0.3048f, 0.0f};    u[7] = {"psf", "Pa", 47.88026f, 0.0f};
        u[8] = {"lb/ft", "kg/m", 1.488164f, 0.0f}; u[9] = {"lb/ft", "N/m", 14.5939f, 0.0f};
        // Name, then fields 3..7: diameter, alpha, weight, stiffness, breaking strength.
        auto& c = program.cables.rows;
        c[1] = {"1/4 EHS", "", "", "0.25", "0.0000064", "0.121", "1200000", "6650"};
        c[2] = {"3/8 EHS", "", "", "0.36", "0.0000064", "0.273", "2700000", "15400"};
        c[3] = {"P 500", "", "", "0.50", "0", "0.080", "0", "0"};
        c[4] = {"P 750", "", "", "0.75", "0", "0.160", "0", "0"};
        c[5] = {"LX 540 AM", "", "", "0.70", "0.0000070", "0.250", "900000", "5000"};
        c[6] = {"RG6 VM", "", "", "0.30", "0.0000090", "0.040", "50000", "300"};
        c[7] = {"XYZ 1", "", "", "0.60", "0.0000065", "0.200", "800000", "4000"};
        c[8] = {"BAD EHS", "", "", "0.50", "0.0000064", "0.517", "", "26900"};
        program.cables.lastCableRow = 8;
        program.loadings = {{{"Heavy        ", 0, 0.5f, 4, 0.31f},  {"Medium       ", 15, 0.25f, 4, 0.22f},
                            {"Light        ", 30, 0, 9, 0.05f},    {"Extreme Wind ", 60, 0, 21, 0},
                            {"Never Shown  ", 90, 1, 0, 0},        {"Hot Summer   ", 120, 0, 0, 0},
                            {"Glaze        ", 32, 0.75f, 2, 0.1f}}};
        const float kinds[11] = {1, 8, 7, 8, 4, 2, 0, 4, 4, 4, 0};
        const char* formats[11] = {"##0",   "#0.000", "#0.0",   "#0.000", "##0.00", "##,##0",
                                   "#0.00", "##0.00", "##0.00", "##0.00", "#0.0"};
        for (int k = 0; k < 11; ++k) {
            program.loadingResults.at(0, k) = kinds[k];
            program.loadingResults.formats.at(static_cast<size_t>(k)) = formats[k];
        }
        program.main.Grid2.setCols(4);
        program.main.HScroll1.setValue(60);
        program.selectedDistrict = 0;
        program.worksheetEdited = 1;
    }

    // Puts the cables in Grid2 (rows 1..n) and the bundle cell in the bundle row.
    void select(const std::vector<std::string>& names, const std::string& bundleCell = "0.850") {
        auto& grid = program.main.Grid2;
        grid.setRows(static_cast<int>(names.size()) + 2);
        for (size_t i = 0; i < names.size(); ++i) grid.setText(static_cast<int>(i) + 1, 1, names[i]);
        grid.setText(static_cast<int>(names.size()) + 1, 2, bundleCell);
    }
    // Span entries: length, sag, point distance, clearance, creep.
    void entries(const std::string& span, const std::string& sag, const std::string& clearance = "",
                 const std::string& creep = "0", const std::string& point = "50") {
        const std::string texts[5] = {span, sag, point, clearance, creep};
        for (size_t i = 0; i < 5; ++i) program.main.Text9[i].setText(texts[i]);
    }
    void metric() { program.units.metricUnits = 1; }

    Program program;
    ScriptedDialogs dialogs;
};

}  // namespace cn3::test

// A worksheet for the span computation tests: a small unit table (English and metric), a
// handful of cables, the seven loadings, scripted dialogs and the selected-cables grid, with
// the worksheet already edited.
#pragma once

#include <gtest/gtest.h>

#include "forms/program.h"
#include "support/scripted_dialogs.h"

namespace cn3::test {

class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        program.dialogs = &dialogs;
        auto& u = program.units.table;
        // clang-format off
        u[0] = {"", "", 1.0f, 0.0f};  u[1] = {"F", "C", 0.5555556f, 32.0f}; u[2] = {"lbs", "N", 4.448222f, 0.0f};
        u[3] = {"in", "mm", 25.4f, 0.0f}; u[4] = {"ft", "m", 0.3048f, 0.0f};   u[7] = {"psf", "Pa", 47.88026f, 0.0f};
        u[8] = {"lb/ft", "kg/m", 1.488164f, 0.0f};                         u[9] = {"lb/ft", "N/m", 14.5939f, 0.0f};
        // Rows 1..6: name, thermal coefficient, weight, axial stiffness, breaking strength.
        const char* cables[6][5] = {
            {"1/4 EHS", "0.0000064", "0.121", "1200000", "6650"}, {"P 500", "", "0.080", "", ""}, {"P 750", "", "0.160", "", ""},
            {"XYZ 1", "0.0000070", "0.250", "900000", "5000"},   {"RG6 VM", "0.0000090", "0.040", "50000", "300"},
            {"BAD EHS", "", "0.517", "", ""}};
        program.loadings = {{{"Heavy        ", 0, 0.5f, 4, 0.31f}, {"Medium       ", 15, 0.25f, 4, 0.22f},
                             {"Light        ", 30, 0, 9, 0.05f},   {"Extreme Wind ", 60, 0, 21, 0},
                             {"Never Shown  ", 90, 1, 0, 0},       {"Hot Summer   ", 120, 0, 0, 0},
                             {"Glaze        ", 32, 0.75f, 2, 0.1f}}};
        // clang-format on
        for (size_t r = 0; r < 6; ++r)
            for (size_t f = 0; f < 5; ++f) program.cables.rows[r + 1][f ? f + 3 : 0] = cables[r][f];
        program.cables.lastCableRow = 6;
        program.main.Grid2.setCols(4);
        program.main.HScroll1.setValue(60);
        program.worksheetEdited = 1;
    }

    // Cables in Grid2 (rows 1..n) with the bundle cell under them, and the span entries:
    // length, sag, point of interest, clearance, creep.
    void worksheet(const std::vector<std::string>& names, std::string span, std::string sag, std::string clearance = "",
                   std::string creep = "0", std::string bundle = "0.850", std::string point = "50") {
        const int n = static_cast<int>(names.size());
        program.main.Grid2.setRows(n + 2);
        for (int i = 0; i < n; ++i) program.main.Grid2.setText(i + 1, 1, names[size_t(i)]);
        program.main.Grid2.setText(n + 1, 2, bundle);
        for (size_t i = 0; const auto& text : {span, sag, point, clearance, creep}) program.main.Text9[i++].setText(text);
    }

    Program program;
    ScriptedDialogs dialogs;
};

}  // namespace cn3::test

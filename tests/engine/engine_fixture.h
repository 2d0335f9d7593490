// A worksheet for the span computation tests: a small unit table (English and metric), a
// handful of cables, the seven loadings, the results' unit kinds and patterns, scripted
// dialogs and the selected-cables grid, with the worksheet already edited.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "forms/program.h"
#include "support/scripted_dialogs.h"

namespace cn3::test {

class EngineTest : public ::testing::Test {
protected:
    EngineTest();

    // Puts the cables in Grid2 (rows 1..n) and the bundle cell in the bundle row.
    void select(std::initializer_list<std::string> names, const std::string& bundleCell = "0.850");
    // Span entries: length, sag, point distance, clearance, creep.
    void entries(const std::string& span, const std::string& sag, const std::string& point = "50",
                 const std::string& clearance = "", const std::string& creep = "0");
    void metric() { program.units.metricUnits = 1; }

    Program program;
    ScriptedDialogs dialogs;
};

}  // namespace cn3::test

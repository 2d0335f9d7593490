// The temperature-effect grid against a hand calculation of every row, and its clearance
// column and heading.
#include <gtest/gtest.h>

#include "engine/recompute.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

using TemperatureTableTest = EngineTest;

struct Row { const char* temperature; const char* sag; const char* tension; const char* change; const char* clearance; };

// Span 150 ft, sag 3 ft installed at 62 F, 0.361 lb/ft on a strand of EA 1,200,000 lb and
// 0.0000064 per F, clearance 20 ft: each row solved in double precision from the cable
// length and stretch of the parabola.
const Row kHandTable[] = {
    {"-40.0", "2.12 ", "480 ", "-0.05", "20.88 "}, {"-30.0", "2.21 ", "460 ", "-0.05", "20.79 "},
    {"-20.0", "2.30 ", "442 ", "-0.04", "20.70 "}, {"-10.0", "2.39 ", "425 ", "-0.04", "20.61 "},
    {".0", "2.48 ", "410 ", "-0.03", "20.52 "},    {"10.0", "2.57 ", "396 ", "-0.03", "20.43 "},
    {"20.0", "2.65 ", "383 ", "-0.02", "20.35 "},  {"30.0", "2.74 ", "371 ", "-0.02", "20.26 "},
    {"40.0", "2.82 ", "360 ", "-0.01", "20.18 "},  {"50.0", "2.90 ", "350 ", "-0.01", "20.10 "},
    {"60.0", "2.98 ", "341 ", "0.00", "20.02 "},  {"70.0", "3.06 ", "332 ", "0.00", "19.94 "},
    {"80.0", "3.14 ", "324 ", "0.01", "19.86 "},   {"90.0", "3.22 ", "316 ", "0.02", "19.78 "},
    {"100.0", "3.29 ", "309 ", "0.02", "19.71 "},  {"110.0", "3.37 ", "302 ", "0.03", "19.63 "},
    {"120.0", "3.44 ", "296 ", "0.03", "19.56 "},  {"130.0", "3.51 ", "290 ", "0.04", "19.49 "},
    {"140.0", "3.58 ", "284 ", "0.05", "19.42 "},
};

TEST_F(TemperatureTableTest, every_row_matches_the_hand_calculation) {
    select({"1/4 EHS", "P 500", "P 750"});
    entries("150", "3", "50", "20");
    program.main.HScroll1.setValue(62);
    Recompute(program);
    const auto& grid = program.main.GridTemp;
    ASSERT_EQ(grid.rows(), 20);
    for (int r = 1; r <= 19; ++r) {
        const auto& want = kHandTable[r - 1];
        SCOPED_TRACE(want.temperature);
        EXPECT_EQ(grid.text(r, 0), want.temperature);
        EXPECT_EQ(grid.text(r, 1), want.sag);
        EXPECT_EQ(grid.text(r, 2), want.tension);
        EXPECT_EQ(grid.text(r, 3), want.change);
        EXPECT_EQ(grid.text(r, 4), want.clearance);
    }
    EXPECT_EQ(grid.text(0, 4), "Clearance\n\r20 ft");
}

TEST_F(TemperatureTableTest, installed_temperature_row_shows_the_installed_sag) {
    select({"1/4 EHS", "P 500", "P 750"});
    entries("150", "3", "50", "20");
    Recompute(program);  // installed at 60 F
    const auto& grid = program.main.GridTemp;
    EXPECT_EQ(grid.text(11, 0), "60.0");
    EXPECT_EQ(grid.text(11, 1), "3.00 ");
    EXPECT_EQ(grid.text(11, 2), "339 ");  // the stress-free length stands in for the span
    EXPECT_EQ(grid.text(11, 3), "0.00");
    EXPECT_EQ(grid.text(11, 4), "20.00 ");
}

TEST_F(TemperatureTableTest, no_clearance_entry_gives_na_and_a_bare_heading) {
    select({"1/4 EHS", "P 500"});
    for (const char* clearance : {"", "none"}) {
        entries("150", "3", "50", clearance);
        Recompute(program);
        for (int r = 1; r <= 19; ++r) EXPECT_EQ(program.main.GridTemp.text(r, 4), "N/A") << clearance;
        EXPECT_EQ(program.main.GridTemp.text(0, 4), "Clearance\n\r");
    }
}

}  // namespace
}  // namespace cn3::test

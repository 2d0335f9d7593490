// One recomputation end to end: when it runs, when it stops and leaves every view alone,
// and the results text it writes, to the last shown digit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/recompute.h"
#include "engine_fixture.h"
#include "ui/recording_surface.h"

namespace cn3::test {
namespace {

using RecomputeTest = EngineTest;

std::string Text(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines) out += std::string("\n\r") + l;
    return out;
}

// What a run may change, to see that a stopped run changed none of it.
struct Views {
    std::string results;
    std::string temperature;
    LoadingResults loading;
    size_t drawn;

    explicit Views(Program& p)
        : results(p.main.Label4.caption()),
          temperature(p.main.GridTemp.text(1, 1) + p.main.GridTemp.text(0, 4)),
          loading(p.loadingResults),
          drawn(static_cast<ui::RecordingSurface&>(p.main.Picture3.surface()).ops().size()) {}
    bool operator==(const Views& o) const {
        return results == o.results && temperature == o.temperature &&
               loading.values == o.loading.values && loading.formats == o.loading.formats && drawn == o.drawn;
    }
};

TEST_F(RecomputeTest, strand_with_two_lashed_cables_gives_the_full_text) {
    select({"1/4 EHS", "P 500", "P 750"});
    entries("150", "3");
    Recompute(program);
    EXPECT_EQ(program.main.Label4.caption(),
              Text({"Span Length = 150.00 ft", "Span Sag = 3.00 ft  (36.0 in)", "Span Tension = 338 lbs",
                    "         Max Load = 6,650 lbs", "             Usable load (60%) = 3,990 lbs",
                    "Catenary Length = 150.160 ft", "Stress Free Length @",
                    "      Installed Temperature = 150.118 ft", "", "Unloaded Strand",
                    "     Sag = 2.74 ft  (32.8 in)    1.82 %", "     Tension = 124 lbs"}));
}

TEST_F(RecomputeTest, integrated_messenger_leaves_out_what_it_has_no_strand_for) {
    select({"LX 540 AM", "P 500"});
    entries("150", "3");
    Recompute(program);
    EXPECT_EQ(program.main.Label4.caption(),
              Text({"Span Length = 150.00 ft", "Span Sag = 3.00 ft  (36.0 in)", "Span Tension = 309 lbs",
                    "         Max Load = 5,000 lbs", "Catenary Length = 150.160 ft"}));
}

TEST_F(RecomputeTest, lone_drop_cable_has_no_unloaded_strand) {
    select({"RG6 VM"}, "0.300");
    entries("80", "2");
    Recompute(program);
    EXPECT_EQ(program.main.Label4.caption(),
              Text({"Span Length = 80.00 ft", "Span Sag = 2.00 ft  (24.0 in)", "Span Tension = 16 lbs",
                    "         Max Load = 300 lbs", "             Usable load (60%) = 180 lbs",
                    "Catenary Length = 80.133 ft", "Stress Free Length @",
                    "      Installed Temperature = 80.108 ft"}));
}

TEST_F(RecomputeTest, metric_text_has_metric_units_and_no_inches) {
    metric();
    select({"1/4 EHS", "P 500", "P 750"}, "21.590");
    entries("45.72", "0.9144");
    Recompute(program);
    EXPECT_EQ(program.main.Label4.caption(),
              Text({"Span Length = 45.72 m", "Span Sag = .91 m", "Span Tension = 1,505 N",
                    "         Max Load = 29,581 N", "             Usable load (60%) = 17,748 N",
                    "Catenary Length = 45.769 m", "Stress Free Length @",
                    "      Installed Temperature = 45.756 m", "", "Unloaded Strand",
                    "     Sag = .83 m    1.82 %", "     Tension = 553 N"}));
}

TEST_F(RecomputeTest, silent_stops_leave_every_view_as_it_was) {
    struct Row {
        const char* what;
        std::vector<std::string> names;
        const char* span;
        const char* sag;
    };
    const Row rows[] = {
        {"no cable", {}, "150", "3"},
        {"span 0", {"1/4 EHS"}, "0", "3"},
        {"sag 0", {"1/4 EHS"}, "150", ""},
        {"no carrier among lashed cables", {"P 500", "P 750"}, "150", "3"},
    };
    // A full run first, so that there is something to keep.
    select({"3/8 EHS", "P 750"});
    entries("200", "4", "50", "18");
    Recompute(program);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        auto& grid = program.main.Grid2;
        grid.setRows(static_cast<int>(r.names.size()) + 2);
        for (size_t i = 0; i < r.names.size(); ++i) grid.setText(static_cast<int>(i) + 1, 1, r.names[i]);
        entries(r.span, r.sag, "50", "18");
        const Views before(program);
        Recompute(program);
        EXPECT_TRUE(Views(program) == before);
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(RecomputeTest, unknown_cable_is_named_and_nothing_changes) {
    select({"1/4 EHS"});
    entries("150", "3");
    Recompute(program);
    select({"1/4 EHS", "P 999"});
    const Views before(program);
    dialogs.expectMessage();
    Recompute(program);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Error - Unknown Cable P 999"});
    EXPECT_TRUE(Views(program) == before);
}

TEST_F(RecomputeTest, carrier_without_stiffness_is_refused_by_name) {
    for (const char* stiffness : {"", "0", "n/a"}) {
        program.cables.rows[8][field::kAxialStiffness] = stiffness;
        select({"BAD EHS", "P 500"});
        entries("150", "3");
        const Views before(program);
        dialogs.expectMessage();
        Recompute(program);
        EXPECT_EQ(dialogs.messages().back(), "Error - Axial stiffness of BAD EHS is 0");
        EXPECT_TRUE(Views(program) == before) << '"' << stiffness << '"';
    }
}

}  // namespace
}  // namespace cn3::test

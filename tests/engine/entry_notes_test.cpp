// The results note says what the numbers rest on when the designer may not have meant it: an
// entry read in part or not at all, a value outside the range of aerial spans, and a bundle
// the program could not lay out. The numbers themselves stay those of the leading-number rule.
#include "core/number_format.h"
#include "engine/entry_notes.h"
#include "engine/recompute.h"
#include "engine/span_inputs.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

TEST(number_end_test, the_leading_number_ends_where_its_reading_stops) {
    // clang-format off
    const std::tuple<const char*, size_t, size_t> rows[] = {  // text, end, grouped end
        {"16x5", 2, 2}, {"  150 ft", 5, 5}, {"abc", 0, 0}, {"", 0, 0}, {"-2.5e3", 4, 4}, {"1,500.25 ft", 1, 8},
        {"1,50", 1, 1}, {"+.5", 3, 3}, {"7.", 2, 2}};
    // clang-format on
    for (const auto& [text, end, groupedEnd] : rows)
        EXPECT_EQ(std::pair(LeadingNumberEnd(text), LeadingGroupedNumberEnd(text)), std::pair(end, groupedEnd))
            << text;
}

TEST_F(EngineTest, entries_read_in_part_are_said_and_read_as_before) {
    program.units.table[4] = {"ft", "m", 0.3048f, 0.0f};
    program.units.table[3] = {"in", "mm", 25.4f, 0.0f};
    worksheet({"1/4 EHS", "P 500"}, "16x5", "1", "20 ft", "abc");
    program.main.Text5.setText("0.8x");
    program.loading.Check1[0].setChecked(true);
    program.loading.Cells[15].setCaption("Glaze");
    program.loading.Cells[16].setCaption("32");
    program.loading.Cells[17].setCaption("abc");
    program.loading.Cells[18].setCaption("4 psf");
    program.loading.Cells[19].setCaption("");
    program.loading.Cells[22].setCaption("zzz");  // the second user loading is not ticked
    EXPECT_EQ(EntryReadingNotes(program),
              (std::vector<std::string>{"Span Length \"16x5\" is read as 16 ft.", "Creep \"abc\" is read as 0.",
                                        "Bundle Diameter \"0.8x\" is read as 0.8 in.",
                                        "Glaze Ice Thickness \"abc\" is read as 0 in."}));
    EXPECT_EQ(ReadSpanInputs(program).span, 16.0f);

    Recompute(program);
    EXPECT_EQ(program.main.ResultsNote.caption(),
              "Span Length \"16x5\" is read as 16 ft. Creep \"abc\" is read as 0. Bundle Diameter \"0.8x\" is "
              "read as 0.8 in. Glaze Ice Thickness \"abc\" is read as 0 in.");
    EXPECT_NE(program.main.Label4.caption().find("Span Length = 16.00 ft"), std::string::npos);

    // In percent mode the sag's unit is "%"; a sag read as 0 stops, and the note says why.
    program.main.Option1.select(1);
    worksheet({"1/4 EHS", "P 500"}, "150", "2 %", "", "0");
    program.loading.Check1[0].setChecked(false);
    program.main.Text5.setText("");
    EXPECT_TRUE(EntryReadingNotes(program).empty());
    worksheet({"1/4 EHS", "P 500"}, "150", "two", "", "0");
    Recompute(program);
    EXPECT_EQ(program.main.ResultsNote.caption(),
              "The results shown are not for the current entries: the sag is 0. Span Sag \"two\" is read as 0 %.");
}

TEST_F(EngineTest, values_outside_the_range_of_aerial_spans_are_noted) {
    struct Row {
        const char *span, *sag, *creep, *note;
    };
    // clang-format off
    const Row rows[] = {
        {"2000", "20", "0.05", ""},
        {"50000", "999", "0", "Note - A span of 50,000.00 ft is beyond the aerial spans this worksheet is for "
                                    "(up to 2,000 ft)."},
        {"100", "60", "0", "Note - A sag of 60.00 ft is more than half the span."},
        {"150", "3", "5", "Note - A creep of 5 changes the cable by 500 % under the loadings; the entry is a fraction "
                          "(0.05 is 5 %)."},
        {"150", "3", "-0.2", "Note - A creep of -0.2 changes the cable by -20 % under the loadings; the entry is a "
                             "fraction (0.05 is 5 %)."}};
    // clang-format on
    for (const Row& r : rows) {
        worksheet({"1/4 EHS"}, r.span, r.sag, "", r.creep);
        program.main.Option1.select(0);
        Recompute(program);
        EXPECT_EQ(program.main.ResultsNote.caption(), r.note) << r.span;
    }
}

TEST_F(EngineTest, a_placeholder_diameter_stops_the_worksheet_with_a_note) {
    worksheet({"1/4 EHS", "P 500", "P 750"}, "150", "3", "", "0", "Ovr 9.999");
    program.main.Text5.setText("9.999");
    program.placeholderDiameter = true;
    Recompute(program);
    EXPECT_EQ(std::tuple(program.main.Label4.caption(), program.main.ResultsNote.caption()),
              std::tuple("", "The bundle cannot be laid out with 3 cables: type its diameter under 'Enter "
                             "Bundle Diameter'."));
    program.placeholderDiameter = false;  // typed by the designer
    Recompute(program);
    EXPECT_NE(program.main.Label4.caption(), "");
}

// The results text writes 1,500 ft with a thousands group; typed back, it reads whole.
TEST_F(EngineTest, span_entries_read_thousands_groups_whole) {
    // clang-format off
    const std::tuple<const char*, const char*, float, float> rows[] = {  // span, creep, span read, creep read
        {"1,500", "0", 1500, 0}, {"1,500.50 ft", "0", 1500.5f, 0}, {"1,50", "0", 1, 0}, {"1500", "0,05", 1500, 0}};
    // clang-format on
    for (const auto& [span, creep, spanRead, creepRead] : rows) {
        worksheet({"1/4 EHS"}, span, "3", "", creep);
        const auto in = ReadSpanInputs(program);
        EXPECT_EQ(std::pair(in.span, in.creep), std::pair(spanRead, creepRead)) << span << " " << creep;
    }
}

}  // namespace
}  // namespace cn3::test

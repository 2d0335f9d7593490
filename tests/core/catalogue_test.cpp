#include "core/catalogue.h"

#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

using test::CatalogueFixture;

std::string joined(std::initializer_list<const char*> pieces) {
    std::string out;
    int i = 0;
    for (const char* piece : pieces) out += (i++ > 0 ? "\n\r" : "") + std::string(piece);
    return out;
}

std::variant<Catalogue, CatalogueError> read(const CatalogueFixture& fixture,
                                             std::uint8_t metric = 0,
                                             const char* lineEnd = "\r\n") {
    test::TempFolder folder;
    folder.write("CABLEDAT.TXT", fixture.bytes(lineEnd));
    return ReadCatalogue(folder.file("CABLEDAT.TXT"), metric);
}

Catalogue readOk(const CatalogueFixture& fixture, std::uint8_t metric = 0) {
    auto result = read(fixture, metric);
    if (auto* error = std::get_if<CatalogueError>(&result)) ADD_FAILURE() << error->text();
    return std::holds_alternative<Catalogue>(result) ? std::get<Catalogue>(std::move(result))
                                                     : Catalogue{};
}

TEST(catalogue_test, reads_every_section_in_file_order) {
    const Catalogue c = readOk(CatalogueFixture{});
    // Only the exact line "END" closes the help text.
    EXPECT_EQ(c.helpLines, (std::vector<std::string>{"Catenova help", "end", " END"}));
    EXPECT_EQ(c.units[1].metricLabel, "deg C");
    EXPECT_FLOAT_EQ(c.units[1].offset, 32.0f);
    EXPECT_EQ(c.units[13].englishLabel, "E13");
    EXPECT_FLOAT_EQ(c.units[13].factor, 13.5f);
    EXPECT_EQ(c.loadings[1].name, "Medium       ");
    EXPECT_EQ(c.loadings[3].name, "A name much l");
    EXPECT_EQ(c.loadings[4].name, "Wind, extreme");  // a quoted comma is text
    EXPECT_EQ(c.loadings[6].name, "U2           ");  // items run on across line ends
    EXPECT_FLOAT_EQ(c.loadings[6].temperature, 120.0f);
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
    EXPECT_FLOAT_EQ(c.resultUnitKinds[1], 8.0f);
    EXPECT_EQ(c.resultFormats[10], "#0.0");
    EXPECT_EQ(c.columnUnitKinds[4], 5);
    EXPECT_EQ(c.columnFormats[4], "0.0000000");
}

TEST(catalogue_test, headings_are_four_pieces_cut_where_the_english_unit_row_has_its_marks) {
    CatalogueFixture fixture;
    const Catalogue english = readOk(fixture, 0);
    EXPECT_EQ(english.cables.rows[0][0], joined({"", "", "Cable", "Name"}));
    EXPECT_EQ(english.cables.rows[0][2], joined({"Area", "Steel", "Area", "(in2)"}));
    EXPECT_EQ(english.cables.rows[0][7], joined({"", "Rated", "Strength", "(lb)"}));
    EXPECT_EQ(readOk(fixture, 1).cables.rows[0][3], joined({"", "Outside", "Diameter", "(mm)"}));
    // The metric row is cut at the English row's positions, not at its own marks.
    fixture.headings[4] =
        "Name     (mm)       (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)";
    const Catalogue metric = readOk(fixture, 1);
    EXPECT_EQ(metric.cables.rows[0][1], joined({"", "Nominal", "Size", "mm)"}));
    EXPECT_EQ(metric.cables.rows[1], english.cables.rows[1]);
}

TEST(catalogue_test, cable_lines_fill_fixed_columns_and_short_lines_keep_their_row) {
    CatalogueFixture fixture;
    fixture.cables = {
        "",
        "1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650",
        "ab",
        "LX 540    0.54      0         0.61",
        "RG6 VM    0.272     0.0020    0.35      0.0000064 0.035     59200     300 extra",
        "P 500     1",
        "Mystery",
        "ORF 24 SS"};
    const CableTable t = readOk(fixture).cables;
    EXPECT_EQ(t.rows[1][0], "");  // blank line: a counted, empty row
    EXPECT_EQ(t.rows[2][7], "6650");
    EXPECT_EQ(t.rows[3][0], "");  // too short to be a cable
    EXPECT_EQ(t.rows[4][3], "0.61");
    EXPECT_EQ(t.rows[4][4], "");
    EXPECT_EQ(t.rows[5][7], "300 extra");  // the last column runs to the line end
    EXPECT_EQ(t.rows[6][1], "");           // a column starting on the last character stays empty
    EXPECT_EQ(t.userSeparatorRow, 9);
    EXPECT_EQ(t.lastCableRow, 9);
    EXPECT_EQ(t.rows[9][0], "User Defined\n\rCables");
    const char* kinds[] = {"255", "255", "0", "255", "2", "4", "1", "255", "13", "255"};
    for (int row = 0; row <= 9; ++row) EXPECT_EQ(t.rows[row][field::kKindCode], kinds[row]) << row;
}

TEST(catalogue_test, no_cables_empty_help_and_lf_line_ends) {
    CatalogueFixture fixture;
    fixture.help = {"END"};
    fixture.cables.clear();
    const Catalogue c = readOk(fixture);
    EXPECT_TRUE(c.helpLines.empty());
    EXPECT_EQ(c.cables.userSeparatorRow, 1);
    EXPECT_EQ(c.cables.rows[1][0], "User Defined\n\rCables");
    auto lf = read(fixture, 0, "\n");
    ASSERT_TRUE(std::holds_alternative<Catalogue>(lf));
    EXPECT_EQ(std::get<Catalogue>(lf).cables.rows, c.cables.rows);
}

TEST(catalogue_test, latin1_texts_become_utf8_and_columns_count_file_characters) {
    CatalogueFixture fixture;
    fixture.help = {"Temp\xE9rature", "END"};
    fixture.cables = {
        "C\xE2"
        "ble     0.5"};
    const Catalogue c = readOk(fixture);
    EXPECT_EQ(c.helpLines[0], "Temp\xC3\xA9rature");
    EXPECT_EQ(c.cables.rows[1][0],
              "C\xC3\xA2"
              "ble");
    EXPECT_EQ(c.cables.rows[1][1], "0.5");
}

TEST(catalogue_test, malformed_files_are_refused_naming_the_line_and_fault) {
    // Each case replaces one section; `endsHere` also drops every section after it. The fault
    // lies on the section's last line, or on the file's last line when the file ends early.
    using Section = std::vector<std::string> CatalogueFixture::*;
    struct Case {
        Section section;
        std::vector<std::string> lines;
        bool endsHere;
        std::string fault;
    };
    std::vector<std::string> tooMany(199, "P 500     0.5");
    tooMany.push_back("P 625     0.625");
    const std::string badH4 = "Name      (in)  (in2) (in) (/F) (lb/ft) lb";
    const Case cases[] = {
        {&CatalogueFixture::help, {"help"}, true, "the help text has no closing line \"END\""},
        {&CatalogueFixture::loadings,
         {"\"Heavy\", 0, 0.5, 4, abc"},
         false,
         "the loading 0 load constant must be a number, not \"abc\""},
        {&CatalogueFixture::temperatures,
         {"-40, , 60"},
         false,
         "the upper end of the installed temperature must be a number, not \"\""},
        {&CatalogueFixture::temperatures,
         {"140, -40, 60"},
         false,
         "the installed temperatures must read lower end, upper end, then a starting value "
         "between them"},
        {&CatalogueFixture::resultKinds,
         {"1, 8, 9, 8, 4, 2, 0, 4, 4, 4, -1"},
         false,
         "the unit kind of result column 10 must lie in 0 to 20"},
        {&CatalogueFixture::columnKinds,
         {"0, 3, 3, 3, 5, 6, 2, 21, 0, 0"},
         false,
         "the unit kind of catalogue column 7 must lie in 0 to 20"},
        {&CatalogueFixture::columnFormats,
         {"\"\", \"##0.0###\""},
         true,
         "the file ends where the pattern of catalogue column 2 is due"},
        {&CatalogueFixture::headings,
         {"H1", "H2", "H3", badH4, badH4},
         false,
         "the English unit heading line H4 holds fewer than seven \"(\""},
        {&CatalogueFixture::headings, {"H1", "H2"}, true, "the file ends before heading line H3"},
        {&CatalogueFixture::cables, tooMany, false,
         "more than 199 cable lines; the cable table holds no more"},
    };
    for (const auto& c : cases) {
        CatalogueFixture fixture;
        fixture.*c.section = c.lines;
        if (c.endsHere) fixture.dropSectionsAfter(c.section);
        test::TempFolder folder;
        folder.write("CABLEDAT.TXT", fixture.bytes());
        const std::string path = folder.file("CABLEDAT.TXT");
        const auto result = ReadCatalogue(path, 0);
        ASSERT_TRUE(std::holds_alternative<CatalogueError>(result)) << c.fault;
        const int line =
            c.endsHere ? static_cast<int>(fixture.lines().size()) : fixture.lineOf(c.lines.back());
        EXPECT_EQ(
            std::get<CatalogueError>(result).text(),
            "The catalogue file " + path + ", line " + std::to_string(line) + ": " + c.fault + ".");
    }
    CatalogueFixture full;
    full.cables.assign(199, "P 500     0.5");
    EXPECT_EQ(readOk(full).cables.userSeparatorRow, 200);  // 199 lines still fit
    test::TempFolder empty;
    EXPECT_EQ(std::get<CatalogueError>(ReadCatalogue(empty.file("CABLEDAT.TXT"), 0)).text(),
              "The catalogue file " + empty.file("CABLEDAT.TXT") + " cannot be opened.");
}

}  // namespace
}  // namespace cn3

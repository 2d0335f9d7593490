#include <gtest/gtest.h>

#include "catalogue_fixture.h"
#include "core/cable_kind.h"
#include "core/catalogue.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

using test::CatalogueFixture;
using test::TempFolder;

std::string heading(std::initializer_list<const char*> pieces) {
    std::string joined;
    bool first = true;
    for (const char* piece : pieces) {
        if (!first) joined += kHeaderBreak;
        joined += piece;
        first = false;
    }
    return joined;
}

Catalogue readOk(const TempFolder& folder, const CatalogueFixture& fixture,
                 std::uint8_t metric = 0) {
    folder.write("CABLEDAT.TXT", fixture.bytes());
    auto result = ReadCatalogue(folder.file("CABLEDAT.TXT"), metric);
    if (const auto* error = std::get_if<CatalogueError>(&result)) {
        ADD_FAILURE() << error->text();
        return {};
    }
    return std::get<Catalogue>(std::move(result));
}

TEST(catalogue_test, reads_every_section_in_file_order) {
    TempFolder folder;
    const Catalogue c = readOk(folder, CatalogueFixture{});

    // Only the exact line "END" closes the help text.
    EXPECT_EQ(c.helpLines, (std::vector<std::string>{"Catenova help", "end", " END"}));

    EXPECT_EQ(c.units[1].englishLabel, "deg F");
    EXPECT_EQ(c.units[1].metricLabel, "deg C");
    EXPECT_FLOAT_EQ(c.units[1].factor, 0.5555556f);
    EXPECT_FLOAT_EQ(c.units[1].offset, 32.0f);
    EXPECT_EQ(c.units[13].englishLabel, "E13");
    EXPECT_FLOAT_EQ(c.units[13].factor, 13.5f);
    EXPECT_EQ(c.units[14].englishLabel, "");
    EXPECT_FLOAT_EQ(c.units[14].factor, 0.0f);

    EXPECT_EQ(c.loadings[0].name, "Heavy        ");
    EXPECT_EQ(c.loadings[1].name, "Medium       ");  // an unquoted text item
    EXPECT_EQ(c.loadings[3].name, "A name much l");
    EXPECT_EQ(c.loadings[4].name, "Wind, extreme");  // a quoted comma is text
    EXPECT_FLOAT_EQ(c.loadings[4].windPressure, 20.7f);
    // Items run on across line ends.
    EXPECT_EQ(c.loadings[6].name, "U2           ");
    EXPECT_FLOAT_EQ(c.loadings[6].temperature, 120.0f);
    EXPECT_FLOAT_EQ(c.loadings[6].loadConstant, 0.0f);

    EXPECT_EQ(c.tempLow, -40);
    EXPECT_EQ(c.tempHigh, 140);
    EXPECT_EQ(c.tempStart, 60);
    EXPECT_FLOAT_EQ(c.resultUnitKinds[1], 8.0f);
    EXPECT_EQ(c.resultFormats[5], "##,##0");
    EXPECT_EQ(c.resultFormats[10], "#0.0");
    EXPECT_EQ(c.columnUnitKinds[4], 5);
    EXPECT_EQ(c.columnFormats[0], "");
    EXPECT_EQ(c.columnFormats[4], "0.0000000");
    EXPECT_EQ(c.headingLines[4], CatalogueFixture{}.headings[4]);
}

TEST(catalogue_test, headings_join_four_pieces_cut_at_the_english_unit_row) {
    TempFolder folder;
    const Catalogue english = readOk(folder, CatalogueFixture{}, 0);
    EXPECT_EQ(english.cables.rows[0][0], heading({"", "", "Cable", "Name"}));
    EXPECT_EQ(english.cables.rows[0][2], heading({"Area", "Steel", "Area", "(in2)"}));
    EXPECT_EQ(english.cables.rows[0][3], heading({"", "Outside", "Diameter", "(in)"}));
    EXPECT_EQ(english.cables.rows[0][7], heading({"", "Rated", "Strength", "(lb)"}));
    EXPECT_EQ(english.cables.rows[0][8], "");

    const Catalogue metric = readOk(folder, CatalogueFixture{}, 1);
    EXPECT_EQ(metric.cables.rows[0][3], heading({"", "Outside", "Diameter", "(mm)"}));
    EXPECT_EQ(metric.cables.rows[0][6], heading({"", "Axial", "Stiffness", "(N)"}));
    EXPECT_EQ(metric.cables.rows[1], english.cables.rows[1]);  // cable texts stay English
}

TEST(catalogue_test, metric_headings_are_cut_at_the_english_positions) {
    CatalogueFixture fixture;
    // The metric row's own "(" marks are elsewhere; its texts are cut where H4 puts them.
    fixture.headings[4] = "Name     (mm)       (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)";
    TempFolder folder;
    const Catalogue metric = readOk(folder, fixture, 1);
    EXPECT_EQ(metric.cables.rows[0][0], heading({"", "", "Cable", "Name     ("}));
    EXPECT_EQ(metric.cables.rows[0][1], heading({"", "Nominal", "Size", "mm)"}));
}

TEST(catalogue_test, cable_lines_fill_fixed_columns_and_short_lines_keep_their_row) {
    CatalogueFixture fixture;
    fixture.cables = {
        "",
        "1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650",
        "ab",
        "LX 540    0.54      0         0.61",         // later columns stay empty
        "RG6 VM    0.272     0.0020    0.35      0.0000064 0.035     59200     300 extra",
        "ORF 24    0.40      0         0.40      0         0.047     0         0",
        "P 500     1",                                // column 1 starts on the last character
    };
    TempFolder folder;
    const CableTable t = readOk(folder, fixture).cables;

    for (int f = 0; f < field::kKindCode; ++f) {
        EXPECT_EQ(t.rows[1][static_cast<std::size_t>(f)], "");  // blank line: counted, left empty...
    }
    EXPECT_EQ(t.rows[1][field::kKindCode], "255");
    EXPECT_EQ(t.rows[2][0], "1/4 EHS");  // ...and the rows after it move down
    EXPECT_EQ(t.rows[2][3], "0.240");
    EXPECT_EQ(t.rows[2][7], "6650");
    EXPECT_EQ(t.rows[3][0], "");  // "ab" is too short to be a cable
    EXPECT_EQ(t.rows[4][3], "0.61");
    EXPECT_EQ(t.rows[4][4], "");
    EXPECT_EQ(t.rows[4][7], "");
    EXPECT_EQ(t.rows[5][7], "300 extra");  // the last column runs to the line end
    EXPECT_EQ(t.rows[7][0], "P 500");
    EXPECT_EQ(t.rows[7][1], "");

    EXPECT_EQ(t.userSeparatorRow, 8);
    EXPECT_EQ(t.lastCableRow, 8);
    EXPECT_EQ(t.rows[8][0], "User Defined\n\rCables");
    for (int f = 1; f < kCableFields - 1; ++f) EXPECT_EQ(t.rows[8][static_cast<std::size_t>(f)], "");
}

TEST(catalogue_test, kind_codes_come_from_names_and_user_rows_are_kind_5) {
    TempFolder folder;
    CatalogueFixture fixture;
    fixture.cables = {"", "1/4 EHS", "P 500 M", "ORF 24 SS", "Mystery", "RG6 VM"};
    CableTable t = readOk(folder, fixture).cables;
    const char* expected[] = {"255", "255", "0", "11", "13", "255", "4", "255"};
    for (int row = 0; row <= 7; ++row) {
        EXPECT_EQ(t.rows[static_cast<std::size_t>(row)][field::kKindCode], expected[row]) << row;
    }

    t.rows[8][0] = "1/4 EHS copy";
    t.rows[9][0] = "";
    t.lastCableRow = 9;
    AssignKindCodes(t);
    EXPECT_EQ(t.rows[8][field::kKindCode], "5");
    EXPECT_EQ(t.rows[9][field::kKindCode], "255");
    EXPECT_EQ(t.rows[7][field::kKindCode], "255");  // the separator's own name is no kind
}

TEST(catalogue_test, no_cable_lines_leaves_only_the_separator) {
    CatalogueFixture fixture;
    fixture.cables.clear();
    TempFolder folder;
    const CableTable t = readOk(folder, fixture).cables;
    EXPECT_EQ(t.userSeparatorRow, 1);
    EXPECT_EQ(t.lastCableRow, 1);
    EXPECT_EQ(t.rows[1][0], "User Defined\n\rCables");
}

TEST(catalogue_test, empty_help_and_lf_line_ends_are_read_alike) {
    CatalogueFixture fixture;
    fixture.help = {"END"};
    TempFolder folder;
    folder.write("LF.TXT", fixture.bytes("\n"));
    folder.write("CRLF.TXT", fixture.bytes("\r\n"));
    auto lf = ReadCatalogue(folder.file("LF.TXT"), 0);
    auto crlf = ReadCatalogue(folder.file("CRLF.TXT"), 0);
    ASSERT_TRUE(std::holds_alternative<Catalogue>(lf));
    ASSERT_TRUE(std::holds_alternative<Catalogue>(crlf));
    EXPECT_TRUE(std::get<Catalogue>(lf).helpLines.empty());
    EXPECT_EQ(std::get<Catalogue>(lf).cables.rows, std::get<Catalogue>(crlf).cables.rows);
    EXPECT_EQ(std::get<Catalogue>(lf).columnFormats, std::get<Catalogue>(crlf).columnFormats);
}

TEST(catalogue_test, latin1_texts_become_utf8) {
    CatalogueFixture fixture;
    fixture.help = {"Temp\xE9rature \xB0" "F", "END"};
    fixture.cables = {"", "C\xE2" "ble     0.5       0         0.57"};
    TempFolder folder;
    const Catalogue c = readOk(folder, fixture);
    EXPECT_EQ(c.helpLines[0], "Temp\xC3\xA9rature \xC2\xB0" "F");
    EXPECT_EQ(c.cables.rows[2][0], "C\xC3\xA2" "ble");
    EXPECT_EQ(c.cables.rows[2][1], "0.5");  // columns are counted in file characters
}

TEST(catalogue_test, the_table_takes_199_cable_lines_and_refuses_the_200th) {
    CatalogueFixture fixture;
    fixture.cables.assign(199, "P 500     0.5       0         0.57");
    TempFolder folder;
    const CableTable full = readOk(folder, fixture).cables;
    EXPECT_EQ(full.userSeparatorRow, 200);
    EXPECT_EQ(full.rows[200][0], "User Defined\n\rCables");

    fixture.cables.push_back("P 625     0.625");
    folder.write("CABLEDAT.TXT", fixture.bytes());
    const auto result = ReadCatalogue(folder.file("CABLEDAT.TXT"), 0);
    ASSERT_TRUE(std::holds_alternative<CatalogueError>(result));
    const auto& error = std::get<CatalogueError>(result);
    EXPECT_EQ(error.line, static_cast<int>(fixture.lines().size()));
    EXPECT_EQ(error.fault, "more than 199 cable lines; the cable table holds no more");
}

struct MalformedCase {
    const char* name;
    void (*spoil)(CatalogueFixture&);
    int (*line)(const CatalogueFixture&);
    const char* fault;
};

TEST(catalogue_test, malformed_files_are_refused_naming_the_line_and_fault) {
    const MalformedCase cases[] = {
        {"no END line",
         [](CatalogueFixture& f) {
             f.help = {"help"};
             f.units.clear(); f.loadings.clear(); f.temperatures.clear(); f.resultKinds.clear();
             f.resultFormats.clear(); f.columnKinds.clear(); f.columnFormats.clear();
             f.headings.clear(); f.cables.clear();
         },
         [](const CatalogueFixture&) { return 1; },
         "the help text has no closing line \"END\""},
        {"a word for a factor",
         [](CatalogueFixture& f) { f.units[3] = "\"Row 3\", \"in\", \"mm\", abc, 0"; },
         [](const CatalogueFixture& f) { return f.lineOf(f.units[3]); },
         "the unit row 3 factor must be a number, not \"abc\""},
        {"an empty loading temperature",
         [](CatalogueFixture& f) { f.loadings[0] = "\"Heavy\", , 0.5, 4, 0.3"; },
         [](const CatalogueFixture& f) { return f.lineOf(f.loadings[0]); },
         "the loading 0 temperature must be a number, not \"\""},
        {"a number with a unit",
         [](CatalogueFixture& f) { f.temperatures = {"-40, 140 F, 60"}; },
         [](const CatalogueFixture& f) { return f.lineOf(f.temperatures[0]); },
         "the upper end of the installed temperature must be a number, not \"140 F\""},
        {"ends swapped",
         [](CatalogueFixture& f) { f.temperatures = {"140, -40, 60"}; },
         [](const CatalogueFixture& f) { return f.lineOf(f.temperatures[0]); },
         "the installed temperatures must read lower end, upper end, then a starting value "
         "between them"},
        {"a unit kind past the table",
         [](CatalogueFixture& f) { f.columnKinds = {"0, 3, 3, 3, 5, 6, 2, 21, 0, 0"}; },
         [](const CatalogueFixture& f) { return f.lineOf(f.columnKinds[0]); },
         "the unit kind of catalogue column 7 must lie in 0 to 20"},
        {"a negative result kind",
         [](CatalogueFixture& f) { f.resultKinds = {"1, 8, 9, 8, 4, 2, 0, 4, 4, 4, -1"}; },
         [](const CatalogueFixture& f) { return f.lineOf(f.resultKinds[0]); },
         "the unit kind of result column 10 must lie in 0 to 20"},
        {"H4 with six marks",
         [](CatalogueFixture& f) {
             f.headings[3] = "Name      (in)      (in2)     (in)      (/F)      (lb/ft)   lb        (lb)";
         },
         [](const CatalogueFixture& f) { return f.lineOf(f.headings[3]); },
         "the English unit heading line H4 holds fewer than seven \"(\""},
        {"file ends inside the heading lines",
         [](CatalogueFixture& f) { f.headings.resize(2); f.cables.clear(); },
         [](const CatalogueFixture& f) { return static_cast<int>(f.lines().size()); },
         "the file ends before heading line H3"},
        {"file ends inside the patterns",
         [](CatalogueFixture& f) {
             f.columnFormats = {"\"\", \"##0.0###\""};
             f.headings.clear(); f.cables.clear();
         },
         [](const CatalogueFixture& f) { return static_cast<int>(f.lines().size()); },
         "the file ends where the pattern of catalogue column 2 is due"},
    };
    for (const auto& c : cases) {
        CatalogueFixture fixture;
        c.spoil(fixture);
        TempFolder folder;
        folder.write("CABLEDAT.TXT", fixture.bytes());
        const std::string path = folder.file("CABLEDAT.TXT");
        const auto result = ReadCatalogue(path, 0);
        ASSERT_TRUE(std::holds_alternative<CatalogueError>(result)) << c.name;
        const auto& error = std::get<CatalogueError>(result);
        EXPECT_EQ(error.file, path) << c.name;
        EXPECT_EQ(error.line, c.line(fixture)) << c.name;
        EXPECT_EQ(error.fault, c.fault) << c.name;
        EXPECT_EQ(error.text(), "The catalogue file " + path + ", line " +
                                    std::to_string(c.line(fixture)) + ": " + c.fault + ".")
            << c.name;
    }
}

TEST(catalogue_test, a_missing_file_is_refused_by_name) {
    TempFolder folder;
    const std::string path = folder.file("CABLEDAT.TXT");
    const auto result = ReadCatalogue(path, 0);
    ASSERT_TRUE(std::holds_alternative<CatalogueError>(result));
    EXPECT_EQ(std::get<CatalogueError>(result).text(),
              "The catalogue file " + path + " cannot be opened.");
}

}  // namespace
}  // namespace cn3

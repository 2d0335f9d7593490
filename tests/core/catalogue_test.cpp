#include "core/catalogue.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace cn3 {
namespace {

// Section numbers in the file order of fixture().
constexpr int kHelp = 0, kUnits = 1, kLoadings = 2, kTemps = 3, kResultKinds = 4, kColumnKinds = 6,
              kColumnFormats = 7, kHeadings = 8, kCables = 9;
using Sections = std::vector<std::vector<std::string>>;

// A small catalogue file, section by section in file order, so that a test can spoil one.
Sections fixture() {
    Sections s = {
        {"Catenova help", "end", " END", "END"},
        {},
        {"\"Heavy\", 0, 0.5, 4, 0.3", "Medium, 15, 0.25, 4, 0.2", "\"Light\", 30, 0, 9, 0.05",
         "\"A name much longer than thirteen\", 32, 0.5, 0, 0", "\"Wind, extreme\", 60, 0, 20.7, 0",
         "\"U1\",15,0.75,2.3,0", "\"U2\",", "120, 0,", "0, 0"},
        {"-40, 140, 60"},
        {"1, 8, 9, 8, 4, 2, 0, 4, 4, 4, 0"},
        {"\"##0.#;;\", \"#0.000\", \"##0.0\", \"#0.000\", \"##0.00\", \"##,##0\",",
         "\"#0.000\", \"##0.00\", \"##0.00\", \"##0.00\", \"#0.0\""},
        {"0, 3, 3, 3, 5, 6, 2, 2, 0, 0"},
        {"\"\", \"##0.0###\", \"##0.0###\", \"##0.000\", \"0.0000000\", \"#0.0000\", \"#,##0\", "
         "\"###,##0\", \"\", \"\""},
        // Columns start at 1, 11, 21, ..., 71.
        {"                    Area",
         "          Nominal   Steel     Outside   Thermal   Unit      Axial     Rated",
         "Cable     Size      Area      Diameter  Coeff.    Weight    Stiffness Strength",
         "Name      (in)      (in2)     (in)      (/F)      (lb/ft)   (lb)      (lb)",
         "Name      (mm)      (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)"},
        {"", "1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650"}};
    for (int k = 0; k <= 13; ++k) {
        const std::string n = std::to_string(k);
        s[kUnits].push_back(k == 1 ? "\"Temperature\", \"deg F\", \"deg C\", 0.5555556, 32"
                                   : "\"Row " + n + "\", \"E" + n + "\", \"M" + n + "\", " + n +
                                         ".5, 0");
    }
    return s;
}

std::variant<Catalogue, CatalogueError> read(const test::TempFolder& folder, const Sections& s,
                                             std::uint8_t metric = 0,
                                             const char* lineEnd = "\r\n") {
    std::string bytes;
    for (const auto& section : s)
        for (const auto& line : section) bytes += line + lineEnd;
    folder.write("CABLEDAT.TXT", bytes);
    return ReadCatalogue(folder.file("CABLEDAT.TXT"), metric);
}

Catalogue readOk(const Sections& s, std::uint8_t metric = 0, const char* lineEnd = "\r\n") {
    auto result = read(test::TempFolder{}, s, metric, lineEnd);
    if (auto* c = std::get_if<Catalogue>(&result)) return std::move(*c);
    ADD_FAILURE() << std::get<CatalogueError>(result).text();
    return {};
}

std::string joined(const char* h1, const char* h2, const char* h3, const char* h4) {
    return std::string(h1) + "\n\r" + h2 + "\n\r" + h3 + "\n\r" + h4;
}

TEST(catalogue_test, reads_every_section_in_file_order) {
    const Catalogue c = readOk(fixture());
    // Only the exact line "END" closes the help text.
    EXPECT_EQ(c.helpLines, (std::vector<std::string>{"Catenova help", "end", " END"}));
    // A quoted comma is text; items run on across line ends.
    EXPECT_EQ(
        (std::vector<std::string>{c.units[1].metricLabel, c.units[13].englishLabel,
                                  c.loadings[1].name, c.loadings[3].name, c.loadings[4].name,
                                  c.loadings[6].name, c.resultFormats[10], c.columnFormats[4]}),
        (std::vector<std::string>{"deg C", "E13", "Medium       ", "A name much l", "Wind, extreme",
                                  "U2           ", "#0.0", "0.0000000"}));
    EXPECT_EQ((std::array{c.units[1].offset, c.units[13].factor, c.loadings[6].temperature,
                          c.resultUnitKinds[1]}),
              (std::array{32.0f, 13.5f, 120.0f, 8.0f}));
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
    EXPECT_EQ(c.columnUnitKinds[4], 5);
}

TEST(catalogue_test, headings_are_four_pieces_cut_where_the_english_unit_row_has_its_marks) {
    Sections s = fixture();
    const Catalogue english = readOk(s, 0);
    EXPECT_EQ(english.cables.rows[0][0], joined("", "", "Cable", "Name"));
    EXPECT_EQ(english.cables.rows[0][2], joined("Area", "Steel", "Area", "(in2)"));
    EXPECT_EQ(english.cables.rows[0][7], joined("", "Rated", "Strength", "(lb)"));
    EXPECT_EQ(readOk(s, 1).cables.rows[0][3], joined("", "Outside", "Diameter", "(mm)"));
    // The metric row is cut at the English row's positions, not at its own marks.
    s[kHeadings][4] = "Name     (mm)       (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)";
    const Catalogue metric = readOk(s, 1);
    EXPECT_EQ(metric.cables.rows[0][1], joined("", "Nominal", "Size", "mm)"));
    EXPECT_EQ(metric.cables.rows[1], english.cables.rows[1]);
}

// Rows: blank (a counted, empty row); too short to be a cable; the last column runs to the line
// end; a column starting on the last character stays empty; Latin-1 counts file characters.
TEST(catalogue_test, cable_lines_fill_fixed_columns_and_short_lines_keep_their_row) {
    Sections s = fixture();
    s[kCables] = {"",
                  "1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650",
                  "ab",
                  "LX 540    0.54      0         0.61",
                  "RG6 VM    0.272     0.0020    0.35      0.0000064 0.035     59200     300 extra",
                  "P 500     1",
                  "Mystery",
                  "ORF 24 SS",
                  "C\342ble     0.5"};
    const CableTable t = readOk(s).cables;
    const std::vector<std::string> cells = {t.rows[1][0], t.rows[2][7], t.rows[3][0], t.rows[4][3],
                                            t.rows[4][4], t.rows[5][7], t.rows[6][1], t.rows[9][0],
                                            t.rows[9][1], t.rows[10][0]};
    EXPECT_EQ(cells, (std::vector<std::string>{"", "6650", "", "0.61", "", "300 extra", "",
                                               "C\303\242ble", "0.5", "User Defined\n\rCables"}));
    EXPECT_EQ(std::tie(t.userSeparatorRow, t.lastCableRow), std::make_tuple(10, 10));
    const char* kinds[] = {"255", "255", "0", "255", "2", "4", "1", "255", "13", "1", "255"};
    for (int row = 0; row <= 10; ++row) EXPECT_EQ(t.rows[row][field::kKindCode], kinds[row]) << row;
}

TEST(catalogue_test, no_cables_latin1_help_and_lf_line_ends) {
    Sections s = fixture();
    s[kHelp] = {"END"};
    s[kCables].clear();
    const Catalogue c = readOk(s);
    EXPECT_TRUE(c.helpLines.empty());
    EXPECT_EQ(c.cables.userSeparatorRow, 1);
    EXPECT_EQ(c.cables.rows[1][0], "User Defined\n\rCables");
    EXPECT_EQ(readOk(s, 0, "\n").cables.rows, c.cables.rows);
    s[kHelp] = {"Temp\351rature", "END"};
    EXPECT_EQ(readOk(s).helpLines[0], "Temp\303\251rature");
}

// Each case replaces one section and, when `endsHere`, drops every section after it. The line
// numbers are counted by hand: the sections end on lines 4, 18, 27, 28, 29, 31, 32, 33, 38, 40.
TEST(catalogue_test, malformed_files_are_refused_naming_the_line_and_fault) {
    // Section, whether the file ends there, its lines (CR LF between), line and fault.
    using Case = std::tuple<int, bool, std::string, std::string>;
    std::string tooMany;
    for (int i = 0; i < 199; ++i) tooMany += "P 500     0.5\r\n";
    const std::string badH4 = "Name      (in)  (in2) (in) (/F) (lb/ft) lb";
    const Case cases[] = {
        {kHelp, true, "help", "1: the help text has no closing line \"END\""},
        {kLoadings, false, "\"Heavy\", 0, 0.5, 4, abc",
         "19: the loading 0 load constant must be a number, not \"abc\""},
        {kTemps, false, "-40, , 60",
         "28: the upper end of the installed temperature must be a number, not \"\""},
        {kTemps, false, "140, -40, 60",
         "28: the installed temperatures must read lower end, upper end, then a starting value "
         "between them"},
        {kResultKinds, false, "1, 8, 9, 8, 4, 2, 0, 4, 4, 4, -1",
         "29: the unit kind of result column 10 must lie in 0 to 20"},
        {kColumnKinds, false, "0, 3, 3, 3, 5, 6, 2, 21, 0, 0",
         "32: the unit kind of catalogue column 7 must lie in 0 to 20"},
        {kColumnFormats, true, "\"\", \"##0.0###\"",
         "33: the file ends where the pattern of catalogue column 2 is due"},
        {kHeadings, false, "H1\r\nH2\r\nH3\r\n" + badH4 + "\r\n" + badH4,
         "37: the English unit heading line H4 holds fewer than seven \"(\""},
        {kHeadings, true, "H1\r\nH2", "35: the file ends before heading line H3"},
        {kCables, false, tooMany + "P 625     0.625",
         "238: more than 199 cable lines; the cable table holds no more"}};
    test::TempFolder folder;
    for (const auto& [section, endsHere, lines, fault] : cases) {
        Sections s = fixture();
        s[section] = {lines};
        if (endsHere) s.resize(section + 1);
        const auto result = read(folder, s);
        ASSERT_TRUE(std::holds_alternative<CatalogueError>(result)) << fault;
        EXPECT_EQ(std::get<CatalogueError>(result).text(),
                  "The catalogue file " + folder.file("CABLEDAT.TXT") + ", line " + fault + ".");
    }
    Sections full = fixture();
    full[kCables].assign(199, "P 500     0.5");
    EXPECT_EQ(readOk(full).cables.userSeparatorRow, 200);  // 199 lines still fit
    EXPECT_EQ(std::get<CatalogueError>(ReadCatalogue(folder.file("NONE.TXT"), 0)).text(),
              "The catalogue file " + folder.file("NONE.TXT") + " cannot be opened.");
}

}  // namespace
}  // namespace cn3

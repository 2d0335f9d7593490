#include "core/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <span>
#include <sstream>

#include "core/cable_kind.h"
#include "core/item_reader.h"
#include "core/number_format.h"
#include "core/raw_text_file.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

// A small catalogue file, written with CR LF line ends. Its sections end on lines 4 (help), 7
// (unit rows; items run on across line ends), 12 (loadings), 13 (installed temperatures), 15
// (result columns), 17 (catalogue columns), 22 (headings; columns start at 1, 11, 21, ..., 71)
// and 31 (a blank cable line, then cables). Latin-1 bytes are read as file characters.
constexpr std::string_view kFile =
    "Catenova h\351lp\n"
    R"(end
 END
END
"Row 0", "E0", "M0", 0.5, 0, "Temperature", "deg F", "deg C", 0.5555556, 32
x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, x,a,b,1,0
x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, x,a,b,1,0, "Row 13", "E13", "M13", 13.5, 0
"Heavy", 0, 0.5, 4, 0.3, Medium, 15, 0.25, 4, 0.2
"Light", 30, 0, 9, 0.05, "A name much longer than thirteen", 32, 0.5, 0, 0
"Wind, extreme", 60, 0, 20.7, 0, "U1",15,0.75,2.3,0, "U2",
120, 0,
0, 0
-40, 140, 60
1, 8, 9, 8, 4, 2, 0, 4, 4, 4, 0
"##0.#;;", "#0.000", "##0.0", "#0.000", "##0.00", "##,##0", "#0", "#0", "#0", "#0", "#0.0"
0, 3, 3, 3, 5, 6, 2, 2, 0, 0
"", "##0.0###", "##0.0###", "##0.000", "0.0000000", "#0.0000", "#,##0", "###,##0", "", ""
                    Area
          Nominal   Steel     Outside   Thermal   Unit      Axial     Rated
Cable     Size      Area      Diameter  Coeff.    Weight    Stiffness Strength
Name      (in)      (in2)     (in)      (/F)      (lb/ft)   (lb)      (lb)
Name      (mm)      (mm2)     (mm)      (/C)      (kg/m)    (N)       (N)

1/4 EHS   0.25      0.0352    0.240     0.0000064 0.121     950400    6650
)"
    "ab\nLX 540    0.54      0         0.61\nP 500     1\nMystery\nORF 24 SS\nC\342ble     0.5\n"
    "RG6 VM    0.272     0.0020    0.35      0.0000064 0.035     59200     300 extra\n";

// kFile with `from` replaced by `to`; when `cut`, the file ends there.
std::string spoiled(std::string_view from, std::string_view to, bool cut = false) {
    std::string text(kFile);
    const std::size_t at = text.find(from);  // a cut replaces the rest of the file
    return text.replace(at, cut ? std::string::npos : from.size(), to) + (cut ? "\n" : "");
}

// The path of `folder`'s catalogue file, written from `text` with `lineEnd` for each "\n".
std::string written(const test::TempFolder& folder, std::string_view text,
                    const char* lineEnd = "\r\n") {
    std::string bytes;
    for (char c : text) bytes += c == '\n' ? std::string(lineEnd) : std::string(1, c);
    folder.write("CABLEDAT.TXT", bytes);
    return folder.file("CABLEDAT.TXT");
}

Catalogue loaded(const std::string& path, std::uint8_t metric = 0) {
    auto result = ReadCatalogue(path, metric);
    EXPECT_TRUE(result.ok()) << result.error().text();
    return std::move(result.value());  // a fault also throws, failing the test
}

std::string joined(const char* h1, const char* h2, const char* h3, const char* h4) {
    return std::string(h1) + "\n\r" + h2 + "\n\r" + h3 + "\n\r" + h4;
}

TEST(catalogue_test, reads_every_section_in_file_order_with_cr_lf_or_lf_line_ends) {
    const test::TempFolder folder;
    const Catalogue c = loaded(written(folder, kFile));
    // Only the exact line "END" closes the help text.
    EXPECT_EQ(c.helpLines, (std::vector<std::string>{"Catenova h\303\251lp", "end", " END"}));
    EXPECT_EQ(loaded(written(folder, spoiled(" END", "END "))).helpLines[2], "END ");
    // A quoted comma is text; items run on across line ends.
    EXPECT_EQ(
        (std::vector<std::string>{c.units[1].metricLabel, c.units[13].englishLabel,
                                  c.loadings[1].name, c.loadings[3].name, c.loadings[4].name,
                                  c.loadings[6].name, c.resultFormats[10], c.columnFormats[4]}),
        (std::vector<std::string>{"deg C", "E13", "Medium       ", "A name much l", "Wind, extreme",
                                  "U2           ", "#0.0", "0.0000000"}));
    EXPECT_EQ((std::array{c.units[1].offset, c.units[13].factor, c.loadings[6].temperature,
                          c.resultUnitKinds[1], float(c.columnUnitKinds[4])}),
              (std::array{32.0f, 13.5f, 120.0f, 8.0f, 5.0f}));
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
    const Catalogue lf = loaded(written(folder, kFile, "\n"));
    EXPECT_EQ(std::tie(lf.helpLines, lf.cables.rows), std::tie(c.helpLines, c.cables.rows));
    // Headings are four pieces cut where the English unit row has its marks.
    const CableRecord& english = c.cables.rows[0];
    EXPECT_EQ(english[0], joined("", "", "Cable", "Name"));
    EXPECT_EQ(english[2], joined("Area", "Steel", "Area", "(in2)"));
    EXPECT_EQ(english[7], joined("", "Rated", "Strength", "(lb)"));
    // Metric headings end with H5, cut at the English row's positions, not at its own marks.
    const std::string shifted = spoiled("Name      (mm)", "Name     (mm) ");
    const CableRecord metric = loaded(written(folder, shifted), 1).cables.rows[0];
    EXPECT_EQ(metric[1], joined("", "Nominal", "Size", "mm)"));
    EXPECT_EQ(metric[3], joined("", "Outside", "Diameter", "(mm)"));
}

// Rows: blank (a counted, empty row); too short to be a cable; the last column runs to the line
// end; a column starting on the last character stays empty; Latin-1 counts file characters.
// Blanks around an unquoted item are dropped, those inside quotes kept; items run over line
// ends, and a comma at a line end only separates.
TEST(item_reader_test, unquoted_items_lose_their_surrounding_blanks) {
    const std::vector<std::string> lines = {"  Wet snow  ,\"  quoted \" , 12 \t,", "", " last "};
    ItemReader items(lines, 0);
    std::vector<std::string> read;
    while (auto item = items.next()) read.push_back(*item);
    EXPECT_EQ(read, (std::vector<std::string>{"Wet snow", "  quoted ", "12", "last"}));
}

TEST(catalogue_test, cable_lines_fill_fixed_columns_and_short_lines_keep_their_row) {
    const CableTable t = loaded(written(test::TempFolder{}, kFile)).cables;
    const std::vector<std::string> cells = {t.rows[1][0], t.rows[2][7], t.rows[3][0], t.rows[4][3],
                                            t.rows[4][4], t.rows[9][7], t.rows[5][1], t.rows[8][0],
                                            t.rows[8][1], t.rows[10][0]};
    EXPECT_EQ(cells, (std::vector<std::string>{"", "6650", "", "0.61", "", "300 extra", "",
                                               "C\303\242ble", "0.5", "User Defined\n\rCables"}));
    EXPECT_EQ(std::tie(t.userSeparatorRow, t.lastCableRow), std::make_tuple(10, 10));
    const char* kinds[] = {"255", "255", "0", "255", "2", "1", "255", "13", "1", "4", "255"};
    for (int row = 0; row <= 10; ++row) EXPECT_EQ(t.rows[row][field::kKindCode], kinds[row]) << row;
}

// The line numbers are counted by hand from the section ends above kFile.
TEST(catalogue_test, no_to_199_cable_lines_fit_and_malformed_files_name_the_line_and_fault) {
    const test::TempFolder folder;
    std::string fill = "P 500     0.5";  // with the blank line, 199 cable lines: the most that fit
    for (int i = 0; i < 197; ++i) fill += "\nP 500     0.5";
    EXPECT_EQ(loaded(written(folder, spoiled("1/4 EHS", fill, true))).cables.userSeparatorRow, 200);
    EXPECT_EQ(loaded(written(folder, spoiled("\n\n1/4 EHS", "", true))).cables.userSeparatorRow, 1);
    // clang-format off
    // From, to, cut, fault.
    const std::tuple<const char*, std::string, bool, const char*> cases[] = {
        {"Catenova h", "help", true, "1: the help text has no closing line \"END\""},
        {"4, 0.3", "4, abc", false, "8: the loading 0 load constant must be a number, not \"abc\""},
        {"-40, 140", "-40, ", false,
         "13: the upper end of the installed temperature must be a number, not \"\""},
        {"-40, 140", "140, -40", false, "13: the installed temperatures must read lower end, "
         "upper end, then a starting value between them"},
        {"4, 4, 4, 0", "4, 4, 4, -1", false,
         "14: the unit kind of result column 10 must lie in 0 to 20"},
        {"2, 2, 0, 0", "2, 21, 0, 0", false,
         "16: the unit kind of catalogue column 7 must lie in 0 to 20"},
        {"\"\", \"##0.0###\", ", "\"\", \"##0.0###\"", true,
         "17: the file ends where the pattern of catalogue column 2 is due"},
        {"(lb)      (lb)", "(lb)      lb", false,
         "21: the English unit heading line H4 holds fewer than seven \"(\""},
        {"                    Area", "H1\nH2", true, "19: the file ends before heading line H3"},
        {"1/4 EHS", fill + "\nP 625     0.625", true,
         "222: more than 199 cable lines; the cable table holds no more"}};
    // clang-format on
    for (const auto& [from, to, cut, fault] : cases) {
        const auto result = ReadCatalogue(written(folder, spoiled(from, to, cut)), 0);
        ASSERT_FALSE(result.ok()) << fault;
        EXPECT_EQ(result.error().text(),
                  "The catalogue file " + folder.file("CABLEDAT.TXT") + ", line " + fault + ".");
    }
    EXPECT_EQ(ReadCatalogue(folder.file("NONE.TXT"), 0).error().text(),
              "The catalogue file " + folder.file("NONE.TXT") + " cannot be opened.");
}

const std::string kShipped = CN3_SHIPPED_DATA_DIR "/CABLEDAT.TXT";

TEST(shipped_catalogue_test, loads_the_documented_cables_kinds_loadings_and_range) {
    const Catalogue c = loaded(kShipped);
    EXPECT_EQ(c.cables.rows[1][field::kName], "");  // family tabs never list the first row
    std::map<int, int> kinds;
    for (int row = 2; row < c.cables.userSeparatorRow; ++row)
        ++kinds[CableKindOf(c.cables.rows[row][field::kName])];
    EXPECT_EQ(kinds, (std::map<int, int>{
                         {0, 4}, {1, 5}, {11, 2}, {2, 2}, {12, 1}, {3, 4}, {13, 2}, {4, 2}}));
    const int quarter = c.cables.find("1/4 EHS 6M").value_or(0);
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kAxialStiffness), 27e6 * 0.0352);
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kThermalCoefficient), 0.0000064);
    std::ostringstream loadings;
    for (const LoadingRecord& l : std::span(c.loadings).first(4))
        loadings << l.name << l.temperature << ' ' << l.iceThickness << ' ' << l.windPressure << ' '
                 << l.loadConstant << ';';
    EXPECT_EQ(loadings.str(),
              "Heavy        0 0.5 4 0.3;Medium       15 0.25 4 0.2;"
              "Light        30 0 9 0.05;Ice 32F      32 0.5 0 0;");
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
}

// Every figure is plain decimal ("6.4e-6" would read as 6.4 through the leading-number parse)
// and shows as a non-zero number in both unit systems, as does a typical value of every result
// column; strands, drops and carriers have stiffness, strength and a thermal coefficient.
TEST(shipped_catalogue_test, every_figure_reads_whole_and_shows_in_both_unit_systems) {
    const float typical[] = {15, 0.42f, 4, 0.75f, 2.1f, 1850, 0.035f, 1.2f, 0.5f, 1.9f, 14.2f};
    for (std::uint8_t metric : {0, 1}) {
        const Catalogue c = loaded(kShipped, metric);
        const auto shows = [units = Units{c.units, metric}](int kind, double value, auto pattern) {
            return LeadingNumber(units.toDisplay(kind, static_cast<float>(value), pattern)) != 0;
        };
        for (int row = 2; row < c.cables.userSeparatorRow; ++row) {
            for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
                const std::string& text = c.cables.rows[row][f];
                const double whole = ParseDecimal(text).value_or(NAN);
                EXPECT_TRUE(text.find_first_of("eE") == std::string::npos &&
                            LeadingNumber(text) == whole &&
                            (whole == 0 || shows(c.columnUnitKinds[f], whole, c.columnFormats[f])))
                    << int(metric) << ' ' << row << ' ' << f;
            }
            const CableKind kind = CableKindOf(c.cables.rows[row][field::kName]);
            const auto number = [&](int f) { return c.cables.number(row, f); };
            EXPECT_TRUE((kind != kStrandKind && kind != kDropKind && kind <= 10) ||
                        (number(field::kAxialStiffness) > 10000 &&
                         number(field::kThermalCoefficient) > 0 &&
                         number(field::kRatedBreakingStrength) > 100))
                << row;
        }
        for (std::size_t k = 0; k < 11; ++k)
            EXPECT_TRUE(shows(int(c.resultUnitKinds[k]), typical[k], c.resultFormats[k]))
                << int(metric) << " result " << k;
        EXPECT_TRUE(c.cables.rows[0][3].ends_with(metric ? "\r(mm)" : "\r(in)"));
    }
}

// The settings file asks for the unit system on the first run and names a district.
TEST(shipped_catalogue_test, data_files_are_ascii_cr_lf_and_ask_for_units_on_first_run) {
    const std::string bytes = ReadFileBytes(kShipped).value_or("");
    ASSERT_GT(bytes.size(), 2u);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        ASSERT_TRUE(static_cast<unsigned char>(bytes[i]) < 0x80 &&
                    (bytes[i] != '\n' || bytes[i - 1] == '\r'))
            << i;
    EXPECT_EQ(ReadFileBytes(std::string(CN3_SHIPPED_DATA_DIR) + "/CN3NESC.TXT"),
              "?NotSet\r\n0\r\n");
}

}  // namespace
}  // namespace cn3

#include <gtest/gtest.h>

#include <map>

#include "core/cable_kind.h"
#include "core/catalogue.h"
#include "core/item_reader.h"
#include "core/number_format.h"
#include "core/raw_text_file.h"
#include "core/settings_file.h"

namespace cn3 {
namespace {

const std::string kData = CN3_SHIPPED_DATA_DIR;

Catalogue shipped(std::uint8_t metric) {
    auto result = ReadCatalogue(kData + "/CABLEDAT.TXT", metric);
    if (auto* c = std::get_if<Catalogue>(&result)) return std::move(*c);
    ADD_FAILURE() << std::get<CatalogueError>(result).text();
    return {};
}

TEST(shipped_catalogue_test, loads_the_documented_cables_kinds_loadings_and_range) {
    const Catalogue c = shipped(0);
    EXPECT_EQ(c.cables.rows[1][field::kName], "");  // family tabs never list the first row
    std::map<int, int> kinds;
    for (int row = 2; row < c.cables.userSeparatorRow; ++row)
        ++kinds[CableKindOf(c.cables.rows[row][field::kName])];
    EXPECT_EQ(kinds, (std::map<int, int>{
                         {0, 4}, {1, 5}, {11, 2}, {2, 2}, {12, 1}, {3, 4}, {13, 2}, {4, 2}}));
    const int quarter = c.cables.find("1/4 EHS 6M").value_or(0);
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kAxialStiffness), 27e6 * 0.0352);
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kThermalCoefficient), 0.0000064);
    std::vector<std::array<float, 4>> loadings;
    for (const LoadingRecord& l : c.loadings)
        loadings.push_back({l.temperature, l.iceThickness, l.windPressure, l.loadConstant});
    loadings.resize(3);
    EXPECT_EQ(loadings, (std::vector<std::array<float, 4>>{
                            {0, 0.5f, 4, 0.3f}, {15, 0.25f, 4, 0.2f}, {30, 0, 9, 0.05f}}));
    EXPECT_EQ(c.loadings[3].name, "Ice 32F      ");
    EXPECT_EQ(c.loadings[3].windPressure, 0.0f);
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
}

// Every figure is plain decimal ("6.4e-6" would read as 6.4 through the leading-number parse),
// carriers are complete, and every value and typical result shows in both unit systems.
TEST(shipped_catalogue_test, every_figure_reads_whole_and_shows_in_both_unit_systems) {
    const float typical[] = {15, 0.42f, 4, 0.75f, 2.1f, 1850, 0.035f, 1.2f, 0.5f, 1.9f, 14.2f};
    for (std::uint8_t metric : {0, 1}) {
        const Catalogue c = shipped(metric);
        const Units units{c.units, metric};
        for (int row = 2; row < c.cables.userSeparatorRow; ++row) {
            for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
                const std::string& text = c.cables.rows[row][f];
                const auto whole = ParseDecimal(text);
                ASSERT_TRUE(whole && text.find_first_of("eE") == std::string::npos &&
                            LeadingNumber(text) == *whole)
                    << row << ' ' << f;
                const std::string shown = units.toDisplay(
                    c.columnUnitKinds[f], static_cast<float>(*whole), c.columnFormats[f]);
                EXPECT_TRUE(*whole == 0 || LeadingNumber(shown) != 0.0)
                    << int(metric) << ' ' << row << ' ' << f;
            }
            const CableKind kind = CableKindOf(c.cables.rows[row][field::kName]);
            if (kind == kStrandKind || kind == kDropKind || kind > 10) {
                EXPECT_GT(c.cables.number(row, field::kAxialStiffness), 10000.0) << row;
                EXPECT_GT(c.cables.number(row, field::kRatedBreakingStrength), 100.0) << row;
                EXPECT_GT(c.cables.number(row, field::kThermalCoefficient), 0.0) << row;
            }
        }
        for (std::size_t k = 0; k < 11; ++k) {
            const std::string shown = units.toDisplay(static_cast<int>(c.resultUnitKinds[k]),
                                                      typical[k], c.resultFormats[k]);
            EXPECT_NE(LeadingNumber(shown), 0.0) << int(metric) << " result " << k;
        }
        EXPECT_TRUE(c.cables.rows[0][3].ends_with(metric ? "\r(mm)" : "\r(in)"));
    }
}

TEST(shipped_catalogue_test, data_files_are_ascii_cr_lf_and_ask_for_units_on_first_run) {
    for (const char* name : {"/CABLEDAT.TXT", "/CN3NESC.TXT"}) {
        const std::string bytes = ReadFileBytes(kData + name).value_or("");
        ASSERT_GT(bytes.size(), 2u) << name;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x80) << name << ' ' << i;
            ASSERT_TRUE(bytes[i] != '\n' || bytes[i - 1] == '\r') << name << ' ' << i;
        }
    }
    const std::string settings = ReadFileBytes(kData + "/CN3NESC.TXT").value_or("");
    EXPECT_EQ(settings.front(), '?');
    EXPECT_EQ(settings.find("\r\n"), 7u);  // the first-run rewrite replaces exactly line 1
    EXPECT_TRUE(ReadSettingsFile(kData + "/CN3NESC.TXT").district.has_value());
}

}  // namespace
}  // namespace cn3

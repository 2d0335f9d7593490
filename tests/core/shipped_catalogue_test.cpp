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
    if (auto* error = std::get_if<CatalogueError>(&result)) ADD_FAILURE() << error->text();
    return std::holds_alternative<Catalogue>(result) ? std::get<Catalogue>(std::move(result))
                                                     : Catalogue{};
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

    const float districts[3][4] = {{0, 0.5f, 4, 0.3f}, {15, 0.25f, 4, 0.2f}, {30, 0, 9, 0.05f}};
    for (int d = 0; d < 3; ++d) {
        const LoadingRecord& l = c.loadings[d];
        EXPECT_EQ((std::array{l.temperature, l.iceThickness, l.windPressure, l.loadConstant}),
                  (std::array{districts[d][0], districts[d][1], districts[d][2], districts[d][3]}))
            << d;
    }
    EXPECT_EQ(c.loadings[3].name, "Ice 32F      ");
    EXPECT_EQ(c.loadings[3].windPressure, 0.0f);
    EXPECT_EQ(std::tie(c.tempLow, c.tempHigh, c.tempStart), std::make_tuple(-40, 140, 60));
}

TEST(shipped_catalogue_test, every_figure_is_plain_decimal_and_carriers_are_complete) {
    const Catalogue c = shipped(0);
    for (int row = 2; row < c.cables.userSeparatorRow; ++row) {
        for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
            // "6.4e-6" would read as 6.4 through the leading-number parse.
            const auto whole = ParseDecimal(c.cables.rows[row][f]);
            ASSERT_TRUE(whole && c.cables.rows[row][f].find_first_of("eE") == std::string::npos &&
                        LeadingNumber(c.cables.rows[row][f]) == *whole)
                << row << ' ' << f;
        }
        const CableKind kind = CableKindOf(c.cables.rows[row][field::kName]);
        if (kind == kStrandKind || kind == kDropKind || kind > 10) {
            EXPECT_GT(c.cables.number(row, field::kAxialStiffness), 10000.0) << row;
            EXPECT_GT(c.cables.number(row, field::kRatedBreakingStrength), 100.0) << row;
            EXPECT_GT(c.cables.number(row, field::kThermalCoefficient), 0.0) << row;
        }
    }
}

TEST(shipped_catalogue_test, columns_and_results_show_every_value_in_both_unit_systems) {
    for (std::uint8_t metric : {0, 1}) {
        const Catalogue c = shipped(metric);
        const Units units{c.units, metric};
        for (int row = 2; row < c.cables.userSeparatorRow; ++row) {
            for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
                const double value = c.cables.number(row, f);
                const std::string shown = units.toDisplay(
                    c.columnUnitKinds[f], static_cast<float>(value), c.columnFormats[f]);
                EXPECT_TRUE(value == 0 || LeadingNumber(shown) != 0.0)
                    << int(metric) << " row " << row << " field " << f;
            }
        }
        const float typical[] = {15, 0.42f, 4, 0.75f, 2.1f, 1850, 0.035f, 1.2f, 0.5f, 1.9f, 14.2f};
        for (std::size_t k = 0; k < 11; ++k) {
            const std::string shown = units.toDisplay(static_cast<int>(c.resultUnitKinds[k]),
                                                      typical[k], c.resultFormats[k]);
            EXPECT_NE(LeadingNumber(shown), 0.0) << int(metric) << " result " << k;
        }
        const std::string unitPiece =
            c.cables.rows[0][3].substr(c.cables.rows[0][3].rfind('\r') + 1);
        EXPECT_EQ(unitPiece, metric ? "(mm)" : "(in)");
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

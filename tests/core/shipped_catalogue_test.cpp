#include <gtest/gtest.h>

#include <map>

#include "core/cable_kind.h"
#include "core/catalogue.h"
#include "core/item_reader.h"
#include "core/number_format.h"
#include "core/raw_text_file.h"
#include "core/settings_file.h"
#include "core/unit_table.h"

namespace cn3 {
namespace {

const std::string kShippedCatalogue = std::string(CN3_SHIPPED_DATA_DIR) + "/CABLEDAT.TXT";

Catalogue shipped(std::uint8_t metric) {
    auto result = ReadCatalogue(kShippedCatalogue, metric);
    if (auto* error = std::get_if<CatalogueError>(&result)) {
        ADD_FAILURE() << error->text();
        return {};
    }
    return std::get<Catalogue>(std::move(result));
}

std::vector<int> catalogueRows(const CableTable& t) {
    std::vector<int> rows;
    for (int row = 1; row < t.userSeparatorRow; ++row) {
        if (!t.rows[static_cast<std::size_t>(row)][field::kName].empty()) rows.push_back(row);
    }
    return rows;
}

TEST(shipped_catalogue_test, loads_with_the_expected_cables_of_every_kind) {
    const Catalogue c = shipped(0);
    const CableTable& t = c.cables;
    // The row after the headings is blank: family tabs never list it.
    EXPECT_EQ(t.rows[1][field::kName], "");

    std::map<int, int> kinds;
    for (int row : catalogueRows(t)) {
        const std::string& name = t.rows[static_cast<std::size_t>(row)][field::kName];
        const int kind = CableKindOf(name);
        EXPECT_NE(kind, kNoKind) << name;
        EXPECT_EQ(t.rows[static_cast<std::size_t>(row)][field::kKindCode], std::to_string(kind));
        ++kinds[kind];
    }
    EXPECT_EQ(kinds, (std::map<int, int>{{0, 4}, {1, 5}, {11, 2}, {2, 2}, {12, 1},
                                          {3, 4}, {13, 2}, {4, 2}}));
    EXPECT_EQ(t.lastCableRow, t.userSeparatorRow);
    EXPECT_TRUE(t.find("1/4 EHS 6M").has_value());
}

TEST(shipped_catalogue_test, every_number_reads_whole_with_the_leading_number_parse) {
    // A figure such as "6.4e-6" would read as 6.4; every field must be plain decimal.
    const Catalogue c = shipped(0);
    for (int row : catalogueRows(c.cables)) {
        for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
            const std::string& text = c.cables.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(f)];
            const auto whole = ParseDecimal(text);
            ASSERT_TRUE(whole.has_value()) << "row " << row << " field " << f << " \"" << text << '"';
            EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
            EXPECT_DOUBLE_EQ(LeadingNumber(text), *whole);
        }
    }
}

TEST(shipped_catalogue_test, carriers_have_stiffness_strength_and_a_thermal_coefficient) {
    const Catalogue c = shipped(0);
    for (int row : catalogueRows(c.cables)) {
        const int kind = CableKindOf(c.cables.rows[static_cast<std::size_t>(row)][field::kName]);
        if (kind != kStrandKind && kind != kDropKind && kind < 10) continue;
        EXPECT_GT(c.cables.number(row, field::kAxialStiffness), 10000.0) << row;
        EXPECT_GT(c.cables.number(row, field::kRatedBreakingStrength), 100.0) << row;
        EXPECT_NEAR(c.cables.number(row, field::kThermalCoefficient), 6.4e-6, 1e-7) << row;
        EXPECT_GT(c.cables.number(row, field::kDiameter), 0.2) << row;
        EXPECT_GT(c.cables.number(row, field::kWeightPerLength), 0.02) << row;
    }
    const int quarter = *c.cables.find("1/4 EHS 6M");
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kAxialStiffness), 27e6 * 0.0352);
    EXPECT_DOUBLE_EQ(c.cables.number(quarter, field::kRatedBreakingStrength), 6650);
}

TEST(shipped_catalogue_test, units_loadings_and_temperatures_are_the_documented_ones) {
    const Catalogue c = shipped(0);
    EXPECT_EQ(c.units[unit::kTemperature].englishLabel, "deg F");
    EXPECT_FLOAT_EQ(c.units[unit::kTemperature].offset, 32.0f);
    for (int kind = 0; kind <= 13; ++kind) {
        EXPECT_NE(c.units[static_cast<std::size_t>(kind)].factor, 0.0f) << kind;
        if (kind != unit::kTemperature) {
            EXPECT_EQ(c.units[static_cast<std::size_t>(kind)].offset, 0.0f) << kind;
        }
    }
    const struct {
        const char* name;
        float temperature, ice, wind, constant;
    } loadings[] = {
        {"Heavy        ", 0, 0.5f, 4, 0.3f},   {"Medium       ", 15, 0.25f, 4, 0.2f},
        {"Light        ", 30, 0, 9, 0.05f},    {"Ice 32F      ", 32, 0.5f, 0, 0},
        {"Extreme Wind ", 60, 0, 20.7f, 0},
    };
    for (std::size_t i = 0; i < std::size(loadings); ++i) {
        EXPECT_EQ(c.loadings[i].name, loadings[i].name);
        EXPECT_FLOAT_EQ(c.loadings[i].temperature, loadings[i].temperature) << i;
        EXPECT_FLOAT_EQ(c.loadings[i].iceThickness, loadings[i].ice) << i;
        EXPECT_FLOAT_EQ(c.loadings[i].windPressure, loadings[i].wind) << i;
        EXPECT_FLOAT_EQ(c.loadings[i].loadConstant, loadings[i].constant) << i;
    }
    EXPECT_EQ(c.tempLow, -40);
    EXPECT_EQ(c.tempHigh, 140);
    EXPECT_EQ(c.tempStart, 60);
    // Result columns show temperature, loads, pressure, sags and tension in their kinds.
    EXPECT_EQ(c.resultUnitKinds[0], unit::kTemperature);
    EXPECT_EQ(c.resultUnitKinds[1], unit::kLoadPerLength);
    EXPECT_EQ(c.resultUnitKinds[4], unit::kLength);
    EXPECT_EQ(c.resultUnitKinds[5], unit::kForce);
}

TEST(shipped_catalogue_test, columns_show_every_value_in_both_unit_systems) {
    for (std::uint8_t metric : {0, 1}) {
        const Catalogue c = shipped(metric);
        Units units{c.units, metric};
        for (int row : catalogueRows(c.cables)) {
            for (int f = field::kFirstNumeric; f <= field::kRatedBreakingStrength; ++f) {
                const double value = c.cables.number(row, f);
                if (value == 0) continue;
                const std::string shown =
                    units.toDisplay(c.columnUnitKinds[static_cast<std::size_t>(f)],
                                    static_cast<float>(value), c.columnFormats[static_cast<std::size_t>(f)]);
                EXPECT_NE(LeadingNumber(shown), 0.0)
                    << "metric " << int(metric) << " row " << row << " field " << f << " shows \"" << shown << '"';
            }
        }
        // A typical loading-results row: nothing may vanish to 0 through its pattern.
        const float results[] = {15, 0.42f, 4, 0.75f, 2.1f, 1850, 0.035f, 1.2f, 0.5f, 1.9f, 14.2f};
        for (std::size_t k = 0; k < std::size(results); ++k) {
            const std::string shown = units.toDisplay(static_cast<int>(c.resultUnitKinds[k]), results[k],
                                                      c.resultFormats[k]);
            EXPECT_NE(LeadingNumber(shown), 0.0) << "metric " << int(metric) << " result " << k << " \"" << shown << '"';
        }
    }
}

TEST(shipped_catalogue_test, grid_headings_have_four_pieces_and_units_in_both_systems) {
    const Catalogue english = shipped(0);
    const Catalogue metric = shipped(1);
    const std::string breakText(kHeaderBreak);
    EXPECT_EQ(english.cables.rows[0][3], "" + breakText + "Outside" + breakText + "Diameter" + breakText + "(in)");
    EXPECT_EQ(metric.cables.rows[0][3], "" + breakText + "Outside" + breakText + "Diameter" + breakText + "(mm)");
    for (int column = 1; column <= 7; ++column) {
        const std::string& h = english.cables.rows[0][static_cast<std::size_t>(column)];
        int breaks = 0;
        for (std::size_t at = h.find(breakText); at != std::string::npos; at = h.find(breakText, at + 2)) ++breaks;
        EXPECT_EQ(breaks, 3) << column;
        EXPECT_EQ(h.substr(h.rfind(breakText) + 2).front(), '(') << column;
        const std::string& m = metric.cables.rows[0][static_cast<std::size_t>(column)];
        EXPECT_EQ(m.substr(m.rfind(breakText) + 2).front(), '(') << column;
    }
}

TEST(shipped_catalogue_test, files_are_plain_ascii_with_cr_lf_line_ends) {
    for (const char* name : {"CABLEDAT.TXT", "CN3NESC.TXT"}) {
        const auto bytes = ReadFileBytes(std::string(CN3_SHIPPED_DATA_DIR) + "/" + name);
        ASSERT_TRUE(bytes.has_value()) << name;
        for (std::size_t i = 0; i < bytes->size(); ++i) {
            const auto c = static_cast<unsigned char>((*bytes)[i]);
            ASSERT_LT(c, 0x80) << name << " byte " << i;
            if (c == '\n') {
                ASSERT_TRUE(i > 0 && (*bytes)[i - 1] == '\r') << name << " byte " << i;
            }
        }
        EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n") << name;
    }
}

TEST(shipped_catalogue_test, the_settings_file_asks_for_units_on_first_run) {
    const std::string path = std::string(CN3_SHIPPED_DATA_DIR) + "/CN3NESC.TXT";
    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->front(), '?');
    EXPECT_EQ(bytes->find("\r\n"), 7u);  // a first line of exactly seven characters
    const SettingsFile settings = ReadSettingsFile(path);
    ASSERT_TRUE(settings.district.has_value());
    EXPECT_GE(*settings.district, 0);
    EXPECT_LE(*settings.district, 2);
    EXPECT_TRUE(settings.userLoadingLines.empty());
}

}  // namespace
}  // namespace cn3

// The line's inputs: the line file's round trip and its refusals, and the pole CSV.
#include <gtest/gtest.h>

#include <limits>
#include <variant>

#include "line/line_file.h"
#include "line/pole_csv.h"

namespace cn3::line {
namespace {

LineFile Sample() {
    LineFile f;
    f.line.poles = {{"A-1", 101.3f, 25.0f}, {"B \"2\"", 97.25f, 11.4f}, {"C", 88.0f, 30.5f}};
    f.line.spans = {{150.0f, std::nullopt}, {212.7f, 17.0f}};
    f.line.defaultClearance = 15.5f;
    f.line.installation = {Installation::Mode::Tension, 1234.5f};
    f.worksheet.cables = {"1/4 EHS 6M", "P 750"};
    f.worksheet.bundleDiameter = 0.85f;
    f.worksheet.creep = 0.05f;
    f.worksheet.installedTemperature = 60.0f;
    f.worksheet.sagPercent = true;
    f.worksheet.sag = 1.3;  // a percentage as typed, kept as a double
    f.worksheet.selectedDistrict = 0;
    f.worksheet.userLoadingsDrawn = 2;
    f.worksheet.loadings = {{{"Heavy        ", 0, 0.5f, 4, 0.31f},
                             {"Medium       ", 15, 0.25f, 4, 0.22f},
                             {"Light        ", 30, 0, 9, 0.05f},
                             {"Ice 32F      ", 32, 0.5f, 0, 0},
                             {"Ice+Wind     ", 15, 0.25f, 2.3f, 0},
                             {"Hot 120F     ", 120, 0, 0, 0},
                             {"Glaze        ", 32, 0.75f, 2, 0.1f}}};
    return f;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(line_file_test, what_is_written_reads_back_the_same_with_short_decimals) {
    const LineFile sample = Sample();
    const std::string text = LineFileText(sample);
    EXPECT_NE(text.find("\"attachment_height_ft\": 11.4"), std::string::npos) << text;
    EXPECT_NE(text.find("\"format\": \"catenova-line\""), std::string::npos);
    EXPECT_EQ(text.find("11.39999"), std::string::npos);
    const auto read = ParseLineFile(text, "run.cnl");
    ASSERT_TRUE(std::holds_alternative<LineFile>(read)) << std::get<InputFault>(read).text();
    EXPECT_EQ(std::get<LineFile>(read), sample);
    // Installed at the worksheet's sag, with an absolute sag, too.
    LineFile sag = sample;
    sag.line.installation = {};
    sag.worksheet.sagPercent = false;
    sag.worksheet.sag = double(2.3f);
    sag.line.poles[0].groundElevation = std::numeric_limits<float>::max();  // 3.4028235e+38
    sag.line.poles[1].groundElevation = std::numeric_limits<float>::denorm_min();
    const auto again = ParseLineFile(LineFileText(sag), "run.cnl");
    ASSERT_TRUE(std::holds_alternative<LineFile>(again));
    EXPECT_EQ(std::get<LineFile>(again), sag);
}

TEST(line_file_test, faults_name_the_file_the_field_and_the_reason) {
    const std::string good = LineFileText(Sample());
    const struct {
        const char* name;
        std::string text;
        const char* said;
    } rows[] = {
        {"a later version", Replaced(good, "\"version\": 1", "\"version\": 2"),
         "run.cnl: version: version 2 is not known; this program reads version 1"},
        {"another format", Replaced(good, "catenova-line", "catenova-span"),
         "run.cnl: format: is not \"catenova-line\": this is not a line file"},
        {"not JSON", "{\"format\": ", "run.cnl: not JSON: parse error at line 1, column 12"},
        {"a misspelt name", Replaced(good, "\"required_clearance_ft\"", "\"requred_clearance_ft\""),
         "run.cnl: spans[1].requred_clearance_ft: is not a name this file may hold"},
        {"a text for a number",
         Replaced(good, "\"ground_elevation_ft\": 97.25", "\"ground_elevation_ft\": \"97\""),
         "run.cnl: poles[1].ground_elevation_ft: a number is needed"},
        {"a missing field", Replaced(good, "\"span_ft\": 212.7,", ""),
         "run.cnl: spans[1].span_ft: is missing"},
        {"a negative span", Replaced(good, "\"span_ft\": 150", "\"span_ft\": -150"),
         "run.cnl: spans[0].span_ft: must be more than 0"},
        {"a span too many", Replaced(good, "\"spans\": [", "\"spans\": [{\"span_ft\": 9},"),
         "run.cnl: spans: 3 poles need 2 spans, not 3"},
        {"one pole named twice", Replaced(good, "\"id\": \"C\"", "\"id\": \"A-1\""),
         "run.cnl: poles[2].id: \"A-1\" names an earlier pole too"},
        {"a number out of a float's range",
         Replaced(good, "\"tension_lb\": 1234.5", "\"tension_lb\": 1e300"),
         "run.cnl: installation.tension_lb: the number is out of range"},
        {"a number no double holds",
         Replaced(good, "\"tension_lb\": 1234.5", "\"tension_lb\": 4445E4444444"),
         "run.cnl: not JSON: number overflow"},
        {"an unknown district", Replaced(good, "\"district\": 0", "\"district\": 3"),
         "run.cnl: worksheet.district: must be 0 to 2"},
    };
    for (const auto& row : rows) {
        const auto read = ParseLineFile(row.text, "run.cnl");
        ASSERT_TRUE(std::holds_alternative<InputFault>(read)) << row.name;
        EXPECT_TRUE(std::get<InputFault>(read).text().starts_with(row.said))
            << row.name << ": " << std::get<InputFault>(read).text();
    }
}

constexpr const char* kHeader =
    "pole_id,ground_elevation_ft,attachment_height_ft,span_ft,required_clearance_ft\n";

TEST(pole_csv_test, rows_become_poles_and_the_spans_between_them) {
    const std::string text = std::string("\xEF\xBB\xBF") + kHeader +
                             "P1,100,25,150,\r\n"
                             "\"P,2\",98.5,24,  175.5 ,18\r\n"
                             "\r\n"
                             "P3,97,25,,\r\n";
    const auto read = ParsePoleCsv(text, "poles.csv", 16.0f);
    ASSERT_TRUE(std::holds_alternative<PoleLine>(read)) << std::get<InputFault>(read).text();
    const PoleLine& line = std::get<PoleLine>(read);
    ASSERT_EQ(line.poles.size(), 3u);
    EXPECT_EQ(line.poles[1], (Pole{"P,2", 98.5f, 24.0f}));
    ASSERT_EQ(line.spans.size(), 2u);
    EXPECT_EQ(line.spans[1], (LineSpan{175.5f, 18.0f}));
    EXPECT_EQ(line.requiredClearance(0), 16.0f);  // empty: the line's default
    EXPECT_EQ(line.requiredClearance(1), 18.0f);
}

TEST(pole_csv_test, faults_name_their_line_and_field) {
    const std::string h = kHeader;
    const struct {
        const char* name;
        std::string text;
        const char* said;
    } rows[] = {
        {"empty", "", "poles.csv: is empty; a header row is needed"},
        {"another header", "id,z,h,span,c\nP1,1,1,,\n",
         "poles.csv: line 1: the header row must be pole_id,"},
        {"one pole", h + "P1,100,25,,\n", "poles.csv: line 2: a line needs at least two poles"},
        {"a word for a number", h + "P1,100,25,abc,\nP2,100,25,,\n",
         "poles.csv: line 2: span_ft: a number is needed, not \"abc\""},
        {"a missing span", h + "P1,100,25,150,\nP2,100,25,,\nP3,100,25,,\n",
         "poles.csv: line 3: span_ft: is empty; only the last pole has no span"},
        {"a span after the last pole", h + "P1,100,25,150,\nP2,100,25,150,\n",
         "poles.csv: line 3: span_ft: the last pole has no span after it"},
        {"too few fields", h + "P1,100,25\nP2,100,25,,\n",
         "poles.csv: line 2: 3 fields; a pole row has 5"},
        {"a zero span", h + "P1,100,25,0,\nP2,100,25,,\n",
         "poles.csv: line 2: span_ft: must be more than 0"},
        {"a negative height", h + "P1,100,-2,150,\nP2,100,25,,\n",
         "poles.csv: line 2: attachment_height_ft: must not be below 0"},
        {"no ground", h + "P1,,25,150,\nP2,100,25,,\n",
         "poles.csv: line 2: ground_elevation_ft: is empty; a number is needed"},
        {"not finite", h + "P1,inf,25,150,\nP2,100,25,,\n",
         "poles.csv: line 2: ground_elevation_ft: a number is needed, not \"inf\""},
        {"a pole twice", h + "P1,100,25,150,\nP1,100,25,,\n",
         "poles.csv: line 3: pole_id: \"P1\" names an earlier pole too"},
        {"no id", h + " ,100,25,150,\nP2,100,25,,\n", "poles.csv: line 2: pole_id: is empty"},
        {"an open quote", h + "\"P1,100,25,150,\nP2,100,25,,\n",
         "poles.csv: line 2: a quoted field is not closed on its line"},
        {"a negative clearance", h + "P1,100,25,150,-1\nP2,100,25,,\n",
         "poles.csv: line 2: required_clearance_ft: must not be below 0"},
    };
    for (const auto& row : rows) {
        const auto read = ParsePoleCsv(row.text, "poles.csv");
        ASSERT_TRUE(std::holds_alternative<InputFault>(read)) << row.name;
        EXPECT_TRUE(std::get<InputFault>(read).text().starts_with(row.said))
            << row.name << ": " << std::get<InputFault>(read).text();
    }
}

}  // namespace
}  // namespace cn3::line

// `catenova --line` and `--line-report` as a designer runs them: a five-pole run typed as CSV
// with a span file for its cables, and a line file alone; the outputs, the report's PDF, the
// reasons on standard error and the exit statuses.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <string>

#include "cli/cli_run.h"

namespace cn3::test {
namespace {

const std::string kFivePoles = std::string(CN3_SHIPPED_DATA_DIR) + "/lines/five-poles.csv";
const std::string kFivePolesLine = std::string(CN3_SHIPPED_DATA_DIR) + "/lines/five-poles.cnl";
const std::string kHillyLine = std::string(CN3_SHIPPED_DATA_DIR) + "/lines/hilly-five-poles.cnl";

class LineRun : public ::testing::Test {
  protected:
    LineRun() {
        // 1/4 EHS 6M with P 750 at a sag of 1.5 %, both user loadings drawn.
        data.writeSpan("strand-coax.cn3", {"1/4 EHS 6M", "P 750"},
                       {"200", "1.5", "50", "20", "0.0000"}, false, 1, {1, 1});
    }
    DataFolder data;
};

QJsonObject Json(const Ran& ran) {
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(ran.out));
    EXPECT_TRUE(document.isObject()) << ran.out;
    return document.object();
}

TEST_F(LineRun, a_five_pole_csv_or_line_file_gives_ruling_span_sags_clearances_and_stringing) {
    const Ran ran =
        data.run("--line " + Quoted(kFivePoles) + " --worksheet strand-coax.cn3 --format json");
    EXPECT_EQ(std::tuple(ran.status, ran.err), std::tuple(0, std::string()));
    const QJsonObject o = Json(ran);
    // 150, 175, 160, 140 ft.
    const double RS =
        std::sqrt((150.0 * 150 * 150 + 175.0 * 175 * 175 + 160.0 * 160 * 160 + 140.0 * 140 * 140) /
                  (150.0 + 175 + 160 + 140));
    EXPECT_NEAR(o["ruling_span_ft"].toDouble(), RS, 1e-3);
    const QJsonArray poles = o["poles"].toArray();
    ASSERT_EQ(poles.size(), 5);
    for (const auto& pole : poles) EXPECT_EQ(pole.toObject()["uplift"], QJsonValue(false));
    ASSERT_EQ(o["spans"].toArray().size(), 4);
    const QJsonObject third = o["spans"].toArray()[2].toObject();
    EXPECT_EQ(std::tuple(third["from"].toString(), third["to"].toString(), third["span_ft"].toDouble()),
              std::tuple(QString("P3"), QString("P4"), 160.0));
    // 1.5 % of the ruling span, scaled by (160 / RS)^2.
    EXPECT_NEAR(third["sag_installed_ft"].toDouble(), 0.015 * RS * (160 / RS) * (160 / RS), 1e-4);
    EXPECT_LE(third["min_clearance_ft"].toDouble(), third["clearance_installed_ft"].toDouble());
    EXPECT_EQ(third["clearance_ok"], QJsonValue(true));
    EXPECT_EQ(third["stringing"].toArray().size(), 19);

    // The same line as text and as CSV, and from its line file alone.
    const Ran text = data.run("--line " + Quoted(kFivePoles) + " --worksheet strand-coax.cn3");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Ruling span: 157.86 ft\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("-- stringing chart (sag ft)\n"), std::string::npos);
    EXPECT_NE(text.out.find("P3-P4\t160.00\t"), std::string::npos);
    const Ran csv =
        data.run("--line " + Quoted(kFivePoles) + " --worksheet strand-coax.cn3 --format csv");
    EXPECT_EQ(csv.status, 0);
    EXPECT_TRUE(csv.out.starts_with("section,from,to,name,value\nline,,,ruling_span_ft,157.85"))
        << csv.out.substr(0, 200);
    EXPECT_NE(csv.out.find("\nstringing,P3,P4,-40,"), std::string::npos);
    EXPECT_NE(csv.out.find("\npole,P5,,uplift,false\n"), std::string::npos);
    const Ran alone = data.run("--line " + Quoted(kFivePolesLine) + " --format json");
    EXPECT_EQ(alone.status, 0) << alone.err;
    EXPECT_NEAR(Json(alone)["ruling_span_ft"].toDouble(), 157.86, 0.005);
}

TEST_F(LineRun, failures_are_said_on_standard_error_with_status_1) {
    // P3 sunk 40 ft: the strand pulls it up; and 30 ft of clearance asked everywhere.
    data.write("sunk.csv",
               "pole_id,ground_elevation_ft,attachment_height_ft,span_ft,required_clearance_ft\n"
               "P1,100,24,150,\nP2,97.5,23,175,\nP3,52,23,160,\nP4,95,24,140,\nP5,101,25,,\n");
    const Ran sunk = data.run("--line sunk.csv --worksheet strand-coax.cn3 --format json");
    EXPECT_EQ(sunk.status, 1);
    EXPECT_NE(sunk.err.find("sunk.csv: Pole P3: uplift at -40 F: the weight span is -"),
              std::string::npos)
        << sunk.err;
    EXPECT_EQ(Json(sunk)["poles"].toArray()[2].toObject()["uplift"], QJsonValue(true));

    const Ran high =
        data.run("--line " + Quoted(kFivePoles) + " --worksheet strand-coax.cn3 --clearance 30");
    EXPECT_EQ(high.status, 1);
    EXPECT_NE(high.err.find(": Span P1-P2: the lowest clearance is "), std::string::npos)
        << high.err;
    EXPECT_NE(high.err.find("short of the required 30.00 ft."), std::string::npos);
    EXPECT_NE(high.out.find("TOO LOW"), std::string::npos);
}

TEST_F(LineRun, the_line_report_is_written_for_a_passing_and_a_failing_line) {
    // The hilly example's road crossing is too low: the report is written all the same, the
    // reason said, and the status says it fails.
    const Ran hilly = data.run("--line-report " + Quoted(kHillyLine) + " --pdf hilly.pdf");
    EXPECT_EQ(hilly.status, 1);
    EXPECT_NE(hilly.err.find("hilly-five-poles.cnl: Span P3-P4: the lowest clearance is 16.73 ft"),
              std::string::npos)
        << hilly.err;
    const std::string pdf = ReadWhole(data.path() / "hilly.pdf");
    EXPECT_TRUE(pdf.starts_with("%PDF"));
    EXPECT_EQ(PdfPages(pdf), 2);

    // Poles from a CSV strung with a span file: the line passes.
    const Ran csv = data.run("--line-report " + Quoted(kFivePoles) +
                             " --worksheet strand-coax.cn3 --pdf five.pdf");
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.err, "");
    EXPECT_EQ(PdfPages(ReadWhole(data.path() / "five.pdf")), 2);

    // A line that cannot be read writes nothing.
    data.write("broken.cnl", "{\"format\": \"catenova-line\"");
    const Ran broken = data.run("--line-report broken.cnl --pdf broken.pdf");
    EXPECT_EQ(broken.status, 1);
    EXPECT_FALSE(fs::exists(data.path() / "broken.pdf"));
}

}  // namespace
}  // namespace cn3::test

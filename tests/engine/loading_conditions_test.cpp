// The five loading conditions against hand calculations in double precision: ice, wind,
// load constant, temperature and creep, and the loading window's numbers kept beside them.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/loading_conditions.h"
#include "engine/recompute.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

using LoadingConditionsTest = EngineTest;

double HandSag(double L, double S0, double w, double EA, double D = 3.0) {
    for (int i = 0; i < 200; ++i) {
        const double f = L + 8 * D * D / (3 * L) - S0 * (1 + w * L * L / (8 * D * EA));
        const double df = 16 * D / (3 * L) + S0 * w * L * L / (8 * D * D * EA);
        D -= f / df;
    }
    return D;
}

struct Hand {
    double temperature, iceLoad, wind, resultant, sag, tension, change, pointSag, horizontal,
        vertical, angle, ice, constant;
};

// Strand 1/4 EHS with P 500 and P 750 (0.361 lb/ft), span 150 ft, sag 3 ft at 60 F.
Hand HandCondition(const LoadingRecord& rec, double d, double creep, double x) {
    const double L = 150, D = 3, w = 0.361, EA = 1.2e6, alpha = 6.4e-6, Ti = 60;
    const double pi = std::acos(-1.0);
    const double S = L + 8 * D * D / (3 * L);
    const double S0 = S / (1 + w * L * L / (8 * D) / EA);
    const double t = rec.iceThickness, p = rec.windPressure, K = rec.loadConstant;
    const double Di = d + 2 * t;
    const double V = w + 57 * pi / 4 * (Di * Di - d * d) / 144;
    const double Ww = p * Di / 12;
    const double R = std::hypot(V, Ww) + K;
    const double theta = std::atan(Ww / V);
    const double S0c = S0 * (1 + alpha * (rec.temperature - Ti)) * (1 + creep);
    const double Dc = HandSag(L, S0c, R, EA);
    const double Hc = R * S0c * S0c / (8 * Dc);
    return {rec.temperature, V - w, p, R, Dc, Hc, (L + 8 * Dc * Dc / (3 * L) - S) * 100 / S,
            R * x * x / (2 * Hc), Dc * std::sin(theta), Dc * std::cos(theta), theta * 180 / pi, t, K};
}

void ExpectRow(const LoadingResults& got, int row, const Hand& want) {
    SCOPED_TRACE(row);
    EXPECT_NEAR(got.at(row, 0), want.temperature, 1e-6);
    EXPECT_NEAR(got.at(row, 1), want.iceLoad, 1e-5);
    EXPECT_NEAR(got.at(row, 2), want.wind, 1e-6);
    EXPECT_NEAR(got.at(row, 3), want.resultant, 1e-5);
    EXPECT_NEAR(got.at(row, 4), want.sag, 1e-4);
    EXPECT_NEAR(got.at(row, 5), want.tension, want.tension * 1e-4);
    EXPECT_NEAR(got.at(row, 6), want.change, 1e-4);
    EXPECT_NEAR(got.at(row, 7), want.pointSag, 1e-4);
    EXPECT_NEAR(got.at(row, 8), want.horizontal, 1e-4);
    EXPECT_NEAR(got.at(row, 9), want.vertical, 1e-4);
    EXPECT_NEAR(got.at(row, 10), want.angle, 1e-4);
    EXPECT_NEAR(got.at(row, 11), want.ice, 1e-6);
    EXPECT_NEAR(got.at(row, 12), want.constant, 1e-6);
}

TEST_F(LoadingConditionsTest, five_conditions_with_ice_wind_constant_and_creep) {
    struct Case { const char* what; int district; const char* creep; double c; };
    const Case cases[] = {{"heavy, no creep", 0, "0", 0.0}, {"medium, 5 % creep", 1, "0.05", 0.05}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        program.selectedDistrict = static_cast<std::uint8_t>(k.district);
        select({"1/4 EHS", "P 500", "P 750"}, "0.850");
        entries("150", "3", "50", "", k.creep);
        Recompute(program);
        const int records[] = {k.district, 3, 4, 5, 6};
        for (int i = 1; i <= 5; ++i)
            ExpectRow(program.loadingResults, i,
                      HandCondition(program.loadings[static_cast<size_t>(records[i - 1])], 0.85, k.c, 50));
    }
}

TEST_F(LoadingConditionsTest, installed_conditions_give_the_installed_sag_back) {
    program.loadings[3] = {"Installed    ", 60.0f, 0.0f, 0.0f, 0.0f};
    select({"1/4 EHS", "P 500", "P 750"});
    entries("150", "3");
    Recompute(program);
    const auto& r = program.loadingResults;
    EXPECT_NEAR(r.at(2, 4), 3.0, 1e-5);
    // The stress-free length stands in for the span: the installed tension times (S0/L)^2.
    const double S0 = 150.16 / (1 + 338.4375 / 1.2e6);
    EXPECT_NEAR(r.at(2, 5), 338.4375 * (S0 / 150) * (S0 / 150), 0.01);
    EXPECT_NEAR(r.at(2, 6), 0.0, 1e-4);
    EXPECT_EQ(r.at(2, 10), 0.0f);
}

TEST_F(LoadingConditionsTest, metric_ice_thickness_is_kept_in_inches_so_it_shows_once_converted) {
    metric();
    program.loading.Cells[2].setCaption("12.7");
    select({"1/4 EHS", "P 500"}, "21.590");
    entries("45.72", "0.9144");
    Recompute(program);
    EXPECT_FLOAT_EQ(program.loadingResults.at(1, 18), 0.5f);
    EXPECT_EQ(program.units.toDisplay(3, program.loadingResults.at(1, 18), "##.00"), "12.70");
    EXPECT_EQ(program.loadingResults.at(0, 18), 3.0f);
    EXPECT_EQ(program.loadingResults.formats[18], "##.00");
    EXPECT_EQ(program.loadingResults.formats[19], "##.0");
}

}  // namespace
}  // namespace cn3::test

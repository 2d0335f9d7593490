// The span mechanics against hand calculations in double precision from the physics (cable
// length of a parabola, stretch linear in tension), not from the solver's cubic.
#include "engine/solver.h"
#include "engine_fixture.h"

namespace cn3::test {
namespace {

TEST(solver_test, parabola_of_span_100_sag_1) {
    EXPECT_NEAR(CableLength(100.0f, 1.0f), 100.026667, 1e-5);
    EXPECT_FLOAT_EQ(ParabolicTension(0.5f, 100.0f, 1.0f), 625.0f);
}

TEST(solver_test, sag_matches_a_hand_solution_under_changed_load_and_length) {
    struct Row { const char* what; double L, D, w, EA, loadAfter, lengthFactor; };
    const Row rows[] = {
        {"same state back", 150, 3.0, 0.8, 2.4e6, 0.8, 1.0},
        {"iced: heavier", 150, 3.0, 0.8, 2.4e6, 2.5, 1.0},
        {"hot: longer", 300, 6.5, 1.2, 3.0e6, 1.2, 1 + 6.4e-6 * 80},
        {"cold: shorter", 100, 1.0, 0.5, 1.0e6, 0.5, 1 - 6.4e-6 * 100},
        {"slack drop, 5 % creep", 80, 4.0, 0.05, 2.0e4, 0.05, 1.05},
        {"very stiff", 200, 4.0, 0.6, 1e12, 0.6, 1.0},
        {"deep sag beyond 128 ft", 1000, 150, 1.0, 3e6, 1.0, 1.0},
        {"deeper still", 2000, 700, 1.0, 3e6, 1.0, 1.0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const double S = r.L + 8 * r.D * r.D / (3 * r.L);
        const double S0 = S / (1 + r.w * r.L * r.L / (8 * r.D) / r.EA) * r.lengthFactor;
        const double want = HandSag(r.L, S0, r.loadAfter, r.EA, r.D);
        EXPECT_NEAR(SolveSag(float(r.L), float(S0), float(r.loadAfter), float(r.EA)), want,
                    std::max(2e-4, want * 1e-3));
    }
}

TEST(solver_test, unloaded_or_unreal_inputs_end_with_a_finite_answer) {
    EXPECT_LT(SolveSag(100.0f, 99.99f, 0.0f, 1e6f), 1e-4f);
    EXPECT_TRUE(std::isfinite(SolveSag(100.0f, 100.0f, 1.0f, 0.0f)));
    EXPECT_TRUE(std::isfinite(SolveSag(100.0f, 100.0f, INFINITY, 1e6f)));
    EXPECT_EQ(ConditionLoad(0, 0, 0, 0, 0).angle, 0.0f);
}

TEST(solver_test, condition_load_adds_ice_wind_and_constant) {
    struct Row { const char* what; double d, t, p, w, K; };
    const Row rows[] = {{"bare, still air", 0.75, 0, 0, 0.9, 0},
                        {"half inch of ice and 4 psf", 0.75, 0.5, 4, 0.9, 0.31},
                        {"wind only, 9 psf", 0.6, 0, 9, 0.5, 0.05},
                        {"no bundle: a plain ice cylinder", 0, 0.5, 4, 0.3, 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const double Di = r.d + 2 * r.t, wind = r.p * Di / 12;
        const double V = r.w + 57 * std::acos(-1.0) / 4 * (Di * Di - r.d * r.d) / 144;
        const auto got = ConditionLoad(float(r.d), float(r.t), float(r.p), float(r.w), float(r.K));
        EXPECT_NEAR(got.vertical, V, 1e-5);
        EXPECT_NEAR(got.resultant, std::hypot(V, wind) + r.K, 1e-5);
        EXPECT_NEAR(got.angle, std::atan(wind / V), 1e-6);
    }
}

}  // namespace
}  // namespace cn3::test

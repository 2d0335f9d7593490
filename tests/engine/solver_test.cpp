// The span mechanics against hand calculations made in double precision from the physics
// (cable length of a parabola, stretch linear in tension), not from the solver's cubic.
#include <cmath>
#include <gtest/gtest.h>

#include "engine/solver.h"

namespace cn3 {
namespace {

// The sag at which a parabola of load w spans L with stress-free length S0 stretched by its
// own tension: L + 8D^2/(3L) = S0 (1 + w L^2 / (8 D EA)), solved by Newton's method.
double HandSag(double L, double S0, double w, double EA, double start = 1.0) {
    double D = start;
    for (int i = 0; i < 200; ++i) {
        const double f = L + 8 * D * D / (3 * L) - S0 * (1 + w * L * L / (8 * D * EA));
        const double df = 16 * D / (3 * L) + S0 * w * L * L / (8 * D * D * EA);
        D -= f / df;
    }
    return D;
}

// The stress-free length of a cable hung with sag D, as installing it fixes it.
double HandStressFree(double L, double D, double w, double EA) {
    const double S = L + 8 * D * D / (3 * L);
    const double H = w * L * L / (8 * D);
    return S / (1 + H / EA);
}

TEST(solver_test, parabola_of_span_100_sag_1) {
    EXPECT_NEAR(CableLength(100.0f, 1.0f), 100.026667, 1e-5);
    EXPECT_FLOAT_EQ(ParabolicTension(0.5f, 100.0f, 1.0f), 625.0f);
    EXPECT_NEAR(CableLength(150.0f, 3.0f), 150.16, 1e-5);
    EXPECT_FLOAT_EQ(ParabolicTension(0.8f, 150.0f, 3.0f), 750.0f);
}

TEST(solver_test, sag_matches_a_hand_solution_of_the_stretched_parabola) {
    struct Row { const char* what; double L, D, w, EA; };
    const Row rows[] = {
        {"short tight strand", 100, 1.0, 0.5, 1.0e6},
        {"typical lashed span", 150, 3.0, 0.8, 2.4e6},
        {"long span", 300, 6.5, 1.2, 3.0e6},
        {"slack drop", 80, 4.0, 0.05, 2.0e4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const double S0 = HandStressFree(r.L, r.D, r.w, r.EA);
        const float got = SolveSag(float(r.L), float(S0), float(r.w), float(r.EA));
        // Installing then solving with the same load gives the installed sag back.
        EXPECT_NEAR(got, r.D, 2e-4);
        EXPECT_NEAR(got, HandSag(r.L, S0, r.w, r.EA, r.D), 2e-4);
    }
}

TEST(solver_test, change_of_state_follows_load_and_length) {
    const double L = 150, D = 3, w = 0.8, EA = 2.4e6;
    const double S0 = HandStressFree(L, D, w, EA);
    // Heavier load: deeper sag, as the hand solution says.
    const float iced = SolveSag(float(L), float(S0), 2.5f, float(EA));
    EXPECT_NEAR(iced, HandSag(L, S0, 2.5, EA, D), 2e-4);
    EXPECT_GT(iced, D);
    // Longer cable (heat, creep): deeper sag; shorter (cold): shallower.
    const double hot = S0 * (1 + 6.4e-6 * 80), cold = S0 * (1 - 6.4e-6 * 100);
    EXPECT_NEAR(SolveSag(float(L), float(hot), float(w), float(EA)), HandSag(L, hot, w, EA, D), 2e-4);
    EXPECT_NEAR(SolveSag(float(L), float(cold), float(w), float(EA)), HandSag(L, cold, w, EA, D), 2e-4);
    EXPECT_GT(SolveSag(float(L), float(hot), float(w), float(EA)), D);
    EXPECT_LT(SolveSag(float(L), float(cold), float(w), float(EA)), D);
}

TEST(solver_test, very_stiff_cable_keeps_its_installed_sag) {
    const float L = 200.0f, D = 4.0f, w = 0.6f, EA = 1e12f;
    const float S = CableLength(L, D);
    const float S0 = S / (1.0f + ParabolicTension(w, L, D) / EA);
    EXPECT_FLOAT_EQ(S0, S);
    EXPECT_NEAR(SolveSag(L, S0, w, EA), D, 5e-4);
}

TEST(solver_test, deep_sag_is_found_beyond_128_ft) {
    struct Row { double L, D; };
    const Row rows[] = {{1000, 150}, {1200, 300}, {2000, 700}};
    for (const auto& r : rows) {
        const double w = 1.0, EA = 3e6;
        const double S0 = HandStressFree(r.L, r.D, w, EA);
        const float got = SolveSag(float(r.L), float(S0), float(w), float(EA));
        EXPECT_NEAR(got, r.D, r.D * 1e-3) << "span " << r.L;
    }
}

TEST(solver_test, sag_just_under_128_ft_is_found_where_it_always_was) {
    const double L = 1000, D = 127.5, w = 1.0, EA = 3e6;
    const double S0 = HandStressFree(L, D, w, EA);
    EXPECT_NEAR(SolveSag(float(L), float(S0), float(w), float(EA)), D, 0.05);
}

TEST(solver_test, unloaded_or_unreal_inputs_stop_with_a_finite_answer) {
    // No load: the cable lies straight (sag at the bottom of the resolution).
    EXPECT_LT(SolveSag(100.0f, 99.99f, 0.0f, 1e6f), 1e-4f);
    // Infinite load or no stiffness: the search still ends.
    EXPECT_TRUE(std::isfinite(SolveSag(100.0f, 100.0f, 1.0f, 0.0f)));
    EXPECT_TRUE(std::isfinite(SolveSag(100.0f, 100.0f, INFINITY, 1e6f)));
}

TEST(solver_test, condition_load_adds_ice_wind_and_constant) {
    struct Row { const char* what; double d, t, p, w, K; };
    const Row rows[] = {
        {"bare, still air", 0.75, 0, 0, 0.9, 0},
        {"heavy: half inch of ice and 4 psf", 0.75, 0.5, 4, 0.9, 0.31},
        {"medium: quarter inch and 4 psf", 1.2, 0.25, 4, 1.4, 0.22},
        {"wind only, 9 psf", 0.6, 0, 9, 0.5, 0.05},
        {"no bundle diameter: a plain ice cylinder", 0, 0.5, 4, 0.3, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const double Di = r.d + 2 * r.t;                                // in
        const double annulus = std::acos(-1.0) / 4 * (Di * Di - r.d * r.d) / 144;  // ft2
        const double V = r.w + 57 * annulus;                           // lb/ft
        const double wind = r.p * Di / 12;                              // lb/ft
        const auto got = ConditionLoad(float(r.d), float(r.t), float(r.p), float(r.w), float(r.K));
        EXPECT_NEAR(got.vertical, V, 1e-5);
        EXPECT_NEAR(got.resultant, std::hypot(V, wind) + r.K, 1e-5);
        EXPECT_NEAR(got.angle, std::atan(wind / V), 1e-6);
    }
}

TEST(solver_test, condition_load_without_any_load_points_down) {
    const auto got = ConditionLoad(0, 0, 0, 0, 0);
    EXPECT_EQ(got.angle, 0.0f);
    EXPECT_EQ(got.resultant, 0.0f);
}

TEST(solver_test, pi_is_full_double_precision) { EXPECT_DOUBLE_EQ(kPi, std::acos(-1.0)); }

}  // namespace
}  // namespace cn3

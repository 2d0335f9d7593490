#include <gtest/gtest.h>

#include "core/cable_kind.h"

namespace cn3 {
namespace {

TEST(cable_kind_test, names_give_kinds_in_rule_order) {
    const struct {
        const char* name;
        int kind;
    } cases[] = {
        {"6M EHS", 0},     {"1/4 EHS 6M", 0},  {"HTL 10", 0},     {"P 500", 1},
        {"C 1000", 1},     {"P 500 M", 11},    {"CMX", 11},       {"P 6M", 11},
        {"LX 540", 2},     {"LX 540 AM", 12},  {"LXF 12", 2},     {"ORF 24", 3},
        {"ORF 24 SS", 13}, {"ORF 24 M", 3},    {"RG6 VM", 4},     {"vm drop", 255},
        {"", 255},         {"p 500", 255},     {"lx 540", 255},   {"orf 24", 255},
        {"X", 255},        {"L", 255},         {"OR", 255},
        // Order decides overlaps: a drop beats a strand, a strand beats a prefix.
        {"P VM EHS", 4},   {"PEHS", 0},        {"LXHTL", 0},      {"ORF EHS SS", 0},
        {"EVM", 4},        {"ORFSS", 13},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CableKindOf(c.name), c.kind) << '"' << c.name << '"';
    }
}

}  // namespace
}  // namespace cn3

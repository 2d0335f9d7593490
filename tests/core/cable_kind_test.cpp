#include "core/cable_kind.h"

#include <gtest/gtest.h>

#include <tuple>

namespace cn3::test {

// The last four cases are overlaps: a drop beats a strand, a strand beats every prefix.
TEST(cable_kind_test, names_give_kinds_in_rule_order) {
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"6M EHS", 0}, {"HTL 10", 0}, {"P 500", 1}, {"C 1000", 1}, {"P 500 M", 11}, {"CMX", 11},
        {"P 6M", 11}, {"LX 540", 2}, {"LX 540 AM", 12}, {"LXF 12", 2}, {"ORF 24", 3},
        {"ORF 24 SS", 13}, {"ORF 24 M", 3}, {"RG6 VM", 4}, {"vm drop", 255}, {"", 255},
        {"p 500", 255}, {"OR", 255}, {"L", 255}, {"P VM EHS", 4}, {"PEHS", 0}, {"LXHTL", 0},
        {"ORF EHS SS", 0}};
    // clang-format on
    for (const auto& [name, kind] : cases) EXPECT_EQ(CableKindOf(name), kind) << '"' << name << '"';
}

// Which kinds carry themselves, take lashed cables, or can carry a span at all.
TEST(cable_kind_test, roles_of_the_kinds) {
    struct Row {
        const char* what;
        CableKind kind;
        bool selfSupporting, support, carries;
    };
    // clang-format off
    const Row rows[] = {
        {"strand", 0, false, true, true},          {"coax", 1, false, false, false},
        {"fiber", 3, false, false, false},         {"drop", 4, false, false, true},
        {"user-defined code", 5, false, false, false}, {"integrated coax", 11, true, true, true},
        {"integrated fiber", 13, true, true, true}, {"no kind", 255, true, true, true}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(std::tuple(IsSelfSupporting(r.kind), IsSupport(r.kind), CarriesSpan(r.kind)),
                  std::tuple(r.selfSupporting, r.support, r.carries))
            << r.what;
}

}  // namespace cn3::test

#include "ui/split_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace cn3::ui {
namespace {

std::string Joined(std::string_view text, std::string_view separator, std::size_t max = 99) {
    std::string out;
    for (const auto piece : SplitFields(text, separator, max)) {
        out += '[';
        out += piece;
        out += ']';
    }
    return out;
}

TEST(split_fields_test, pieces_between_separators_keep_empty_ones_and_the_rest_at_the_limit) {
    struct Row {
        const char *what, *text, *separator;
        std::size_t max;
        const char* pieces;
    };
    // clang-format off
    const Row rows[] = {
        {"empty text", "", ",", 99, "[]"},                  {"no separator", "abc", ",", 99, "[abc]"},
        {"empty middle and end", "a,,b,", ",", 99, "[a][][b][]"},
        {"limit keeps the rest", "a;b;c;d", ";", 3, "[a][b][c;d]"},
        {"limit of one", "a;b", ";", 1, "[a;b]"},
        {"two-character break", "\n\rSpan\n\rSag", "\n\r", 99, "[][Span][Sag]"},
        {"TAB-terminated fields", "P 500\t1\t", "\t", 99, "[P 500][1][]"}};
    // clang-format on
    for (const auto& r : rows) EXPECT_EQ(Joined(r.text, r.separator, r.max), r.pieces) << r.what;
}

}  // namespace
}  // namespace cn3::ui

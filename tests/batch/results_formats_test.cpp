// The quoting and number rules of the batch formats.
#include "batch/results_formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cn3::batch {
namespace {

TEST(results_formats_test, csv_fields_are_quoted_only_where_a_reader_needs_it) {
    const struct {
        const char* name;
        const char* field;
        const char* written;
    } rows[] = {
        {"plain", "Span Length = 150.00 ft", "Span Length = 150.00 ft"},
        {"a grouped number", "1,234", "\"1,234\""},
        {"leading blanks of an indented line", "     Tension = 890 lb",
         "\"     Tension = 890 lb\""},
        {"a quote doubled", "Show 'Effect' \"now\"", "\"Show 'Effect' \"\"now\"\"\""},
        {"empty", "", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(CsvField(row.field), row.written) << row.name;
}

TEST(results_formats_test, json_strings_escape_what_json_forbids_and_keep_utf8) {
    EXPECT_EQ(JsonString("a \"b\" \\ c"), R"("a \"b\" \\ c")");
    EXPECT_EQ(JsonString("line\n\rnext\t\x01"), R"("line\n\rnext\t\u0001")");
    EXPECT_EQ(JsonString("40 \xC2\xB0"
                         "C"),
              "\"40 \xC2\xB0"
              "C\"");
}

TEST(results_formats_test, json_numbers_read_back_as_the_same_float) {
    const struct {
        const char* name;
        float value;
        const char* written;
    } rows[] = {
        {"whole", 150.0f, "150"},
        {"shortest", 0.1f, "0.1"},
        {"negative", -40.0f, "-40"},
        {"small", 6.4e-06f, "6.4e-06"},
        {"not a number", std::numeric_limits<float>::quiet_NaN(), "null"},
        {"infinite", std::numeric_limits<float>::infinity(), "null"},
    };
    for (const auto& row : rows) EXPECT_EQ(JsonNumber(row.value), row.written) << row.name;
}

TEST(results_formats_test, a_file_without_results_is_its_heading_alone) {
    SpanOutcome none;
    none.file = "a,b.cn3";
    none.messages = {"Error - x"};
    EXPECT_EQ(TextOf(none), "== a,b.cn3\n");
    EXPECT_EQ(CsvOf(none), "");
    EXPECT_EQ(
        JsonOf({none}),
        "[{\"file\":\"a,b.cn3\",\"messages\":[\"Error - x\"],\"units\":null,\"results\":null}]\n");
}

}  // namespace
}  // namespace cn3::batch

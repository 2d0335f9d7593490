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

// A span file's texts reach the terminal unable to move the cursor, recolour or retitle it;
// TAB, LF and printable UTF-8 pass unchanged.
TEST(results_formats_test, terminal_text_disarms_control_characters) {
    EXPECT_EQ(TerminalText("Unknown Cable \x1b]0;PWNED\x07\x1b[31mRED"),
              "Unknown Cable ?]0;PWNED??[31mRED");
    EXPECT_EQ(TerminalText("a\tb\nM\xc3\xbcller \xc2\xb0" "F \xc2\x9b" "2J \x7f"),
              "a\tb\nM\xc3\xbcller \xc2\xb0" "F ?2J ?");
    EXPECT_EQ(TerminalText("over\rwritten"), "over?written");
    EXPECT_EQ(TerminalText("Too many cables.\r\nCorrect error.\nAgain\r", true),
              "Too many cables. Correct error. Again ");
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

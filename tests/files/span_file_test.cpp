// The span file's bytes: a record built by hand from the offset table, every field through a
// round trip, 8-bit texts cut and filled, and the files that are not span files.
#include "files/span_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "support/temp_folder.h"

namespace cn3::test {
namespace {

// Writes `text` at `offset`, filled with blanks to `width`.
void Put(std::string& bytes, size_t offset, std::string_view text, size_t width) {
    std::string field(text);
    field.resize(width, ' ');
    bytes.replace(offset, width, field);
}

// "c0" .. "c24".
std::string CellText(size_t c) {
    std::string text = "c";
    text += std::to_string(c);
    return text;
}

SpanRecord Sample() {
    SpanRecord r;
    r.metricUnits = 1;
    r.name = "Pole line 7";
    r.date = "12/06/26";
    r.spanId = "P12-P13";
    r.notes = "Road crossing";
    r.installedTemperature = -12;  // 0xFFF4
    r.selectedDistrict = 1;
    r.userLoadings = {1, 0};
    for (size_t c = 0; c < r.loadingCells.size(); ++c) r.loadingCells[c] = CellText(c);
    r.cableNames[0] = "1/4 EHS 6M";
    r.cableNames[1] = "P 500";
    r.cableNames[2] = std::string(20, ' ');
    r.cableNames[3] = "LEFT OVER";
    for (size_t i = 4; i < r.cableNames.size(); ++i) r.cableNames[i] = std::string(20, ' ');
    r.bundleDiameter = 1.25f;  // 0x3FA00000
    r.fixedDiameterFlag = 1;
    r.spanEntries = {"150.00 ", "2", "50.00 ", "18", "0.0000"};
    r.sagMode = 1;
    r.showTemperatureEffect = 1;
    r.showPointOfInterest = 0;
    r.showVectorAnalysis = 1;
    // Every text as it comes back: filled with blanks to its width.
    for (auto* t : {&r.name, &r.date, &r.spanId, &r.notes}) {
        const size_t width = t == &r.name ? 30 : t == &r.date ? 15 : t == &r.spanId ? 20 : 200;
        t->resize(width, ' ');
    }
    for (auto& c : r.loadingCells) c.resize(8, ' ');
    for (auto& n : r.cableNames) n.resize(20, ' ');
    for (auto& e : r.spanEntries) e.resize(8, ' ');
    return r;
}

TEST(span_file_test, every_field_sits_at_its_offset_and_comes_back) {
    std::string want(940, '\0');
    want[0] = 1;
    Put(want, 1, "Pole line 7", 30);
    Put(want, 31, "12/06/26", 15);
    Put(want, 46, "P12-P13", 20);
    Put(want, 66, "Road crossing", 200);
    want[266] = '\xF4';
    want[267] = '\xFF';
    want[268] = 1;
    want[269] = 1;
    want[270] = 0;
    for (size_t c = 0; c < 25; ++c) Put(want, 271 + 8 * c, CellText(c), 8);
    for (size_t i = 0; i < 21; ++i) Put(want, 471 + 20 * i, "", 20);
    Put(want, 471, "1/4 EHS 6M", 20);
    Put(want, 491, "P 500", 20);
    Put(want, 531, "LEFT OVER", 20);
    want.replace(891, 4, std::string("\x00\x00\xA0\x3F", 4));
    want[895] = 1;
    const char* entries[] = {"150.00 ", "2", "50.00 ", "18", "0.0000"};
    for (size_t i = 0; i < 5; ++i) Put(want, 896 + 8 * i, entries[i], 8);
    want[936] = 1;
    want[937] = 1;
    want[938] = 0;
    want[939] = 1;

    const SpanRecord record = Sample();
    const std::string packed = PackSpanRecord(record);
    ASSERT_EQ(packed.size(), 940u);
    for (size_t i = 0; i < 940; ++i) ASSERT_EQ(packed[i], want[i]) << "byte " << i;
    EXPECT_EQ(UnpackSpanRecord(want), record);
}

TEST(span_file_test, texts_are_8_bit_cut_at_their_width_and_never_written_ones_read_blank) {
    SpanRecord r;
    r.name = "Caf\u00e9 line with a name longer than thirty";
    r.spanEntries[0] = "1234567890";
    const std::string bytes = PackSpanRecord(r);
    EXPECT_EQ(bytes.substr(1, 30), "Caf\xe9 line with a name longer t");
    EXPECT_EQ(bytes.substr(896, 8), "12345678");

    std::string zeros(940, '\0');
    const SpanRecord blank = UnpackSpanRecord(zeros);
    EXPECT_EQ(std::tuple(UnpackSpanRecord(bytes).name, blank.name, blank.cableNames[0]),
              std::tuple("Caf\u00e9 line with a name longer t", std::string(30, ' '),
                         std::string(20, ' ')));
}

// A byte short of a record, or one past it, is no span file. (What is no file to read at all,
// or a short one, is tried through "Open".)
TEST(span_file_test, a_byte_short_or_past_a_record_is_refused) {
    TempFolder folder;
    const std::string record = PackSpanRecord(Sample());
    folder.write("940.cn3", record);
    folder.write("939.cn3", record.substr(0, 939));
    folder.write("941.cn3", record + '\0');
    ASSERT_TRUE(ReadSpanFile(folder.file("940.cn3")).ok());
    EXPECT_EQ(ReadSpanFile(folder.file("940.cn3")).value(), Sample());
    for (const char* length : {"939", "941"}) {
        const std::string path = folder.file(std::string(length) + ".cn3");
        const auto read = ReadSpanFile(path);
        ASSERT_FALSE(read.ok()) << length;
        EXPECT_EQ(read.error().text(), "The span file " + path + " is " + length +
                                           " bytes long, not 940, so it is not a span file.");
    }
}

TEST(span_file_test, writing_replaces_a_longer_file_whole_and_a_failed_write_says_so) {
    TempFolder folder;
    folder.write("span.cn3", std::string(2000, 'x'));
    ASSERT_TRUE(WriteSpanFile(folder.file("span.cn3"), Sample()).ok());
    EXPECT_EQ(folder.read("span.cn3"), PackSpanRecord(Sample()));

    const std::string nowhere = folder.file("no such folder/span.cn3");
    const auto failed = WriteSpanFile(nowhere, Sample());
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().text().rfind(
                  std::string("The span file ") + nowhere + " could not be written", 0),
              0u)
        << failed.error().text();
}

}  // namespace
}  // namespace cn3::test

// Snapshots of the worksheet: a capture that changes nothing, and a restore that puts a record
// back, quietly or as "Open" does, with one recomputation. The scripted dialogs fail a test on
// any message box it did not expect.
#include <gtest/gtest.h>

#include "files/span_file.h"
#include "files/span_file_action.h"
#include "worksheet.h"

namespace cn3::test {
namespace {

// Counts the recomputations that reach the results: each one redraws the results table.
struct RecomputeCounter {
    int count = 0;
    explicit RecomputeCounter(Program& program) {
        program.main.Picture3.observe([this] { ++count; });
    }
};

TEST(span_snapshot_test, capture_changes_nothing_and_a_quiet_restore_brings_the_worksheet_back) {
    Worksheet w;
    w.fill();
    w.main.SSTab1.setTab(page::kSagTension);
    const auto before = w.screen();
    const SpanRecord kept = w.program.spanRecord;

    const SpanCapture captured = CaptureSpanRecord(w.program);
    ASSERT_TRUE(captured.record) << captured.failure;
    EXPECT_TRUE(w.program.spanRecord == kept) << "the program's record is untouched";
    EXPECT_EQ(captured.record->name, "Main Street");
    EXPECT_EQ(captured.record->cableNames[3].find_first_not_of(' '), std::string::npos);

    // Another worksheet on another page, then the snapshot put back.
    w.main.Text1.setText("Elsewhere");
    w.select(family::kK5, "P 750");
    w.main.Text9[0].setText("90");
    w.main.HScroll1.setValue(20);
    w.program.loading.Check1[0].setChecked(false);
    w.main.SSTab1.setTab(page::kNescResults);
    RecomputeCounter recomputations(w.program);
    const SpanRestoreOutcome outcome =
        RestoreSpanRecord(w.program, *captured.record, RestoreMode::Quiet);

    EXPECT_EQ(recomputations.count, 1) << "once at the end, not once per control";
    EXPECT_TRUE(outcome.unknownCables.empty());
    EXPECT_FALSE(outcome.unitsSwitched);
    EXPECT_EQ(w.main.SSTab1.tab(), page::kNescResults) << "a quiet restore keeps the page";
    EXPECT_EQ(w.screen(), before);
    const SpanCapture again = CaptureSpanRecord(w.program);
    ASSERT_TRUE(again.record);
    EXPECT_EQ(PackSpanRecord(*again.record), PackSpanRecord(*captured.record));
}

TEST(span_snapshot_test, a_quiet_restore_hands_back_unknown_names_and_shows_no_box) {
    Worksheet w;
    w.fill();
    w.main.SSTab1.setTab(page::kSagTension);
    SpanCapture captured = CaptureSpanRecord(w.program);
    ASSERT_TRUE(captured.record);
    SpanRecord record = *captured.record;
    record.cableNames[1] = "NOT A CABLE";
    record.cableNames[2] = "GONE TOO";
    record.spanEntries[0] = "200";
    RecomputeCounter recomputations(w.program);
    const auto outcome = RestoreSpanRecord(w.program, record, RestoreMode::Quiet);
    EXPECT_EQ(outcome.unknownCables, (std::vector<std::string>{"NOT A CABLE", "GONE TOO"}));
    EXPECT_EQ(w.main.Grid2.text(2, 1), "NOT A CABLE");
    EXPECT_EQ(recomputations.count, 0) << "the recomputation stops at the unknown name";
    EXPECT_NE(w.main.StatusMessage.caption(), "") << "the results shown are not for the entries";
    w.main.Text9[0].setText("210");  // the same selection: still not said
    EXPECT_TRUE(w.dialogs.asked().empty());
}

// Open restores through the same path (its messages and unit switch are tried with Open):
// the first page, and one recomputation however many controls the file changes.
TEST(span_snapshot_test, open_shows_the_first_page_and_recomputes_once) {
    Worksheet w;
    w.fill();
    w.main.SSTab1.setTab(page::kSagTension);
    SpanRecord record = *CaptureSpanRecord(w.program).record;
    record.spanEntries[0] = "60";
    const std::string path = w.folder.file("span.cn3");
    ASSERT_TRUE(WriteSpanFile(path, record).ok());
    w.main.Text9[0].setText("90");
    w.main.SSTab1.setTab(page::kFilesPrint);
    RecomputeCounter recomputations(w.program);
    ASSERT_TRUE(OpenSpanFile(w.program, path));
    EXPECT_EQ(std::tuple(recomputations.count, w.main.SSTab1.tab(), w.main.SSTab2.tab()),
              std::tuple(1, page::kCables, family::kStrand));
    EXPECT_NE(w.main.Label4.caption().find("Span Length = 60.00 ft"), std::string::npos)
        << w.main.Label4.caption();
}

}  // namespace
}  // namespace cn3::test

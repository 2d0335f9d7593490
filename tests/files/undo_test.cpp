// Undo and redo of worksheet edits: one step per finished edit, taken back and put forward
// quietly, started afresh by New and Open.
#include <gtest/gtest.h>

#include <ostream>

#include "files/span_file_action.h"
#include "files/undo_history.h"
#include "worksheet.h"

namespace cn3::test {
namespace {

struct Shown {
    std::string name, span;
    int cables, temperature;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << "{" << s.name << "|" << s.span << "|" << s.cables << "|" << s.temperature << "}";
    }
};

// A span file's fill blanks at the end of a text are no edit: compared without them.
Shown Now(const Worksheet& w) {
    const std::string& span = w.main.Text9[0].text();
    return {w.main.Text1.text(), span.substr(0, span.find_last_not_of(' ') + 1), w.main.Grid2.rows() - 2,
            w.main.HScroll1.value()};
}

TEST(undo_test, each_finished_edit_is_a_step_taken_back_and_put_forward_without_a_word) {
    Worksheet w;
    const Shown start = Now(w);
    w.select(family::kStrand, "1/4 EHS 6M");
    NoteEditFinished(w.program);
    w.select(family::kK5, "P 500");
    NoteEditFinished(w.program);
    w.main.Text9[0].setText("1");  // typing "180" in one field is one step
    w.main.Text9[0].setText("18");
    w.main.Text9[0].setText("180");
    NoteEditFinished(w.program);
    w.main.HScroll1.setValue(75);  // not yet noted: undo takes it back all the same
    const Shown last = Now(w);
    ASSERT_EQ(last, (Shown{start.name, "180", 2, 75}));

    std::vector<Shown> seen;
    while (CanUndo(w.program)) {
        UndoEdit(w.program);
        seen.push_back(Now(w));
    }
    EXPECT_EQ(seen, (std::vector<Shown>{{start.name, "180", 2, start.temperature},
                                         {start.name, start.span, 2, start.temperature},
                                         {start.name, start.span, 1, start.temperature},
                                         start}));
    EXPECT_TRUE(w.dialogs.messages().empty());
    EXPECT_EQ(w.main.SSTab1.tab(), page::kCables) << "the page stays where it was";

    RedoEdit(w.program);
    RedoEdit(w.program);
    EXPECT_EQ(Now(w), (Shown{start.name, start.span, 2, start.temperature}));
    EXPECT_NE(w.main.Label4.caption(), "") << "recomputed";

    // A new edit after undoing drops what could have been redone.
    w.main.Text1.setText("Main Street");
    NoteEditFinished(w.program);
    EXPECT_FALSE(CanRedo(w.program));
    UndoEdit(w.program);
    EXPECT_EQ(Now(w), (Shown{start.name, start.span, 2, start.temperature}));
}

TEST(undo_test, new_and_open_start_the_history_afresh) {
    Worksheet w;
    w.fill();
    NoteEditFinished(w.program);
    ASSERT_TRUE(CanUndo(w.program));
    w.dialogs.answerYesNoCancel(ui::Answer::No);
    NewCommand(w.program);
    EXPECT_EQ(std::pair(CanUndo(w.program), CanRedo(w.program)), std::pair(false, false));
    UndoEdit(w.program);  // nothing to take back: the new worksheet stays
    EXPECT_EQ(w.main.Grid2.rows(), 2);
}

}  // namespace
}  // namespace cn3::test

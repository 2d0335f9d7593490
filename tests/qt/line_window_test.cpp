// The real "Pole Line" window offscreen: Ctrl+L opens it from the main window, cells are typed
// with the keyboard and rows pasted with Ctrl+V, a span short of its clearance is red and said,
// Insert and Ctrl+Delete add and remove rows, the keyboard reaches every control in order, and
// Escape closes it after the question for an unsaved line.
#include "qt/line_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt/editable_grid_view.h"
#include "qt/grid_view.h"
#include "running_program.h"

namespace cn3 {
namespace {

using test::RunningProgram;
using test::Settle;

void SelectCable(Program& program, int family, const std::string& name) {
    program.main.SSTab2.setTab(family);
    for (int r = 1; r < program.main.Grid1.rows(); ++r)
        if (program.main.Grid1.text(r, 0) == name) return program.main.Grid1.click(r, 0);
    ADD_FAILURE() << name << " is not listed";
}

// Types a cell as a designer does: the first key opens the cell's editor, Return ends it.
void TypeCell(qt::EditableGridView* grid, const QString& text) {
    QTest::keyClicks(grid, text.left(1));
    auto* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "a key opens the cell";
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
}

TEST(line_window_test, typed_and_pasted_poles_show_a_low_span_red_and_the_keyboard_reaches_all) {
    RunningProgram run;
    Program& program = *run.program;
    SelectCable(program, family::kStrand, "1/4 EHS 6M");
    SelectCable(program, family::kK5, "P 750");
    program.main.Option1.select(1);
    program.main.Text9[1].setText("1.5");

    QTest::keyClick(run.window.get(), Qt::Key_L, Qt::ControlModifier);
    Settle();
    qt::LineWindow* window = run.window->lineWindow();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "it comes to the front";
    auto* poles = window->findChild<qt::EditableGridView*>(QStringLiteral("Poles"));
    ASSERT_NE(poles, nullptr);
    line::LineSession& session = window->session();
    const ui::Grid& model = session.form.Poles;

    // Insert makes a row; the keyboard types its cells, moving right.
    QTest::keyClick(poles, Qt::Key_Insert);
    Settle();
    ASSERT_EQ(poles->rowCount(), 1);
    for (const char* cell : {"P1", "100", "24", "160"}) {
        TypeCell(poles, QString::fromLatin1(cell));
        QTest::keyClick(poles, Qt::Key_Right);
    }
    EXPECT_EQ(model.text(1, 0) + "|" + model.text(1, 3), "P1|160");

    // Rows from a spreadsheet, pasted into a row added at the end ("Add Pole", Alt+D); the
    // middle span wants 30 ft, more than it has.
    QApplication::clipboard()->setText(
        QStringLiteral("P2\t105\t23\t185\t30\nP3\t98\t22\t210\t\nP4\t104\t23\t\t\n"));
    auto* add = window->findChild<QPushButton*>(QStringLiteral("AddPole"));
    EXPECT_EQ(QKeySequence::mnemonic(add->text()), QKeySequence(QStringLiteral("Alt+D")));
    QTest::mouseClick(add, Qt::LeftButton);
    Settle();
    ASSERT_EQ((std::array{poles->rowCount(), poles->currentRow(), poles->currentColumn()}),
              (std::array{2, 1, 0}));
    poles->setFocus();
    QTest::keyClick(poles, Qt::Key_V, Qt::ControlModifier);
    Settle();
    ASSERT_EQ(poles->rowCount(), 4) << session.form.Problems.caption();
    EXPECT_EQ(poles->item(0, 0)->text(), QStringLiteral("P1"));
    EXPECT_EQ(poles->item(1, 4)->text(), QStringLiteral("30"));
    ASSERT_TRUE(session.solution) << session.form.Problems.caption();

    auto* results = window->findChild<qt::GridView*>(QStringLiteral("Results"));
    ASSERT_NE(results, nullptr);
    results->refreshNow();
    // The model marks the low span (its own tests say which cells); the view paints them red.
    QStringList red;
    for (int r = 1; r < results->rowCount(); ++r)
        for (int c = 0; c < results->columnCount(); ++c)
            if (results->item(r, c)->background() == qt::MarkBrush())
                red << results->item(r, 0)->text();
    red.removeDuplicates();
    EXPECT_EQ(red, QStringList{QStringLiteral("P2-P3")});
    auto* problems = window->findChild<QLabel*>(QStringLiteral("Problems"));
    EXPECT_TRUE(problems->text().contains(QStringLiteral("Span P2-P3 is TOO LOW")));

    // A bad cell typed: red in the grid, said over the results.
    poles->setCurrentCell(2, 1);
    TypeCell(poles, QStringLiteral("9x"));
    EXPECT_EQ(poles->item(2, 1)->background(), qt::MarkBrush());
    EXPECT_TRUE(problems->text().startsWith(QStringLiteral("Row 3 (P3), Ground Elevation")));
    // Ctrl+Delete removes the row, and the line reads again.
    QTest::keyClick(poles, Qt::Key_Delete, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(poles->rowCount(), 3);
    EXPECT_TRUE(session.solution);
    // Down on the last row goes on to a new one, as in a spreadsheet.
    poles->setCurrentCell(2, 2);
    QTest::keyClick(poles, Qt::Key_Down);
    Settle();
    EXPECT_EQ((std::array{poles->rowCount(), poles->currentRow()}), (std::array{4, 3}));

    // Tab goes down the poles, the settings, the results and the foot, in that order (the
    // installation's choices are one stop, and the tension is typed only when it is chosen).
    poles->setFocus();
    QStringList reached;
    for (int i = 0; i < 17; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        reached << window->focusWidget()->objectName();
    }
    EXPECT_EQ(reached.join(QLatin1Char(' ')).toStdString(),
              "AddPole InsertPole RemovePole ImportCsv DefaultClearance Installation_0 "
              "qt_tabwidget_tabbar Results New Open Save SaveAs Print ExportPdf Close Poles "
              "AddPole");
    QTest::keyClick(window->focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(window->focusWidget()->objectName(), QStringLiteral("Poles"));

    // Ctrl+Q here leaves the program as from the main window: after the line's question, whose
    // Cancel keeps both windows.
    auto* clearance = window->findChild<QLineEdit*>(QStringLiteral("DefaultClearance"));
    run.dialogs.answerYesNoCancel(ui::Answer::Cancel);
    QTest::keyClick(clearance, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(run.dialogs.allAnswered());
    EXPECT_TRUE(window->isVisible() && run.window->isVisible());

    // Escape asks about the unsaved line; Cancel keeps the window, No closes it.
    run.dialogs.answerYesNoCancel(ui::Answer::Cancel).answerYesNoCancel(ui::Answer::No);
    QTest::keyClick(clearance, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(clearance, Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(run.dialogs.allAnswered());
}

}  // namespace
}  // namespace cn3

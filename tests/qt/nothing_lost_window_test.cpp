// The real window keeps what was typed: Escape on the real exit question, Ctrl+N, the status
// bar's " (modified)" and the recovery files of the worksheet and the pole line kept by the
// window's timer.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "files/crash_recovery.h"
#include "line/line_editing.h"
#include "line/line_recovery.h"
#include "qt/line_window.h"
#include "qt/qt_dialogs.h"
#include "running_program.h"

namespace cn3 {
namespace {

using test::RunningProgram;
using test::Settle;

TEST(nothing_lost_window_test, escape_on_the_real_exit_question_keeps_the_window_open) {
    RunningProgram run;
    qt::QtDialogs real;
    real.setParent(run.window.get());
    run.program->dialogs = &real;
    run.program->main.Text1.setText("Main Street");
    ASSERT_EQ(run.program->worksheetEdited, 1) << "start-up set the installed temperature";

    QString asked;
    QStringList buttons;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        asked = box->text();
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
        QTest::keyClick(box, Qt::Key_Escape);
    });
    poll.start(20);
    EXPECT_FALSE(run.window->close());
    Settle();
    EXPECT_EQ(asked, QStringLiteral("Do you want to save your data to a file?"));
    buttons.sort();
    EXPECT_EQ(buttons.join('|'), QStringLiteral("Cancel|No|Yes"));
    EXPECT_TRUE(run.window->isVisible());
    EXPECT_EQ(run.program->main.Text1.text(), "Main Street");
    run.program->dialogs = &run.dialogs;
}

TEST(nothing_lost_window_test, the_window_keeps_the_recovery_file_and_a_clean_exit_removes_it) {
    RunningProgram run;
    KeepRecoveryFile(*run.program, 4242);
    const std::filesystem::path recovery = run.program->recovery.path;
    auto* status = run.window->findChild<QLabel*>(QStringLiteral("StatusFileName"));
    ASSERT_NE(status, nullptr);

    run.program->main.Text1.setText("Main Street");
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(recovery); }, 2000));
    EXPECT_TRUE(status->text().endsWith(QStringLiteral(" (modified)"))) << status->text().toStdString();

    // Ctrl+N asks first; No starts a new worksheet, which has nothing to recover.
    run.dialogs.answerYesNoCancel(ui::Answer::No);
    QTest::keyClick(run.window.get(), Qt::Key_N, Qt::ControlModifier);
    Settle();
    EXPECT_TRUE(run.dialogs.allAnswered());
    EXPECT_FALSE(std::filesystem::exists(recovery));
    EXPECT_FALSE(status->text().endsWith(QStringLiteral(" (modified)")));

    run.program->main.Text1.setText("Elm Street");
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(recovery); }, 2000));
    // A new worksheet clears the edited flag, and the exit question is asked while it is set.
    ASSERT_EQ(run.program->worksheetEdited, 0);
    EXPECT_TRUE(run.window->close());
    EXPECT_FALSE(std::filesystem::exists(recovery)) << "a clean exit leaves nothing to recover";
}

TEST(nothing_lost_window_test, the_pole_line_is_kept_while_it_differs_and_a_clean_exit_removes_it) {
    RunningProgram run;
    line::KeepLineRecoveryFile(*run.program, 4242);
    const std::filesystem::path recovery = run.program->lineRecovery.path;
    QTest::keyClick(run.window.get(), Qt::Key_L, Qt::ControlModifier);
    Settle();
    ASSERT_NE(run.window->lineWindow(), nullptr);
    line::LineSession& session = run.window->lineWindow()->session();
    line::AddPoleRow(session);
    session.form.Poles.editCell(1, 0, "P1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(recovery); }, 2000));
    EXPECT_NE(run.program->lineRecovery.written.find("\"P1\""), std::string::npos);

    // The exit asks about the line, then the worksheet; both let go, nothing is left.
    run.dialogs.answerYesNoCancel(ui::Answer::No).answerYesNoCancel(ui::Answer::No);
    EXPECT_TRUE(run.window->close());
    EXPECT_TRUE(run.dialogs.allAnswered());
    EXPECT_FALSE(std::filesystem::exists(recovery)) << "a clean exit leaves nothing to recover";
}

}  // namespace
}  // namespace cn3

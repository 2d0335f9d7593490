// The menu bar, the keyboard paths and the other desktop habits of the real window, offscreen:
// each menu entry reaches the operation its page button reaches, the recent files reopen, a
// dropped span file opens, the loading window is ticked and its cells typed from the keyboard, Esc
// closes the bundle plot, the focus is framed from start-up, and the tooltips carry units.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "files/recent_files.h"
#include "qt/focus_ring.h"
#include "qt/loading_dialog.h"
#include "qt/plot_window.h"
#include "running_program.h"

namespace cn3::test {
namespace {

QAction* Action(qt::MainWindow& window, const char* name) {
    auto* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

TEST(menus_keyboard_test, each_menu_entry_reaches_the_operation_of_its_button) {
    RunningProgram run;
    run.selectStrand();
    Program& p = *run.program;
    std::vector<std::string> printed;  // the first text of each job
    p.runPrintJob = [&](const std::function<void(ui::Surface&)>& job) {
        ui::RecordingSurface page("Printer", 12240, 15840);
        job(page);
        printed.push_back(page.texts().empty() ? "" : page.texts().front().text);
        return std::optional<std::string>();
    };
    p.main.Check5[0].setChecked(true);
    const std::pair<const char*, ui::Button*> pairs[] = {{"PrintReportAction", &p.main.Command6[3]},
                                                         {"CableListAction", &p.main.Command6[4]},
                                                         {"HelpPrintAction", &p.main.Command2}};
    for (const auto& [name, button] : pairs) {
        printed.clear();
        Action(*run.window, name)->trigger();
        button->click();
        ASSERT_EQ(printed.size(), 2u) << name;
        EXPECT_EQ(printed[0], printed[1]) << name;
        // A button the program disables disables its entry.
        button->setEnabled(false);
        EXPECT_FALSE(Action(*run.window, name)->isEnabled()) << name;
        button->setEnabled(true);
    }
    // The help page has no button.
    Action(*run.window, "HelpPageAction")->trigger();
    EXPECT_EQ(p.main.SSTab1.tab(), page::kHelp);
    EXPECT_EQ(run.window->pages()->currentIndex(), page::kHelp);
}

TEST(menus_keyboard_test, recent_files_and_a_dropped_span_file_open_as_open_does) {
    RunningProgram run;
    EXPECT_EQ(run.window->findChild<QLabel*>(QStringLiteral("StatusFileName"))->text(), "Untitled");
    const std::string saved = run.folder.file("saved.cn3"), dropped = run.folder.file("dropped.CN3");
    for (const std::string& copy : {saved, dropped})
        std::filesystem::copy_file(CN3_SOURCE_DIR "/data/examples/metric-span.cn3", copy);
    NoteRecentFile(run.program->dataFolder, saved);
    auto* recent = run.window->findChild<QMenu*>(QStringLiteral("OpenRecentMenu"));
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions().front()->text(), "&1 saved.cn3");
    recent->actions().front()->trigger();
    EXPECT_EQ(run.program->main.StatusFileName.caption(), saved);
    EXPECT_TRUE(run.dialogs.allAnswered()) << "no file dialog";

    // Dropped on the window: a *.cn3 is taken, anything else is refused.
    const auto drop = [&](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(run.window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(run.window.get(), &drop);
        return true;
    };
    EXPECT_FALSE(drop(run.folder.file("CABLEDAT.TXT")));
    EXPECT_TRUE(drop(dropped));
    EXPECT_EQ(run.program->main.StatusFileName.caption(), dropped);
}

TEST(menus_keyboard_test, the_loading_cells_are_reached_and_typed_from_the_keyboard) {
    RunningProgram run;
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kNescResults);
    LoadingForm& form = run.program->loading;
    std::vector<std::string> reached;
    run.dialogs.answerInput("Storm").answerInput("12");
    QTimer::singleShot(0, [&] {
        qt::LoadingDialog* dialog = run.window->loadingWindow();
        auto* name = dialog->findChild<QLabel*>(QStringLiteral("Cell_15"));
        ASSERT_TRUE(name && name->isHidden());
        // A real click ticks user loading 1: its cells show and saving is enabled.
        QTest::mouseClick(dialog->findChild<QCheckBox*>(QStringLiteral("Check1_0")), Qt::LeftButton);
        EXPECT_FALSE(name->isHidden());
        EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("SaveButton"))->isEnabled());
        // Tab from the last tick box lands on the first user cell.
        auto* tick = dialog->findChild<QWidget*>(QStringLiteral("Check1_1"));
        tick->setFocus();
        const auto key = [&](Qt::Key k) { QTest::keyClick(dialog->focusWidget(), k); };
        key(Qt::Key_Tab);
        reached.push_back(dialog->focusWidget()->objectName().toStdString());
        key(Qt::Key_Return);  // the value box
        key(Qt::Key_Right);
        reached.push_back(dialog->focusWidget()->objectName().toStdString());
        key(Qt::Key_F2);
        key(Qt::Key_Up);  // no row above: stays
        reached.push_back(dialog->focusWidget()->objectName().toStdString());
        key(Qt::Key_Escape);  // closes the window
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Esc left the loading window open";
            dialog->reject();
        }
    });
    run.program->main.Command5.click();
    EXPECT_EQ(reached, (std::vector<std::string>{"Cell_15", "Cell_16", "Cell_16"}));
    EXPECT_EQ(form.Cells[15].caption(), "Storm");
    EXPECT_EQ(form.Cells[16].caption(), "12");
    EXPECT_FALSE(form.shown) << "Esc closed it";
    EXPECT_TRUE(form.Check1[0].checked()) << "closing undoes nothing";
    EXPECT_TRUE(run.dialogs.allAnswered());
}

TEST(menus_keyboard_test, esc_closes_the_bundle_plot_and_the_focus_is_framed_from_the_start) {
    RunningProgram run;
    run.window->activateWindow();
    Settle();
    QWidget* first = run.window->focusWidget();
    ASSERT_NE(first, nullptr) << "the keyboard starts on a control";
    EXPECT_EQ(first->objectName(), "SSTab2") << "the first control of the Cables page";
    if (QApplication::focusWidget() == first) {
        EXPECT_EQ(qt::FocusRing::target(), first);
    }

    run.selectStrand();
    run.program->main.Command3.click();
    Settle();
    ASSERT_TRUE(run.program->plot.shown());
    auto* escape = run.window->plotWindow()->findChild<QShortcut*>(QStringLiteral("CloseShortcut"));
    ASSERT_NE(escape, nullptr);
    EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
    emit escape->activated();
    EXPECT_FALSE(run.program->plot.shown());
    EXPECT_FALSE(run.window->plotWindow()->isVisible());
}

TEST(menus_keyboard_test, tooltips_and_the_units_beside_entries_follow_the_display_units) {
    RunningProgram run;
    auto* span = run.window->findChild<QLineEdit*>(QStringLiteral("Text9_0"));
    auto* unit = run.window->findChild<QLabel*>(QStringLiteral("Unit_Text9_0"));
    ASSERT_TRUE(span && unit);
    EXPECT_EQ(span->toolTip(), "Span length between the supports, ft");
    EXPECT_EQ(unit->text(), "ft");
    run.program->units.metricUnits = 1;
    run.program->onUnitSystemChange();
    EXPECT_EQ(span->toolTip(), "Span length between the supports, m");
    EXPECT_EQ(unit->text(), "m");
    // Every button and entry of the main window has a tooltip.
    for (QWidget* w : run.window->pages()->findChildren<QWidget*>())
        EXPECT_TRUE(!(qobject_cast<QPushButton*>(w) || qobject_cast<QLineEdit*>(w)) ||
                    !w->toolTip().isEmpty())
            << w->objectName().toStdString();
    // The grid headings: the whole heading on one line.
    auto* grid = run.window->findChild<QTableWidget*>(QStringLiteral("GridTemp"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(0, 1)->toolTip().toStdString().rfind("Midspan Sag", 0), 0u);
}

}  // namespace
}  // namespace cn3::test

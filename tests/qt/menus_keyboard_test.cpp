// The menu bar, the keyboard paths and the other desktop habits of the real window, offscreen:
// each menu entry reaches the operation its page button reaches, the recent files reopen, a
// dropped span file opens, the loading window's own cells are worked from the keyboard, Esc
// closes the bundle plot, the focus is framed from start-up, and the tooltips carry units.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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
#include "qt/print_preview.h"
#include "running_program.h"

namespace cn3::test {
namespace {

// The visible entries of a menu, as shown (the key after a tab), separators as "-".
std::vector<std::string> Entries(QMenu* menu) {
    std::vector<std::string> entries;
    for (QAction* a : menu->actions())
        if (a->isVisible()) entries.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    return entries;
}

QAction* Action(qt::MainWindow& window, const char* name) {
    auto* action = window.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

TEST(menus_keyboard_test, the_menus_stand_in_the_usual_order_with_their_keys) {
    RunningProgram run;
    QMenuBar* bar = run.window->menuBar();
    std::vector<std::string> menus;
    for (QAction* a : bar->actions())
        if (a->isVisible()) menus.push_back(a->text().toStdString());
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "&Tools", "&Help"}));
    EXPECT_EQ(Entries(run.window->findChild<QMenu*>(QStringLiteral("FileMenu"))),
              (std::vector<std::string>{"&New\tCtrl+N", "&Open...\tCtrl+O", "Open &Recent", "&Save\tCtrl+S",
                                        "Save &As...\tCtrl+Shift+S", "-", "Print &Report...\tCtrl+P",
                                        "&Cable List...", "&Help Text...",
                                        "&Export Report as PDF...", "-", "E&xit\tCtrl+Q"}));
    EXPECT_EQ(Entries(run.window->findChild<QMenu*>(QStringLiteral("ToolsMenu"))),
              (std::vector<std::string>{"&Pole Line...\tCtrl+L"}));
    EXPECT_EQ(Entries(run.window->findChild<QMenu*>(QStringLiteral("HelpMenu"))),
              (std::vector<std::string>{"Catenova &Help\tF1", "-", "&About Catenova"}));
    for (QAction* a : run.window->findChild<QMenu*>(QStringLiteral("FileMenu"))->actions())
        if (a->isVisible() && !a->isSeparator() && !a->menu()) {
            EXPECT_FALSE(a->toolTip().isEmpty()) << a->text().toStdString();
        }
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
    // Open and Save As ask for a file as their buttons do.
    run.dialogs.answerOpen(std::nullopt).answerOpen(std::nullopt);
    Action(*run.window, "OpenAction")->trigger();
    p.main.Command6[0].click();
    run.dialogs.answerSave(std::nullopt).answerSave(std::nullopt);
    Action(*run.window, "SaveAsAction")->trigger();
    p.main.Command6[2].click();
    EXPECT_TRUE(run.dialogs.allAnswered());

    // The entries without a button: the PDF export, the help page and About.
    int exported = 0;
    p.exportPdfJob = [&](const std::function<void(ui::Surface&)>&) {
        ++exported;
        return std::optional<std::string>();
    };
    Action(*run.window, "ExportReportPdfAction")->trigger();
    EXPECT_EQ(exported, 1);
    Action(*run.window, "HelpPageAction")->trigger();
    EXPECT_EQ(p.main.SSTab1.tab(), page::kHelp);
    EXPECT_EQ(run.window->pages()->currentIndex(), page::kHelp);
    run.dialogs.expectMessage();
    Action(*run.window, "AboutAction")->trigger();
    EXPECT_NE(run.dialogs.messages().back().find(p.dataFolder), std::string::npos);
}

TEST(menus_keyboard_test, recent_files_and_a_dropped_span_file_open_as_open_does) {
    RunningProgram run;
    run.selectStrand();
    Program& p = *run.program;
    EXPECT_EQ(run.window->findChild<QLabel*>(QStringLiteral("StatusFileName"))->text(), "Untitled");
    const std::string saved = run.folder.file("saved.cn3");
    run.dialogs.answerSave(saved).expectMessage();
    Action(*run.window, "SaveAsAction")->trigger();
    ASSERT_EQ(ReadRecentFiles(p.dataFolder), std::vector<std::string>{saved});

    // A new worksheet from a fresh start, then the file from the list.
    RunningProgram next;
    std::filesystem::copy_file(saved, next.folder.file("saved.cn3"));
    NoteRecentFile(next.program->dataFolder, next.folder.file("saved.cn3"));
    auto* recent = next.window->findChild<QMenu*>(QStringLiteral("OpenRecentMenu"));
    emit recent->aboutToShow();
    ASSERT_EQ(recent->actions().size(), 1);
    EXPECT_EQ(recent->actions().front()->text(), "&1 saved.cn3");
    recent->actions().front()->trigger();
    EXPECT_EQ(next.program->main.StatusFileName.caption(), next.folder.file("saved.cn3"));
    EXPECT_TRUE(next.dialogs.allAnswered()) << "no file dialog";

    // Dropped on the window: a *.cn3 is taken, anything else is refused.
    RunningProgram third;
    std::filesystem::copy_file(saved, third.folder.file("dropped.CN3"));
    const auto drop = [&](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(third.window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(third.window.get(), &dropped);
        return true;
    };
    EXPECT_FALSE(drop(third.folder.file("CABLEDAT.TXT")));
    EXPECT_TRUE(drop(third.folder.file("dropped.CN3")));
    EXPECT_EQ(third.program->main.StatusFileName.caption(), third.folder.file("dropped.CN3"));
}

TEST(menus_keyboard_test, the_loading_cells_are_reached_and_typed_from_the_keyboard) {
    RunningProgram run;
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kNescResults);
    LoadingForm& form = run.program->loading;
    form.Check1[0].setChecked(true);
    std::vector<std::string> reached;
    run.dialogs.answerInput("Storm").answerInput("12");
    QTimer::singleShot(0, [&] {
        qt::LoadingDialog* dialog = run.window->loadingWindow();
        auto* name = dialog->findChild<QLabel*>(QStringLiteral("Cell_15"));
        ASSERT_NE(name, nullptr);
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

TEST(menus_keyboard_test, save_pdf_in_the_preview_takes_ctrl_s_and_a_tab_stop) {
    QKeySequence key;
    bool tabStop = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            if (auto* save = dialog->findChild<QAction*>(QStringLiteral("savePdf"))) key = save->shortcut();
            if (auto* button = dialog->findChild<QWidget*>(QStringLiteral("savePdfButton")))
                tabStop = (button->focusPolicy() & Qt::TabFocus) != 0;
            dialog->reject();
        }
    });
    qt::RunPrintPreview(nullptr, [](ui::Surface& page) { page.print("A page"); },
                        [](QWidget*) { return QString(); });
    EXPECT_EQ(key, QKeySequence(QKeySequence::Save));
    EXPECT_TRUE(tabStop);
}

TEST(menus_keyboard_test, tooltips_and_the_units_beside_entries_follow_the_display_units) {
    RunningProgram run;
    auto* span = run.window->findChild<QLineEdit*>(QStringLiteral("Text9_0"));
    auto* unit = run.window->findChild<QLabel*>(QStringLiteral("Unit_Text9_0"));
    ASSERT_TRUE(span && unit);
    EXPECT_EQ(span->toolTip(), "Span length between the supports, ft");
    EXPECT_EQ(unit->text(), "ft");
    EXPECT_EQ(run.window->findChild<QWidget*>(QStringLiteral("Text9_1"))->toolTip(),
              "Installed sag at midspan, ft with Absolute, % of the span length with Percent");
    run.program->units.metricUnits = 1;
    run.program->onUnitSystemChange();
    EXPECT_EQ(span->toolTip(), "Span length between the supports, m");
    EXPECT_EQ(unit->text(), "m");
    // Every button of the main window has a tooltip.
    for (auto* button : run.window->pages()->findChildren<QPushButton*>())
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->objectName().toStdString();
    for (auto* entry : run.window->pages()->findChildren<QLineEdit*>())
        EXPECT_FALSE(entry->toolTip().isEmpty()) << entry->objectName().toStdString();
    // The grid headings: the whole heading on one line.
    auto* grid = run.window->findChild<QTableWidget*>(QStringLiteral("GridTemp"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(0, 1)->toolTip().toStdString().rfind("Midspan Sag", 0), 0u);
}

}  // namespace
}  // namespace cn3::test

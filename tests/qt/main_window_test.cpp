// The real main window offscreen: its pages and catalogue, the loading window, typing and exit.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "qt/loading_dialog.h"
#include "running_program.h"

namespace cn3 {
namespace {

using test::RunningProgram;

TEST(main_window_test, opens_titled_on_the_cables_page_with_the_catalogue_and_exit_closes_it) {
    RunningProgram run;
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)"));

    const QStringList captions{"Project ID", "Cables", "Sag / Tension", "Nesc Results", "Files/Print", "Help", "EXIT"};
    QTabWidget* pages = run.window->pages();
    ASSERT_EQ(pages->count(), captions.size());
    for (int i = 0; i < pages->count(); ++i) EXPECT_EQ(pages->tabText(i), captions[i]);
    EXPECT_EQ(pages->currentIndex(), page::kCables);

    auto* catalogue = run.window->findChild<QTableWidget*>(QStringLiteral("Grid1"));
    ASSERT_NE(catalogue, nullptr);
    const ui::Grid& model = run.program->main.Grid1;
    ASSERT_EQ(catalogue->rowCount(), model.rows());
    ASSERT_EQ(catalogue->columnCount(), 8);
    // A cable row shows its texts as the table holds them; the LF CR break shows as one.
    const int row = model.rows() - 2;
    EXPECT_FALSE(model.text(row, 0).empty());
    EXPECT_EQ(catalogue->item(row, 0)->text().toStdString(), model.text(row, 0));
    EXPECT_EQ(catalogue->item(row, 3)->text().toStdString(), model.text(row, 3));
    EXPECT_EQ(catalogue->item(model.rows() - 1, 0)->text(), QStringLiteral("User Defined\nCables"));
    // Widths and heights come from the twips at the screen's logical DPI.
    EXPECT_EQ(catalogue->columnWidth(0), qRound(1700 * catalogue->logicalDpiX() / 1440.0));
    EXPECT_EQ(catalogue->rowHeight(0), qRound(800 * catalogue->logicalDpiY() / 1440.0));

    pages->setCurrentIndex(page::kExit);
    QApplication::processEvents();
    EXPECT_FALSE(run.window->isVisible());
}

TEST(main_window_test, the_loading_window_opens_and_a_real_click_ticks_a_user_loading) {
    RunningProgram run;
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kNescResults);
    ASSERT_EQ(run.window->pages()->currentIndex(), page::kNescResults);
    LoadingForm& form = run.program->loading;

    bool sawWindow = false;
    QTimer::singleShot(0, [&] {
        qt::LoadingDialog* dialog = run.window->loadingWindow();
        sawWindow = dialog->isVisible();
        auto* tick = dialog->findChild<QCheckBox*>(QStringLiteral("Check1_0"));
        auto* cell = dialog->findChild<QLabel*>(QStringLiteral("Cell_15"));
        ASSERT_TRUE(tick && cell);
        EXPECT_TRUE(cell->isHidden());
        QTest::mouseClick(tick, Qt::LeftButton);
        EXPECT_TRUE(form.Check1[0].checked());
        EXPECT_FALSE(cell->isHidden());
        EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("SaveButton"))->isEnabled());
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
    });
    // The click returns when the window closes.
    QTest::mouseClick(run.window->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);

    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(form.shown);
    EXPECT_FALSE(run.window->loadingWindow()->isVisible());
    EXPECT_TRUE(form.Check1[0].checked()) << "closing undoes nothing";
}

TEST(main_window_test, typing_in_an_entry_reaches_its_model_once) {
    RunningProgram run;
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kProjectId);
    auto* name = run.window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(name, nullptr);
    int changes = 0;
    run.program->main.Text1.onChange = [&] { ++changes; };
    QTest::keyClicks(name, "Pole 7");
    EXPECT_EQ(run.program->main.Text1.text(), "Pole 7");
    EXPECT_EQ(name->text(), QStringLiteral("Pole 7"));
    EXPECT_EQ(changes, 6);
}

}  // namespace
}  // namespace cn3

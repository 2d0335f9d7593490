// The real main window offscreen: its catalogue, typing and exit.
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "qt/grid_view.h"
#include "running_program.h"

namespace cn3 {
namespace {

using test::RunningProgram;

TEST(main_window_test, opens_titled_on_the_cables_page_with_the_catalogue_and_exit_closes_it) {
    RunningProgram run;
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)"));
    QTabWidget* pages = run.window->pages();
    EXPECT_EQ(pages->currentIndex(), page::kCables);

    auto* catalogue = run.window->findChild<qt::GridView*>(QStringLiteral("Grid1"));
    ASSERT_NE(catalogue, nullptr);
    const ui::Grid& model = run.program->main.Grid1;
    ASSERT_EQ((std::array{catalogue->rowCount(), catalogue->columnCount()}), (std::array{model.rows(), 8}));
    // The LF CR break shows as one (the end-to-end test finds the cables by their names).
    EXPECT_EQ(catalogue->item(model.rows() - 1, 0)->text(), QStringLiteral("User Defined\nCables"));
    // Widths and heights come from the twips at the screen's logical DPI; extra room widens
    // the columns in proportion.
    EXPECT_EQ(catalogue->ownColumnWidth(0), qRound(1700 * catalogue->logicalDpiX() / 1440.0));
    EXPECT_EQ(catalogue->ownRowHeight(0), qRound(800 * catalogue->logicalDpiY() / 1440.0));
    run.window->resize(1600, 900);
    QApplication::processEvents();
    EXPECT_NEAR(double(catalogue->columnWidth(0)) / catalogue->columnWidth(6),
                double(catalogue->ownColumnWidth(0)) / catalogue->ownColumnWidth(6), 0.02);
    EXPECT_GT(catalogue->columnWidth(0), catalogue->ownColumnWidth(0));

    // Start-up set the installed temperature, so the worksheet counts as edited: not saving.
    run.dialogs.answerYesNo(false);
    pages->setCurrentIndex(page::kExit);
    QApplication::processEvents();
    EXPECT_FALSE(run.window->isVisible());
}

TEST(main_window_test, typing_in_an_entry_reaches_its_model_once) {
    RunningProgram run;
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kProjectId);
    auto* name = run.window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(name, nullptr);
    int changes = 0;
    run.program->main.Text1.onChange.connect([&] { ++changes; });
    QTest::keyClicks(name, "Pole 7");
    // The model and the entry hold the text, and each key changed the model once.
    EXPECT_EQ(run.program->main.Text1.text() + "|" + name->text().toStdString() + "|" + std::to_string(changes),
              "Pole 7|Pole 7|6");
}

}  // namespace
}  // namespace cn3

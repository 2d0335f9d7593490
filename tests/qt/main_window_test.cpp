// The real main window, started offscreen from a temporary data folder with the shipped data.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/start_up.h"
#include "qt/loading_dialog.h"
#include "qt/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

struct RunningProgram {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<Program> program = std::make_unique<Program>();
    std::unique_ptr<qt::MainWindow> window;

    explicit RunningProgram(const char* settings = "English\r\n2\r\n") {
        folder.copyShipped("CABLEDAT.TXT");
        folder.write("CN3NESC.TXT", settings);
        program->dialogs = &dialogs;
        program->dataFolder = folder.path().string();
        window = std::make_unique<qt::MainWindow>(*program);
        started = StartProgram(*program);
        window->show();
        QApplication::processEvents();
    }
    ~RunningProgram() { window.reset(); }

    template <class W>
    W* find(const char* name) const {
        return window->findChild<W*>(QString::fromLatin1(name));
    }
    bool started = false;

    // Selects the first strand of the catalogue, so the result pages may be opened.
    void selectStrand() {
        const CableTable& cables = program->cables;
        for (int row = 1; row <= cables.lastCableRow; ++row) {
            if (cables.rows[static_cast<size_t>(row)][field::kKindCode] == "0") {
                program->main.Grid1.click(row, 0);
                return;
            }
        }
    }
};

TEST(main_window_test, opens_titled_on_the_cables_page_with_the_catalogue) {
    RunningProgram run;
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.window->windowTitle(), QStringLiteral("CN3 - CATENOVA  Release 3.1 by Norvale   (English Units)"));

    const QStringList captions{"Project ID", "Cables", "Sag / Tension", "Nesc Results", "Files/Print", "Help", "EXIT"};
    QTabWidget* pages = run.window->pages();
    ASSERT_EQ(pages->count(), captions.size());
    for (int i = 0; i < pages->count(); ++i) EXPECT_EQ(pages->tabText(i), captions[i]);
    EXPECT_EQ(pages->currentIndex(), page::kCables);

    auto* catalogue = run.find<QTableWidget>("Grid1");
    ASSERT_NE(catalogue, nullptr);
    const ui::Grid& model = run.program->main.Grid1;
    ASSERT_EQ(catalogue->rowCount(), model.rows());
    ASSERT_EQ(catalogue->columnCount(), 8);
    // A cable row shows its name as the table holds it; headings break their lines once.
    const int row = model.rows() - 2;
    EXPECT_FALSE(model.text(row, 0).empty());
    EXPECT_EQ(catalogue->item(row, 0)->text().toStdString(), model.text(row, 0));
    EXPECT_EQ(catalogue->item(row, 3)->text().toStdString(), model.text(row, 3));
    const QString heading = catalogue->item(0, 3)->text();
    EXPECT_TRUE(heading.contains(QLatin1Char('\n')));
    EXPECT_FALSE(heading.contains(QLatin1Char('\r')));
    EXPECT_EQ(catalogue->item(model.rows() - 1, 0)->text(), QStringLiteral("User Defined\nCables"));
    // Widths and heights come from the twips at the screen's logical DPI.
    EXPECT_EQ(catalogue->columnWidth(0), qRound(1700 * catalogue->logicalDpiX() / 1440.0));
    EXPECT_EQ(catalogue->rowHeight(0), qRound(800 * catalogue->logicalDpiY() / 1440.0));
}

TEST(main_window_test, the_loading_window_opens_and_a_real_click_ticks_a_user_loading) {
    RunningProgram run;
    ASSERT_TRUE(run.started);
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
    QTest::mouseClick(run.find<QPushButton>("Command5"), Qt::LeftButton);  // returns when the window closes

    EXPECT_TRUE(sawWindow);
    EXPECT_FALSE(form.shown);
    EXPECT_FALSE(run.window->loadingWindow()->isVisible());
    EXPECT_TRUE(form.Check1[0].checked()) << "closing undoes nothing";
}

TEST(main_window_test, typing_in_an_entry_reaches_its_model_once) {
    RunningProgram run;
    ASSERT_TRUE(run.started);
    run.selectStrand();
    run.window->pages()->setCurrentIndex(page::kProjectId);
    auto* name = run.find<QLineEdit>("Text1");
    ASSERT_NE(name, nullptr);
    int changes = 0;
    run.program->main.Text1.onChange = [&] { ++changes; };
    QTest::keyClicks(name, "Pole 7");
    EXPECT_EQ(run.program->main.Text1.text(), "Pole 7");
    EXPECT_EQ(name->text(), QStringLiteral("Pole 7"));
    EXPECT_EQ(changes, 6);
}

TEST(main_window_test, choosing_the_exit_page_closes_the_window) {
    RunningProgram run;
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.window->isVisible());
    run.window->pages()->setCurrentIndex(page::kExit);
    QApplication::processEvents();
    EXPECT_FALSE(run.window->isVisible());
}

}  // namespace
}  // namespace cn3

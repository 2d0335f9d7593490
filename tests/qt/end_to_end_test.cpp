// A new user's first span, through the real main window: a strand and two coax cables are
// clicked in the catalogue grid, the "Sag / Tension" page shows the results, and removing a
// cable updates the bundle row.
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "running_program.h"

namespace cn3::test {

namespace {

// A press and release of the left button at a point of a widget, as a user's click.
void clickAt(QWidget* widget, QPoint point) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    Settle();
}

void clickTab(QTabBar* tabs, int index) { clickAt(tabs, tabs->tabRect(index).center()); }

// Clicks the cable's name cell, scrolling it into view first as a user would.
void clickCable(QTableWidget* grid, const QString& name) {
    const auto found = grid->findItems(name, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << name.toStdString() << " is not listed";
    grid->scrollToItem(found.front());
    Settle();
    clickAt(grid->viewport(), grid->visualItemRect(found.front()).center());
}

QString cell(QTableWidget* grid, int row, int col) {
    return grid->item(row, col) ? grid->item(row, col)->text() : QString();
}

}  // namespace

TEST(end_to_end_test, first_span_from_the_catalogue_to_its_results_and_back) {
    RunningProgram run(nullptr);  // the shipped data; the first-run question answered English
    qt::MainWindow& window = *run.window;

    auto* families = window.findChild<QTabBar*>(QStringLiteral("SSTab2"));
    auto* catalogue = window.findChild<QTableWidget*>(QStringLiteral("Grid1"));
    auto* selected = window.findChild<QTableWidget*>(QStringLiteral("Grid2"));
    auto* results = window.findChild<QLabel*>(QStringLiteral("Label4"));
    ASSERT_TRUE(families && catalogue && selected && results);

    clickTab(families, family::kStrand);
    clickCable(catalogue, QStringLiteral("1/4 EHS 6M"));
    clickTab(families, family::kK5);
    clickCable(catalogue, QStringLiteral("P 500"));
    clickCable(catalogue, QStringLiteral("C 875"));

    ASSERT_EQ(selected->rowCount(), 5);
    // The three names, and the bundle weight 0.121 + 0.09 + 0.22 lb/ft.
    EXPECT_EQ(QStringList({cell(selected, 1, 1), cell(selected, 2, 1), cell(selected, 3, 1), cell(selected, 4, 3)}),
              QStringList({"1/4 EHS 6M", "P 500", "C 875", "0.4310"}));

    clickTab(window.pages()->tabBar(), page::kSagTension);
    ASSERT_EQ(window.pages()->currentIndex(), page::kSagTension);
    const QStringList lines = results->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 8);
    // 150 ft at the starting sag of 1 % of the span.
    EXPECT_EQ(lines[0].trimmed(), QStringLiteral("Span Length = 150.00 ft"));
    EXPECT_EQ(lines[1].trimmed(), QStringLiteral("Span Sag = 1.50 ft  (18.0 in)"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Span Tension = ")));
    EXPECT_TRUE(results->text().contains(QStringLiteral("Unloaded Strand")));

    clickTab(window.pages()->tabBar(), page::kCables);
    clickAt(selected->viewport(), selected->visualItemRect(selected->item(2, 1)).center());

    ASSERT_EQ(selected->rowCount(), 4);
    // C 875 moves up to number 2; the bundle weighs 0.121 + 0.22 lb/ft, and its diameter is the
    // strand's beside the 0.98 in cable: the two diameters side by side.
    EXPECT_EQ(QStringList({cell(selected, 2, 0), cell(selected, 2, 1), cell(selected, 3, 3), cell(selected, 3, 2)}),
              QStringList({"2", "C 875", "0.3410", "1.220"}));

    EXPECT_TRUE(run.dialogs.allAnswered());
}

}  // namespace cn3::test

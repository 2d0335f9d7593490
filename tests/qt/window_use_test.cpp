// Living with the real main window: its smallest size, controls that stay put, the keyboard,
// names for screen readers, the line that says the results are not current, and drawn tables
// whose figures never touch.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "engine/loading_table_drawing.h"
#include "qt/grid_view.h"
#include "qt/qt_surface.h"
#include "running_program.h"

namespace cn3::test {
namespace {

// Lists a family and clicks the cable of that name in the catalogue model.
void Pick(Program& program, int familyTab, const std::string& name) {
    program.main.SSTab2.setTab(familyTab);
    const ui::Grid& grid = program.main.Grid1;
    for (int r = 1; r < grid.rows(); ++r)
        if (grid.text(r, 0) == name) return program.main.Grid1.click(r, 0);
    ADD_FAILURE() << name << " is not listed";
}

// The worked example of the README: a strand, three coax cables, both NESC options and the
// temperature table on.
void WorkedExample(RunningProgram& run) {
    Program& p = *run.program;
    Pick(p, family::kStrand, "1/4 EHS 6M");
    for (const char* name : {"P 500", "C 875", "P 750"}) Pick(p, family::kK5, name);
    p.main.Text9[0].setText("150");
    p.main.Check2.setChecked(true);
    p.main.Text9[3].setText("18");
    p.main.Check1[0].setChecked(true);
    p.main.Check1[1].setChecked(true);
    Settle();
}

// The named widgets the user sees on the current page (the window's own and Qt's inner
// parts left out), with their rectangles in window coordinates.
std::vector<std::pair<QWidget*, QRect>> ShownControls(qt::MainWindow& window) {
    std::vector<std::pair<QWidget*, QRect>> shown;
    QWidget* page = window.pages()->currentWidget();
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            !w->isVisible())
            continue;
        shown.emplace_back(w, QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
    }
    return shown;
}

// Every shown control lies inside the window, has at least the room it asks for, and
// overlaps no other (a control on a panel or in a frame lies in its container, not over it).
std::vector<std::string> Crowding(qt::MainWindow& window) {
    std::vector<std::string> faults;
    const auto controls = ShownControls(window);
    const QRect inside = window.centralWidget()->geometry();
    for (const auto& [w, rect] : controls) {
        const std::string name = w->objectName().toStdString();
        if (!inside.contains(rect)) faults.push_back(name + " is cut off");
        const QSize need = w->minimumSizeHint();
        if (!w->hasHeightForWidth() && (rect.width() < need.width() || rect.height() < need.height()))
            faults.push_back(name + " is squeezed");
        for (const auto& [other, otherRect] : controls)
            if (w < other && !w->isAncestorOf(other) && !other->isAncestorOf(w) && rect.intersects(otherRect))
                faults.push_back(name + " overlaps " + other->objectName().toStdString());
    }
    return faults;
}

TEST(window_use_test, at_its_smallest_every_page_shows_every_control_whole_and_apart) {
    RunningProgram run;
    WorkedExample(run);
    qt::MainWindow& window = *run.window;
    window.resize(1, 1);
    Settle();
    const QSize smallest = window.size();
    EXPECT_LE(smallest.width(), 1024);
    EXPECT_LE(smallest.height(), 720);
    for (bool editing : {false, true}) {
        if (editing) {
            window.pages()->setCurrentIndex(page::kCables);
            run.program->main.SSTab2.setTab(family::kUserDefined);
            run.program->main.Command1.click();  // the editing panel in place of the selection
            Settle();
        }
        for (int page = 0; page < page::kExit; ++page) {
            window.pages()->setCurrentIndex(page);
            Settle();
            EXPECT_EQ(Crowding(window), std::vector<std::string>()) << "page " << page << (editing ? ", editing" : "");
        }
    }
    EXPECT_EQ(window.size(), smallest) << "nothing made the window grow";
    // The 140 F row of the temperature table is in view.
    auto* temperatures = window.findChild<QTableWidget*>(QStringLiteral("GridTemp"));
    window.pages()->setCurrentIndex(page::kSagTension);
    Settle();
    EXPECT_TRUE(temperatures->viewport()->rect().contains(temperatures->visualItemRect(temperatures->item(19, 0))));
}

TEST(window_use_test, controls_stay_put_when_family_tabs_change_and_boxes_are_ticked) {
    RunningProgram run;
    WorkedExample(run);
    qt::MainWindow& window = *run.window;
    const auto places = [&](std::initializer_list<const char*> names) {
        std::vector<QRect> rects;
        for (const char* name : names) {
            auto* w = window.findChild<QWidget*>(QLatin1String(name));
            rects.push_back(QRect(w->mapTo(&window, QPoint(0, 0)), w->size()));
        }
        return rects;
    };
    const auto cables = {"Grid1", "Grid2", "Label6", "Text5", "Command3", "Command1"};
    window.pages()->setCurrentIndex(page::kCables);
    run.program->main.SSTab2.setTab(family::kStrand);
    Settle();
    const auto onStrand = places(cables);
    for (int tab : {family::kK5, family::kFiber, family::kUserDefined}) {
        run.program->main.SSTab2.setTab(tab);
        Settle();
        EXPECT_EQ(places(cables), onStrand) << "tab " << tab;
    }

    const auto sagTension = {"Text9_0", "HScroll1", "Check2", "GridTemp", "Frame3"};
    window.pages()->setCurrentIndex(page::kSagTension);
    Settle();
    const auto ticked = places(sagTension);
    run.program->main.Check2.setChecked(false);
    Settle();
    EXPECT_EQ(places(sagTension), ticked);
}

TEST(window_use_test, a_cable_is_selected_and_removed_without_the_mouse) {
    RunningProgram run;
    qt::MainWindow& window = *run.window;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* catalogue = window.findChild<qt::GridView*>(QStringLiteral("Grid1"));
    auto* selected = window.findChild<qt::GridView*>(QStringLiteral("Grid2"));
    const ui::Grid& chosen = run.program->main.Grid2;
    run.program->main.SSTab2.setTab(family::kK5);  // lashed cables, any number of them
    Settle();

    // Tab from the family tabs reaches the catalogue, on its first cable.
    window.findChild<QTabBar*>(QStringLiteral("SSTab2"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), catalogue);
    EXPECT_EQ(std::pair(catalogue->currentRow(), catalogue->currentColumn()), std::pair(1, 0));
    const std::string first = run.program->main.Grid1.text(1, 0);
    QTest::keyClick(catalogue, Qt::Key_Return);
    QTest::keyClick(catalogue, Qt::Key_Down);
    QTest::keyClick(catalogue, Qt::Key_Down);
    const std::string third = run.program->main.Grid1.text(3, 0);
    QTest::keyClick(catalogue, Qt::Key_Space);
    Settle();
    ASSERT_EQ(chosen.rows(), 4);
    EXPECT_EQ(std::pair(chosen.text(1, 1), chosen.text(2, 1)), std::pair(first, third));

    // The next stop is the selection; Down then Space removes the second cable.
    QTest::keyClick(catalogue, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), selected);
    QTest::keyClick(selected, Qt::Key_Down);
    QTest::keyClick(selected, Qt::Key_Space);
    Settle();
    EXPECT_EQ(std::pair(chosen.rows(), chosen.text(1, 1)), std::pair(3, first));
    // Enter on the bundle row or the headings does nothing.
    QTest::keyClick(selected, Qt::Key_Down);
    QTest::keyClick(selected, Qt::Key_Return);
    QTest::keyClick(selected, Qt::Key_Up);
    QTest::keyClick(selected, Qt::Key_Up);
    QTest::keyClick(selected, Qt::Key_Return);
    Settle();
    EXPECT_EQ(chosen.rows(), 3);
    EXPECT_TRUE(run.dialogs.allAnswered());
}

TEST(window_use_test, tab_reaches_every_control_and_the_temperature_bar_takes_its_keys) {
    RunningProgram run;
    run.selectStrand();
    qt::MainWindow& window = *run.window;
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    run.program->main.Check2.setChecked(true);
    const auto chain = [&](int page) {
        window.pages()->setCurrentIndex(page);
        Settle();
        window.pages()->tabBar()->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            if (w == window.pages()->tabBar()) break;
            names << w->objectName();
        }
        return names.join(QLatin1Char(' ')).toStdString();
    };
    EXPECT_EQ(chain(page::kCables), "SSTab2 Grid1 Grid2 Text5 Text9_4 Command3");
    // The option pair is one stop; the arrow keys choose within it.
    EXPECT_EQ(chain(page::kSagTension), "Text9_0 Text9_1 Option1_0 Text9_3 HScroll1 Check2 GridTemp PoleLineButton");
    EXPECT_EQ(chain(page::kNescResults), "Command5 Check1_0 Check1_1");
    EXPECT_EQ(chain(page::kFilesPrint),
              "Command6_0 Command6_1 Command6_2 Check5_0 Check5_1 Check5_2 Check5_3 Check5_4 Check4 Check3 ShowCharts "
              "Command6_3 Command6_4");
    EXPECT_EQ(chain(page::kHelp), "List1 Command2");

    window.pages()->setCurrentIndex(page::kSagTension);
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    bar->setFocus(Qt::TabFocusReason);
    const int start = run.program->main.HScroll1.value();
    std::vector<int> values;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_PageDown}) {
        QTest::keyClick(bar, key);
        values.push_back(run.program->main.HScroll1.value() - start);
    }
    EXPECT_EQ(values, (std::vector<int>{1, 11, 10, 0}));
    EXPECT_EQ(run.program->main.Label1.caption(), "Installed Temperature " + std::to_string(start));
}

TEST(window_use_test, entries_grids_and_buttons_are_named_by_their_captions) {
    RunningProgram run;
    qt::MainWindow& window = *run.window;
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("Text9_2"))->accessibleName(),
              QStringLiteral("Pt of Interest Distance"));
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w) ||
                             qobject_cast<QTableWidget*>(w) || qobject_cast<QScrollBar*>(w) ||
                             qobject_cast<QListWidget*>(w);
        if (control && !w->objectName().startsWith(QLatin1String("qt_")) && !w->objectName().isEmpty() &&
            w->accessibleName().isEmpty())
            unnamed << w->objectName();
    }
    EXPECT_EQ(unnamed.join(' ').toStdString(), "");
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2_1"))->buddy(),
              window.findChild<QLineEdit*>(QStringLiteral("Text9_1")));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label9"))->buddy(),
              window.findChild<QLineEdit*>(QStringLiteral("Text3")));
}

TEST(window_use_test, a_stopped_recomputation_says_so_over_the_results_and_in_the_status_bar) {
    RunningProgram run;
    qt::MainWindow& window = *run.window;
    auto* status = window.findChild<QLabel*>(QStringLiteral("StatusMessage"));
    auto* over = window.findChild<QLabel*>(QStringLiteral("ResultsNote_2"));
    auto* results = window.findChild<QLabel*>(QStringLiteral("Label4"));
    auto* sag = window.findChild<QLineEdit*>(QStringLiteral("Text9_1"));
    ASSERT_TRUE(status && over && results && sag);

    run.selectStrand();
    window.pages()->setCurrentIndex(page::kSagTension);
    Settle();
    const QString shown = results->text();
    EXPECT_EQ(std::tuple(status->text(), over->text(), shown.contains("Span Length = 150.00 ft")),
              std::tuple(QString(), QString(), true));

    sag->selectAll();
    QTest::keyClicks(sag, "0");
    Settle();
    const QString stale = QStringLiteral("The results shown are not for the current entries: the sag is 0.");
    EXPECT_EQ(std::tuple(status->text(), over->text(), results->text()), std::tuple(stale, stale, shown));
    QTest::keyClicks(sag, ".5");  // current again
    Settle();
    EXPECT_EQ(std::tuple(status->text(), over->text()), std::tuple(QString(), QString()));

    NewWorksheet(*run.program);  // no results, so nothing to say about them
    Settle();
    EXPECT_EQ(std::tuple(status->text(), over->text(), results->text()), std::tuple(QString(), QString(), QString()));
}

// Records where each drawn text lands and how wide it is, in twips.
class MeasuringSurface : public qt::ImageSurface {
  public:
    MeasuringSurface() : ImageSurface(960, 440, 96.0) {}
    struct Placed {
        std::string text;
        double left, right, top;
    };
    std::vector<Placed> placed;

  protected:
    void deviceText(double x, double y, std::string_view text, double size, bool bold) override {
        // Trailing blanks leave no ink (the district names are padded to 13 characters).
        const std::string s(text.substr(0, text.find_last_not_of(' ') + 1));
        if (!s.empty()) placed.push_back({s, x, x + deviceTextWidth(s, size, bold), y});
        ImageSurface::deviceText(x, y, text, size, bold);
    }
};

// Pairs of texts on one line closer than a blank's width at 6 points (about 25 twips).
std::vector<std::string> Touching(const std::vector<MeasuringSurface::Placed>& placed) {
    std::vector<std::string> touching;
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j) {
            const auto &a = placed[i], &b = placed[j];
            if (std::abs(a.top - b.top) > 1) continue;
            const double gap = std::max(a.left, b.left) - std::min(a.right, b.right);
            if (gap < 25) touching.push_back(a.text + "|" + b.text);
        }
    return touching;
}

TEST(window_use_test, nesc_figures_never_touch_on_screen_or_paper) {
    ASSERT_EQ(qt::DrawingFontFamily(), QStringLiteral("Liberation Sans")) << "fonts-liberation is installed by the scripts";
    // The 20-cable bundle, the most a span file holds: the worked example and 16 fiber cables,
    // with the bundle's diameter typed.
    struct Row { const char* what; const char* settings; int fibers; };
    const Row rows[] = {{"the worked example", "English\r\n0\r\n", 0},
                        {"metric, Heavy district", "Metric \r\n0\r\n", 0},
                        {"a 20-cable bundle", "English\r\n0\r\n", 16}};
    for (const auto& row : rows) {
        RunningProgram run(row.settings);
        WorkedExample(run);
        Program& p = *run.program;
        p.dialogs = &ui::NoDialogs::instance();
        for (int i = 0; i < row.fibers; ++i) Pick(p, family::kFiber, "ORF 48");
        if (row.fibers > 0) p.main.Text5.setText("6.5");
        p.dialogs = &run.dialogs;
        ASSERT_EQ(p.main.Grid2.rows(), 4 + row.fibers + 2) << row.what;
        for (auto* tick : {&p.loading.Check1[0], &p.loading.Check1[1]}) tick->setChecked(true);
        p.main.Text9[1].setText("2.5");
        run.window->pages()->setCurrentIndex(page::kNescResults);
        Settle();
        ASSERT_EQ(p.main.StatusMessage.caption(), "") << row.what;
        for (int mode : {kScreenTable, kPrintedTable}) {
            MeasuringSurface surface;
            DrawLoadingTable(p, surface, mode);
            EXPECT_EQ(Touching(surface.placed), std::vector<std::string>()) << row.what << ", mode " << mode;
        }
    }
}

// Without a family of Arial's widths the application's type is narrowed to them.
TEST(window_use_test, a_wider_fallback_type_is_narrowed_to_the_layout_widths) {
    QFont wide(QStringLiteral("DejaVu Sans"));
    ASSERT_EQ(QFontInfo(wide).family(), QStringLiteral("DejaVu Sans"));
    const int stretch = qt::StretchToLayoutWidths(wide);
    EXPECT_LT(stretch, 95);
    wide.setPixelSize(100);
    wide.setStretch(stretch);
    EXPECT_NEAR(QFontMetricsF(wide).horizontalAdvance(QStringLiteral("0123456789")), 556, 20)
        << "a condensed face of the family may stand in, a few per cent wider";
    EXPECT_EQ(qt::StretchToLayoutWidths(QFont(QStringLiteral("Liberation Sans"))), 100);
}

}  // namespace
}  // namespace cn3::test

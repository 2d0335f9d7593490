// The main window on a 1920 x 1080 screen shown at a scale factor of 1.5 (1280 x 720 logical
// pixels, a common laptop set-up): it opens inside the screen's available area with every
// page's controls whole, and the temperature chart grows when the window does. A program of
// its own, because the scale factor and the screen are chosen before the application exists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTabWidget>

#include "../offscreen_screen.h"
#include "../running_program.h"

namespace cn3::test {
namespace {

TEST(window_scale_test, the_window_opens_inside_the_screen_at_scale_one_and_a_half) {
    ASSERT_DOUBLE_EQ(QApplication::primaryScreen()->devicePixelRatio(), 1.5);
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(area.size(), QSize(1280, 720));
    RunningProgram run;
    qt::MainWindow& window = *run.window;
    Settle();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width()
                                      << "x" << frame.height();
    // The chart takes more room when the window has more.
    run.selectStrand();
    run.program->main.Check2.setChecked(true);
    window.pages()->setCurrentIndex(page::kSagTension);
    Settle();
    auto* chart = window.findChild<QWidget*>(QStringLiteral("TemperatureChart"));
    ASSERT_NE(chart, nullptr);
    const QSize before = chart->size();
    window.resize(window.width() + 300, window.height() + 200);
    Settle();
    EXPECT_GT(chart->height(), before.height());
    EXPECT_GT(chart->width(), before.width());
}

}  // namespace
}  // namespace cn3::test

int main(int argc, char** argv) {
    // One offscreen screen of 1920 x 1080 device pixels, scaled by 1.5.
    const QString config = cn3::test::UseWideOffscreenScreen();
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    QFile::remove(config);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

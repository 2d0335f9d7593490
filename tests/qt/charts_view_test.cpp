// The charts in the real window, for every shipped example span file: the temperature chart
// shows with the temperature table, the span profile under the loading table, both drawn (not
// blank) in their colours, and a span pulled past its usable load shows red.
#include <QDir>
#include <QImage>
#include <QTabWidget>

#include "files/files_commands.h"
#include "qt/picture_view.h"
#include "running_program.h"

namespace cn3 {
namespace {

using test::RunningProgram;

// How many pixels of the picture are near the colour.
int PixelsNear(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                40)
                ++count;
        }
    return count;
}

TEST(charts_view_test, every_example_shows_both_pictures) {
    const QDir examples(QStringLiteral(CN3_SOURCE_DIR "/data/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.cn3")}, QDir::Files);
    ASSERT_EQ(files.size(), 3);
    for (const QString& file : files) {
        RunningProgram run;
        ASSERT_TRUE(OpenSpanFile(*run.program, examples.filePath(file).toStdString()));
        run.program->main.Check2.setChecked(true);
        run.window->pages()->setCurrentIndex(page::kSagTension);
        test::Settle();
        SCOPED_TRACE(file.toStdString());
        auto* chart = run.window->findChild<qt::PictureView*>(QStringLiteral("TemperatureChart"));
        ASSERT_TRUE(chart && chart->isVisible());
        const QColor sagBlue(0, 70, 200), tensionBrown(190, 90, 0), red(200, 0, 0);
        EXPECT_GT(PixelsNear(chart->surface().image(), sagBlue), 20);
        EXPECT_GT(PixelsNear(chart->surface().image(), tensionBrown), 20);

        run.window->pages()->setCurrentIndex(page::kNescResults);
        test::Settle();
        auto* profile = run.window->findChild<qt::PictureView*>(QStringLiteral("SpanProfile"));
        ASSERT_TRUE(profile && profile->isVisible());
        EXPECT_GT(PixelsNear(profile->surface().image(), sagBlue), 20) << "the first loading's curve";
        EXPECT_EQ(PixelsNear(profile->surface().image(), red), 0) << "within the usable load";

        // Pulled tight (a sag of 0.1 % of the span), the loadings pass the usable load and the
        // profile shows red.
        run.program->main.Option1.select(1);
        run.program->main.Text9[1].setText("0.1");
        test::Settle();
        EXPECT_GT(PixelsNear(profile->surface().image(), red), 20);
        EXPECT_EQ(run.program->main.StatusMessage.caption(), "") << "the results are current";

        run.program->main.Check2.setChecked(false);
        test::Settle();
        EXPECT_FALSE(chart->isVisible());
    }
}

}  // namespace
}  // namespace cn3

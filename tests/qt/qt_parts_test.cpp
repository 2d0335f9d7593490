// The Qt pieces behind the models: file filters, the image and PDF surfaces.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "qt/qt_dialogs.h"
#include "qt/qt_surface.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

TEST(qt_dialogs_test, file_filters_take_qt_form) {
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {
        {"Catenova3 Files (*.cn3)|*.cn3", "Catenova3 Files (*.cn3)"}, {"Text|*.txt", "Text (*.txt)"},
        {"Spans (*.cn3)|*.cn3|All|*.*", "Spans (*.cn3);;All (*.*)"}, {"", ""}};
    // clang-format on
    for (const auto& [filter, expected] : rows)
        EXPECT_EQ(qt::QtFileFilter(filter), QString::fromLatin1(expected)) << '"' << filter << '"';
}

// A name typed without an extension is saved as a span file ("span1" becomes "span1.cn3"); one
// typed with its own extension is kept.
TEST(qt_dialogs_test, the_save_dialog_adds_the_span_file_extension) {
    EXPECT_EQ(qt::DefaultSuffix("Catenova3 Files (*.cn3)|*.cn3"), QStringLiteral("cn3"));
    EXPECT_EQ(qt::DefaultSuffix("All|*.*"), QString());
    EXPECT_EQ(qt::DefaultSuffix("Any|*"), QString());
    test::TempFolder folder;
    qt::QtDialogs dialogs;
    const auto typed = [&](const QString& name) {
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            dialog->selectFile(name);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const auto chosen = dialogs.saveFile(
            {folder.path().string(), "Catenova3 Files (*.cn3)|*.cn3", "Untitled.cn3"});
        return chosen ? QFileInfo(QString::fromStdString(*chosen)).fileName() : QString();
    };
    EXPECT_EQ(typed(QStringLiteral("span1")), QStringLiteral("span1.cn3"));
    EXPECT_EQ(typed(QStringLiteral("span2.cn3")), QStringLiteral("span2.cn3"));
    EXPECT_EQ(typed(QStringLiteral("span3.old")), QStringLiteral("span3.old"));
}

// Errors carry the warning icon; every box, the first-run question included, has one title.
TEST(qt_dialogs_test, boxes_share_one_title_and_errors_warn) {
    qt::QtDialogs dialogs;
    const auto shown = [](const std::function<void()>& open) {
        std::pair<QString, QMessageBox::Icon> seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            seen = {box->windowTitle(), box->icon()};
            box->done(QMessageBox::No);
        });
        open();
        return seen;
    };
    const auto catenova = QStringLiteral("Catenova");
    EXPECT_EQ(shown([&] { dialogs.message("Error - Unknown Cable P 999"); }), std::pair(catenova, QMessageBox::Warning));
    EXPECT_EQ(shown([&] { dialogs.message("Cable list printed."); }), std::pair(catenova, QMessageBox::Information));
    EXPECT_EQ(shown([&] { dialogs.askYesNo("Show English units?"); }), std::pair(catenova, QMessageBox::Question));
}

TEST(qt_surface_test, image_surface_maps_twips_at_its_dpi) {
    qt::ImageSurface surface(480, 240, 96.0);
    // 5 by 2.5 inches.
    EXPECT_EQ((std::array{surface.areaWidthTwips(), surface.areaHeightTwips()}),
              (std::array{7200.0, 3600.0}));
    surface.setFontSize(10);
    EXPECT_GT(surface.textWidth("WWWW"), surface.textWidth("i"));
    EXPECT_GT(surface.textHeight(), 10 * 20 * 0.9) << "a 10-point line is about 200 twips high";

    // A red ring of 1 inch radius around the centre, in inches: anti-aliased, so the pixels at
    // x = 240 + 96 and its neighbours are reddened; the inside stays white.
    surface.setScale(0, 0, 5, 2.5);
    surface.circle(2.5, 1.25, 1.0, {255, 0, 0});
    int reddest = 255;
    for (int x = 240 + 95; x <= 240 + 97; ++x) {
        const QColor c = surface.image().pixelColor(x, 120);
        if (c.red() == 255 && c.green() == c.blue()) reddest = std::min(reddest, c.green());
    }
    EXPECT_LT(reddest, 160);
    EXPECT_EQ(surface.image().pixelColor(240, 120), QColor(Qt::white))
        << "the circle is not filled";
}

// A 200 x 100 pixel image at 96 dpi: 15 twips a pixel. A drawing laid out at the zoom of 1 is drawn again, twice as large, on a new view; text is
// still measured as laid out, and a clear forgets what was drawn.
TEST(qt_surface_test, image_surface_shows_its_drawing_again_at_a_new_zoom) {
    qt::ImageSurface surface(200, 100, 96.0);
    surface.setFontSize(10);
    const double width = surface.textWidth("NESC");
    surface.line(150, 750, 1500, 750, {255, 0, 0}, 45);  // x = 10 to 100 on row 50, 3 wide
    surface.setView(400, 200, 2.0);
    const auto pixel = [&](int x, int y) { return surface.image().pixelColor(x, y); };
    EXPECT_EQ((std::array{pixel(150, 100), pixel(150, 98), pixel(150, 106), pixel(210, 100)}),
              (std::array{QColor(Qt::red), QColor(Qt::red), QColor(Qt::white), QColor(Qt::white)}));
    EXPECT_EQ((std::array{surface.areaWidthTwips(), surface.textWidth("NESC")}), (std::array{3000.0, width}));
    surface.clear();
    surface.setView(200, 100, 1.0);
    EXPECT_EQ(pixel(50, 50), QColor(Qt::white));
}

TEST(qt_surface_test, image_surface_paints_rectangles_and_polylines) {
    qt::ImageSurface surface(200, 100, 96.0);
    const auto pixel = [&](int x, int y) { return surface.image().pixelColor(x, y); };
    const QColor red(255, 0, 0), green(0, 255, 0), white(Qt::white);

    surface.setScaleInches();  // 96 pixels an inch
    surface.rectangle(0.25, 0.25, 1.0, 0.75, {0, 0, 255}, 0, ui::Rgb{0, 255, 0});
    surface.rectangle(1.25, 0.25, 2.0, 0.75, {0, 0, 255});
    EXPECT_EQ(pixel(60, 48), green) << "the filled rectangle's inside";
    EXPECT_EQ(pixel(156, 48), white) << "the outlined rectangle's inside";
    EXPECT_GT(pixel(120, 48).blue() - pixel(120, 48).red(), 60) << "its left side";
    EXPECT_EQ(pixel(110, 48), white) << "between the two";

    surface.clear();
    surface.setScaleTwips();
    surface.polyline({{150, 150}, {1500, 150}, {1500, 1200}}, {255, 0, 0}, 45);
    EXPECT_EQ(pixel(50, 10), red);
    EXPECT_EQ(pixel(100, 50), red);
    EXPECT_EQ(pixel(50, 50), white) << "a polyline is not closed or filled";
}

TEST(qt_surface_test, picture_size_comes_from_the_file_resolution) {
    test::TempFolder folder;
    QImage stated(30, 20, QImage::Format_RGB32);
    stated.fill(Qt::gray);
    stated.setDotsPerMeterX(qRound(200 / 0.0254));  // 200 dpi: 7.2 twips a pixel
    stated.setDotsPerMeterY(qRound(100 / 0.0254));
    ASSERT_TRUE(stated.save(QString::fromStdString(folder.file("stated.png"))));
    QImage unstated(30, 20, QImage::Format_RGB32);
    unstated.fill(Qt::gray);
    ASSERT_TRUE(unstated.save(QString::fromStdString(folder.file("unstated.png"))));
    folder.write("broken.png", "not a picture");

    qt::ImageSurface surface(480, 240, 96.0);
    const ui::Size size = surface.pictureSize(folder.file("stated.png"));
    EXPECT_NEAR(size.width, 30 * 7.2, 0.1);
    EXPECT_NEAR(size.height, 20 * 14.4, 0.1);
    EXPECT_EQ(surface.pictureSize(folder.file("unstated.png")), (ui::Size{30 * 15, 20 * 15}));
    surface.setScaleInches();
    EXPECT_NEAR(surface.pictureSize(folder.file("stated.png")).width, 0.15, 1e-4);
    EXPECT_EQ(surface.pictureSize(folder.file("broken.png")), ui::Size{});
    EXPECT_EQ(surface.pictureSize(folder.file("missing.png")), ui::Size{});
}

}  // namespace
}  // namespace cn3

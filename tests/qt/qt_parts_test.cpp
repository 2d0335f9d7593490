// The Qt pieces behind the models: file filters, the image and PDF surfaces.
#include <gtest/gtest.h>

#include <QFile>

#include "qt/printer.h"
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
    for (const auto& [filter, expected] : rows) EXPECT_EQ(qt::QtFileFilter(filter), QString::fromLatin1(expected));
}

TEST(qt_surface_test, image_surface_maps_twips_at_its_dpi) {
    qt::ImageSurface surface(480, 240, 96.0);
    // 5 by 2.5 inches.
    EXPECT_EQ((std::array{surface.areaWidthTwips(), surface.areaHeightTwips()}), (std::array{7200.0, 3600.0}));
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
    EXPECT_EQ(surface.image().pixelColor(240, 120), QColor(Qt::white)) << "the circle is not filled";
    surface.clear();
    for (int x = 240 + 95; x <= 240 + 97; ++x) EXPECT_EQ(surface.image().pixelColor(x, 120), QColor(Qt::white));
}

TEST(qt_surface_test, pdf_surface_prints_pages) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.file("print.pdf"));
    {
        auto pdf = qt::OpenPdf(path);
        EXPECT_NEAR(pdf->areaWidthTwips(), 8.5 * 1440, 1);
        pdf->setFontSize(12);
        pdf->print("First page");
        pdf->newPage();
        pdf->print("Second page");
        pdf->endDoc();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

}  // namespace
}  // namespace cn3

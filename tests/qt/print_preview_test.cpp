// The print host on real Qt devices: the preview runs the job on the printer's pages, "Save
// PDF" writes the same pages, a cancelled file choice writes nothing and fails nothing, and
// the main window prints the span report with its built-in logo on Ctrl+P.
#include "qt/print_preview.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <deque>

#include "qt/qt_surface.h"
#include "qt/resources.h"
#include "reports/span_report.h"
#include "running_program.h"
#include "support/temp_folder.h"

namespace cn3 {
namespace {

// Two pages with a line on each; it notes the page size it was printed on. The host measures
// a job before it prints it: that run knows no page count yet and is not noted.
struct TwoPages {
    std::vector<std::pair<std::string, double>> runs;  // surface type and width, per run
    void operator()(ui::Surface& pages) {
        if (pages.pageCount() == 2) runs.emplace_back(pages.typeName(), pages.areaWidthTwips());
        pages.setFontSize(12);
        pages.print("First page");
        pages.newPage();
        pages.print("Second page");
    }
};

// The pages of a PDF file, -1 when it is none.
int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF")) return -1;
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page "));
}

const QPageLayout kLetter = qt::PrintPageLayout(QPageSize(QPageSize::Letter));

TEST(print_preview_test, save_pdf_writes_the_pages_inside_quarter_inch_margins) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.file("report.pdf"));
    TwoPages job;
    EXPECT_EQ(qt::SaveJobAsPdf(std::ref(job), path, kLetter), std::nullopt);
    EXPECT_EQ(PdfPageCount(path), 2);
    ASSERT_EQ(job.runs.size(), 1u);
    EXPECT_EQ(job.runs[0].first, "Printer");
    EXPECT_NEAR(job.runs[0].second, 8.0 * 1440, 1) << "8.5 in less two margins";
}

TEST(print_preview_test, a_pdf_that_cannot_be_written_is_a_failure_and_a_cancelled_one_is_not) {
    test::TempFolder folder;
    const std::string missing = folder.file("no such folder/report.pdf");
    TwoPages job;
    EXPECT_EQ(qt::SaveJobAsPdf(std::ref(job), QString::fromStdString(missing), kLetter),
              "The PDF file " + missing + " could not be written.");
    EXPECT_EQ(qt::SaveJobAsPdf(std::ref(job), QString(), kLetter), std::nullopt);
    EXPECT_EQ(job.runs.size(), 1u) << "a cancelled choice runs nothing";
}

// The preview's pages are drawn on its printer, which stays usable for another document.
TEST(print_preview_test, page_surface_draws_on_a_printer_it_does_not_own) {
    test::TempFolder folder;
    const QString first = QString::fromStdString(folder.file("preview.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(first);
    {
        qt::PageSurface pages(printer);
        TwoPages()(pages);
        pages.endDoc();
        EXPECT_FALSE(pages.failed()) << pages.error();
    }
    EXPECT_EQ(PdfPageCount(first), 2);
    const QString second = QString::fromStdString(folder.file("again.pdf"));
    printer.setOutputFileName(second);
    QPainter painter;
    ASSERT_TRUE(painter.begin(&printer));
    painter.drawText(100, 100, QStringLiteral("Again"));
    ASSERT_TRUE(painter.end());
    EXPECT_EQ(PdfPageCount(second), 1);
}

// The preview shows the job; "Save PDF" (Ctrl+S, a tab stop) with the choice cancelled goes back
// to it, and then with a name writes the file and closes the preview.
TEST(print_preview_test, the_preview_offers_save_pdf_and_a_cancelled_choice_returns_to_it) {
    test::TempFolder folder;
    const QString path = QString::fromStdString(folder.file("saved.pdf"));
    std::deque<QString> answers = {QString(), path};
    int asked = 0;
    bool printHidden = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintPreviewDialog*>(widget);
            if (!dialog) continue;
            auto* save = dialog->findChild<QAction*>(QStringLiteral("savePdf"));
            auto* saveButton = dialog->findChild<QWidget*>(QStringLiteral("savePdfButton"));
            ASSERT_TRUE(save && saveButton);
            EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
            EXPECT_TRUE(saveButton->focusPolicy() & Qt::TabFocus) << "a tab stop";
            if (auto* toolbar = dialog->findChild<QToolBar*>())
                for (QAction* action : toolbar->actions())
                    if (action->text() == QStringLiteral("Print"))
                        printHidden = !action->isVisible();
            save->trigger();
            EXPECT_TRUE(dialog->isVisible()) << "a cancelled choice keeps the preview";
            save->trigger();
        }
    });
    TwoPages job;
    const auto failure = qt::RunPrintPreview(nullptr, std::ref(job), [&](QWidget*) {
        ++asked;
        const QString answer = answers.front();
        answers.pop_front();
        return answer;
    });
    EXPECT_EQ(failure, std::nullopt);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(PdfPageCount(path), 2);
    ASSERT_GE(job.runs.size(), 2u) << "the preview, then the PDF";
    for (const auto& [type, width] : job.runs) EXPECT_EQ(type, "Printer");
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        EXPECT_TRUE(printHidden) << "without printers saving a PDF is the way out";
    }
}

TEST(print_preview_test, ctrl_p_prints_the_span_report_with_the_built_in_logo) {
    test::RunningProgram run;
    const QImage logo(QString::fromLatin1(qt::kLogoPath));  // the report is laid out for 3 x 0.75 in
    EXPECT_NEAR(logo.width() / (logo.dotsPerMeterX() * 0.0254), 3.0, 0.01);
    EXPECT_NEAR(logo.height() / (logo.dotsPerMeterY() * 0.0254), 0.75, 0.01);
    EXPECT_FALSE(run.window->windowIcon().isNull());
    std::vector<std::string> firstTexts;
    run.program->runPrintJob = [&](const std::function<void(ui::Surface&)>& job) {
        ui::RecordingSurface pages("Printer", 12240, 15840);
        pages.setPictureSize(run.program->logoPath, 4320, 1080);
        job(pages);
        firstTexts.push_back(pages.ops().front().text);
        firstTexts.push_back(pages.texts().front().text);
        return std::optional<std::string>();
    };
    auto* shortcut = run.window->findChild<QShortcut*>(QStringLiteral("PrintReportShortcut"));
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->key(), QKeySequence(QKeySequence::Print));
    emit shortcut->activated();
    EXPECT_EQ(firstTexts, (std::vector<std::string>{qt::kLogoPath, std::string(kReportTitle)}));
}

}  // namespace
}  // namespace cn3

#include "qt/print_preview.h"

#include <QAction>
#include <QFileDialog>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QToolBar>

#include "qt/guarded.h"
#include "qt/printer.h"
#include "qt/qt_surface.h"

namespace cn3::qt {

namespace {

constexpr double kMarginInches = 0.25;

// Runs the job on pages (measured first, so that it knows its page count), ends the document
// whatever happened, and keeps the first failure.
void PrintPages(const PrintJob& job, ui::Surface& pages, std::optional<std::string>& failure) {
    RunGuarded([&] { ui::MeasureAndPrint(job, pages); });
    pages.endDoc();
    if (pages.failed() && !failure) failure = pages.error();
}

// The preview's own "Print" button, found by its text (the dialog names none of its actions).
QAction* PrintAction(QToolBar* toolbar) {
    for (QAction* action : toolbar->actions())
        if (action->text() == QPrintPreviewDialog::tr("Print")) return action;
    return nullptr;
}

}  // namespace

QPageLayout PrintPageLayout(const QPageSize& size) {
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(kMarginInches, kMarginInches, kMarginInches, kMarginInches),
                       QPageLayout::Inch);
}

std::optional<std::string> SaveJobAsPdf(const PrintJob& job, const QString& path,
                                        const QPageLayout& layout) {
    if (path.isEmpty()) return std::nullopt;
    std::optional<std::string> failure;
    const auto pdf = OpenPdf(path, layout);
    PrintPages(job, *pdf, failure);
    return failure;
}

QString AskPdfPath(QWidget* parent) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save PDF"),
                                                QStringLiteral("Catenova.pdf"),
                                                QStringLiteral("PDF Files (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

std::optional<std::string> RunPrintPreview(QWidget* parent, const PrintJob& job,
                                           const PdfPathQuestion& askPdfPath) {
    const bool printers = !QPrinterInfo::availablePrinters().isEmpty();
    QPrinter printer(QPrinter::HighResolution);
    if (printers) {
        printer.setPageLayout(PrintPageLayout(printer.pageLayout().pageSize()));
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(PrintPageLayout(QPageSize(QPageSize::Letter)));
    }

    std::optional<std::string> failure;
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* pages) {
        PageSurface surface(*pages);
        PrintPages(job, surface, failure);
    });

    auto* savePdf = new QAction(QStringLiteral("Save PDF"), &dialog);
    savePdf->setObjectName(QStringLiteral("savePdf"));
    savePdf->setToolTip(QStringLiteral("Save these pages as a PDF file (Ctrl+S)"));
    savePdf->setShortcut(QKeySequence::Save);
    QObject::connect(savePdf, &QAction::triggered, &dialog, [&] {
        const QString path = askPdfPath(&dialog);
        if (path.isEmpty()) return;  // back to the preview
        if (const auto pdfFailure = SaveJobAsPdf(job, path, printer.pageLayout()))
            failure = pdfFailure;
        dialog.accept();
    });
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        toolbar->addSeparator();
        toolbar->addAction(savePdf);
        // A toolbar's buttons take no keyboard; this one is a stop of the Tab chain.
        if (QWidget* button = toolbar->widgetForAction(savePdf)) {
            button->setObjectName(QStringLiteral("savePdfButton"));
            button->setFocusPolicy(Qt::StrongFocus);
        }
        if (!printers)
            if (QAction* print = PrintAction(toolbar)) print->setVisible(false);
    }
    dialog.exec();
    return failure;
}

}  // namespace cn3::qt

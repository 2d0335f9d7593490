// The print host: a print job (a function that prints its pages on a Surface) is shown in a
// print preview of the real pages, laid out on the printer's own page; from the preview the
// user prints on the printer chosen in the print dialog, or saves the same pages as a PDF
// file with "Save PDF". On a machine without printers the preview shows PDF pages and
// "Save PDF" is the way out; its print button is hidden.
//
// It reports only the failure of printing or writing: cancelling the preview, the print
// dialog or the PDF file choice prints nothing and is no failure.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "ui/print_job.h"

namespace cn3::qt {

using PrintJob = ui::PrintJob;

// The page of every print: the given page size, portrait, and quarter-inch margins, which is
// where printers start their printable page.
QPageLayout PrintPageLayout(const QPageSize& size);

// Prints the job into a PDF file of the given pages; the failure's description, if any. An
// empty path (the file choice cancelled) writes nothing and is no failure.
std::optional<std::string> SaveJobAsPdf(const PrintJob& job, const QString& path,
                                        const QPageLayout& layout);

// Asks for the file name of a PDF; an empty text when cancelled.
using PdfPathQuestion = std::function<QString(QWidget* parent)>;
QString AskPdfPath(QWidget* parent);

// Shows the job in a modal print preview and gives back the failure of the printing or the
// PDF, or nothing when done or cancelled.
std::optional<std::string> RunPrintPreview(QWidget* parent, const PrintJob& job,
                                           const PdfPathQuestion& askPdfPath = AskPdfPath);

}  // namespace cn3::qt

// "Export Report as PDF...": a print job written straight into a PDF file, without the print
// preview, on the page the preview would show (the default printer's paper, or Letter on a
// machine without printers).
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "qt/print_preview.h"

namespace cn3::qt {

// Asks for the file and writes the job into it;
// the failure's description, or nothing when written or cancelled.
std::optional<std::string> ExportPdf(QWidget* parent, const PrintJob& job,
                                     const PdfPathQuestion& askPdfPath = AskPdfPath);

}  // namespace cn3::qt

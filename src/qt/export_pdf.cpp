#include "qt/export_pdf.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace cn3::qt {

std::optional<std::string> ExportPdf(QWidget* parent, const PrintJob& job,
                                     const PdfPathQuestion& askPdfPath) {
    const QString path = askPdfPath(parent);
    if (path.isEmpty()) return std::nullopt;  // cancelled
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    const QPageSize page = printer.isNull() || !printer.defaultPageSize().isValid()
                               ? QPageSize(QPageSize::Letter)
                               : printer.defaultPageSize();
    return SaveJobAsPdf(job, path, PrintPageLayout(page));
}

}  // namespace cn3::qt

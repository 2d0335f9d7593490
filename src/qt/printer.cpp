#include "qt/printer.h"

#include <QFileDialog>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qt/qt_surface.h"

namespace cn3::qt {

std::unique_ptr<ui::Surface> OpenPdf(const QString& path) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setPageSize(QPageSize(QPageSize::Letter));
    writer->setResolution(600);
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    return std::make_unique<PageSurface>(std::move(writer), path);
}

std::unique_ptr<ui::Surface> OpenPrinter(QWidget* parent) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setFullPage(true);
        return std::make_unique<PageSurface>(std::move(printer));
    }
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("No printer - print to PDF file"), QStringLiteral("Catenova.pdf"),
        QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty()) return nullptr;
    return OpenPdf(path);
}

}  // namespace cn3::qt

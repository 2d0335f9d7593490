#include "qt/printer.h"

#include <QPageSize>
#include <QPdfWriter>

#include "qt/qt_surface.h"

namespace cn3::qt {

std::unique_ptr<ui::Surface> OpenPdf(const QString& path) {
    return OpenPdf(path, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
}

std::unique_ptr<ui::Surface> OpenPdf(const QString& path, const QPageLayout& layout) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setResolution(600);
    writer->setPageLayout(layout);
    return std::make_unique<PageSurface>(std::move(writer), path);
}

}  // namespace cn3::qt

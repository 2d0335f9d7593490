// PDF pages for printing without a printer and for tests.
#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

#include "ui/surface.h"

namespace cn3::qt {

// A PDF file of Letter pages without margins.
std::unique_ptr<ui::Surface> OpenPdf(const QString& path);

// A PDF file of pages in the given layout: the printable page starts inside its margins.
std::unique_ptr<ui::Surface> OpenPdf(const QString& path, const QPageLayout& layout);

}  // namespace cn3::qt

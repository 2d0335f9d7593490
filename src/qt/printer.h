// The printer the program prints on: the system's default printer, or, on a machine without
// one, a PDF file the user names.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/surface.h"

namespace cn3::qt {

// Nothing when there is no printer and the user names no PDF file.
std::unique_ptr<ui::Surface> OpenPrinter(QWidget* parent);

// A PDF file of Letter pages, for printing without a printer and for tests.
std::unique_ptr<ui::Surface> OpenPdf(const QString& path);

}  // namespace cn3::qt

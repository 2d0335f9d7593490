// A print job prints its pages on the surface it is given and leaves the document open; the
// host that runs it (a print preview, a PDF file, a test's recording page) ends it. A host
// runs a job twice: first on a MeasuringSurface with the page's metrics, which counts the
// pages, then on the real pages with that count set, so that each page can say "Page n of m".
#pragma once

#include <functional>

#include "ui/surface.h"

namespace cn3::ui {

using PrintJob = std::function<void(Surface&)>;

// Measures the job, sets its page count on `pages` and prints it there; the document stays
// open.
void MeasureAndPrint(const PrintJob& job, Surface& pages);

// MeasureAndPrint, then the end of the document.
void RunPrintJob(const PrintJob& job, Surface& pages);

}  // namespace cn3::ui

#include "ui/print_job.h"

#include "ui/measuring_surface.h"

namespace cn3::ui {

void MeasureAndPrint(const PrintJob& job, Surface& pages) {
    MeasuringSurface measuring(pages);
    job(measuring);
    pages.setPageCount(measuring.pages());
    job(pages);
}

void RunPrintJob(const PrintJob& job, Surface& pages) {
    MeasureAndPrint(job, pages);
    pages.endDoc();
}

}  // namespace cn3::ui

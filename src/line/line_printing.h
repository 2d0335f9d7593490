// "Print..." and "Export PDF..." of the "Pole Line" window: the line report (line/line_report.h)
// of the line shown, through the host's print preview (Program::runPrintJob) or straight into
// a PDF file (Program::exportPdfJob), as the worksheet's report goes. Not while the window has
// no results for the line as typed: paper would not say why, so the window does.
#pragma once

#include "line/line_report.h"
#include "line/line_session.h"

namespace cn3::line {

// The report of the line shown, with the worksheet's project texts; only with results.
LineReport LineReportOf(const LineSession& session);

void PrintLineReportCommand(LineSession& session);
void ExportLineReportPdfCommand(LineSession& session);

}  // namespace cn3::line

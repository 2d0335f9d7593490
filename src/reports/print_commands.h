// The printing commands of the "Files/Print" and "Help" pages. Each builds its print job and
// hands it to the host's runPrintJob (a print preview, from which the user prints or saves a
// PDF), and gives back the printing failure's description, or nothing when the job was
// printed, cancelled or not run at all (no host, or nothing to print).
#pragma once

#include <optional>
#include <string>

#include "forms/program.h"

namespace cn3 {

// "Report" (Command6[3]): the span report.
std::optional<std::string> PrintReportCommand(Program& program);
// The span report written straight into a PDF file through the host's exportPdfJob (the
// menu's "Export Report as PDF..."); not while the results shown are stale, as for "Report".
std::optional<std::string> ExportReportPdfCommand(Program& program);
// "Cable List" (Command6[4]): the cable listing; with no family ticked there is nothing to
// print and no preview opens.
std::optional<std::string> PrintCableListCommand(Program& program);
// "Print" on the "Help" page (Command2): the help text.
std::optional<std::string> PrintHelpCommand(Program& program);

}  // namespace cn3

// `catenova --line-report FILE.cnl|POLES.csv [--worksheet SPAN.cn3] [--clearance FT]
// --pdf OUT.pdf`: the line report written as a PDF without a window, on the Letter pages of
// the print preview's "Save PDF". The line is read and worked out as --line reads it
// (cli/line_run.h); the project texts (Name, Date, Notes) are the worksheet's. A failing line
// is still written, for the designer to see why, and its reasons go to standard error.
// Exit status 0 when written and the line passes, 1 when the line fails or a message was
// said (the line or the PDF could not be written), 2 for a usage error.
#pragma once

#include <QString>

#include "cli/line_run.h"

namespace cn3::cli {

int RunLineReport(const LineRequest& request, const QString& pdf);

}  // namespace cn3::cli

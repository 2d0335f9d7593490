// The line report: a print job of the whole pole line for the designer's file and the crew.
// The logo and title, the project (name, date, the line's file and the notes), the ruling
// span and line tension and whether the line passes, what it is strung with, the poles and
// spans as entered, the span results (a failing cell framed in red and said in words) with
// the notes under them, the line profile and the stringing chart.
//
// Pages go through the reports' Pager: a block never runs into the foot of a page, a table
// that goes on over a page break repeats its title and headings with "(continued)", every
// page after the first starts with one line naming the report, the project and the line, and
// every page ends with "Page n of m". It takes plain inputs, so the window and the command
// line print the same report; the host ends the document.
#pragma once

#include <string>
#include <string_view>

#include "core/unit_table.h"
#include "line/pole_line.h"
#include "line/solve_line.h"
#include "ui/print_job.h"
#include "ui/surface.h"

namespace cn3::line {

inline constexpr std::string_view kLineReportTitle = "Catenova  Release 3.1 Pole Line Report";

struct LineReport {
    std::string projectName;  // the worksheet's Name, Date and Notes
    std::string date;
    std::string notes;
    std::string lineName;  // the line's file, as the designer knows it; may be empty
    std::string logoPath;  // the logo at the top of the first page; empty for none
    PoleLine line;
    LineWorksheet worksheet;
    LineSolution solution;
    Units units;
};

void PrintLineReport(const LineReport& report, ui::Surface& surface);

// The report as a print job for a print preview or a PDF, holding its own copy.
ui::PrintJob LineReportJob(LineReport report);

}  // namespace cn3::line

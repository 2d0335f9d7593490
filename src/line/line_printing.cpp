#include "line/line_printing.h"

#include <filesystem>

namespace cn3::line {

namespace {

using Host = std::function<std::optional<std::string>(const ui::PrintJob&)>;

void Run(LineSession& s, const Host& host, const char* refused) {
    if (!s.solution || !s.line || !s.worksheet) {
        s.ask().message(std::string(refused) + " " + s.noResults);
        return;
    }
    if (!host) return;
    // The job holds the line as it is now, whatever the window does while the preview shows.
    if (const auto failure = host(LineReportJob(LineReportOf(s))))
        s.ask().message(*failure + "\r\nCorrect error and re-run command.");
}

}  // namespace

LineReport LineReportOf(const LineSession& s) {
    const MainForm& main = s.program.main;
    LineReport report;
    report.projectName = main.Text1.text();
    report.date = main.Text2.text();
    report.notes = main.Text4.text();
    // An untitled line has no name to print.
    report.lineName =
        s.path.empty() ? std::string() : std::filesystem::path(s.path).filename().string();
    report.logoPath = s.program.logoPath;
    report.line = *s.line;
    report.worksheet = *s.worksheet;
    report.solution = *s.solution;
    report.units = s.program.units;
    return report;
}

void PrintLineReportCommand(LineSession& s) {
    Run(s, s.program.runPrintJob, "The line report is not printed.");
}

void ExportLineReportPdfCommand(LineSession& s) {
    Run(s, s.program.exportPdfJob, "The line report is not written.");
}

}  // namespace cn3::line

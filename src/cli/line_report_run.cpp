#include "cli/line_report_run.h"

#include <QFileInfo>
#include <QPageSize>
#include <cstdio>

#include "batch/batch_run.h"
#include "batch/results_formats.h"
#include "line/line_report.h"
#include "qt/print_preview.h"
#include "qt/resources.h"

namespace cn3::cli {

int RunLineReport(const LineRequest& request, const QString& pdf) {
    Program program;
    qt::LoadResources();
    program.logoPath = qt::kLogoPath;
    const auto worked = WorkOutLine(request, program);
    if (const auto* status = std::get_if<int>(&worked)) return *status;
    const WorkedLine& line = std::get<WorkedLine>(worked);

    line::LineReport report;
    report.projectName = program.main.Text1.text();
    report.date = program.main.Text2.text();
    report.notes = program.main.Text4.text();
    report.lineName = QFileInfo(QString::fromStdString(request.input)).fileName().toStdString();
    report.logoPath = program.logoPath;
    report.line = line.file.line;
    report.worksheet = line.file.worksheet;
    report.solution = line.solution;
    report.units = program.units;
    const auto failure = qt::SaveJobAsPdf(line::LineReportJob(std::move(report)), pdf,
                                          qt::PrintPageLayout(QPageSize(QPageSize::Letter)));
    if (failure) {
        const std::string text =
            batch::TerminalText(pdf.toStdString() + ": " + *failure, true) + "\n";
        std::fwrite(text.data(), 1, text.size(), stderr);
    }
    const bool passes = SayFailures(request, line);
    return !failure && passes ? batch::kAllDone : batch::kSomeMessage;
}

}  // namespace cn3::cli

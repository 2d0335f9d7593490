#include "reports/print_commands.h"

#include <algorithm>

#include "reports/cable_listing.h"
#include "reports/help_print.h"
#include "reports/span_report.h"

namespace cn3 {

namespace {

std::optional<std::string> Run(Program& program, void (*print)(Program&, ui::Surface&)) {
    if (!program.runPrintJob) return std::nullopt;
    Program* p = &program;
    return program.runPrintJob([p, print](ui::Surface& surface) { print(*p, surface); });
}

}  // namespace

std::optional<std::string> PrintReportCommand(Program& program) {
    // The window keeps the last results when a recomputation stops and says so over them;
    // paper would not say it, so such a report is not printed.
    const std::string& stale = program.main.StatusMessage.caption();
    if (!stale.empty()) return "The report is not printed. " + stale;
    return Run(program, PrintSpanReport);
}

std::optional<std::string> ExportReportPdfCommand(Program& program) {
    const std::string& stale = program.main.StatusMessage.caption();
    if (!stale.empty()) return "The report is not written. " + stale;
    if (!program.exportPdfJob) return std::nullopt;
    Program* p = &program;
    return program.exportPdfJob([p](ui::Surface& surface) { PrintSpanReport(*p, surface); });
}

std::optional<std::string> PrintCableListCommand(Program& program) {
    const auto& boxes = program.main.Check5;
    if (std::none_of(boxes.begin(), boxes.end(), [](const auto& box) { return box.checked(); }))
        return std::nullopt;
    return Run(program, PrintCableListing);
}

std::optional<std::string> PrintHelpCommand(Program& program) {
    return Run(program, PrintHelpText);
}

}  // namespace cn3

// The printed pages of a worked example written as PDF files, to look at what goes on paper:
// a 1/4 in EHS strand with three coax cables over 150 ft, the report with the NESC results,
// the temperature table and the charts page (report.pdf), the same in metric units
// (report-metric.pdf), the cable listing of every family (listing.pdf) and the help text
// (help.pdf).
// Usage: cn3_print_pages OUTPUT_FOLDER. Runs offscreen in temporary data folders filled from
// the shipped data; the pages are those of the print preview's "Save PDF" (Letter).
#include <QApplication>
#include <QDir>
#include <QPageSize>
#include <QTemporaryDir>
#include <cstdio>

#include "app/start_up.h"
#include "qt/main_window.h"
#include "qt/print_preview.h"
#include "reports/cable_listing.h"
#include "reports/help_print.h"
#include "reports/span_report.h"
#include "tool_support.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(const QString& path, void (*print)(cn3::Program&, cn3::ui::Surface&),
          cn3::Program& program) {
    const auto failure =
        cn3::qt::SaveJobAsPdf([&](cn3::ui::Surface& surface) { print(program, surface); }, path,
                              cn3::qt::PrintPageLayout(QPageSize(QPageSize::Letter)));
    if (failure) std::fprintf(stderr, "%s\n", failure->c_str());
    return !failure;
}

// Starts the program on the worked example in the chosen units and prints its pages.
bool printExample(const QString& out, bool english) {
    QTemporaryDir data;
    for (const char* name : {"CABLEDAT.TXT", "CN3NESC.TXT"})
        QFile::copy(QStringLiteral(CN3_SOURCE_DIR "/data/") + QLatin1String(name),
                    data.filePath(QLatin1String(name)));
    cn3::Program program;
    cn3::tools::ToolDialogs dialogs(english);
    program.dialogs = &dialogs;
    program.dataFolder = data.path().toStdString();
    cn3::qt::MainWindow window(program);
    if (!cn3::StartProgram(program)) return false;
    window.show();
    settle();

    cn3::MainForm& form = program.main;
    form.Text1.setText("Tower Road rebuild");
    form.Text2.setText("12/06/26");
    form.Text3.setText("Span 7, poles 112-113");
    form.Text4.setText("Three coax lashed to new 1/4 in strand");
    cn3::tools::ClickCable(program, 0, "1/4 EHS 6M");
    cn3::tools::ClickCable(program, 1, "P 500");
    cn3::tools::ClickCable(program, 1, "C 875");
    cn3::tools::ClickCable(program, 1, "P 750");
    form.Text9[0].setText(english ? "150" : "45.72");
    form.Check2.setChecked(true);
    form.Text9[3].setText(english ? "18" : "5.5");
    form.Check1[0].setChecked(true);
    form.Check1[1].setChecked(true);
    window.pages()->setCurrentIndex(2);
    settle();
    form.Check3.setChecked(true);
    form.Check4.setChecked(true);
    form.ShowCharts.setChecked(true);  // the charts on a second page
    for (auto& box : form.Check5) box.setChecked(true);

    if (!english)
        return save(out + QStringLiteral("/report-metric.pdf"), cn3::PrintSpanReport, program);
    return save(out + QStringLiteral("/report.pdf"), cn3::PrintSpanReport, program) &&
           save(out + QStringLiteral("/listing.pdf"), cn3::PrintCableListing, program) &&
           save(out + QStringLiteral("/help.pdf"), cn3::PrintHelpText, program);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cn3_print_pages OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    return printExample(out, true) && printExample(out, false) ? 0 : 1;
}

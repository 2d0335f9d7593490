// The charts of every shipped example span file: each file of data/examples/ opened as "Open"
// opens it, with the temperature table ticked, then the "Sag / Tension" and "Nesc Results"
// pages saved as pictures (NAME-sag-tension.png, NAME-nesc-results.png) and the span report
// with "Show Charts" ticked saved as a PDF (NAME-report.pdf, the charts on its second page);
// then the same for the three-coax span pulled tight past the usable load (NAME-tight-...) and
// hung over too low a clearance (NAME-low-...).
// Usage: cn3_example_charts OUTPUT_FOLDER [WIDTHxHEIGHT]. Runs offscreen in a temporary data
// folder filled from the shipped data.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/start_up.h"
#include "files/files_commands.h"
#include "qt/main_window.h"
#include "qt/print_preview.h"
#include "reports/span_report.h"
#include "tool_support.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// A change to an example: a sag (in the example's sag mode) or a clearance typed over its own,
// and the word added to the pictures' names.
struct Variant {
    const char* suffix = nullptr;
    const char* sag = nullptr;
    const char* clearance = nullptr;
};

bool chartExample(const QString& file, const QString& out, const char* size, Variant change = {}) {
    QTemporaryDir data(QDir::tempPath() + QStringLiteral("/catenova-XXXXXX"));
    for (const char* name : {"CABLEDAT.TXT", "CN3NESC.TXT"})
        QFile::copy(QStringLiteral(CN3_SOURCE_DIR "/data/") + QLatin1String(name),
                    data.filePath(QLatin1String(name)));
    cn3::Program program;
    cn3::tools::ToolDialogs dialogs;
    program.dialogs = &dialogs;
    program.dataFolder = data.path().toStdString();
    cn3::qt::MainWindow window(program);
    if (!cn3::StartProgram(program)) return false;
    window.show();
    int w = 0, h = 0;
    if (size && std::sscanf(size, "%dx%d", &w, &h) == 2) window.resize(w, h);
    settle();
    // Opened from the data folder, as a user opens a copied example, so the status bar names
    // no source tree.
    QDir(data.path()).mkdir(QStringLiteral("examples"));
    const QString copy = data.filePath(QStringLiteral("examples/") + QFileInfo(file).fileName());
    QFile::copy(file, copy);
    if (!cn3::OpenSpanFile(program, copy.toStdString())) return false;
    program.main.Check2.setChecked(true);
    program.main.ShowCharts.setChecked(true);
    if (change.sag) program.main.Text9[1].setText(change.sag);
    if (change.clearance) program.main.Text9[3].setText(change.clearance);
    settle();

    QString name = out + QLatin1Char('/') + QFileInfo(file).completeBaseName();
    if (change.suffix) name += QLatin1String(change.suffix);
    for (const auto& [page, suffix] : {std::pair{cn3::page::kSagTension, "-sag-tension.png"},
                                       std::pair{cn3::page::kNescResults, "-nesc-results.png"}}) {
        window.pages()->setCurrentIndex(page);
        settle();
        window.grab().toImage().save(name + QLatin1String(suffix));
    }
    const auto failure = cn3::qt::SaveJobAsPdf(
        [&](cn3::ui::Surface& surface) { cn3::PrintSpanReport(program, surface); },
        name + QStringLiteral("-report.pdf"),
        cn3::qt::PrintPageLayout(QPageSize(QPageSize::Letter)));
    if (failure) std::fprintf(stderr, "%s\n", failure->c_str());
    return !failure;
}

}  // namespace

int main(int argc, char** argv) {
    cn3::tools::UseWideOffscreenScreen();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: cn3_example_charts OUTPUT_FOLDER [WIDTHxHEIGHT]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QDir examples(QStringLiteral(CN3_SOURCE_DIR "/data/examples"));
    bool ok = true;
    for (const QString& file : examples.entryList({QStringLiteral("*.cn3")}, QDir::Files))
        ok = chartExample(examples.filePath(file), out, argc > 2 ? argv[2] : nullptr) && ok;
    // The three-coax span at a sag of 0.3 % of its length takes the strand past its usable load;
    // at a clearance of 0.3 ft its cable comes below the clearance line on warm days.
    const QString threeCoax = examples.filePath(QStringLiteral("strand-three-coax.cn3"));
    ok = chartExample(threeCoax, out, argc > 2 ? argv[2] : nullptr, {"-tight", "0.30", nullptr}) &&
         ok;
    ok = chartExample(threeCoax, out, argc > 2 ? argv[2] : nullptr, {"-low", nullptr, "0.3"}) && ok;
    return ok ? 0 : 1;
}

// The pole line's pictures and pages for a look: for each example line (the hilly five poles,
// and a forty-span run over hills made here), under English and metric display, the profile
// as a window's picture box draws it (NAME-UNITS-profile.png, 1000 x 380 pixels at 96 DPI)
// and the line report on Letter pages (NAME-UNITS-report.pdf).
// Usage: cn3_line_pages OUTPUT_FOLDER. Runs offscreen on the shipped catalogue.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPageSize>
#include <cmath>
#include <cstdio>
#include <string>
#include <variant>

#include "core/catalogue.h"
#include "line/line_file.h"
#include "line/line_profile.h"
#include "line/line_report.h"
#include "line/line_worksheet.h"
#include "line/solve_line.h"
#include "qt/print_preview.h"
#include "qt/qt_surface.h"
#include "qt/resources.h"

namespace {

using namespace cn3;

struct Example {
    std::string name;
    line::LineFile file;
};

// Forty spans over a hill and a valley, strung as the hilly example is.
line::LineFile FortySpans(const line::LineFile& like) {
    line::LineFile file = like;
    file.line.poles.clear();
    file.line.spans.clear();
    for (int p = 0; p <= 40; ++p) {
        const float ground = 100.0f + 30.0f * std::sin(0.16f * static_cast<float>(p)) +
                             4.0f * std::sin(1.3f * static_cast<float>(p));
        // P18 stands short by the road crossing of the span after it.
        std::string id = "P";
        id += std::to_string(p + 1);
        file.line.poles.push_back({id, ground, p == 17 ? 19.0f : 24.0f});
        if (p < 40) {
            line::LineSpan span{130.0f + 15.0f * static_cast<float>(p % 5), std::nullopt};
            if (p == 17) span.requiredClearance = 18.0f;
            file.line.spans.push_back(span);
        }
    }
    return file;
}

bool Draw(const Example& example, bool metric, const QString& out) {
    auto catalogue = ReadCatalogue(CN3_SOURCE_DIR "/data/CABLEDAT.TXT", metric ? 1 : 0);
    if (!catalogue.ok()) return false;
    const Units units{catalogue.value().units, static_cast<std::uint8_t>(metric ? 1 : 0)};
    const auto problem = line::ProblemOf(example.file.worksheet, catalogue.value().cables);
    if (!std::holds_alternative<SpanProblem>(problem)) return false;
    const auto solved =
        line::SolveLine(example.file.line, example.file.worksheet, std::get<SpanProblem>(problem));
    if (const auto* why = std::get_if<std::string>(&solved)) {
        std::fprintf(stderr, "%s: %s\n", example.name.c_str(), why->c_str());
        return false;
    }
    const auto& solution = std::get<line::LineSolution>(solved);
    const QString stem = out + QLatin1Char('/') + QString::fromStdString(example.name) +
                         (metric ? QStringLiteral("-metric") : QStringLiteral("-english"));

    qt::ImageSurface screen(1000, 380, 96);
    screen.clear();
    DrawLineProfile(screen, 60, 60, screen.areaWidthTwips() - 120, screen.areaHeightTwips() - 120,
                    example.file.line, solution, units);
    if (!screen.image().save(stem + QStringLiteral("-profile.png"))) return false;

    line::LineReport report;
    report.projectName = "Tower Road rebuild";
    report.date = "12/06/26";
    report.notes = "Strand and one 0.750 in coax over the hill; the third span crosses the road.";
    report.lineName = example.name + ".cnl";
    report.logoPath = qt::kLogoPath;
    report.line = example.file.line;
    report.worksheet = example.file.worksheet;
    report.solution = solution;
    report.units = units;
    const auto failure = qt::SaveJobAsPdf(line::LineReportJob(std::move(report)),
                                          stem + QStringLiteral("-report.pdf"),
                                          qt::PrintPageLayout(QPageSize(QPageSize::Letter)));
    if (failure) std::fprintf(stderr, "%s\n", failure->c_str());
    return !failure;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qt::LoadResources();
    if (argc < 2) {
        std::fprintf(stderr, "usage: cn3_line_pages OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    auto hilly = line::ReadLineFile(CN3_SOURCE_DIR "/data/lines/hilly-five-poles.cnl");
    if (!std::holds_alternative<line::LineFile>(hilly)) return 1;
    const auto& file = std::get<line::LineFile>(hilly);
    bool ok = true;
    for (const Example& example :
         {Example{"hilly-five-poles", file}, Example{"forty-spans", FortySpans(file)}})
        for (const bool metric : {false, true}) ok = Draw(example, metric, out) && ok;
    return ok ? 0 : 1;
}

#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QSet>
#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "cli/line_report_run.h"
#include "cli/line_run.h"
#include "qt/print_preview.h"
#include "qt/resources.h"
#include "reports/cable_listing.h"
#include "reports/help_print.h"
#include "reports/span_report.h"

namespace cn3::cli {

namespace {

using batch::kAllDone;
using batch::kSomeMessage;
using batch::kUsageError;

// The family words of --families, in the order of the "Print" frame's boxes (Check5).
constexpr std::array<const char*, 6> kFamilyWords = {"strand", "k5", "lx", "fiber", "drop", "user"};

struct Options {
    QCommandLineOption results{QStringLiteral("results"),
                               QStringLiteral("Print the results of each span file.")};
    QCommandLineOption format{QStringLiteral("format"),
                              QStringLiteral("Results as text (the default), csv or json."),
                              QStringLiteral("format"), QStringLiteral("text")};
    QCommandLineOption report{QStringLiteral("report"),
                              QStringLiteral("Write the span report of each span file as a PDF.")};
    QCommandLineOption nesc{QStringLiteral("nesc"),
                            QStringLiteral("With --report: tick \"Show NESC Results\".")};
    QCommandLineOption temperature{
        QStringLiteral("temperature"),
        QStringLiteral("With --report: tick \"Show 'Effect of Temperature Change'\".")};
    QCommandLineOption charts{
        QStringLiteral("charts"),
        QStringLiteral("With --report: tick \"Show Charts\" (a second page with the charts).")};
    QCommandLineOption cableList{QStringLiteral("cable-list"),
                                 QStringLiteral("Write the cable listing as a PDF.")};
    QCommandLineOption families{
        QStringLiteral("families"),
        QStringLiteral("With --cable-list: the families listed (default all)."),
        QStringLiteral("strand,k5,lx,fiber,drop,user")};
    QCommandLineOption helpText{QStringLiteral("help-text"),
                                QStringLiteral("Write the help text as a PDF.")};
    QCommandLineOption pdf{QStringLiteral("pdf"),
                           QStringLiteral("The PDF file written; with several span files, the "
                                          "folder of their <name>.pdf reports."),
                           QStringLiteral("path")};
    QCommandLineOption line{QStringLiteral("line"),
                            QStringLiteral("Work out a pole line: a .cnl line file or a .csv list "
                                           "of poles."),
                            QStringLiteral("FILE.cnl|POLES.csv")};
    QCommandLineOption lineReport{
        QStringLiteral("line-report"),
        QStringLiteral("Write the line report of a pole line (a .cnl line file or a .csv list "
                       "of poles) as a PDF."),
        QStringLiteral("FILE.cnl|POLES.csv")};
    QCommandLineOption worksheet{
        QStringLiteral("worksheet"),
        QStringLiteral("With --line or --line-report: the span file whose cables, installation "
                       "and loadings the line takes (needed with a .csv)."),
        QStringLiteral("SPAN.cn3")};
    QCommandLineOption clearance{
        QStringLiteral("clearance"),
        QStringLiteral("With --line or --line-report: the required ground clearance of a span "
                       "that names none (default 15.5 ft)."),
        QStringLiteral("FT")};
    QCommandLineOption data{QStringLiteral("data"),
                            QStringLiteral("The data folder (catalogue, user cables, settings); "
                                           "default the current folder."),
                            QStringLiteral("folder"), QStringLiteral(".")};
};

void Say(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

int UsageError(const QString& text) {
    Say("catenova: " + text.toStdString());
    Say("Try 'catenova --help'.");
    return kUsageError;
}

std::vector<std::string> Files(const QStringList& names) {
    std::vector<std::string> files;
    for (const QString& name : names) files.push_back(name.toStdString());
    return files;
}

QPageLayout Pages() {
    return qt::PrintPageLayout(QPageSize(QPageSize::Letter));
}

// Writes the job's pages; a failure is said as "PATH: text". True when written.
bool WritePdf(Program& program, void (*print)(Program&, ui::Surface&), const QString& path) {
    const auto failure =
        qt::SaveJobAsPdf([&](ui::Surface& s) { print(program, s); }, path, Pages());
    if (failure) Say(path.toStdString() + ": " + *failure);
    return !failure;
}

// Writes out what the program said while printing; true when it said nothing.
bool SaidNothing(batch::MessageLog& log) {
    const auto said = log.take();
    for (const auto& text : said) Say("catenova: " + text);
    return said.empty();
}

// Starts the program headless for printing; false (the reason said) when it cannot start.
bool Start(Program& program, batch::MessageLog& log, const QString& dataFolder) {
    qt::LoadResources();
    program.logoPath = qt::kLogoPath;
    if (batch::StartHeadless(program, log, dataFolder.toStdString())) return true;
    for (const auto& text : log.take()) Say("catenova: " + text);
    return false;
}

// The report's PDF for each file: the path itself for one file (unless it is a folder), else
// <name>.pdf in the folder. Nothing when two files would write the same report.
std::optional<std::vector<QString>> ReportPaths(const QStringList& files, const QString& pdf) {
    const bool folder = files.size() > 1 || QFileInfo(pdf).isDir();
    std::vector<QString> paths;
    QSet<QString> seen;
    for (const QString& file : files) {
        const QString path =
            folder ? QDir(pdf).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".pdf"))
                   : pdf;
        if (seen.contains(path)) return std::nullopt;
        seen.insert(path);
        paths.push_back(path);
    }
    return paths;
}

int RunReports(const QStringList& files, const QString& pdf, bool nesc, bool temperature,
               bool charts, const QString& dataFolder) {
    const auto paths = ReportPaths(files, pdf);
    if (!paths)
        return UsageError(QStringLiteral("two span files of the same name would write one report"));
    if (files.size() > 1 && !QDir().mkpath(pdf)) {
        Say(pdf.toStdString() + ": cannot make the folder");
        return kSomeMessage;
    }
    int status = kAllDone;
    for (qsizetype i = 0; i < files.size(); ++i) {
        // Each file on the worksheet of a fresh start, as if it were the only one.
        Program program;
        batch::MessageLog log;
        if (!Start(program, log, dataFolder)) return kSomeMessage;
        const batch::SpanOutcome outcome = batch::WorkOutSpanFile(program, files[i].toStdString());
        batch::ReportMessages(outcome, stderr);
        if (!outcome.clean()) status = kSomeMessage;
        if (!outcome.results) continue;  // no report of another file's numbers
        program.main.Check3.setChecked(nesc);
        program.main.Check4.setChecked(temperature);
        program.main.ShowCharts.setChecked(charts);
        if (!WritePdf(program, PrintSpanReport, (*paths)[static_cast<std::size_t>(i)]))
            status = kSomeMessage;
    }
    return status;
}

int RunCableList(const std::optional<QString>& families, const QString& pdf,
                 const QString& dataFolder) {
    std::array<bool, 6> ticked{};
    if (!families)
        ticked.fill(true);
    else
        for (const QString& word : families->split(QLatin1Char(','))) {
            bool known = false;
            for (std::size_t f = 0; f < kFamilyWords.size(); ++f)
                if (word.trimmed().compare(QLatin1String(kFamilyWords[f]), Qt::CaseInsensitive) ==
                    0) {
                    ticked[f] = true;
                    known = true;
                }
            if (!known) return UsageError(QStringLiteral("unknown family '%1'").arg(word));
        }
    Program program;
    batch::MessageLog log;
    if (!Start(program, log, dataFolder)) return kSomeMessage;
    for (std::size_t f = 0; f < ticked.size(); ++f) program.main.Check5[f].setChecked(ticked[f]);
    const bool written = WritePdf(program, PrintCableListing, pdf);
    return SaidNothing(log) && written ? kAllDone : kSomeMessage;
}

int RunHelpText(const QString& pdf, const QString& dataFolder) {
    Program program;
    batch::MessageLog log;
    if (!Start(program, log, dataFolder)) return kSomeMessage;
    const bool written = WritePdf(program, PrintHelpText, pdf);
    return SaidNothing(log) && written ? kAllDone : kSomeMessage;
}

int RunResults(const QStringList& files, batch::Format format, const QString& dataFolder) {
    Program program;
    batch::MessageLog log;
    if (!batch::StartHeadless(program, log, dataFolder.toStdString())) {
        for (const auto& text : log.take()) Say("catenova: " + text);
        return kSomeMessage;
    }
    const std::string folder = dataFolder.toStdString();
    return batch::WriteResults(
        [&folder](Program& fresh, batch::MessageLog& freshLog) {
            return batch::StartHeadless(fresh, freshLog, folder);
        },
        Files(files), format, stdout, stderr);
}

}  // namespace

bool WantsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--") || argument == "-h" || argument == "-?" || argument == "-v")
            return true;
    }
    return false;
}

int RunHeadless(const QStringList& arguments) {
    Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sag and tension of aerial cable spans. Without options it opens its "
                       "window; with one of --results, --line, --line-report, --report, "
                       "--cable-list or --help-text it runs without one and exits: 0 when every "
                       "file was done without a message (with --line and --line-report: every "
                       "span passes), 1 when some file gave one (a span or pole fails; the line "
                       "report is still written), 2 for a usage error."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({o.results, o.format, o.line, o.lineReport, o.worksheet, o.clearance,
                       o.report, o.nesc, o.temperature, o.charts, o.cableList, o.families,
                       o.helpText, o.pdf, o.data});
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Span files."),
                                 QStringLiteral("[FILE.cn3...]"));
    if (!parser.parse(arguments)) return UsageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return kAllDone;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return kAllDone;
    }

    const int actions = int{parser.isSet(o.results)} + int{parser.isSet(o.line)} +
                        int{parser.isSet(o.lineReport)} + int{parser.isSet(o.report)} +
                        int{parser.isSet(o.cableList)} + int{parser.isSet(o.helpText)};
    if (actions != 1 && parser.isSet(o.lineReport))
        return UsageError(
            QStringLiteral("--line-report goes alone, without --results, --line, "
                           "--report, --cable-list or --help-text"));
    if (actions != 1)
        return UsageError(QStringLiteral(
            "choose one of --results, --line, --report, --cable-list and --help-text"));
    const QStringList files = parser.positionalArguments();
    const QString data = parser.value(o.data);
    const auto onlyWith = [&](const QCommandLineOption& option, const QCommandLineOption& action) {
        return !parser.isSet(option) || parser.isSet(action);
    };
    if (!onlyWith(o.format, o.results) && !onlyWith(o.format, o.line))
        return UsageError(QStringLiteral("--format goes with --results or --line"));
    const auto withLine = [&](const QCommandLineOption& option) {
        return onlyWith(option, o.line) || onlyWith(option, o.lineReport);
    };
    if (!withLine(o.worksheet) || !withLine(o.clearance))
        return UsageError(QStringLiteral("--worksheet and --clearance go with --line"));
    if (!onlyWith(o.nesc, o.report) || !onlyWith(o.temperature, o.report) ||
        !onlyWith(o.charts, o.report))
        return UsageError(QStringLiteral("--nesc, --temperature and --charts go with --report"));
    if (!onlyWith(o.families, o.cableList))
        return UsageError(QStringLiteral("--families goes with --cable-list"));

    if (parser.isSet(o.results)) {
        if (parser.isSet(o.pdf)) return UsageError(QStringLiteral("--results writes no PDF"));
        const auto format = batch::FormatNamed(parser.value(o.format).toStdString());
        if (!format)
            return UsageError(QStringLiteral("unknown format '%1' (text, csv or json)")
                                  .arg(parser.value(o.format)));
        if (files.isEmpty()) return UsageError(QStringLiteral("--results needs span files"));
        return RunResults(files, *format, data);
    }
    if (parser.isSet(o.line)) {
        if (parser.isSet(o.pdf)) return UsageError(QStringLiteral("--line writes no PDF"));
        if (!files.isEmpty()) return UsageError(QStringLiteral("--line takes no span files"));
        LineRequest request;
        request.input = parser.value(o.line).toStdString();
        if (parser.isSet(o.worksheet)) request.worksheet = parser.value(o.worksheet).toStdString();
        if (parser.isSet(o.clearance)) request.clearance = parser.value(o.clearance).toStdString();
        request.format = parser.value(o.format).toStdString();
        request.dataFolder = data.toStdString();
        return RunLine(request);
    }
    if (!parser.isSet(o.pdf) || parser.value(o.pdf).isEmpty())
        return UsageError(QStringLiteral("the PDF to write is named with --pdf"));
    const QString pdf = parser.value(o.pdf);
    if (parser.isSet(o.lineReport)) {
        if (!files.isEmpty())
            return UsageError(QStringLiteral("--line-report takes no span files"));
        LineRequest request;
        request.option = "--line-report";
        request.input = parser.value(o.lineReport).toStdString();
        if (parser.isSet(o.worksheet)) request.worksheet = parser.value(o.worksheet).toStdString();
        if (parser.isSet(o.clearance)) request.clearance = parser.value(o.clearance).toStdString();
        request.dataFolder = data.toStdString();
        return RunLineReport(request, pdf);
    }
    if (parser.isSet(o.report)) {
        if (files.isEmpty()) return UsageError(QStringLiteral("--report needs span files"));
        return RunReports(files, pdf, parser.isSet(o.nesc), parser.isSet(o.temperature),
                          parser.isSet(o.charts), data);
    }
    if (!files.isEmpty())
        return UsageError(QStringLiteral("span files go with --results or --report"));
    if (parser.isSet(o.cableList))
        return RunCableList(
            parser.isSet(o.families) ? std::optional(parser.value(o.families)) : std::nullopt, pdf,
            data);
    return RunHelpText(pdf, data);
}

}  // namespace cn3::cli

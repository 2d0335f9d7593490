#include "line/line_report.h"

#include <algorithm>

#include "core/blanks.h"
#include "core/number_format.h"
#include "engine/chart_axis.h"
#include "engine/chart_parts.h"
#include "line/line_profile.h"
#include "line/line_tables.h"
#include "line/shown_table_print.h"
#include "reports/pager.h"
#include "ui/text_fit.h"

namespace cn3::line {

namespace {

constexpr double kTitleSize = 14, kBodySize = 10, kHeadlineSize = 11, kNoteSize = 9;
constexpr double kTableSize = 8, kWideTableSize = 7;
constexpr double kLogoGap = 400;         // between the logo and the title
constexpr double kSectionGap = 160;      // before a section's title
constexpr double kProfileHeight = 4300;  // the line profile's picture on the page
constexpr double kBarWidth = 40;         // the red bar beside a failing note
constexpr double kNoteIndent = 200;

std::string Joined(const std::vector<std::string>& parts, std::string_view between) {
    std::string out;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!out.empty()) out += between;
        out += part;
    }
    return out;
}

std::string Quantity(const Units& units, int kind, float value, const char* pattern) {
    return units.toDisplay(kind, value, pattern) + " " + UnitText(units, kind);
}

// The line that heads every page after the first: the title, the project and the line.
std::string ContinuationText(const LineReport& r) {
    return Joined({std::string(kLineReportTitle), std::string(TrimBlanks(r.projectName)),
                   std::string(TrimBlanks(r.lineName))},
                  " - ");
}

// Prints a text at x from the current y, shrunk to end before the page's right edge, and
// goes down one line of the current font.
void PrintLine(ui::Surface& s, const std::string& text, double x) {
    const double size = s.fontSize(), y = s.currentY();
    const double h = s.textHeight();
    s.setFontSize(ui::FitText(s, text, s.scaleWidth() - x));
    PlaceText(s, text, x, y + h - s.textHeight(), Align::Left);
    s.setFontSize(size);
    s.setCurrentX(0);
    s.setCurrentY(y + h);
}

// A paragraph wrapped to the page from x, kept together on one page; a failing one printed
// bold with a red bar beside it.
void PrintParagraph(Pager& pager, const std::string& text, double x, bool fails) {
    pager.keepTogether([&](ui::Surface& s) {
        const double top = s.currentY();
        s.setBold(fails);
        for (const std::string& line : ui::WrapText(s, text, s.scaleWidth() - x))
            PrintLine(s, line, x);
        s.setBold(false);
        if (fails)
            s.line(x - kNoteIndent / 2, top + 20, x - kNoteIndent / 2, s.currentY() - 20, kRed,
                   kBarWidth);
    });
}

void SectionTitle(Pager& pager, const std::string& title) {
    ui::Surface& s = pager.surface();
    s.setCurrentY(s.currentY() + kSectionGap);
    // A title is not left alone at the foot of a page: it goes with two lines of what follows.
    s.setFontSize(kBodySize);
    if (!pager.roomForLines(3)) pager.newPage();
    s.setBold(true);
    PrintLine(s, title, 0);
    s.setBold(false);
}

std::string InstallationText(const LineReport& r) {
    const Units& u = r.units;
    const LineWorksheet& w = r.worksheet;
    std::string text = "Installed at " + TemperatureText(u, w.installedTemperature) + " ";
    const std::string rulingSag =
        Quantity(u, unit::kLength, r.solution.ruling.inputs.sag, "#,##0.00");
    if (r.line.installation.mode == Installation::Mode::Tension)
        text += "at a line tension of " +
                Quantity(u, unit::kForce, r.line.installation.tension, "#,##0") + " (a sag of " +
                rulingSag + " on the ruling span)";
    else if (w.sagPercent)
        text += "at a sag of " + FormatNumber(w.sag, "#,##0.0##") + " % of the ruling span (" +
                rulingSag + ")";
    else
        text += "at a sag of " + rulingSag + " on the ruling span";
    return text + "; every span sags in proportion to the square of its length.";
}

std::vector<std::string> StrungWith(const LineReport& r) {
    const Units& u = r.units;
    std::vector<std::string> loadings;
    for (const LineCondition& c : r.solution.conditions)
        if (c.kind == LineCondition::Kind::Loading) loadings.push_back(c.name);
    return {"Cables: " + Joined(r.worksheet.cables, ", ") + "   Bundle diameter " +
                Quantity(u, unit::kSmallLength, r.worksheet.bundleDiameter, "#0.000") +
                "   Creep " + FormatNumber(100.0 * double(r.worksheet.creep), "#0.00") + " %",
            InstallationText(r), "Loadings drawn: " + Joined(loadings, ", "),
            "Required clearance " +
                Quantity(u, unit::kLength, r.line.defaultClearance, "#,##0.00") +
                " where a span names none."};
}

ShownTable PolesAndSpans(const LineReport& r) {
    const Units& u = r.units;
    const std::string len = " (" + UnitText(u, unit::kLength) + ")";
    ShownTable table;
    table.headings = {"Pole",
                      "Ground\nelevation" + len,
                      "Attachment\nheight" + len,
                      "Span to the\nnext pole",
                      "Span length" + len,
                      "Required\nclearance" + len};
    for (std::size_t p = 0; p < r.line.poles.size(); ++p) {
        const Pole& pole = r.line.poles[p];
        std::vector<ShownCell> row{{pole.id},
                                   {u.toDisplay(unit::kLength, pole.groundElevation, "#,##0.00")},
                                   {u.toDisplay(unit::kLength, pole.attachmentHeight, "#,##0.00")}};
        if (p < r.line.spans.size() && p + 1 < r.line.poles.size()) {
            row.push_back({pole.id + "-" + r.line.poles[p + 1].id});
            row.push_back({u.toDisplay(unit::kLength, r.line.spans[p].length, "#,##0.00")});
            row.push_back({u.toDisplay(unit::kLength, r.line.requiredClearance(p), "#,##0.00")});
        } else {
            row.insert(row.end(), 3, ShownCell{});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

// The logo centred at the top at its own size; gives back where the title goes.
double PrintLogo(const LineReport& r, ui::Surface& s) {
    const ui::Size logo = r.logoPath.empty() ? ui::Size{} : s.pictureSize(r.logoPath);
    if (logo.width <= 0 || logo.height <= 0) return 0;
    s.picture(r.logoPath, (s.scaleWidth() - logo.width) / 2, 0, logo.width, logo.height);
    return logo.height + kLogoGap;
}

}  // namespace

void PrintLineReport(const LineReport& r, ui::Surface& surface) {
    const std::string continuation = ContinuationText(r);
    Pager pager(surface, {[&](ui::Surface& s) {
                              s.setBold(false);
                              s.setFontSize(kBodySize);
                              s.setCurrentY(0);
                              PrintLine(s, continuation, 0);
                              s.setCurrentY(2 * s.textHeight());
                          },
                          PageNumberFooter});
    ui::Surface& s = surface;
    s.setBold(false);

    // Title and project.
    s.setCurrentY(PrintLogo(r, s));
    s.setFontSize(kTitleSize);
    {
        const std::string title(kLineReportTitle);
        const double y = s.currentY();
        s.setFontSize(ui::FitText(s, title, s.scaleWidth()));
        PlaceText(s, title, s.scaleWidth() / 2, y, Align::Centre);
        s.setFontSize(kTitleSize);
        s.setCurrentY(y + s.textHeight() * 1.5);
    }
    s.setFontSize(kBodySize);
    const std::string project = Joined(
        {TrimBlanks(r.projectName).empty() ? ""
                                           : "Project: " + std::string(TrimBlanks(r.projectName)),
         TrimBlanks(r.date).empty() ? "" : "Date: " + std::string(TrimBlanks(r.date)),
         TrimBlanks(r.lineName).empty() ? "" : "Line: " + std::string(TrimBlanks(r.lineName))},
        "     ");
    if (!project.empty()) PrintLine(s, project, 0);
    if (!TrimBlanks(r.notes).empty())
        for (const std::string& line : ui::WrapText(s, r.notes, s.scaleWidth()))
            PrintLine(s, line, 0);

    // The headline and the verdict.
    s.setCurrentY(s.currentY() + kSectionGap);
    s.setFontSize(kHeadlineSize);
    s.setBold(true);
    PrintLine(s, LineHeadline(r.line, r.solution, r.units), 0);
    s.setBold(false);
    const std::vector<LineNote> notes = LineNotes(r.line, r.solution, r.units);
    s.setFontSize(kNoteSize);
    if (!notes.empty()) PrintParagraph(pager, notes.front().text, kNoteIndent, notes.front().fails);

    // What it is strung with, and the line as entered.
    SectionTitle(pager, "Strung With");
    s.setFontSize(kNoteSize);
    for (const std::string& text : StrungWith(r)) PrintParagraph(pager, text, kNoteIndent, false);
    s.setCurrentY(s.currentY() + kSectionGap);
    PrintShownTable(pager, "Poles and Spans", PolesAndSpans(r), kTableSize);

    // The results and their notes.
    PrintShownTable(pager, "Span Results", SpanResultsTable(r.line, r.solution, r.units),
                    kTableSize);
    s.setFontSize(kNoteSize);
    for (std::size_t i = 1; i < notes.size(); ++i)
        PrintParagraph(pager, notes[i].text, kNoteIndent, notes[i].fails);

    // The profile.
    s.setCurrentY(s.currentY() + kSectionGap);
    pager.keepTogether([&](ui::Surface& target) {
        const double top = target.currentY();
        DrawLineProfile(target, 0, top, target.scaleWidth(), kProfileHeight, r.line, r.solution,
                        r.units);
        target.setCurrentX(0);
        target.setCurrentY(top + kProfileHeight);
    });

    // The stringing chart.
    s.setCurrentY(s.currentY() + kSectionGap);
    const float installed = r.worksheet.installedTemperature;
    const ShownTable chart = StringingTable(r.line, r.solution, r.units, installed);
    PrintShownTable(pager, "Stringing Chart", chart,
                    StringingTransposed(r.line) ? kWideTableSize : kTableSize,
                    StringingLegend(r.units, installed));
    pager.finish();
}

ui::PrintJob LineReportJob(LineReport report) {
    return [report = std::move(report)](ui::Surface& surface) { PrintLineReport(report, surface); };
}

}  // namespace cn3::line

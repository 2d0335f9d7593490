#include "line/shown_table_print.h"

#include <algorithm>
#include <numeric>

#include "engine/chart_parts.h"
#include "ui/text_fit.h"

namespace cn3::line {

namespace {

constexpr double kTitleSize = 10, kLegendSize = 9;
constexpr double kPadding = 120;     // twips of a column kept clear of its text
constexpr double kCellMargin = 30;   // above and below a cell's text
constexpr double kAfterTable = 200;  // before what follows the table
constexpr ui::Rgb kShade{232, 232, 232};
constexpr double kFrameWidth = 20;
constexpr double kContinuationRoom = 720;  // the heading line a later page starts with

// The pieces of a heading between its line breaks.
std::vector<std::string> HeadingPieces(const std::string& heading) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = heading.find('\n', from);
        pieces.push_back(heading.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) return pieces;
        from = end + 1;
    }
}

// The heading's lines in a column of `width`: its own breaks, then wrapped.
std::vector<std::string> HeadingLines(const ui::Surface& s, const std::string& heading,
                                      double width) {
    std::vector<std::string> lines;
    for (const std::string& piece : HeadingPieces(heading))
        for (std::string& line : ui::WrapText(s, piece, width)) lines.push_back(std::move(line));
    return lines;
}

// Prints one line of text fitted into the band from x to x + width: left-aligned or centred.
void CellText(ui::Surface& s, const std::string& text, double x, double width, double y,
              bool centred) {
    const double size = s.fontSize();
    s.setFontSize(ui::FitText(s, text, width));
    const double w = s.textWidth(text);
    PlaceText(s, text, centred ? x + (width - w) / 2 : x, y, Align::Left);
    s.setFontSize(size);
}

}  // namespace

std::vector<double> ColumnWidths(ui::Surface& s, const ShownTable& table, double width,
                                 double padding) {
    // Each column's least width (its widest cell, and its heading's widest word) and the width
    // it would like (its heading unwrapped but at its own line breaks).
    const std::size_t columns = table.headings.size();
    std::vector<double> least(columns, 0.0), wanted(columns, 0.0);
    const bool bold = s.bold();
    for (std::size_t c = 0; c < columns; ++c) {
        s.setBold(true);
        for (const std::string& piece : HeadingPieces(table.headings[c])) {
            wanted[c] = std::max(wanted[c], s.textWidth(piece));
            // A line of the heading breaks in two at most, so that it stays readable.
            least[c] = std::max(least[c], s.textWidth(piece) * 0.55);
            std::size_t from = 0;
            while (from <= piece.size()) {
                const std::size_t end = std::min(piece.find(' ', from), piece.size());
                least[c] = std::max(least[c], s.textWidth(piece.substr(from, end - from)));
                from = end + 1;
            }
        }
        for (const auto& row : table.rows)
            if (c < row.size()) {
                s.setBold(row[c].fails || row[c].marked);
                least[c] = std::max(least[c], s.textWidth(row[c].text));
            }
        least[c] += padding;
        wanted[c] = std::max(wanted[c] + padding, least[c]);
    }
    s.setBold(bold);
    const double leastTotal = std::accumulate(least.begin(), least.end(), 0.0);
    const double wantedTotal = std::accumulate(wanted.begin(), wanted.end(), 0.0);
    if (leastTotal <= 0) return least;
    if (leastTotal >= width) {
        for (double& w : least) w *= width / leastTotal;
        return least;
    }
    if (wantedTotal > width) {
        // The room there is goes to the headings that would wrap, in proportion.
        const double share = (width - leastTotal) / (wantedTotal - leastTotal);
        for (std::size_t c = 0; c < columns; ++c) least[c] += (wanted[c] - least[c]) * share;
        return least;
    }
    const double extra =
        std::min(width - wantedTotal, wantedTotal / 2) / static_cast<double>(columns);
    for (double& w : wanted) w += extra;
    return wanted;
}

void PrintShownTable(Pager& pager, const std::string& title, const ShownTable& table,
                     double fontSize, const std::string& legend) {
    ui::Surface& s = pager.surface();
    const double left = 0;
    s.setFontSize(fontSize);
    s.setBold(false);
    const double h = s.textHeight();
    const std::vector<double> widths = ColumnWidths(s, table, s.scaleWidth(), kPadding);
    std::vector<double> xs{left};
    for (const double w : widths) xs.push_back(xs.back() + w);
    xs.back() = std::min(xs.back(), left + s.scaleWidth());  // not a rounding error past the edge

    s.setBold(true);
    std::vector<std::vector<std::string>> headings;
    std::size_t headingLines = 1;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        headings.push_back(HeadingLines(s, table.headings[c], widths[c] - kPadding / 2));
        headingLines = std::max(headingLines, headings.back().size());
    }
    s.setBold(false);
    s.setFontSize(kTitleSize);
    double titleHeight = s.textHeight() + 60;
    s.setFontSize(kLegendSize);
    const double legendHeight = s.textHeight();
    if (!legend.empty()) titleHeight += legendHeight + 40;
    s.setFontSize(fontSize);
    const double headingHeight = static_cast<double>(headingLines) * h + 2 * kCellMargin;
    const double rowHeight = h + 2 * kCellMargin;

    const auto top = [&](bool continued) {
        double y = s.currentY();
        s.setFontSize(kTitleSize);
        s.setBold(true);
        PlaceText(s, continued ? title + " (continued)" : title, left, y, Align::Left);
        s.setBold(false);
        if (!legend.empty()) {
            s.setFontSize(kLegendSize);
            const double width = s.scaleWidth() - left;
            s.setFontSize(ui::FitText(s, legend, width));
            PlaceText(s, legend, left, y + titleHeight - 40 - legendHeight, Align::Left);
        }
        s.setBold(true);
        y += titleHeight;
        s.setFontSize(fontSize);
        for (std::size_t c = 0; c < widths.size(); ++c) {
            // Headings stand on the rule, a short one lowest.
            const std::vector<std::string>& lines = headings[c];
            double ly = y + kCellMargin + static_cast<double>(headingLines - lines.size()) * h;
            for (const std::string& line : lines) {
                CellText(s, line, xs[c] + kPadding / 4, widths[c] - kPadding / 2, ly, c > 0);
                ly += h;
            }
        }
        s.setBold(false);
        y += headingHeight;
        s.line(left, y, xs.back(), y, kBlack, 15);
        s.setCurrentY(y);
    };

    // A table that a page can hold whole starts on a new page rather than break; a longer one
    // keeps its title and headings with its first three rows.
    const double whole =
        titleHeight + headingHeight + static_cast<double>(table.rows.size()) * rowHeight;
    const double firstRows = static_cast<double>(std::min<std::size_t>(3, table.rows.size()));
    const double pageBody = pager.bodyBottom() - s.scaleTop() - kContinuationRoom;
    const double keep =
        whole <= pageBody ? whole : titleHeight + headingHeight + firstRows * rowHeight;
    if (s.currentY() > s.scaleTop() && !pager.fits(s.currentY() + keep)) pager.newPage();
    top(false);
    for (const auto& row : table.rows) {
        if (!pager.fits(s.currentY() + rowHeight)) {
            pager.newPage();
            top(true);
        }
        const double y = s.currentY();
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            const ShownCell& cell = row[c];
            if (cell.marked) s.rectangle(xs[c], y, xs[c + 1], y + rowHeight, kShade, 0, kShade);
            if (cell.fails)
                s.rectangle(xs[c] + 25, y + 10, xs[c + 1] - 25, y + rowHeight - 10, kRed,
                            kFrameWidth);
            s.setBold(cell.fails || cell.marked);
            CellText(s, cell.text, xs[c] + kPadding / 2, widths[c] - kPadding, y + kCellMargin,
                     c > 0);
        }
        s.setBold(false);
        s.line(left, y + rowHeight, xs.back(), y + rowHeight, kLightGray);
        s.setCurrentY(y + rowHeight);
    }
    s.setCurrentX(0);
    s.setCurrentY(s.currentY() + kAfterTable);
}

}  // namespace cn3::line

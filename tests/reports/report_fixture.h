// A worksheet for the printed reports, with every control the reports read set by hand, so
// each printed piece is known without solving a span: a small cable table with four-line
// headings, a strand and three coax cables selected, a short results text and a full
// temperature table. Pages are Letter (12240 x 15840 twips) on a recording surface, whose
// characters are size * 10 twips wide and lines size * 24 high; the logo is 4320 x 1080.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/program.h"
#include "ui/print_job.h"
#include "ui/recording_surface.h"

namespace cn3::test {

inline const std::string br = "\n\r";

class ReportTest : public ::testing::Test {
  protected:
    ReportTest() {
        auto& u = program.units.table;
        // clang-format off
        u[2] = {"lbs", "N", 4.448222f, 0}; u[3] = {"in", "mm", 25.4f, 0};     u[4] = {"ft", "m", 0.3048f, 0};
        u[5] = {"/F", "/C", 1.8f, 0};      u[6] = {"lb/ft", "kg/m", 1.488164f, 0};
        u[10] = {"lb", "kN", 0.004448222f, 0}; u[11] = {"in2", "mm2", 645.16f, 0};
        program.columnUnitKinds = {0, 3, 11, 3, 5, 6, 10, 2, 0, 0};
        program.columnFormats = {"", "##0.0###", "##0.0###", "##0.000", "0.0000000", "#0.0000", "#,###,##0", "###,##0", "", ""};
        program.cables.rows[0] = {"" + br + "Cable" + br + "Name" + br + "", "" + br + "Nominal" + br + "Size" + br + "(in)",
                                  "" + br + "Steel" + br + "Area" + br + "(in2)", "" + br + "Outside" + br + "Diameter" + br + "(in)",
                                  "" + br + "Thermal" + br + "Coeff." + br + "(/F)", "" + br + "Unit" + br + "Weight" + br + "(lb/ft)",
                                  "Axial" + br + "Stiff-" + br + "ness" + br + "(lb)", "" + br + "Rated" + br + "Strength" + br + "(lb)"};
        const std::vector<std::vector<std::string>> cables = {
            {"1/4 EHS 6M", "0.25", "0.0352", "0.240", "0.0000064", "0.121", "950400", "6650"},
            {"P 500", "0.5", "0", "0.57", "0.0000128", "0.09", "0", "0"},
            {"C 875", "0.875", "0", "0.98", "0.0000128", "0.22", "0", "0"},
            {"P 750", "0.75", "0", "0.84", "0.0000128", "0.17", "0", "0"},
            {"5/16 EHS 10M", "0.3125", "0.0595", "0.312", "0.0000064", "0.205", "1606500", "11200"},
            {"P 625", "0.625", "0", "0.70", "0.0000128", "0.13", "0", "0"},
            {"C 1000", "1.0", "0", "1.12", "0.0000128", "0.29", "0", "0"},
            {"P 500 M", "0.5", "0.0352", "0.86", "0.0000064", "0.226", "950400", "6650"},
            {"P 860", "0.86", "0", "0.96", "0.0000128", "0.20", "0", "0"},
            {"C 1125", "1.125", "0", "1.26", "0.0000128", "0.33", "0", "0"},
            {"RG6 VM", "0.272", "0.0020", "0.35", "0.0000064", "0.035", "59200", "300"}};
        // clang-format on
        for (size_t r = 0; r < cables.size(); ++r)
            for (size_t f = 0; f < 8; ++f) program.cables.rows[r + 1][f] = cables[r][f];
        program.cables.lastCableRow = program.cables.userSeparatorRow = 12;
        program.cables.rows[12][0] = "User Defined" + br + "Cables";
        program.loadings[2].name = "Light        ";
        program.loadings[3].name = "Ice 32F      ";
        program.logoPath = "logo.png";

        MainForm& form = program.main;
        form.Text1.setText("Tower Road");
        form.Text2.setText("12/06/26");
        form.Text3.setText("Span 7");
        form.Text4.setText("Two new coax");
        select({"1/4 EHS 6M", "P 500", "C 875", "P 750"});
        form.Label4.setCaption(br + "Span Length = 150.00 ft" + br +
                               "Span Sag = 3.00 ft  (36.0 in)" + br + "Span Tension = 1,234 lbs");
        ui::Grid& temp = form.GridTemp;
        temp.setCols(5);
        temp.setRows(20);
        const char* headings[] = {"Temp", "Midspan", "Tension", "% Length", "Clearance"};
        const char* units[] = {"F", "Sag (ft)", "(lbs)", "Change", "18 ft"};
        for (int c = 0; c < 5; ++c) temp.setText(0, c, headings[c] + br + units[c]);
        for (int r = 1; r < 20; ++r) {
            temp.setText(r, 0, std::to_string(-50 + 10 * r) + ".0");
            for (int c = 1; c < 5; ++c)
                temp.setText(r, c, std::to_string(r) + "." + std::to_string(c));
        }
    }

    // The selected cables in Grid2 (name in column 1) above the bundle row.
    void select(const std::vector<std::string>& names) {
        ui::Grid& grid = program.main.Grid2;
        grid.setCols(4);
        grid.setRows(static_cast<int>(names.size()) + 2);
        for (size_t i = 0; i < names.size(); ++i)
            grid.setText(static_cast<int>(i) + 1, 1, names[i]);
        const int bundle = grid.rows() - 1;
        grid.setText(bundle, 1, "Bundle");
        grid.setText(bundle, 2, "1.530");
        grid.setText(bundle, 3, "0.601");
    }

    // Prints a job as a print host does: measured for its page count, printed, and the
    // document ended.
    void Host(void (*job)(Program&, ui::Surface&), ui::Surface& surface) {
        ui::RunPrintJob([&](ui::Surface& s) { job(program, s); }, surface);
    }

    ui::RecordingSurface page(double height = 15840) {
        ui::RecordingSurface surface("Printer", 12240, height);
        surface.setPictureSize("logo.png", 4320, 1080);
        return surface;
    }

    Program program;
};

using ui::RecordedOp;

// A printed text where it landed, and on which page (from 1).
struct Placed {
    std::string text;
    double x = 0, y = 0;
    int page = 1;
};

// The page footer, "Page n of m" (or "Page n" without a count).
inline bool IsFooter(const RecordedOp& op) {
    if (op.kind != RecordedOp::Kind::Text || !op.text.starts_with("Page ")) return false;
    return op.text.find_first_not_of("0123456789 of", 5) == std::string::npos;
}

// The non-empty texts of the page bodies in order, with their pages; the footers are left
// out (tests of the footer look at the operations).
inline std::vector<Placed> Placements(const std::vector<RecordedOp>& ops) {
    std::vector<Placed> out;
    int page = 1;
    for (const auto& op : ops) {
        if (op.kind == RecordedOp::Kind::NewPage) ++page;
        if (op.kind == RecordedOp::Kind::Text && !op.text.empty() && !IsFooter(op))
            out.push_back({op.text, op.x, op.y, page});
    }
    return out;
}

// The footers in order, with their pages.
inline std::vector<Placed> Footers(const std::vector<RecordedOp>& ops) {
    std::vector<Placed> out;
    int page = 1;
    for (const auto& op : ops) {
        if (op.kind == RecordedOp::Kind::NewPage) ++page;
        if (IsFooter(op)) out.push_back({op.text, op.x, op.y, page});
    }
    return out;
}

// The first placement of a text; a failure when it was not printed.
inline Placed Find(const std::vector<RecordedOp>& ops, const std::string& text) {
    for (const auto& p : Placements(ops))
        if (p.text == text) return p;
    ADD_FAILURE() << "not printed: " << text;
    return {};
}

// The texts of one line of one page, left to right as printed, joined by "|".
inline std::string Line(const std::vector<RecordedOp>& ops, double y, int page = 1) {
    std::string out;
    for (const auto& p : Placements(ops))
        if (p.y == y && p.page == page) out += (out.empty() ? "" : "|") + p.text;
    return out;
}

inline int Count(const std::vector<RecordedOp>& ops, RecordedOp::Kind kind) {
    int n = 0;
    for (const auto& op : ops) n += op.kind == kind;
    return n;
}

}  // namespace cn3::test

#include "engine/loading_table_drawing.h"

#include <string>
#include <vector>

#include "core/unit_table.h"
#include "engine/loading_conditions.h"
#include "engine/span_inputs.h"
#include "engine/shown_loadings.h"

namespace cn3 {

namespace {

constexpr int kPointColumn = 8;    // sag at the point of interest, heading column
constexpr int kIceLoadColumn = 2;  // centred on 700 twips whatever its gap
constexpr int kIceLoadWidth = 700;
constexpr int kTitleSize = 12, kHeadingSize = 6, kRowSize = 10;
constexpr int kRowGap = 60;  // twips under the headings, and above the user loadings

const std::array<int, 21> kGaps = {0,   1600, 500, 700, 600, 700, 500, 700, 700, 1200, 500,
                                   500, 500,  0,   0,   0,   0,   0,   650, 650, 650};

struct Table {
    TableColumns at;
    double width(int c) const {
        return c == kIceLoadColumn ? kIceLoadWidth
                                   : at[static_cast<size_t>(c + 1)] - at[static_cast<size_t>(c)];
    }
};

std::string Heading(const Program& program, int c) {
    const auto unit = [&](int kind) { return program.units.label(kind); };
    switch (c) {
        case 0:
            return "|Loading|Condition";
        case 1:
            return "||Temp.|" + unit(unit::kTemperature);
        case 2:
            return "|Ice|Load|" + unit(unit::kLoadPerLength);
        case 3:
            return "Horz|Wind|Load|" + unit(unit::kWindLoad);
        case 4:
            return "Result|Load|+ Const|" + unit(unit::kLoadPerLength);
        case 5:
            return "|Sag||" + unit(unit::kLength);
        case 6:
            return "|Tension||" + unit(unit::kForce);
        case 7:
            return "% Len|Chg From|Input|Conditions";
        case 8:
            return "Sag @|Point|" + program.main.Text9[entry::kPointDistance].text() + "|" +
                   unit(unit::kLength);
        case 9:
            return "Horz|Sag|Comp|" + unit(unit::kLength);
        case 10:
            return "Vert|Sag|Comp|" + unit(unit::kLength);
        case 11:
            return "|Vector|Angle|Deg";
        case 18:
            return "|Ice|Thick|" + unit(unit::kSmallLength);
        case 19:
            return "|Wind|Constant|" + unit(unit::kLoadPerLength);
        default:
            return {};
    }
}

}  // namespace

TableColumns LoadingTableColumns(int mode) {
    TableColumns at{};
    at[0] = 150;
    for (size_t c = 1; c <= 12; ++c) at[c] = static_cast<short>(at[c - 1] + kGaps[c]);
    if (mode == kPrintedTable)
        for (size_t c = 3; c <= 12; ++c)
            at[c] = static_cast<short>(at[c] + 1300);  // 2000 after the ice load
    at[18] = static_cast<short>(at[2] + kGaps[18]);
    at[19] = static_cast<short>(at[18] + kGaps[19]);
    at[20] = static_cast<short>(at[19] + kGaps[20]);
    return at;
}

std::vector<DrawnTableRow> DrawLoadingTable(Program& program, ui::Surface& target, int mode) {
    const Table table{LoadingTableColumns(mode)};
    const bool printed = mode == kPrintedTable;
    const bool point = program.main.Check1[0].checked();
    const int last = program.main.Check1[1].checked() ? 11 : 8;

    if (target.typeName() != "Printer") target.clear();

    target.setFontSize(kTitleSize);
    target.setBold(true);
    PrintStackedHeading(target, table.at[0], table.at[12] - table.at[0], "NESC RESULTS");

    target.setBold(false);
    target.setFontSize(kHeadingSize);
    const double y0 = target.currentY();
    double y1 = y0;
    std::vector<int> columns;
    for (int c = 0; c <= last; ++c)
        if (c != kPointColumn || point) columns.push_back(c);
    if (printed) columns.insert(columns.end(), {18, 19});
    for (int c : columns) {
        target.setCurrentY(y0);
        PrintStackedHeading(target, table.at[static_cast<size_t>(c)], table.width(c),
                            Heading(program, c));
        if (c == 1) y1 = target.currentY() + kRowGap;
    }
    target.setCurrentY(y1);

    // Loading record 4 (row 3) is worked out but never shown.
    std::vector<DrawnTableRow> drawn;
    for (int r : DrawnLoadingRows(program)) {
        target.setFontSize(kRowSize);
        const double yr = target.currentY() + (r == 4 ? kRowGap : 0);
        target.setCurrentY(yr);
        drawn.push_back({r, yr});
        // Printed as it is: a user loading's name may hold any character, a bar too.
        target.setCurrentX(table.at[0]);
        target.print(LoadingRowLabel(program, r));

        std::vector<int> fields;
        for (int k = 0; k < last; ++k)
            if (k != kPointColumn - 1 || point) fields.push_back(k);
        for (int k : fields) {
            target.setCurrentY(yr);
            PrintStackedHeading(target, table.at[static_cast<size_t>(k + 1)], table.width(k + 1),
                                LoadingCellText(program, r, k));
        }
        if (printed)
            for (int k : {18, 19}) {
                target.setCurrentY(yr);
                PrintStackedHeading(target, table.at[static_cast<size_t>(k)], table.width(k),
                                    LoadingCellText(program, r, k));
            }
    }
    return drawn;
}

}  // namespace cn3

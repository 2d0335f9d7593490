#include "app/control_tips.h"

#include "engine/chart_axis.h"

namespace cn3 {

namespace {

using unit::kLength, unit::kSmallLength, unit::kTemperature;
using W = TipWindow;

// clang-format off
constexpr ControlTip kTips[] = {
    // "Project ID"
    {W::Main, "Text1", "Name of the project or customer, printed on the report (30 characters)"},
    {W::Main, "Text2", "Date of the worksheet, printed on the report"},
    {W::Main, "Text3", "Name of the span, such as the poles it runs between (20 characters)"},
    {W::Main, "Text4", "Notes printed with the report"},
    // "Cables"
    {W::Main, "SSTab2", "The cable family the catalogue lists"},
    {W::Main, "Grid1", "The catalogue: click a cable to add it to the span"},
    {W::Main, "Grid2", "The cables of the span and the bundle diameter: click a cable to remove it"},
    {W::Main, "Text5", "Bundle diameter typed instead of the one worked out", kSmallLength, true},
    {W::Main, "Text9_4", "Creep allowance added to the loading conditions, % of the length"},
    {W::Main, "Command3", "Show how the selected cables lie in the bundle"},
    {W::Main, "Command1", "Add, change or remove cables of your own"},
    {W::Main, "Command4", "Close the editing panel and save your own cables"},
    // "Sag / Tension"
    {W::Main, "Text9_0", "Span length between the supports", kLength, true},
    {W::Main, "Text9_1", "Installed sag at midspan, {unit} with Absolute, % of the span length "
                        "with Percent", kLength},
    {W::Main, "Option1_0", "The sag is a length"},
    {W::Main, "Option1_1", "The sag is a percent of the span length"},
    {W::Main, "Text9_3", "Clearance under the cable at the installed temperature", kLength, true},
    {W::Main, "HScroll1", "Air temperature at which the cable is installed (arrow keys: one degree, "
                 "Page keys: ten)", kTemperature},
    {W::Main, "Check2", "Show how sag, tension, length and clearance change with the temperature"},
    {W::Main, "PoleLineButton", "Lay out a strand run of many spans, strung with this worksheet (Ctrl+L)"},
    {W::Main, "GridTemp", "Sag, tension, length change and clearance as the air temperature changes"},
    // "NESC Results"
    {W::Main, "Command5", "Choose the district and your own ice and wind loadings"},
    {W::Main, "Check1_0", "Show the sag at a point of the span"},
    {W::Main, "Check1_1", "Show the vertical and horizontal parts of the loads"},
    {W::Main, "Text9_2", "Distance of the point of interest from midspan", kLength, true},
    // "Files/Print"
    {W::Main, "Command6_0", "Open a span file (Ctrl+O)"},
    {W::Main, "Command6_1", "Save the worksheet in its span file (Ctrl+S)"},
    {W::Main, "Command6_2", "Save the worksheet in a span file of a new name (Ctrl+Shift+S)"},
    {W::Main, "Command6_3", "Print the span report (Ctrl+P)"},
    {W::Main, "Command6_4", "Print the catalogue of the ticked families"},
    {W::Main, "Check5_0", "List the Strand family"},
    {W::Main, "Check5_1", "List the K5 family"},
    {W::Main, "Check5_2", "List the LX family"},
    {W::Main, "Check5_3", "List the Fiber family"},
    {W::Main, "Check5_4", "List the Drop family"},
    {W::Main, "Check5_5", "List your own cables"},
    {W::Main, "Check4", "Print the effect of temperature change with the report"},
    {W::Main, "Check3", "Print the NESC results with the report"},
    {W::Main, "ShowCharts", "Print the charts on a page of their own after the report"},
    // "Help"
    {W::Main, "List1", "The help text"},
    {W::Main, "Command2", "Print the help text"},
    // The loading window.
    {W::Loading, "Option1_0", "NESC loading district: Heavy loading"},
    {W::Loading, "Option1_1", "NESC loading district: Medium loading"},
    {W::Loading, "Option1_2", "NESC loading district: Light loading"},
    {W::Loading, "Check1_0", "Work out the span under your first loading too"},
    {W::Loading, "Check1_1", "Work out the span under your second loading too"},
    {W::Loading, "Cell_15", "Name of your first loading (Enter or F2 types it)"},
    {W::Loading, "Cell_16", "Air temperature of your first loading (Enter or F2 types it)", kTemperature},
    {W::Loading, "Cell_17", "Radial ice thickness of your first loading (Enter or F2 types it)", kSmallLength},
    {W::Loading, "Cell_18", "Wind pressure of your first loading (Enter or F2 types it)", unit::kWindPressure},
    {W::Loading, "Cell_19", "Constant added to the load of your first loading (Enter or F2 types it)", unit::kLoadPerLength},
    {W::Loading, "Cell_20", "Name of your second loading (Enter or F2 types it)"},
    {W::Loading, "Cell_21", "Air temperature of your second loading (Enter or F2 types it)", kTemperature},
    {W::Loading, "Cell_22", "Radial ice thickness of your second loading (Enter or F2 types it)", kSmallLength},
    {W::Loading, "Cell_23", "Wind pressure of your second loading (Enter or F2 types it)", unit::kWindPressure},
    {W::Loading, "Cell_24", "Constant added to the load of your second loading (Enter or F2 types it)", unit::kLoadPerLength},
    {W::Loading, "SaveButton", "Keep the district and your own loadings for the next start"},
    {W::Loading, "CloseButton", "Close the window (Esc)"},
    // The bundle plot.
    {W::Plot, "Command1", "Close the bundle plot (Esc)"},
    // The pole line.
    {W::Line, "Poles", "The poles in line order; a span and its required clearance on the row "
                      "of the pole it starts at (no clearance: the default). Type, or paste rows "
                      "from a spreadsheet (Ctrl+V); Insert adds a row, Ctrl+Delete removes one"},
    {W::Line, "AddPole", "Add an empty row at the end"},
    {W::Line, "InsertPole", "Insert an empty row before the current one (Insert)"},
    {W::Line, "RemovePole", "Remove the current row (Ctrl+Delete)"},
    {W::Line, "ImportCsv", "Take the poles from a pole CSV file"},
    {W::Line, "DefaultClearance", "Required ground clearance of every span that names none", kLength, true},
    {W::Line, "Installation_0", "Pull the strand up to the worksheet's sag, applied to the ruling span"},
    {W::Line, "Installation_1", "Pull the strand up to a horizontal tension"},
    {W::Line, "Tension", "Horizontal tension the strand is pulled up to", unit::kForce, true},
    {W::Line, "Results", "Each span's sags, lowest clearance and margin; a failing cell is red and says so"},
    {W::Line, "Stringing", "The sag of each span at each temperature, for the crew"},
    {W::Line, "Profile", "The line drawn to scale across, its height exaggerated"},
    {W::Line, "New", "Start a new, empty pole line (Ctrl+N)"},
    {W::Line, "Open", "Open a pole line file (Ctrl+O)"},
    {W::Line, "Save", "Save the line with its worksheet in its file (Ctrl+S)"},
    {W::Line, "SaveAs", "Save the line in a file of a new name (Ctrl+Shift+S)"},
    {W::Line, "Print", "Print the line report (Ctrl+P)"},
    {W::Line, "ExportPdf", "Write the line report into a PDF file"},
    {W::Line, "Close", "Close the window (Esc)"},
};
// clang-format on

}  // namespace

std::span<const ControlTip> ControlTips() { return kTips; }

std::string TipText(const Units& units, const ControlTip& tip) {
    std::string text(tip.text);
    if (tip.unitKind == kNoUnit) return text;
    const std::string unit = UnitText(units, tip.unitKind);
    const auto at = text.find("{unit}");
    if (at != std::string::npos) return text.replace(at, 6, unit);
    if (!unit.empty()) text += ", " + unit;
    return text;
}

std::string UnitBeside(const Units& units, const ControlTip& tip) {
    if (!tip.unitBeside || tip.unitKind == kNoUnit) return {};
    return UnitText(units, tip.unitKind);
}

}  // namespace cn3

#include "files/span_file_action.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "bundle/bundle_diameter.h"
#include "core/blanks.h"
#include "core/bundle_cell.h"
#include "engine/recompute.h"
#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "loading/loading_window.h"
#include "selection/cable_selection.h"

namespace cn3 {

namespace {

constexpr int kNameColumn = 1, kDiameterColumn = 2, kWeightColumn = 3;
constexpr int kMaxCables = SpanRecord::kCableNames - 1;
const std::string kBlankName(20, ' ');

std::string WithoutFill(const std::string& text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The shortest text that reads back as the float, with a leading blank when it is not
// negative: 1.25f gives " 1.25".
std::string ShortestText(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text = value < 0.0f ? "" : " ";
    text.append(buffer, end);
    return text;
}

void RestoreCableRows(Program& program, const SpanRecord& record) {
    ui::Grid& grid = program.main.Grid2;
    std::string firstUnknown;
    while (grid.rows() > 2) grid.removeItem(1);
    for (int i = 0; i < SpanRecord::kCableNames; ++i) {
        const std::string name(TrimBlanks(record.cableNames[static_cast<size_t>(i)]));
        if (name.empty()) break;
        const int at = grid.rows() - 1;
        std::string item = " ";
        item += std::to_string(at);
        item += '\t';
        item += name;
        grid.addItem(item, at);
        const auto row = program.cables.find(name);
        if (!row) {
            program.dialogs->message("Error - Unknown Cable " + name);
            if (firstUnknown.empty()) firstUnknown = name;
            continue;
        }
        const auto shown = [&](int field) {
            const auto c = static_cast<size_t>(field);
            return program.units.toDisplay(program.columnUnitKinds[c],
                                           static_cast<float>(program.cables.number(*row, field)),
                                           program.columnFormats[c]);
        };
        grid.setText(at, kDiameterColumn, shown(field::kDiameter));
        grid.setText(at, kWeightColumn, shown(field::kWeightPerLength));
    }
    // The recomputations that the restored entries start would stop at the first unknown
    // name; it has been said.
    if (!firstUnknown.empty())
        NoteStopMessageSaid(program, "Error - Unknown Cable " + firstUnknown);
}

void Restore(Program& program) {
    const SpanRecord& r = program.spanRecord;
    MainForm& main = program.main;
    // Texts without the blanks that fill their fields in the file: with them, a name of 21
    // characters would come back as 30, and whatever the designer typed after it would be
    // cut off at the next save; a span entry "18      " would read a digit typed at its end
    // as nothing and head the clearance column "18       ft".
    main.Text1.setText(WithoutFill(r.name));
    main.Text2.setText(WithoutFill(r.date));
    main.Text3.setText(WithoutFill(r.spanId));
    main.Text4.setText(WithoutFill(r.notes));
    main.HScroll1.setValue(r.installedTemperature);
    RestoreLoadingWindow(program, r.loadingCells, r.userLoadings);

    RestoreCableRows(program, r);
    RefreshSelectionTotals(program);
    if (r.fixedDiameterFlag == 0) {
        ComputeBundleDiameter(program);
    } else if (main.Grid2.rows() >= 2) {
        main.Grid2.setText(main.Grid2.rows() - 1, kDiameterColumn, ShortestText(r.bundleDiameter));
    }

    for (size_t i = 0; i < main.Text9.size(); ++i)
        main.Text9[i].setText(WithoutFill(r.spanEntries[i]));
    main.Option1.select(r.sagMode == 0 ? 0 : 1);
    main.Check2.setChecked(r.showTemperatureEffect != 0);
    main.Check1[0].setChecked(r.showPointOfInterest != 0);
    main.Check1[1].setChecked(r.showVectorAnalysis != 0);

    main.SSTab1.setTab(page::kCables);
    main.SSTab2.setTab(family::kStrand);
}

// Fills a copy and keeps it only when everything could be captured.
std::string Capture(Program& program) {
    const MainForm& main = program.main;
    SpanRecord r = program.spanRecord;
    r.name = main.Text1.text();
    r.date = main.Text2.text();
    r.spanId = main.Text3.text();
    r.notes = main.Text4.text();
    r.installedTemperature = static_cast<std::int16_t>(main.HScroll1.value());
    for (size_t c = 0; c < r.loadingCells.size(); ++c)
        r.loadingCells[c] = program.loading.Cells[c].caption();
    for (size_t i = 0; i < r.userLoadings.size(); ++i)
        r.userLoadings[i] = program.loading.Check1[i].checked() ? 1 : 0;

    const ui::Grid& grid = main.Grid2;
    const int cables = grid.rows() - 2;
    if (cables > kMaxCables)
        return "A span file holds at most " + std::to_string(kMaxCables) + " cables; " +
               std::to_string(cables) + " are selected.";
    for (int row = 1; row <= cables; ++row)
        r.cableNames[static_cast<size_t>(row - 1)] = grid.text(row, kNameColumn);
    if (cables >= 0) r.cableNames[static_cast<size_t>(cables)] = kBlankName;

    const std::string& cell = grid.rows() > 0 ? grid.text(grid.rows() - 1, kDiameterColumn) : "";
    const auto diameter = CapturedBundleDiameter(cell);
    if (!diameter) return "The bundle diameter \"" + cell + "\" is not a number.";
    r.bundleDiameter = *diameter;
    // A diameter typed by hand is kept as it is when the file is opened again.
    if (IsTypedDiameterCell(cell)) r.fixedDiameterFlag = 1;

    r.sagMode = main.Option1.selected() == 0 ? 0 : 1;
    for (size_t i = 0; i < r.spanEntries.size(); ++i) r.spanEntries[i] = main.Text9[i].text();
    r.showTemperatureEffect = main.Check2.checked() ? 1 : 0;
    r.showPointOfInterest = main.Check1[0].checked() ? 1 : 0;
    r.showVectorAnalysis = main.Check1[1].checked() ? 1 : 0;
    program.spanRecord = std::move(r);
    return {};
}

std::string Save(Program& program) {
    if (auto failure = Capture(program); !failure.empty()) return failure;
    program.spanRecord.metricUnits = program.units.metricUnits;
    const auto written = WriteSpanFile(program.main.CommonDialog1.fileName, program.spanRecord);
    if (!written) return written.error().text();
    program.dialogs->message("Data saved");
    return {};
}

SpanFileOutcome AskSave(Program& program) {
    if (program.worksheetEdited == 0) return {};
    if (!program.dialogs->askYesNo("Do you want to save your data to a file?")) return {};
    const MainForm& main = program.main;
    const auto chosen = program.dialogs->saveFile(
        {main.CommonDialog1.startFolder, main.CommonDialog1.filter, main.CommonDialog1.fileName});
    if (!chosen) return {false, {}};  // asked to save, then cancelled: stay
    return SaveUnderChosenName(program, *chosen);
}

}  // namespace

std::optional<float> CapturedBundleDiameter(std::string_view cell) {
    const std::string_view text = DiameterCellNumber(cell);
    if (text.empty()) return 0.0f;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;  // "nan" and "inf" are not diameters
    return value;
}

SpanFileOutcome SaveUnderChosenName(Program& program, const std::string& path) {
    const std::string previous = program.main.CommonDialog1.fileName;
    SetCurrentFileName(program, path);
    if (auto failure = Save(program); !failure.empty()) {
        SetCurrentFileName(program, previous);
        return {false, failure};
    }
    return {};
}

SpanFileOutcome SpanFileAction(Program& program, std::int16_t mode) {
    switch (mode) {
        case span_file::kRestore:
            Restore(program);
            return {};
        case span_file::kCapture: {
            auto failure = Capture(program);
            return {failure.empty(), failure};
        }
        case span_file::kReset:
            NewWorksheet(program);
            return {};
        case span_file::kSave: {
            auto failure = Save(program);
            return {failure.empty(), failure};
        }
        case span_file::kAskSave:
            return AskSave(program);
        default:
            return {};
    }
}

}  // namespace cn3

#include "files/span_file_action.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>
#include <vector>

#include "bundle/bundle_diameter.h"
#include "core/blanks.h"
#include "core/bundle_cell.h"
#include "engine/recompute.h"
#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "files/worksheet_state.h"
#include "loading/loading_window.h"
#include "selection/cable_selection.h"

namespace cn3 {

namespace {

constexpr int kNameColumn = 1, kDiameterColumn = 2, kWeightColumn = 3;
constexpr int kMaxCables = SpanRecord::kCableNames - 1;
const std::string kBlankName(20, ' ');

// A text as its field in the file holds it, without the blanks that fill the field.
std::string WithoutFill(const std::string& text) {
    return TrimEndSpaces(text);
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

// The selected-cables grid from the record's names. An unknown name stays listed without its
// figures; the Open mode says each in a message box, the quiet mode hands them back.
std::vector<std::string> RestoreCableRows(Program& program, const SpanRecord& record,
                                          RestoreMode mode) {
    ui::Grid& grid = program.main.Grid2;
    std::vector<std::string> unknown;
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
            if (mode == RestoreMode::Open) program.dialogs->message("Error - Unknown Cable " + name);
            unknown.push_back(name);
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
    // The recomputation at the end of the restore would stop at the first unknown name; it
    // has been said, or is handed back.
    if (!unknown.empty()) NoteStopMessageSaid(program, "Error - Unknown Cable " + unknown.front());
    return unknown;
}

// Ends the hold on recomputations however the restore ends. The recomputation that is due is
// made by the restore itself, once the whole worksheet is in place.
class RecomputeHoldScope {
  public:
    explicit RecomputeHoldScope(Program& program)
        : hold_(program.recomputeHold), outer_(hold_.active) {
        hold_.active = true;
    }
    ~RecomputeHoldScope() { hold_.active = outer_; }
    RecomputeHoldScope(const RecomputeHoldScope&) = delete;
    RecomputeHoldScope& operator=(const RecomputeHoldScope&) = delete;
    // True when this is the outermost hold and a recomputation was asked for while it held.
    bool release() {
        hold_.active = outer_;
        if (outer_ || !hold_.due) return false;
        hold_.due = false;
        return true;
    }

  private:
    Program::RecomputeHold& hold_;
    bool outer_;
};

void RestoreControls(Program& program, const SpanRecord& r, RestoreMode mode,
                     SpanRestoreOutcome& outcome) {
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
    // The district options show the district the record brings; choosing it is not done again,
    // so the settings file's "Save above values" stays as it was.
    if (r.selectedDistrict <= 2) program.loading.Option1.showSelected(r.selectedDistrict);

    outcome.unknownCables = RestoreCableRows(program, r, mode);
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

    if (mode == RestoreMode::Open) {
        main.SSTab1.setTab(page::kCables);
        main.SSTab2.setTab(family::kStrand);
    }
}

}  // namespace

SpanCapture CaptureSpanRecord(const Program& program) {
    const MainForm& main = program.main;
    SpanRecord r = program.spanRecord;
    r.metricUnits = program.units.metricUnits;
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
        return {std::nullopt, "A span file holds at most " + std::to_string(kMaxCables) + " cables; " +
               std::to_string(cables) + " are selected."};
    for (int row = 1; row <= cables; ++row)
        r.cableNames[static_cast<size_t>(row - 1)] = grid.text(row, kNameColumn);
    if (cables >= 0) r.cableNames[static_cast<size_t>(cables)] = kBlankName;

    const std::string& cell = grid.rows() > 0 ? grid.text(grid.rows() - 1, kDiameterColumn) : "";
    const auto diameter = CapturedBundleDiameter(cell);
    if (!diameter) return {std::nullopt, "The bundle diameter \"" + cell + "\" is not a number."};
    r.bundleDiameter = *diameter;
    // A diameter typed by hand is kept as it is when the file is opened again.
    if (IsTypedDiameterCell(cell)) r.fixedDiameterFlag = 1;

    r.sagMode = main.Option1.selected() == 0 ? 0 : 1;
    for (size_t i = 0; i < r.spanEntries.size(); ++i) r.spanEntries[i] = main.Text9[i].text();
    r.showTemperatureEffect = main.Check2.checked() ? 1 : 0;
    r.showPointOfInterest = main.Check1[0].checked() ? 1 : 0;
    r.showVectorAnalysis = main.Check1[1].checked() ? 1 : 0;
    return {std::move(r), {}};
}

SpanRestoreOutcome RestoreSpanRecord(Program& program, const SpanRecord& record,
                                     RestoreMode mode) {
    SpanRestoreOutcome outcome;
    RecomputeHoldScope hold(program);
    program.spanRecord = record;
    // A record keeps the unit system it was captured under; its figures are shown in it.
    const std::uint8_t shownUnits = program.units.metricUnits;
    program.units.metricUnits = record.metricUnits != 0 ? 1 : 0;
    RestoreControls(program, record, mode, outcome);
    outcome.unitsSwitched = program.units.metricUnits != shownUnits;
    if (outcome.unitsSwitched) program.onUnitSystemChange();
    if (hold.release()) Recompute(program);
    return outcome;
}

namespace {

// Captures the worksheet into the program's span record, which keeps it only when everything
// could be captured.
std::string Capture(Program& program) {
    SpanCapture captured = CaptureSpanRecord(program);
    if (!captured.record) return captured.failure;
    program.spanRecord = std::move(*captured.record);
    return {};
}

std::string Save(Program& program) {
    if (auto failure = Capture(program); !failure.empty()) return failure;
    program.spanRecord.metricUnits = program.units.metricUnits;
    const auto written = WriteSpanFile(program.main.CommonDialog1.fileName, program.spanRecord);
    if (!written) return written.error().text();
    program.onSpanFileUsed(program.main.CommonDialog1.fileName);
    NoteWorksheetSaved(program, PackSpanRecord(program.spanRecord));
    program.dialogs->message("Data saved");
    return {};
}

SpanFileOutcome AskSave(Program& program) {
    if (program.worksheetEdited == 0) return {};
    // Cancel, Escape and closing the question keep the program open with nothing changed.
    const ui::Answer answer = program.dialogs->askYesNoCancel(kSaveQuestion);
    if (answer == ui::Answer::Cancel) return {false, {}};
    if (answer == ui::Answer::No) return {};
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
        case span_file::kRestore: {
            const SpanRecord record = program.spanRecord;
            RestoreSpanRecord(program, record, RestoreMode::Open);
            return {};
        }
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

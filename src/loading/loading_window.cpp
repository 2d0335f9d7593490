#include "loading/loading_window.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/blanks.h"
#include "core/data_files.h"
#include "core/number_format.h"
#include "core/settings_file.h"
#include "ui/split_fields.h"

namespace cn3 {

namespace {

constexpr std::array<std::string_view, 3> kDistrictNames{"Heavy", "Medium", "Light"};
constexpr int kDefaultDistrict = 2;  // "Light", the window's own choice when it is created
constexpr int kFirstUserCell = 15;   // user loading 1 is cells 15..19, user loading 2 20..24
constexpr std::string_view kTempPattern = "##0.#;;";
constexpr std::string_view kValuePattern = "##0.##;;";

ui::Label& Cell(Program& program, int cell) {
    return program.loading.Cells.at(static_cast<size_t>(cell));
}

void ShowCells(Program& program, int first, int last, bool on) {
    for (int c = first; c <= last; ++c) Cell(program, c).setVisible(on);
}

// Cells 1..4 of a row from a loading record, in display units.
void ShowRecordValues(Program& program, int row, const LoadingRecord& record) {
    const Units& u = program.units;
    const int base = 5 * row;
    Cell(program, base + 1)
        .setCaption(u.toDisplay(unit::kTemperature, record.temperature, kTempPattern));
    Cell(program, base + 2)
        .setCaption(u.toDisplay(unit::kSmallLength, record.iceThickness, kValuePattern));
    Cell(program, base + 3)
        .setCaption(u.toDisplay(unit::kWindPressure, record.windPressure, kValuePattern));
    Cell(program, base + 4)
        .setCaption(u.toDisplay(unit::kLoadPerLength, record.loadConstant, kValuePattern));
}

// Five pieces of a saved line split at ","; missing pieces are empty, pieces after the fifth
// are ignored.
std::array<std::string, 5> SplitSavedLine(std::string_view line) {
    std::array<std::string, 5> pieces;
    const auto fields = ui::SplitFields(line, ",");
    for (size_t i = 0; i < pieces.size() && i < fields.size(); ++i)
        pieces[i] = std::string(fields[i]);
    return pieces;
}

}  // namespace

void FillLoadingRow(Program& program, int record) {
    const int row = record - 2;
    const LoadingRecord& loading = program.loadings.at(static_cast<size_t>(record));
    Cell(program, 5 * row).setCaption(loading.name);
    ShowRecordValues(program, row, loading);
}

void ShowLoadingUnitLabels(Program& program) {
    const Units& u = program.units;
    auto& labels = program.loading.UnitLabels;
    labels[0].setCaption(u.label(unit::kTemperature));
    labels[1].setCaption(u.label(unit::kSmallLength));
    labels[2].setCaption(u.label(unit::kWindPressure));
    labels[3].setCaption(u.label(unit::kLoadPerLength));
}

void ShowLoadingDistrict(Program& program, int district) {
    ShowLoadingUnitLabels(program);
    ShowRecordValues(program, 0, program.loadings.at(static_cast<size_t>(district)));
    program.spanRecord.selectedDistrict = static_cast<std::uint8_t>(district);
}

void LoadingOption_Click(Program& program, int district) {
    if (district < 0 || district > 2) return;
    Cell(program, 0)
        .setCaption("251 " + std::string(kDistrictNames[static_cast<size_t>(district)]));
    program.loading.SaveButton.setEnabled(true);
    ShowLoadingDistrict(program, district);
}

void LoadingCheck_Click(Program& program, int /*index*/) {
    LoadingForm& w = program.loading;
    w.SaveButton.setEnabled(true);
    if (w.Check1[0].checked()) {
        w.Check1[1].setEnabled(true);
        w.Hint.setVisible(true);
        ShowCells(program, 15, 19, true);
    } else {
        w.Check1[1].setEnabled(false);
        w.Hint.setVisible(false);
        ShowCells(program, 15, 24, false);
        w.Check1[1].setChecked(false);  // runs this behaviour again for the second box
    }
    ShowCells(program, 20, 24, w.Check1[1].checked());
}

void StoreUserLoadingCell(Program& program, int cell, const std::string& text) {
    if (cell < kFirstUserCell || cell > 24) return;
    LoadingRecord& record = program.loadings[cell < 20 ? 5 : 6];
    const Units& u = program.units;
    const auto typed = static_cast<float>(LeadingNumber(text));
    switch (cell % 5) {
        case 0:
            record.name = LoadingName13(text);
            break;
        case 1:
            record.temperature = u.fromInputValue(unit::kTemperature, typed, kTempPattern);
            break;
        case 2:
            record.iceThickness = u.fromInputValue(unit::kSmallLength, typed, kValuePattern);
            break;
        case 3:
            record.windPressure = u.fromInputValue(unit::kWindPressure, typed, kValuePattern);
            break;
        case 4:
            record.loadConstant = u.fromInputValue(unit::kLoadPerLength, typed, kValuePattern);
            break;
    }
}

void LoadingCell_Click(Program& program, int cell) {
    if (cell < kFirstUserCell || cell > 24) return;  // only the user loadings can be edited
    ui::Label& label = Cell(program, cell);
    // Cancelling gives the empty text, which empties the cell like an empty answer.
    std::string answer =
        program.dialogs->input("Enter new value", program.loading.Title.caption(), label.caption());
    // The settings file keeps a user loading as one line of comma-separated texts, so a comma
    // or a line break in a cell would put the values in the wrong cells at the next start.
    if (answer.find_first_of(",\r\n") != std::string::npos) {
        program.dialogs->message("Error - \"" + answer +
                                 "\" cannot be used: a loading value may not contain a comma "
                                 "or a line break.");
        return;
    }
    label.setCaption(answer);
    StoreUserLoadingCell(program, cell, answer);
}

void LoadingSave_Click(Program& program) {
    LoadingForm& w = program.loading;
    std::vector<std::string> lines;
    for (int i = 0; i < 2; ++i) {
        if (!w.Check1[static_cast<size_t>(i)].checked()) continue;
        std::string line;
        for (int col = 0; col < 5; ++col) {
            if (col > 0) line += ',';
            line += TrimBlanks(Cell(program, kFirstUserCell + 5 * i + col).caption());
        }
        lines.push_back(std::move(line));
    }
    const std::string path = DataFilePath(program.dataFolder, kSettingsFileName);
    if (!WriteSettingsFile(path, program.units.metricUnits != 0, program.spanRecord.selectedDistrict, lines)) {
        // The old file is untouched; the button stays enabled so the user can try again.
        program.dialogs->message("Error - Could not write the settings file " + path);
        return;
    }
    w.SaveButton.setEnabled(false);
}

void LoadingClose_Click(Program& program) {
    program.loading.shown = false;
    if (program.loading.closeModal) program.loading.closeModal();
}

namespace {

// A span file keeps 8 characters of a user loading's name. When they are the start of the name
// the loading already has, that full name is kept rather than cut: "Ice+Wind" read back for
// "Ice+Wind 250D" stays "Ice+Wind 250D", and never reaches the settings file cut.
std::string KeptLoadingName(const std::string& shown, const std::string& stored) {
    constexpr std::size_t kStoredWidth = 8;
    const std::string_view full = TrimBlanks(shown);
    const std::string_view cut = TrimBlanks(stored);
    if (cut.empty() || cut.size() > kStoredWidth || full.size() <= kStoredWidth) return stored;
    if (TrimBlanks(full.substr(0, kStoredWidth)) != cut) return stored;
    return shown;
}

}  // namespace

void RestoreLoadingWindow(Program& program, const std::array<std::string, 25>& cells,
                          const std::array<std::uint8_t, 2>& ticks) {
    for (int c = 0; c < 25; ++c) {
        std::string text = cells[static_cast<size_t>(c)];
        if (c == kFirstUserCell || c == kFirstUserCell + 5)
            text = KeptLoadingName(Cell(program, c).caption(), text);
        Cell(program, c).setCaption(text);
        StoreUserLoadingCell(program, c, text);
    }
    for (size_t i = 0; i < ticks.size(); ++i) program.loading.Check1[i].setChecked(ticks[i] != 0);
}

void RestoreLoadingSettings(Program& program) {
    LoadingForm& w = program.loading;
    const SettingsFile settings =
        ReadSettingsFile(DataFilePath(program.dataFolder, kSettingsFileName));
    // The window then starts on its own defaults, as with no file.
    if (settings.unreadable) program.dialogs->message("Error - " + settings.unreadable->text());
    // A file without a readable district (one created empty, say) or with one out of range
    // starts on the window's own default rather than on an index no loading has.
    int district = kDefaultDistrict;
    if (settings.district && *settings.district >= 0 && *settings.district <= 2)
        district = *settings.district;
    program.spanRecord.selectedDistrict = static_cast<std::uint8_t>(district);

    for (size_t i = 0; i < settings.userLoadingLines.size() && i < 2; ++i) {
        w.Check1[i].setChecked(true);
        const auto pieces = SplitSavedLine(settings.userLoadingLines[i]);
        for (int col = 0; col < 5; ++col) {
            const int cell = kFirstUserCell + 5 * static_cast<int>(i) + col;
            Cell(program, cell).setCaption(pieces[static_cast<size_t>(col)]);
            // The results read the records, so they must hold what the window shows.
            StoreUserLoadingCell(program, cell, pieces[static_cast<size_t>(col)]);
        }
    }

    w.Option1.select(district);
    ShowLoadingDistrict(program, district);
    w.SaveButton.setEnabled(false);
}

}  // namespace cn3

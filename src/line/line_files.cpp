#include "line/line_files.h"

#include <filesystem>

#include "files/recovery_file.h"

#include "line/display_value.h"
#include "line/line_recompute.h"
#include "line/pole_csv.h"
#include "line/pole_grid.h"

namespace cn3::line {

namespace {

constexpr const char* kUntitled = "Untitled";

ui::FileDialogRequest Request(const LineSession& s, const char* filter) {
    std::string folder = s.program.dataFolder;
    if (!s.path.empty()) folder = std::filesystem::path(s.path).parent_path().string();
    return {folder, filter, s.path.empty() ? std::string("Untitled.cnl") : s.path};
}

// The entries and the grid show `line` in the display units.
void ShowLine(LineSession& s, const PoleLine& line) {
    const LineSession::Hold hold(s);
    LineForm& f = s.form;
    const Units& units = s.program.units;
    s.shownUnits = units;
    ShowPoleGridHeadings(f.Poles, units);
    FillPoleGrid(f.Poles, line, units);
    f.DefaultClearance.setText(DisplayValueText(units, unit::kLength, line.defaultClearance));
    const bool tension = line.installation.mode == Installation::Mode::Tension;
    f.Tension.setText(tension ? DisplayValueText(units, unit::kForce, line.installation.tension)
                              : std::string());
    f.Installation.select(tension ? 1 : 0);
}

bool Write(LineSession& s, const std::string& path) {
    const auto file = CurrentLineFile(s);
    if (!file) {
        s.ask().message(std::string("The pole line is not saved: ") +
                        (s.line ? "its file holds the worksheet that strings it. " + s.noResults
                                : "every entry must be read first."));
        return false;
    }
    // A file that would not open again is not written (a worksheet sag of 0, say).
    const auto check = ParseLineFile(LineFileText(*file), path);
    if (const auto* fault = std::get_if<InputFault>(&check)) {
        s.ask().message("The pole line is not saved: its file would not open again (" +
                        fault->field + ": " + fault->reason + ").");
        return false;
    }
    if (const auto fault = WriteLineFile(path, *file)) {
        s.ask().message("Error - " + fault->text());
        return false;
    }
    s.path = path;
    s.savedText = LineFileText(*file);
    s.fileWorksheet = file->worksheet;
    RecomputeLine(s);  // the notes on the file's worksheet, and the status
    return true;
}

}  // namespace

void ShowNewLine(LineSession& s) {
    s.path.clear();
    s.savedText.clear();
    s.fileWorksheet.reset();
    ShowLine(s, PoleLine{});
    RecomputeLine(s);
}

std::optional<LineFile> CurrentLineFile(const LineSession& s) {
    if (!s.line || !s.worksheet) return std::nullopt;
    return LineFile{*s.line, *s.worksheet};
}

bool LineDiffers(const LineSession& s) {
    if (const auto file = CurrentLineFile(s)) return LineFileText(*file) != s.savedText;
    return !(s.savedText.empty() && s.blank);
}

void ShowLineFileState(LineSession& s) {
    const bool differs = LineDiffers(s);
    std::string caption = s.path.empty() ? std::string(kUntitled) : s.path;
    if (differs) caption += " (modified)";
    s.form.StatusFileName.setCaption(std::move(caption));
    // Saved, new, let go or typed back as its file holds it: nothing is left to recover.
    if (!differs) RemoveRecoveryFile(s.program.lineRecovery);
}

void ShowLineFile(LineSession& s, const LineFile& file, const std::string& path) {
    s.path = path;
    s.savedText = LineFileText(file);
    s.fileWorksheet = file.worksheet;
    ShowLine(s, file.line);
    RecomputeLine(s);
}

bool MayLeaveLine(LineSession& s) {
    return !LineDiffers(s) ||
           ui::AskToSaveFirst(s.ask(), kLineSaveQuestion, [&] { return SaveLine(s); });
}

void NewLine(LineSession& s) {
    if (MayLeaveLine(s)) ShowNewLine(s);
}

bool OpenLineFile(LineSession& s, const std::string& path) {
    auto read = ReadLineFile(path);
    if (const auto* fault = std::get_if<InputFault>(&read)) {
        s.ask().message("Error - " + fault->text());
        return false;
    }
    if (!MayLeaveLine(s)) return false;
    ShowLineFile(s, std::get<LineFile>(read), path);
    return true;
}

void OpenLine(LineSession& s) {
    if (const auto chosen = s.ask().openFile(Request(s, kLineFileFilter))) OpenLineFile(s, *chosen);
}

bool SaveLine(LineSession& s) {
    if (s.path.empty()) return SaveLineAs(s);
    return Write(s, s.path);
}

bool SaveLineAs(LineSession& s) {
    const auto chosen = s.ask().saveFile(Request(s, kLineFileFilter));
    return chosen && Write(s, *chosen);
}

bool ImportPoleCsvFile(LineSession& s, const std::string& path) {
    auto read = ReadPoleCsv(path);
    if (const auto* fault = std::get_if<InputFault>(&read)) {
        s.ask().message("Error - " + fault->text());
        return false;
    }
    if (!MayLeaveLine(s)) return false;
    s.path.clear();
    s.savedText.clear();
    s.fileWorksheet.reset();
    FillPoleGrid(s.form.Poles, std::get<PoleLine>(read), s.program.units);
    RecomputeLine(s);
    return true;
}

void ImportPoleCsv(LineSession& s) {
    ui::FileDialogRequest request = Request(s, kPoleCsvFilter);
    request.fileName.clear();
    if (const auto chosen = s.ask().openFile(request)) ImportPoleCsvFile(s, *chosen);
}

bool CloseLineWindow(LineSession& s) {
    if (!s.form.shown()) return true;
    if (!MayLeaveLine(s)) return false;
    // Let go unsaved: the window opens next on what the file holds.
    if (LineDiffers(s)) {
        const auto saved = s.savedText.empty() ? std::variant<LineFile, InputFault>(InputFault{})
                                               : ParseLineFile(s.savedText, s.path);
        if (const auto* file = std::get_if<LineFile>(&saved))
            ShowLineFile(s, *file, s.path);
        else
            ShowNewLine(s);
    }
    s.form.hide();
    return true;
}

}  // namespace cn3::line

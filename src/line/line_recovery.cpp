#include "line/line_recovery.h"

#include <array>
#include <nlohmann/json.hpp>
#include <variant>
#include <vector>

#include "line/line_editing.h"
#include "line/line_file.h"
#include "line/line_files.h"
#include "line/line_recompute.h"

namespace cn3::line {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "catenova-line-recovery";
constexpr int kVersion = 1;

// What the window holds, as typed.
struct KeptLine {
    std::string lineFile;  // empty for an untitled line
    bool metric = false;   // the display units the texts were typed in
    std::vector<std::array<std::string, pole_column::kCount>> poles;  // the rows under the headings
    std::string defaultClearance;
    bool tension = false;  // strung at a typed tension, not at the worksheet's sag
    std::string tensionEntry;
};

KeptLine KeptLineOf(const LineSession& s) {
    const LineForm& f = s.form;
    KeptLine kept;
    kept.lineFile = s.path;
    kept.metric = s.shownUnits.metricUnits != 0;
    for (int r = f.Poles.fixedRows(); r < f.Poles.rows(); ++r) {
        auto& row = kept.poles.emplace_back();
        for (int c = 0; c < pole_column::kCount && c < f.Poles.cols(); ++c)
            row[static_cast<std::size_t>(c)] = f.Poles.text(r, c);
    }
    kept.defaultClearance = f.DefaultClearance.text();
    kept.tension = f.Installation.selected() == 1;
    kept.tensionEntry = f.Tension.text();
    return kept;
}

std::string KeptLineText(const KeptLine& kept) {
    Json j;
    j["format"] = kFormat;
    j["version"] = kVersion;
    j["line_file"] = kept.lineFile;
    j["units"] = kept.metric ? "metric" : "english";
    j["default_clearance"] = kept.defaultClearance;
    j["installation"] = kept.tension ? "tension" : "worksheet_sag";
    j["tension"] = kept.tensionEntry;
    j["poles"] = kept.poles;
    // A text that is not UTF-8 is kept with its broken bytes replaced, not refused.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace) + '\n';
}

// Why a kept line cannot be read; thrown where it is found, caught once.
struct Unreadable {
    std::string why;
};

// A member of the kept object that must be a text.
std::string Text(const Json& j, const char* name) {
    const auto it = j.find(name);
    if (it == j.end() || !it->is_string()) throw Unreadable{std::string(name) + " is missing or not a text"};
    return it->get<std::string>();
}

// Why the bytes are no kept line, or the line.
std::variant<KeptLine, std::string> ParseKeptLine(const std::string& bytes) {
    const Json j = Json::parse(bytes, nullptr, false);
    if (j.is_discarded()) return std::string(bytes.empty() ? "it is empty" : "it is not JSON");
    try {
        if (!j.is_object() || Text(j, "format") != kFormat)
            return std::string("it is not a pole line kept by Catenova");
        if (!j.contains("version") || j["version"] != kVersion)
            return std::string("its version is not one this program reads");
        KeptLine kept;
        kept.lineFile = Text(j, "line_file");
        const std::string units = Text(j, "units");
        if (units != "english" && units != "metric") throw Unreadable{"units is neither english nor metric"};
        kept.metric = units == "metric";
        kept.defaultClearance = Text(j, "default_clearance");
        const std::string installation = Text(j, "installation");
        if (installation != "worksheet_sag" && installation != "tension")
            throw Unreadable{"installation is neither worksheet_sag nor tension"};
        kept.tension = installation == "tension";
        kept.tensionEntry = Text(j, "tension");
        const auto poles = j.find("poles");
        if (poles == j.end() || !poles->is_array()) throw Unreadable{"poles is missing or not a list"};
        for (const Json& row : *poles) {
            if (!row.is_array() || row.size() > pole_column::kCount)
                throw Unreadable{"poles holds a row that is not a list of at most 5 texts"};
            auto& cells = kept.poles.emplace_back();
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (!row[c].is_string())
                    throw Unreadable{"poles holds a cell that is not a text"};
                cells[c] = row[c].get<std::string>();
            }
        }
        return kept;
    } catch (Unreadable& fault) {
        return std::move(fault.why);
    }
}

// The window shows the kept line under its file, compared with what that file now holds.
void RestoreKeptLine(LineSession& s, const KeptLine& kept) {
    s.path = kept.lineFile;
    s.savedText.clear();
    s.fileWorksheet.reset();
    if (!s.path.empty()) {
        const auto read = ReadLineFile(s.path);
        if (const auto* file = std::get_if<LineFile>(&read)) {
            s.savedText = LineFileText(*file);
            s.fileWorksheet = file->worksheet;
        }
    }
    {
        const LineSession::Hold hold(s);
        LineForm& f = s.form;
        ui::Grid& grid = f.Poles;
        grid.setRows(grid.fixedRows());
        grid.clearMarks();
        for (const auto& cells : kept.poles) {
            grid.addItem("");
            for (int c = 0; c < pole_column::kCount; ++c)
                grid.setText(grid.rows() - 1, c, cells[static_cast<std::size_t>(c)]);
        }
        f.DefaultClearance.setText(kept.defaultClearance);
        f.Installation.select(kept.tension ? 1 : 0);
        f.Tension.setText(kept.tensionEntry);
        s.shownUnits = s.program.units;
        s.shownUnits.metricUnits = kept.metric ? 1 : 0;
    }
    ShowTypedInProgramUnits(s);
    RecomputeLine(s);
}

}  // namespace

void KeepLineRecoveryFile(Program& program, long pid) {
    program.lineRecovery.path = RecoveryFilePath(program.dataFolder, pid, kLineRecoverySuffix);
}

void KeepLine(LineSession& s, std::chrono::steady_clock::time_point now) {
    Program::Recovery& file = s.program.lineRecovery;
    if (file.path.empty()) return;
    if (!LineDiffers(s)) return RemoveRecoveryFile(file);
    WriteRecoveryFile(file, KeptLineText(KeptLineOf(s)), now);
}

bool OfferLineRecovery(Program& program, const std::function<LineSession&()>& openWindow,
                       const std::function<bool(long)>& running) {
    const auto restore = [&](const std::string& path, const std::string& bytes) {
        auto read = ParseKeptLine(bytes);
        if (const auto* why = std::get_if<std::string>(&read)) {
            program.dialogs->message("The pole line kept in " + path +
                                     " when Catenova did not close normally cannot be read (" +
                                     *why + "): it is set aside, renamed with \".declined\".");
            return false;
        }
        if (!program.dialogs->askYesNo("Catenova did not close normally. Restore the pole line "
                                       "you had not saved (" +
                                       RecoveryFileDate(path) + ")?"))
            return false;
        RestoreKeptLine(openWindow(), std::get<KeptLine>(read));
        return true;
    };
    return OfferLeftRecoveryFiles(program.dataFolder, kLineRecoverySuffix, program.lineRecovery,
                                  running, restore);
}

}  // namespace cn3::line

#include "files/crash_recovery.h"

#include "files/undo_history.h"

#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/text_file.h"
#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "files/worksheet_state.h"

namespace cn3 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "catenova-", kSuffix = ".recovery";

// The process id in a recovery file's name; nothing for any other name.
std::optional<long> RecoveryPid(const std::string& name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
    const std::string_view digits(name.data() + kPrefix.size(),
                                  name.size() - kPrefix.size() - kSuffix.size());
    long pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc{} || end != digits.data() + digits.size() || pid <= 0)
        return std::nullopt;
    return pid;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// "MM/DD/YY HH:MM", local time, as the worksheet writes its date.
std::string WrittenAt(const std::string& path) {
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    if (error) return "time unknown";
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%m/%d/%y %H:%M", &local);
    return text;
}

// Sets a declined (or unreadable) file aside under a name no start offers again.
void SetAside(const std::string& path) {
    std::error_code error;
    std::string aside = path + ".declined";
    for (int n = 2; fs::exists(aside, error); ++n) aside = path + ".declined" + std::to_string(n);
    fs::rename(path, aside, error);
}

}  // namespace

std::string RecoveryFilePath(const std::string& dataFolder, long pid) {
    return (fs::path(dataFolder) / (std::string(kPrefix) + std::to_string(pid) + std::string(kSuffix)))
        .string();
}

void KeepRecoveryFile(Program& program, long pid) {
    program.recovery.path = RecoveryFilePath(program.dataFolder, pid);
}

void DiscardRecoveryFile(Program& program) {
    Program::Recovery& r = program.recovery;
    if (r.path.empty() || r.written.empty()) return;
    std::error_code error;
    fs::remove(r.path, error);
    r.written.clear();
}

void KeepWorksheet(Program& program, std::chrono::steady_clock::time_point now) {
    const std::string bytes = CapturedBytes(program);
    const bool differs = bytes.empty() || bytes != program.savedRecord;
    ShowFileState(program, differs);
    Program::Recovery& r = program.recovery;
    if (r.path.empty()) return;
    if (!differs) return DiscardRecoveryFile(program);
    if (bytes.empty()) return;  // nothing a span record could hold; the last one written stays
    const std::string content = bytes + program.main.CommonDialog1.fileName;
    if (content == r.written) return;
    if (!r.written.empty() && now - r.writtenAt < kRecoveryInterval) return;
    if (WriteFileAtomically(r.path, content)) {
        r.written = content;
        r.writtenAt = now;
    }
}

bool ProcessRunning(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::vector<std::string> LeftRecoveryFiles(const std::string& dataFolder,
                                           const std::function<bool(long)>& running) {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dataFolder, error)) {
        const auto pid = RecoveryPid(entry.path().filename().string());
        if (!pid || !entry.is_regular_file(error) || running(*pid)) continue;
        found.emplace_back(entry.last_write_time(error), entry.path().string());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> paths;
    for (auto& f : found) paths.push_back(std::move(f.second));
    return paths;
}

bool OfferRecovery(Program& program, const std::function<bool(long)>& running) {
    // A file under this process's own id was left by an earlier process that had the same id
    // (ids come round again after a restart): this one has written nothing yet.
    const auto otherRunning = [&](long pid) {
        return RecoveryFilePath(program.dataFolder, pid) != program.recovery.path && running(pid);
    };
    for (const std::string& path : LeftRecoveryFiles(program.dataFolder, otherRunning)) {
        const std::string content = ReadWhole(path);
        if (content.size() < kSpanRecordSize) {
            SetAside(path);  // not a record: nothing to offer
            continue;
        }
        if (!program.dialogs->askYesNo("Catenova did not close normally. Restore the worksheet "
                                       "you had not saved (" +
                                       WrittenAt(path) + ")?")) {
            SetAside(path);
            continue;
        }
        const SpanRecord record = UnpackSpanRecord(std::string_view(content).substr(0, kSpanRecordSize));
        const std::string name = content.substr(kSpanRecordSize);
        program.worksheetEdited = 1;  // the exit question asks about it; its results are shown
        if (!name.empty()) SetCurrentFileName(program, name);
        RestoreSpanRecord(program, record, RestoreMode::Open);
        program.savedRecord.clear();  // differs from its file whatever it holds
        StartUndoHistory(program);
        // It is this process's worksheet now: its recovery file, until saved or discarded.
        std::error_code error;
        Program::Recovery& r = program.recovery;
        if (!r.path.empty() && path != r.path) fs::rename(path, r.path, error);
        if (!r.path.empty() && !error) {
            r.written = content;
            r.writtenAt = std::chrono::steady_clock::now();
        }
        ShowFileState(program);
        return true;
    }
    return false;
}

}  // namespace cn3

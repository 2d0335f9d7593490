#include "files/recovery_file.h"

#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/raw_text_file.h"
#include "core/text_file.h"

namespace cn3 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "catenova-";

// The process id in the name of a recovery file with the suffix; nothing for any other name.
std::optional<long> RecoveryPid(const std::string& name, std::string_view suffix) {
    if (!name.starts_with(kPrefix) || !name.ends_with(suffix)) return std::nullopt;
    if (name.size() < kPrefix.size() + suffix.size()) return std::nullopt;
    const std::string_view digits(name.data() + kPrefix.size(),
                                  name.size() - kPrefix.size() - suffix.size());
    long pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc{} || end != digits.data() + digits.size() || pid <= 0)
        return std::nullopt;
    return pid;
}

}  // namespace

std::string RecoveryFilePath(const std::string& dataFolder, long pid, std::string_view suffix) {
    return (fs::path(dataFolder) / (std::string(kPrefix) + std::to_string(pid) + std::string(suffix)))
        .string();
}

void WriteRecoveryFile(Program::Recovery& r, const std::string& content,
                       std::chrono::steady_clock::time_point now) {
    if (r.path.empty() || content == r.written) return;
    if (!r.written.empty() && now - r.writtenAt < kRecoveryInterval) return;
    if (WriteFileAtomically(r.path, content)) {
        r.written = content;
        r.writtenAt = now;
    }
}

void RemoveRecoveryFile(Program::Recovery& r) {
    if (r.path.empty() || r.written.empty()) return;
    std::error_code error;
    fs::remove(r.path, error);
    r.written.clear();
}

bool ProcessRunning(long pid) {
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // A process that has ended but is not yet reaped by its parent (a zombie: a killed program
    // whose starter has not looked yet) writes nothing more.
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t name = line.rfind(')');
    if (name == std::string::npos || name + 2 >= line.size()) return true;
    const char state = line[name + 2];
    return state != 'Z' && state != 'X';
}

std::vector<std::string> LeftRecoveryFiles(const std::string& dataFolder, std::string_view suffix,
                                           const std::function<bool(long)>& running) {
    std::vector<std::pair<fs::file_time_type, std::string>> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dataFolder, error)) {
        const auto pid = RecoveryPid(entry.path().filename().string(), suffix);
        if (!pid || !entry.is_regular_file(error) || running(*pid)) continue;
        found.emplace_back(entry.last_write_time(error), entry.path().string());
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    std::vector<std::string> paths;
    for (auto& f : found) paths.push_back(std::move(f.second));
    return paths;
}

std::string RecoveryFileDate(const std::string& path) {
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

std::string SetRecoveryFileAside(const std::string& path) {
    std::error_code error;
    std::string aside = path + ".declined";
    for (int n = 2; fs::exists(aside, error); ++n) aside = path + ".declined" + std::to_string(n);
    fs::rename(path, aside, error);
    return aside;
}

bool OfferLeftRecoveryFiles(
    const std::string& dataFolder, std::string_view suffix, Program::Recovery& own,
    const std::function<bool(long)>& running,
    const std::function<bool(const std::string& path, const std::string& bytes)>& restore) {
    // A file under this process's own id was left by an earlier process that had the same id
    // (ids come round again after a restart): this one has written nothing yet.
    const auto otherRunning = [&](long pid) {
        return RecoveryFilePath(dataFolder, pid, suffix) != own.path && running(pid);
    };
    for (const std::string& path : LeftRecoveryFiles(dataFolder, suffix, otherRunning)) {
        const std::string bytes = ReadFileBytes(path).value_or(std::string());
        if (!restore(path, bytes)) {
            SetRecoveryFileAside(path);
            continue;
        }
        // What it keeps is this process's now: its recovery file, until saved or discarded.
        std::error_code error;
        if (!own.path.empty() && path != own.path) fs::rename(path, own.path, error);
        if (!own.path.empty() && !error) {
            own.written = bytes;
            own.writtenAt = std::chrono::steady_clock::now();
        }
        return true;
    }
    return false;
}

}  // namespace cn3

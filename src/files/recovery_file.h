// What every recovery file of the program shares, whatever it keeps (the worksheet's,
// crash_recovery.h; the pole line's, line/line_recovery.h): its name in the data folder,
// "catenova-<process id><suffix>", so that each process writes only its own; the write, whole
// and at most once per kRecoveryInterval; whether the process that wrote one still runs; the
// files left behind by processes that do not, offered newest first with the date they were
// written; and the ".declined" name a refused file is set aside under.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/program.h"

namespace cn3 {

inline constexpr std::chrono::milliseconds kRecoveryInterval{1000};

// The recovery file of the process `pid` in the data folder.
std::string RecoveryFilePath(const std::string& dataFolder, long pid, std::string_view suffix);

// Writes `content` through a temporary file when it is not what was last written, and not
// within kRecoveryInterval of the last write (the first write goes at once).
void WriteRecoveryFile(Program::Recovery& file, const std::string& content,
                       std::chrono::steady_clock::time_point now);

// Removes the file, if it was written.
void RemoveRecoveryFile(Program::Recovery& file);

// True while a process of that id is running (one that has ended and waits to be reaped is
// not).
bool ProcessRunning(long pid);

// The recovery files with the suffix in the data folder whose process is not running, newest
// first.
std::vector<std::string> LeftRecoveryFiles(const std::string& dataFolder, std::string_view suffix,
                                           const std::function<bool(long)>& running);

// When the file was last written, "MM/DD/YY HH:MM" in local time as the worksheet writes its
// date: the time a recovery question names.
std::string RecoveryFileDate(const std::string& path);

// Sets a declined (or unreadable) file aside under a name no start offers again; gives that
// name.
std::string SetRecoveryFileAside(const std::string& path);

// Goes through the files left behind (LeftRecoveryFiles; a file under this process's own id
// was left by an earlier process of that id) and hands each, with its bytes (empty when it
// cannot be read), to `restore`, which asks and restores. One restored becomes this process's
// own file `own` (renamed to its path, counted as written now), and the files after it wait
// for the next start; one not restored is set aside. True when one was restored.
bool OfferLeftRecoveryFiles(
    const std::string& dataFolder, std::string_view suffix, Program::Recovery& own,
    const std::function<bool(long)>& running,
    const std::function<bool(const std::string& path, const std::string& bytes)>& restore);

}  // namespace cn3

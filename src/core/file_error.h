// One error channel for file work: what went wrong, in which file and on which line, so every
// message can say it. A reading or writing operation hands back a FileResult (its value or
// the error) or a FileStatus (done, or the error).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace cn3 {

struct FileError {
    std::string what;    // the kind of file: "catalogue file", "span file", ...
    std::string file;    // its path
    int line = 0;        // 1-based; 0 when the fault is not on one line
    std::string reason;  // "cannot be opened", "is 12 bytes long, not 940"

    // One sentence: "The span file /a/b.cn3 is 12 bytes long, not 940." or, with a line,
    // "The catalogue file CABLEDAT.TXT, line 7: a unit row needs four items."
    std::string text() const {
        if (line <= 0) return "The " + what + " " + file + " " + reason + ".";
        return "The " + what + " " + file + ", line " + std::to_string(line) + ": " + reason + ".";
    }

    // The reason the system gives for the last failed call (errno), after a short phrase:
    // Because("could not be written") -> "could not be written (Permission denied)".
    static std::string Because(std::string_view phrase);
};

template <class T>
class FileResult {
  public:
    FileResult(T value) : state_(std::move(value)) {}
    FileResult(FileError error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    const FileError& error() const { return std::get<1>(state_); }

  private:
    std::variant<T, FileError> state_;
};

class FileStatus {
  public:
    FileStatus() = default;  // done
    FileStatus(FileError error) : error_(std::move(error)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const FileError& error() const { return error_; }

  private:
    FileError error_;
    bool failed_ = false;
};

}  // namespace cn3

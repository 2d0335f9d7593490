#include "batch/batch_run.h"

#include <filesystem>
#include <memory>

#include "app/start_up.h"
#include "ui/recording_surface.h"

namespace cn3::batch {

namespace {

// The drawn NESC table of a run without a window: drawn, as every recomputation draws it, and
// forgotten at the next drawing, so that file after file keeps no more than one table.
class ForgetfulSurface : public ui::RecordingSurface {
  protected:
    void deviceClear() override { forget(); }
};

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace

bool StartHeadless(Program& program, MessageLog& log, const std::string& dataFolder) {
    program.dialogs = &log;
    program.keepsRecentFiles = false;
    std::error_code ignored;
    // "--data ." names the folder in messages without a trailing "/.".
    auto absolute = std::filesystem::absolute(dataFolder, ignored).lexically_normal();
    if (!absolute.has_filename() && absolute.has_parent_path() && absolute != absolute.root_path())
        absolute = absolute.parent_path();
    program.dataFolder = absolute.empty() ? dataFolder : absolute.string();
    program.main.Picture3.setSurface(std::make_shared<ForgetfulSurface>());
    return StartProgram(program, FirstRun::AssumeEnglish);
}

void ReportMessages(const SpanOutcome& outcome, std::FILE* err) {
    for (const auto& text : outcome.messages) {
        std::string line = outcome.file;
        line += ": ";
        line += text;
        Write(err, TerminalText(line, true) + '\n');
    }
}

int WriteResults(const Starter& start, const std::vector<std::string>& files, Format format,
                 std::FILE* out, std::FILE* err) {
    int status = kAllDone;
    std::vector<SpanOutcome> kept;  // JSON is written whole at the end
    if (format == Format::Csv) Write(out, CsvHeader());
    for (const auto& file : files) {
        Program program;
        MessageLog log;
        SpanOutcome outcome;
        if (start(program, log)) {
            outcome = WorkOutSpanFile(
                program, file, format == Format::Json ? Solution::Wanted : Solution::NotWanted);
        } else {
            outcome.file = file;
            outcome.messages = log.take();
        }
        ReportMessages(outcome, err);
        if (!outcome.clean()) status = kSomeMessage;
        if (format == Format::Text) Write(out, TerminalText(TextOf(outcome)));
        if (format == Format::Csv) Write(out, TerminalText(CsvOf(outcome)));
        if (format == Format::Json) kept.push_back(std::move(outcome));
    }
    if (format == Format::Json) Write(out, JsonOf(kept));
    std::fflush(out);
    return status;
}

}  // namespace cn3::batch

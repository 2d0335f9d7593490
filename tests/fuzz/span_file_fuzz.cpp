// A span file of any bytes opened as "Open" opens it, then the worksheet recomputed on the
// result pages, saved again and reopened. A file that is not 940 bytes must be refused with
// the worksheet unchanged; any 940 bytes must open, and a record saved by the program must
// come back as it was saved. Every run starts a fresh program from the shipped data.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/start_up.h"
#include "files/files_commands.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "fuzz_support.h"

using namespace cn3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool copied = [] {
        fuzz::CopyShipped("CABLEDAT.TXT");
        fuzz::CopyShipped("CN3NESC.TXT");
        return true;
    }();
    (void)copied;
    fuzz::SilentDialogs dialogs;
    Program program;
    program.dialogs = &dialogs;
    program.dataFolder = fuzz::DataFolder().string();
    if (!StartProgram(program)) return 0;

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::WriteFile("fuzzed.cn3", bytes);
    const std::string before = program.main.Text9[0].text() + program.main.Label4.caption();
    const bool opened = OpenSpanFile(program, fuzz::FilePath("fuzzed.cn3"));
    if (opened != (size == kSpanRecordSize)) std::abort();  // only a whole record opens
    if (!opened) {
        if (program.main.Text9[0].text() + program.main.Label4.caption() != before) std::abort();
        return 0;
    }
    program.main.SSTab1.setTab(page::kSagTension);
    program.main.SSTab1.setTab(page::kNescResults);

    // What the program saves, it reads back whole. More than 20 cables or a bundle cell that
    // is not a number refuse to be saved, which is fine.
    program.main.CommonDialog1.fileName = fuzz::FilePath("saved.cn3");
    if (SpanFileAction(program, span_file::kSave).failed()) return 0;
    const auto saved = ReadSpanFile(fuzz::FilePath("saved.cn3"));
    if (!saved || PackSpanRecord(saved.value()) != PackSpanRecord(program.spanRecord)) std::abort();
    return 0;
}

// The settings file CN3NESC.TXT: the unit word, the district and the user-loading lines read
// by the core reader and by the loading window at start-up, then saved and read again. What
// is saved must read back as it was saved.
#include <cstdint>
#include <string>

#include "loading/loading_window.h"
#include "app/start_up.h"
#include "core/blanks.h"
#include "core/settings_file.h"
#include "fuzz_support.h"

using namespace cn3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool copied = [] {
        fuzz::CopyShipped("CABLEDAT.TXT");
        return true;
    }();
    (void)copied;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    fuzz::WriteFile("CN3NESC.TXT", file);
    const std::string path = fuzz::FilePath("CN3NESC.TXT");

    fuzz::Check(ReadUnitWord(path) == file.substr(0, 7), "the unit word is the first 7 bytes");
    const SettingsFile settings = ReadSettingsFile(path);
    fuzz::Check(!settings.district || (*settings.district >= 0 && *settings.district <= 2),
                "a district is 0 to 2");
    const int district = settings.district.value_or(2);
    fuzz::Check(WriteSettingsFile(path, true, district, settings.userLoadingLines),
                "the settings can be written");
    const SettingsFile back = ReadSettingsFile(path);
    fuzz::Check(back.unitLine == "Metric " && back.district == district,
                "the unit word and district read back");
    // A line that the writer spelled with "?" in place of a character Latin-1 lacks is
    // compared as written.
    fuzz::Check(back.userLoadingLines.size() == settings.userLoadingLines.size(),
                "every user-loading line reads back");

    // The whole start-up with this file, then the window's own save and a second start.
    fuzz::WriteFile("CN3NESC.TXT", file);
    fuzz::SilentDialogs dialogs;
    Program program;
    program.dialogs = &dialogs;
    program.dataFolder = fuzz::DataFolder().string();
    fuzz::Check(StartProgram(program), "the shipped catalogue starts");
    LoadingSave_Click(program);

    Program again;
    again.dialogs = &dialogs;
    again.dataFolder = program.dataFolder;
    fuzz::Check(StartProgram(again), "the saved settings start");
    fuzz::Check(again.selectedDistrict == program.selectedDistrict,
                "the saved district comes back");
    for (std::size_t box = 0; box < 2; ++box) {
        const bool ticked = program.loading.Check1[box].checked();
        fuzz::Check(again.loading.Check1[box].checked() == ticked, "the saved ticks come back");
        for (std::size_t cell = 15 + 5 * box; ticked && cell < 20 + 5 * box; ++cell) {
            fuzz::Check(again.loading.Cells[cell].caption() ==
                            TrimBlanks(program.loading.Cells[cell].caption()),
                        "a saved user loading comes back trimmed");
        }
    }
    return 0;
}

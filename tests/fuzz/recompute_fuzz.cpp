// A whole recomputation from fuzzed entries, driven as a user would: a few catalogue cables
// clicked on their family tabs, the span entries typed, the sag mode and the installed
// temperature set, the bundle diameter typed or not, the loading window's user loadings
// ticked, and the result pages visited. Every run starts a fresh program from the shipped data.
#include <cstdint>
#include <string>

#include "app/start_up.h"
#include "engine/recompute.h"
#include "fuzz_support.h"
#include "selection/selection.h"

using namespace cn3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool copied = [] {
        fuzz::CopyShipped("CABLEDAT.TXT");
        fuzz::CopyShipped("CN3NESC.TXT");
        return true;
    }();
    (void)copied;
    fuzz::Bytes bytes(data, size);
    fuzz::SilentDialogs dialogs;
    Program program;
    program.dialogs = &dialogs;
    program.dataFolder = fuzz::DataFolder().string();
    if (!StartProgram(program)) return 0;
    MainForm& form = program.main;

    const int cables = bytes.byte() % 5;
    for (int i = 0; i < cables; ++i) {
        const int tab = bytes.byte() % 6;
        form.SSTab2.setTab(tab);
        FillCatalogueGrid(program, tab);
        const int rows = form.Grid1.rows();
        if (rows > 1) form.Grid1.click(1 + bytes.byte() % (rows - 1), bytes.byte() % 8);
    }
    for (int entry = 0; entry < 5; ++entry)
        form.Text9[static_cast<std::size_t>(entry)].setText(bytes.text(12));
    form.Option1.select(bytes.byte() % 2);
    if (bytes.byte() % 4 == 0) form.Text5.setText(bytes.text(8));
    const std::uint8_t ticks = bytes.byte();
    if (ticks & 1) program.loading.Check1[0].click();
    if (ticks & 2) program.loading.Check1[1].click();
    if (ticks & 4) program.loading.Option1.select(bytes.byte() % 3);
    if (ticks & 8) form.Check1[0].click();
    if (ticks & 16) form.Check1[1].click();
    if (ticks & 32) program.units.metricUnits = 1;

    const int low = form.HScroll1.min(), high = form.HScroll1.max();
    form.HScroll1.setValue(low + bytes.byte() % (high - low + 1));
    form.SSTab1.setTab(page::kCables);
    form.SSTab1.setTab(page::kSagTension);
    form.SSTab1.setTab(page::kNescResults);
    Recompute(program);
    return 0;
}

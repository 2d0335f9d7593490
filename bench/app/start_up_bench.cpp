// Headless start-up on the shipped data: LoadSettings and LoadCatalogue into a fresh Program,
// no window. The settings file is a settled one, so no question is asked.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/start_up.h"
#include "app/wire_events.h"

namespace {

struct SilentDialogs : cn3::ui::Dialogs {
    void message(std::string_view) override {}
    bool askYesNo(std::string_view) override { return true; }
    std::string input(std::string_view, std::string_view, std::string_view d) override {
        return std::string(d);
    }
    std::optional<std::string> openFile(const cn3::ui::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const cn3::ui::FileDialogRequest&) override {
        return std::nullopt;
    }
};

std::filesystem::path DataFolder() {
    static const std::filesystem::path folder = [] {
        auto f = std::filesystem::temp_directory_path() / "cn3-start-up-bench";
        std::filesystem::create_directories(f);
        std::filesystem::copy_file(std::filesystem::path(CN3_SOURCE_DIR) / "data" / "CABLEDAT.TXT",
                                   f / "CABLEDAT.TXT",
                                   std::filesystem::copy_options::overwrite_existing);
        std::ofstream(f / "CN3NESC.TXT", std::ios::binary) << "English\r\n2\r\n";
        return f;
    }();
    return folder;
}

void BM_HeadlessStartUp(benchmark::State& state) {
    SilentDialogs dialogs;
    const std::string folder = DataFolder().string();
    for (auto _ : state) {
        auto program = std::make_unique<cn3::Program>();
        program->dialogs = &dialogs;
        program->dataFolder = folder;
        cn3::WireEvents(*program);
        cn3::LoadSettings(*program);
        if (!cn3::LoadCatalogue(*program))
            state.SkipWithError("the shipped catalogue could not be read");
        benchmark::DoNotOptimize(program->main.Grid1.rows());
    }
}
BENCHMARK(BM_HeadlessStartUp)->Unit(benchmark::kMicrosecond);

}  // namespace

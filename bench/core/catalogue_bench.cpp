// Reading the shipped catalogue, as start-up does once.
#include <benchmark/benchmark.h>

#include <string>

#include "core/catalogue.h"

namespace {

const std::string kCatalogue = std::string(CN3_SOURCE_DIR) + "/data/CABLEDAT.TXT";

void BM_ReadShippedCatalogue(benchmark::State& state) {
    const auto metric = static_cast<std::uint8_t>(state.range(0));
    for (auto _ : state) {
        auto result = cn3::ReadCatalogue(kCatalogue, metric);
        if (!result) {
            state.SkipWithError("the shipped catalogue did not load");
            break;
        }
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ReadShippedCatalogue)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

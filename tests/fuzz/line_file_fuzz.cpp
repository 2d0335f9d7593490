// Any bytes read as a line file and as a pole CSV. A line file that reads must be written and
// read back as it was; a CSV that reads must solve (or say why not) on a fixed strand. Neither
// reader may crash, hang or accept a line the solver cannot take.
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "line/line_file.h"
#include "line/pole_csv.h"
#include "line/solve_line.h"

using namespace cn3;

namespace {

SpanProblem Strand() {
    SpanProblem p;
    p.cables.count = 1;
    p.cables.supportRow = 1;
    p.cables.totalWeight = 0.121f;
    p.support = {"1/4 EHS", 0.121f, 1200000.0f, 6650.0f, 0.0000064f};
    p.inputs.installedTemperature = 60.0f;
    p.conditionRecords[0] = {"Light        ", 30, 0, 9, 0.05f};
    p.conditionRecordIndex = {2, 3, 4, 5, 6};
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const auto file = line::ParseLineFile(text, "fuzzed.cnl");
    if (const auto* read = std::get_if<line::LineFile>(&file)) {
        fuzz::Check(
            read->line.poles.size() >= 2 && read->line.spans.size() + 1 == read->line.poles.size(),
            "a line file that reads is a run of spans between poles");
        const auto again = line::ParseLineFile(line::LineFileText(*read), "again.cnl");
        const auto* back = std::get_if<line::LineFile>(&again);
        fuzz::Check(back != nullptr, "a written line file reads back");
        // Pole names of broken UTF-8 are written with U+FFFD; everything else comes back.
        if (back)
            fuzz::Check(back->line.spans == read->line.spans &&
                            back->worksheet.loadings == read->worksheet.loadings &&
                            back->line.installation == read->line.installation,
                        "a written line file reads back the same");
    }

    const auto csv = line::ParsePoleCsv(text, "fuzzed.csv");
    if (const auto* line = std::get_if<line::PoleLine>(&csv)) {
        line::LineWorksheet worksheet;
        worksheet.sag = 2.0;
        const auto solved = line::SolveLine(*line, worksheet, Strand());
        if (const auto* s = std::get_if<line::LineSolution>(&solved))
            fuzz::Check(
                s->spans.size() == line->spans.size() && s->poles.size() == line->poles.size(),
                "every span and pole has its result");
    }
    return 0;
}

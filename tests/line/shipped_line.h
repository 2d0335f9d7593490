// An example line of data/lines solved on the shipped catalogue, as a line file opens alone,
// under English or metric display.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "core/catalogue.h"
#include "line/line_file.h"
#include "line/line_worksheet.h"
#include "line/solve_line.h"

namespace cn3::test {

struct SolvedLine {
    line::LineFile file;
    line::LineSolution solution;
    Units units;
};

inline SolvedLine SolveShippedLine(const line::LineFile& file, bool metric) {
    SolvedLine out;
    out.file = file;
    auto catalogue = ReadCatalogue(CN3_SHIPPED_DATA_DIR "/CABLEDAT.TXT", metric ? 1 : 0);
    EXPECT_TRUE(catalogue.ok());
    out.units = {catalogue.value().units, static_cast<std::uint8_t>(metric ? 1 : 0)};
    const auto problem = line::ProblemOf(file.worksheet, catalogue.value().cables);
    EXPECT_TRUE(std::holds_alternative<SpanProblem>(problem));
    auto solved = line::SolveLine(file.line, file.worksheet, std::get<SpanProblem>(problem));
    if (const auto* why = std::get_if<std::string>(&solved)) ADD_FAILURE() << *why;
    out.solution = std::get<line::LineSolution>(std::move(solved));
    return out;
}

inline SolvedLine SolveShippedLine(const std::string& name, bool metric) {
    auto read = line::ReadLineFile(CN3_SHIPPED_DATA_DIR "/lines/" + name);
    if (const auto* fault = std::get_if<line::InputFault>(&read)) ADD_FAILURE() << fault->text();
    return SolveShippedLine(std::get<line::LineFile>(read), metric);
}

// A line of `spans` spans strung as the hilly example is, P1, P2 ... on level ground or over
// hills; with `lowPole`, that pole stands short (19 ft) so that the spans beside it come low.
inline line::LineFile GeneratedLine(std::size_t spans, bool hills, std::size_t lowPole = 0) {
    auto read = line::ReadLineFile(CN3_SHIPPED_DATA_DIR "/lines/hilly-five-poles.cnl");
    line::LineFile file = std::get<line::LineFile>(read);
    file.line.poles.clear();
    file.line.spans.clear();
    for (std::size_t p = 0; p <= spans; ++p) {
        std::string id = "P";
        id += std::to_string(p + 1);
        const float ground =
            hills ? 100.0f + 12.0f * std::sin(0.4f * static_cast<float>(p)) : 100.0f;
        file.line.poles.push_back({id, ground, lowPole != 0 && p + 1 == lowPole ? 19.0f : 24.0f});
        if (p < spans)
            file.line.spans.push_back({140.0f + 10.0f * static_cast<float>(p % 4), std::nullopt});
    }
    return file;
}

}  // namespace cn3::test

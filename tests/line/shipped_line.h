// An example line of data/lines solved on the shipped catalogue, as a line file opens alone,
// under English or metric display.
#pragma once

#include <gtest/gtest.h>

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

}  // namespace cn3::test

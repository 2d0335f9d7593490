// The JSON of a batch run against the README's description of it: every name the README
// lists is written, in the README's order, and no other, object by object.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "batch/results_formats.h"
#include "core/json_number.h"

namespace cn3::batch {
namespace {

using Names = std::vector<std::string>;

std::string Readme() {
    std::ifstream in(std::string(CN3_SOURCE_DIR) + "/README.md");
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The `names` of a piece of the description, in order, outside parentheses; a name followed
// by ":" or by "(objects of" opens a nested object whose names follow. Returns names per
// object path ("" the file object, "nesc[]", "values.support" ...).
void Collect(const std::string& text, const std::string& path, std::map<std::string, Names>& out) {
    std::string current = path;
    int depth = 0;
    std::string nestedParent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            ++depth;
            if (depth == 1 && text.compare(i, 12, "(objects of ") == 0 && !out[path].empty())
                nestedParent = out[path].back();
            continue;
        }
        if (c == ')') {
            if (--depth == 0) nestedParent.clear();
            continue;
        }
        if (c != '`') continue;
        const std::size_t end = text.find('`', i + 1);
        const std::string name = text.substr(i + 1, end - i - 1);
        i = end;
        if (!std::regex_match(name, std::regex("[a-z_0-9]+"))) continue;
        if (depth == 0) {
            out[current].push_back(name);
            // "`support`: `name`, ..." gives the names of an object under this one.
            if (text.compare(end + 1, 1, ":") == 0) current = path + "." + name;
        } else if (depth == 1 && !nestedParent.empty()) {
            out[(path.empty() ? "" : path + ".") + nestedParent + "[]"].push_back(name);
        }
    }
}

std::map<std::string, Names> DescribedNames() {
    const std::string readme = Readme();
    const std::size_t json = readme.find("**json**:");
    EXPECT_NE(json, std::string::npos);
    const std::size_t table = readme.find("| name | what |", json);
    std::map<std::string, Names> out;
    Collect(readme.substr(json, table - json), "", out);
    std::istringstream rows(readme.substr(table));
    std::string row;
    std::getline(rows, row);  // heading
    std::getline(rows, row);  // rule
    while (std::getline(rows, row) && row.starts_with("|")) {
        const std::string cell = row.substr(1, row.find('|', 1) - 1);
        std::map<std::string, Names> one;
        Collect(cell, "values", one);
        for (auto& [path, names] : one) {
            // A "`temperature`: 19 × ..." row describes the objects of an array.
            std::string at = path;
            if (path != "values" && cell.find(":", 0) != std::string::npos &&
                cell.find(" × ") != std::string::npos)
                at += "[]";
            auto& list = out[at];
            list.insert(list.end(), names.begin(), names.end());
        }
    }
    return out;
}

Names Keys(const nlohmann::ordered_json& object) {
    Names keys;
    for (const auto& item : object.items()) keys.push_back(item.key());
    return keys;
}

TEST(json_names_test, every_described_name_is_written_in_its_object_and_no_other) {
    SpanOutcome outcome;
    outcome.file = "a.cn3";
    SpanResults shown;
    shown.temperature.resize(19);
    shown.nesc.push_back({1, "Rule 251 - Heavy", {"0.0"}});
    shown.solution = SpanSolution{};
    outcome.results = shown;
    const auto written = nlohmann::ordered_json::parse(JsonOf({outcome}));
    const auto& file = written.at(0);
    const auto& values = file.at("values");

    const std::map<std::string, Names> found = {
        {"", Keys(file)},
        {"nesc[]", Keys(file.at("nesc").at(0))},
        {"values", Keys(values)},
        {"values.support", Keys(values.at("support"))},
        {"values.installed", Keys(values.at("installed"))},
        {"values.temperature[]", Keys(values.at("temperature").at(0))},
        {"values.conditions[]", Keys(values.at("conditions").at(0))},
    };
    const auto described = DescribedNames();
    for (const auto& [path, names] : found) {
        ASSERT_TRUE(described.count(path)) << "the README describes no object " << path;
        EXPECT_EQ(described.at(path), names) << path;
    }
    EXPECT_EQ(described.size(), found.size());
    // Every row of the arrays has the same names.
    for (const auto& row : values.at("temperature"))
        EXPECT_EQ(Keys(row), found.at("values.temperature[]"));
    for (const auto& row : values.at("conditions"))
        EXPECT_EQ(Keys(row), found.at("values.conditions[]"));
}

TEST(json_names_test, floats_are_written_as_their_shortest_decimals) {
    const auto dump = [](float v) { return JsonFloat(v).dump(); };
    EXPECT_EQ(dump(11.4f), "11.4");
    EXPECT_EQ(dump(150.0f), "150");
    EXPECT_EQ(dump(-40.0f), "-40");
    EXPECT_EQ(dump(6.4e-06f), "6.4e-06");
    EXPECT_EQ(nlohmann::json::parse(dump(0.1f)).get<float>(), 0.1f);
}

TEST(json_names_test, csv_fields_holding_a_line_break_are_quoted) {
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("carriage\rreturn"), "\"carriage\rreturn\"");
    EXPECT_EQ(CsvField("both\r\n"), "\"both\r\n\"");
}

}  // namespace
}  // namespace cn3::batch

// A fault in a line's input, said with the file, where in it and why:
// "run.cnl: poles[2].ground_elevation_ft: a number is needed" or
// "poles.csv: line 4: span_ft: a number is needed, not \"abc\"".
#pragma once

#include <string>

namespace cn3::line {

struct InputFault {
    std::string file;
    int line = 0;       // 1-based in a CSV; 0 when the fault is not on one line
    std::string field;  // a CSV column or a JSON path; empty for the whole file
    std::string reason;

    std::string text() const {
        std::string out = file;
        if (line > 0) out += ": line " + std::to_string(line);
        if (!field.empty()) out += ": " + field;
        return out + ": " + reason;
    }
};

}  // namespace cn3::line

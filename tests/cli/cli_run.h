// Running the real executable from a test: `catenova` in a data folder of its own, without a
// display, with what it wrote and its exit status read back.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "files/span_file.h"
#include "support/temp_folder.h"

namespace cn3::test {

namespace fs = std::filesystem;

struct Ran {
    int status = -1;
    std::string out, err;
};

inline std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

inline std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The pages of a PDF file's bytes.
inline int PdfPages(const std::string& bytes) {
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page),
                                          std::sregex_iterator()));
}

// Runs catenova in the folder. `env` is given to env(1) first: by default the display is taken
// away.
inline Ran RunCatenova(const fs::path& folder, const std::string& arguments,
                       const std::string& env = "-u DISPLAY") {
    const fs::path out = folder / "stdout.txt", err = folder / "stderr.txt";
    std::string command = "cd " + Quoted(folder.string());
    command += " && env " + env + " " + Quoted(CN3_CATENOVA) + " " + arguments;
    command += " >" + Quoted(out.string()) + " 2>" + Quoted(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    Ran ran;
    ran.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    ran.out = ReadWhole(out);
    ran.err = ReadWhole(err);
    fs::remove(out);
    fs::remove(err);
    return ran;
}

// A data folder with the shipped catalogue and settings file.
class DataFolder : public TempFolder {
  public:
    DataFolder() {
        copyShipped("CABLEDAT.TXT");
        copyShipped("CN3NESC.TXT");
    }

    Ran run(const std::string& arguments, const std::string& env = "-u DISPLAY") const {
        return RunCatenova(path(), arguments, env);
    }

    // A span file from the shipped strand example with other cables and entries.
    void writeSpan(const std::string& name, const std::vector<std::string>& cables,
                   const std::array<std::string, 5>& entries, bool metric, std::uint8_t sagMode,
                   std::array<std::uint8_t, 2> userLoadings) const {
        SpanRecord record =
            ReadSpanFile(std::string(CN3_SHIPPED_DATA_DIR) + "/examples/strand-three-coax.cn3")
                .value();
        record.metricUnits = metric ? 1 : 0;
        for (auto& entry : record.cableNames) entry.clear();
        for (std::size_t i = 0; i < cables.size(); ++i) record.cableNames[i] = cables[i];
        record.spanEntries = entries;
        record.sagMode = sagMode;
        record.userLoadings = userLoadings;
        write(name, PackSpanRecord(record));
    }
};

}  // namespace cn3::test

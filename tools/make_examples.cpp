// Writes the example span files of data/examples/ with the program's own Save, from worksheets
// filled as a designer fills them on the shipped catalogue.
// Usage: cn3_make_examples OUTPUT_FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/start_up.h"
#include "files/files_commands.h"
#include "files/new_worksheet.h"
#include "tool_support.h"

namespace {

namespace fs = std::filesystem;

struct Example {
    const char* file;
    const char* settings;  // the settings file: the unit system
    std::function<void(cn3::Program&)> fill;
};

void Project(cn3::Program& p, const char* name, const char* id, const char* notes) {
    p.main.Text1.setText(name);
    p.main.Text2.setText("12/06/26");
    p.main.Text3.setText(id);
    p.main.Text4.setText(notes);
}

void Select(cn3::Program& program, int familyTab, const std::string& name) {
    if (!cn3::tools::ClickCable(program, familyTab, name)) std::exit(1);
}

const Example kExamples[] = {
    {"strand-three-coax.cn3", "English\r\n2\r\n",
     [](cn3::Program& p) {
         Project(p, "Example - Main Street", "P12-P13",
                 "1/4 in EHS strand with three coax cables over 150 ft, sag 1 % of the span");
         Select(p, cn3::family::kStrand, "1/4 EHS 6M");
         Select(p, cn3::family::kK5, "P 500");
         Select(p, cn3::family::kK5, "P 750");
         Select(p, cn3::family::kK5, "C 875");
         p.main.Text9[0].setText("150");
         p.main.Text9[1].setText("1");
         p.main.Check2.setChecked(true);
         p.main.Text9[3].setText("18");
     }},
    {"integrated-messenger.cn3", "English\r\n0\r\n",
     [](cn3::Program& p) {
         Project(p, "Example - Mill Road", "P40-P41",
                 "A coax cable with its own messenger, 125 ft, 2 ft of sag, Heavy loading");
         Select(p, cn3::family::kK5, "P 750 M");
         p.main.Option1.select(0);  // "Absolute"
         p.main.Text9[0].setText("125");
         p.main.Text9[1].setText("2");
         p.main.Check1[0].setChecked(true);
         p.main.Text9[2].setText("40");
     }},
    {"metric-span.cn3", "Metric \r\n1\r\n",
     [](cn3::Program& p) {
         Project(p, "Example - Route 9 (metric)", "M7-M8",
                 "Saved under metric display: 5/16 in EHS strand, coax and fiber, 50 m");
         Select(p, cn3::family::kStrand, "5/16 EHS 10M");
         Select(p, cn3::family::kK5, "P 625");
         Select(p, cn3::family::kFiber, "ORF 48");
         p.main.Text9[0].setText("50");
         p.main.Text9[1].setText("1.5");
         p.main.Check1[1].setChecked(true);
     }},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cn3_make_examples OUTPUT_FOLDER\n");
        return 2;
    }
    const fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out);
    for (const Example& example : kExamples) {
        const fs::path data = fs::temp_directory_path() / "cn3-make-examples";
        fs::remove_all(data);
        fs::create_directories(data);
        fs::copy_file(fs::path(CN3_SOURCE_DIR) / "data" / "CABLEDAT.TXT", data / "CABLEDAT.TXT");
        std::ofstream(data / "CN3NESC.TXT", std::ios::binary) << example.settings;

        cn3::Program program;
        program.dataFolder = data.string();
        if (!cn3::StartProgram(program)) return 1;
        example.fill(program);
        program.main.SSTab1.setTab(cn3::page::kFilesPrint);
        cn3::SetCurrentFileName(program, (out / example.file).string());
        cn3::Command6_Click(program, cn3::files_button::kSave);
        if (!fs::exists(out / example.file)) {
            std::fprintf(stderr, "not saved: %s\n", example.file);
            return 1;
        }
        std::printf("%s\n", (out / example.file).c_str());
    }
    return 0;
}

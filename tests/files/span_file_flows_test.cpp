// Open, Save, SaveAs, a new worksheet and the exit path on a started program with the shipped
// catalogue and scripted dialogs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/start_up.h"
#include "core/blanks.h"
#include "core/number_format.h"
#include "files/files_commands.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "support/odd_files.h"
#include "worksheet.h"

namespace cn3::test {
namespace {

constexpr const char* kTrapEnd = "\r\nCorrect error and re-run command.";

TEST(span_file_flows_test, a_saved_worksheet_opens_again_as_it_was_on_every_page) {
    Worksheet w;
    w.fill();
    w.main.SSTab1.setTab(page::kSagTension);  // results for the entries
    const auto before = w.screen();
    ASSERT_NE(w.main.Label4.caption(), "");

    const std::string path = w.folder.file("span.cn3");
    w.dialogs.answerSave(path).expectMessage();
    w.command(files_button::kSave);  // the untitled worksheet asks for a name first
    EXPECT_EQ(w.dialogs.messages(), std::vector<std::string>{"Data saved"});
    EXPECT_EQ(std::filesystem::file_size(path), 940u);
    EXPECT_EQ(w.main.CommonDialog1.fileName, path);
    EXPECT_EQ(w.main.StatusFileName.caption(), path);

    // The next day, in a program started afresh, with a worksheet begun.
    Worksheet next;
    std::filesystem::copy_file(path, next.folder.file("span.cn3"));
    next.main.Text1.setText("Something else");
    next.select(family::kStrand, "3/8 EHS 16M");
    next.main.Text9[0].setText("90");
    next.main.SSTab1.setTab(page::kFilesPrint);
    // The begun worksheet differs from its (untitled) file: not saved.
    next.dialogs.answerOpen(next.folder.file("span.cn3")).answerYesNoCancel(ui::Answer::No);
    next.command(files_button::kOpen);
    EXPECT_EQ(next.main.SSTab1.tab(), page::kCables);
    EXPECT_EQ(next.main.StatusFileName.caption(), next.folder.file("span.cn3"));
    next.main.SSTab1.setTab(page::kSagTension);
    auto after = next.screen();
    after[1] = before[1];  // the date is the day's
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], before[i]) << "item " << i;
    EXPECT_TRUE(w.dialogs.allAnswered() && next.dialogs.allAnswered());
}

TEST(span_file_flows_test, cable_entries_end_at_the_first_blank_and_unknown_names_stay_listed) {
    Worksheet w;
    SpanRecord r;
    r.spanEntries = {"150", "1", "50", "", "0"};
    r.cableNames = {"1/4 EHS 6M", "NOT A CABLE", "P 500               ", "", "C 875"};
    const std::string path = w.folder.file("odd.cn3");
    ASSERT_TRUE(WriteSpanFile(path, r).ok());

    w.dialogs.expectMessage();
    ASSERT_TRUE(OpenSpanFile(w.program, path));
    EXPECT_EQ(w.dialogs.messages(), std::vector<std::string>{"Error - Unknown Cable NOT A CABLE"});
    const ui::Grid& g = w.main.Grid2;
    ASSERT_EQ(g.rows(), 5) << "heading, three cables, bundle";
    EXPECT_EQ((std::vector<std::string>{g.text(1, 0), g.text(1, 1), g.text(1, 2), g.text(2, 1),
                                        g.text(2, 2), g.text(2, 3), g.text(3, 0), g.text(3, 1),
                                        g.text(3, 3)}),
              (std::vector<std::string>{" 1", "1/4 EHS 6M", "0.240", "NOT A CABLE", "", "", " 3",
                                        "P 500", "0.0900"}));
}

TEST(span_file_flows_test, saving_keeps_at_most_twenty_cables_and_a_blank_entry_after_them) {
    Worksheet w;
    ui::Grid& g = w.main.Grid2;
    const auto cables = [&](int n) {
        while (g.rows() > 2) g.removeItem(1);
        for (int i = 1; i <= n; ++i) g.addItem(std::to_string(i) + "\tP 500", g.rows() - 1);
    };
    const std::string path = w.folder.file("many.cn3");
    w.main.CommonDialog1.fileName = path;

    cables(20);
    w.dialogs.expectMessage();
    w.command(files_button::kSave);
    const auto saved = ReadSpanFile(path);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(std::tuple(std::string(TrimBlanks(saved->cableNames[19])), saved->cableNames[20]),
              std::tuple("P 500", std::string(20, ' ')));

    cables(21);
    w.dialogs.expectMessage();
    w.command(files_button::kSave);
    EXPECT_EQ(w.dialogs.messages().back(),
              std::string("A span file holds at most 20 cables; 21 are selected.") + kTrapEnd);
    EXPECT_EQ(ReadSpanFile(path)->cableNames, saved->cableNames) << "nothing is written";
}

// Everything a designer reads a unit from, outside the results.
std::vector<std::string> UnitTexts(const Worksheet& w) {
    const MainForm& m = w.main;
    std::vector<std::string> texts = {m.Title.caption(), m.Label1.caption()};
    for (int c = 0; c < 8; ++c) texts.push_back(m.Grid1.text(0, c));
    for (int r = 1; r < m.Grid1.rows(); ++r)
        if (m.Grid1.text(r, 0) == "1/4 EHS 6M")
            for (int c = 1; c < 8; ++c) texts.push_back(m.Grid1.text(r, c));
    for (int c = 0; c < 4; ++c) texts.push_back(m.Grid2.text(0, c));
    for (int c = 0; c < 4; ++c) texts.push_back(m.GridTemp.text(0, c));
    for (const auto& label : w.program.loading.UnitLabels) texts.push_back(label.caption());
    return texts;
}

// A file saved under the other unit system shows its figures in that system, and every title,
// heading and label says so; opening one of the first system switches everything back.
TEST(span_file_flows_test, a_file_of_the_other_unit_system_brings_its_units_everywhere) {
    Worksheet metric("Metric \r\n2\r\n");
    metric.select(family::kStrand, "1/4 EHS 6M");
    metric.main.Text9[0].setText("45.72");
    const std::string metricFile = metric.folder.file("metric.cn3");
    metric.main.CommonDialog1.fileName = metricFile;
    metric.dialogs.expectMessage();
    metric.command(files_button::kSave);

    Worksheet english;
    english.select(family::kStrand, "1/4 EHS 6M");
    const auto englishTexts = UnitTexts(english);
    const std::string englishFile = english.folder.file("english.cn3");
    english.main.CommonDialog1.fileName = englishFile;
    english.dialogs.expectMessage();
    english.command(files_button::kSave);

    ASSERT_TRUE(OpenSpanFile(english.program, metricFile));
    EXPECT_EQ(english.program.units.metricUnits, 1);
    EXPECT_EQ(english.main.Text9[0].text(), "45.72");
    EXPECT_EQ(english.main.Grid2.text(1, 2), metric.main.Grid2.text(1, 2)) << "shown in mm";
    EXPECT_EQ(UnitTexts(english), UnitTexts(metric));
    EXPECT_NE(UnitTexts(english), englishTexts);

    ASSERT_TRUE(OpenSpanFile(english.program, englishFile));
    EXPECT_EQ(english.program.units.metricUnits, 0);
    EXPECT_EQ(UnitTexts(english), englishTexts);
}

// A diameter typed under "Enter Bundle Diameter" is saved as fixed and comes back as typed,
// whatever the cables would lay out to; a file's flag other than 0 means fixed, 0 computed.
TEST(span_file_flows_test, a_typed_diameter_is_saved_as_fixed_and_opens_as_stored) {
    Worksheet w;
    w.select(family::kStrand, "1/4 EHS 6M");
    w.select(family::kK5, "P 500");
    w.main.Text5.setText("1.5");
    ASSERT_EQ(w.main.Grid2.text(3, 2), "Ovr 1.500");
    const std::string path = w.folder.file("typed.cn3");
    w.main.CommonDialog1.fileName = path;
    w.dialogs.expectMessage();
    w.command(files_button::kSave);
    SpanRecord r = ReadSpanFile(path).value();
    EXPECT_EQ(std::pair(int(r.fixedDiameterFlag), r.bundleDiameter), std::pair(1, 1.5f));

    Worksheet next;
    ASSERT_TRUE(OpenSpanFile(next.program, path));
    EXPECT_EQ(LeadingNumber(next.main.Grid2.text(3, 2)), 1.5);
    r.cableNames[1] = std::string(20, ' ');
    r.bundleDiameter = 1.25f;
    for (std::uint8_t flag : {2, 255, 0}) {
        r.fixedDiameterFlag = flag;
        ASSERT_TRUE(WriteSpanFile(path, r).ok());
        ASSERT_TRUE(OpenSpanFile(next.program, path));
        EXPECT_EQ(next.main.Grid2.text(2, 2), flag ? " 1.25" : "0.240") << int(flag);
    }
}

// The option buttons show the district in use, without choosing it again: the settings file's
// "Save above values" stays as it was.
TEST(span_file_flows_test, the_district_comes_from_the_file_and_its_option_buttons_show_it) {
    Worksheet w;  // the settings file chose Light
    SpanRecord r;
    r.cableNames[0] = "1/4 EHS 6M";
    r.selectedDistrict = 0;
    const std::string path = w.folder.file("heavy.cn3");
    ASSERT_TRUE(WriteSpanFile(path, r).ok());
    const bool saveEnabled = w.program.loading.SaveButton.enabled();
    ASSERT_TRUE(OpenSpanFile(w.program, path));
    EXPECT_EQ(std::tuple(int(w.program.spanRecord.selectedDistrict),
                         w.program.loading.Option1.selected(),
                         w.program.loading.SaveButton.enabled()),
              std::tuple(0, 0, saveEnabled));
}

TEST(span_file_flows_test, save_asks_for_a_name_while_the_name_says_untitled_in_any_case) {
    struct Row {
        const char *what, *name;
        bool asks;
    };
    const Row rows[] = {{"the default", "Untitled.cn3", true},
                        {"lower case", "my untitled span.cn3", true},
                        {"a real name", "Main Street.cn3", false}};
    for (const auto& r : rows) {
        Worksheet w;
        w.main.CommonDialog1.fileName = w.folder.file(r.name);
        if (r.asks) w.dialogs.answerSave(w.folder.file("chosen.cn3"));
        w.dialogs.expectMessage();
        w.command(files_button::kSave);
        EXPECT_EQ(w.folder.exists(r.asks ? "chosen.cn3" : r.name), true) << r.what;
        EXPECT_TRUE(w.dialogs.allAnswered()) << r.what;
    }
}

TEST(span_file_flows_test, a_cancelled_dialog_cancels_the_command) {
    Worksheet w;
    w.fill();
    const auto before = w.screen();
    const std::string name = w.main.CommonDialog1.fileName;
    w.dialogs.answerOpen(std::nullopt).answerSave(std::nullopt).answerSave(std::nullopt);
    w.command(files_button::kOpen);
    w.command(files_button::kSave);  // untitled: the name is asked first
    w.command(files_button::kSaveAs);
    EXPECT_EQ(std::tuple(w.screen() == before, w.main.CommonDialog1.fileName, w.dialogs.messages()),
              std::tuple(true, name, std::vector<std::string>{}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(w.folder.path()), {}), 2)
        << "only the catalogue and the settings file";
}

// Open on a missing file, a short one, a FIFO, /dev/zero, a 4 GiB file, a folder, a failing
// read or a record with a byte more: one "Error - " message each, at once, the worksheet as it
// was and no file created.
TEST(span_file_flows_test, open_answers_at_once_for_what_is_no_span_file) {
    ::alarm(120);  // an Open that blocks ends this program rather than hanging it
    Worksheet w;
    w.fill();
    w.main.CommonDialog1.fileName = w.folder.file("kept.cn3");
    w.dialogs.expectMessage();
    ASSERT_FALSE(SpanFileAction(w.program, span_file::kSave).failed());
    w.folder.write("long.cn3", w.folder.read("kept.cn3") + " ");
    const auto before = w.screen();
    w.folder.write("short.cn3", "not a span");
    std::vector<std::pair<std::string, std::string>> rows = {
        {w.folder.file("missing.cn3"), "does not exist"},
        {w.folder.file("short.cn3"), "is 10 bytes long, not 940, so it is not a span file"},
        {w.folder.file("long.cn3"), "is 941 bytes long, not 940, so it is not a span file"}};
    const std::pair<OddFile, const char*> odd[] = {
        {OddFile::Fifo, "is not a regular file"},
        {OddFile::DevZero, "is not a regular file"},
        {OddFile::Sparse4GiB, "is 4294967296 bytes long, not 940, so it is not a span file"},
        {OddFile::Folder, "is a folder"},
        {OddFile::ReadError, "cannot be read (Input/output error)"}};
    for (const auto& [kind, reason] : odd)
        rows.emplace_back(MakeOddFile(w.folder, kind, "odd" + std::to_string(rows.size()) + ".cn3"),
                          reason);
    for (const auto& [path, reason] : rows) {
        w.dialogs.answerOpen(path).expectMessage();
        w.command(files_button::kOpen);
        EXPECT_EQ(w.dialogs.messages().back(), "Error - The span file " + path + " " + reason + ".");
    }
    EXPECT_EQ(w.dialogs.messages().size(), rows.size() + 1);  // and the save's "Data saved"
    EXPECT_TRUE(w.dialogs.allAnswered());
    EXPECT_EQ(std::tuple(w.screen() == before, w.main.CommonDialog1.fileName,
                         w.folder.exists("missing.cn3")),
              std::tuple(true, w.folder.file("kept.cn3"), false));
    ::alarm(0);
}

TEST(span_file_flows_test, the_exit_path_leaves_only_with_the_save_asked_for) {
    struct Row {
        const char* what;
        bool edited, yes;
        std::optional<std::string> saveAs;  // relative to the folder
        const char* bundle;                 // the bundle cell at the time
        bool leaves;
        const char* message;  // the last message, if any
    };
    const Row rows[] = {
        {"not edited: no question", false, false, {}, nullptr, true, nullptr},
        {"No", true, false, {}, nullptr, true, nullptr},
        {"Yes, then a name", true, true, "span.cn3", nullptr, true, "Data saved"},
        {"Yes, then cancelled", true, true, std::nullopt, nullptr, false, nullptr},
        {"Yes, a save that fails", true, true, "no folder/span.cn3", nullptr, false, "could not"},
        {"Yes, a bundle cell that is not a number", true, true, "span.cn3", "abc", false,
         "The bundle diameter \"abc\" is not a number."},
    };
    for (const auto& r : rows) {
        Worksheet w;
        w.select(family::kStrand, "1/4 EHS 6M");
        w.program.worksheetEdited = r.edited;
        if (r.bundle) w.main.Grid2.setText(w.main.Grid2.rows() - 1, 2, r.bundle);
        if (r.edited) w.dialogs.answerYesNo(r.yes);
        if (r.yes)
            w.dialogs.answerSave(r.saveAs ? std::optional(w.folder.file(*r.saveAs)) : std::nullopt);
        if (r.message) w.dialogs.expectMessage();
        const std::string name = w.main.CommonDialog1.fileName;
        EXPECT_EQ(ConfirmExit(w.program), r.leaves) << r.what;
        EXPECT_TRUE(w.dialogs.allAnswered()) << r.what;
        // Only a written file becomes the worksheet's name (and the status bar's).
        const bool written = r.leaves && r.saveAs;
        EXPECT_EQ(w.main.CommonDialog1.fileName, written ? w.folder.file(*r.saveAs) : name)
            << r.what;
        if (r.message) {
            EXPECT_NE(w.dialogs.messages().back().find(r.message), std::string::npos) << r.what;
            if (!r.leaves) {
                EXPECT_TRUE(w.dialogs.messages().back().ends_with(kTrapEnd)) << r.what;
            }
        }
    }
}

TEST(span_file_flows_test, user_cables_of_an_open_editing_panel_are_saved_at_exit) {
    Worksheet w;
    w.main.Command1.click();  // the editing panel
    ASSERT_TRUE(w.program.editingMode());
    w.dialogs.answerInput("P 500 MINE").answerYesNo(false);
    w.select(family::kK5, "P 500");  // copied under the name asked for
    EXPECT_TRUE(ConfirmExit(w.program));
    EXPECT_NE(w.folder.read("CABLEADD.TXT").find("P 500 MINE\t"), std::string::npos);
}

TEST(span_file_flows_test, a_new_worksheet_clears_flags_results_cables_and_pages) {
    Worksheet w;
    w.fill();
    w.main.SSTab1.setTab(page::kSagTension);
    w.main.SSTab1.setTab(page::kFilesPrint);
    w.program.spanRecord.fixedDiameterFlag = 1;
    ASSERT_NE(w.main.Label4.caption(), "");
    SpanFileAction(w.program, span_file::kReset);
    const ui::Grid& g = w.main.Grid2;
    EXPECT_EQ(std::tuple(w.program.worksheetEdited, w.program.spanRecord.fixedDiameterFlag,
                         w.main.Label4.caption(), g.rows(), g.text(1, 2), g.text(1, 3),
                         w.main.Option1.selected(), w.main.SSTab1.tab(), w.main.SSTab2.tab()),
              std::tuple(0, 0, "", 2, "", "", 1, page::kCables, family::kStrand));
    EXPECT_TRUE(w.main.CommonDialog1.fileName.ends_with("Untitled.cn3"));
}

TEST(span_file_flows_test, a_carrier_without_stiffness_is_said_once_per_selection) {
    Worksheet w;
    w.select(family::kK5, "P 500");  // a lone lashed cable carries itself, with no stiffness
    w.dialogs.expectMessage();
    for (const char* creep : {"0.0", "0.01", "0.02"}) w.main.Text9[4].setText(creep);
    w.select(family::kK5, "P 750");
    w.main.Text9[4].setText("0.03");  // two lashed cables: nothing carries them
    w.main.Grid2.click(2, 1);         // back to the lone cable
    w.dialogs.expectMessage();
    w.main.Text9[4].setText("0.04");
    w.main.Text9[4].setText("0.05");
    EXPECT_EQ(w.dialogs.messages(),
              std::vector<std::string>(2, "Error - Axial stiffness of P 500 is 0"));
}

}  // namespace
}  // namespace cn3::test

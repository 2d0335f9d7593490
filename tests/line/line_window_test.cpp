// The "Pole Line" window's behaviour on a started program with the shipped catalogue and
// scripted dialogs: the pole grid typed, pasted and edited with every bad cell marked and said,
// metric entry, the line files with the unsaved-line question and the status, the line
// following the worksheet, the report refused without results, and the line's recovery file.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>
#include <set>

#include "files/files_commands.h"
#include "files/worksheet.h"
#include "line/display_value.h"
#include "line/line_editing.h"
#include "line/line_files.h"
#include "line/line_printing.h"
#include "line/line_recovery.h"
#include "line/line_tables.h"
#include "line/pole_csv.h"
#include "line/wire_line_events.h"
#include "ui/print_job.h"
#include "ui/recording_surface.h"

namespace cn3::line {
namespace {

using Cells = std::vector<std::string>;
using Marks = std::set<std::pair<int, int>>;

class LineWindowTest : public ::testing::Test {
  protected:
    explicit LineWindowTest(const char* settings = "English\r\n2\r\n") : sheet(settings) {}

    // A strand with a coax on it, installed at 1.5 % of the ruling span.
    void stringWorksheet() {
        sheet.select(family::kStrand, "1/4 EHS 6M");
        sheet.select(family::kK5, "P 750");
        sheet.main.Option1.select(1);
        sheet.main.Text9[1].setText("1.5");
    }
    LineSession& open() {
        if (!session) session = std::make_unique<LineSession>(sheet.program);
        ShowLineWindow(*session);
        return *session;
    }
    ui::Grid& poles() { return session->form.Poles; }
    // Types a new row at the end, cell by cell as the view hands typed cells over.
    void typeRow(const Cells& cells) {
        AddPoleRow(*session);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            poles().editCell(poles().rows() - 1, c, cells[static_cast<size_t>(c)]);
    }
    Marks marks() {
        Marks out;
        for (int r = 0; r < poles().rows(); ++r)
            for (int c = 0; c < poles().cols(); ++c)
                if (poles().marked(r, c)) out.insert({r, c});
        return out;
    }
    Cells row(int r) {
        Cells out;
        for (int c = 0; c < poles().cols(); ++c) out.push_back(poles().text(r, c));
        return out;
    }
    const std::string& status() { return session->form.StatusFileName.caption(); }
    std::string shipped(const char* name) {
        return CN3_SHIPPED_DATA_DIR "/lines/" + std::string(name);
    }

    test::Worksheet sheet;
    std::unique_ptr<LineSession> session;
};

TEST_F(LineWindowTest, typed_and_pasted_rows_are_read_and_every_bad_cell_is_marked_and_said) {
    stringWorksheet();
    LineSession& s = open();
    EXPECT_EQ(s.form.Headline.caption(), "No line results: a line needs at least two poles.");

    typeRow({"P1", "100", "24", "150", ""});
    typeRow({"P2", "16x5", "-1", "", ""});
    typeRow({"P1", "", "25 ft", "140", ""});
    EXPECT_EQ(s.form.Problems.caption(),
              "Row 2 (P2), Ground Elevation: a length in ft is needed, not \"16x5\".\n"
              "Row 2 (P2), Attachment Height: must not be below 0.\n"
              "Row 2 (P2), Span to Next Pole: a length in ft is needed.\n"
              "Row 3, Pole ID: \"P1\" names an earlier pole too.\n"
              "Row 3 (P1), Ground Elevation: a length in ft is needed.\n"
              "Row 3 (P1), Span to Next Pole: the last pole has no span after it: leave it empty "
              "or add the next pole.");
    EXPECT_EQ(marks(), (Marks{{2, 1}, {2, 2}, {2, 3}, {3, 0}, {3, 1}, {3, 3}}));
    // Nothing unreadable becomes 0: there is no line, and no result of one.
    EXPECT_FALSE(s.line);
    EXPECT_EQ(s.form.Headline.caption(), "No line results until every entry can be read.");
    EXPECT_EQ(s.form.Results.rows(), 0);

    // A spreadsheet's rows pasted over rows 2 and 3 with their heading, and one more below.
    poles().setCurrent(2, 0);
    PastePoleRows(s,
                  "pole_id\tground_elevation_ft\tattachment_height_ft\tspan_ft\trequired\r\n"
                  "P2\t98\t23\t160\t18\r\nP3\t104\t25\t130\t\r\nP4\t101\t24\t\t\r\n");
    EXPECT_EQ(row(3), (Cells{"P3", "104", "25", "130", ""}));
    EXPECT_EQ(poles().rows(), 5);
    EXPECT_EQ(s.form.Problems.caption(), "");
    EXPECT_EQ(marks(), Marks{});
    ASSERT_TRUE(s.line && s.solution);
    EXPECT_EQ(s.line->poles.size(), 4u);
    EXPECT_EQ(s.line->spans[1], (LineSpan{160.0f, 18.0f}));
    EXPECT_EQ(s.line->spans[2], (LineSpan{130.0f, std::nullopt}));
    EXPECT_EQ(s.form.Headline.caption(), LineHeadline(*s.line, *s.solution, sheet.program.units));
    EXPECT_EQ(s.form.Results.rows(), 1 + 3);
    EXPECT_EQ(s.form.Results.text(2, 0), "P2-P3");

    // A blank row inserted is passed over; removing rows closes the line up.
    poles().setCurrent(2, 1);
    InsertPoleRow(s);
    EXPECT_EQ((std::array{poles().rows(), poles().row(), poles().col()}), (std::array{6, 2, 0}));
    EXPECT_EQ(row(2), (Cells{"", "", "", "", ""}));
    EXPECT_EQ(s.line->poles.size(), 4u);
    RemovePoleRow(s);
    RemovePoleRow(s);
    EXPECT_EQ(row(2), (Cells{"P3", "104", "25", "130", ""}));
    ASSERT_TRUE(s.line);
    EXPECT_EQ(s.line->spans.size(), 2u);
    EXPECT_EQ(s.line->spans[0].length, 150.0f);
}

class MetricLineWindowTest : public LineWindowTest {
  protected:
    MetricLineWindowTest() : LineWindowTest("Metric \r\n2\r\n") {}
};

TEST_F(MetricLineWindowTest, lengths_and_tensions_are_typed_and_shown_in_metres_and_newtons) {
    stringWorksheet();
    LineSession& s = open();
    EXPECT_EQ(poles().text(0, 3), "Span to\n\rNext Pole (m)");
    // 15.5 ft, the shortest metres that read back as it.
    EXPECT_EQ(s.form.DefaultClearance.text(), "4.7244");
    typeRow({"A", "30", "7.3", "45.72", "5.5"});
    typeRow({"B", "30.48 m", "7", "", ""});
    ASSERT_TRUE(s.line);
    EXPECT_EQ(s.line->spans[0].length, 150.0f);
    EXPECT_FLOAT_EQ(*s.line->spans[0].requiredClearance, 5.5f / 0.3048f);
    EXPECT_FLOAT_EQ(s.line->poles[1].groundElevation, 100.0f);
    typeRow({"C", "30", "150 ft", "", ""});
    EXPECT_EQ(s.form.Problems.caption(),
              "Row 2 (B), Span to Next Pole: a length in m is needed.\n"
              "Row 3 (C), Attachment Height: a length in m is needed, not \"150 ft\".");
    RemovePoleRow(s);

    s.form.Installation.select(1);
    s.form.Tension.setText("5000");
    ASSERT_TRUE(s.line);
    EXPECT_FLOAT_EQ(s.line->installation.tension, 5000.0f / 4.448222f);
    EXPECT_NE(s.form.Headline.caption().find(" N at "), std::string::npos)
        << s.form.Headline.caption();

    // The file keeps feet and pounds; opened again, it shows what was typed, unchanged.
    const std::string path = sheet.folder.file("metric.cnl");
    sheet.dialogs.answerSave(path);
    ASSERT_TRUE(SaveLineAs(s));
    const auto json = nlohmann::json::parse(sheet.folder.read("metric.cnl"));
    EXPECT_EQ(json["spans"][0]["span_ft"], 150);
    EXPECT_EQ(json["poles"][1]["ground_elevation_ft"], 100);
    NewLine(s);
    ASSERT_TRUE(OpenLineFile(s, path));
    EXPECT_EQ(row(1), (Cells{"A", "30", "7.3", "45.72", "5.5"}));
    EXPECT_EQ(s.form.Tension.text(), "5000");
    EXPECT_EQ(status(), path);
}

TEST_F(LineWindowTest, files_ask_before_an_unsaved_line_is_lost_and_the_status_says_it_differs) {
    stringWorksheet();
    LineSession& s = open();
    EXPECT_EQ(status(), "Untitled");
    typeRow({"P1", "100", "24", "150", ""});
    typeRow({"P2", "98", "24", "", ""});
    EXPECT_EQ(status(), "Untitled (modified)");

    // Closing asks; Cancel, and a Yes whose save dialog is cancelled, keep the window open.
    sheet.dialogs.answerYesNoCancel(ui::Answer::Cancel);
    s.form.Close.click();
    sheet.dialogs.answerYesNoCancel(ui::Answer::Yes).answerSave(std::nullopt);
    s.form.Close.click();
    EXPECT_TRUE(s.form.shown());
    EXPECT_EQ(sheet.dialogs.asked().front().text, kLineSaveQuestion);
    const std::string path = sheet.folder.file("run.cnl");
    sheet.dialogs.answerYesNoCancel(ui::Answer::Yes).answerSave(path);
    s.form.Close.click();
    EXPECT_FALSE(s.form.shown());
    EXPECT_EQ(status(), path);
    const auto saved = ReadLineFile(path);
    ASSERT_TRUE(std::holds_alternative<LineFile>(saved));
    EXPECT_EQ(std::get<LineFile>(saved).line, *s.line);

    // An edit let go with No goes back to the file when the window closes.
    ShowLineWindow(s);
    poles().editCell(2, 1, "97");
    EXPECT_EQ(status(), path + " (modified)");
    sheet.dialogs.answerYesNoCancel(ui::Answer::No);
    s.form.Close.click();
    EXPECT_EQ(poles().text(2, 1), "98");
    EXPECT_EQ(status(), path);

    ShowLineWindow(s);
    poles().editCell(2, 1, "96");
    // Opening a file strung with another worksheet says so; Save would store the one in use.
    sheet.dialogs.answerOpen(shipped("five-poles.cnl")).answerYesNoCancel(ui::Answer::No);
    s.form.Open.click();
    EXPECT_EQ(poles().rows(), 1 + 5);
    EXPECT_EQ(status(), shipped("five-poles.cnl") + " (modified)");
    EXPECT_EQ(s.form.Notes.caption().substr(0, s.form.Notes.caption().find('\n')),
              "The line's file was saved with another worksheet (bundle diameter 0.85 in; 2 user "
              "loadings drawn): the line is strung with the worksheet in use, which Save stores.");

    // A pole CSV's poles come in as a new line; a CSV at fault replaces nothing.
    sheet.folder.write("bad.csv", std::string(kPoleCsvHeader) + "\nP1,100,24,x,\nP2,100,24,,\n");
    sheet.dialogs.answerOpen(sheet.folder.file("bad.csv")).expectMessage();
    s.form.ImportCsv.click();
    EXPECT_EQ(sheet.dialogs.messages().back(),
              "Error - " + sheet.folder.file("bad.csv") +
                  ": line 2: span_ft: a number is needed, not \"x\"");
    EXPECT_EQ(poles().rows(), 1 + 5);
    sheet.dialogs.answerOpen(CN3_SHIPPED_DATA_DIR "/lines/five-poles.csv")
        .answerYesNoCancel(ui::Answer::No);
    s.form.ImportCsv.click();
    EXPECT_EQ(row(3), (Cells{"P3", "92", "23", "160", "18"}));
    EXPECT_EQ(status(), "Untitled (modified)");

    // A line whose file would not open again (a worksheet sag of 0) is not written.
    sheet.main.Text9[1].setText("0");
    sheet.dialogs.answerSave(sheet.folder.file("zero.cnl")).expectMessage();
    s.form.SaveAs.click();
    EXPECT_EQ(sheet.dialogs.messages().back(),
              "The pole line is not saved: its file would not open again (worksheet.sag.value: "
              "must be more than 0).");
    EXPECT_FALSE(sheet.folder.exists("zero.cnl"));
    EXPECT_TRUE(sheet.dialogs.allAnswered());
}

TEST_F(LineWindowTest, the_line_follows_the_worksheet_and_prints_only_with_results) {
    stringWorksheet();
    LineSession& s = open();
    ASSERT_TRUE(OpenLineFile(s, shipped("hilly-five-poles.cnl")));
    ASSERT_TRUE(s.solution);
    const auto hot = [&] { return s.solution->conditions[s.solution->hottest].tension; };
    const float installedAt60 = hot();

    // Installed at the same sag on a warmer day, the strand is tighter when it is hot; the
    // line follows at once.
    sheet.main.HScroll1.setValue(90);
    EXPECT_EQ(s.worksheet->installedTemperature, 90.0f);
    EXPECT_GT(hot(), installedAt60);
    // Another cable on the strand: the line follows without leaving the page.
    const float before = s.solution->ruling.installed.tension;
    sheet.select(family::kK5, "P 500");
    EXPECT_EQ(s.worksheet->cables, (std::vector<std::string>{"1/4 EHS 6M", "P 750", "P 500"}));
    EXPECT_GT(s.solution->ruling.installed.tension, before);
    // While the window is closed it waits, and works the line out when it opens again.
    s.form.hide();
    const std::string headline = s.form.Headline.caption();
    sheet.main.HScroll1.setValue(30);
    EXPECT_EQ(s.form.Headline.caption(), headline);
    ShowLineWindow(s);
    EXPECT_EQ(s.worksheet->installedTemperature, 30.0f);
    // A span file saved under metric display switches the units: what was typed is shown again
    // in metres, the same values.
    const PoleLine typed = *s.line;
    ASSERT_TRUE(OpenSpanFile(sheet.program, CN3_SHIPPED_DATA_DIR "/examples/metric-span.cn3"));
    EXPECT_EQ(row(1), (Cells{"P1", "30.48", "7.3152", "48.768", ""}));
    EXPECT_EQ(poles().text(0, 1), "Ground\n\rElevation (m)");
    ASSERT_TRUE(s.line);
    EXPECT_EQ(s.line->poles, typed.poles);
    EXPECT_EQ(s.line->spans, typed.spans);
    // A new worksheet has no cables: the line is strung with its file's worksheet again, not
    // with the cables that were.
    NewCommand(sheet.program);  // the span file just opened: nothing to ask
    EXPECT_EQ(s.worksheet, s.fileWorksheet);
    EXPECT_EQ(s.form.Notes.caption().rfind("The worksheet cannot string the line (no cable", 0),
              0u);

    // The report goes to the host's preview with the line as shown.
    std::vector<std::string> printed;
    sheet.program.runPrintJob = [&](const ui::PrintJob& job) -> std::optional<std::string> {
        ui::RecordingSurface page("Printer", 12240, 15840);
        ui::RunPrintJob(job, page);
        for (const auto& op : page.ops())
            if (op.kind == ui::RecordedOp::Kind::Text) printed.push_back(op.text);
        return std::nullopt;
    };
    s.form.Print.click();
    EXPECT_NE(std::find(printed.begin(), printed.end(),
                        LineHeadline(*s.line, *s.solution, sheet.program.units)),
              printed.end());
    // Without results it says why, and prints nothing.
    printed.clear();
    poles().editCell(1, 2, "tall");
    sheet.dialogs.expectMessage();
    s.form.Print.click();
    EXPECT_EQ(sheet.dialogs.messages().back(),
              "The line report is not printed. No line results until every entry can be read.");
    EXPECT_TRUE(printed.empty());
}

// The line's recovery file of the fixture's program, kept under process id 111.
class KeptLineTest : public LineWindowTest {
  protected:
    KeptLineTest() { KeepLineRecoveryFile(sheet.program, 111); }
    static constexpr const char* kKept = "catenova-111.line-recovery";
    bool kept() { return sheet.folder.exists(kKept); }
    nlohmann::json keptJson() { return nlohmann::json::parse(sheet.folder.read(kKept)); }
};

TEST_F(KeptLineTest, an_unsaved_line_is_kept_at_most_once_a_second_bad_cells_and_all_until_let_go) {
    using namespace std::chrono_literals;
    stringWorksheet();
    LineSession& s = open();
    const auto t0 = std::chrono::steady_clock::now();
    KeepLine(s, t0);
    EXPECT_FALSE(kept()) << "a new line: nothing to keep";

    typeRow({"P1", "100", "24", "150", ""});
    typeRow({"P2", "16x5", "24 ft", "", ""});
    s.form.DefaultClearance.setText("17");
    KeepLine(s, t0);
    ASSERT_TRUE(kept());
    // What was typed, as typed: the cell that cannot be read and the unit written after a value.
    EXPECT_EQ(keptJson(), nlohmann::json::parse(R"({
        "format": "catenova-line-recovery", "version": 1, "line_file": "", "units": "english",
        "default_clearance": "17", "installation": "worksheet_sag", "tension": "",
        "poles": [["P1", "100", "24", "150", ""], ["P2", "16x5", "24 ft", "", ""]]})"));

    poles().editCell(2, 1, "98");
    KeepLine(s, t0 + 500ms);
    EXPECT_EQ(keptJson()["poles"][1][1], "16x5") << "within the second: not yet";
    KeepLine(s, t0 + 1100ms);
    EXPECT_EQ(keptJson()["poles"][1][1], "98");

    // Saved: removed at once. Kept again after an edit, under the file's name; removed when
    // typed back as the file holds it, when the window closes letting it go, and by New.
    const std::string path = sheet.folder.file("run.cnl");
    sheet.dialogs.answerSave(path);
    ASSERT_TRUE(SaveLineAs(s));
    EXPECT_FALSE(kept());
    poles().editCell(2, 1, "97");
    KeepLine(s, t0 + 1200ms);
    EXPECT_EQ(keptJson()["line_file"], path) << "the first write after a removal goes at once";
    poles().editCell(2, 1, "98");
    EXPECT_FALSE(kept());
    poles().editCell(2, 1, "97");
    KeepLine(s, t0 + 1300ms);
    sheet.dialogs.answerYesNoCancel(ui::Answer::No);
    s.form.Close.click();
    EXPECT_EQ(std::tuple(kept(), s.form.shown(), poles().text(2, 1)), std::tuple(false, false, std::string("98")));
    ShowLineWindow(s);
    poles().editCell(2, 1, "97");
    KeepLine(s, t0 + 1400ms);
    ASSERT_TRUE(kept());
    sheet.dialogs.answerYesNoCancel(ui::Answer::No);
    s.form.New.click();
    EXPECT_FALSE(kept());
    EXPECT_TRUE(sheet.dialogs.allAnswered());
}

TEST_F(KeptLineTest, a_left_line_is_restored_under_its_file_and_a_declined_or_unreadable_one_set_aside) {
    using namespace std::chrono_literals;
    // The program that is killed: a saved line edited, a cell left unreadable, strung at a
    // typed tension.
    stringWorksheet();
    LineSession& crashed = open();
    typeRow({"P1", "100", "24", "150", ""});
    typeRow({"P2", "98", "24", "", ""});
    const std::string path = sheet.folder.file("run.cnl");
    sheet.dialogs.answerSave(path);
    ASSERT_TRUE(SaveLineAs(crashed));
    poles().editCell(2, 1, "16x5");
    crashed.form.Installation.select(1);
    crashed.form.Tension.setText("1200");
    const auto t0 = std::chrono::steady_clock::now();
    KeepLine(crashed, t0);
    sheet.folder.write("catenova-555.recovery", "a worksheet's, not a line's");

    // Started again under metric display (process 222) in the same folder: Yes.
    test::Worksheet next("Metric \r\n2\r\n");
    next.program.dataFolder = sheet.folder.path().string();
    KeepLineRecoveryFile(next.program, 222);
    std::unique_ptr<LineSession> restored;
    const auto openWindow = [&]() -> LineSession& {
        if (!restored) restored = std::make_unique<LineSession>(next.program);
        ShowLineWindow(*restored);
        return *restored;
    };
    const auto only = [](long offered) { return [offered](long pid) { return pid != offered; }; };
    next.dialogs.answerYesNo(true);
    EXPECT_TRUE(OfferLineRecovery(next.program, openWindow, only(111)));
    EXPECT_TRUE(std::regex_match(next.dialogs.asked().back().text,
                                 std::regex(R"(Catenova did not close normally\. Restore the pole )"
                                            R"(line you had not saved \(\d\d/\d\d/\d\d \d\d:\d\d\)\?)")))
        << next.dialogs.asked().back().text;
    ASSERT_TRUE(restored && restored->form.shown());
    const ui::Grid& grid = restored->form.Poles;
    const auto m = [&](float ft) { return DisplayValueText(next.program.units, unit::kLength, ft); };
    EXPECT_EQ((Cells{grid.text(1, 0), grid.text(1, 1), grid.text(1, 3), grid.text(2, 1)}),
              (Cells{"P1", "30.48", "45.72", "16x5"}))
        << "written again in metres; the unreadable cell as typed";
    EXPECT_EQ(restored->form.DefaultClearance.text(), m(15.5f));
    EXPECT_EQ(restored->form.Installation.selected(), 1);
    EXPECT_EQ(restored->form.Problems.caption(),
              "Row 2 (P2), Ground Elevation: a length in m is needed, not \"16x5\".");
    EXPECT_EQ(restored->form.StatusFileName.caption(), path + " (modified)");
    EXPECT_EQ(std::tuple(sheet.folder.exists(kKept), sheet.folder.exists("catenova-222.line-recovery"),
                         sheet.folder.exists("catenova-555.recovery")),
              std::tuple(false, true, true))
        << "the new process's own now; a worksheet's recovery file is not a line's";
    // Let go, it goes back to what its file holds.
    next.dialogs.answerYesNoCancel(ui::Answer::No);
    restored->form.Close.click();
    EXPECT_EQ(std::tuple(grid.text(2, 1), restored->form.StatusFileName.caption()),
              std::tuple(m(98.0f), path));
    EXPECT_FALSE(sheet.folder.exists("catenova-222.line-recovery"));

    // Left again while the first program runs: not offered. Once it has gone, No sets it aside
    // for good.
    poles().editCell(2, 1, "99");
    KeepLine(crashed, t0 + 2s);
    EXPECT_FALSE(OfferLineRecovery(next.program, openWindow, [](long) { return true; }));
    next.dialogs.answerYesNo(false);
    EXPECT_FALSE(OfferLineRecovery(next.program, openWindow, only(111)));
    EXPECT_EQ(std::tuple(kept(), sheet.folder.exists("catenova-111.line-recovery.declined")),
              std::tuple(false, true));
    EXPECT_FALSE(OfferLineRecovery(next.program, openWindow, only(111)));

    // A file that cannot be read is said once and set aside.
    sheet.folder.write("catenova-333.line-recovery",
                       R"({"format": "catenova-line-recovery", "version": 1, "poles": 3})");
    next.dialogs.expectMessage();
    EXPECT_FALSE(OfferLineRecovery(next.program, openWindow, only(333)));
    EXPECT_EQ(next.dialogs.messages().back(),
              "The pole line kept in " + sheet.folder.file("catenova-333.line-recovery") +
                  " when Catenova did not close normally cannot be read (line_file is missing or "
                  "not a text): it is set aside, renamed with \".declined\".");
    EXPECT_FALSE(OfferLineRecovery(next.program, openWindow, only(333)));
    EXPECT_TRUE(sheet.folder.exists("catenova-333.line-recovery.declined"));
    EXPECT_TRUE(next.dialogs.allAnswered());
    EXPECT_EQ(grid.text(2, 1), m(98.0f)) << "nothing restored after the first";
}

}  // namespace
}  // namespace cn3::line

// The headless face of the real executable: each test runs `catenova` in a data folder of
// its own, without a display, and reads back what it wrote and the exit status.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "app/start_up.h"
#include "cli/cli_run.h"
#include "files/files_commands.h"
#include "support/odd_files.h"

namespace cn3::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// One CSV record (RFC 4180 quoting, no line breaks inside fields).
std::vector<std::string> CsvRecord(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

const std::array<std::string, 5> kStrandEntries = {"200", "1.5", "50", "20", "0.0000"};
const std::array<std::string, 5> kMetricEntries = {"60", "1.2", "20", "", "0.0000"};

void WriteStrandCoax(const DataFolder& data) {
    data.writeSpan("strand-coax.cn3", {"1/4 EHS 6M", "P 750"}, kStrandEntries, false, 1, {1, 1});
}
void WriteMetric(const DataFolder& data) {
    data.writeSpan("metric.cn3", {"5/16 EHS 10M", "P 500"}, kMetricEntries, true, 0, {0, 0});
}

// 1/4 EHS 6M with P 750 over 200 ft at a sag of 1.5 %, clearance 20 ft, both user loadings on.
// The file keeps 8 characters of "Ice+Wind 250D"; the settings file's full name is shown.
const char* const kStrandCoaxText =
    "== strand-coax.cn3\n"
    "Span Length = 200.00 ft\n"
    "Span Sag = 3.00 ft  (36.0 in)\n"
    "Span Tension = 485 lb\n"
    "         Max Load = 6,650 lb\n"
    "             Usable load (60%) = 3,990 lb\n"
    "Catenary Length = 200.120 ft\n"
    "Stress Free Length @\n"
    "      Installed Temperature = 200.018 ft\n"
    "\n"
    "Unloaded Strand\n"
    "     Sag = 2.33 ft  (28.0 in)    1.17 %\n"
    "     Tension = 259 lb\n"
    "-- temperature\n"
    "-40.0\t1.92\t757\t-0.04\t21.08\n"
    "-30.0\t2.02\t720\t-0.03\t20.98\n"
    "-20.0\t2.12\t686\t-0.03\t20.88\n"
    "-10.0\t2.22\t654\t-0.03\t20.78\n"
    ".0\t2.33\t624\t-0.02\t20.67\n"
    "10.0\t2.44\t596\t-0.02\t20.56\n"
    "20.0\t2.55\t570\t-0.02\t20.45\n"
    "30.0\t2.66\t546\t-0.01\t20.34\n"
    "40.0\t2.77\t524\t-0.01\t20.23\n"
    "50.0\t2.89\t504\t0.00\t20.11\n"
    "60.0\t3.00\t485\t0.00\t20.00\n"
    "70.0\t3.11\t468\t0.00\t19.89\n"
    "80.0\t3.22\t452\t0.01\t19.78\n"
    "90.0\t3.33\t437\t0.01\t19.67\n"
    "100.0\t3.44\t423\t0.02\t19.56\n"
    "110.0\t3.55\t410\t0.02\t19.45\n"
    "120.0\t3.66\t398\t0.03\t19.34\n"
    "130.0\t3.76\t387\t0.03\t19.24\n"
    "140.0\t3.87\t377\t0.04\t19.13\n"
    "-- nesc\n"
    "Rule 251 - Light\t30\t0.000\t9.0\t0.911\t4.03\t1,128\t0.048\t1.01\t3.80\t1.36\t70.2\n"
    "Ice 32F\t32\t0.982\t0.0\t1.273\t4.55\t1,398\t0.078\t1.14\t0.00\t4.55\t0.0\n"
    "Ice+Wind 250D\t15\t1.707\t2.3\t2.058\t5.27\t1,950\t0.125\t1.32\t1.27\t5.12\t13.9\n"
    "Hot 120F\t120\t0.000\t0.0\t0.291\t3.66\t398\t0.029\t0.91\t0.00\t3.66\t0.0\n";
// 5/16 EHS 10M with P 500 over 60 m at a sag of 1.2 m, saved under metric display: its
// loadings (the rest is what the window shows, below).
const char* const kMetricNesc =
    "-- nesc\n"
    "Rule 251 - Light\t-1.1\t0.000\t430.9\t11.300\t1.28\t3,990\t0.014\t0.57\t1.17\t0.52\t66.0\n"
    "Ice 32F\t0\t12.540\t0.0\t16.846\t1.39\t5,470\t0.036\t0.62\t0.00\t1.39\t0.0\n";

// The window's own models after "Open" and the turn to "Sag / Tension", in the text format.
std::string WindowText(const std::string& dataFolder, const fs::path& file) {
    Program program;
    program.dataFolder = dataFolder;
    if (!StartProgram(program) || !OpenSpanFile(program, file.string())) return "not opened";
    program.main.SSTab1.setTab(page::kSagTension);
    std::string text = "== " + file.string() + "\n";
    const std::string caption = program.main.Label4.caption();
    for (const auto& line : Lines(caption.substr(caption.find("\n\r") + 2)))
        text += (line.starts_with('\r') ? line.substr(1) : line) + "\n";
    text += "-- temperature\n";
    for (int r = 1; r <= 19; ++r) {
        for (int c = 0; c < 5; ++c) {
            text += QString::fromStdString(program.main.GridTemp.text(r, c)).trimmed().toStdString();
            text += c < 4 ? '\t' : '\n';
        }
    }
    return text;
}

TEST(batch_run_test, the_shipped_examples_and_a_metric_span_print_what_the_window_shows) {
    DataFolder data;
    WriteMetric(data);
    std::vector<fs::path> examples = {data.file("metric.cn3")};
    for (const auto& entry : fs::directory_iterator(fs::path(CN3_SHIPPED_DATA_DIR) / "examples"))
        examples.push_back(entry.path());
    std::sort(examples.begin(), examples.end());
    std::string arguments = "--results";
    for (const auto& file : examples) arguments += " " + Quoted(file.string());
    const Ran ran = data.run(arguments);
    EXPECT_EQ(std::tuple(ran.status, ran.err), std::tuple(0, std::string()));
    for (const auto& file : examples) {
        const std::string window = WindowText(data.path().string(), file);
        EXPECT_NE(ran.out.find(window + "-- nesc\n"), std::string::npos) << window;
    }
}

// Both spans to the digit in the text; CSV and JSON carry the same texts, JSON the numbers
// behind them in internal units too.
TEST(batch_run_test, text_csv_and_json_carry_the_same_results_in_the_units_each_file_was_saved_in) {
    DataFolder data;
    WriteStrandCoax(data);
    WriteMetric(data);
    const Ran text = data.run("--results --format text strand-coax.cn3 metric.cn3");
    const Ran csv = data.run("--results --format csv strand-coax.cn3 metric.cn3");
    const Ran json = data.run("--results --format=json strand-coax.cn3 metric.cn3");
    ASSERT_EQ(std::tuple(text.status, csv.status, json.status, text.err + csv.err + json.err),
              std::tuple(0, 0, 0, std::string()));
    EXPECT_TRUE(text.out.starts_with(std::string(kStrandCoaxText) + "== metric.cn3\n")) << text.out;
    EXPECT_TRUE(text.out.ends_with(kMetricNesc)) << text.out;

    // The text again from the CSV records.
    const auto records = Lines(csv.out);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.front(), "file,section,row,values");
    std::string fromCsv, file, section;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const auto fields = CsvRecord(records[i]);
        ASSERT_GE(fields.size(), 4u) << records[i];
        if (fields[0] != file) fromCsv += "== " + (file = fields[0]) + "\n", section = "results";
        if (fields[1] != section) fromCsv += "-- " + (section = fields[1]) + "\n";
        for (std::size_t f = 3; f < fields.size(); ++f) fromCsv += (f > 3 ? "\t" : "") + fields[f];
        fromCsv += "\n";
    }
    EXPECT_EQ(fromCsv, text.out);

    // And from the JSON texts.
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(json.out));
    ASSERT_TRUE(document.isArray());
    const auto joined = [](const QJsonArray& cells, std::string line = {}) {
        for (const auto& cell : cells) line += (line.empty() ? "" : "\t") + cell.toString().toStdString();
        return line + "\n";
    };
    std::string fromJson;
    for (const auto& entry : document.array()) {
        const QJsonObject o = entry.toObject();
        fromJson += "== " + o["file"].toString().toStdString() + "\n";
        for (const auto& line : o["results"].toArray()) fromJson += line.toString().toStdString() + "\n";
        fromJson += "-- temperature\n";
        for (const auto& row : o["temperature"].toArray()) fromJson += joined(row.toArray());
        fromJson += "-- nesc\n";
        for (const auto& row : o["nesc"].toArray())
            fromJson += joined(row.toObject()["cells"].toArray(),
                               row.toObject()["label"].toString().toStdString());
    }
    EXPECT_EQ(fromJson, text.out);

    const QJsonObject strand = document.array()[0].toObject()["values"].toObject();
    const QJsonObject metric = document.array()[1].toObject()["values"].toObject();
    EXPECT_EQ(document.array()[1].toObject()["units"].toString(), "metric");
    EXPECT_DOUBLE_EQ(strand["sag_ft"].toDouble(), 3.0);  // 1.5 % of 200 ft
    EXPECT_NEAR(metric["span_ft"].toDouble(), 60 / 0.3048, 0.01);
    EXPECT_TRUE(metric["temperature"].toArray()[0].toObject()["clearance_ft"].isNull());
}

TEST(batch_run_test, reports_listing_and_help_text_are_written_as_pdf_pages) {
    DataFolder data;
    WriteStrandCoax(data);
    WriteMetric(data);
    struct Row {
        const char* name;
        std::string arguments;
        std::string pdf;
        int pages;
    };
    const Row rows[] = {
        {"one report", "--report strand-coax.cn3 --pdf one.pdf --nesc --temperature", "one.pdf", 1},
        {"a report with its charts page",
         "--report strand-coax.cn3 --pdf charts.pdf --nesc --temperature --charts", "charts.pdf", 2},
        {"reports into a folder", "--report strand-coax.cn3 metric.cn3 --pdf out", "out/metric.pdf",
         1},
        {"the strand listing", "--cable-list --families strand --pdf strand.pdf", "strand.pdf", 1},
        // The shipped catalogue lists on one page; its help text takes three, the later two
        // headed by the help's title.
        {"the whole listing", "--cable-list --pdf all.pdf", "all.pdf", 1},
        {"the help text", "--help-text --pdf help.pdf", "help.pdf", 3},
    };
    for (const Row& row : rows) {
        const Ran ran = data.run(row.arguments);
        EXPECT_EQ(std::tuple(ran.status, ran.err), std::tuple(0, std::string())) << row.name;
        const std::string pdf = ReadWhole(data.path() / row.pdf);
        EXPECT_TRUE(pdf.starts_with("%PDF")) << row.name;
        EXPECT_EQ(PdfPages(pdf), row.pages) << row.name;
    }
    EXPECT_TRUE(data.exists("out/strand-coax.pdf"));
}

TEST(batch_run_test, a_message_goes_to_the_error_stream_and_the_other_files_are_still_done) {
    DataFolder data;
    WriteStrandCoax(data);
    data.writeSpan("unknown.cn3", {"1/4 EHS 6M", "NO SUCH CABLE"}, kStrandEntries, false, 1,
                   {0, 0});
    data.write("short.cn3", "not a span file");
    const Ran ran = data.run("--results unknown.cn3 missing.cn3 short.cn3 strand-coax.cn3");
    EXPECT_EQ(ran.status, 1);
    const auto said = Lines(ran.err);
    ASSERT_GE(said.size(), 3u) << ran.err;
    EXPECT_EQ(said[0], "unknown.cn3: Error - Unknown Cable NO SUCH CABLE");
    EXPECT_TRUE(said[said.size() - 2].starts_with("missing.cn3: Error - ")) << ran.err;
    EXPECT_TRUE(said.back().starts_with("short.cn3: Error - ")) << ran.err;
    EXPECT_NE(ran.out.find("== strand-coax.cn3\nSpan Length = 200.00 ft\n"), std::string::npos);
    EXPECT_NE(ran.out.find("== missing.cn3\n== short.cn3\n"), std::string::npos) << ran.out;

    const Ran report = data.run("--report unknown.cn3 --pdf unknown.pdf");
    EXPECT_EQ(report.status, 1);
    EXPECT_NE(report.err.find("unknown.cn3: Error - Unknown Cable NO SUCH CABLE"),
              std::string::npos);
}

// A bundle that cannot be laid out leaves the program's placeholder diameter in its entry; the
// next file must not be worked out with it, nor with anything else the first file left: every
// format, results and report alike, gives the second file exactly what it gives it alone.
TEST(batch_run_test, each_file_is_worked_out_as_if_it_were_the_only_one) {
    DataFolder data;
    WriteStrandCoax(data);
    data.writeSpan("crowded.cn3", std::vector<std::string>(15, "P 750"), kStrandEntries, false, 1,
                   {1, 1});
    {
        // 1/4 EHS 6M then the 15 coax cables: the selection the bundle cannot hold.
        SpanRecord record = ReadSpanFile((data.path() / "crowded.cn3").string()).value();
        record.cableNames[0] = "1/4 EHS 6M";
        data.write("crowded.cn3", PackSpanRecord(record));
    }
    for (const char* format : {"text", "csv", "json"}) {
        const Ran both = data.run(std::string("--results --format ") + format + " crowded.cn3 strand-coax.cn3");
        const Ran alone = data.run(std::string("--results --format ") + format + " strand-coax.cn3");
        EXPECT_EQ(both.status, 1) << format;
        EXPECT_NE(both.err.find("crowded.cn3: No results: the bundle cannot be laid out with 15 "
                                "cables: type its diameter under 'Enter Bundle Diameter'."),
                  std::string::npos)
            << both.err;
        if (std::string(format) == "json") {
            const auto second = QJsonDocument::fromJson(QByteArray::fromStdString(both.out)).array().at(1);
            const auto only = QJsonDocument::fromJson(QByteArray::fromStdString(alone.out)).array().at(0);
            EXPECT_EQ(second, only);
        } else {
            EXPECT_TRUE(both.out.ends_with(std::string(format) == "csv" ? alone.out.substr(alone.out.find('\n') + 1)
                                                                        : alone.out))
                << format << "\n" << both.out;
        }
    }
    const Ran reports = data.run("--report crowded.cn3 strand-coax.cn3 --pdf both --nesc");
    const Ran report = data.run("--report strand-coax.cn3 --pdf alone.pdf --nesc");
    EXPECT_EQ(PdfPages(ReadWhole(data.path() / "both" / "strand-coax.pdf")),
              PdfPages(ReadWhole(data.path() / "alone.pdf")));
    EXPECT_FALSE(fs::exists(data.path() / "both" / "crowded.pdf"));
}

TEST(batch_run_test, usage_errors_exit_with_status_2_and_write_nothing) {
    DataFolder data;
    WriteStrandCoax(data);
    const std::string csv = Quoted(CN3_SHIPPED_DATA_DIR "/lines/five-poles.csv");
    const std::pair<const char*, std::string> rows[] = {
        {"no action", "--data . strand-coax.cn3"},
        {"two actions", "--results --help-text strand-coax.cn3"},
        {"an unknown format", "--results --format xml strand-coax.cn3"},
        {"results without files", "--results"},
        {"a report without --pdf", "--report strand-coax.cn3"},
        {"a PDF for results", "--results strand-coax.cn3 --pdf x.pdf"},
        {"report options on results", "--results --nesc strand-coax.cn3"},
        {"charts on the listing", "--cable-list --charts --pdf x.pdf"},
        {"an unknown family", "--cable-list --families strand,coax --pdf x.pdf"},
        {"span files for the help text", "--help-text strand-coax.cn3 --pdf x.pdf"},
        {"an unknown option", "--resluts strand-coax.cn3"},
        {"a line without a worksheet", "--line " + csv},
        {"a clearance not a number", "--line " + csv + " --worksheet strand-coax.cn3 --clearance abc"},
        {"a line format unknown", "--line " + csv + " --worksheet strand-coax.cn3 --format xml"},
        {"poles neither CSV nor line file", "--line poles.txt --worksheet strand-coax.cn3"},
        {"a clearance for results", "--results strand-coax.cn3 --clearance 3"},
        {"a line and results", "--line " + csv + " --results strand-coax.cn3"},
        {"a line report without a worksheet", "--line-report " + csv + " --pdf x.pdf"},
        {"a line report without --pdf", "--line-report " + csv + " --worksheet strand-coax.cn3"},
        {"a line report with a format",
         "--line-report " + csv + " --worksheet strand-coax.cn3 --format json --pdf x.pdf"},
        {"a line report and a line", "--line-report " + csv + " --line " + csv + " --pdf x.pdf"},
    };
    for (const auto& [name, arguments] : rows) {
        const Ran ran = data.run(arguments);
        EXPECT_EQ(std::tuple(ran.status, ran.out), std::tuple(2, std::string())) << name;
        EXPECT_TRUE(ran.err.starts_with("catenova: ")) << name << ": " << ran.err;
    }
    EXPECT_FALSE(data.exists("x.pdf"));
}

// Without display or platform, from another folder than the data folder.
TEST(batch_run_test, help_version_and_results_need_no_display) {
    DataFolder data;
    WriteStrandCoax(data);
    const std::string bare = "-u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR";
    const Ran help = data.run("--help", bare);
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--results", "--format", "--report", "--pdf", "--nesc", "--temperature", "--charts", "--cable-list",
          "--families", "--help-text", "--data", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const Ran version = data.run("--version", bare);
    EXPECT_EQ(std::tuple(version.status, version.out), std::tuple(0, std::string("catenova 3.1\n")));
    const TempFolder elsewhere;
    const Ran ran = RunCatenova(elsewhere.path(),
                                "--data " + Quoted(data.path().string()) + " --results " +
                                    Quoted(data.file("strand-coax.cn3")),
                                bare);
    EXPECT_EQ(std::tuple(ran.status, ran.err), std::tuple(0, std::string()));
    EXPECT_TRUE(ran.out.starts_with("== " + data.file("strand-coax.cn3") + "\nSpan Length = 200.00 ft\n"))
        << ran.out;
}

// No units question, no settings or recent-files file written, and recovery files left by a
// window neither offered nor touched, nor any of its own written.
TEST(batch_run_test, a_run_leaves_the_windows_files_alone) {
    DataFolder data;
    WriteStrandCoax(data);
    std::string settings = data.read("CN3NESC.TXT");
    settings.replace(0, 7, "???????");
    data.write("CN3NESC.TXT", settings);
    const std::string left = data.read("strand-coax.cn3") + "/elsewhere/left.cn3";
    const std::string leftLine = R"({"format":"catenova-line-recovery","version":1})";
    data.write("catenova-1.recovery", left);  // process 1 is never a catenova
    data.write("catenova-1.line-recovery", leftLine);
    const Ran first = data.run("--results strand-coax.cn3");
    EXPECT_EQ(std::tuple(first.status, data.read("CN3NESC.TXT")), std::tuple(0, settings));
    EXPECT_FALSE(data.exists("CN3RECENT.TXT"));
    EXPECT_EQ(std::tuple(data.read("catenova-1.recovery"), data.read("catenova-1.line-recovery")),
              std::tuple(left, leftLine));
    int recoveryFiles = 0;
    for (const auto& entry : fs::directory_iterator(data.path()))
        recoveryFiles += entry.path().filename().string().find("recovery") != std::string::npos;
    EXPECT_EQ(recoveryFiles, 2);

    fs::remove(data.path() / "CN3NESC.TXT");
    const Ran missing = data.run("--cable-list --families drop --pdf drop.pdf");
    EXPECT_EQ(std::tuple(missing.status, data.exists("CN3NESC.TXT")), std::tuple(0, false));

    const TempFolder empty;
    const Ran none = data.run("--data " + Quoted(empty.path().string()) + " --results strand-coax.cn3");
    EXPECT_EQ(std::tuple(none.status, Lines(none.err).size(), none.out), std::tuple(1, 1u, std::string()))
        << "a data folder without a catalogue is said once: " << none.err;
    EXPECT_TRUE(none.err.starts_with("catenova: ")) << none.err;
}

// What is no span file to read is said at once, with the reason, and the next file is still
// done; a settings file that cannot be read is said, and the loading window's own defaults
// stand in for it.
TEST(batch_run_test, files_that_cannot_be_read_are_said_at_once_and_the_rest_done) {
    DataFolder data;
    WriteStrandCoax(data);
    data.write("long.cn3", data.read("strand-coax.cn3") + " ");
    std::vector<std::pair<std::string, std::string>> rows = {
        {"long.cn3", "is 941 bytes long, not 940, so it is not a span file"}};
    const std::pair<OddFile, const char*> odd[] = {
        {OddFile::Fifo, "is not a regular file"},
        {OddFile::DevZero, "is not a regular file"},
        {OddFile::Sparse4GiB, "is 4294967296 bytes long, not 940, so it is not a span file"},
        {OddFile::Folder, "is a folder"},
        {OddFile::ReadError, "cannot be read (Input/output error)"}};
    for (const auto& [kind, reason] : odd) {
        const std::string name = "odd" + std::to_string(rows.size()) + ".cn3";
        MakeOddFile(data, kind, name);
        rows.emplace_back(name, reason);
    }
    std::string arguments = "--results";
    std::vector<std::string> said;
    for (const auto& [name, reason] : rows) {
        arguments += " " + name;
        said.push_back(name + ": Error - The span file " + data.file(name) + " " + reason + ".");
    }
    // timeout(1) turns a hang into status 124.
    const Ran ran = data.run(arguments + " strand-coax.cn3", "-u DISPLAY timeout 60");
    EXPECT_EQ(std::tuple(ran.status, Lines(ran.err)), std::tuple(1, said));
    EXPECT_TRUE(ran.out.ends_with(kStrandCoaxText)) << ran.out;

    fs::remove(data.path() / "CN3NESC.TXT");
    const std::string settings = MakeOddFile(data, OddFile::Fifo, "CN3NESC.TXT");
    const Ran fifo = data.run("--results strand-coax.cn3", "-u DISPLAY timeout 60");
    EXPECT_EQ(std::tuple(fifo.status, fifo.out), std::tuple(1, std::string(kStrandCoaxText)));
    EXPECT_NE(fifo.err.find("Error - The settings file " + settings + " is not a regular file.\n"),
              std::string::npos)
        << fifo.err;
}

}  // namespace
}  // namespace cn3::test

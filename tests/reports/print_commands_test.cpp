// The printing buttons through the host's print job runner: which job runs on which page,
// what a failure shows, and that a cancelled or missing host prints nothing and fails nothing.
#include "reports/print_commands.h"

#include "app/wire_events.h"
#include "report_fixture.h"
#include "reports/span_report.h"
#include "support/scripted_dialogs.h"

namespace cn3::test {
namespace {

class PrintCommandsTest : public ReportTest {
  protected:
    PrintCommandsTest() {
        program.dialogs = &dialogs;
        WirePrintEvents(program);
    }
    // A host that runs every job on a recording page and answers with `answer`, as a print
    // preview does when the user prints (nothing), cancels (nothing) or the printer fails.
    void host(std::optional<std::string> answer = {}) {
        program.runPrintJob = [this, answer](const std::function<void(ui::Surface&)>& job) {
            auto surface = page();
            job(surface);
            printed.push_back(Placements(surface.ops()));
            return answer;
        };
    }
    std::vector<std::vector<Placed>> printed;
    ScriptedDialogs dialogs;
};

// Each button runs its own job; a failure of the host is shown, with the request to re-run
// after the report and the listing.
TEST_F(PrintCommandsTest, each_button_prints_its_own_pages_and_a_failure_is_shown) {
    host("The printer could not be started.");
    program.main.List1.addItem("Help line");
    program.main.Check5[0].setChecked(true);
    dialogs.expectMessage().expectMessage().expectMessage();
    program.main.Command6[3].click();
    program.main.Command6[4].click();
    program.main.Command2.click();
    ASSERT_EQ(printed.size(), 3u);
    EXPECT_EQ(std::tuple(printed[0].front().text, printed[1].front().text, printed[2].front().text),
              std::tuple(std::string(kReportTitle), "Cable Listing", "Help line"));
    const std::string failed = "The printer could not be started.";
    const std::string rerun = failed + "\r\nCorrect error and re-run command.";
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{rerun, rerun, failed}));
    EXPECT_EQ(PrintReportCommand(program), failed);
}

// Results kept from before a recomputation stopped are not printed as the span's: the report
// says why instead, and prints again once the entries are corrected.
TEST_F(PrintCommandsTest, a_report_of_results_that_are_not_for_the_current_entries_is_refused) {
    host();
    const std::string stale = "The results shown are not for the current entries: the span length is 0.";
    program.main.StatusMessage.setCaption(stale);
    dialogs.expectMessage();
    program.main.Command6[3].click();
    EXPECT_TRUE(printed.empty());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"The report is not printed. " + stale +
                                                            "\r\nCorrect error and re-run command."}));
    program.main.StatusMessage.setCaption("");
    program.main.Command6[3].click();
    EXPECT_EQ(printed.size(), 1u);
}

// No printer and the PDF choice cancelled: the host hands back nothing. A listing of no
// family has nothing to show and opens no preview.
TEST_F(PrintCommandsTest, a_cancelled_missing_or_needless_job_prints_nothing_and_fails_nothing) {
    EXPECT_EQ(PrintReportCommand(program), std::nullopt) << "no host";
    host();
    EXPECT_EQ(PrintCableListCommand(program), std::nullopt) << "no family";
    EXPECT_TRUE(printed.empty());
    EXPECT_EQ(PrintReportCommand(program), std::nullopt) << "cancelled";
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace cn3::test

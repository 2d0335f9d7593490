// Whatever a data file's path names, its reader answers at once with the file and the reason:
// the catalogue, the user-defined cables and the settings file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/catalogue.h"
#include "core/raw_text_file.h"
#include "core/settings_file.h"
#include "core/user_cables_file.h"
#include "support/odd_files.h"

namespace cn3::test {
namespace {

TEST(data_file_readers_test, what_is_no_readable_file_is_refused_with_its_reason_at_once) {
    ::alarm(60);  // a reader that blocks ends this program rather than hanging it
    TempFolder folder;
    int n = 0;
    for (const OddFile odd : kOddFiles) {
        const std::string path = MakeOddFile(folder, odd, "odd" + std::to_string(++n));
        const std::string said = " " + path + " " + DataFileReason(odd) + ".";
        SCOPED_TRACE(said);

        const auto catalogue = ReadCatalogue(path, 0);
        ASSERT_FALSE(catalogue.ok());
        EXPECT_EQ(catalogue.error().text(), "The catalogue file" + said);

        CableTable table;
        table.userSeparatorRow = table.lastCableRow = 3;
        const auto cables = ReadUserCables(path, table);
        ASSERT_FALSE(cables.ok());
        EXPECT_EQ(std::tuple(cables.error().text(), IsMissingFile(cables.error()), table.lastCableRow),
                  std::tuple("The user-defined cables file" + said, false, 3));

        const SettingsFile settings = ReadSettingsFile(path);
        ASSERT_TRUE(settings.unreadable.has_value());
        EXPECT_EQ(settings.unreadable->text(), "The settings file" + said);
        // The unit word reads as none; it is not written over what could not be read.
        EXPECT_EQ(ReadUnitWord(path), "");
        EXPECT_FALSE(WriteUnitWord(path, "Metric "));
        EXPECT_FALSE(ReadFileBytes(path).has_value());
    }
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "odd3"), std::uintmax_t{1} << 32);
    ::alarm(0);
}

TEST(data_file_readers_test, a_data_file_holds_up_to_16_mib_and_a_missing_one_is_no_fault) {
    TempFolder folder;
    const std::string path = folder.file("CN3NESC.TXT");
    for (const std::uintmax_t size : {kTextFileLimit, kTextFileLimit + 1}) {
        folder.write("CN3NESC.TXT", "English\r\n1\r\n");
        std::filesystem::resize_file(path, size);
        const SettingsFile settings = ReadSettingsFile(path);
        if (size == kTextFileLimit) {
            EXPECT_EQ(std::tuple(settings.unitLine, settings.district, settings.unreadable.has_value()),
                      std::tuple("English", std::optional<int>(1), false));
        } else {
            ASSERT_TRUE(settings.unreadable.has_value());
            EXPECT_EQ(settings.unreadable->text(),
                      "The settings file " + path +
                          " is 16777217 bytes long, more than the 16 MiB a data file may hold.");
        }
    }
    const std::string missing = folder.file("none.txt");
    CableTable table;
    const auto cables = ReadUserCables(missing, table);
    ASSERT_FALSE(cables.ok());
    EXPECT_TRUE(IsMissingFile(cables.error()));
    EXPECT_FALSE(ReadSettingsFile(missing).unreadable.has_value());
}

}  // namespace
}  // namespace cn3::test

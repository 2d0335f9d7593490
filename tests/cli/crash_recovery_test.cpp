// The real program killed after an edit: `catenova` runs its window on Qt's VNC platform (no
// display needed), the test types into it as a VNC client (the worksheet, then a pole in the
// Pole Line window), kills it with SIGKILL once both recovery files hold the edits, starts it
// again, answers both recovery questions with Return (Yes) and types once more: the worksheet
// and the pole line the new process keeps are the ones typed before.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string_view>
#include <thread>

#include "cli/cli_run.h"

namespace cn3::test {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kTab = 0xff09, kReturn = 0xff0d, kEscape = 0xff1b, kEnd = 0xff57,
                        kDown = 0xff54, kInsert = 0xff63, kControl = 0xffe3, kAlt = 0xffe9;

// Waits up to `limit` for `done`.
template <class Done>
bool WaitFor(Done done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// catenova started in the folder with its window on the VNC platform at `port`.
pid_t StartCatenova(const fs::path& folder, int port) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (chdir(folder.c_str()) != 0) _exit(127);
    const std::string platform = "QT_QPA_PLATFORM=vnc:port=" + std::to_string(port);
    putenv(const_cast<char*>(platform.c_str()));
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string log = (folder / "catenova.log").string();
    if (FILE* f = std::freopen(log.c_str(), "w", stderr)) (void)f;
    execl(CN3_CATENOVA, CN3_CATENOVA, static_cast<char*>(nullptr));
    _exit(127);
}

// The least of a VNC client: connects without a password and sends key presses.
class VncKeyboard {
  public:
    explicit VncKeyboard(int port) {
        WaitFor([&] { return tryConnect(port); }, 15s);
    }
    ~VncKeyboard() {
        if (fd_ >= 0) close(fd_);
    }
    bool connected() const { return ready_; }

    void press(std::uint32_t keysym) {
        send(keysym, true);
        send(keysym, false);
        std::this_thread::sleep_for(150ms);
    }
    // A key pressed while a modifier (kControl, kAlt) is held.
    void press(std::uint32_t modifier, std::uint32_t keysym) {
        send(modifier, true);
        press(keysym);
        send(modifier, false);
    }
    // Each key in turn.
    void type(std::string_view keys) {
        for (const char key : keys) press(static_cast<std::uint8_t>(key));
    }

  private:
    void send(std::uint32_t keysym, bool down) {
        const std::uint8_t m[8] = {4,
                                   static_cast<std::uint8_t>(down),
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(keysym >> 24),
                                   static_cast<std::uint8_t>(keysym >> 16),
                                   static_cast<std::uint8_t>(keysym >> 8),
                                   static_cast<std::uint8_t>(keysym)};
        (void)!write(fd_, m, sizeof m);
    }

    bool readExactly(void* to, std::size_t n) {
        auto* p = static_cast<char*>(to);
        while (n > 0) {
            const ssize_t got = read(fd_, p, n);
            if (got <= 0) return false;
            p += got;
            n -= static_cast<std::size_t>(got);
        }
        return true;
    }

    bool tryConnect(int port) {
        if (fd_ >= 0) close(fd_);
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
        char version[12];
        if (!readExactly(version, sizeof version)) return false;
        (void)!write(fd_, version, sizeof version);
        if (std::string(version, 11) == "RFB 003.003") {
            std::uint8_t security[4];
            if (!readExactly(security, 4)) return false;
        } else {
            std::uint8_t count = 0;
            if (!readExactly(&count, 1)) return false;
            std::string types(count, '\0');
            if (!readExactly(types.data(), count)) return false;
            const std::uint8_t none = 1;
            (void)!write(fd_, &none, 1);
            std::uint8_t result[4];
            if (std::string(version, 11) >= "RFB 003.008" && !readExactly(result, 4)) return false;
        }
        const std::uint8_t shared = 1;
        (void)!write(fd_, &shared, 1);
        std::uint8_t init[24];
        if (!readExactly(init, sizeof init)) return false;
        const std::uint32_t nameLength =
            (std::uint32_t{init[20]} << 24) | (init[21] << 16) | (init[22] << 8) | init[23];
        std::string name(nameLength, '\0');
        ready_ = readExactly(name.data(), nameLength);
        return ready_;
    }

    int fd_ = -1;
    bool ready_ = false;
};

// A pole line recovery file that holds a cell of that text.
bool HoldsCell(const fs::path& file, const std::string& text) {
    return ReadWhole(file).find('"' + text + '"') != std::string::npos;
}

// The record's 940 bytes of a recovery file.
std::string RecordOf(const fs::path& file) {
    return ReadWhole(file).substr(0, kSpanRecordSize);
}

TEST(crash_recovery_test, the_real_program_killed_after_edits_gives_the_worksheet_and_the_pole_line_back) {
    TempFolder folder;
    folder.copyShipped("CABLEDAT.TXT");
    folder.write("CN3NESC.TXT", "English\r\n2\r\n");
    const int port = 20000 + static_cast<int>(getpid() % 20000);

    // The first program: Tab through the window, typing "K" until a field takes it.
    const pid_t first = StartCatenova(folder.path(), port);
    const fs::path firstFile = folder.path() / ("catenova-" + std::to_string(first) + ".recovery");
    const fs::path firstLine =
        folder.path() / ("catenova-" + std::to_string(first) + ".line-recovery");
    int tabs = 0;
    {
        VncKeyboard keys(port);
        ASSERT_TRUE(keys.connected()) << ReadWhole(folder.path() / "catenova.log");
        std::this_thread::sleep_for(500ms);
        const auto typed = [&] {
            return fs::exists(firstFile) && RecordOf(firstFile).find('K') != std::string::npos;
        };
        while (tabs < 15 && !typed()) {
            keys.press(kTab);
            ++tabs;
            keys.press('K');
            WaitFor(typed, 1500ms);
        }
        ASSERT_TRUE(typed()) << "no field took the typing";
        // Ctrl+L opens the Pole Line window; Insert makes a row, whose first cell is typed.
        keys.press(kControl, 'l');
        std::this_thread::sleep_for(500ms);
        keys.press(kInsert);
        keys.type("P1");
        keys.press(kReturn);
        ASSERT_TRUE(WaitFor([&] { return HoldsCell(firstLine, "P1"); }, 5s))
            << "the pole line's recovery file holds the pole typed";
    }
    const std::string killed = RecordOf(firstFile);
    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    ASSERT_TRUE(fs::exists(firstFile)) << "a killed program leaves its recovery file";

    // Started again: both questions are answered Yes. The Pole Line window opens on the pole
    // typed, which the new program keeps; a second pole typed under it joins it. Closed with
    // No (the line let go), the window leaves the worksheet, whose field gets a "Z" at its end.
    const pid_t second = StartCatenova(folder.path(), port + 1);
    const fs::path secondFile =
        folder.path() / ("catenova-" + std::to_string(second) + ".recovery");
    const fs::path secondLine =
        folder.path() / ("catenova-" + std::to_string(second) + ".line-recovery");
    std::string kept;
    {
        VncKeyboard keys(port + 1);
        ASSERT_TRUE(keys.connected()) << ReadWhole(folder.path() / "catenova.log");
        std::this_thread::sleep_for(1s);
        keys.press(kReturn);
        EXPECT_TRUE(WaitFor([&] { return fs::exists(secondFile); }, 5s))
            << "the restored worksheet becomes the new program's recovery file";
        EXPECT_FALSE(fs::exists(firstFile));
        keys.press(kReturn);
        EXPECT_TRUE(WaitFor([&] { return fs::exists(secondLine); }, 5s));
        EXPECT_FALSE(fs::exists(firstLine));
        keys.press(kDown);  // from the last row: a new pole
        keys.type("P2");
        keys.press(kReturn);
        EXPECT_TRUE(WaitFor(
            [&] { return HoldsCell(secondLine, "P1") && HoldsCell(secondLine, "P2"); }, 5s))
            << ReadWhole(secondLine);
        keys.press(kEscape);
        std::this_thread::sleep_for(500ms);
        keys.press(kAlt, 'n');
        EXPECT_TRUE(WaitFor([&] { return !fs::exists(secondLine); }, 5s));
        for (int i = 0; i < tabs; ++i) keys.press(kTab);
        keys.press(kEnd);
        keys.press('Z');
        WaitFor([&] { return RecordOf(secondFile).find("KZ") != std::string::npos; }, 5s);
        kept = RecordOf(secondFile);
    }
    kill(second, SIGKILL);
    waitpid(second, nullptr, 0);

    // The worksheet typed in the killed program, with the "Z" typed after its "K".
    ASSERT_EQ(kept.size(), killed.size());
    const auto at = killed.find('K');
    EXPECT_EQ(kept.substr(0, at + 1), killed.substr(0, at + 1));
    EXPECT_EQ(kept[at + 1], 'Z');
}

}  // namespace
}  // namespace cn3::test

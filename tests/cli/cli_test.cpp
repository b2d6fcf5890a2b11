// marlix-cli run as a program, in a fresh working directory per test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/export/camera_conf.h"
#include "core/export/camera_conf_reader.h"
#include "core/pages/page_fields.h"
#include "tests/support/scratch_dir.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "core/platform/text_win32.h"
#else
#include <fcntl.h>
#include <sched.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>

#include "tests/devices/sysfs_fixture.h"
#include "tests/support/stalling_card.h"
#endif

namespace marlix {
namespace {

namespace fs = std::filesystem;

using test_support::ReadTestFile;
using test_support::WriteTestFile;

// A relative path as the messages show it: with the system's separator, which on Windows is a
// backslash and so shown escaped like every backslash in a message.
std::string shownPath(const fs::path& relative) {
    std::string shown;
    for (const char c : relative.string())
        shown += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return shown;
}

#ifdef _WIN32
// One argument of a Windows command line, quoted the way the C run-time splits it again.
std::wstring quoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes are literal except before a quote, where they are doubled.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}
#endif

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::ostream& operator<<(std::ostream& os, const CliRun& r) {
    return os << "status " << r.status << "\n--- stdout\n" << r.out << "--- stderr\n" << r.err;
}

class Cli : public test_support::ScratchDirTest {
protected:
    void SetUp() override {
        ScratchDirTest::SetUp();
        fs::create_directories(m_dir / "work");
    }

    fs::path work() const { return m_dir / "work"; }

    // Runs the test build of marlix-cli, which scans the fixture drives of attachCards().
    CliRun run(std::vector<std::string> args) const { return runProgram(MARLIX_CLI_TEST, args); }

    // With stdoutPath, standard output goes to that file instead of being captured; an empty
    // path leaves it closed.
#ifdef _WIN32
    CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      std::optional<fs::path> stdoutPath = std::nullopt) const {
        const fs::path outPath = stdoutPath.value_or(m_dir / "stdout");
        const fs::path errPath = m_dir / "stderr";
        std::wstring commandLine = quoteArgument(Utf8ToWide(program));
        for (const std::string& a : args) commandLine += L" " + quoteArgument(Utf8ToWide(a));
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        auto create = [&](const fs::path& path) {
            return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                 CREATE_ALWAYS, 0, nullptr);
        };
        CliRun r;
        std::string notStarted;
        bool started = false;
        // Under Wine on a busy machine a process now and then fails to start, or ends before
        // the program runs: a few tries, and the reason if none starts.
        for (int attempt = 0; attempt < 3 && !started; ++attempt) {
            if (attempt > 0)
                ::Sleep(300);
            // An empty path leaves standard output without a handle.
            const HANDLE out = outPath.empty() ? nullptr : create(outPath);
            const HANDLE err = create(errPath);
            STARTUPINFOW startup{};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = out;
            startup.hStdError = err;
            PROCESS_INFORMATION process{};
            if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE) {
                notStarted =
                    "cannot open the output files: error " + std::to_string(::GetLastError());
            } else if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                         nullptr, work().c_str(), &startup, &process)) {
                notStarted = "CreateProcess failed: error " + std::to_string(::GetLastError());
            } else {
                DWORD code = 0;
                if (::WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                    ::GetExitCodeProcess(process.hProcess, &code)) {
                    r.status = static_cast<int>(code);
                }
                // marlix-cli ends with 0, 1 or 2; -1 is a process that never came to run it.
                started = r.status != -1;
                if (!started)
                    notStarted = "the process ended with -1 before marlix-cli ran";
                ::CloseHandle(process.hThread);
                ::CloseHandle(process.hProcess);
            }
            for (const HANDLE h : {out, err}) {
                if (h != nullptr && h != INVALID_HANDLE_VALUE)
                    ::CloseHandle(h);
            }
        }
        if (!started) {
            r.err = "(marlix-cli did not run: " + notStarted + ")";
            return r;
        }
        if (!stdoutPath)
            r.out = ReadTestFile(outPath);
        r.err = ReadTestFile(errPath);
        return r;
    }
#else
    CliRun runProgram(std::string program, std::vector<std::string> args,
                      std::optional<fs::path> stdoutPath = std::nullopt) const {
        const pid_t pid = startProgram(std::move(program), std::move(args), stdoutPath);
        int wstatus = 0;
        const bool ended = pid > 0 && ::waitpid(pid, &wstatus, 0) == pid;
        return finished(ended, wstatus, stdoutPath);
    }

    // marlix-cli-test started and not waited for.
    pid_t startProgram(std::string program, std::vector<std::string> args,
                       std::optional<fs::path> stdoutPath = std::nullopt) const {
        const fs::path outPath = stdoutPath.value_or(m_dir / "stdout");
        const fs::path errPath = m_dir / "stderr";
        const fs::path inPath = m_dir / "stdin";
        if (m_input)
            WriteTestFile(inPath, *m_input);
        std::vector<char*> argv;
        argv.push_back(program.data());
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            const int out =
                outPath.empty() ? -1 : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const bool outReady = outPath.empty() ? ::close(1) == 0 : ::dup2(out, 1) >= 0;
            const int in = m_input ? ::open(inPath.c_str(), O_RDONLY) : 0;
            if ((out < 0 && !outPath.empty()) || err < 0 || !outReady || ::dup2(err, 2) < 0 ||
                in < 0 || ::dup2(in, 0) < 0 || ::chdir(work().c_str()) != 0) {
                ::_exit(127);
            }
            for (const auto& [name, value] : m_env) ::setenv(name.c_str(), value.c_str(), 1);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        return pid;
    }

    // What a started program did, once it has ended; one that has not ended within a minute
    // is killed and reported with status -1 (the test fails instead of hanging).
    CliRun waitForProgram(pid_t pid) const {
        int wstatus = 0;
        bool ended = false;
        for (int i = 0; i < 1200 && !ended; ++i) {
            ended = ::waitpid(pid, &wstatus, WNOHANG) == pid;
            if (!ended)
                ::usleep(50000);
        }
        if (!ended)
            ::kill(pid, SIGKILL);
        return finished(ended, wstatus);
    }

    CliRun finished(bool ended, int wstatus, std::optional<fs::path> stdoutPath = {}) const {
        CliRun r;
        if (ended && WIFEXITED(wstatus))
            r.status = WEXITSTATUS(wstatus);
        if (!stdoutPath)
            r.out = ReadTestFile(m_dir / "stdout");
        r.err = ReadTestFile(m_dir / "stderr");
        return r;
    }

    struct Card {
        std::string directory;  // under the scratch directory
        std::string udevLabel;  // as udev encodes it
        std::string version;    // version.txt, none when empty
    };

    // Removable cards mounted as the drive scan would find them; returns their mount points.
    std::vector<fs::path> attachCards(const std::vector<Card>& cards) {
        // The mount table escapes blanks and backslashes in octal, as the kernel does.
        const auto mountInfoField = [](const std::string& path) {
            std::string out;
            for (const char c : path) {
                if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
                    const auto byte = static_cast<unsigned char>(c);
                    out += '\\';
                    out += static_cast<char>('0' + (byte >> 6));
                    out += static_cast<char>('0' + ((byte >> 3) & 7));
                    out += static_cast<char>('0' + (byte & 7));
                } else {
                    out += c;
                }
            }
            return out;
        };
        std::string mountInfo = "22 1 8:2 / / rw,relatime - ext4 /dev/sda2 rw\n";
        const fs::path sys = m_dir / "sys";
        fixture::SysfsTree tree(sys);
        tree.AddDisk({"sda", {8, 0}, fixture::SataDisk(0), "0", "0", {{"sda2", {8, 2}}}});
        std::vector<fs::path> mounted;
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const Card& c = cards[i];
            const fs::path card = m_dir / c.directory;
            fs::create_directories(card);
            const auto minor = static_cast<unsigned>(16 * (i + 1));
            const std::string disk = std::string("sd") + static_cast<char>('b' + i);
            mountInfo += std::to_string(40 + i) + " 22 8:" + std::to_string(minor + 1) + " / " +
                         mountInfoField(card.string()) + " rw,relatime - vfat /dev/" + disk +
                         "1 rw\n";
            tree.AddDisk({disk,
                          {8, minor},
                          fixture::UsbDisk(static_cast<int>(i + 1)),
                          "1",
                          "0",
                          {{disk + "1", {8, minor + 1}}}});
            WriteTestFile(m_dir / ("udev/b8:" + std::to_string(minor + 1)),
                          "E:ID_FS_LABEL_ENC=" + c.udevLabel + "\n");
            if (!c.version.empty())
                WriteTestFile(card / "version.txt", c.version);
            mounted.push_back(card);
        }
        WriteTestFile(m_dir / "mountinfo", mountInfo);
        m_env["MARLIX_TEST_MOUNTINFO"] = (m_dir / "mountinfo").string();
        m_env["MARLIX_TEST_SYSFS"] = sys.string();
        m_env["MARLIX_TEST_UDEV_DATA"] = (m_dir / "udev").string();
        return mounted;
    }

    fs::path attachCard(std::string udevLabel = "CAM", std::string version = "") {
        return attachCards({{"card", std::move(udevLabel), std::move(version)}}).front();
    }
#endif

    std::string cfg() const {
        return ReadTestFile(work() / "cfg.ini");
    }

    std::map<std::string, std::string> m_env;
    std::optional<std::string> m_input;  // standard input of the programs run (POSIX only)
};

std::string defaultConf() {
    ProfileSelections s = DefaultSelections();
    s.system.m_syncClock = 0;
    return BuildCameraConf(s, "");
}

// What "show default" prints: the default profile's lines of the first-run file.
std::string defaultShow() {
    const std::string firstRun =
        ReadTestFile(fs::path(MARLIX_TEST_DATA) / "profiles/first_run_cfg.ini");
    const std::string header = "[profile-default]\n";
    return firstRun.substr(firstRun.find(header) + header.size());
}

TEST_F(Cli, UsageErrorsExitWithTwoAndHelpWithZero) {
    const std::vector<std::vector<std::string>> usage = {
        {},
        {"frobnicate"},
        {"--verbose", "profiles"},
        {"--config"},
        {"profiles", "extra"},
        {"show"},
        {"show", "a", "b"},
        {"new", "a", "--from"},
        {"new", "a", "--colour=red"},
        {"set", "default"},
        {"set", "default", "mode_3"},
        {"write", "default"},
        {"write", "default", "--output", "a", "--device", "/x"},
        {"write", "default", "--output", "a", "--sync-clock", "--no-sync-clock"},
        {"write", "default", "--output", "a", "--output", "b"},
        {"write", "default", "--sync-clock=yes", "--output", "a"},
        {"check"},
        {"import", "camera.conf"},
        {"diff", "default"},
        {"mount"},
        {"eject", "a", "b"},
    };
    for (const auto& args : usage) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args) << "\n" << r;
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty()) << r;
    }
    EXPECT_FALSE(fs::exists(work() / "cfg.ini")) << "a refused command line opens no file";

    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command : {"profiles", "show", "new", "delete", "set", "write", "devices",
                                "check", "import", "diff", "mount", "eject"}) {
        EXPECT_NE(help.out.find(std::string("  ") + command), std::string::npos) << command;
        const CliRun one = run({command, "--help"});
        EXPECT_EQ(one.status, 0) << one;
        EXPECT_EQ(one.out.rfind(std::string("Usage: marlix-cli [--config FILE] ") + command, 0), 0u)
            << one;
    }
}

TEST_F(Cli, FirstRunSeedsTheProfileFileAndShowsTheDefaults) {
    // Commands that only read see what a first run would write, and write nothing.
    const CliRun list = run({"profiles"});
    ASSERT_EQ(list.status, 0) << list;
    EXPECT_EQ(list.out, "default\n");
    EXPECT_FALSE(fs::exists(work() / "cfg.ini"));
    ASSERT_EQ(run({"show", "default"}).out, defaultShow());
    EXPECT_FALSE(fs::exists(work() / "cfg.ini"));
    ASSERT_EQ(run({"new", "other"}).status, 0);
    std::string written = cfg();  // with the system's line ends
    written.erase(std::remove(written.begin(), written.end(), '\r'), written.end());
    EXPECT_EQ(
        written.rfind(ReadTestFile(fs::path(MARLIX_TEST_DATA) / "profiles/first_run_cfg.ini"), 0),
        0u);

    const CliRun show = run({"show", "default"});
    ASSERT_EQ(show.status, 0) << show;
    EXPECT_EQ(show.out, defaultShow());

    const CliRun missing = run({"show", "nosuch"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cfg.ini"), std::string::npos) << missing;
    EXPECT_NE(missing.err.find("nosuch"), std::string::npos) << missing;
}

TEST_F(Cli, ConfigOptionChoosesTheProfileFile) {
    const fs::path other = m_dir / "profiles" / "cards.ini";
    fs::create_directories(other.parent_path());
    EXPECT_EQ(run({"--config", other.string(), "new", "field"}).status, 0);
    const CliRun list = run({"--config=" + other.string(), "profiles"});
    EXPECT_EQ(list.out, "default\nfield\n") << list;
    EXPECT_FALSE(fs::exists(work() / "cfg.ini"));

    WriteTestFile(m_dir / "plain", "x");
    const CliRun bad = run({"--config", (m_dir / "plain" / "cfg.ini").string(), "profiles"});
    EXPECT_EQ(bad.status, 1) << bad;
    EXPECT_NE(bad.err.find(shownPath(fs::path("plain") / "cfg.ini")), std::string::npos) << bad;
}

TEST_F(Cli, NewAndDeleteFollowTheWindowsNameRules) {
    ASSERT_EQ(run({"new", "beach"}).status, 0);
    ASSERT_EQ(run({"set", "beach", "mode_3=8M"}).status, 0);
    ASSERT_EQ(run({"new", "copy", "--from", "beach"}).status, 0);
    EXPECT_EQ(run({"profiles"}).out, "default\nbeach\ncopy\n");
    EXPECT_NE(run({"show", "copy"}).out.find("mode_3=8M\n"), std::string::npos);
    EXPECT_NE(run({"show", "beach"}).out.find("sync_clock=TRUE\n"), std::string::npos);

    const std::string before = cfg();
    const CliRun duplicate = run({"new", "beach"});
    EXPECT_EQ(duplicate.status, 1);
    EXPECT_NE(duplicate.err.find("This name has be used !"), std::string::npos) << duplicate;
    const CliRun badFrom = run({"new", "other", "--from", "nosuch"});
    EXPECT_EQ(badFrom.status, 1);
    const CliRun badName = run({"new", "a]b"});
    EXPECT_EQ(badName.status, 1) << badName;
    EXPECT_EQ(cfg(), before);

    EXPECT_EQ(run({"delete", "beach"}).status, 0);
    EXPECT_EQ(run({"profiles"}).out, "default\ncopy\n");
    const CliRun again = run({"delete", "beach"});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("beach"), std::string::npos);
}

TEST_F(Cli, SetAcceptsOnlyWhatThePagesOfferAndWritesAllOrNothing) {
    ASSERT_EQ(run({"profiles"}).status, 0);
    const CliRun ok = run({"set", "default", "mode_1=1600x1200p 30", "image_ev=-0.7",
                           "sync_clock=false", "photo_burst=10p"});
    ASSERT_EQ(ok.status, 0) << ok;
    const std::string shown = run({"show", "default"}).out;
    for (const char* line : {"mode_1=1600x1200p 30\n", "image_ev=-0.7\n", "sync_clock=FALSE\n",
                             "photo_burst=10p\n", "auto_shoot=3s\n"}) {
        EXPECT_NE(shown.find(line), std::string::npos) << line;
    }

    const std::string before = cfg();
    struct Refusal {
        std::vector<std::string> pairs;
        const char* named;
    };
    const Refusal refusals[] = {
        {{"image_iso=3200"}, "\"auto\", \"100\", \"200\", \"400\", \"800\", \"1600\""},
        {{"auto_shutdown=30Min"}, "\"off\", \"3Min\", \"5Min\", \"10Min\""},
        {{"auto_shutdown=60Min"}, "auto_shutdown"},
        {{"photo_burst=20p"}, "\"off\", \"3p\", \"5p\", \"10p\""},
        {{"mode_3=8M", "fov=Wide"}, "\"wide\", \"normal\", \"narrow\""},
        {{"sync_clock=yes"}, "\"TRUE\", \"FALSE\""},
        {{"zoom=2x", "mode_3=8M"}, "unknown key \"zoom\""},
        {{"mode_3=8M", "enable_cfg=true"}, "unknown key \"enable_cfg\""},
    };
    for (const Refusal& r : refusals) {
        std::vector<std::string> args = {"set", "default"};
        args.insert(args.end(), r.pairs.begin(), r.pairs.end());
        const CliRun refused = run(args);
        EXPECT_EQ(refused.status, 1) << refused;
        EXPECT_NE(refused.err.find(r.named), std::string::npos) << refused;
        EXPECT_EQ(cfg(), before) << ::testing::PrintToString(r.pairs);
    }
    EXPECT_EQ(run({"set", "nosuch", "mode_3=8M"}).status, 1);
}

TEST_F(Cli, SetWritesOnlyTheKeysItIsGiven) {
    // Values typed by hand that no page offers, in a profile that lacks most keys.
    const std::string head = "; mine\n[profile-hand]\nimage_iso=3200\nauto_shutdown=60Min\n";
    const std::string tail = "sync_clock=yes\n[other]\nk=v\n";
    WriteTestFile(work() / "cfg.ini", head + "mode_1=1920x1080p 60\n" + tail);
    const CliRun r = run({"set", "hand", "mode_3=8M", "mode_1=1600x1200p 30"});
    ASSERT_EQ(r.status, 0) << r;
    EXPECT_EQ(cfg(), head + "mode_1=1600x1200p 30\nsync_clock=yes\nmode_3=8M\n[other]\nk=v\n");
}

TEST_F(Cli, WriteOutputIsWhatSetWrites) {
    ASSERT_EQ(run({"profiles"}).status, 0);
    const fs::path out = m_dir / "out" / "camera.conf";
    fs::create_directories(out.parent_path());
    const CliRun plain = run({"write", "default", "--output", out.string(), "--no-sync-clock"});
    ASSERT_EQ(plain.status, 0) << plain;
    EXPECT_EQ(ReadTestFile(out), defaultConf());
    EXPECT_EQ(ReadTestFile(out),
              ReadTestFile(fs::path(MARLIX_TEST_DATA) / "export/default_camera.conf"));

    // The default profile asks for the clock: a last line with the local time.
    ASSERT_EQ(run({"write", "default", "--output", out.string()}).status, 0);
    const std::string withClock = ReadTestFile(out);
    const std::size_t settings = defaultConf().size();
    ASSERT_EQ(withClock.size(),
              settings + std::string("sync_clock=YYYY-MM-DD hh:mm:ss\r\n").size());
    EXPECT_EQ(withClock.substr(0, settings), defaultConf());
    EXPECT_EQ(withClock.substr(settings, 11), "sync_clock=");
    EXPECT_TRUE(withClock.ends_with("\r\n"));

    // Both photo choices are kept: no interlock flag exists outside the window.
    ASSERT_EQ(run({"set", "default", "photo_burst=5p", "auto_shoot=10s", "sync_clock=FALSE",
                   "image_wb=incandescent"})
                  .status,
              0);
    ASSERT_EQ(run({"write", "default", "--output=" + out.string()}).status, 0);
    ProfileSelections expected = DefaultSelections();
    expected.photo.m_photoBurst = 2;
    expected.photo.m_autoShoot = 5;
    expected.image.m_wb = 3;
    expected.system.m_syncClock = 0;
    EXPECT_EQ(ReadTestFile(out), BuildCameraConf(expected, ""));
    ASSERT_EQ(run({"write", "default", "--output", out.string(), "--sync-clock"}).status, 0);
    EXPECT_EQ(ReadTestFile(out).size(), BuildCameraConf(expected, "").size() + 32);

    const CliRun nowhere =
        run({"write", "default", "--output", (m_dir / "gone" / "camera.conf").string()});
    EXPECT_EQ(nowhere.status, 1);
    EXPECT_NE(nowhere.err.find(shownPath(fs::path("gone") / "camera.conf")), std::string::npos)
        << nowhere;
    EXPECT_EQ(run({"write", "nosuch", "--output", out.string()}).status, 1);
}

#ifndef _WIN32
// The drive scan of Windows is checked with a Wine drive of the removable type by
// scripts/wine-tests; these cases need the Linux fixtures.
TEST_F(Cli, DevicesListsTheCardAndWriteDeviceTakesOnlyListedRoots) {
    const fs::path card = attachCard("CAM\\x20ONE", "FW 1.2\r\nbuild\t7");
    const CliRun devices = run({"devices"});
    ASSERT_EQ(devices.status, 0) << devices;
    ASSERT_FALSE(devices.out.empty());
    const std::string row = devices.out.substr(0, devices.out.find('\n'));
    EXPECT_EQ(row.substr(0, row.find('\t')), card.string() + "/");
    EXPECT_NE(row.find("\tCAM ONE\t"), std::string::npos) << row;
    EXPECT_NE(row.find(" MB("), std::string::npos) << row;
    EXPECT_EQ(row.substr(row.rfind("\tFW")), "\tFW 1.2\\r\\nbuild\\t7");
    EXPECT_EQ(devices.out, row + "\n") << "the system disk is not listed";

    for (const std::string& root : {card.string(), card.string() + "/"}) {
        fs::remove(card / "camera.conf");
        const CliRun written = run({"write", "default", "--device", root, "--no-sync-clock"});
        ASSERT_EQ(written.status, 0) << written;
        EXPECT_EQ(ReadTestFile(card / "camera.conf"), defaultConf());
    }

    fs::create_directories(m_dir / "notacard");
    for (const std::string& root : {(m_dir / "notacard").string(), std::string("/")}) {
        for (const std::string command : {"write", "eject", "mount"}) {
            const CliRun refused = command == "write" ? run({"write", "default", "--device", root})
                                                      : run({command, root});
            EXPECT_EQ(refused.status, 1) << refused;
            // The message names the drive asked for and, where a drive was wanted, the listed ones.
            EXPECT_NE(refused.err.find(command == "mount" ? root : card.string() + "/"),
                      std::string::npos)
                << refused;
        }
        EXPECT_FALSE(fs::exists(m_dir / "notacard" / "camera.conf"));
    }
}

TEST_F(Cli, ShippedToolScansOnlyTheSystemsDrives) {
    // The fixture variables make a plain directory a removable card for the test build ...
    const fs::path card = attachCard();
    ASSERT_NE(run({"devices"}).out.find(card.string()), std::string::npos);

    // ... but the tool that is installed takes no such hint.
    const CliRun devices = runProgram(MARLIX_CLI, {"devices"});
    EXPECT_EQ(devices.out.find(card.string()), std::string::npos) << devices;
    ASSERT_EQ(runProgram(MARLIX_CLI, {"profiles"}).status, 0);
    const CliRun refused =
        runProgram(MARLIX_CLI, {"write", "default", "--device", card.string(), "--no-sync-clock"});
    EXPECT_EQ(refused.status, 1) << refused;
    EXPECT_FALSE(fs::exists(card / "camera.conf"));
    EXPECT_EQ(ReadTestFile(MARLIX_CLI).find("MARLIX_TEST_MOUNTINFO"), std::string::npos);
}

TEST_F(Cli, DevicesEscapesEveryField) {
    // A root with a backslash and a line break; a label with a backslash followed by "n", a tab
    // and a terminal escape; a version text with a line break and a C1 control.
    attachCards({{"ca\\rd\n2", "CAM\\x5cn\\x09\\x1b[2J",
                  "v\\1\r\n\xc2\x9b"
                  "1;2H\x7f"}});
    const CliRun devices = run({"devices"});
    ASSERT_EQ(devices.status, 0) << devices;
    ASSERT_EQ(devices.out.find('\n'), devices.out.size() - 1) << devices;
    std::vector<std::string> fields;
    std::stringstream row(devices.out.substr(0, devices.out.size() - 1));
    for (std::string field; std::getline(row, field, '\t');) fields.push_back(field);
    ASSERT_EQ(fields.size(), 4u) << devices;
    EXPECT_EQ(fields[0], m_dir.string() + "/ca\\\\rd\\n2/");
    EXPECT_EQ(fields[1], "CAM\\\\n\\t\\x1b[2J");
    EXPECT_EQ(fields[3], "v\\\\1\\r\\n\\xc2\\x9b1;2H\\x7f");
}

TEST_F(Cli, WriteDeviceTakesTheRootPlainOrAsPrinted) {
    // One root ends in a backslash and "n", the other in a line break: typed plainly, the first
    // reads the same as the second as `devices` prints it, so that form names no card.
    const auto cards = attachCards({{"x\\n", "ONE", ""}, {"x\n", "TWO", ""}});
    const std::string printedOne = m_dir.string() + "/x\\\\n/";
    const std::string printedTwo = m_dir.string() + "/x\\n/";
    const CliRun devices = run({"devices"});
    EXPECT_NE(devices.out.find(printedOne + "\tONE\t"), std::string::npos) << devices;
    EXPECT_NE(devices.out.find(printedTwo + "\tTWO\t"), std::string::npos) << devices;

    struct Case {
        std::string root;
        std::size_t card;
    };
    const Case cases[] = {
        {printedOne, 0},
        {printedOne.substr(0, printedOne.size() - 1), 0},
        {cards[1].string(), 1},
        {cards[1].string() + "/", 1},
    };
    const auto clear = [&] {
        for (const fs::path& card : cards) fs::remove(card / "camera.conf");
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        clear();
        const CliRun written = run({"write", "default", "--device", c.root, "--no-sync-clock"});
        EXPECT_EQ(written.status, 0) << written;
        EXPECT_EQ(ReadTestFile(cards[c.card] / "camera.conf"), defaultConf());
        EXPECT_FALSE(fs::exists(cards[1 - c.card] / "camera.conf"));
        EXPECT_EQ(written.out, "Wrote " + (c.card ? printedTwo : printedOne) + "camera.conf\n");
    }

    clear();
    for (const std::string& root : {cards[0].string(), printedTwo}) {
        const CliRun refused = run({"write", "default", "--device", root, "--no-sync-clock"});
        EXPECT_EQ(refused.status, 1) << refused;
        EXPECT_NE(refused.err.find("is more than one listed removable drive"), std::string::npos)
            << refused;
        for (const fs::path& card : cards) EXPECT_FALSE(fs::exists(card / "camera.conf"));
    }
}
#endif

// Bytes a terminal would act on, other than the line ends between messages.
bool holdsRawControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\n') || byte == 0x7F;
    });
}

TEST_F(Cli, ProfilesAndMessagesAreEscapedLikeDevices) {
    ASSERT_EQ(run({"new", "back\\slash"}).status, 0);
    ASSERT_EQ(run({"new", "edited"}).status, 0);
    // Names are checked when marlix makes them; a hand-edited file may hold anything.
    std::string text = cfg();
    text.replace(text.find("[profile-edited]"), 16,
                 "[profile-bell\x07tab\tesc\x1b"
                 "c]");
    WriteTestFile(work() / "cfg.ini", text);
    const CliRun list = run({"profiles"});
    ASSERT_EQ(list.status, 0) << list;
    EXPECT_EQ(list.out, "default\nback\\\\slash\nbell\\x07tab\\tesc\\x1bc\n");

    const std::vector<std::vector<std::string>> refused = {
        {"show", "no\x1b[2Jsuch"},
        {"check", "gone\r\n.conf"},
        {"new", "x", "--from", "tab\tbed"},
        {"frob\x1bnicate"},
        {"--config", (work() / "cfg.ini" / "x\x9b").string(), "profiles"},
    };
    for (const auto& args : refused) {
        const CliRun r = run(args);
        EXPECT_NE(r.status, 0) << r;
        EXPECT_FALSE(r.err.empty());
        EXPECT_FALSE(holdsRawControl(r.err)) << r;
    }
    const CliRun missing = run({"show", "no\x1b[2Jsuch\\"});
    EXPECT_NE(missing.err.find("\"no\\x1b[2Jsuch\\\\\""), std::string::npos) << missing;
}

TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
    ASSERT_EQ(run({"profiles"}).status, 0);
    struct Case {
        std::vector<std::string> args;
        fs::path out;
        const char* reason;
    };
#ifdef _WIN32
    const std::string noHandle = WindowsErrorText(ERROR_INVALID_HANDLE);
    const Case cases[] = {
        {{"profiles"}, "", noHandle.c_str()},
        {{"show", "default"}, "", noHandle.c_str()},
    };
#else
    const Case cases[] = {
        {{"profiles"}, "/dev/full", "No space left on device"},
        {{"show", "default"}, "/dev/full", "No space left on device"},
        {{"--help"}, "/dev/full", "No space left on device"},
        {{"profiles"}, "", "Bad file descriptor"},
    };
#endif
    for (const Case& c : cases) {
        const CliRun r = runProgram(MARLIX_CLI_TEST, c.args, c.out);
        EXPECT_EQ(r.status, 1) << ::testing::PrintToString(c.args) << "\n" << r;
        EXPECT_EQ(r.err,
                  std::string("marlix-cli: cannot write to standard output: ") + c.reason + "\n");
    }
    // A usage error writes nothing there, and keeps its own status.
#ifdef _WIN32
    EXPECT_EQ(runProgram(MARLIX_CLI_TEST, {"frobnicate"}, "").status, 2);
#else
    EXPECT_EQ(runProgram(MARLIX_CLI_TEST, {"frobnicate"}, "/dev/full").status, 2);
#endif
}

TEST_F(Cli, CheckReportsEveryProblemWithItsLine) {
    WriteTestFile(work() / "good.conf", defaultConf() + "sync_clock=2026-12-06 02:21:38\r\n");
    const CliRun good = run({"check", "good.conf"});
    EXPECT_EQ(good.status, 0) << good;
    EXPECT_TRUE(good.err.empty());

    std::string lf;
    for (char c : defaultConf()) {
        if (c != '\r')
            lf += c;
    }
    WriteTestFile(work() / "lf.conf", lf);
    EXPECT_EQ(run({"check", "lf.conf"}).status, 0);

    std::string bad = defaultConf();
    bad.replace(bad.find("fov=wide"), 8, "fov=ultra");
    bad.replace(bad.find("osd=on\r\n"), 8, "");
    const auto kept = static_cast<std::size_t>(std::count(bad.begin(), bad.end(), '\n'));
    bad += "mode_1=1920x1080p 30\r\nsync_clock=2026-12-06 2:21:38\r\n";
    WriteTestFile(work() / "bad.conf", bad);
    const CliRun r = run({"check", "bad.conf"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.conf:6: \"ultra\" is not an option of \"fov\""), std::string::npos)
        << r;
    EXPECT_NE(r.err.find("bad.conf:" + std::to_string(kept + 1) +
                         ": key \"mode_1\" appears again (first on line 2)"),
              std::string::npos)
        << r;
    EXPECT_NE(r.err.find("bad.conf:" + std::to_string(kept + 2) + ": sync_clock"),
              std::string::npos)
        << r;
    EXPECT_NE(r.err.find("bad.conf: key \"osd\" is missing"), std::string::npos) << r;

    // Nothing that is not a small regular file is read: a FIFO would block the check forever.
    std::vector<const char*> unreadable = {"absent.conf", "dir.conf", "huge.conf"};
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((work() / "fifo.conf").c_str(), 0600), 0);
    unreadable.push_back("fifo.conf");
#endif
    fs::create_directories(work() / "dir.conf");
    WriteTestFile(work() / "huge.conf", std::string(2 << 20, 'x'));
    for (const char* name : unreadable) {
        const CliRun refused = run({"check", name});
        EXPECT_EQ(refused.status, 1) << refused;
        EXPECT_NE(refused.err.find(std::string("\"") + name + "\""), std::string::npos) << refused;
    }
    EXPECT_FALSE(fs::exists(work() / "cfg.ini")) << "check never opens the profile file";
}

TEST_F(Cli, ImportMakesAProfileOfAValidFile) {
    ProfileSelections s = DefaultSelections();
    s.mode.m_mode2 = 2;
    s.image.m_sharpness = 4;
    s.photo.m_photoBurst = 4;  // "20p": no page offers it, but a profile keeps it
    WriteTestFile(work() / "card.conf", BuildCameraConf(s, "2026-12-06 02:21:38"));
    const CliRun imported = run({"import", "card.conf", "--name", "from card"});
    ASSERT_EQ(imported.status, 0) << imported;
    EXPECT_EQ(run({"profiles"}).out, "default\nfrom card\n");
    const std::string shown = run({"show", "from card"}).out;
    for (const char* line : {"mode_2=1280x720p 30\n", "image_sharpness=5\n", "photo_burst=20p\n",
                             "sync_clock=TRUE\n"}) {
        EXPECT_NE(shown.find(line), std::string::npos) << line << shown;
    }
    EXPECT_EQ(run({"diff", "from card", "card.conf"}).status, 0);

    s.system.m_syncClock = 0;
    WriteTestFile(work() / "noclock.conf", BuildCameraConf(s, ""));
    ASSERT_EQ(run({"import", "noclock.conf", "--name=quiet"}).status, 0);
    EXPECT_NE(run({"show", "quiet"}).out.find("sync_clock=FALSE\n"), std::string::npos);

    const std::string before = cfg();
    std::string broken = BuildCameraConf(s, "");
    broken.replace(0, 15, "enable_cfg=TRUE");
    WriteTestFile(work() / "broken.conf", broken);
    s.image.m_iso = 6;
    WriteTestFile(work() / "iso.conf", BuildCameraConf(s, ""));
    struct Refusal {
        std::vector<std::string> args;
        const char* named;
    };
    const Refusal refusals[] = {
        {{"import", "broken.conf", "--name", "x"}, "broken.conf:1:"},
        {{"import", "iso.conf", "--name", "x"}, "iso.conf:14: \"3200\" of image_iso"},
        {{"import", "card.conf", "--name", "quiet"}, "This name has be used !"},
        {{"import", "absent.conf", "--name", "x"}, "absent.conf"},
    };
    for (const Refusal& r : refusals) {
        const CliRun refused = run(r.args);
        EXPECT_EQ(refused.status, 1) << refused;
        EXPECT_NE(refused.err.find(r.named), std::string::npos) << refused;
        EXPECT_EQ(cfg(), before);
    }
}

TEST_F(Cli, DiffListsTheKeysThatDiffer) {
    ASSERT_EQ(run({"profiles"}).status, 0);
    WriteTestFile(work() / "card.conf", defaultConf() + "sync_clock=2026-12-06 02:21:38\r\n");
    const CliRun same = run({"diff", "default", "card.conf"});
    EXPECT_EQ(same.status, 0) << same;
    EXPECT_EQ(same.out, "");

    ASSERT_EQ(run({"set", "default", "mode_1=1600x1200p 60", "osd=off", "sync_clock=FALSE"}).status,
              0);
    const CliRun differs = run({"diff", "default", "card.conf"});
    EXPECT_EQ(differs.status, 1);
    EXPECT_EQ(
        differs.out,
        "mode_1: 1600x1200p 60 -> 1920x1080p 60\nosd: off -> on\nsync_clock: FALSE -> TRUE\n");
    EXPECT_TRUE(differs.err.empty()) << differs;

    WriteTestFile(work() / "bad.conf", "enable_cfg=true\r\n");
    const CliRun bad = run({"diff", "default", "bad.conf"});
    EXPECT_EQ(bad.status, 2) << "trouble, as diff(1) says it, is no difference";
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("bad.conf: key \"mode_1\" is missing"), std::string::npos) << bad;
}

#ifndef _WIN32
// Paths that are no plain file in a plain folder: what sits there is never replaced or created
// anew, never waited for, and never read without bound; the profile file survives every one.
TEST_F(Cli, OddPathsAreNeitherReplacedNorWaitedForNorReadWithoutBound) {
    ASSERT_EQ(run({"new", "kept"}).status, 0);
    const std::string profiles = cfg();
    const std::string conf = defaultConf();
    ASSERT_EQ(::mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((m_dir / "read-fifo").c_str(), 0600), 0);
    fs::create_symlink(m_dir / "read-fifo", m_dir / "to-fifo");
    fs::create_symlink("/dev/null", m_dir / "to-null");
    fs::create_symlink(work() / "cfg.ini", m_dir / "to-cfg");
    // Counts as the reader, so that a writer's open goes through; read once the command is done.
    const int reader = ::open((m_dir / "read-fifo").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = (m_dir / "socket").string();
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    WriteTestFile(work() / "cam.conf", "; no profile here\n[basic]\nlast_cfg=x\n");
    const auto fifoText = [&] {
        char buffer[4096];
        const ssize_t n = ::read(reader, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    };
    const std::string noClock = "--no-sync-clock";

    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        const char* says;  // in stderr, or in stdout when the command succeeds
        std::function<void()> check;
    };
    const std::vector<Case> cases = {
        {"standard output by name", {"write", "default", "--output", "-", noClock}, 0, "", [&] {}},
        {"a link to a FIFO is written into, not replaced",
         {"write", "default", "--output", (m_dir / "to-fifo").string(), noClock},
         0,
         "",
         [&] {
             EXPECT_EQ(fifoText(), conf);
             EXPECT_TRUE(fs::is_symlink(m_dir / "to-fifo"));
             EXPECT_TRUE(fs::is_fifo(m_dir / "read-fifo"));
         }},
        {"a FIFO nobody reads is refused at once",
         {"write", "default", "--output", (m_dir / "fifo").string()},
         1,
         "no program reads",
         [&] { EXPECT_TRUE(fs::is_fifo(m_dir / "fifo")); }},
        {"a link to a device is written into, not replaced",
         {"write", "default", "--output", (m_dir / "to-null").string()},
         0,
         "",
         [&] {
             EXPECT_TRUE(fs::is_symlink(m_dir / "to-null"));
             EXPECT_TRUE(fs::is_character_file("/dev/null"));
         }},
        {"a socket is refused",
         {"write", "default", "--output", socketPath},
         1,
         "socket",
         [&] { EXPECT_TRUE(fs::is_socket(m_dir / "socket")); }},
        {"the profile file in use",
         {"write", "default", "--output", "cfg.ini"},
         1,
         "profile file in use",
         [] {}},
        {"a link to the profile file in use",
         {"write", "default", "--output", (m_dir / "to-cfg").string()},
         1,
         "profile file in use",
         [&] { EXPECT_TRUE(fs::is_symlink(m_dir / "to-cfg")); }},
        {"show on a file without a profile",
         {"--config", "cam.conf", "show", "default"},
         1,
         "holds no profile",
         [] {}},
        {"profiles on a file without a profile",
         {"--config", "cam.conf", "profiles"},
         1,
         "holds no profile",
         [] {}},
        {"a file that claims no size is read with a bound",
         {"check", "/proc/self/pagemap"},
         1,
         "larger than",
         [] {}},
        {"... as the camera.conf of diff",
         {"diff", "kept", "/proc/self/pagemap"},
         2,
         "larger than",
         [] {}},
        {"... and as the profile file",
         {"--config", "/proc/self/pagemap", "profiles"},
         1,
         "larger than",
         [] {}},
        {"a FIFO is not read",
         {"check", (m_dir / "fifo").string()},
         1,
         "not a regular file",
         [] {}},
        {"... nor taken for the profile file",
         {"--config", (m_dir / "fifo").string(), "profiles"},
         1,
         "not a regular file",
         [] {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.says), std::string::npos) << r;
        if (c.args[c.args.size() - 2] == "-") {
            EXPECT_EQ(r.out, conf);
        }
        c.check();
        EXPECT_EQ(cfg(), profiles);
    }
    EXPECT_EQ(ReadTestFile(work() / "cam.conf"), "; no profile here\n[basic]\nlast_cfg=x\n");
    // Where the kernel has a log that waits for messages, it is neither waited for nor read.
    if (fs::exists("/proc/kmsg")) {
        EXPECT_EQ(run({"check", "/proc/kmsg"}).status, 1);
    }
    ::close(reader);
    ::close(socketFd);
}

// A version.txt that is a FIFO (or a device) is judged without being opened: opening some
// devices does something by itself.
TEST_F(Cli, DevicesNeverOpensAVersionTxtThatIsNoFile) {
    const fs::path card = attachCard("CAM", "");
    ASSERT_EQ(::mkfifo((card / "version.txt").c_str(), 0600), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, (card / "version.txt").c_str(), IN_OPEN), 0);
    const CliRun devices = run({"devices"});
    EXPECT_EQ(devices.status, 0) << devices;
    EXPECT_NE(devices.out.find("\tNo infomation\n"), std::string::npos) << devices;
    char event[sizeof(inotify_event) + NAME_MAX + 1];
    EXPECT_LT(::read(watch, event, sizeof event), 0) << "version.txt was opened";
    ::close(watch);
}

// A card whose file system never answers (here a FUSE mount whose server never replies): the
// probe of that card is given up in time, `devices` lists every card and ends, and no write is
// tried onto the silent one. Needs root, /dev/fuse and a mount namespace of its own.
TEST_F(Cli, DevicesEndsInTimeBesideACardThatNeverAnswers) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a file system needs root";
    const auto cards = attachCards({{"good", "GOOD", "FW 1"}, {"silent", "SILENT", ""}});
    const fs::path result = m_dir / "result";
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // Everything mounted here goes with this process's namespace.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            ::_exit(77);
        const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
        const std::string options =
            "fd=" + std::to_string(fuse) + ",rootmode=40000,user_id=0,group_id=0,allow_other";
        if (fuse < 0 || ::mount("marlix-silent", cards[1].c_str(), "fuse.marlix-silent",
                                MS_NOSUID | MS_NODEV, options.c_str()) != 0)
            ::_exit(77);
        const auto started = std::chrono::steady_clock::now();
        const CliRun devices = run({"devices"});
        const CliRun write = run({"write", "default", "--device", cards[1].string()});
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        WriteTestFile(result, std::to_string(took.count()) + "\n" + std::to_string(devices.status) +
                                  "\n" + devices.out + "--\n" + devices.err + "--\n" +
                                  std::to_string(write.status) + "\n" + write.err);
        // Closing the server's end ends every request that still waits for it.
        ::close(fuse);
        ::umount2(cards[1].c_str(), MNT_DETACH);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "no FUSE mount in a private namespace here";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string report = ReadTestFile(result);
    SCOPED_TRACE(report);
    std::istringstream lines(report);
    long long took = 0;
    int devicesStatus = -1;
    lines >> took >> devicesStatus;
    // Two probe deadlines and the programs' start-up, with room for a slow machine.
    EXPECT_LT(took, 15000);
    EXPECT_EQ(devicesStatus, 0);
    EXPECT_NE(report.find(cards[0].string() + "/\tGOOD\t"), std::string::npos);
    EXPECT_NE(report.find("\tFW 1\n"), std::string::npos);
    EXPECT_NE(report.find(cards[1].string() + "/\tSILENT\tNot answering\t\n"), std::string::npos);
    EXPECT_NE(report.find("did not answer within 2 seconds"), std::string::npos);
    EXPECT_NE(report.find("--\n1\n"), std::string::npos) << "write onto the silent card";
    EXPECT_NE(report.find("camera.conf was not written"), std::string::npos);
}

// A card that answers its probe but never a create (a failing card or reader): write gives up
// at its deadline with status 1, where it used to hang for good.
TEST_F(Cli, WriteGivesUpOnACardThatNeverAnswersACreate) {
    const fs::path card = attachCard();
    test_support::StallingCard stalling(card, test_support::StallingCard::Stall::Create);
    if (!stalling.Mounted())
        GTEST_SKIP() << "mounting a FUSE file system needs root and /dev/fuse";
    const CliRun write = waitForProgram(
        startProgram(MARLIX_CLI_TEST, {"write", "default", "--device", card.string()}));
    EXPECT_EQ(write.status, 1) << write;
    EXPECT_NE(write.err.find("\"" + card.string() +
                             "/\" does not answer; camera.conf may not "
                             "have been written"),
              std::string::npos)
        << write;
}

// A signal that ends marlix-cli in the middle of a write takes the temporary file with it.
TEST_F(Cli, ASignalMidWriteLeavesNoTemporaryFile) {
    const fs::path card = attachCard();
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        test_support::StallingCard stalling(card, test_support::StallingCard::Stall::Write);
        if (!stalling.Mounted())
            GTEST_SKIP() << "mounting a FUSE file system needs root and /dev/fuse";
        const pid_t cli =
            startProgram(MARLIX_CLI_TEST, {"write", "default", "--device", card.string()});
        ASSERT_TRUE(stalling.WaitFor('S')) << "no write reached the card";
        ::kill(cli, signal);
        const CliRun write = waitForProgram(cli);
        ASSERT_TRUE(stalling.WaitFor('R')) << "the temporary file was never closed";
        for (const auto& entry : fs::directory_iterator(card))
            EXPECT_EQ(entry.path().filename().string().rfind(".camera.conf.", 0), std::string::npos)
                << entry.path() << "\n"
                << write;
    }
}

// Everything printed from outside (here a profile name in a message) reaches the terminal as
// text: bytes 0x80 to 0x9F that are no part of a character, which an 8-bit terminal takes for
// control codes, are escaped like the controls themselves, and whole characters stay as they are.
TEST_F(Cli, StrayC1BytesAreEscaped) {
    struct Case {
        const char* name;
        const char* shown;
    };
    const Case cases[] = {
        {"csi\x9b"
         "2J",
         "csi\\x9b2J"},
        {"c1 as a character \xc2\x9b", "c1 as a character \\xc2\\x9b"},
        {"\xc3\x9b and \xc3\xa9 are letters", "\xc3\x9b and \xc3\xa9 are letters"},
        {"cut \xe2\x9b"
         "x",
         "cut \xe2\\x9bx"},
        {"overlong \xc1\x9b", "overlong \xc1\\x9b"},
        {"surrogate \xed\xa0\x80", "surrogate \xed\xa0\\x80"},
    };
    for (const Case& c : cases) {
        const CliRun r = run({"show", c.name});
        EXPECT_EQ(r.status, 1) << r;
        EXPECT_NE(r.err.find(std::string("\"") + c.shown + "\""), std::string::npos) << r;
    }
}

// What scripts rely on: diff's statuses as diff(1) has them, "-" for standard input, commands that
// fail leaving no profile file or lock behind, and a suggestion for what was mistyped.
TEST_F(Cli, ScriptsGetStatusesStandardInputAndSuggestions) {
    std::string differing = defaultConf() + "sync_clock=2026-12-06 02:21:38\r\n";
    const std::string same = differing;
    differing.replace(differing.find("osd=on"), 6, "osd=off");
    WriteTestFile(work() / "same.conf", same);
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> input;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"diff", "default", "same.conf"}, {}, 0, ""},
        {{"diff", "default", "-"}, same, 0, ""},
        {{"diff", "default", "-"}, differing, 1, "osd: on -> off"},
        {{"diff", "default", "missing.conf"}, {}, 2, "missing.conf"},
        {{"diff", "nosuch", "same.conf"}, {}, 2, "no profile named \"nosuch\""},
        {{"check", "-"}, same, 0, "-: no problems"},
        {{"check", "-"}, "enable_cfg=true\r\n", 1, "standard input: key \"mode_1\" is missing"},
        {{"check", "-"}, std::string(kCameraConfReadLimit + 1, '\n'), 1, "larger than"},
        {{"set", "nosuch", "fov=wide"}, {}, 1, "no profile named \"nosuch\""},
        {{"delete", "nosuch"}, {}, 1, "no profile named \"nosuch\""},
        {{"new", "copy", "--from", "nosuch"}, {}, 1, "no profile named \"nosuch\""},
        {{"new", "DEFAULT"}, {}, 1, "This name has be used"},
        {{"import", "-", "--name", "default"}, same, 1, "This name has be used"},
        {{"shwo", "default"}, {}, 2, "did you mean \"show\"?"},
        {{"set", "default", "fov=wdie"}, {}, 1, "did you mean \"wide\"?"},
        {{"set", "default", "fvo=wide"}, {}, 1, "did you mean \"fov\"?"},
        {{"set", "default", "sync_clock=ture"}, {}, 1, "did you mean \"TRUE\"?"},
        {{"write", "default", "--devcie", "x"}, {}, 2, "did you mean \"--device\"?"},
        {{"show", "default", "--config", "other.ini"}, {}, 2, "--config goes before the command"},
        {{"--json", "profiles"}, {}, 2, "--json goes after the command"},
        {{"write", "default", "--output", "x", "--json"}, {}, 2, "--all-cards"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        m_input = c.input;
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, c.status) << r;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r;
        // Only the file the test wrote: neither the profile file nor its lock.
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(work()))
            files.push_back(entry.path().filename().string());
        EXPECT_EQ(files, std::vector<std::string>{"same.conf"});
    }
    m_input = differing;
    ASSERT_EQ(run({"import", "-", "--name", "piped"}).status, 0);
    EXPECT_NE(run({"show", "piped"}).out.find("\nosd=off\n"), std::string::npos);
}

// --json says what the plain output says, as one document that Python's json module reads; a
// text that is no UTF-8 comes with U+FFFD and is flagged.
TEST_F(Cli, JsonSaysWhatThePlainOutputSays) {
    const fs::path python = "/usr/bin/python3";
    if (!fs::exists(python))
        GTEST_SKIP() << "no python3 to read the JSON";
    attachCard("CAM", "FW 1.2");
    ASSERT_EQ(run({"new", "second"}).status, 0);
    ASSERT_EQ(run({"set", "second", "osd=off"}).status, 0);
    WriteTestFile(work() / "card.conf", defaultConf());
    WriteTestFile(work() / "bad.conf", "enable_cfg=true\r\nzoom=2x\r\n");
    // Each program prints the document `d` as the plain output reads.
    struct Case {
        std::vector<std::string> args;
        const char* python;
    };
    const Case cases[] = {
        {{"profiles"}, "for p in d: print(p['name'])"},
        {{"show", "second"},
         "assert d['name'] == 'second'\n"
         "for k, v in d['settings'].items(): print(f'{k}={v}')"},
        {{"devices"},
         "for x in d:\n"
         "    assert x['state'] == 'ready' and 0 < x['free_bytes'] <= x['total_bytes']\n"
         "    print('\\t'.join([x['root'], x['label'], x['version']]))"},
        {{"diff", "second", "card.conf"},
         "assert not d['same'] and d['profile'] == 'second' and d['file'] == 'card.conf'\n"
         "for x in d['differences']: print(f\"{x['key']}: {x['profile']} -> {x['file']}\")"},
        {{"check", "bad.conf"},
         "assert not d['valid'] and d['problem_count'] == len(d['problems'])\n"
         "for p in d['problems']:\n"
         "    print('bad.conf' + (f\":{p['line']}\" if p['line'] else '') + ': ' + p['message'])"},
    };
    const auto throughPython = [&](const std::string& document, const std::string& program) {
        WriteTestFile(m_dir / "document.json", document);
        WriteTestFile(m_dir / "read.py",
                      "import json, sys\n"
                      "d = json.load(open(sys.argv[1], encoding='utf-8'))\n" +
                          program + "\n");
        return runProgram(python.string(),
                          {(m_dir / "read.py").string(), (m_dir / "document.json").string()});
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CliRun plain = run(c.args);
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const CliRun json = run(args);
        EXPECT_EQ(json.status, plain.status) << json;
        const CliRun read = throughPython(json.out, c.python);
        ASSERT_EQ(read.status, 0) << read << json;
        // check's plain problems are on stderr, before the line that sums them up.
        std::string said =
            c.args[0] == "check" ? plain.err.substr(0, plain.err.rfind("marlix-cli: ")) : plain.out;
        // The free space of the card (a folder on the scratch disk) may change between the runs.
        if (c.args[0] == "devices") {
            const std::size_t space = said.find('\t', said.find('\t') + 1);
            said.erase(space, said.find('\t', space + 1) - space);
        }
        EXPECT_FALSE(said.empty());
        EXPECT_EQ(read.out, said) << json;
    }

    // Labels and version texts reach marlix as text already; a mount point is a path, any bytes.
    fs::remove_all(m_dir / "sys");
    attachCards({{"card\xff", "CAM", ""}});
    const CliRun json = run({"devices", "--json"});
    const CliRun read = throughPython(
        json.out, "print(d[0]['root'].endswith('card\\ufffd/'), d[0]['invalid_utf8'])");
    EXPECT_EQ(read.out, "True ['root']\n") << read << json;
}

// write --all-cards: each listed card in turn with the verified write; one that fails is reported
// and the others are written all the same, and only a run that wrote every card succeeds.
TEST_F(Cli, WriteAllCardsGoesOnPastACardThatFails) {
    const auto cards =
        attachCards({{"one", "ONE", ""}, {"two", "TWO", ""}, {"three", "THREE", ""}});
    // A folder where the file goes: that card cannot take it.
    fs::create_directories(cards[1] / "camera.conf" / "kept");
    const CliRun plain = run({"write", "default", "--all-cards", "--no-sync-clock"});
    EXPECT_EQ(plain.status, 1) << plain;
    const std::vector<std::string> lines = {
        "Wrote " + cards[0].string() + "/camera.conf",
        "Not written " + cards[1].string() + "/: ",
        "Wrote " + cards[2].string() + "/camera.conf",
    };
    // One line for each card, in the order they are listed.
    EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), '\n'), 3) << plain;
    for (const std::string& expected : lines)
        EXPECT_NE(("\n" + plain.out).find("\n" + expected), std::string::npos) << expected;
    EXPECT_NE(plain.err.find("not written onto 1 of 3 cards"), std::string::npos) << plain;
    for (const fs::path& written : {cards[0], cards[2]})
        EXPECT_EQ(ReadTestFile(written / "camera.conf"), defaultConf());
    EXPECT_TRUE(fs::is_directory(cards[1] / "camera.conf" / "kept"));

    const CliRun json = run({"write", "default", "--all-cards", "--no-sync-clock", "--json"});
    EXPECT_EQ(json.status, 1) << json;
    for (const char* field : {"\"written\": true", "\"written\": false", "\"error\": null"})
        EXPECT_NE(json.out.find(field), std::string::npos) << field << "\n" << json;

    fs::remove_all(cards[1] / "camera.conf");
    const CliRun all = run({"write", "default", "--all-cards", "--no-sync-clock"});
    EXPECT_EQ(all.status, 0) << all;
    EXPECT_EQ(ReadTestFile(cards[1] / "camera.conf"), defaultConf());

    // A card that stops answering holds up only itself.
    test_support::StallingCard stalling(cards[1], test_support::StallingCard::Stall::Create);
    if (!stalling.Mounted())
        GTEST_SKIP() << "mounting a FUSE file system needs root and /dev/fuse";
    for (const fs::path& card : {cards[0], cards[2]}) fs::remove(card / "camera.conf");
    const CliRun stalled = waitForProgram(
        startProgram(MARLIX_CLI_TEST, {"write", "default", "--all-cards", "--no-sync-clock"}));
    EXPECT_EQ(stalled.status, 1) << stalled;
    EXPECT_NE(stalled.out.find("does not answer"), std::string::npos) << stalled;
    for (const fs::path& written : {cards[0], cards[2]})
        EXPECT_EQ(ReadTestFile(written / "camera.conf"), defaultConf());
}

// mount takes a card's label: a mounted card's root is printed as for its root, and a label that
// two cards have names neither.
TEST_F(Cli, MountTakesALabelThatOneCardHas) {
    const auto cards =
        attachCards({{"one", "ONE", ""}, {"two", "TWIN", ""}, {"three", "TWIN", ""}});
    const CliRun one = run({"mount", "ONE"});
    if (one.err.find("built without UDisks2") != std::string::npos)
        GTEST_SKIP() << "mount is not built in";
    EXPECT_EQ(one.status, 0) << one;
    EXPECT_EQ(one.out, cards[0].string() + "/\n");
    const CliRun twin = run({"mount", "TWIN"});
    EXPECT_EQ(twin.status, 1) << twin;
    EXPECT_NE(twin.err.find("more than one card"), std::string::npos) << twin;
    EXPECT_TRUE(twin.out.empty());
}
#endif

}  // namespace
}  // namespace marlix

#include "core/platform/files/file_lock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "tests/support/scratch_dir.h"

namespace marlix {
namespace {

namespace fs = std::filesystem;

// The path with its ASCII letters in the other case: the same folder where names ignore case.
fs::path otherCase(const fs::path& path) {
    std::string text = path.string();
#ifdef _WIN32
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z'   ? static_cast<char>(c - 'a' + 'A')
               : c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a')
                                      : c;
    });
#endif
    return text;
}

TEST(FileLock, TwoNamesOfOneFileWaitForEachOther) {
    test_support::ScratchDir scratch("marlix-lock");
    ASSERT_FALSE(scratch.path().empty());
    fs::create_directory(scratch.path() / "cards");
    const fs::path first = scratch.path() / "cards" / "cfg.ini";
    // Another spelling of the same folder; the file itself need not exist.
    const fs::path second = otherCase(scratch.path() / "cards" / ".." / "cards" / "cfg.ini");

    std::atomic<bool> trying{false};
    std::atomic<bool> released{false};
    bool heldAfterRelease = false;
    auto lock = std::make_unique<Result<FileLock>>(FileLock::Take(first));
    ASSERT_TRUE(lock->ok()) << lock->message();
    std::thread other([&] {
        trying = true;
        const auto again = FileLock::Take(second);
        heldAfterRelease = again.ok() && released;
    });
    while (!trying) std::this_thread::yield();
    // Gives the other thread every chance to get past its lock if the lock let it.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    released = true;
    lock.reset();
    other.join();
    EXPECT_TRUE(heldAfterRelease);
}

TEST(FileLock, AHolderThatNeverLetsGoMakesItBusyInTime) {
    test_support::ScratchDir scratch("marlix-lock");
    fs::create_directory(scratch.path() / "a");
    fs::create_directory(scratch.path() / "b");
    const auto held = FileLock::Take(scratch.path() / "a" / "cfg.ini");
    ASSERT_TRUE(held.ok()) << held.message();
    Status busy = Status::success();
    std::thread other([&] {
        busy = FileLock::Take(scratch.path() / "a" / "cfg.ini", std::chrono::milliseconds(200))
                   .status();
    });
    other.join();  // would never return if the wait were unbounded
    EXPECT_EQ(busy.code(), ErrorCode::Busy) << busy.message();
    EXPECT_NE(busy.message().find("busy"), std::string::npos) << busy.message();
    // The lock of another file is no reason to wait.
    EXPECT_TRUE(
        FileLock::Take(scratch.path() / "b" / "cfg.ini", std::chrono::milliseconds(0)).ok());
}

}  // namespace
}  // namespace marlix

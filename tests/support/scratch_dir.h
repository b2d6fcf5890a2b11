// Small file helpers for tests that work on real files in a directory of their own.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace marlix::test_support {

// A new, empty directory base/prefix-XXXXXX; empty when none could be made.
inline std::filesystem::path MakeUniqueDirectory(const std::filesystem::path& base,
                                                 std::string_view prefix) {
#ifdef _WIN32
    // The C run-time of Windows has no mkdtemp; create_directory fails on a name that exists.
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path path =
            base / (std::string(prefix) + "-" + std::to_string(seed() % 1000000));
        std::error_code ec;
        if (std::filesystem::create_directory(path, ec))
            return path;
    }
    return {};
#else
    std::string pattern = (base / (std::string(prefix) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
#endif
}

// Where ScratchDirTest makes its directories.
inline std::filesystem::path ScratchBase() {
#ifdef _WIN32
    return std::filesystem::temp_directory_path();
#else
    return "/tmp";
#endif
}

inline std::string ReadTestFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Creates the parent folders as needed.
inline void WriteTestFile(const std::filesystem::path& path, std::string_view bytes) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh directory under the system's temporary folder, removed with everything in it.
class ScratchDir {
public:
    explicit ScratchDir(std::string_view prefix = "marlix-test")
        : m_path(MakeUniqueDirectory(std::filesystem::temp_directory_path(), prefix)) {}
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// A fixture with a fresh directory under /tmp (Windows: the temporary folder), removed (permissions
// restored) afterwards.
class ScratchDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = MakeUniqueDirectory(ScratchBase(), "marlix-test");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_dir, ec);
    }

    std::filesystem::path m_dir;
};

}  // namespace marlix::test_support

// The golden files under tests/data: what the program must produce, byte for byte. With
// MARLIX_UPDATE_GOLDEN=1 in the environment the test writes the program's output over the golden
// file instead and prints what changed, so that a new setting needs no test edit beyond that run
// (and a look at the diff).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "tests/support/scratch_dir.h"
#include "tests/support/text_diff.h"

namespace marlix::test_support {

// Expects `text` to be the golden file's contents, or with MARLIX_UPDATE_GOLDEN=1 makes it so.
inline void ExpectGoldenFile(const std::string& text, const std::filesystem::path& golden) {
    const std::string was = ReadTestFile(golden);
    const char* update = std::getenv("MARLIX_UPDATE_GOLDEN");
    if (update != nullptr && std::string_view(update) == "1") {
        if (was != text) {
            WriteTestFile(golden, text);
            std::cout << "--- " << golden.string() << "\n+++ " << golden.string() << "\n"
                      << TextDiff(was, text);
        }
        return;
    }
    EXPECT_EQ(text, was) << golden.string() << " differs (MARLIX_UPDATE_GOLDEN=1 rewrites it):\n"
                         << TextDiff(was, text);
}

}  // namespace marlix::test_support

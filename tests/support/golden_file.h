// The golden files under tests/data: what the program must produce, byte for byte. With
// MARLIX_UPDATE_GOLDEN=1 in the environment the test writes the program's output over the golden
// file instead and prints what changed, so that a new setting needs no test edit beyond that run
// (and a look at the diff).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/scratch_dir.h"

namespace marlix::test_support {

inline std::vector<std::string_view> GoldenLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1);
        lines.push_back(text.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

// One hunk from the first to the last line that differ: enough to see a line come or go.
inline std::string GoldenDiff(std::string_view was, std::string_view now) {
    const std::vector<std::string_view> a = GoldenLines(was), b = GoldenLines(now);
    std::size_t head = 0, tail = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    // A side without lines is placed after the line before the hunk, as diff -u does.
    const auto range = [&](std::size_t count) {
        return std::to_string(count == 0 ? head : head + 1) + "," + std::to_string(count);
    };
    std::string out =
        "@@ -" + range(a.size() - head - tail) + " +" + range(b.size() - head - tail) + " @@\n";
    for (std::size_t i = head; i < a.size() - tail; ++i) out += "-" + std::string(a[i]);
    for (std::size_t i = head; i < b.size() - tail; ++i) out += "+" + std::string(b[i]);
    return out;
}

// Expects `text` to be the golden file's contents, or with MARLIX_UPDATE_GOLDEN=1 makes it so.
inline void ExpectGoldenFile(const std::string& text, const std::filesystem::path& golden) {
    const std::string was = ReadTestFile(golden);
    const char* update = std::getenv("MARLIX_UPDATE_GOLDEN");
    if (update != nullptr && std::string_view(update) == "1") {
        if (was != text) {
            WriteTestFile(golden, text);
            std::cout << "--- " << golden.string() << "\n+++ " << golden.string() << "\n"
                      << GoldenDiff(was, text);
        }
        return;
    }
    EXPECT_EQ(text, was) << golden.string() << " differs (MARLIX_UPDATE_GOLDEN=1 rewrites it):\n"
                         << GoldenDiff(was, text);
}

}  // namespace marlix::test_support

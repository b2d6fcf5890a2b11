// What differs between two texts, as one hunk of a unified diff: for failures that must show
// the difference rather than two long texts cut short.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace marlix::test_support {

inline std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1);
        lines.push_back(text.substr(start, end + 1 - start));
        start = end + 1;
    }
    return lines;
}

// One hunk from the first to the last line that differ: enough to see a line come or go.
inline std::string TextDiff(std::string_view was, std::string_view now) {
    const std::vector<std::string_view> a = TextLines(was), b = TextLines(now);
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

}  // namespace marlix::test_support

// QCOMPARE for long texts (QByteArray or QString): a failure shows the lines that differ.
#define MARLIX_COMPARE_TEXT(actual, expected)                                  \
    do {                                                                       \
        const std::string actualText_ = QByteArray(actual).toStdString();      \
        const std::string expectedText_ = QByteArray(expected).toStdString();  \
        if (actualText_ != expectedText_)                                      \
            QFAIL(("texts differ (-expected +actual):\n" +                     \
                   marlix::test_support::TextDiff(expectedText_, actualText_)) \
                      .c_str());                                               \
    } while (false)

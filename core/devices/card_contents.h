// What a card holds, for the question before Set formats it: enough for the user to recognise
// the card whose files are about to go.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/result.h"

namespace marlix {

// Counting stops here: the question needs to know that the card is full of files, not how full.
inline constexpr std::size_t kCardContentsCountLimit = 10000;
// A card that answers lists this many entries in well under this; one that does not is not
// waited for.
inline constexpr std::chrono::milliseconds kCardContentsDeadline{5000};
inline constexpr std::size_t kCardContentsNamesShown = 3;

struct CardContents {
    std::uint64_t files = 0;       // everything that is not a folder, links included
    std::uint64_t folders = 0;     // the root not counted
    bool moreThanCounted = false;  // counting stopped at kCardContentsCountLimit entries
    bool notAllReadable = false;   // a folder could not be read; what it holds is not counted
    std::uint64_t fileBytes = 0;   // the sizes of the regular files counted
    // The first files met, as paths from the root with "/" between folders (UTF-8).
    std::vector<std::string> someFiles;
};

// Counts what is under the card's root, folders included, never following a link, away from the
// caller (abandonable_work.h): a card that does not answer by the deadline fails with
// ErrorCode::NotAnswering, a root that cannot be read with the system's reason. `started`: see
// RunAbandonable.
Result<CardContents> ReadCardContents(const std::string& root,
                                      std::chrono::milliseconds deadline = kCardContentsDeadline,
                                      const std::function<void()>& started = {});

// One line for the window, e.g. "3 files and 1 folder (DCIM/VID0001.MOV, DCIM/VID0002.MOV,
// version.txt), 1.2 GB in use". bytesInUse: the volume's total less its free space where the
// probe knows it, else the sizes of the files counted are shown.
std::string CardContentsText(const CardContents& contents,
                             std::optional<std::uint64_t> bytesInUse = std::nullopt);

}  // namespace marlix

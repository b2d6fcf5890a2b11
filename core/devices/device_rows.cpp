#include "core/devices/device_rows.h"

#include <cstdio>

#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace {

std::int32_t megabytes(std::uint64_t bytes) {
    // Conversion to a narrower signed type keeps the low 32 bits (two's complement since C++20).
    return static_cast<std::int32_t>(bytes >> 20);
}

#ifndef _WIN32
bool isLeadByte(unsigned char c) {
    return c >= 0xC2 && c <= 0xF4;
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    return 2;
}

// A file cut at the byte limit may end in the first bytes of a character; that character is
// dropped rather than reading the whole text as Latin-1.
std::string versionTextFromBytes(std::string_view bytes, bool mayBeCut) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    if (mayBeCut) {
        for (std::size_t tail = 1; tail <= 3 && tail <= bytes.size(); ++tail) {
            const auto lead = static_cast<unsigned char>(bytes[bytes.size() - tail]);
            if (isLeadByte(lead) && sequenceLength(lead) > tail) {
                const std::string_view whole = bytes.substr(0, bytes.size() - tail);
                if (IsValidUtf8(whole))
                    return std::string(whole);
                break;
            }
        }
    }
    return Latin1ToUtf8(bytes);
}

#endif

}  // namespace

std::string SpaceText(std::uint64_t totalBytes, std::uint64_t freeBytes) {
    const std::int32_t freeMb = megabytes(freeBytes);
    const std::int32_t totalMb = megabytes(totalBytes);
    char text[96];
    std::snprintf(text, sizeof text, "%d MB/%d MB(%d G/%d G)", static_cast<int>(freeMb),
                  static_cast<int>(totalMb), static_cast<int>(freeMb >> 10),
                  static_cast<int>(totalMb >> 10));
    return text;
}

std::string SpaceText(const DriveInfo& drive) {
    return drive.spaceKnown ? SpaceText(drive.totalBytes, drive.freeBytes) : SpaceText(0, 0);
}

VersionText ReadVersionText(const std::string& root) {
    const auto read =
        ReadSmallRegularFile(PathFromUtf8(root + "version.txt"), kVersionTextMaxBytes);
    if (!read.ok() || !read->has_value())
        return VersionText{kNoVersionText, -1};
    std::string_view bytes = **read;
    const bool mayBeCut = bytes.size() == kVersionTextMaxBytes;
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
#ifdef _WIN32
    // Windows programs write version.txt in the system's ANSI code page.
    (void)mayBeCut;
    return VersionText{AnsiToUtf8(bytes), 0};
#else
    return VersionText{versionTextFromBytes(bytes, mayBeCut && nul == std::string_view::npos), 0};
#endif
}

DeviceRow DescribeListedDrive(const DriveInfo& drive) {
    return DeviceRow{drive.root, drive.label, kProbingText, "", DriveState::Probing, drive};
}

DeviceRow DescribeProbedDrive(const ProbedDrive& probed) {
    const DriveInfo& drive = probed.drive;
    if (!probed.answered)
        return DeviceRow{drive.root, drive.label, kNotAnsweringText, "", DriveState::NotAnswering,
                         drive};
    return DeviceRow{drive.root,           drive.label, SpaceText(drive), probed.version,
                     DriveState::Answered, drive,       probed.conf};
}

DeviceRow DescribeUnmountedCard(const UnmountedCard& card) {
    DeviceRow row{card.device, card.label, kNotMountedText, "", DriveState::Unmounted};
    row.drive.listing.blockDevice = card.blockDevice;
    row.drive.listing.source = card.device;
    return row;
}

std::vector<DeviceRow> DescribeDrives(const std::vector<ProbedDrive>& probed) {
    std::vector<DeviceRow> rows;
    rows.reserve(probed.size());
    for (const ProbedDrive& drive : probed) rows.push_back(DescribeProbedDrive(drive));
    return rows;
}

}  // namespace marlix

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
    return VersionText{VersionTextFromBytes(bytes, mayBeCut && nul == std::string_view::npos), 0};
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

CellText MakeCellText(std::string_view text) {
    CellText cell;
    cell.tooltip = std::string(text);
    cell.display.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const auto third = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
        if (byte < 0x20 || byte == 0x7F) {
            cell.display += ' ';
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // C1: U+0080..U+009F
            cell.display += ' ';
            i += 1;
        } else if (byte == 0xE2 && next == 0x80 && (third == 0xA8 || third == 0xA9)) {
            cell.display += ' ';  // U+2028, U+2029
            i += 2;
        } else {
            cell.display += static_cast<char>(byte);
        }
    }
    return cell;
}

}  // namespace marlix

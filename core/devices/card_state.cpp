#include "core/devices/card_state.h"

#include "core/export/camera_conf_reader.h"
#include "core/pages/page_logic.h"

namespace marlix {

namespace {

constexpr std::string_view kCardConf = "The card's camera.conf";

std::string problemText(const CameraConfProblem& problem) {
    if (problem.line == 0)
        return problem.message;
    return "line " + std::to_string(problem.line) + ": " + problem.message;
}

// Why a card's camera.conf cannot be compared or loaded, when it is not a file that was read.
std::string unreadText(const CardConf& conf) {
    switch (conf.kind) {
        case CardConfKind::Missing:
            return "The card has no camera.conf.";
        case CardConfKind::NotRegular:
            return std::string(kCardConf) +
                   " is not a file the camera can read (a folder, a link or a device).";
        case CardConfKind::TooLarge:
            return std::string(kCardConf) + " has problems (it is larger than " +
                   std::to_string(kCameraConfReadLimit) + " bytes).";
        case CardConfKind::Unreadable:
            return std::string(kCardConf) + " cannot be read (" + conf.bytes + ").";
        case CardConfKind::Read:
            break;
    }
    return {};
}

// The first problems, one text each, and how many more there are: a file of a million bad lines
// gives a tooltip and a message box as short as one of a dozen.
std::vector<std::string> problemTexts(const CameraConfReading& reading) {
    std::vector<std::string> out;
    for (const CameraConfProblem& problem : reading.problems) out.push_back(problemText(problem));
    if (std::string more = reading.moreProblemsText(); !more.empty())
        out.push_back(std::move(more));
    return out;
}

CardComparison problems(const CameraConfReading& reading) {
    CardComparison out{CardState::Problems, {}, problemTexts(reading)};
    out.summary = std::string(kCardConf) + " has problems (" + out.details.front();
    if (reading.problemCount > 1)
        out.summary += "; " + std::to_string(reading.problemCount - 1) + " more";
    out.summary += ").";
    return out;
}

}  // namespace

CardComparison CompareCardWithPages(const DeviceRow* card, const ProfileSelections& pages) {
    if (card == nullptr || card->state == DriveState::Unmounted)
        return {};
    if (card->state == DriveState::Probing)
        return {CardState::Reading, "Reading the card's camera.conf...", {}};
    if (card->state == DriveState::NotAnswering)
        return {
            CardState::NotAnswering, "The card does not answer: what it holds is not known.", {}};
    if (card->conf.kind != CardConfKind::Read) {
        const CardState state =
            card->conf.kind == CardConfKind::Missing ? CardState::NoFile : CardState::Problems;
        return {state, unreadText(card->conf), {}};
    }
    const CameraConfReading reading = ReadCameraConf(card->conf.bytes);
    if (!reading.valid())
        return problems(reading);

    // What Set would write: of auto shoot and burst, the one the interlock turns off.
    ProfileSelections written = pages;
    written.photo.m_autoShoot = AutoShootForExport(pages.photo);
    written.photo.m_photoBurst = PhotoBurstForExport(pages.photo);
    const auto differences = DiffCameraConf(written, reading);
    if (differences.empty())
        return {CardState::Matches, std::string(kCardConf) + " matches the pages.", {}};
    CardComparison out{CardState::Differs,
                       std::string(kCardConf) + " differs in " +
                           std::to_string(differences.size()) +
                           (differences.size() == 1 ? " setting." : " settings."),
                       {}};
    for (const CameraConfDifference& d : differences)
        out.details.push_back(d.key + ": " + d.fileText + " -> " + d.profileText);
    out.differences = differences;
    return out;
}

Result<CardLoad> LoadCardIntoPages(const CardConf& conf, const ProfileSelections& pages) {
    if (conf.kind != CardConfKind::Read) {
        const ErrorCode code = conf.kind == CardConfKind::Missing      ? ErrorCode::NotFound
                               : conf.kind == CardConfKind::NotRegular ? ErrorCode::NotRegularFile
                               : conf.kind == CardConfKind::TooLarge   ? ErrorCode::TooLarge
                                                                       : ErrorCode::Io;
        return Status::failure(unreadText(conf) + " Nothing was loaded.", code);
    }
    const CameraConfReading reading = ReadCameraConf(conf.bytes);
    if (!reading.valid()) {
        std::string message = std::string(kCardConf) + " has problems, so nothing was loaded:";
        for (const std::string& problem : problemTexts(reading)) message += "\n" + problem;
        return Status::failure(std::move(message), ErrorCode::InvalidValue);
    }
    CardLoad out{pages, {}};
    for (std::size_t i = 0; i < kCameraConfOrder.size(); ++i) {
        const Setting setting = kCameraConfOrder[i];
        const CameraConfSetting& read = *reading.settings[i];
        // A text the camera knows but no page has a visible button for would leave its group
        // showing no choice at all.
        if (read.index >= OptionCount(setting, OptionScope::Shown)) {
            out.kept.push_back(std::string(RowOf(setting).name) + "=" + read.text);
            continue;
        }
        SelectionField(out.values, setting) = read.index;
    }
    out.values.system.m_syncClock = reading.clockText ? 1 : 0;
    return out;
}

}  // namespace marlix
